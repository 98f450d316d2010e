// SPDX-License-Identifier: GPL-3.0-or-later

// Look-ups and ownership of the catalogue records and of a calculator's list.

#include "chemistry/compound.h"
#include "dosing/premix_fertilizer.h"

#include <QtTest>

class TestCatalogueRecords : public QObject
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
    void compound_at_bounds();
};

void TestCatalogueRecords::empty_element_has_empty_not_null_name()
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

void TestCatalogueRecords::lookups_data()
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

void TestCatalogueRecords::lookups()
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

void TestCatalogueRecords::element_at_out_of_range_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("minus one") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("far beyond") << 1000;
}

void TestCatalogueRecords::element_at_out_of_range()
{
    QFETCH(int, index);
    QScopedPointer<Compound> compound(make_compound({{"N", 0.1}, {"K", 0.4}}));
    const Element element = compound->element_at(index);
    QVERIFY(element.name.isEmpty());
    QCOMPARE(element.value, 0.0);
    QCOMPARE(compound->element_at(1).name, QStringLiteral("K"));
}

void TestCatalogueRecords::set_target_ignores_empty_text()
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

void TestCatalogueRecords::add_element_ignores_null()
{
    Compound compound(QStringLiteral("n"), QStringLiteral("n"));
    compound.add_element(nullptr);
    QCOMPARE(compound.count_elements(), 0);
}

void TestCatalogueRecords::compound_at_bounds()
{
    Premix_Fertilizer fert;
    QCOMPARE(fert.count_compounds(), 0);
    QVERIFY(!fert.compound_at(0));
    QVERIFY(!fert.compound_at(-1));

    auto *first = new Compound(QStringLiteral("a"), QStringLiteral("a"));
    auto *second = new Compound(QStringLiteral("a"), QStringLiteral("a"));
    fert.add_compound(first);
    fert.add_compound(nullptr);
    fert.add_compound(second);
    QCOMPARE(fert.count_compounds(), 2);
    QCOMPARE(fert.compound_at(0), first);
    QCOMPARE(fert.compound_at(1), second);
    QVERIFY(!fert.compound_at(fert.count_compounds()));
    QVERIFY(!fert.compound_at(-1));
}

QTEST_GUILESS_MAIN(TestCatalogueRecords)
#include "tst_catalogue_records.moc"
