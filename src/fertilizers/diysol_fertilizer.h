// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DIYSOL_FERTILIZER_H
#define ROVALIN_DIYSOL_FERTILIZER_H

#include "type_fertilizer.h"

// Calculator for a water solution made from a dry compound: catalogue values
// are mass fractions, doses are ml of solution per week. Four inputs: tank
// volume (l), water volume of the solution (ml), compound dissolved in it (mg)
// and the method value. The solution holds quantity / water mg of compound
// per ml; the volume of the dissolved compound itself is not counted.
class DiySol_Fertilizer : public Type_Fertilizer
{
public:
    DiySol_Fertilizer();
    ~DiySol_Fertilizer() override;

    QString column_title(bool _is_calc) const override;
    QString range_message(int _method, const QString &_target, double _bottom,
                          double _top) const override;
    Calc_Result calculate(int _method, int _index, int _element, const double *_values,
                          unsigned _size) override;
    QString result_message(int _method, int _index) const override;

    // The pair remembered by the last calculation for a target element.
    double get_result_dose() const { return result_dose; }
    double get_result_conc() const { return result_conc; }

protected:
    // Start at 0 so that a message asked for before any calculation reads
    // defined numbers.
    double result_dose = 0.0;
    double result_conc = 0.0;
};

#endif // ROVALIN_DIYSOL_FERTILIZER_H
