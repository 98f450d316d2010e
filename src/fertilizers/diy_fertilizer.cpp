// SPDX-License-Identifier: GPL-3.0-or-later

#include "diy_fertilizer.h"

#include "message_text.h"

using namespace message_text;

Diy_Fertilizer::Diy_Fertilizer()
{
    type_fert = QStringLiteral("diy");
    list_title = QStringLiteral("Список хим.веществ");
    choose_title = QStringLiteral("Выберите хим.вещество :");
    input_title = QStringLiteral("Вносим, мг");
}

Diy_Fertilizer::~Diy_Fertilizer() = default;

QString Diy_Fertilizer::column_title(bool _is_calc) const
{
    return _is_calc ? QStringLiteral("Концентрация, мг/л") : QStringLiteral("Массовая доля");
}

QString Diy_Fertilizer::range_message(int _method, const QString &_target, double _bottom,
                                      double _top) const
{
    if (_method == 1)
        return range(head() + QStringLiteral("Дозировка вещества"), QStringLiteral(" мг"), _bottom,
                     _top);
    return range(concentration_opening(_target), QStringLiteral(" мг/л"), _bottom, _top);
}

QString Diy_Fertilizer::result_message(int _method, int _index) const
{
    const Compound *entry = compound_at(_index);
    const QString name = entry ? escaped(entry->name()) : QString();
    const QString target = entry ? escaped(entry->target()) : QString();

    if (_method == 0)
        return head() + QStringLiteral("Для достижения недельной концентрации ") + green() +
               target + close() + QStringLiteral(" равной<br>") + number(result_conc) +
               QStringLiteral(" мг/л необходимо вносить <br>") + blue() + number(result_dose) +
               QStringLiteral(" мг") + close() + QStringLiteral("<br>") + name +
               QStringLiteral(" в неделю") + tail();

    return head() + QStringLiteral(" При недельном внесении ") + number(result_dose) +
           QStringLiteral(" мг ") + name + QStringLiteral("<br>") +
           QStringLiteral("концентрация ") + green() + target + close() +
           QStringLiteral(" станет равна<br>") + blue() + number(result_conc) +
           QStringLiteral(" мг/л ") + close() + tail();
}
