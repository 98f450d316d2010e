// SPDX-License-Identifier: GPL-3.0-or-later

// The editor of the user's own catalogues («Мои удобрения…»), driven through
// its widgets from the main window. Run once in the C locale and once in ru_RU.

#include "window_steps.h"

#include <QLineEdit>
#include <QPushButton>

class TestEditorWindow : public QObject, public Window_Steps
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void editor_data();
    void editor();
};

void TestEditorWindow::initTestCase()
{
    check_system_locale();
}

void TestEditorWindow::init()
{
    QVERIFY(f.open());
}

void TestEditorWindow::cleanup()
{
    f.close();
}

void TestEditorWindow::editor_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("check");     // what the editor says of the entry
    QTest::addColumn<bool>("savable");      // «Сохранить» enabled
    QTest::addColumn<QStringList>("kept");  // the user's files: "file: name, …"
    QTest::addColumn<QStringList>("lists"); // the main window's lists, "entry (tool tip)"
    QTest::addColumn<QString>("status");    // a regular expression

    const QStringList products{"Alpha", "Beta <b>&", "Gamma", "Zero", "Tagged", "Bottle"};
    QTest::newRow("a product") << QStringList{"editor open",      "editor new product",
                                              "editor name Mine", "editor element K 5.5",
                                              "editor target K",  "editor save"}
                               << "" << false << QStringList{"commercial_products.json: Mine"}
                               << products + QStringList{"Mine"} << "";
    // The question names the entry as it is kept when its name is erased.
    QTest::newRow("a kept product's name erased")
        << QStringList{"editor open",
                       "editor new product",
                       "editor name Mine",
                       "editor element K 5.5",
                       "editor save",
                       "editor name",
                       "editor asks Сохранить изменения в «Mine»?|Сохранить|Отклонить|Отмена"}
        << "нет названия" << false << QStringList{"commercial_products.json: Mine"}
        << products + QStringList{"Mine"} << "";
    QTest::newRow("a product with a figure that is none")
        << QStringList{"editor open", "editor new product", "editor name Mine",
                       "editor element K many"}
        << "K: «many» — это не число" << false << QStringList() << products << "";
    QTest::newRow("a compound from its formula")
        << QStringList{"editor open",         "editor new compound", "editor name Nitrate",
                       "editor formula KNO3", "editor target K",     "editor save"}
        << "" << false << QStringList{"compounds.json: Nitrate"}
        << QStringList{"K2SO4", "Urea", "Limited", "Nitrate"} << "";
    // Ten level spoons weighed give the teaspoon and say so; a weight no ten
    // spoons have is refused, and the figure stays.
    QTest::newRow("a compound's teaspoon weighed")
        << QStringList{"editor open",
                       "editor new compound",
                       "editor name Nitrate",
                       "editor formula KNO3",
                       "editor weigh 66,5",
                       "editor spooned 6.65|взвешено: 10 ровных ложек — 66.5 г, TODAY",
                       "editor save",
                       "editor spoon-kept 6.65|взвешено: 10 ровных ложек — 66.5 г, TODAY",
                       "editor weigh 300",
                       "editor spooned 6.65|взвешено: 10 ровных ложек — 66.5 г, TODAY"}
        << "" << false << QStringList{"compounds.json: Nitrate"}
        << QStringList{"K2SO4", "Urea", "Limited", "Nitrate"} << "";
    QTest::newRow("a formula that cannot be read")
        << QStringList{"editor open", "editor new compound", "editor name Nitrate",
                       "editor formula Xx2"}
        << "формула «Xx2» не читается: позиция 1: нет элемента «Xx», запись пропущена" << false
        << QStringList() << QStringList{"K2SO4", "Urea", "Limited"} << "";
    QTest::newRow("a recipe over a salt's solubility")
        << QStringList{"editor open", "editor new recipe", "editor name Strong", "editor water 100",
                       "editor salt Limited 5"}
        << "Столько вещества не растворится:\nLimited\nв 100 мл воды\nрастворяется не больше 1 г"
        << true << QStringList() << products << "";
    QTest::newRow("a copy that corrects a shipped entry")
        << QStringList{"editor open", "editor copy", "editor element K 4 in 1", "editor save",
                       "editor sourced Изменено: K 4 вместо 5. label"}
        << "" << false << QStringList{"commercial_products.json: Alpha"}
        << QStringList{"Alpha (Ваша запись; в поставке: K 5)",
                       "Beta <b>&",
                       "Gamma",
                       "Zero",
                       "Tagged",
                       "Bottle"}
        << "";
    QTest::newRow("a copy saved again says what it changes now")
        << QStringList{"editor open",
                       "editor copy",
                       "editor element K 4 in 1",
                       "editor save",
                       "editor element Mg 2",
                       "editor save",
                       "editor sourced Изменено: K 4 вместо 5; Mg 2, в поставке нет. label",
                       "editor element K 5 in 1",
                       "editor save",
                       "editor sourced Изменено: Mg 2, в поставке нет. label"}
        << "" << false << QStringList{"commercial_products.json: Alpha"}
        << QStringList{"Alpha (Ваша запись; в поставке: Mg нет)",
                       "Beta <b>&",
                       "Gamma",
                       "Zero",
                       "Tagged",
                       "Bottle"}
        << "";
    QTest::newRow("a name the user's list has")
        << QStringList{"editor open",        "editor copy",       "editor save",
                       "editor new product", "editor name Alpha", "editor element K 1"}
        << "в ваших записях уже есть «Alpha»" << false
        << QStringList{"commercial_products.json: Alpha"}
        << QStringList{"Alpha (Ваша запись; в поставке те же цифры)",
                       "Beta <b>&",
                       "Gamma",
                       "Zero",
                       "Tagged",
                       "Bottle"}
        << "";
    QTest::newRow("a zero for an O in a formula")
        << QStringList{"editor open", "editor new compound", "editor name Sulfate",
                       "editor formula K2S04"}
        << "формула «K2S04» не читается: позиция 4: число не может начинаться с 0 (0 вместо "
           "O?), запись пропущена"
        << false << QStringList() << QStringList{"K2SO4", "Urea", "Limited"} << "";
    QTest::newRow("a new compound's reference: its first element, until one is chosen")
        << QStringList{"editor open",          "editor new compound", "editor name Sulfate",
                       "editor formula MgSO4", "editor reference Mg", "editor target S",
                       "editor formula ZnSO4", "editor reference S",  "editor save"}
        << "" << false << QStringList{"compounds.json: Sulfate"}
        << QStringList{"K2SO4", "Urea", "Limited", "Sulfate"} << "";
    QTest::newRow("the water in the window's words")
        << QStringList{"editor open", "editor new recipe", "editor name R", "editor water 0",
                       "editor salt K2SO4 5"}
        << "Вода в бутылке: нужно больше 0 мл" << false << QStringList() << products << "";
    QTest::newRow("a salt row without grams left out, the recipe saved")
        << QStringList{"editor open",      "editor new recipe",   "editor name R",
                       "editor water 100", "editor salt K2SO4 5", "editor salt Urea",
                       "editor save"}
        << "" << false << QStringList{"recipes.json: R"} << products + QStringList{"R"} << "";

    // A user's file that cannot be read: said at start-up, kept as it is
    // until the user saves into its list and agrees to start it afresh.
    const QString broken = QStringLiteral(R"([{"name": "Mine",, "K": 1}])");
    const QStringList unreadable{
        "editor file " + broken,
        "editor notice ^Ваш файл .*commercial_products\\.json не читается: строка 1, столбец 18: "
        "здесь вторая запятая подряд, а ожидалось имя в кавычках\\.\n\nФайл оставлен как есть, "
        "а его записи не показаны: .* Исправьте файл в текстовом редакторе или начните этот "
        "список заново в «Мои удобрения…»: .*$",
        "editor open",
        "editor bytes " + broken,
        "editor new product",
        "editor name Mine",
        "editor element K 2"};
    QTest::newRow("a user's file that cannot be read, kept when the user says no")
        << unreadable + QStringList{"editor save no", "editor bytes " + broken} << "" << true
        << QStringList{"commercial_products.json: "} << products
        << "^Ваш файл .*commercial_products\\.json не читается: строка 1, столбец 18: здесь "
           "вторая запятая подряд, а ожидалось имя в кавычках\\. Он оставлен как есть, его "
           "записи здесь не показаны\\. .*$";
    QTest::newRow("a user's file that cannot be read, moved aside when the user says yes")
        << unreadable + QStringList{"editor save yes", "editor aside " + broken} << "" << false
        << QStringList{"commercial_products.json: Mine"} << products + QStringList{"Mine"}
        << "^Ваш файл .*commercial_products\\.json не читался: он перенесён как есть в "
           ".*commercial_products\\.json\\.unreadable-\\d{8}-\\d{6}, список начат заново\\.$";
}

void TestEditorWindow::editor()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, check);
    QFETCH(bool, savable);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, lists);
    QFETCH(QString, status);

    Catalogues catalogues = test_catalogues();
    catalogues.compounds.replace("\n    ]", R"(,
        {"name": "Limited", "target": "K", "K": 0.5, "solubility": {"g_per_l": 10}}])");
    catalogues.products.replace(R"("name": "Alpha",)", R"("name": "Alpha", "source": "label",)");
    QVERIFY(f.open(catalogues));
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("editor"));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("editor_check"))->text(), check);
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("editor_save"))->isEnabled(), savable);
    const QString said = window->findChild<QLabel *>(QStringLiteral("editor_status"))->text();
    QVERIFY2(status.isEmpty() ? said.isEmpty() : QRegularExpression(status).match(said).hasMatch(),
             qPrintable(said));

    QCOMPARE(user_files(), kept);

    // The entry's fields stand in one column, whatever its kind.
    QSet<int> lefts;
    for (const QLineEdit *field : window->findChildren<QLineEdit *>()) {
        if (field->objectName().startsWith(QLatin1String("editor_")) && field->isVisible())
            lefts << field->mapTo(window, QPoint()).x();
    }
    QCOMPARE(lefts.size(), 1);

    // The main window shows what was saved at once, in the list the entry is of.
    const bool compound = lists.contains(QStringLiteral("Urea"));
    if (compound)
        Window_Fixture::click_radio(f.ui->rbdiy);
    QStringList shown;
    for (int i = 0; i < f.ui->comboBox->count(); ++i) {
        const QString tip = f.ui->comboBox->itemData(i, Qt::ToolTipRole).toString();
        shown << f.ui->comboBox->itemText(i) + (tip.startsWith(QStringLiteral("Ваша"))
                                                    ? QStringLiteral(" (") + tip + QLatin1Char(')')
                                                    : QString());
    }
    QCOMPARE(shown, lists);
    QCOMPARE(misnamed(window, "editor"), QString());
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
