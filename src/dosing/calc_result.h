// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_CALC_RESULT_H
#define ROVALIN_CALC_RESULT_H

// The answer of one calculation: the weekly quantity of fertilizer (ml for
// products and solutions, mg for dry compounds) and the concentration, in mg/l,
// that one element then reaches in the tank.
struct Calc_Result
{
    double dose = 0.0;
    double concentration = 0.0;
};

#endif // ROVALIN_CALC_RESULT_H
