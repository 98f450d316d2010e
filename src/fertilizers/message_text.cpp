// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_text.h"

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

QString concentration_opening(const QString &_target)
{
    return head() + QStringLiteral("Необходимая концентрация элемента ") + green() +
           escaped(_target) + close();
}

QString range(const QString &_opening, const QString &_unit, double _bottom, double _top)
{
    return _opening + QStringLiteral(" должна находиться в диапазоне <br>") + green() +
           QStringLiteral("от ") + number(_bottom) + QStringLiteral(" до ") + number(_top) +
           QStringLiteral("  ") + _unit + close() + QStringLiteral("<br> включительно") + tail();
}

} // namespace message_text
