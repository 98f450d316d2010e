// SPDX-License-Identifier: GPL-3.0-or-later

#include "premix_fertilizer.h"

#include "message_text.h"

using namespace message_text;

Premix_Fertilizer::Premix_Fertilizer()
{
    type_fert = QStringLiteral("premix");
    list_title = QStringLiteral("Список производителей");
    choose_title = QStringLiteral("Выберите название УДО :");
    input_title = QStringLiteral("Вносим, мл");
}

Premix_Fertilizer::~Premix_Fertilizer() = default;

QString Premix_Fertilizer::column_title(bool _is_calc) const
{
    return _is_calc ? QStringLiteral("Концентрация, мг/л") : QStringLiteral("Концентрация, мг/мл");
}

QString Premix_Fertilizer::range_message(int _method, const QString &_target, double _bottom,
                                         double _top) const
{
    if (_method == 1)
        return range(head() + QStringLiteral("Дозировка УДО"), QStringLiteral(" мл"), _bottom,
                     _top);
    return range(concentration_opening(_target), QStringLiteral(" мг/л"), _bottom, _top);
}

Calc_Result Premix_Fertilizer::calculate(int _method, int _index, int _element,
                                         const double *_values, unsigned _size)
{
    Calc_Result result;
    if (_index >= count_compounds() || _size < 2 * sizeof(double) || !compound_at(_index) ||
        !_values)
        return result;

    const Compound *entry = compound_at(_index);
    const QString target = entry->target();
    const double volume = _values[0];
    const double input = _values[1];

    if (_method == 0)
        result.dose = (input * volume) / entry->find_element(target).value;
    else
        result.dose = input;

    QString name;
    if (_element >= 0 && _element < entry->count_elements()) {
        const Element element = entry->element_at(_element);
        name = element.name;
        result.concentration = (element.value * result.dose) / volume;
    }

    if (name == target) {
        result_dose = result.dose;
        result_conc = result.concentration;
    }
    return result;
}

QString Premix_Fertilizer::result_message(int _method, int _index) const
{
    const Compound *entry = compound_at(_index);
    const QString target = entry ? escaped(entry->target()) : QString();

    if (_method == 0)
        return head() + QStringLiteral(" Для достижения недельной концентрации ") + green() +
               target + close() + QStringLiteral(" равной<br>") + number(result_conc) +
               QStringLiteral(" мг/л необходимо вносить <br>") + blue() + number(result_dose) +
               QStringLiteral(" мл") + close() + QStringLiteral("<br> УДО в неделю") + tail();

    return head() + QStringLiteral(" При недельном внесении ") + number(result_dose) +
           QStringLiteral(" мл УДО <br>") + QStringLiteral(" концентрация ") + green() + target +
           close() + QStringLiteral(" станет равной<br>") + blue() + number(result_conc) +
           QStringLiteral(" мг/л ") + close() + tail();
}
