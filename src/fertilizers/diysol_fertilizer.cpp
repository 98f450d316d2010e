// SPDX-License-Identifier: GPL-3.0-or-later

#include "diysol_fertilizer.h"

#include "message_text.h"

#include <cmath>

using namespace message_text;

DiySol_Fertilizer::DiySol_Fertilizer()
{
    type_fert = QStringLiteral("diy_sol");
    list_title = QStringLiteral("Список хим.веществ");
    choose_title = QStringLiteral("Выберите хим.вещество :");
    input_title = QStringLiteral("Вносим, мл");
}

DiySol_Fertilizer::~DiySol_Fertilizer() = default;

QString DiySol_Fertilizer::column_title(bool _is_calc) const
{
    return _is_calc ? QStringLiteral("Концентрация, мг/л") : QStringLiteral("Массовая доля");
}

QString DiySol_Fertilizer::range_message(int _method, const QString &_target, double _bottom,
                                         double _top) const
{
    if (_method == 1)
        return range(head() + QStringLiteral("Дозировка водного раствора вещества"),
                     QStringLiteral(" мл"), _bottom, _top);
    return range(concentration_opening(_target), QStringLiteral(" мг/л"), _bottom, _top);
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
    const QString name = entry ? escaped(entry->name()) : QString();
    const QString target = entry ? escaped(entry->target()) : QString();

    if (_method == 0)
        return head() + QStringLiteral("Для достижения недельной концентрации ") + green() +
               target + close() + QStringLiteral(" равной<br>") + number(result_conc) +
               QStringLiteral(" мг/л необходимо вносить <br>") + blue() + number(result_dose) +
               QStringLiteral(" мл") + close() + QStringLiteral("<br> водного раствора ") + name +
               QStringLiteral(" в неделю") + tail();

    return head() + QStringLiteral("При недельном внесении ") + number(result_dose) +
           QStringLiteral(" мл водного раствора ") + name + QStringLiteral("<br>") +
           QStringLiteral("концентрация ") + green() + target + close() +
           QStringLiteral(" станет равна<br>") + blue() + number(result_conc) +
           QStringLiteral(" мг/л ") + close() + tail();
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
