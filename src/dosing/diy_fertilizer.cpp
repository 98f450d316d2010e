// SPDX-License-Identifier: GPL-3.0-or-later

#include "dosing/diy_fertilizer.h"

#include "base/message_text.h"

using namespace message_text;

Diy_Fertilizer::Diy_Fertilizer()
{
    type_fert = QStringLiteral("diy");
    list_title = QT_TRANSLATE_NOOP("Message_Text", "Список хим.веществ");
    choose_title = QT_TRANSLATE_NOOP("Message_Text", "Выберите хим.вещество :");
    input_title = QT_TRANSLATE_NOOP("Message_Text", "Вносим, мг");
}

Diy_Fertilizer::~Diy_Fertilizer() = default;

QString Diy_Fertilizer::column_title(bool _is_calc) const
{
    return _is_calc ? Message_Text::tr("Концентрация, мг/л") : Message_Text::tr("Массовая доля");
}

QString Diy_Fertilizer::range_message(int _method, const QString &_target, double _bottom,
                                      double _top) const
{
    if (_method == 1)
        return rich(Message_Text::tr(
                        "Дозировка вещества должна находиться в диапазоне <br><green>от "
                        "%1 до %2   мг</green><br> включительно"))
            .arg(number(_bottom), number(_top));
    return concentration_range(_target, _bottom, _top);
}

QString Diy_Fertilizer::result_message(int _method, int _index) const
{
    const Compound *entry = compound_at(_index);
    const QString name = entry ? escaped(entry->shown_name()) : QString();
    const QString target = entry ? escaped(entry->target()) : QString();

    if (_method == 0)
        return rich(Message_Text::tr("Для достижения недельной концентрации <green>%1</green> "
                                     "равной<br>%2 мг/л необходимо вносить <br><blue>%3 "
                                     "мг</blue><br>%4 в неделю"))
            .arg(target, number(result_conc), number(result_dose), name);

    return rich(Message_Text::tr(" При недельном внесении %1 мг %2<br>концентрация "
                                 "<green>%3</green> станет равна<br><blue>%4 мг/л </blue>"))
        .arg(number(result_dose), name, target, number(result_conc));
}
