// SPDX-License-Identifier: GPL-3.0-or-later

#include "dosing/premix_fertilizer.h"

#include "base/message_text.h"

using namespace message_text;

Premix_Fertilizer::Premix_Fertilizer()
{
    type_fert = QStringLiteral("premix");
    list_title = QT_TRANSLATE_NOOP("Message_Text", "Список производителей");
    choose_title = QT_TRANSLATE_NOOP("Message_Text", "Выберите название УДО :");
    input_title = QT_TRANSLATE_NOOP("Message_Text", "Вносим, мл");
}

Premix_Fertilizer::~Premix_Fertilizer() = default;

QString Premix_Fertilizer::column_title(bool _is_calc) const
{
    return _is_calc ? Message_Text::tr("Концентрация, мг/л")
                    : Message_Text::tr("Концентрация, мг/мл");
}

QString Premix_Fertilizer::range_message(int _method, const QString &_target, double _bottom,
                                         double _top) const
{
    if (_method == 1)
        return rich(Message_Text::tr("Дозировка УДО должна находиться в диапазоне <br><green>от %1 "
                                     "до %2   мл</green><br> включительно"))
            .arg(number(_bottom), number(_top));
    return concentration_range(_target, _bottom, _top);
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
        return rich(Message_Text::tr(" Для достижения недельной концентрации <green>%1</green> "
                                     "равной<br>%2 мг/л необходимо вносить <br><blue>%3 "
                                     "мл</blue><br> УДО в неделю"))
            .arg(target, number(result_conc), number(result_dose));

    return rich(Message_Text::tr(" При недельном внесении %1 мл УДО <br> концентрация "
                                 "<green>%2</green> станет равной<br><blue>%3 мг/л </blue>"))
        .arg(number(result_dose), target, number(result_conc));
}
