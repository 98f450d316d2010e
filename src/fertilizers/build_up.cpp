// SPDX-License-Identifier: GPL-3.0-or-later

#include "build_up.h"

#include <cmath>

namespace build_up {

double level_after(double _weekly, double _change, int _doses)
{
    return _weekly * (1 - std::pow(1 - _change, _doses)) / _change;
}

double limit(double _weekly, double _change)
{
    return _weekly / _change;
}

QString weeks_word(int _count)
{
    const int last = _count % 10;
    const int last_two = _count % 100;
    if (last == 1 && last_two != 11)
        return QStringLiteral("неделю");
    if (last >= 2 && last <= 4 && (last_two < 12 || last_two > 14))
        return QStringLiteral("недели");
    return QStringLiteral("недель");
}

} // namespace build_up
