// SPDX-License-Identifier: GPL-3.0-or-later

#include "chemistry/teaspoon.h"

#include "base/number_text.h"

#include <cmath>

namespace {

// The teaspoon measures below a tablespoon, in teaspoons, with their glyphs.
struct Spoon
{
    double teaspoons;
    const char16_t *written;
};
constexpr Spoon small_spoons[] = {
    {1.0 / 32, u"1/32"}, {1.0 / 16, u"1/16"}, {0.125, u"⅛"}, {0.25, u"¼"}, {0.5, u"½"},
    {0.75, u"¾"},        {1, u"1"},           {1.5, u"1½"},  {2, u"2"},    {2.5, u"2½"}};

int off_percent(double _measure, double _amount)
{
    const double off = std::round((_measure / _amount - 1) * 100);
    // An amount next to nothing makes any measure a great many times too big.
    return off > 1e6 ? 1000000 : int(off);
}

} // namespace

Teaspoon::Measure Teaspoon::nearest(double _grams, double _per_teaspoon)
{
    const double amount = _grams / _per_teaspoon;
    Measure best;
    const auto consider = [&](double _teaspoons, bool _tablespoons) {
        const int off = off_percent(_teaspoons, amount);
        if (best.teaspoons == 0 || std::abs(off) < std::abs(best.off_percent))
            best = {_teaspoons, _tablespoons, off};
    };
    for (const Spoon &spoon : small_spoons)
        consider(spoon.teaspoons, false);
    // Tablespoons by halves, from one: the two around the amount.
    const double halves = amount / 3 * 2;
    if (halves < 1e9) {
        consider(std::max(2.0, std::floor(halves)) * 1.5, true);
        consider(std::max(2.0, std::ceil(halves)) * 1.5, true);
    }
    return best;
}

QString Teaspoon::measure_text(const Measure &_measure)
{
    if (!_measure.tablespoons) {
        for (const Spoon &spoon : small_spoons) {
            if (spoon.teaspoons == _measure.teaspoons)
                return tr("%1 ч. л.").arg(QString::fromUtf16(spoon.written));
        }
    }
    const double halves = std::round(_measure.teaspoons / 1.5);
    QString written = QString::number(std::floor(halves / 2), 'f', 0);
    if (std::fmod(halves, 2) == 1)
        written += QChar(u'½');
    return _measure.tablespoons ? tr("%1 ст. л.").arg(written) : tr("%1 ч. л.").arg(written);
}

QString Teaspoon::text(double _grams, double _per_teaspoon)
{
    if (!(_grams > 0) || !std::isfinite(_grams) || !usable(_per_teaspoon))
        return QStringLiteral("—");
    const Measure measure = nearest(_grams, _per_teaspoon);
    if (!measure.fits())
        return tr("ложкой не отмерить: %1 г").arg(number_text::figure(_grams));
    if (measure.off_percent == 0)
        return measure_text(measure);
    return tr("≈ %1, %2 %")
        .arg(measure_text(measure), (measure.off_percent > 0 ? QStringLiteral("+") : QString()) +
                                        QString::number(measure.off_percent));
}

QString Teaspoon::tip(double _per_teaspoon, const QString &_source)
{
    if (!usable(_per_teaspoon))
        return tr("Сколько граммов этого вещества в чайной ложке, не указано. Чтобы добавить: "
                  "выберите его в главном окне, в «Мои удобрения…» нажмите «Изменить копию», "
                  "затем «Взвесить 10 ложек».");
    const QString figure =
        tr("В ровной чайной ложке (5 мл) %1 г").arg(number_text::figure(_per_teaspoon));
    return (_source.trimmed().isEmpty() ? tr("%1; откуда цифра, не указано.").arg(figure)
                                        : tr("%1: %2").arg(figure, _source.trimmed())) +
           QLatin1Char('\n') +
           tr("Вернее всего своя цифра: вес 10 ровных ложек с ваших весов, в «Мои удобрения…».");
}
