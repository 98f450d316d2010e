// SPDX-License-Identifier: GPL-3.0-or-later

#include "dosing/build_up.h"

#include <QCoreApplication>

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

QString weeks(int _count)
{
    const int last = _count % 10;
    const int last_two = _count % 100;
    if (last == 1 && last_two != 11)
        //: Weeks after «Через» (after): 1, 21, 31… weeks.
        return QCoreApplication::translate("build_up", "%n неделю", nullptr, _count);
    if (last >= 2 && last <= 4 && (last_two < 12 || last_two > 14))
        //: Weeks after «Через» (after): 2–4, 22–24… weeks.
        return QCoreApplication::translate("build_up", "%n недели", nullptr, _count);
    //: Weeks after «Через» (after): 5–20, 25–30 and the other counts.
    return QCoreApplication::translate("build_up", "%n недель", nullptr, _count);
}

} // namespace build_up
