// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DIYSOL_FERTILIZER_H
#define ROVALIN_DIYSOL_FERTILIZER_H

#include "dosing/type_fertilizer.h"

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

    // A solution of _grams of entry _index in _water_ml ml of water that
    // cannot be made, because more than the entry's solubility would have to
    // dissolve: the message that says so. Empty when it dissolves, and when the
    // entry has no usable solubility (a finite number above 0). Exactly the
    // solubility dissolves, within a relative 1e-9.
    QString undissolved_message(int _index, double _grams, int _water_ml) const;

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
