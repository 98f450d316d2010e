// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_FORMULA_H
#define ROVALIN_FORMULA_H

#include "base/element.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// A chemical formula as labels write it, read into the mass fraction of each
// of its elements: KNO3, MgSO4·7H2O, CuSO4*5H2O, Fe2(SO4)3·9H2O, MgSO4(H2O)7,
// CO(NH2)2, (NH4)6Mo7O24·4H2O.
//
// Syntax: element symbols (every element with a standard atomic weight),
// each with an optional count; groups in ( ) or [ ], nested, each with an
// optional count; then any number of hydrates or adducts, each after ·, •, *
// or . and with an optional coefficient. Counts and coefficients are whole
// numbers from 1 to 1000 without a leading 0 (K2S04 is a zero typed for an
// O, never K2S4), and groups nest at most 8 deep. Blanks around the
// formula are ignored; blanks inside are an error.
//
// The atomic weights are IUPAC's standard atomic weights of 2021 abridged to
// five significant figures (Pure Appl. Chem. 94 (2022) 573), with the
// conventional value for elements whose weight is an interval.
class Formula
{
    Q_DECLARE_TR_FUNCTIONS(Formula)

public:
    explicit Formula(const QString &_text);

    bool is_valid() const { return error_.isEmpty(); }
    // What is wrong, in the program's language, with the 1-based place of
    // the character: "позиция 3: нет элемента «Xx»". Empty for a valid formula.
    QString error() const { return error_; }

    // Each element's mass fraction, in ascending order of the symbols
    // (compared code unit by code unit); none for an invalid formula.
    const QVector<Element> &fractions() const { return fractions_; }
    // 0 for an element the formula lacks.
    double fraction(const QString &_symbol) const;
    // The fractions of the elements one doses: all but H, O and C.
    QVector<Element> dosed_fractions() const;

    // The standard atomic weight of an element; 0 for a text that is none.
    static double atomic_weight(const QString &_symbol);

    // Whether the formula has a sulfate (SO4), phosphate (PO4) or carbonate
    // (CO3) group, hydrogen ones (HSO4, H2PO4, HCO3) included.
    bool has_sulfate() const { return sulfate; }
    bool has_phosphate() const { return phosphate; }
    bool has_carbonate() const { return carbonate; }

private:
    QVector<Element> fractions_;
    QString error_;
    bool sulfate = false;
    bool phosphate = false;
    bool carbonate = false;

    friend class Formula_Reader;
};

#endif // ROVALIN_FORMULA_H
