// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_ELEMENT_H
#define ROVALIN_ELEMENT_H

#include <QString>

// One numeric member of a catalogue entry: the key it was read under (an
// element symbol such as Fe or K, or the reserved key "sol") and its number.
// For commercial products the number is mg of element per ml of product, for
// compounds the element's mass fraction (0.25 for 25 %).
struct Element
{
    Element() = default;
    Element(const QString &_name, double _value) : name(_name), value(_value) {}

    // An empty element has an empty, not a null, name.
    QString name = QStringLiteral("");
    double value = 0.0;
};

#endif // ROVALIN_ELEMENT_H
