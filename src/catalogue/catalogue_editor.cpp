// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_editor.h"

#include "base/data_file.h"
#include "base/message_text.h"
#include "base/number_text.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "catalogue/user_catalogues.h"
#include "chemistry/compound.h"
#include "chemistry/formula.h"
#include "chemistry/teaspoon.h"
#include "dosing/premix_fertilizer.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLocale>
#include <QPair>
#include <QVector>

#include <cmath>
#include <functional>

namespace {

// A number as the editor shows it: every digit it has, so that saving an
// entry unchanged writes the same figure back.
QString figure(double _value)
{
    return QString::number(_value, 'g', QLocale::FloatingPointShortest);
}

// The numeric members of an entry that are its elements ("sol" is reserved).
QStringList element_keys(const QJsonObject &_object)
{
    QStringList keys;
    for (auto it = _object.constBegin(); it != _object.constEnd(); ++it) {
        if (it.value().isDouble() && it.key() != QLatin1String("sol"))
            keys << it.key();
    }
    return keys;
}

bool present(const QString &_file)
{
    const QFileInfo info(_file);
    return info.exists() || info.isSymLink();
}

// The objects of a catalogue file's array, or none where it cannot be read.
QJsonArray read_array(const QString &_file)
{
    QJsonArray entries;
    Catalogue_Fault fault;
    read_catalogue_array(_file, &entries, &fault);
    return entries;
}

} // namespace

QString Catalogue_Editor::file_name(Kind _kind)
{
    switch (_kind) {
    case compound:
        return QStringLiteral("compounds.json");
    case recipe:
        return QStringLiteral("recipes.json");
    case product:
        break;
    }
    return QStringLiteral("commercial_products.json");
}

Catalogue_Editor::Catalogue_Editor(const QString &_folder)
    : folder_(_folder.isEmpty() ? User_Catalogues::folder() : _folder)
{}

void Catalogue_Editor::open()
{
    if (opened)
        return;
    opened = true;
    for (int kind = 0; kind < kinds; ++kind) {
        const QString path = QDir(folder_).filePath(file_name(Kind(kind)));
        User_Catalogues::Unreadable fault{path, {}};
        if (!present(path) || read_catalogue_array(path, &files[kind], &fault.fault))
            continue;
        unreadable_texts[kind] = User_Catalogues::unreadable_text(fault);
        file_notes[kind] =
            unreadable_texts[kind] + QLatin1Char(' ') +
            tr("Он оставлен как есть, его записи здесь не показаны. Исправьте его в текстовом "
               "редакторе или сохраните запись в этот список: программа спросит, перенесёт "
               "файл в сторону как есть и начнёт список заново.");
    }
}

QString Catalogue_Editor::afresh_question(Kind _kind) const
{
    return unreadable_texts[_kind] + QStringLiteral("\n\n") +
           tr("Начать этот список заново? Файл будет перенесён в сторону как есть: он останется "
              "в той же папке, с «.unreadable-» и датой в имени. Новый список начнётся с того, "
              "что вы сохраняете.");
}

bool Catalogue_Editor::start_afresh(Kind _kind)
{
    if (unreadable_texts[_kind].isEmpty())
        return true;
    const QString path = QDir(folder_).filePath(file_name(_kind));
    const QString shown = QDir::toNativeSeparators(path);
    QString aside;
    QString error;
    if (!move_aside(path, &aside, &error)) {
        save_error = tr("Запись не сохранена: ваш файл %1 не удалось перенести в сторону (%2).")
                         .arg(shown, error);
        return false;
    }
    unreadable_texts[_kind].clear();
    files[_kind] = QJsonArray();
    file_notes[_kind] = tr("Ваш файл %1 не читался: он перенесён как есть в %2, список начат "
                           "заново.")
                            .arg(shown, QDir::toNativeSeparators(aside));
    return true;
}

QString Catalogue_Editor::status() const
{
    QStringList lines;
    for (const QString &note : file_notes) {
        if (!note.isEmpty())
            lines << note;
    }
    if (!save_error.isEmpty())
        lines << save_error;
    return lines.join(QLatin1Char('\n'));
}

QVector<int> Catalogue_Editor::positions(Kind _kind) const
{
    QVector<int> found;
    const QJsonArray &entries = files[_kind];
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isObject() && entries.at(i).toObject().contains(QLatin1String("name")))
            found << i;
    }
    return found;
}

QStringList Catalogue_Editor::names(Kind _kind) const
{
    QStringList found;
    for (const int at : positions(_kind))
        found << files[_kind].at(at).toObject().value(QLatin1String("name")).toString();
    return found;
}

Catalogue_Editor::Draft Catalogue_Editor::blank(Kind _kind)
{
    Draft draft;
    draft.kind = _kind;
    return draft;
}

namespace {

Catalogue_Editor::Draft from_object(Catalogue_Editor::Kind _kind, const QJsonObject &_object)
{
    Catalogue_Editor::Draft draft = Catalogue_Editor::blank(_kind);
    draft.stored = _object;
    draft.name = _object.value(QLatin1String("name")).toString();
    draft.target = _object.value(QLatin1String("target")).toString();
    draft.source = _object.value(QLatin1String("source")).toString();
    for (const QString &key : element_keys(_object))
        draft.elements.append({key, figure(_object.value(key).toDouble())});
    if (_kind == Catalogue_Editor::compound) {
        draft.formula = _object.value(QLatin1String("formula")).toString();
        const QJsonObject solubility = _object.value(QLatin1String("solubility")).toObject();
        if (solubility.value(QLatin1String("g_per_l")).isDouble())
            draft.solubility = figure(solubility.value(QLatin1String("g_per_l")).toDouble());
        if (solubility.value(QLatin1String("at_c")).isDouble())
            draft.solubility_at = figure(solubility.value(QLatin1String("at_c")).toDouble());
        const QJsonObject spoon = _object.value(QLatin1String("teaspoon")).toObject();
        if (spoon.value(QLatin1String("g")).isDouble())
            draft.teaspoon = figure(spoon.value(QLatin1String("g")).toDouble());
        draft.teaspoon_source = spoon.value(QLatin1String("source")).toString();
    } else if (_kind == Catalogue_Editor::recipe) {
        draft.elements.clear();
        if (_object.value(QLatin1String("water_ml")).isDouble())
            draft.water = figure(_object.value(QLatin1String("water_ml")).toDouble());
        const QJsonObject salts = _object.value(QLatin1String("compounds")).toObject();
        for (auto it = salts.constBegin(); it != salts.constEnd(); ++it)
            draft.salts.append(
                {it.key(), it.value().isDouble() ? figure(it.value().toDouble()) : QString()});
    }
    return draft;
}

} // namespace

Catalogue_Editor::Draft Catalogue_Editor::draft(Kind _kind, int _index) const
{
    const QVector<int> at = positions(_kind);
    if (_index < 0 || _index >= at.size())
        return blank(_kind);
    return from_object(_kind, files[_kind].at(at.at(_index)).toObject());
}

QJsonObject Catalogue_Editor::to_object(const Draft &_draft, QString *_why)
{
    _why->clear();
    QJsonObject object = _draft.stored;
    const auto text = [&object](const char *_key, const QString &_value) {
        if (_value.trimmed().isEmpty())
            object.remove(QLatin1String(_key));
        else
            object.insert(QLatin1String(_key), _value.trimmed());
    };
    // A figure typed, or why it is none.
    const auto read = [_why](const QString &_what, const QString &_typed, double *_number) {
        if (number_text::read(_typed.trimmed(), _number))
            return true;
        if (_why->isEmpty())
            *_why = _typed.trimmed().isEmpty() ? tr("%1: нет числа").arg(_what)
                                               : tr("%1: «%2» — это не число").arg(_what, _typed);
        return false;
    };
    object.insert(QStringLiteral("name"), _draft.name.trimmed());
    text("target", _draft.target);
    text("source", _draft.source);

    const bool figures =
        _draft.kind == product || (_draft.kind == compound && _draft.formula.trimmed().isEmpty());
    if (_draft.kind != recipe) {
        for (const QString &key : element_keys(object))
            object.remove(key);
    }
    if (figures) {
        for (const auto &[key, typed] : _draft.elements) {
            const QString symbol = key.trimmed();
            if (symbol.isEmpty() && typed.trimmed().isEmpty())
                continue;
            if (Formula::atomic_weight(symbol) <= 0) {
                *_why = tr("«%1» — нет такого элемента").arg(symbol);
                return {};
            }
            if (object.contains(symbol)) {
                *_why = tr("%1 указан дважды").arg(symbol);
                return {};
            }
            double value = 0;
            if (!read(symbol, typed, &value))
                return {};
            object.insert(symbol, value);
        }
    }
    if (_draft.kind == compound) {
        text("formula", _draft.formula);
        if (_draft.solubility.trimmed().isEmpty()) {
            object.remove(QStringLiteral("solubility"));
        } else {
            QJsonObject solubility = object.value(QLatin1String("solubility")).toObject();
            double grams = 0;
            if (!read(tr("Растворимость"), _draft.solubility, &grams))
                return {};
            solubility.insert(QStringLiteral("g_per_l"), grams);
            double celsius = 0;
            if (_draft.solubility_at.trimmed().isEmpty())
                solubility.remove(QStringLiteral("at_c"));
            else if (read(tr("Температура растворимости"), _draft.solubility_at, &celsius))
                solubility.insert(QStringLiteral("at_c"), celsius);
            else
                return {};
            object.insert(QStringLiteral("solubility"), solubility);
        }
        if (_draft.teaspoon.trimmed().isEmpty()) {
            object.remove(QStringLiteral("teaspoon"));
        } else {
            QJsonObject spoon = object.value(QLatin1String("teaspoon")).toObject();
            double grams = 0;
            if (!read(tr("Чайная ложка"), _draft.teaspoon, &grams))
                return {};
            if (!Teaspoon::usable(grams)) {
                *_why =
                    tr("Чайная ложка: нужно больше 0 и до %1 г").arg(figure(Teaspoon::most_grams));
                return {};
            }
            spoon.insert(QStringLiteral("g"), grams);
            if (_draft.teaspoon_source.trimmed().isEmpty())
                spoon.remove(QStringLiteral("source"));
            else
                spoon.insert(QStringLiteral("source"), _draft.teaspoon_source.trimmed());
            object.insert(QStringLiteral("teaspoon"), spoon);
        }
    }
    if (_draft.kind == recipe) {
        // What the recipes' reader refuses, said in the window's words: the
        // water and each salt's grams above 0, at least one salt.
        double water = 0;
        if (!read(tr("Вода в бутылке"), _draft.water, &water))
            return {};
        if (!(water > 0)) {
            *_why = tr("Вода в бутылке: нужно больше 0 мл");
            return {};
        }
        object.insert(QStringLiteral("water_ml"), water);
        QJsonObject salts;
        for (const auto &[salt, typed] : _draft.salts) {
            // A row without grams is no part of the bottle.
            if (typed.trimmed().isEmpty())
                continue;
            double grams = 0;
            if (salt.trimmed().isEmpty()) {
                *_why = tr("%1 г: не указано вещество").arg(typed.trimmed());
                return {};
            }
            if (!read(salt.trimmed(), typed, &grams))
                return {};
            if (!(grams > 0)) {
                *_why = tr("%1: нужно больше 0 г").arg(salt.trimmed());
                return {};
            }
            if (salts.contains(salt.trimmed())) {
                *_why = tr("%1 указан дважды").arg(salt.trimmed());
                return {};
            }
            salts.insert(salt.trimmed(), grams);
        }
        if (salts.isEmpty()) {
            *_why = tr("нет ни одного вещества с граммами");
            return {};
        }
        object.insert(QStringLiteral("compounds"), salts);
    }
    return object;
}

Catalogue_Editor::Check Catalogue_Editor::check(const Draft &_draft, int _editing,
                                                const Type_Fertilizer &_compounds) const
{
    Check check;
    QString why;
    const QJsonObject object = to_object(_draft, &why);
    const QString name = _draft.name.trimmed();
    if (name.isEmpty())
        check.lines << tr("нет названия");
    const QStringList taken = names(_draft.kind);
    bool duplicate = false;
    for (int i = 0; i < taken.size(); ++i)
        duplicate = duplicate || (i != _editing && taken.at(i) == name && !name.isEmpty());
    if (duplicate)
        check.lines << tr("в ваших записях уже есть «%1»").arg(name);
    if (!why.isEmpty()) {
        check.lines << why;
        return check;
    }
    if (_draft.kind == recipe) {
        // Each salt a compound of the list, by its name or formula, or a
        // formula that can be read, as the recipes' reader takes it.
        for (const auto &[salt, typed] : _draft.salts) {
            const QString key = salt.trimmed();
            if (typed.trimmed().isEmpty()) {
                if (!key.isEmpty())
                    check.lines << tr("%1: нет граммов, в бутылку не входит").arg(key);
                continue;
            }
            bool listed = false;
            for (int i = 0; i < _compounds.count_compounds() && !listed; ++i) {
                const Compound *entry = _compounds.compound_at(i);
                listed = entry->name() == key ||
                         (!entry->formula().isEmpty() && entry->formula() == key);
            }
            const Formula formula(key);
            if (!listed && !formula.is_valid()) {
                check.lines << tr("%1: такого вещества нет в списке «Самомес», а как формула не "
                                  "читается: %2")
                                   .arg(key, formula.error());
                return check;
            }
        }
    }

    // What the reader of the entry's file makes of it, in its own words.
    const QString file = QDir(folder_).filePath(file_name(_draft.kind));
    const QByteArray content = QJsonDocument(QJsonArray{object}).toJson();
    Premix_Fertilizer read;
    QStringList problems;
    const int added = _draft.kind == recipe
                          ? parse_recipes(content, _compounds, &read, file, &problems)
                          : parse_catalogue(content, &read, file, &problems,
                                            _draft.kind == compound ? Catalogue_Kind::compounds
                                                                    : Catalogue_Kind::products);
    const QString about = quoted(name) + QStringLiteral(": ");
    for (QString line : problems) {
        if (line.startsWith(file + QStringLiteral(": ")))
            line.remove(0, file.size() + 2);
        if (line.startsWith(about))
            line.remove(0, about.size());
        check.lines << line;
    }
    if (added == 0) {
        if (problems.isEmpty())
            check.lines << tr("запись была бы пропущена");
        return check;
    }
    const Compound *entry = read.compound_at(0);
    if (!entry->refusal().isEmpty())
        check.lines << message_text::plain_text(entry->refusal());
    if (!entry->warning().isEmpty())
        check.lines << message_text::plain_text(entry->warning()).trimmed();
    for (int i = 0; i < entry->count_elements(); ++i) {
        if (entry->element_at(i).name != QLatin1String("sol"))
            check.figures << entry->element_at(i);
    }
    // What the readers take but no bottle or salt can have: said, not refused.
    const bool fractions = _draft.kind == compound;
    for (const Element &figure : check.figures) {
        if (figure.value < 0)
            check.lines << tr("%1: меньше 0 не бывает").arg(figure.name);
        else if (fractions && figure.value > 1)
            check.lines
                << tr("%1: доля больше 1, то есть больше 100 % (25 % — это 0.25)").arg(figure.name);
    }
    if (fractions && entry->solubility() <= 0)
        check.lines << tr("Растворимость: 0 и меньше не бывает, такая не учитывается");
    check.savable = !name.isEmpty() && !duplicate;
    return check;
}

bool Catalogue_Editor::write(Kind _kind, const QJsonArray &_entries)
{
    save_error.clear();
    QDir().mkpath(folder_);
    const QString path = QDir(folder_).filePath(file_name(_kind));
    const QByteArray content = QJsonDocument(_entries).toJson(QJsonDocument::Indented);
    QString error;
    if (save_whole(path, content, &error)) {
        files[_kind] = _entries;
        return true;
    }
    save_error = tr("Не удалось сохранить %1: %2.").arg(QDir::toNativeSeparators(path), error);
    return false;
}

int Catalogue_Editor::save(const Draft &_draft, int _editing, const Type_Fertilizer &_compounds)
{
    // An unreadable file is never written over.
    if (!unreadable_texts[_draft.kind].isEmpty()) {
        save_error =
            tr("Запись не сохранена: ваш файл %1 не читается, а список не начат заново.")
                .arg(QDir::toNativeSeparators(QDir(folder_).filePath(file_name(_draft.kind))));
        return -1;
    }
    const Check checked = check(_draft, _editing, _compounds);
    if (!checked.savable) {
        save_error = tr("Запись не сохранена: %1").arg(checked.lines.join(QStringLiteral("; ")));
        return -1;
    }
    QString why;
    const QJsonObject object = to_object(_draft, &why);
    QJsonArray entries = files[_draft.kind];
    const QVector<int> at = positions(_draft.kind);
    int index = _editing;
    if (_editing >= 0 && _editing < at.size()) {
        entries.replace(at.at(_editing), object);
    } else {
        entries.append(object);
        index = at.size();
    }
    return write(_draft.kind, entries) ? index : -1;
}

bool Catalogue_Editor::remove(Kind _kind, int _index)
{
    const QVector<int> at = positions(_kind);
    if (_index < 0 || _index >= at.size())
        return false;
    QJsonArray entries = files[_kind];
    entries.removeAt(at.at(_index));
    return write(_kind, entries);
}

namespace {

// What _ours changes of _shipped's figures, each "<what> <ours> вместо
// <shipped>": the members _keys, each said as its label, _unit after every
// figure.
void changed_figures(const QJsonObject &_ours, const QJsonObject &_shipped,
                     const QVector<QPair<QString, QString>> &_keys, const QString &_unit,
                     QStringList *_changes)
{
    for (const auto &[key, label] : _keys) {
        const QJsonValue ours = _ours.value(key);
        const QJsonValue shipped = _shipped.value(key);
        const QString mine = figure(ours.toDouble()) + _unit;
        const QString theirs = figure(shipped.toDouble()) + _unit;
        if (!ours.isDouble() && !shipped.isDouble())
            continue;
        if (!shipped.isDouble())
            *_changes << Catalogue_Editor::tr("%1 %2, в поставке нет").arg(label, mine);
        else if (!ours.isDouble())
            *_changes << Catalogue_Editor::tr("%1 нет, в поставке %2").arg(label, theirs);
        else if (ours.toDouble() != shipped.toDouble())
            *_changes << Catalogue_Editor::tr("%1 %2 вместо %3").arg(label, mine, theirs);
    }
}

// The members of _a and _b that _take keeps, in the order of their names,
// each labelled by its name.
QVector<QPair<QString, QString>> keys_of(const QJsonObject &_a, const QJsonObject &_b,
                                         const std::function<bool(const QString &)> &_take)
{
    QStringList keys;
    for (const QJsonObject &object : {_a, _b}) {
        for (const QString &key : object.keys()) {
            if (_take(key) && !keys.contains(key))
                keys << key;
        }
    }
    keys.sort();
    QVector<QPair<QString, QString>> labelled;
    for (const QString &key : keys)
        labelled.append({key, key});
    return labelled;
}

} // namespace

QString Catalogue_Editor::noted_source(const Draft &_draft, const QString &_shipped_folder)
{
    // A note of an earlier save, in either language, goes: it is made anew.
    QString source = _draft.source.trimmed();
    for (const QString &head : {QStringLiteral("Изменено: "), tr("Изменено: ")}) {
        if (source.startsWith(head)) {
            const int end = source.indexOf(QLatin1String(". "));
            source = end < 0 && source.endsWith(QLatin1Char('.')) ? QString()
                     : end < 0                                    ? source
                                                                  : source.mid(end + 2).trimmed();
            break;
        }
    }
    QString why;
    const QJsonObject ours = to_object(_draft, &why);
    QJsonObject shipped;
    const QString shipped_file = QDir(_shipped_folder).filePath(file_name(_draft.kind));
    if (!_shipped_folder.isEmpty() && present(shipped_file)) {
        for (const QJsonValue &value : read_array(shipped_file)) {
            if (value.toObject().value(QLatin1String("name")).toString() == _draft.name.trimmed())
                shipped = value.toObject();
        }
    }
    if (shipped.isEmpty() || !why.isEmpty())
        return _draft.source;

    QStringList changes;
    if (_draft.kind == recipe) {
        changed_figures(ours, shipped, {{QStringLiteral("water_ml"), tr("вода")}}, tr(" мл"),
                        &changes);
        const QJsonObject salts = ours.value(QLatin1String("compounds")).toObject();
        const QJsonObject shipped_salts = shipped.value(QLatin1String("compounds")).toObject();
        changed_figures(salts, shipped_salts,
                        keys_of(salts, shipped_salts, [](const QString &) { return true; }),
                        tr(" г"), &changes);
    } else {
        const QStringList elements = element_keys(ours) + element_keys(shipped);
        changed_figures(
            ours, shipped,
            keys_of(ours, shipped, [&](const QString &_key) { return elements.contains(_key); }),
            QString(), &changes);
        const QString formula = ours.value(QLatin1String("formula")).toString();
        const QString shipped_formula = shipped.value(QLatin1String("formula")).toString();
        if (formula != shipped_formula)
            changes << tr("формула %1 вместо %2")
                           .arg(formula.isEmpty() ? tr("нет") : formula,
                                shipped_formula.isEmpty() ? tr("нет") : shipped_formula);
        const QJsonObject solubility = ours.value(QLatin1String("solubility")).toObject();
        const QJsonObject shipped_solubility =
            shipped.value(QLatin1String("solubility")).toObject();
        changed_figures(solubility, shipped_solubility,
                        {{QStringLiteral("g_per_l"), tr("растворимость")}}, tr(" г/л"), &changes);
        changed_figures(solubility, shipped_solubility,
                        {{QStringLiteral("at_c"), tr("растворимость при")}}, tr(" °C"), &changes);
    }
    if (changes.isEmpty())
        return source;
    const QString note = tr("Изменено: %1.").arg(changes.join(QStringLiteral("; ")));
    return source.isEmpty() ? note : note + QLatin1Char(' ') + source;
}

Catalogue_Editor::Draft Catalogue_Editor::copy(Kind _kind, const Compound &_entry,
                                               const QString &_shipped_folder, int *_editing) const
{
    const Kind kind = _kind == product && !_entry.recipe().isEmpty() ? recipe : _kind;
    *_editing = names(kind).indexOf(_entry.name());
    if (*_editing >= 0)
        return draft(kind, *_editing);
    const QString shipped = QDir(_shipped_folder).filePath(file_name(kind));
    if (present(shipped)) {
        for (const QJsonValue &value : read_array(shipped)) {
            const QJsonObject object = value.toObject();
            if (object.value(QLatin1String("name")).toString() == _entry.name())
                return from_object(kind, object);
        }
    }
    // Not in a file: what the program read of it, with the English name the
    // editor does not show kept for the file.
    Draft made = blank(kind);
    if (!_entry.name_en().isEmpty())
        made.stored.insert(QStringLiteral("name_en"), _entry.name_en());
    made.name = _entry.name();
    made.target = _entry.target();
    made.source = _entry.source();
    if (kind == recipe) {
        made.water = figure(_entry.recipe_water_ml());
        for (const Compound::Recipe_Part &part : _entry.recipe())
            made.salts.append({part.salt, figure(part.grams)});
        return made;
    }
    made.formula = _entry.formula();
    for (int i = 0; i < _entry.count_elements(); ++i) {
        const Element element = _entry.element_at(i);
        if (element.name != QLatin1String("sol"))
            made.elements.append({element.name, figure(element.value)});
    }
    if (std::isfinite(_entry.solubility()))
        made.solubility = figure(_entry.solubility());
    if (std::isfinite(_entry.solubility_at_c()))
        made.solubility_at = figure(_entry.solubility_at_c());
    if (Teaspoon::usable(_entry.teaspoon())) {
        made.teaspoon = figure(_entry.teaspoon());
        made.teaspoon_source = _entry.teaspoon_source();
    }
    return made;
}

bool Catalogue_Editor::weighed(double _ten_grams, const QDate &_day, QString *_teaspoon,
                               QString *_source)
{
    // To a hundredth of a gram: no kitchen scale weighs ten spoons finer.
    const double grams = std::round(_ten_grams * 10) / 100;
    if (!Teaspoon::usable(grams))
        return false;
    *_teaspoon = figure(grams);
    *_source = tr("взвешено: 10 ровных ложек — %1 г, %2")
                   .arg(figure(_ten_grams), _day.toString(Qt::ISODate));
    return true;
}
