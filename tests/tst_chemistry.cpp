// SPDX-License-Identifier: GPL-3.0-or-later

// The chemistry under the catalogues: look-ups in a compound's record and the
// formulas its fractions are worked out from, and its dry amounts in spoons.

#include "base/language.h"
#include "base/message_text.h"
#include "chemistry/compound.h"
#include "chemistry/formula.h"
#include "chemistry/teaspoon.h"

#include <QtTest>

#include <limits>

class TestChemistry : public QObject
{
    Q_OBJECT

private slots:
    void empty_element_has_empty_not_null_name();
    void lookups_data();
    void lookups();
    void element_at_out_of_range_data();
    void element_at_out_of_range();
    void set_target_ignores_empty_text();
    void add_element_ignores_null();
    void formula_data();
    void formula();
    void spoons_data();
    void spoons();
};

void TestChemistry::empty_element_has_empty_not_null_name()
{
    const Element element;
    QVERIFY(element.name.isEmpty());
    QVERIFY(!element.name.isNull());
    QCOMPARE(element.value, 0.0);

    Compound compound(QStringLiteral("A"), QStringLiteral("A"));
    QVERIFY(!compound.find_element(QStringLiteral("Fe")).name.isNull());
    QVERIFY(!compound.target().isNull());
    QVERIFY(compound.target().isEmpty());
}

static Compound *make_compound(const QList<QPair<QString, double>> &_elements)
{
    auto *compound = new Compound(QStringLiteral("name"), QStringLiteral("title"));
    for (const auto &element : _elements)
        compound->add_element(new Element(element.first, element.second));
    return compound;
}

void TestChemistry::lookups_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("value");

    // The compound below holds Fe 1, K 2, Fe 3, sol 4, k 5.
    QTest::newRow("first of two equal names") << "Fe" << 0 << 1.0;
    QTest::newRow("unique name") << "K" << 1 << 2.0;
    QTest::newRow("reserved sol is an element") << "sol" << 3 << 4.0;
    QTest::newRow("case matters") << "k" << 4 << 5.0;
    QTest::newRow("absent name") << "Mg" << -1 << 0.0;
    QTest::newRow("empty key finds nothing") << "" << -1 << 0.0;
}

void TestChemistry::lookups()
{
    QFETCH(QString, key);
    QFETCH(int, index);
    QFETCH(double, value);

    QScopedPointer<Compound> compound(
        make_compound({{"Fe", 1.0}, {"K", 2.0}, {"Fe", 3.0}, {"sol", 4.0}, {"k", 5.0}}));
    QCOMPARE(compound->count_elements(), 5);
    QCOMPARE(compound->index_element(key), index);
    QCOMPARE(compound->contains_element(key), index != -1);
    const Element found = compound->find_element(key);
    QCOMPARE(found.name, index == -1 ? QString() : key);
    QCOMPARE(found.value, value);
}

void TestChemistry::element_at_out_of_range_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("minus one") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("far beyond") << 1000;
}

void TestChemistry::element_at_out_of_range()
{
    QFETCH(int, index);
    QScopedPointer<Compound> compound(make_compound({{"N", 0.1}, {"K", 0.4}}));
    const Element element = compound->element_at(index);
    QVERIFY(element.name.isEmpty());
    QCOMPARE(element.value, 0.0);
    QCOMPARE(compound->element_at(1).name, QStringLiteral("K"));
}

void TestChemistry::set_target_ignores_empty_text()
{
    Compound compound(QStringLiteral("n"), QStringLiteral("t"));
    compound.set_target(QStringLiteral("N"));
    compound.set_target(QString());
    compound.set_target(QStringLiteral(""));
    QCOMPARE(compound.target(), QStringLiteral("N"));
    compound.set_target(QStringLiteral("K"));
    QCOMPARE(compound.target(), QStringLiteral("K"));
    QCOMPARE(compound.name(), QStringLiteral("n"));
    QCOMPARE(compound.title(), QStringLiteral("t"));
}

void TestChemistry::add_element_ignores_null()
{
    Compound compound(QStringLiteral("n"), QStringLiteral("n"));
    compound.add_element(nullptr);
    QCOMPARE(compound.count_elements(), 0);
}

void TestChemistry::formula_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("fraction"); // six significant digits
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("error"); // empty: the formula is read

    // Fractions worked out apart from the program, from the same atomic weights.
    QTest::newRow("hydrate after a middle dot") << "MgSO4·7H2O"
                                                << "Mg"
                                                << "0.098614"
                                                << "SO4"
                                                << "";
    QTest::newRow("hydrate after a bullet") << "CuSO4•5H2O"
                                            << "Cu"
                                            << "0.254513"
                                            << "SO4"
                                            << "";
    QTest::newRow("hydrate after an asterisk") << "CuSO4*5H2O"
                                               << "Cu"
                                               << "0.254513"
                                               << "SO4"
                                               << "";
    QTest::newRow("hydrate after a full stop") << "FeSO4.7H2O"
                                               << "Fe"
                                               << "0.200877"
                                               << "SO4"
                                               << "";
    QTest::newRow("group with a count, then a hydrate") << "Fe2(SO4)3·9H2O"
                                                        << "Fe"
                                                        << "0.198739"
                                                        << "SO4"
                                                        << "";
    QTest::newRow("hydrate water as a group") << "MgSO4(H2O)7"
                                              << "Mg"
                                              << "0.098614"
                                              << "SO4"
                                              << "";
    QTest::newRow("square brackets around a group") << "[Cu(NH3)4]SO4"
                                                    << "N"
                                                    << "0.246033"
                                                    << "SO4"
                                                    << "";
    QTest::newRow("urea: CO is no carbonate") << "CO(NH2)2"
                                              << "N"
                                              << "0.466465"
                                              << ""
                                              << "";
    QTest::newRow("adduct with a coefficient") << "(NH4)6Mo7O24·4H2O"
                                               << "Mo"
                                               << "0.543441"
                                               << ""
                                               << "";
    QTest::newRow("blanks around ignored") << " \tKNO3 \n"
                                           << "K"
                                           << "0.386718"
                                           << ""
                                           << "";
    QTest::newRow("hydrogen carbonate") << "KHCO3"
                                        << "K"
                                        << "0.390535"
                                        << "CO3"
                                        << "";
    QTest::newRow("dihydrogen phosphate") << "KH2PO4"
                                          << "P"
                                          << "0.227609"
                                          << "PO4"
                                          << "";

    const auto wrong = [](const char *_text, const char *_error) {
        QTest::newRow(qPrintable(
            QStringLiteral("«%1»: %2").arg(QString::fromUtf8(_text), QString::fromUtf8(_error))))
            << QString::fromUtf8(_text) << ""
            << ""
            << "" << QString::fromUtf8(_error);
    };
    wrong("", "формула пуста");
    wrong("  ", "формула пуста");
    wrong("Xx2O", "позиция 1: нет элемента «Xx»");
    wrong("kNO3", "позиция 1: здесь не может стоять «k»");
    wrong("2H2O", "позиция 1: здесь не может стоять «2»");
    wrong("  Xx", "позиция 3: нет элемента «Xx»");
    wrong("Ca(NO3", "позиция 3: скобка «(» не закрыта");
    wrong("KNO3)", "позиция 5: лишняя скобка «)»");
    wrong("Fe2(SO4]3", "позиция 8: «]» закрывает «(»");
    wrong("K()", "позиция 2: пустые скобки");
    wrong("K0NO3", "позиция 2: количество не может быть 0 (0 вместо O?)");
    wrong("K2S04", "позиция 4: число не может начинаться с 0 (0 вместо O?)");
    wrong("H1001", "позиция 2: число больше 1000");
    wrong("(((((((((H)))))))))", "позиция 9: больше 8 скобок одна в другой");
    wrong("K NO3", "позиция 2: пробел внутри формулы");
    wrong("KNO3·", "позиция 5: после «·» нет формулы");
    wrong("KNO3·7", "позиция 6: после «·» нет формулы");
    wrong("(MgSO4·7H2O)", "позиция 7: здесь не может стоять «·»");
    wrong("K\x01", "позиция 2: здесь не может стоять «U+0001»");
}

void TestChemistry::formula()
{
    QFETCH(QString, text);
    QFETCH(QString, element);
    QFETCH(QString, fraction);
    QFETCH(QString, groups);
    QFETCH(QString, error);

    const Formula formula(text);
    QCOMPARE(formula.error(), error);
    QCOMPARE(formula.is_valid(), error.isEmpty());
    if (!error.isEmpty()) {
        QVERIFY(formula.fractions().isEmpty());
        return;
    }
    QCOMPARE(message_text::number(formula.fraction(element)), fraction);
    QStringList found;
    if (formula.has_sulfate())
        found << "SO4";
    if (formula.has_phosphate())
        found << "PO4";
    if (formula.has_carbonate())
        found << "CO3";
    QCOMPARE(found.join(QLatin1Char(',')), groups);
}

void TestChemistry::spoons_data()
{
    QTest::addColumn<double>("grams");
    QTest::addColumn<double>("per_teaspoon"); // not a number: no figure
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("shown");

    const double none = std::numeric_limits<double>::quiet_NaN();
    // 1.675 g of KNO3 at 6.7 g a teaspoon is 0.25 tsp.
    QTest::newRow("a measure exactly") << 1.675 << 6.7 << false << "¼ ч. л.";
    QTest::newRow("the nearest, over the dose") << 1.58 << 6.7 << false << "≈ ¼ ч. л., +6 %";
    // 0.142 tsp: ⅛ is 12 % under, ¼ 76 % over.
    QTest::newRow("between two, the nearer under it") << 0.95 << 6.7 << false << "≈ ⅛ ч. л., -12 %";
    // 0.358 tsp: ¼ is 30 % under, ½ 40 % over.
    QTest::newRow("between two, neither within 25 %")
        << 2.4 << 6.7 << false << "ложкой не отмерить: 2.4 г";
    QTest::newRow("less than the smallest spoon")
        << 0.05 << 6.7 << false << "ложкой не отмерить: 0.05 г";
    QTest::newRow("a thirty-second") << 0.2 << 6.7 << false << "≈ 1/32 ч. л., +5 %";
    // 2.6 tsp: 2½ tsp is 4 % under, 1 tbsp 15 % over.
    QTest::newRow("the last teaspoon before a tablespoon")
        << 13.0 << 5.0 << false << "≈ 2½ ч. л., -4 %";
    QTest::newRow("a tablespoon exactly") << 10.5 << 3.5 << false << "1 ст. л.";
    // 5.41 tsp: 2 tbsp (6 tsp) is 11 % over, 1½ tbsp 17 % under.
    QTest::newRow("tablespoons by halves") << 20.0 << 3.7 << false << "≈ 2 ст. л., +11 %";
    QTest::newRow("a half tablespoon past the whole ones") << 30.0 << 4.0 << false << "2½ ст. л.";
    QTest::newRow("in English") << 1.58 << 6.7 << true << "≈ ¼ tsp, +6 %";
    QTest::newRow("tablespoons in English") << 20.0 << 3.7 << true << "≈ 2 tbsp, +11 %";
    QTest::newRow("no figure") << 1.0 << none << false << "—";
    QTest::newRow("a figure no spoon holds") << 1.0 << 67.0 << false << "—";
    QTest::newRow("nothing to measure") << 0.0 << 6.7 << false << "—";
}

// The nearest of the measures a kitchen has, and how far it is from the dose.
void TestChemistry::spoons()
{
    QFETCH(double, grams);
    QFETCH(double, per_teaspoon);
    QFETCH(bool, english);
    QFETCH(QString, shown);

    QVERIFY(Language::apply(english ? Language::english : Language::russian));
    const QString text = Teaspoon::text(grams, per_teaspoon);
    QVERIFY(Language::apply(Language::russian));
    QCOMPARE(text, shown);
}

QTEST_GUILESS_MAIN(TestChemistry)
#include "tst_chemistry.moc"
