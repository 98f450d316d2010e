// SPDX-License-Identifier: GPL-3.0-or-later

// The recipe designer («Подбор рецепта…»), driven through its widgets from the
// main window. Run once in the C locale and once in ru_RU.

#include "window_steps.h"

class TestDesignerWindow : public QObject, public Window_Steps
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void designer_data();
    void designer();
};

void TestDesignerWindow::initTestCase()
{
    check_system_locale();
}

void TestDesignerWindow::init()
{
    QVERIFY(f.open());
}

void TestDesignerWindow::cleanup()
{
    f.close();
}

void TestDesignerWindow::designer_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("targets"); // key|wanted|got|deviation of Ca, K, N, P, ions
    QTest::addColumn<QStringList>("salts");   // [x] name|grams|spoons|share|bottle
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("kept"); // the user's files
    QTest::addColumn<QStringList>("planned"); // the plan's items, after «Добавить в план»

    // 100 l, 500 ml, 50 ml a week: a gram of salt gives its fraction in mg/l.
    const QStringList macro{"designer open", "designer want NO3 20", "designer want PO4 3",
                            "designer suggest"};
    const QStringList met{"Ca||0|",      "K||13.8|",  "N||4.52|",
                          "NO3|20|20|0", "P||0.978|", "PO4|3|3|0"};
    const QStringList ticked{"[x] KNO3|32.6|≈ 1½ ст. л., -8 %|20.5|A", "[x] KH2PO4|4.3|—|3.8|A",
                             "[ ] CaCl2||||", "[ ] Urea||||"};
    QTest::newRow("the salts that carry the targets, ticked and solved")
        << macro << met << ticked << "" << QStringList() << QStringList();
    // A comma is the decimal point in every locale, in a cell and in a
    // field; what is no number or beyond the limit is refused, and why.
    QTest::newRow("a comma in a target and in the dose")
        << QStringList{"designer open", "designer want NO3 40,0", "designer want PO4 6,0",
                       "designer dose 100,0", "designer suggest"}
        << QStringList{"Ca||0|", "K||27.7|", "N||9.04|", "NO3|40|40|0", "P||1.96|", "PO4|6|6|0"}
        << ticked << "" << QStringList() << QStringList();
    QTest::newRow("a target that is no number or too high refused, with the reason")
        << macro + QStringList{"designer want PO4 1,000,5",
                               "designer says PO4: «1,000,5» не принято, это не число.",
                               "designer want PO4 2000",
                               "designer says PO4: «2000» не принято, цель — больше 0 и не больше "
                               "1000 мг/л в неделю."}
        << met << ticked << "" << QStringList() << QStringList();
    QTest::newRow("a target on N clears the one on NO3")
        << macro + QStringList{"designer want N 2"}
        << QStringList{"Ca||0|", "K||6.82|", "N|2|2|0", "NO3||8.85|", "P||0.978|", "PO4|3|3|0"}
        << QStringList{"[x] KNO3|14.4|≈ 2 ч. л., -7 %|9.1|A", "[x] KH2PO4|4.3|—|3.8|A",
                       "[ ] CaCl2||||", "[ ] Urea||||"}
        << "" << QStringList() << QStringList();
    QTest::newRow("saved as a recipe, listed at once, saved again over it")
        << macro + QStringList{"designer name Макро", "designer save", "designer save"} << met
        << ticked << "" << QStringList{"recipes.json: Макро"} << QStringList();
    QTest::newRow("a recipe of the same name kept when the user says no")
        << macro + QStringList{"designer name Макро", "designer save", "designer want NO3 10",
                               "designer save no"}
        << QStringList{"Ca||0|", "K||7.54|", "N||2.26|", "NO3|10|10|0", "P||0.978|", "PO4|3|3|0"}
        << QStringList{"[x] KNO3|16.3|≈ 2½ ч. л., +3 %|10.2|A", "[x] KH2PO4|4.3|—|3.8|A",
                       "[ ] CaCl2||||", "[ ] Urea||||"}
        << "" << QStringList{"recipes.json: Макро"} << QStringList();
    // The user's recipes cannot be read: kept unless the user agrees to
    // start them afresh.
    QTest::newRow("unreadable recipes kept when the user says no")
        << QStringList{"editor file recipes.json [{,]"} + macro +
               QStringList{"designer name Макро", "designer save no"}
        << met << ticked << "" << QStringList{"recipes.json: "} << QStringList();
    QTest::newRow("unreadable recipes moved aside when the user says yes")
        << QStringList{"editor file recipes.json [{,]"} + macro +
               QStringList{"designer name Макро", "designer save"}
        << met << ticked << "" << QStringList{"recipes.json: Макро"} << QStringList();
    QTest::newRow("calcium and a phosphate: two bottles into the plan")
        << QStringList{"designer open", "designer want Ca 10", "designer want P 1",
                       "designer suggest", "designer plan"}
        << QStringList{"Ca|10|10|0", "K||1.26|", "N||0|", "NO3||0|", "P|1|1|0", "PO4||3.07|"}
        << QStringList{"[x] KH2PO4|4.39|—|3.9|A", "[x] CaCl2|27.7|—|7.4|B", "[ ] KNO3||||",
                       "[ ] Urea||||"}
        << "Вещества, что дают вместе осадок, разнесены по бутылкам A, B: в каждой 500 мл воды, "
           "50 мл в неделю."
        << QStringList{"recipes.json: Мой рецепт A, Мой рецепт B"}
        << QStringList{"Мой рецепт A|50", "Мой рецепт B|50"};
    QTest::newRow("a salt at its limit")
        << QStringList{"designer open", "designer water 10", "designer want K 100",
                       "designer tick KNO3"}
        << QStringList{"Ca||0|", "K|100|61.7|-38.3", "N||22.1|", "NO3||97.8|", "P||0|", "PO4||0|"}
        << QStringList{"[x] KNO3|3.19|≈ ½ ч. л., +5 %|100|A", "[ ] KH2PO4||||", "[ ] CaCl2||||",
                       "[ ] Urea||||"}
        << "На пределе растворимости в 10 мл воды: «KNO3» (3.19 г). Цели будут достигнуты при "
           "дозе 81.07 мл в неделю; в 17 мл воды бутылки хватит на столько же недель."
        << QStringList() << QStringList();
}

void TestDesignerWindow::designer()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, targets);
    QFETCH(QStringList, salts);
    QFETCH(QString, check);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, planned);

    Catalogues catalogues = test_catalogues();
    catalogues.compounds = R"([
        {"name": "KNO3", "formula": "KNO3", "target": "N", "K": 0.3867, "N": 0.1385,
         "solubility": {"g_per_l": 319, "at_c": 20}, "teaspoon": {"g": 6.7}},
        {"name": "KH2PO4", "formula": "KH2PO4", "target": "P", "K": 0.2873, "P": 0.2276,
         "solubility": {"g_per_l": 226, "at_c": 20}},
        {"name": "CaCl2", "formula": "CaCl2", "target": "Ca", "Ca": 0.3611, "Cl": 0.6389,
         "solubility": {"g_per_l": 745, "at_c": 20}},
        {"name": "Urea", "target": "N", "N": 0.4665}
    ])";
    QVERIFY(f.open(catalogues));
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("designer"));
    QVERIFY(window && window->isVisible() && !window->isModal());
    QVERIFY(!QApplication::activeModalWidget());

    // The rows are the compounds' elements, with the ions after theirs; those
    // compared here are Ca, K, N and P with their ions.
    auto *rows = window->findChild<QTableWidget *>(QStringLiteral("designer_targets"));
    QStringList shown;
    for (int row = 0; row < rows->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << rows->item(row, column)->text();
        if (QStringList{"K", "N", "NO3", "P", "PO4", "Ca"}.contains(cells.first()))
            shown << cells.join(QLatin1Char('|'));
        // Rows that are not targets are grey.
        QCOMPARE(rows->item(row, 2)->foreground().color() ==
                     window->palette().color(QPalette::Disabled, QPalette::Text),
                 cells.at(1).isEmpty());
    }
    QCOMPARE(shown.join(QStringLiteral("; ")), targets.join(QStringLiteral("; ")));
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("designer_salts"));
    QStringList used;
    QStringList others;
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool checked = table->item(row, 0)->checkState() == Qt::Checked;
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        // A salt in spoons says what they rest on, or how to add a figure.
        const QString tip = table->item(row, 2)->toolTip();
        QCOMPARE(tip.isEmpty(), cells.at(2).isEmpty());
        QCOMPARE(tip.contains(QStringLiteral("«Взвесить 10 ложек»")),
                 cells.at(2) == QStringLiteral("—"));
        (checked ? used : others) << QStringLiteral("[%1] ").arg(checked ? 'x' : ' ') +
                                         cells.join(QLatin1Char('|'));
    }
    QCOMPARE((used + others).join(QStringLiteral("; ")), salts.join(QStringLiteral("; ")));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("designer_check"))->text(), check);
    QCOMPARE(user_files(), kept);

    // What was saved is in the products' list at once and gives the levels
    // it was designed for.
    const QString name = kept.isEmpty() ? QString() : kept.first().section(QStringLiteral(": "), 1);
    for (const QString &recipe : name.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        QVERIFY2(f.ui->comboBox->findText(recipe) >= 0, qPrintable(recipe));
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("designer_status"))
                    ->text()
                    .contains(recipe));
    }
    if (!name.isEmpty() && planned.isEmpty()) {
        Window_Fixture::choose(f.ui->comboBox, f.ui->comboBox->findText(name));
        Window_Fixture::choose(f.ui->calc_methods, 1);
        Window_Fixture::type(f.ui->tank_vol, QStringLiteral("100"));
        Window_Fixture::type(f.ui->val_methods, QStringLiteral("50"));
        f.calculate();
        // 20 mg/l of NO3 is 20 × 14.007 ÷ 62.004 = 4.518096 of N, in both
        // rows: the recipe the user would not have replaced is the first one.
        QCOMPARE(f.cell(0, 0), QStringLiteral("N"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("4.5181"));
    }

    QWidget *plan = plan_window();
    QCOMPARE(plan && plan->isVisible(), !planned.isEmpty());
    if (plan) {
        QStringList items;
        for (const QString &row :
             table_rows(plan->findChild<QTableWidget *>(QStringLiteral("plan_items"))))
            items << row.section(QLatin1Char('|'), 0, 0) + QLatin1Char('|') +
                         row.section(QLatin1Char('|'), 2, 2);
        QCOMPARE(items, planned);
    }
    QCOMPARE(misnamed(window, "designer"), QString());
}

QTEST_MAIN(TestDesignerWindow)
#include "tst_designer_window.moc"
