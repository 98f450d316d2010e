// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/number_text.h"

#include <QLocale>

#include <cmath>

namespace number_text {

namespace {

// A text with one comma and no point, the comma made a point.
QString with_point(const QString &_text)
{
    if (_text.contains(QLatin1Char('.')) || _text.count(QLatin1Char(',')) != 1)
        return _text;
    QString text = _text;
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

} // namespace

bool read(const QString &_text, double *_number)
{
    const QString text = _text.trimmed();
    // Both separators, or two commas: a grouped number, never a decimal one.
    if (text.contains(QLatin1Char('.')) && text.contains(QLatin1Char(',')))
        return false;
    if (text.count(QLatin1Char(',')) > 1)
        return false;
    QLocale point = QLocale::c();
    point.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double number = point.toDouble(with_point(text), &ok);
    if (!ok || !std::isfinite(number))
        return false;
    *_number = number;
    return true;
}

QString figure(double _value)
{
    if (!std::isfinite(_value))
        return QStringLiteral("—");
    // Below this, a level or an amount is nothing a kit or a scale could tell.
    constexpr int most_decimals = 12;
    const double size = std::abs(_value);
    int decimals = 0;
    if (size > 0 && size < 100)
        decimals = std::min(most_decimals, 2 - int(std::floor(std::log10(size))));
    QString text = QString::number(_value, 'f', decimals);
    if (decimals > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    // -0.0001 rounded to nothing is 0, not -0.
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace number_text
