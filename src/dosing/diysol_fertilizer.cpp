// SPDX-License-Identifier: GPL-3.0-or-later

#include "dosing/diysol_fertilizer.h"

#include "base/message_text.h"

#include <cmath>

using namespace message_text;

DiySol_Fertilizer::DiySol_Fertilizer()
{
    type_fert = QStringLiteral("diy_sol");
    list_title = QT_TRANSLATE_NOOP("Message_Text", "Список хим.веществ");
    choose_title = QT_TRANSLATE_NOOP("Message_Text", "Выберите хим.вещество :");
    input_title = QT_TRANSLATE_NOOP("Message_Text", "Вносим, мл");
}

DiySol_Fertilizer::~DiySol_Fertilizer() = default;

QString DiySol_Fertilizer::column_title(bool _is_calc) const
{
    return _is_calc ? Message_Text::tr("Концентрация, мг/л") : Message_Text::tr("Массовая доля");
}

QString DiySol_Fertilizer::range_message(int _method, const QString &_target, double _bottom,
                                         double _top) const
{
    if (_method == 1)
        return rich(Message_Text::tr(
                        "Дозировка водного раствора вещества должна находиться в "
                        "диапазоне <br><green>от %1 до %2   мл</green><br> включительно"))
            .arg(number(_bottom), number(_top));
    return concentration_range(_target, _bottom, _top);
}

Calc_Result DiySol_Fertilizer::calculate(int _method, int _index, int _element,
                                         const double *_values, unsigned _size)
{
    Calc_Result result;
    if (_index >= count_compounds() || _size < 4 * sizeof(double) || !compound_at(_index) ||
        !_values)
        return result;

    const Compound *entry = compound_at(_index);
    const QString target = entry->target();
    const double volume = _values[0];
    const double water = _values[1];
    const double quantity = _values[2];
    const double input = _values[3];

    // mg of compound per ml of solution
    const double strength = quantity / water;

    if (_method == 0) {
        const double numerator = input * volume;
        const double denominator = entry->find_element(target).value * strength;
        result.dose = numerator / denominator;
    } else {
        result.dose = input;
    }

    QString name;
    if (_element >= 0 && _element < entry->count_elements()) {
        const Element element = entry->element_at(_element);
        name = element.name;
        result.concentration = ((element.value * strength) * result.dose) / volume;
    }

    if (name == target) {
        result_dose = result.dose;
        result_conc = result.concentration;
    }
    return result;
}

QString DiySol_Fertilizer::result_message(int _method, int _index) const
{
    const Compound *entry = compound_at(_index);
    const QString name = entry ? escaped(entry->shown_name()) : QString();
    const QString target = entry ? escaped(entry->target()) : QString();

    if (_method == 0)
        return rich(Message_Text::tr("Для достижения недельной концентрации <green>%1</green> "
                                     "равной<br>%2 мг/л необходимо вносить <br><blue>%3 "
                                     "мл</blue><br> водного раствора %4 в неделю"))
            .arg(target, number(result_conc), number(result_dose), name);

    return rich(Message_Text::tr("При недельном внесении %1 мл водного раствора %2<br>концентрация "
                                 "<green>%3</green> станет равна<br><blue>%4 мг/л </blue>"))
        .arg(number(result_dose), name, target, number(result_conc));
}

QString DiySol_Fertilizer::undissolved_message(int _index, double _grams, int _water_ml) const
{
    const Compound *entry = compound_at(_index);
    if (!entry || _water_ml <= 0)
        return QString();
    const double solubility = entry->solubility();
    if (!std::isfinite(solubility) || solubility <= 0)
        return QString();
    // Grams per litre of water, compared without overflow: this side stays
    // below 1e7 for the inputs the window accepts.
    if (_grams * 1000 / _water_ml <= solubility * (1 + 1e-9))
        return QString();

    return undissolved(QString(), entry->solubility_at_c(), QString::number(_water_ml),
                       solubility * _water_ml / 1000);
}
