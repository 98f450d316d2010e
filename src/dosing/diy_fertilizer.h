// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DIY_FERTILIZER_H
#define ROVALIN_DIY_FERTILIZER_H

#include "dosing/premix_fertilizer.h"

// Calculator for a dry compound weighed out and added to the tank: catalogue
// values are mass fractions, doses are mg of compound per week. The arithmetic
// is that of Premix_Fertilizer; only captions, units and messages differ.
class Diy_Fertilizer : public Premix_Fertilizer
{
public:
    Diy_Fertilizer();
    ~Diy_Fertilizer() override;

    QString column_title(bool _is_calc) const override;
    QString range_message(int _method, const QString &_target, double _bottom,
                          double _top) const override;
    QString result_message(int _method, int _index) const override;
};

#endif // ROVALIN_DIY_FERTILIZER_H
