// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_NUMBER_TEXT_H
#define ROVALIN_NUMBER_TEXT_H

// Numbers as the program's own windows (the plan, the editor, the designer,
// the build-up) read them from the user and show them. The main window keeps
// its own rules: the system's locale for what is typed, six digits for what
// is shown (message_text::number).

#include <QString>

namespace number_text {

// A number typed by the user: digits with a point or a comma as the decimal
// separator, whatever the locale, as Russian users type it. False, leaving
// _number as it was, for a text that is no finite number, that holds both a
// point and a comma, or that groups digits ("1,000", "1 000"): a separator
// is never taken for thousands. Blanks around the number are allowed.
bool read(const QString &_text, double *_number);

// A level or an amount as a hobbyist reads it: three significant digits, but
// never fewer than its whole digits, never in exponent form, trailing zeros
// dropped, a point whatever the locale: 0.0371, 7.02, 17.7, 1733. Not a
// number or infinite: "—".
QString figure(double _value);

} // namespace number_text

#endif // ROVALIN_NUMBER_TEXT_H
