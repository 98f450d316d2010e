// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogues shipped in settings/: every entry is read, every figure has
// a provenance, and the fractions of every compound with a formula agree with
// that formula, recomputed here from standard atomic weights.

#include "catalogue_reader.h"
#include "diy_fertilizer.h"
#include "premix_fertilizer.h"

#include <QtTest>

#include <cmath>

namespace {

const QString settings_dir = QStringLiteral(ROVALIN_SETTINGS_DIR);

// IUPAC standard atomic weights (conventional values where IUPAC gives an interval).
const QHash<QString, double> atomic_weight{
    {"H", 1.008},        {"B", 10.81},   {"C", 12.011},       {"N", 14.007},  {"O", 15.999},
    {"Na", 22.98976928}, {"Mg", 24.305}, {"P", 30.973761998}, {"S", 32.06},   {"Cl", 35.45},
    {"K", 39.0983},      {"Ca", 40.078}, {"Mn", 54.938043},   {"Fe", 55.845}, {"Cu", 63.546},
    {"Zn", 65.38},       {"Mo", 95.95},
};

using Atoms = QMap<QString, double>;

void add_atoms(Atoms &_into, const Atoms &_part, double _times)
{
    for (auto it = _part.cbegin(); it != _part.cend(); ++it)
        _into[it.key()] += it.value() * _times;
}

int read_count(const QString &_text, int &_pos)
{
    int count = 0;
    bool any = false;
    while (_pos < _text.size() && _text.at(_pos).isDigit()) {
        count = count * 10 + _text.at(_pos).digitValue();
        ++_pos;
        any = true;
    }
    return any ? count : 1;
}

// One group such as "Mg(NO3)2", up to a closing parenthesis or the end.
// Sets _ok to false on anything that is not a formula.
Atoms parse_group(const QString &_text, int &_pos, bool &_ok)
{
    Atoms atoms;
    while (_ok && _pos < _text.size()) {
        const QChar c = _text.at(_pos);
        if (c == QLatin1Char('(')) {
            ++_pos;
            const Atoms inner = parse_group(_text, _pos, _ok);
            if (_pos >= _text.size() || _text.at(_pos) != QLatin1Char(')')) {
                _ok = false;
                break;
            }
            ++_pos;
            add_atoms(atoms, inner, read_count(_text, _pos));
        } else if (c == QLatin1Char(')')) {
            break;
        } else if (c.isUpper()) {
            QString symbol(c);
            ++_pos;
            if (_pos < _text.size() && _text.at(_pos).isLower())
                symbol += _text.at(_pos++);
            if (!atomic_weight.contains(symbol)) {
                _ok = false;
                break;
            }
            atoms[symbol] += read_count(_text, _pos);
        } else {
            _ok = false;
        }
    }
    return atoms;
}

// "MgSO4·7H2O": parts joined by a middle dot, each with an optional count.
Atoms parse_formula(const QString &_formula, bool &_ok)
{
    _ok = !_formula.isEmpty();
    Atoms atoms;
    const QStringList parts = _formula.split(QChar(0x00B7));
    for (const QString &part : parts) {
        int pos = 0;
        const int times = read_count(part, pos);
        add_atoms(atoms, parse_group(part, pos, _ok), times);
        if (pos != part.size() || part.isEmpty())
            _ok = false;
    }
    return atoms;
}

QMap<QString, double> mass_fractions(const Atoms &_atoms)
{
    double total = 0;
    for (auto it = _atoms.cbegin(); it != _atoms.cend(); ++it)
        total += atomic_weight.value(it.key()) * it.value();
    QMap<QString, double> fractions;
    for (auto it = _atoms.cbegin(); it != _atoms.cend(); ++it)
        fractions[it.key()] = atomic_weight.value(it.key()) * it.value() / total;
    return fractions;
}

QJsonArray read_array(const QString &_file)
{
    QFile file(settings_dir + QLatin1Char('/') + _file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).array();
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
    void formula_parser_data();
    void formula_parser();

    void every_entry_is_read_data();
    void every_entry_is_read();
    void entry_is_sound_data();
    void entry_is_sound();
    void fractions_match_formula_data();
    void fractions_match_formula();
};

void TestShippedCatalogues::formula_parser_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("element");
    QTest::addColumn<double>("fraction");

    QTest::newRow("water") << "H2O" << true << "O" << 0.888;
    QTest::newRow("group count") << "Ca(NO3)2" << true << "N" << 0.1707;
    QTest::newRow("nested groups and hydrate") << "(NH4)6Mo7O24·4H2O" << true << "Mo" << 0.5434;
    QTest::newRow("unknown symbol") << "Xx2O" << false << "" << 0.0;
    QTest::newRow("unbalanced parenthesis") << "Ca(NO3" << false << "" << 0.0;
    QTest::newRow("blank in formula") << "KNO3 " << false << "" << 0.0;
    QTest::newRow("empty hydrate part") << "KNO3·" << false << "" << 0.0;
}

void TestShippedCatalogues::formula_parser()
{
    QFETCH(QString, formula);
    QFETCH(bool, ok);
    QFETCH(QString, element);
    QFETCH(double, fraction);

    bool parsed = false;
    const Atoms atoms = parse_formula(formula, parsed);
    QCOMPARE(parsed, ok);
    if (ok)
        QVERIFY2(std::abs(mass_fractions(atoms).value(element) - fraction) < 5e-4,
                 qPrintable(QString::number(mass_fractions(atoms).value(element))));
}

void TestShippedCatalogues::every_entry_is_read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("at_least");

    QTest::newRow("compounds") << "compounds.json" << 45;
    QTest::newRow("commercial products") << "commercial_products.json" << 10;
}

void TestShippedCatalogues::every_entry_is_read()
{
    QFETCH(QString, file);
    QFETCH(int, at_least);

    const QJsonArray entries = read_array(file);
    QVERIFY2(entries.size() >= at_least, qPrintable(QString::number(entries.size())));
    Premix_Fertilizer fert;
    QCOMPARE(read_catalogue(settings_dir + QLatin1Char('/') + file, &fert), entries.size());

    QSet<QString> names;
    for (int i = 0; i < fert.count_compounds(); ++i) {
        const QString name = fert.compound_at(i)->name();
        QVERIFY2(!names.contains(name), qPrintable(QLatin1String("repeated name ") + name));
        names.insert(name);
    }
}

void TestShippedCatalogues::entry_is_sound_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QJsonObject>("entry");
    add_entry_rows(QStringLiteral("compounds.json"));
    add_entry_rows(QStringLiteral("commercial_products.json"));
}

void TestShippedCatalogues::entry_is_sound()
{
    QFETCH(QString, file);
    QFETCH(QJsonObject, entry);

    const bool compound = file == QLatin1String("compounds.json");
    QVERIFY(!entry.value(QLatin1String("name")).toString().trimmed().isEmpty());
    QVERIFY2(!entry.contains(QLatin1String("sol")), "\"sol\" has given way to \"solubility\"");

    // The reference element exists and is positive.
    const QString target = entry.value(QLatin1String("target")).toString();
    QVERIFY2(is_number_member(target, entry), qPrintable(QLatin1String("target ") + target));
    QVERIFY(entry.value(target).toDouble() > 0);

    double sum = 0;
    for (auto it = entry.constBegin(); it != entry.constEnd(); ++it) {
        if (!it.value().isDouble())
            continue;
        const double value = it.value().toDouble();
        QVERIFY2(value > 0 && std::isfinite(value), qPrintable(it.key()));
        QVERIFY2(atomic_weight.contains(it.key()),
                 qPrintable(QLatin1String("not an element: ") + it.key()));
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
        const QJsonObject entry = value.toObject();
        if (entry.contains(QLatin1String("formula")))
            QTest::newRow(qPrintable(entry.value(QLatin1String("formula")).toString()))
                << QStringLiteral("compounds.json") << entry;
    }
}

void TestShippedCatalogues::fractions_match_formula()
{
    QFETCH(QJsonObject, entry);

    bool ok = false;
    const QString formula = entry.value(QLatin1String("formula")).toString();
    const QMap<QString, double> fractions = mass_fractions(parse_formula(formula, ok));
    QVERIFY2(ok, qPrintable(QLatin1String("cannot read formula ") + formula));

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
    for (auto it = fractions.cbegin(); it != fractions.cend(); ++it) {
        if (it.key() != QLatin1String("H") && it.key() != QLatin1String("C") &&
            it.key() != QLatin1String("O"))
            QVERIFY2(is_number_member(it.key(), entry),
                     qPrintable(it.key() + QLatin1String(" of ") + formula +
                                QLatin1String(" is not listed")));
    }
}

QTEST_GUILESS_MAIN(TestShippedCatalogues)
#include "tst_shipped_catalogues.moc"
