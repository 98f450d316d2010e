// SPDX-License-Identifier: GPL-3.0-or-later

// The recipe designer without its window: the salts and amounts it finds for
// the wanted figures, and the bottles it makes of them. Run once in the C locale
// and once where the system writes decimal commas.

#include "base/message_text.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "design/recipe_designer.h"
#include "dosing/diy_fertilizer.h"

#include <QtTest>

#include "library_helpers.h"

namespace {

// Compounds described as "KNO3 K=0.3867,N=0.1385 319; …": a formula, which
// is also the name, its fractions and its solubility in g/l (- for none);
// "compounds.json": the shipped ones.
std::unique_ptr<Type_Fertilizer> salts(const QString &_salts)
{
    auto list = std::make_unique<Diy_Fertilizer>();
    if (_salts.endsWith(QLatin1String(".json"))) {
        read_catalogue(QStringLiteral(ROVALIN_SETTINGS_DIR "/") + _salts, list.get(), nullptr,
                       Catalogue_Kind::compounds);
        return list;
    }
    for (const QString &salt : _salts.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = salt.simplified().split(QLatin1Char(' '));
        add_entry(list.get(), parts.at(0), QString(), parts.at(1));
        Compound *entry = list->compound_at(list->count_compounds() - 1);
        entry->set_formula(parts.at(0));
        if (parts.at(2) != QLatin1String("-"))
            entry->set_solubility(parts.at(2).toDouble(), 20);
    }
    return list;
}

// Targets "NO3=20,K=30" and every salt ticked but those named "~…": tank 100 l, 500 ml of water,
// 50 ml a week, so that a gram gives its fraction in mg/l.
void design(Recipe_Designer &_designer, const QString &_targets)
{
    for (const QString &target : _targets.split(QLatin1Char(','))) {
        const QStringList parts = target.split(QLatin1Char('='));
        for (int row = 0; row < _designer.targets().size(); ++row) {
            if (_designer.targets().at(row).key == parts.at(0))
                _designer.set_wanted(row, parts.at(1).toDouble());
        }
    }
    for (int row = 0; row < _designer.salts().size(); ++row)
        _designer.set_used(row, !_designer.salts().at(row).name.startsWith(QLatin1Char('~')));
}

} // namespace

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void recipe_solve_data();
    void recipe_solve();
    void recipe_bottles_data();
    void recipe_bottles();
};

void TestDesign::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestDesign::recipe_solve_data()
{
    QTest::addColumn<QString>("salts");
    QTest::addColumn<QString>("targets");
    QTest::addColumn<bool>("suggested"); // «Предложить» pressed, not every salt ticked
    // Each salt's grams, in the list's order (-1: any); none of those after.
    QTest::addColumn<QVector<double>>("grams");
    QTest::addColumn<double>("worst"); // the largest deviation from a target, %
    QTest::addColumn<QString>("check");

    const QString macro = QStringLiteral("KNO3 K=0.3867,N=0.1385 319; KH2PO4 K=0.2873,P=0.2276 "
                                         "226; K2SO4 K=0.4487,S=0.1840 111");
    // Solved by hand: N only from KNO3, P only from KH2PO4, the rest of the K
    // from K2SO4.
    const double nitrate = 20 * 14.007 / (14.007 + 3 * 15.999) / 0.1385;
    const double phosphate = 3 * 30.974 / (30.974 + 4 * 15.999) / 0.2276;
    QTest::newRow("three salts, three targets: met")
        << macro << "NO3=20,PO4=3,K=30" << false
        << QVector<double>{nitrate, phosphate,
                           (30 - nitrate * 0.3867 - phosphate * 0.2873) / 0.4487}
        << 0.0 << "";
    // The Estimative Index's salts, at the top of the shipped list, with
    // their fractions there, and nothing else: neither K3PO4 for KH2PO4 nor
    // urea, ammonium salts or Трилон Б.
    const QVector<double> estimative{
        nitrate, phosphate, (30 - nitrate * 0.3867 - phosphate * 0.2873) / 0.4488, 5 / 0.0986};
    QTest::newRow("shipped compounds, the Estimative Index's targets: its salts suggested")
        << "compounds.json"
        << "NO3=20,PO4=3,K=30,Mg=5" << true << estimative << 0.0 << "";
    QTest::newRow("shipped compounds, every one ticked: the salts at the top of the list")
        << "compounds.json"
        << "NO3=20,PO4=3,K=30,Mg=5" << false << estimative << 0.0 << "";
    QTest::newRow("a salt lower in the list where the one above is at its limit")
        << "KNO3 K=0.3867,N=0.1385 319; NaNO3 N=0.1648,Na=0.2705 876"
        << "N=25" << false << QVector<double>{159.5, (25 - 159.5 * 0.1385) / 0.1648} << 0.0 << "";
    // 110 mg/l of NO3 is more N than 500 ml dissolve of KNO3: the next
    // nitrogen salt of the list, NaNO3, brings the rest.
    QTest::newRow("shipped compounds, KNO3 at its limit: the next nitrogen salt suggested")
        << "compounds.json"
        << "NO3=110" << true
        << QVector<double>{159.5, 0, 0, 0,
                           (110 * 14.007 / (14.007 + 3 * 15.999) - 159.5 * 0.1385) / 0.1648}
        << 0.0 << "";
    // One gram count for two targets: (a + c) ÷ (a² + c²), a and c the
    // targets' shares that a gram brings.
    const double a = 0.1385 / 5, c = 0.3867 / 10;
    QTest::newRow("more targets than salts")
        << "KNO3 K=0.3867,N=0.1385 319"
        << "N=5,K=10" << false << QVector<double>{(a + c) / (a * a + c * c)}
        << std::abs((a + c) / (a * a + c * c) * a - 1) * 100 << "Все цели сразу";
    // 60 mg/l needs 133.7 g; 111 g/l of 500 ml dissolves 55.5, so the dose
    // must be 133.7 ÷ 55.5 times larger.
    QTest::newRow("a salt at its solubility")
        << "K2SO4 K=0.4487,S=0.1840 111"
        << "K=60" << false << QVector<double>{55.5} << (1 - 55.5 * 0.4487 / 60) * 100
        << "На пределе растворимости в 500 мл воды: «K2SO4» (55.5 г). Цели будут достигнуты при "
           "дозе 120.47 мл в неделю; в 1205 мл воды бутылки хватит на столько же недель.";
    // Rounded to the digits written, 55.5555555555 g would be above the limit.
    QTest::newRow("a limit of more digits than are written")
        << "K2SO4 K=0.4487,S=0.1840 111.111111111"
        << "K=60" << false << QVector<double>{55.5555555555}
        << (1 - 55.5555555555 * 0.4487 / 60) * 100 << "На пределе растворимости в 500 мл воды";
    QTest::newRow("a salt without a solubility")
        << "K2SO4 K=0.4487,S=0.1840 -"
        << "K=60" << false << QVector<double>{60 / 0.4487} << 0.0 << "";
    QTest::newRow("the limit holds nothing back where the target is met")
        << macro << "K=20" << false << QVector<double>{-1, -1, -1} << 0.0 << "";
    // A salt whose shares are no fractions is never ticked: its figures of
    // 1e308 would come out as no number.
    QTest::newRow("every salt ticked, one with no fractions")
        << "KNO3 K=0.3867,N=0.1385 319; Huge K=1e308,N=1e300 -"
        << "N=5" << false << QVector<double>{5 / 0.1385, 0} << 0.0 << "";
    QTest::newRow("a target no salt brings")
        << "KNO3 K=0.3867,N=0.1385 319; ~K2SO4 K=0.4487,S=0.1840 111"
        << "N=5,K=10,S=2" << false << QVector<double>{-1, 0} << 100.0
        << "Ни одно отмеченное вещество не даёт: S.";
}

void TestDesign::recipe_solve()
{
    QFETCH(QString, salts);
    QFETCH(QString, targets);
    QFETCH(bool, suggested);
    QFETCH(QVector<double>, grams);
    QFETCH(double, worst);
    QFETCH(QString, check);

    const auto list = ::salts(salts);
    QVERIFY(list->count_compounds() > 0);
    Recipe_Designer designer(list.get());
    design(designer, targets);
    if (suggested) {
        for (int row = 0; row < designer.salts().size(); ++row)
            designer.set_used(row, false);
        designer.suggest();
    }
    for (int row = 0; row < designer.salts().size(); ++row) {
        const Recipe_Designer::Salt_Row &salt = designer.salts().at(row);
        const double expected = grams.value(row, 0);
        QVERIFY2(salt.grams >= 0 && salt.grams <= salt.limit, qPrintable(salt.name));
        if (expected >= 0)
            QVERIFY2(std::abs(salt.grams - expected) <= 1e-9 * expected,
                     qPrintable(QStringLiteral("%1 g of %2, not %3")
                                    .arg(salt.grams)
                                    .arg(salt.name)
                                    .arg(expected)));
        // What is suggested is what the grams use.
        if (suggested)
            QCOMPARE(salt.used, expected > 0);
    }
    double largest = 0;
    for (const Recipe_Designer::Target_Row &row : designer.targets()) {
        if (row.target())
            largest = std::max(largest, std::abs(row.deviation()));
    }
    QVERIFY2(std::abs(largest - worst) <= 1e-7, qPrintable(QString::number(largest)));
    const QString said = designer.check().join(QLatin1Char('\n'));
    if (check.isEmpty())
        QCOMPARE(said, check);
    else
        QVERIFY2(said.startsWith(check), qPrintable(said));

    // The bottles as saved and read back give every level as the designer
    // has it, far within the six digits the main window shows, a target met
    // as its very figure, and dissolve.
    QJsonArray saved;
    for (const Catalogue_Editor::Draft &draft : designer.recipes()) {
        QString why;
        saved.append(Catalogue_Editor::to_object(draft, &why));
        QCOMPARE(why, QString());
        for (const auto &[name, written] : draft.salts) {
            const auto row = std::find_if(
                designer.salts().begin(), designer.salts().end(),
                [&](const Recipe_Designer::Salt_Row &_row) { return _row.name == name; });
            QVERIFY2(written.toDouble() <= row->limit,
                     qPrintable(name + QLatin1String(" ") + written));
        }
    }
    Premix_Fertilizer bottles;
    QStringList problems;
    QCOMPARE(parse_recipes(QJsonDocument(saved).toJson(), *list, &bottles, QString(), &problems),
             saved.size());
    QCOMPARE(problems, QStringList());
    for (const Recipe_Designer::Target_Row &row : designer.targets()) {
        double level = 0;
        for (int b = 0; b < bottles.count_compounds(); ++b) {
            QCOMPARE(bottles.compound_at(b)->refusal(), QString());
            // 50 ml a week into 100 l.
            level += bottles.compound_at(b)->find_element(row.element).value * 50 / 100;
        }
        level *= row.factor;
        QVERIFY2(std::abs(level - row.got) <= 1e-8 * row.got,
                 qPrintable(QStringLiteral("%1: %2, not %3")
                                .arg(row.key, QString::number(level, 'g', 17),
                                     QString::number(row.got, 'g', 17))));
        if (row.target() && std::abs(row.deviation()) < 1e-9)
            QCOMPARE(message_text::number(level), message_text::number(row.wanted));
    }
}

void TestDesign::recipe_bottles_data()
{
    QTest::addColumn<QString>("salts");
    QTest::addColumn<QString>("targets");
    QTest::addColumn<QString>("bottles"); // each salt's, in the list's order
    QTest::addColumn<QStringList>("recipes");

    QTest::newRow("nothing precipitates")
        << "KNO3 K=0.3867,N=0.1385 319; KH2PO4 K=0.2873,P=0.2276 226"
        << "N=5,P=1"
        << "AA" << QStringList{"Мой рецепт"};
    QTest::newRow("calcium and a sulfate")
        << "CaCl2 Ca=0.3611,Cl=0.6389 745; KNO3 K=0.3867,N=0.1385 319; K2SO4 K=0.4487,S=0.1840 111"
        << "Ca=10,N=5,S=3"
        << "AAB" << QStringList{"Мой рецепт A", "Мой рецепт B"};
    QTest::newRow("calcium, iron and a phosphate: three bottles")
        << "CaCl2 Ca=0.3611,Cl=0.6389 745; FeSO4 Fe=0.3676,S=0.2111 -; KH2PO4 K=0.2873,P=0.2276 "
           "226"
        << "Ca=10,Fe=0.1,P=1"
        << "ABC" << QStringList{"Мой рецепт A", "Мой рецепт B", "Мой рецепт C"};
    QTest::newRow("a pair inside one compound stays in one bottle")
        << "CaSO4 Ca=0.2944,S=0.2355 2.4"
        << "Ca=0.1"
        << "A" << QStringList{"Мой рецепт"};
}

void TestDesign::recipe_bottles()
{
    QFETCH(QString, salts);
    QFETCH(QString, targets);
    QFETCH(QString, bottles);
    QFETCH(QStringList, recipes);

    const auto list = ::salts(salts);
    Recipe_Designer designer(list.get());
    design(designer, targets);
    QString placed;
    for (const Recipe_Designer::Salt_Row &row : designer.salts())
        placed += QChar(u'A' + row.bottle);
    QCOMPARE(placed, bottles);
    QStringList names;
    for (const Catalogue_Editor::Draft &recipe : designer.recipes()) {
        names << recipe.name;
        for (const auto &salt : recipe.salts) {
            const auto row =
                std::find_if(designer.salts().begin(), designer.salts().end(),
                             [&](const auto &_row) { return _row.name == salt.first; });
            QCOMPARE(row->bottle, int(names.size()) - 1);
        }
    }
    QCOMPARE(names, recipes);
    QCOMPARE(designer.check().join(QLatin1Char('\n')).contains(QStringLiteral("его не разделить")),
             bottles == QLatin1String("A") && salts.startsWith(QLatin1String("CaSO4")));
}

QTEST_GUILESS_MAIN(TestDesign)
#include "tst_design.moc"
