// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_MESSAGE_TEXT_H
#define ROVALIN_MESSAGE_TEXT_H

#include <QCoreApplication>
#include <QString>

// The translation context of the calculators' captions and messages, and of
// the other texts the main window sets: Message_Text::tr("…").
class Message_Text
{
    Q_DECLARE_TR_FUNCTIONS(Message_Text)
};

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

// A whole message from a translated sentence: between head() and tail(), with
// <green>…</green> and <blue>…</blue> made the spans. The sentence's %1, %2…
// are filled in afterwards, so that a name never becomes markup:
// rich(Message_Text::tr("… <green>%1</green> …")).arg(escaped(name)).
QString rich(const QString &_sentence);

// The calculators' out-of-range message for method 0: the wanted
// concentration of _target must lie between the bounds, in mg/l.
QString concentration_range(const QString &_target, double _bottom, double _top);

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
