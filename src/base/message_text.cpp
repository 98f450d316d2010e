// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/message_text.h"

#include <QPair>

#include <cmath>

namespace message_text {

QString head()
{
    return QStringLiteral("<html><head/><body>");
}

QString tail()
{
    return QStringLiteral("</body></html>");
}

QString green()
{
    return QStringLiteral("<span style=\" color:#55aa7f;font-weight:600;\">");
}

QString blue()
{
    return QStringLiteral("<span style=\" color:#5555ff; font-weight:600;\">");
}

QString close()
{
    return QStringLiteral("</span>");
}

QString number(double _value)
{
    // QString::arg(double) formats with the C locale unless the marker is %L1.
    return QStringLiteral("%1").arg(_value);
}

QString escaped(const QString &_text)
{
    return _text.toHtmlEscaped();
}

QString rich(const QString &_sentence)
{
    QString text = _sentence;
    text.replace(QLatin1String("<green>"), green());
    text.replace(QLatin1String("<blue>"), blue());
    text.replace(QLatin1String("</green>"), close());
    text.replace(QLatin1String("</blue>"), close());
    return head() + text + tail();
}

QString concentration_range(const QString &_target, double _bottom, double _top)
{
    return rich(Message_Text::tr("Необходимая концентрация элемента <green>%1</green> должна "
                                 "находиться в диапазоне <br><green>от %2 до %3   мг/л</green><br> "
                                 "включительно"))
        .arg(escaped(_target), number(_bottom), number(_top));
}

QString undissolved(const QString &_what, double _at_c, const QString &_water_ml, double _most_g)
{
    const QString what =
        _what.isEmpty() ? QString() : green() + _what + close() + QStringLiteral("<br>");
    if (std::isfinite(_at_c))
        return rich(Message_Text::tr("Столько вещества не растворится:<br>%1при %2 °C в %3 мл "
                                     "воды<br>растворяется не больше <green>%4 г</green>"))
            .arg(what, number(_at_c), _water_ml, number(_most_g));
    return rich(Message_Text::tr("Столько вещества не растворится:<br>%1в %2 мл воды<br>"
                                 "растворяется не больше <green>%3 г</green>"))
        .arg(what, _water_ml, number(_most_g));
}

QString plain_text(const QString &_html)
{
    static const QPair<QLatin1String, QChar> entities[] = {
        {QLatin1String("&lt;"), QLatin1Char('<')},   {QLatin1String("&gt;"), QLatin1Char('>')},
        {QLatin1String("&quot;"), QLatin1Char('"')}, {QLatin1String("&#39;"), QLatin1Char('\'')},
        {QLatin1String("&amp;"), QLatin1Char('&')},
    };
    QString text;
    for (int i = 0; i < _html.size(); ++i) {
        const QChar c = _html.at(i);
        if (c == QLatin1Char('<')) {
            const int end = _html.indexOf(QLatin1Char('>'), i);
            if (end == -1)
                break;
            if (QStringView(_html).mid(i, end - i + 1).startsWith(QLatin1String("<br")))
                text += QLatin1Char('\n');
            i = end;
            continue;
        }
        if (c == QLatin1Char('&')) {
            bool decoded = false;
            for (const auto &entity : entities) {
                if (QStringView(_html).mid(i).startsWith(entity.first)) {
                    text += entity.second;
                    i += entity.first.size() - 1;
                    decoded = true;
                    break;
                }
            }
            if (decoded)
                continue;
        }
        text += c;
    }
    return text;
}

} // namespace message_text
