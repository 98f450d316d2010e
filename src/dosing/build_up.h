// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_BUILD_UP_H
#define ROVALIN_BUILD_UP_H

#include <QString>

// How the level of an element builds up in a tank dosed once a week. The
// model: once a week a fraction f of the water is changed, then the week's
// dose is added; the new water brings none of the element, and plants and
// filters take none. With w the concentration one dose gives, the level right
// after the n-th dose is w × (1 − (1 − f)^n) ÷ f, and it tends to w ÷ f.
namespace build_up {

// The level right after dose _doses (0 before the first), with _change the
// fraction of the water changed every week, 0 < _change ≤ 1.
double level_after(double _weekly, double _change, int _doses);

// The level the doses build up to: w ÷ f (w itself when all the water is
// changed every week).
double limit(double _weekly, double _change);

// _count weeks as they follow «через» or «на»: «1 неделю», «3 недели»,
// «11 недель», «22 недели», translated. Russian has three forms where Qt, with no
// translation installed, puts the count into the one text it is given: the
// form is picked here by the Russian rule, from three numerus texts, each of
// which a translation gives its own singular and plural.
QString weeks(int _count);

} // namespace build_up

#endif // ROVALIN_BUILD_UP_H
