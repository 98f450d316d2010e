// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PREMIX_FERTILIZER_H
#define ROVALIN_PREMIX_FERTILIZER_H

#include "dosing/type_fertilizer.h"

// Calculator for ready-made liquid products: catalogue values are mg of
// element per ml of product, doses are ml per week. Two inputs: the tank
// volume in litres and the method value (the wanted concentration in mg/l for
// method 0, the weekly dose for method 1).
class Premix_Fertilizer : public Type_Fertilizer
{
public:
    Premix_Fertilizer();
    ~Premix_Fertilizer() override;

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
    double result_dose = 0.0;
    double result_conc = 0.0;
};

#endif // ROVALIN_PREMIX_FERTILIZER_H
