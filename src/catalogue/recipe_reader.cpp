// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/recipe_reader.h"

#include "base/data_file.h"
#include "base/message_text.h"
#include "chemistry/compound.h"
#include "chemistry/formula.h"
#include "dosing/type_fertilizer.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QVector>

#include <cmath>
#include <limits>

using namespace message_text;

// The context of the recipes' problems and warnings.
class Recipe_Reader
{
    Q_DECLARE_TR_FUNCTIONS(Recipe_Reader)
};

namespace {

// The groups of a formula that precipitate with calcium or iron.
struct Anions
{
    bool sulfate = false;
    bool phosphate = false;
    bool carbonate = false;
};

Anions anions_of(const Formula &_formula)
{
    return {_formula.has_sulfate(), _formula.has_phosphate(), _formula.has_carbonate()};
}

// What a recipe learns of one of its compounds.
struct Part
{
    QString key;
    double grams = 0;
    QVector<Element> fractions;
    double solubility = std::numeric_limits<double>::quiet_NaN();
    double solubility_at_c = std::numeric_limits<double>::quiet_NaN();
    Anions anions;
};

// The compounds a key may name, by name and by formula; the first of equal
// ones counts.
class Compound_Index
{
public:
    explicit Compound_Index(const Type_Fertilizer &_compounds)
    {
        for (int i = _compounds.count_compounds() - 1; i >= 0; --i) {
            const Compound *entry = _compounds.compound_at(i);
            by_name.insert(entry->name(), entry);
            if (!entry->formula().isEmpty())
                by_formula.insert(entry->formula(), entry);
        }
    }

    // Fills in what _part.key means; false, with why its formula cannot be
    // read, when nothing.
    bool resolve(Part &_part, QString &_why) const
    {
        const Compound *entry = by_name.value(_part.key, nullptr);
        if (!entry)
            entry = by_formula.value(_part.key, nullptr);
        if (entry) {
            for (int i = 0; i < entry->count_elements(); ++i) {
                if (entry->element_at(i).name != QLatin1String("sol"))
                    _part.fractions.append(entry->element_at(i));
            }
            _part.solubility = entry->solubility();
            _part.solubility_at_c = entry->solubility_at_c();
            // An entry's formula is read once, however many recipes use it.
            if (!entry->formula().isEmpty()) {
                auto known = anions.find(entry);
                if (known == anions.end())
                    known = anions.insert(entry, anions_of(Formula(entry->formula())));
                _part.anions = *known;
            }
            return true;
        }
        const Formula formula(_part.key);
        if (!formula.is_valid()) {
            _why = formula.error();
            return false;
        }
        _part.fractions = formula.dosed_fractions();
        _part.anions = anions_of(formula);
        return true;
    }

private:
    QHash<QString, const Compound *> by_name;
    QHash<QString, const Compound *> by_formula;
    mutable QHash<const Compound *, Anions> anions;
};

bool holds(const Part &_part, const char *_element)
{
    for (const Element &element : _part.fractions) {
        if (element.name == QLatin1String(_element))
            return element.value > 0;
    }
    return false;
}

// The refusal for the first compound, in ascending order of the keys, whose
// grams per litre of water exceed its solubility; empty when none does.
QString refusal(const QVector<Part> &_parts, double _water_ml)
{
    const Part *first = nullptr;
    for (const Part &part : _parts) {
        if (!std::isfinite(part.solubility) || part.solubility <= 0)
            continue;
        // The same tolerance as for a solution of one compound.
        if (part.grams * 1000 / _water_ml > part.solubility * (1 + 1e-9) &&
            (!first || part.key < first->key))
            first = &part;
    }
    if (!first)
        return QString();
    return undissolved(escaped(first->key), first->solubility_at_c, number(_water_ml),
                       first->solubility * _water_ml / 1000);
}

// The pairs that precipitate in one bottle, named, or an empty text.
QString warning(const QVector<Part> &_parts)
{
    bool calcium = false, iron = false, sulfate = false, phosphate = false, carbonate = false;
    for (const Part &part : _parts) {
        calcium = calcium || holds(part, "Ca");
        iron = iron || holds(part, "Fe");
        sulfate = sulfate || part.anions.sulfate;
        phosphate = phosphate || part.anions.phosphate;
        carbonate = carbonate || part.anions.carbonate;
    }
    QStringList pairs;
    if (calcium && sulfate)
        pairs << Recipe_Reader::tr("кальций и сульфат");
    if (calcium && phosphate)
        pairs << Recipe_Reader::tr("кальций и фосфат");
    if (calcium && carbonate)
        pairs << Recipe_Reader::tr("кальций и карбонат");
    if (iron && phosphate)
        pairs << Recipe_Reader::tr("железо и фосфат");
    if (pairs.isEmpty())
        return QString();
    //: The pairs of a bottle that precipitate, "кальций и сульфат, железо и фосфат".
    return QStringLiteral("<br>") +
           Recipe_Reader::tr("Выпадет осадок: %1").arg(pairs.join(QStringLiteral(", ")));
}

// Adds the recipe _object describes to _products; false, with the problems
// said, when it cannot be used.
bool add_recipe(const QJsonObject &_object, const Compound_Index &_index,
                Type_Fertilizer *_products, Catalogue_Problems &_problems)
{
    const QString name = _object.value(QLatin1String("name")).toString(QStringLiteral(""));
    QStringList wrong;
    const QJsonValue water_value = _object.value(QLatin1String("water_ml"));
    const double water_ml = water_value.toDouble();
    if (!water_value.isDouble() || !(water_ml > 0))
        wrong << Recipe_Reader::tr("\"water_ml\" должно быть числом больше 0, рецепт пропущен");

    const QJsonValue compounds_value = _object.value(QLatin1String("compounds"));
    const QJsonObject compounds = compounds_value.toObject();
    if (!compounds_value.isObject())
        wrong << Recipe_Reader::tr("нет объекта \"compounds\", рецепт пропущен");
    else if (compounds.isEmpty())
        wrong << Recipe_Reader::tr("в \"compounds\" нет ни одного вещества, рецепт пропущен");

    QVector<Part> parts;
    parts.reserve(compounds.size());
    for (auto it = compounds.constBegin(); it != compounds.constEnd(); ++it) {
        Part part;
        part.key = it.key();
        part.grams = it.value().toDouble();
        QString why;
        if (!it.value().isDouble() || !(part.grams > 0))
            wrong << Recipe_Reader::tr("%1: граммы должны быть числом больше 0, рецепт пропущен")
                         .arg(quoted(part.key));
        else if (!_index.resolve(part, why))
            wrong << Recipe_Reader::tr("%1: такого вещества нет в compounds.json, а формула не "
                                       "читается: %2, рецепт пропущен")
                         .arg(quoted(part.key), why);
        else
            parts.append(part);
    }
    if (!wrong.isEmpty()) {
        for (const QString &line : wrong)
            _problems.add_about(name, line);
        return false;
    }

    QMap<QString, double> content;
    bool finite = true;
    for (const Part &part : parts) {
        for (const Element &element : part.fractions) {
            double &sum = content[element.name];
            sum += part.grams * 1000 * element.value / water_ml;
            finite = finite && std::isfinite(sum);
        }
    }
    // Beyond a double, no figure of it could be shown.
    if (!finite) {
        _problems.add_about(name, Recipe_Reader::tr("содержание элементов выходит за пределы "
                                                    "допустимых чисел, рецепт пропущен"));
        return false;
    }
    auto *entry = new Compound(name, name);
    entry->set_name_en(_object.value(QLatin1String("name_en")).toString());
    const QJsonValue target = _object.value(QLatin1String("target"));
    if (target.isString())
        entry->set_target(target.toString());
    entry->reserve_elements(content.size());
    for (auto it = content.cbegin(); it != content.cend(); ++it)
        entry->add_element(Element(it.key(), it.value()));
    QVector<Compound::Recipe_Part> bottle;
    for (const Part &part : parts)
        bottle.append({part.key, part.grams});
    entry->set_recipe(bottle, water_ml);
    entry->set_source(_object.value(QLatin1String("source")).toString());
    entry->set_refusal(refusal(parts, water_ml));
    entry->set_warning(warning(parts));
    QStringList note;
    if (!entry->refusal().isEmpty())
        note << plain_text(entry->refusal());
    if (!entry->warning().isEmpty())
        note << plain_text(entry->warning()).trimmed();
    entry->set_note(note.join(QLatin1Char('\n')));
    _products->add_compound(entry);
    return true;
}

} // namespace

int read_recipes(const QString &_file_name, const Type_Fertilizer &_compounds,
                 Type_Fertilizer *_products, QStringList *_problems)
{
    if (!_products)
        return 0;
    Catalogue_Problems problems(_file_name, _problems);
    QByteArray content;
    if (!read_catalogue_file(_file_name, problems, content))
        return 0;
    return parse_recipes(content, _compounds, _products, _file_name, _problems);
}

int parse_recipes(const QByteArray &_content, const Type_Fertilizer &_compounds,
                  Type_Fertilizer *_products, const QString &_file_name, QStringList *_problems)
{
    if (!_products)
        return 0;
    Catalogue_Problems problems(_file_name, _problems);
    const Compound_Index index(_compounds);
    return add_catalogue_objects(_content, problems, [&](const QJsonObject &_object) {
        return add_recipe(_object, index, _products, problems);
    });
}
