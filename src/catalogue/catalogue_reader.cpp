// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_reader.h"

#include "base/data_file.h"
#include "base/element.h"
#include "base/message_text.h"
#include "chemistry/compound.h"
#include "chemistry/formula.h"
#include "chemistry/teaspoon.h"
#include "dosing/type_fertilizer.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Checks a compound's numbers against its formula; each disagreement is a
// line of the result.
QStringList formula_disagreements(const Formula &_formula, const QString &_text,
                                  const QVector<Element> &_members)
{
    QStringList lines;
    for (const Element &member : _members) {
        if (member.name == QLatin1String("sol"))
            continue;
        const double expected = _formula.fraction(member.name);
        if (expected == 0)
            lines << Catalogue_Reader::tr("в формуле %1 нет элемента %2")
                         .arg(quoted(_text), quoted(member.name));
        else if (!(std::abs(member.value - expected) <= 0.01 * expected))
            lines << Catalogue_Reader::tr("%1 = %2 расходится с формулой %3 (%4) больше чем на 1 %")
                         .arg(quoted(member.name), message_text::number(member.value),
                              quoted(_text), message_text::number(expected));
    }
    return lines;
}

// Adds one entry read from _object to each of _ferts; false when it is passed
// over (a compound whose only figures would come from an unreadable formula).
bool add_entry(const QJsonObject &_object, const QVector<Type_Fertilizer *> &_ferts,
               Catalogue_Kind _kind, Catalogue_Problems &_problems)
{
    // A "name" of another type than string gives an empty name.
    const QString name = _object.value(QLatin1String("name")).toString(QStringLiteral(""));
    // Only a string "target" names the reference element.
    const QJsonValue target_value = _object.value(QLatin1String("target"));
    const bool has_target = target_value.isString();
    const QString target = target_value.toString();
    // The English name, where it is a string; an empty one is none.
    const QString name_en = _object.value(QLatin1String("name_en")).toString();

    // Every numeric member is an element, "name", "target" and "name_en"
    // included. Keys are decoded for numeric and object members only: a key
    // costs more than its value.
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    double solubility = none;
    double solubility_at_c = none;
    const QJsonValue spoon = _object.value(QLatin1String("teaspoon"));
    QVector<Element> members;
    members.reserve(_object.size());
    bool numbers = false;
    for (auto it = _object.constBegin(); it != _object.constEnd(); ++it) {
        const QJsonValue value = it.value();
        if (value.isDouble()) {
            members.append(Element(it.key(), value.toDouble()));
            numbers = numbers || members.constLast().name != QLatin1String("sol");
        } else if (value.isObject() && it.key() == QLatin1String("solubility")) {
            const QJsonObject figures = value.toObject();
            const QJsonValue g_per_l = figures.value(QLatin1String("g_per_l"));
            const QJsonValue at_c = figures.value(QLatin1String("at_c"));
            solubility = g_per_l.isDouble() ? g_per_l.toDouble() : none;
            solubility_at_c = at_c.isDouble() ? at_c.toDouble() : none;
        }
    }

    // A compound's formula gives its elements when the entry has no numbers
    // (all but H, O and C, which no one doses), and checks them when it has.
    QString formula_text;
    QStringList notes;
    // A dry compound's grams in a level teaspoon, where the figure is one.
    double teaspoon = none;
    if (_kind == Catalogue_Kind::compounds && spoon.isObject()) {
        const QJsonValue grams = spoon.toObject().value(QLatin1String("g"));
        if (!grams.isDouble())
            notes << Catalogue_Reader::tr("у %1 нет числа %2, граммов в ровной чайной ложке")
                         .arg(quoted(QStringLiteral("teaspoon")), quoted(QStringLiteral("g")));
        else if (!Teaspoon::usable(grams.toDouble()))
            notes << Catalogue_Reader::tr(
                         "%1 %2 г — не вес ровной чайной ложки: нужно больше 0 и до %3 г")
                         .arg(quoted(QStringLiteral("teaspoon")),
                              message_text::number(grams.toDouble()),
                              message_text::number(Teaspoon::most_grams));
        else
            teaspoon = grams.toDouble();
    }
    bool passed_over = false;
    const QJsonValue formula_value = _object.value(QLatin1String("formula"));
    if (_kind == Catalogue_Kind::compounds && formula_value.isString()) {
        formula_text = formula_value.toString();
        const Formula formula(formula_text);
        if (!formula.is_valid()) {
            notes << (numbers
                          ? Catalogue_Reader::tr("формула %1 не читается: %2")
                          : Catalogue_Reader::tr("формула %1 не читается: %2, запись пропущена"))
                         .arg(quoted(formula_text), formula.error());
        } else if (!numbers) {
            members << formula.dosed_fractions();
        } else {
            notes << formula_disagreements(formula, formula_text, members);
        }
        passed_over = !formula.is_valid() && !numbers;
    }
    for (const QString &note : notes)
        _problems.add_about(name, note);
    if (passed_over)
        return false;

    // The numeric members go in ascending order of their keys compared code
    // unit by code unit. QJsonObject keeps its keys in code-point order, which
    // differs beyond the BMP, so they are sorted again.
    std::sort(members.begin(), members.end(),
              [](const Element &_a, const Element &_b) { return _a.name < _b.name; });
    const QString note = notes.join(QLatin1Char('\n'));
    for (Type_Fertilizer *fert : _ferts) {
        auto *entry = new Compound(name, name);
        entry->set_name_en(name_en);
        if (has_target)
            entry->set_target(target);
        entry->set_solubility(solubility, solubility_at_c);
        entry->set_teaspoon(teaspoon, spoon.toObject().value(QLatin1String("source")).toString());
        entry->set_formula(formula_text);
        entry->set_source(_object.value(QLatin1String("source")).toString());
        entry->set_note(note);
        entry->reserve_elements(members.size());
        for (const Element &member : members)
            entry->add_element(member);
        fert->add_compound(entry);
    }
    return true;
}

} // namespace

namespace {

int add_entries(const QByteArray &_content, const QVector<Type_Fertilizer *> &_ferts,
                Catalogue_Kind _kind, Catalogue_Problems &_problems)
{
    return add_catalogue_objects(_content, _problems, [&](const QJsonObject &_object) {
        return add_entry(_object, _ferts, _kind, _problems);
    });
}

} // namespace

int read_catalogue(const QString &_file_name, Type_Fertilizer *_fert, QStringList *_problems,
                   Catalogue_Kind _kind)
{
    return read_catalogue(_file_name, QVector<Type_Fertilizer *>{_fert}, _problems, _kind);
}

int read_catalogue(const QString &_file_name, const QVector<Type_Fertilizer *> &_ferts,
                   QStringList *_problems, Catalogue_Kind _kind)
{
    if (_ferts.contains(nullptr))
        return 0;
    Catalogue_Problems problems(_file_name, _problems);
    QByteArray content;
    if (!read_catalogue_file(_file_name, problems, content))
        return 0;
    return add_entries(content, _ferts, _kind, problems);
}

int parse_catalogue(const QByteArray &_content, Type_Fertilizer *_fert, const QString &_file_name,
                    QStringList *_problems, Catalogue_Kind _kind)
{
    return parse_catalogue(_content, QVector<Type_Fertilizer *>{_fert}, _file_name, _problems,
                           _kind);
}

int parse_catalogue(const QByteArray &_content, const QVector<Type_Fertilizer *> &_ferts,
                    const QString &_file_name, QStringList *_problems, Catalogue_Kind _kind)
{
    if (_ferts.contains(nullptr))
        return 0;
    Catalogue_Problems problems(_file_name, _problems);
    return add_entries(_content, _ferts, _kind, problems);
}
