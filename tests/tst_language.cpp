// SPDX-License-Identifier: GPL-3.0-or-later

// The windows' language: events that must leave the texts as they are, and
// switching between Russian and English and back with nothing lost on the way.
// Run once in the C locale and once in ru_RU.

#include "window_steps.h"

#include "base/message_text.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QStandardPaths>

class TestLanguage : public QObject, public Window_Steps
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void language_change_data();
    void language_change();
    void language_switch_data();
    void language_switch();
};

void TestLanguage::initTestCase()
{
    check_system_locale();
}

void TestLanguage::init()
{
    QVERIFY(f.open());
}

void TestLanguage::cleanup()
{
    f.close();
}

void TestLanguage::language_change_data()
{
    QTest::addColumn<int>("event");

    QTest::newRow("language change") << int(QEvent::LanguageChange);
    QTest::newRow("font change") << int(QEvent::FontChange);
    QTest::newRow("palette change") << int(QEvent::PaletteChange);
    QTest::newRow("window state change") << int(QEvent::WindowStateChange);
    QTest::newRow("enabled change") << int(QEvent::EnabledChange);
    QTest::newRow("locale change") << int(QEvent::LocaleChange);
}

void TestLanguage::language_change()
{
    QFETCH(int, event);

    Window_Fixture::click_radio(f.ui->rbdiy);
    f.calculate();
    const QString message = f.ui->linfo->text();
    const QString caption_before = f.ui->ltarget_name->text();
    const QStringList rows = f.rows();
    QCOMPARE(f.ui->linput_type_fert->text(), QStringLiteral("Выберите хим.вещество :"));
    QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/л"));

    QEvent change(static_cast<QEvent::Type>(event));
    QCoreApplication::sendEvent(f.window.get(), &change);

    // With the language unchanged, the form's texts and the program's own
    // read as they did: the kind's caption and headers, not the form's.
    QCOMPARE(f.ui->linput_type_fert->text(), QStringLiteral("Выберите хим.вещество :"));
    QCOMPARE(f.header(0), QStringLiteral("Название элемента"));
    QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/л"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Ровалин"));
    QCOMPARE(f.ui->pushButton->text(), QStringLiteral("Рассчитать"));
    QCOMPARE(f.ui->linfo->text(), message);
    QVERIFY(f.ui->linfo->isVisible());
    QCOMPARE(f.ui->ltarget_name->text(), caption_before);
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.items(f.ui->comboBox), (QStringList{"K2SO4", "Urea"}));
    QCOMPARE(f.items(f.ui->calc_methods),
             (QStringList{"Итоговая концентрация, мг/л", "Вносимое количество"}));
}

void TestLanguage::language_switch_data()
{
    // Steps as in run(), then what is read: "form" (button, kind, menus,
    // title), "message" (linfo as plain text), "captions" (the list's
    // caption, the value's, the headers), "methods" (the list and its
    // choice), "list" (the entries), "build-up" (the build-up table's
    // column of the last week), "plan" (the plan's first item: name, kind,
    // unit), "reading" (the plan's method and livestock lists, the livestock
    // chosen, the warnings and the livestock the plans file keeps),
    // "question" (the editor's save-changes question, see leaving_question).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("english");

    QTest::newRow("form and menus") << QStringList() << "form"
                                    << "Calculate|DIY salts|Calculation|Language|Rovalin";
    QTest::newRow("a dose worked out")
        << QStringList{"kind rbdiy", "tank 1000", "value 1", "calculate"} << "message"
        << "To reach a weekly concentration of K\nof 1 mg/l, dose\n2000 mg\nof K2SO4 a week";
    QTest::newRow("concentrations, English name")
        << QStringList{"kind rbdiy", "entry 1", "method 1", "tank 1000", "value 1", "calculate"}
        << "message"
        << "With a weekly dose of 1 mg of Carbamide\nthe concentration of N will "
           "be\n0.0004665 mg/l";
    QTest::newRow("a refusal on show")
        << QStringList{"tank 0", "calculate"} << "message"
        << "The tank volume must lie\nbetween 1 and 10000 liters\ninclusive";
    QTest::newRow("captions") << QStringList{"kind rbdiy", "method 1", "tank 1000", "value 1",
                                             "calculate"}
                              << "captions"
                              << "Choose the compound:|Dose, mg :|Element|Concentration, mg/l";
    // An empty list sets no header: the one it had stays, in the new language.
    QTest::newRow("an empty list keeps its header")
        << QStringList{"compounds []", "kind rbdiy"} << "captions"
        << "Choose the compound:|K :|Element|Concentration, mg/ml";
    QTest::newRow("the method list keeps its choice") << QStringList{"method 1"} << "methods"
                                                      << "Target concentration, mg/l|Weekly dose|1";
    QTest::newRow("names") << QStringList{"kind rbdiy"} << "list"
                           << "K2SO4|Carbamide";
    QTest::newRow("plan") << QStringList{"kind rbdiy", "entry 1",   "tank 100",
                                         "value 1",    "calculate", "plan add"}
                          << "plan"
                          << "Carbamide|DIY salts|mg";
    // Livestock by its English name, in the warnings too; a method by its
    // own name in both; the plan keeps the name the file gives.
    QTest::newRow("livestock named in English")
        << QStringList{"tank 100", "value 1", "calculate", "plan add", "plan livestock Креветки"}
        << "reading"
        << "No comparison|Method|No limits|Shrimp|Shrimp|Fe: up to 0.4 mg/l — above 0.3 mg/l "
           "for “Shrimp”; Alpha contributes the most: no more than 15 ml a week|Креветки";
    // Chosen by its English name, kept by its own.
    QTest::newRow("livestock chosen in English")
        << QStringList{"tank 100",        "value 1",          "calculate",
                       "plan add",        "language English", "plan livestock Shrimp",
                       "language Russian"}
        << "reading"
        << "No comparison|Method|No limits|Shrimp|Shrimp|Fe: up to 0.4 mg/l — above 0.3 mg/l "
           "for “Shrimp”; Alpha contributes the most: no more than 15 ml a week|Креветки";
    // Qt's own buttons in Russian with the program, in English without.
    QTest::newRow("Qt's buttons")
        << QStringList{"editor open", "editor new product", "editor element K 1",
                       "editor asks Сохранить изменения в новую запись?|Сохранить|Отклонить|"
                       "Отмена"}
        << "question"
        << "Save changes to the new entry?|Save|Discard|Cancel";
    QTest::newRow("one week") << QStringList{"tank 100", "value 1", "calculate", "open", "weeks 1"}
                              << "build-up"
                              << "After 1 week, mg/l";
    QTest::newRow("three weeks") << QStringList{"tank 100", "value 1", "calculate", "open",
                                                "weeks 3"}
                                 << "build-up"
                                 << "After 3 weeks, mg/l";
}

void TestLanguage::language_switch()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, probe);
    QFETCH(QString, english);

    // A compound and livestock with English names.
    Catalogues catalogues = test_catalogues();
    catalogues.compounds.replace("\"name\": \"Urea\",",
                                 "\"name\": \"Urea\", \"name_en\": \"Carbamide\",");
    catalogues.targets.replace("\"name\": \"Shrimp\",",
                               "\"name\": \"Креветки\", \"name_en\": \"Shrimp\",");
    QVERIFY(f.open(catalogues));
    const auto keeps_russian = qScopeGuard([] {
        Language::apply(Language::russian);
        QFile::remove(Language::settings_file());
    });
    run(steps);
    const auto read = [&] {
        QCoreApplication::processEvents();
        const Ui_MainWindow *ui = f.ui;
        if (probe == QLatin1String("form"))
            return QStringList{ui->pushButton->text(), ui->rbdiy->text(), ui->menu_calc->title(),
                               f.window->findChild<QMenu *>("menu_language")->title(),
                               f.window->windowTitle()}
                .join(QLatin1Char('|'));
        if (probe == QLatin1String("message"))
            return message_text::plain_text(ui->linfo->text());
        if (probe == QLatin1String("captions"))
            return QStringList{ui->linput_type_fert->text(),
                               message_text::plain_text(ui->ltarget_name->text()), f.header(0),
                               f.header(1)}
                .join(QLatin1Char('|'));
        if (probe == QLatin1String("methods"))
            return (f.items(ui->calc_methods) << QString::number(ui->calc_methods->currentIndex()))
                .join(QLatin1Char('|'));
        if (probe == QLatin1String("list"))
            return f.items(ui->comboBox).join(QLatin1Char('|'));
        if (probe == QLatin1String("plan")) {
            const auto *items = f.window->findChild<QTableWidget *>("plan_items");
            return items && items->rowCount() > 0
                       ? QStringList{items->item(0, 0)->text(), items->item(0, 1)->text(),
                                     items->item(0, 3)->text()}
                             .join(QLatin1Char('|'))
                       : QString();
        }
        if (probe == QLatin1String("reading")) {
            // The lists, the livestock chosen, the warnings; the name kept.
            QWidget *plan = plan_window();
            const auto *livestock = plan->findChild<QComboBox *>(QStringLiteral("plan_livestock"));
            QFile plans(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                        QStringLiteral("/plans.json"));
            const QString kept =
                plans.open(QIODevice::ReadOnly)
                    ? QJsonDocument::fromJson(
                          plans.readAll())[QLatin1String("plans")][0][QLatin1String("livestock")]
                          .toString()
                    : QString();
            return (f.items(plan->findChild<QComboBox *>(QStringLiteral("plan_method"))) +
                    f.items(livestock) +
                    QStringList{livestock->currentText(),
                                plan->findChild<QLabel *>(QStringLiteral("plan_warnings"))->text(),
                                kept})
                .join(QLatin1Char('|'));
        }
        if (probe == QLatin1String("question"))
            return leaving_question(f.window->findChild<QWidget *>(QStringLiteral("editor")));
        const auto *table = f.window->findChild<QTableWidget *>("dynamics_table");
        return table && table->isVisible() ? table->horizontalHeaderItem(2)->text() : QString();
    };
    const QString russian = read();
    QVERIFY(!russian.isEmpty());
    QVERIFY(russian != english);
    QAction *to_english = f.window->findChild<QAction *>("actionEnglish");
    QAction *to_russian = f.window->findChild<QAction *>("actionRussian");

    // Back and forth twice: nothing is lost on the way, and the choice is kept.
    for (int round = 0; round < 2; ++round) {
        to_english->trigger();
        QCOMPARE(read(), english);
        QVERIFY(to_english->isChecked() && !to_russian->isChecked());
        QCOMPARE(Language::chosen(QLocale(QLocale::Russian)), Language::english);
        to_russian->trigger();
        QCOMPARE(read(), russian);
        QVERIFY(to_russian->isChecked() && !to_english->isChecked());
        QCOMPARE(Language::chosen(QLocale(QLocale::English)), Language::russian);
    }
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
