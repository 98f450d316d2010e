// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_MESSAGE_TEXT_H
#define ROVALIN_MESSAGE_TEXT_H

#include <QString>

// Pieces of the rich-text messages and captions shown in the window. Every
// message is a whole document, "<html><head/><body>" ... "</body></html>";
// names and bounds stand in a green bold span, computed answers in a blue one.
namespace message_text {

QString head();  // "<html><head/><body>"
QString tail();  // "</body></html>"
QString green(); // opening of the green bold span
QString blue();  // opening of the blue bold span
QString close(); // "</span>"

// A number as the window shows it: at most six significant digits, trailing
// zeros dropped, a point whatever the locale (1.5e+06, 1e-05, 12.3457).
QString number(double _value);

// A catalogue text (entry name, target, element key) made safe for rich text.
QString escaped(const QString &_text);

// "<html><head/><body>Необходимая концентрация элемента " and the target in green.
QString concentration_opening(const QString &_target);

// The calculators' out-of-range message: _opening, the words for "must lie in
// the range", the bounds and _unit in green, then "inclusive".
QString range(const QString &_opening, const QString &_unit, double _bottom, double _top);

// The refusal of a solution with more of a compound than its water dissolves:
// _what (a compound, escaped) in green on a line of its own unless it is
// empty, the temperature unless it is not a number, the ml of water and the
// most grams that dissolve in them.
QString undissolved(const QString &_what, double _at_c, const QString &_water_ml, double _most_g);

// A message as plain text, for a tool tip: a line break for each <br>, no
// tags, the entities of escaped() decoded.
QString plain_text(const QString &_html);

} // namespace message_text

#endif // ROVALIN_MESSAGE_TEXT_H
