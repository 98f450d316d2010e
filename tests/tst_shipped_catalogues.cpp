// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogues shipped in settings/: every entry is read, every figure has
// a provenance, the fractions of every compound with a formula agree with
// that formula, and every recipe is made of known compounds that dissolve.
// Every compound and recipe has a name in English as well.
// The targets file's methods and livestock count as its entries.

#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "chemistry/formula.h"
#include "chemistry/teaspoon.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/premix_fertilizer.h"
#include "plan/dosing_targets.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

const QString settings_dir = QStringLiteral(ROVALIN_SETTINGS_DIR);

// Whether _key is the symbol of an element with a standard atomic weight.
bool is_element(const QString &_key)
{
    const Formula formula(_key);
    return formula.is_valid() && formula.fractions().size() == 1 &&
           formula.fractions().first().name == _key;
}

// A catalogue's entries: its array, or an object's methods, then its livestock.
QJsonArray read_array(const QString &_file)
{
    QFile file(settings_dir + QLatin1Char('/') + _file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return document.array();
    QJsonArray entries = document.object().value(QLatin1String("methods")).toArray();
    for (const QJsonValue &entry : document.object().value(QLatin1String("livestock")).toArray())
        entries.append(entry);
    return entries;
}

bool is_number_member(const QString &_key, const QJsonObject &_entry)
{
    return _entry.value(_key).isDouble();
}

void add_entry_rows(const QString &_file)
{
    const QJsonArray entries = read_array(_file);
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        QTest::newRow(
            qPrintable(_file + QLatin1String(": ") + entry.value(QLatin1String("name")).toString()))
            << _file << entry;
    }
}

} // namespace

class TestShippedCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void every_entry_is_read_data();
    void every_entry_is_read();
    void entry_is_sound_data();
    void entry_is_sound();
    void fractions_match_formula_data();
    void fractions_match_formula();
};

void TestShippedCatalogues::every_entry_is_read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("at_least");
    QTest::addColumn<bool>("named_in_english");

    QTest::newRow("compounds") << "compounds.json" << 45 << true;
    QTest::newRow("commercial products") << "commercial_products.json" << 10 << false;
    QTest::newRow("recipes") << "recipes.json" << 8 << true;
    QTest::newRow("targets") << "targets.json" << 5 << false;
}

void TestShippedCatalogues::every_entry_is_read()
{
    QFETCH(QString, file);
    QFETCH(int, at_least);
    QFETCH(bool, named_in_english);

    const QJsonArray entries = read_array(file);
    QVERIFY2(entries.size() >= at_least, qPrintable(QString::number(entries.size())));
    // Compounds and recipes are named in English as well (products keep
    // their brand names): each in Latin letters, telling its entry apart
    // from the others as the Russian name does.
    QSet<QString> english;
    if (named_in_english) {
        for (const QJsonValue &value : entries) {
            const QString name_en =
                value.toObject().value(QLatin1String("name_en")).toString().trimmed();
            const QString described = value.toObject().value(QLatin1String("name")).toString() +
                                      QLatin1String(": \"") + name_en + QLatin1Char('"');
            QVERIFY2(!name_en.isEmpty(), qPrintable(described));
            QVERIFY2(std::none_of(name_en.begin(), name_en.end(),
                                  [](QChar _c) { return _c.script() == QChar::Script_Cyrillic; }),
                     qPrintable(described));
            QVERIFY2(!english.contains(name_en), qPrintable("repeated " + described));
            english.insert(name_en);
        }
    }
    // Read as the window reads them, without a word of complaint.
    Diy_Fertilizer compounds;
    QStringList problems;
    read_catalogue(settings_dir + QStringLiteral("/compounds.json"), &compounds, &problems,
                   Catalogue_Kind::compounds);
    Premix_Fertilizer fert;
    const QString path = settings_dir + QLatin1Char('/') + file;
    int read = 0;
    Dosing_Targets targets;
    if (file == QLatin1String("targets.json"))
        read = read_targets(path, &targets, &problems);
    else if (file == QLatin1String("recipes.json"))
        read = read_recipes(path, compounds, &fert, &problems);
    else if (file == QLatin1String("commercial_products.json"))
        read = read_catalogue(path, &fert, &problems);
    else
        read = read_catalogue(path, &fert);
    QCOMPARE(problems.join(QLatin1Char('\n')), QString());
    QCOMPARE(read, entries.size());

    QSet<QString> names;
    for (int i = 0; i < fert.count_compounds(); ++i) {
        const Compound *entry = fert.compound_at(i);
        QVERIFY2(!names.contains(entry->name()), qPrintable("repeated name " + entry->name()));
        names.insert(entry->name());
        // A recipe whose salt stays at the bottom would be refused; one that
        // precipitates is shipped only when its source says so.
        QCOMPARE(entry->refusal(), QString());
        QVERIFY2(entry->warning().isEmpty() ||
                     entries.at(i).toObject().value("source").toString().contains("precipitat"),
                 qPrintable(entry->name()));
    }
}

void TestShippedCatalogues::entry_is_sound_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QJsonObject>("entry");
    add_entry_rows(QStringLiteral("compounds.json"));
    add_entry_rows(QStringLiteral("commercial_products.json"));
    add_entry_rows(QStringLiteral("recipes.json"));
    add_entry_rows(QStringLiteral("targets.json"));
}

void TestShippedCatalogues::entry_is_sound()
{
    QFETCH(QString, file);
    QFETCH(QJsonObject, entry);

    const bool compound = file == QLatin1String("compounds.json");
    QVERIFY(!entry.value(QLatin1String("name")).toString().trimmed().isEmpty());
    QVERIFY2(!entry.contains(QLatin1String("sol")), "\"sol\" has given way to \"solubility\"");

    // A method's ranges and the livestock's ceilings say where they come
    // from; the reader checks the figures themselves.
    if (file == QLatin1String("targets.json")) {
        QVERIFY(entry.contains(QLatin1String("ranges")) ||
                entry.contains(QLatin1String("ceilings")));
        QVERIFY(!entry.value(QLatin1String("source")).toString().trimmed().isEmpty());
        return;
    }
    if (file == QLatin1String("recipes.json")) {
        QVERIFY(entry.value(QLatin1String("water_ml")).toDouble() > 0);
        QVERIFY(!entry.value(QLatin1String("compounds")).toObject().isEmpty());
        QVERIFY(!entry.value(QLatin1String("source")).toString().trimmed().isEmpty());
        QVERIFY(is_element(entry.value(QLatin1String("target")).toString()));
        return;
    }

    // The reference element, where there is one, exists and is positive; a
    // compound without numbers has its elements from its formula.
    const QString target = entry.value(QLatin1String("target")).toString();
    const QString formula = entry.value(QLatin1String("formula")).toString();
    bool numbers = false;
    for (const QJsonValue &value : entry)
        numbers = numbers || value.isDouble();
    if (!numbers) {
        QVERIFY2(compound && Formula(formula).is_valid(), "no numbers and no formula");
        QVERIFY(!entry.contains(QLatin1String("target")) || Formula(formula).fraction(target) > 0);
    } else {
        QVERIFY2(is_number_member(target, entry), qPrintable(QLatin1String("target ") + target));
        QVERIFY(entry.value(target).toDouble() > 0);
    }

    double sum = 0;
    for (auto it = entry.constBegin(); it != entry.constEnd(); ++it) {
        if (!it.value().isDouble())
            continue;
        const double value = it.value().toDouble();
        QVERIFY2(value > 0 && std::isfinite(value), qPrintable(it.key()));
        QVERIFY2(is_element(it.key()), qPrintable(QLatin1String("not an element: ") + it.key()));
        sum += value;
    }
    if (compound)
        QVERIFY2(sum <= 1.0, "mass fractions add up to more than the whole");

    // Solubility: grams of the entry as named per litre of water, at a stated
    // temperature when the source gives one, and where the figure comes from.
    if (entry.contains(QLatin1String("solubility"))) {
        QVERIFY2(compound, "a product is dosed as a liquid, it has no solubility");
        QVERIFY(entry.value(QLatin1String("solubility")).isObject());
        const QJsonObject solubility = entry.value(QLatin1String("solubility")).toObject();
        const QJsonValue grams = solubility.value(QLatin1String("g_per_l"));
        QVERIFY2(grams.isDouble() && grams.toDouble() > 0 && std::isfinite(grams.toDouble()),
                 "g_per_l");
        if (solubility.contains(QLatin1String("at_c"))) {
            const QJsonValue celsius = solubility.value(QLatin1String("at_c"));
            QVERIFY2(celsius.isDouble() && celsius.toDouble() >= 0 && celsius.toDouble() <= 100,
                     "at_c");
        }
        QVERIFY(!solubility.value(QLatin1String("source")).toString().trimmed().isEmpty());
    }

    // A teaspoon's grams: a dry compound's only, a figure a level spoon can
    // hold, its source saying how sure it is first.
    if (entry.contains(QLatin1String("teaspoon"))) {
        QVERIFY2(compound, "a product is dosed as a liquid, it has no teaspoon");
        const QJsonObject spoon = entry.value(QLatin1String("teaspoon")).toObject();
        QVERIFY2(Teaspoon::usable(spoon.value(QLatin1String("g")).toDouble(-1)), "g");
        const QString source = spoon.value(QLatin1String("source")).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^(±\\d+ %|one source only|unsure): .+"))
                     .match(source)
                     .hasMatch(),
                 qPrintable(source));
    }

    // Figures without a formula say where they come from and when they were checked.
    if (!compound || !entry.contains(QLatin1String("formula"))) {
        QVERIFY(!entry.value(QLatin1String("source")).toString().trimmed().isEmpty());
        const QDate checked =
            QDate::fromString(entry.value(QLatin1String("checked")).toString(), Qt::ISODate);
        QVERIFY2(checked.isValid(), "\"checked\" is not a yyyy-mm-dd date");
    }
}

void TestShippedCatalogues::fractions_match_formula_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QJsonObject>("entry");
    const QJsonArray entries = read_array(QStringLiteral("compounds.json"));
    for (const QJsonValue &value : entries) {
        // Those without numbers take their elements from the formula.
        const QJsonObject entry = value.toObject();
        bool numbers = false;
        for (const QJsonValue &member : entry)
            numbers = numbers || member.isDouble();
        if (entry.contains(QLatin1String("formula")) && numbers)
            QTest::newRow(qPrintable(entry.value(QLatin1String("formula")).toString()))
                << QStringLiteral("compounds.json") << entry;
    }
}

void TestShippedCatalogues::fractions_match_formula()
{
    QFETCH(QJsonObject, entry);

    const QString formula = entry.value(QLatin1String("formula")).toString();
    const Formula read(formula);
    QVERIFY2(read.is_valid(), qPrintable(formula + QLatin1String(": ") + read.error()));
    QMap<QString, double> fractions;
    for (const Element &element : read.fractions())
        fractions.insert(element.name, element.value);

    for (auto it = entry.constBegin(); it != entry.constEnd(); ++it) {
        if (!it.value().isDouble())
            continue;
        QVERIFY2(fractions.contains(it.key()),
                 qPrintable(it.key() + QLatin1String(" is not in ") + formula));
        const double expected = fractions.value(it.key());
        const double stored = it.value().toDouble();
        QVERIFY2(std::abs(stored - expected) <= 0.005 * expected,
                 qPrintable(QStringLiteral("%1: stored %2, formula gives %3")
                                .arg(it.key())
                                .arg(stored)
                                .arg(expected, 0, 'f', 4)));
    }

    // Every element of the formula the program tracks is listed, the sodium
    // of a sodium salt too: the user sees what else a dose brings in.
    for (const Element &element : read.dosed_fractions())
        QVERIFY2(is_number_member(element.name, entry),
                 qPrintable(element.name + QLatin1String(" of ") + formula +
                            QLatin1String(" is not listed")));
}

QTEST_GUILESS_MAIN(TestShippedCatalogues)
#include "tst_shipped_catalogues.moc"
