// SPDX-License-Identifier: GPL-3.0-or-later

// The plan window, reached from the main window as a user reaches it: adding
// what the main window worked out, the totals, bands and chart, plans read
// back against the catalogues, the printed sheet and the copied text. Run once
// in the C locale and once in ru_RU.

#include "window_steps.h"

#include "app/plan_bands.h"
#include "app/plan_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QJsonDocument>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTimer>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

#include <algorithm>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace {

// The lines of _window's chart in the legend's order, each its name and its
// points, to six significant digits.
QStringList chart_lines(const QWidget *_window)
{
    QStringList lines;
    for (const QAbstractSeries *series :
         _window->findChild<QChartView *>(QStringLiteral("plan_chart"))->chart()->series()) {
        const auto *line = qobject_cast<const QLineSeries *>(series);
        QStringList points;
        for (int i = 0; line && i < line->count(); ++i)
            points << QStringLiteral("%1 %2").arg(line->at(i).x()).arg(line->at(i).y());
        lines << series->name() + QStringLiteral(": ") + points.join(QStringLiteral(", "));
    }
    return lines;
}

// The log's chart: each line by its name, each set of points by its name and
// its points, "dd.MM value".
QStringList log_chart(const QWidget *_window)
{
    QStringList drawn;
    const auto *view = _window->findChild<QChartView *>(QStringLiteral("plan_log_chart"));
    for (const QAbstractSeries *series : view->chart()->series()) {
        QString shown = series->objectName();
        if (const auto *points = qobject_cast<const QScatterSeries *>(series)) {
            for (int i = 0; i < points->count(); ++i)
                shown += QStringLiteral(" %1 %2")
                             .arg(QDateTime::fromMSecsSinceEpoch(qint64(points->at(i).x()))
                                      .toString(QStringLiteral("dd.MM")))
                             .arg(points->at(i).y());
        }
        drawn << shown;
    }
    return drawn;
}

// The words of a PDF, as pdftotext -bbox gives them, that stand over one
// another or beyond their page: "page 2: «a» over «b»" for the first such
// pair, empty where there is none. A word's box reaches above and below its
// letters, so the boxes are taken a quarter of their height smaller.
QString words_over_words(const QString &_boxes)
{
    static const QRegularExpression tag(QStringLiteral(
        R"x(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )x"
        R"x(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
    int page = 0;
    QRectF sheet;
    QVector<QPair<QRectF, QString>> words;
    for (QRegularExpressionMatchIterator each = tag.globalMatch(_boxes); each.hasNext();) {
        const QRegularExpressionMatch found = each.next();
        if (!found.captured(1).isEmpty()) {
            ++page;
            sheet = QRectF(0, 0, found.captured(1).toDouble(), found.captured(2).toDouble());
            words.clear();
            continue;
        }
        QRectF box(QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()),
                   QPointF(found.captured(5).toDouble(), found.captured(6).toDouble()));
        const QString word = found.captured(7);
        const QString where = QStringLiteral("page %1: «%2»").arg(page).arg(word);
        if (!sheet.contains(box))
            return where + QStringLiteral(" off the page");
        box.adjust(0.5, box.height() / 4, -0.5, -box.height() / 4);
        for (const auto &[other, text] : words) {
            if (other.intersects(box))
                return where + QStringLiteral(" over «") + text + QStringLiteral("»");
        }
        words.append({box, word});
    }
    return QString();
}

} // namespace

class TestPlanWindow : public QObject, public Window_Steps
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void plan_add_data();
    void plan_add();
    void plan_totals_data();
    void plan_totals();
    void plan_reading_data();
    void plan_reading();
    void plan_sheet_data();
    void plan_sheet();
    void plan_log_data();
    void plan_log();
};

void TestPlanWindow::initTestCase()
{
    check_system_locale();
}

void TestPlanWindow::init()
{
    QVERIFY(f.open());
}

void TestPlanWindow::cleanup()
{
    f.close();
}

void TestPlanWindow::plan_add_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("plans");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("rows"); // name, kind, weekly, unit, days, each dose
    QTest::addColumn<int>("selected");

    const QStringList alpha{"tank 100", "value 1", "calculate", "plan add"};
    const QStringList solution{"kind rbdiysol", "water 1000", "grams 5", "tank 100",
                               "value 1",       "calculate",  "plan add"};
    QTest::newRow("a product's dose worked out")
        << alpha << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"} << 0;
    QTest::newRow("a compound's dose typed")
        << QStringList{"kind rbdiy", "method 1", "tank 100", "value 50", "calculate", "plan add"}
        << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"K2SO4|Самомес|50|мг|Сб|50 мг|ложкой не отмерить: 0.05 г"} << 0;
    QTest::newRow("a solution")
        << solution << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"K2SO4 (5 г в 1000 мл)|Самомес раствор|40|мл|Сб|40 мл|"} << 0;
    QTest::newRow("the same entry again takes the new dose")
        << alpha + QStringList{"value 2", "calculate", "plan add"} << QStringList{"Аквариум 100 л"}
        << "Аквариум 100 л" << QStringList{"Alpha|Готовое|40|мл|Сб|40 мл|"} << 0;
    QTest::newRow("the same solution with more grams is another")
        << solution + QStringList{"grams 10", "calculate", "plan add"}
        << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"K2SO4 (5 г в 1000 мл)|Самомес раствор|40|мл|Сб|40 мл|",
                       "K2SO4 (10 г в 1000 мл)|Самомес раствор|20|мл|Сб|20 мл|"}
        << 1;
    QTest::newRow("another tank volume: a plan of its own")
        << alpha + QStringList{"tank 50", "calculate", "plan add"}
        << QStringList{"Аквариум 100 л", "Аквариум 50 л"} << "Аквариум 50 л"
        << QStringList{"Alpha|Готовое|10|мл|Сб|10 мл|"} << 0;
    QTest::newRow("a volume typed after the calculation does not count")
        << QStringList{"tank 100", "value 1", "calculate", "tank 50", "plan add"}
        << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"} << 0;
    QTest::newRow("back to the first volume: the first plan with it")
        << alpha + QStringList{"tank 50",  "calculate", "plan add",  "tank 100", "entry 2",
                               "method 1", "value 3",   "calculate", "plan add"}
        << QStringList{"Аквариум 100 л", "Аквариум 50 л"} << "Аквариум 100 л"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|", "Gamma|Готовое|3|мл|Сб|3 мл|"} << 1;
    QTest::newRow("into the plan on show, a new one renamed")
        << alpha + QStringList{"plan new Второй", "plan rename Креветочник", "plan add"}
        << QStringList{"Аквариум 100 л", "Креветочник"} << "Креветочник"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"} << 0;
    QTest::newRow("a name another plan has is refused, and why")
        << alpha + QStringList{"plan new Второй", "plan rename Аквариум 100 л",
                               "plan says План «Аквариум 100 л» уже есть: дайте этому другое "
                               "название.",
                               "plan new Второй"}
        << QStringList{"Аквариум 100 л", "Второй"} << "Второй" << QStringList() << -1;
    QTest::newRow("a plan deleted")
        << alpha + QStringList{"plan delete"} << QStringList() << "" << QStringList() << -1;
    QTest::newRow("opened without a calculation: no plan yet")
        << QStringList{"plan open"} << QStringList() << "" << QStringList() << -1;
}

void TestPlanWindow::plan_add()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, plans);
    QFETCH(QString, shown);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);

    run(steps);
    QWidget *window = plan_window();
    QVERIFY(window && window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    const auto *choice = window->findChild<QComboBox *>(QStringLiteral("plan_choice"));
    QCOMPARE(f.items(choice), plans);
    QCOMPARE(choice->currentText(), shown);
    const auto *items = window->findChild<QTableWidget *>(QStringLiteral("plan_items"));
    QCOMPARE(table_rows(items), rows);
    QList<int> chosen;
    for (const QModelIndex &index : items->selectionModel()->selectedRows())
        chosen << index.row();
    QCOMPARE(chosen, selected < 0 ? QList<int>() : QList<int>{selected});

    // Saved at once.
    QFile file(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/plans.json"));
    QCOMPARE(file.exists(), !steps.endsWith(QStringLiteral("plan open")));
    if (file.exists()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(file.readAll())[QLatin1String("plans")].toArray().size(),
                 plans.size());
    }

    QCOMPARE(misnamed(window, "plan"), QString());
    QVERIFY(window->close());
    QCOMPARE(plan_window(), window);
}

void TestPlanWindow::plan_totals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows");   // as in plan_add
    QTest::addColumn<QStringList>("water");  // element, mg/l; the empty row last
    QTest::addColumn<QStringList>("totals"); // row, a week, from, to

    const QStringList alpha{"tank 100", "value 1", "calculate", "plan add"};
    // Alpha: Fe 1 and K 5 mg/ml; 20 ml in 100 l, half the water changed weekly.
    QTest::newRow("as added") << alpha << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"}
                              << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    QTest::newRow("a dose edited in place")
        << alpha + QStringList{"plan dose 0 12.5"}
        << QStringList{"Alpha|Готовое|12.5|мл|Сб|12.5 мл|"} << QStringList{"|"}
        << QStringList{"Fe|0.125|0.125|0.25", "K|0.625|0.625|1.25"};
    // A comma is the decimal point whatever the locale; a figure that is no
    // number, or beyond the limits, is refused and the status says why.
    QTest::newRow("a comma is the decimal point, never thousands")
        << alpha + QStringList{"plan dose 0 2,500", "plan says"}
        << QStringList{"Alpha|Готовое|2.5|мл|Сб|2.5 мл|"} << QStringList{"|"}
        << QStringList{"Fe|0.025|0.025|0.05", "K|0.125|0.125|0.25"};
    QTest::newRow("grouped digits and doses beyond the limit refused, with the reason")
        << alpha + QStringList{"plan dose 0 1,000,5",
                               "plan says Доза «1,000,5» не принята: это не число.",
                               "plan dose 0 99999999",
                               "plan says Доза «99999999» не принята: в неделю — больше 0 и не "
                               "больше 100000 мл.",
                               "plan dose 0 1e308",
                               "plan says Доза «1e308» не принята: в неделю — больше 0 и не больше "
                               "100000 мл.",
                               "plan day 0 Пн",
                               "plan says"}
        << QStringList{"Alpha|Готовое|20|мл|Пн Сб|10 мл|"} << QStringList{"|"}
        << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    QTest::newRow("new water beyond the limit refused, with the reason")
        << alpha + QStringList{"plan water Ca 20000",
                               "plan says «20000» не принято: новая вода приносит от 0 до 10000 "
                               "мг/л."}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"} << QStringList{"Ca|0", "|"}
        << QStringList{"Ca|0|0|0", "Fe|0.2|0.2|0.4", "K|1|1|2", "GH, °dH|0|0|0"};
    QTest::newRow("a dose and new water kept beyond the limits count for nothing")
        << QStringList{"plan stored-huge", "plan open"}
        << QStringList{"Alpha — доза вне пределов: больше 100000|Готовое|> 100000|мл|Сб|—|"}
        << QStringList{"Ca|20000", "|"} << QStringList();
    QTest::newRow("until they are corrected")
        << QStringList{"plan stored-huge", "plan open", "plan dose 0 20", "plan water-at 0 20"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"} << QStringList{"Ca|20", "|"}
        << QStringList{"Ca|0|20|20", "Fe|0.2|0.2|0.4", "K|1|1|2", "GH, °dH|0|2.8|2.8"};
    QTest::newRow("a dose that is no number above 0 is refused")
        << alpha + QStringList{"plan dose 0 -1", "plan dose 0 0"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"} << QStringList{"|"}
        << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    QTest::newRow("days ticked split the dose; two weeks between changes")
        << alpha + QStringList{"plan day 0 Пн", "plan day 0 Ср", "plan every 14"}
        << QStringList{"Alpha|Готовое|20|мл|Пн Ср Сб|6.67 мл|"} << QStringList{"|"}
        << QStringList{"Fe|0.2|0.4|0.8", "K|1|2|4"};
    QTest::newRow("no day ticked: the row adds nothing")
        << alpha + QStringList{"plan day 0 Сб"} << QStringList{"Alpha|Готовое|20|мл||—|"}
        << QStringList{"|"} << QStringList();
    QTest::newRow("no water changed: no limit")
        << alpha + QStringList{"plan change 0"} << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|"}
        << QStringList{"|"}
        << QStringList{"Fe|0.2|без предела|без предела", "K|1|без предела|без предела"};
    // Urea: N 0.4665; the new water's nitrate counts as its nitrogen.
    QTest::newRow("new water, an ion and the hardness")
        << QStringList{"kind rbdiy",       "entry 1",         "method 1",       "tank 100",
                       "value 100",        "calculate",       "plan add",       "plan water NO3 10",
                       "plan water Ca 20", "plan water Xx 1", "plan water Ca 5"}
        << QStringList{"Urea|Самомес|100|мг|Сб|100 мг|—"} << QStringList{"NO3|10", "Ca|20", "|"}
        << QStringList{"Ca|0|20|20", "N|0.467|2.73|3.19", "NO3 (из N)|2.07|12.1|14.1",
                       "GH, °dH|0|2.8|2.8"};
    QTest::newRow("a row removed with Delete")
        << alpha + QStringList{"kind rbdiy", "entry 1",  "method 1",     "value 100",
                               "calculate",  "plan add", "plan remove 0"}
        << QStringList{"Urea|Самомес|100|мг|Сб|100 мг|—"} << QStringList{"|"}
        << QStringList{"N|0.467|0.467|0.933", "NO3 (из N)|2.07|2.07|4.13"};
    QTest::newRow("an entry the catalogues no longer have")
        << QStringList{"plan stored", "plan open", "plan day 1 Пн"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|",
                       "Gone — нет в каталоге|Готовое|5|мл|Сб|5 мл|"}
        << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    // K2SO4: K 0.5, S 0.1; Gamma: N 3, P 1 mg/ml. The chart is drawn again at
    // every add, the interval and weeks changed, rows ticked and unticked: K,
    // N, P and SO4 are left on it.
    QTest::newRow("three adds, new settings, rows ticked: the chart as drawn once")
        << QStringList{"kind rbdiy",    "entry 0",       "method 1",      "tank 100",
                       "value 50",      "calculate",     "plan add",      "kind rbpremix",
                       "entry 0",       "method 0",      "value 1",       "calculate",
                       "plan add",      "entry 2",       "method 1",      "value 5",
                       "calculate",     "plan add",      "plan every 14", "plan every 7",
                       "plan weeks 20", "plan tick SO4", "plan tick Fe"}
        << QStringList{"K2SO4|Самомес|50|мг|Сб|50 мг|ложкой не отмерить: 0.05 г",
                       "Alpha|Готовое|20|мл|Сб|20 мл|", "Gamma|Готовое|5|мл|Сб|5 мл|"}
        << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4",  "K|1.25|1.25|2.5",
                                           "N|0.15|0.15|0.3", "NO3 (из N)|0.664|0.664|1.33",
                                           "P|0.05|0.05|0.1", "PO4 (из P)|0.153|0.153|0.307",
                                           "S|0.05|0.05|0.1", "SO4 (из S)|0.15|0.15|0.3"};
    // The chart drawn again keeps the lines before the first that changed:
    // K taken off between Fe and N; Alpha's days off and on again take Fe
    // off the front and put it back.
    QTest::newRow("a line off the middle, a day's lines off and back: the chart as drawn once")
        << alpha + QStringList{"entry 2",  "method 1",    "value 5",       "calculate",
                               "plan add", "plan tick K", "plan day 0 Сб", "plan day 0 Пн"}
        << QStringList{"Alpha|Готовое|20|мл|Пн|20 мл|", "Gamma|Готовое|5|мл|Сб|5 мл|"}
        << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4",  "K|1|1|2",
                                           "N|0.15|0.15|0.3", "NO3 (из N)|0.664|0.664|1.33",
                                           "P|0.05|0.05|0.1", "PO4 (из P)|0.153|0.153|0.307"};
    // K2SO4 at 6 g a level teaspoon: 0.9 g is ⅛ tsp less 17 %, and so is
    // 0.45 g each of two days of 1/16 tsp; 0.75 g is ⅛ tsp.
    QTest::newRow("a dry compound in spoons")
        << QStringList{"kind rbdiy",      "entry 0",
                       "method 1",        "tank 100",
                       "value 900",       "calculate",
                       "plan add",        "plan spoons 0 ≈ ⅛ ч. л., -17 %",
                       "plan day 0 Ср",   "plan spoons 0 ≈ 1/16 ч. л., -17 %",
                       "plan dose 0 1500"}
        << QStringList{"K2SO4|Самомес|1500|мг|Ср Сб|750 мг|⅛ ч. л."} << QStringList{"|"}
        << QStringList{"K|7.5|7.5|15", "S|1.5|1.5|3", "SO4 (из S)|4.49|4.49|8.99"};
    // Only Fe drawn: a dose of K2SO4 changes the totals and leaves the chart.
    QTest::newRow("a dose of an item the chart does not draw")
        << alpha + QStringList{"kind rbdiy", "entry 0",  "method 1",    "value 50",
                               "calculate",  "plan add", "plan tick K", "plan dose 1 100"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл|",
                       "K2SO4|Самомес|100|мг|Сб|100 мг|ложкой не отмерить: 0.1 г"}
        << QStringList{"|"}
        << QStringList{"Fe|0.2|0.2|0.4", "K|1.5|1.5|3", "S|0.1|0.1|0.2",
                       "SO4 (из S)|0.3|0.3|0.599"};
}

void TestPlanWindow::plan_totals()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, water);
    QFETCH(QStringList, totals);

    // A line keeps its colour while the plan changes around it; the lines
    // drawn together differ, and none is the green of the reference element.
    QHash<QString, QColor> colours;
    for (const QString &step : steps) {
        run({step});
        const QWidget *window = plan_window();
        QSet<QRgb> used;
        for (QAbstractSeries *series :
             window
                 ? window->findChild<QChartView *>(QStringLiteral("plan_chart"))->chart()->series()
                 : QList<QAbstractSeries *>()) {
            const QColor colour = qobject_cast<QLineSeries *>(series)->pen().color();
            QVERIFY2(colours.value(series->name(), colour) == colour,
                     qPrintable(series->name() + QStringLiteral(" after ") + step));
            colours.insert(series->name(), colour);
            QVERIFY(colour != QColor(85, 170, 127));
            QVERIFY2(!used.contains(colour.rgb()), qPrintable(series->name()));
            used.insert(colour.rgb());
        }
    }
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = plan_window();
    QVERIFY(window);
    auto *items = window->findChild<QTableWidget *>(QStringLiteral("plan_items"));
    QCOMPARE(table_rows(items), rows);
    // A dry compound's spoons say what they rest on, or how to add a figure.
    for (int row = 0; row < items->rowCount(); ++row) {
        const QString tip = items->item(row, 12)->toolTip();
        QCOMPARE(tip.isEmpty(), items->item(row, 3)->text() != QStringLiteral("мг"));
        QCOMPARE(tip.contains(QStringLiteral("«Взвесить 10 ложек»")),
                 items->item(row, 12)->text() == QStringLiteral("—"));
    }
    QCOMPARE(table_rows(window->findChild<QTableWidget *>(QStringLiteral("plan_water"))), water);
    auto *shown = window->findChild<QTableWidget *>(QStringLiteral("plan_totals"));
    QCOMPARE(table_rows(shown), totals);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("plan_chart")));

    // «Копировать» puts the same figures on the clipboard, a cell a tab.
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_copy")),
                      Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    for (const QString &total : totals)
        QVERIFY2(copied.contains(QString(total).replace(QLatin1Char('|'), QLatin1Char('\t'))),
                 qPrintable(copied));

    // The chart holds what the same plan drawn once, after a restart, holds:
    // its texts, and each line's points, in the same order.
    const QString plan =
        window->findChild<QComboBox *>(QStringLiteral("plan_choice"))->currentText();
    const QStringList drawn = chart_texts(window);
    const QStringList lines = chart_lines(window);
    QVERIFY(f.reopen());
    plan_step(QStringLiteral("open"));
    QCOMPARE(plan_window()->findChild<QComboBox *>(QStringLiteral("plan_choice"))->currentText(),
             plan);
    QCOMPARE(drawn, chart_texts(plan_window()));
    QCOMPARE(lines, chart_lines(plan_window()));
}

void TestPlanWindow::plan_reading_data()
{
    QTest::addColumn<QStringList>("steps");
    // Each row of the totals: name, from, to, the method's target, and the
    // colours of from and to (b below, g within, o above, r over the ceiling,
    // - none).
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QString>("warnings");
    // The methods to choose from, and what resting the mouse on them says
    // ("%1" the settings folder).
    QTest::addColumn<QString>("methods");

    // Alpha 20 ml: Fe 0.2 – 0.4, K 1 – 2; Gamma 5 ml: N 0.15 – 0.3, P 0.05 – 0.1.
    const QStringList both{"tank 100", "value 1", "calculate", "plan add", "entry 2",
                           "method 1", "value 5", "calculate", "plan add"};
    QTest::newRow("below, straddling, above, within")
        << both + QStringList{"plan method Method"}
        << QStringList{"Fe|0.2|0.4|0.5 – 1|bb",    "K|1|2|1.5 – 3|bg",
                       "N|0.15|0.3||--",           "NO3 (из N)|0.664|1.33|0.1 – 0.5|oo",
                       "P|0.05|0.1|0.01 – 0.2|gg", "PO4 (из P)|0.153|0.307||--"}
        << ""
        << "Без сравнения|Method: made up for the tests";
    QTest::newRow("no changes: above, and no end")
        << both + QStringList{"plan method Method", "plan change 0"}
        << QStringList{"Fe|без предела|без предела|0.5 – 1|oo",
                       "K|без предела|без предела|1.5 – 3|oo",
                       "N|без предела|без предела||--",
                       "NO3 (из N)|без предела|без предела|0.1 – 0.5|oo",
                       "P|без предела|без предела|0.01 – 0.2|oo",
                       "PO4 (из P)|без предела|без предела||--"}
        << ""
        << "Без сравнения|Method: made up for the tests";
    // The ceiling: W + A ÷ f at most 0.3, with A from Alpha alone: 15 ml.
    QTest::newRow("a ceiling one item can keep")
        << QStringList{"tank 100", "value 1", "calculate", "plan add", "plan livestock Shrimp"}
        << QStringList{"Fe|0.2|0.4||-r", "K|1|2||--"}
        << "Fe: до 0.4 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha: не больше 15 "
           "мл в неделю"
        << "Без сравнения|Method: ";
    QTest::newRow("a ceiling the new water alone goes over")
        << QStringList{"tank 100",
                       "value 1",
                       "calculate",
                       "plan add",
                       "plan livestock Shrimp",
                       "plan water Fe 0.35"}
        << QStringList{"Fe|0.55|0.75||-r", "K|1|2||--"}
        << "Fe: до 0.75 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha, но и без "
           "него уровень выше"
        << "Без сравнения|Method: ";
    QTest::newRow("the method's water change, then the ceiling")
        << QStringList{"tank 100",
                       "value 1",
                       "calculate",
                       "plan add",
                       "plan method Method",
                       "plan method-water",
                       "plan livestock Shrimp"}
        << QStringList{"Fe|0.933|1.33|0.5 – 1|gr", "K|4.67|6.67|1.5 – 3|oo"}
        << "Fe: до 1.33 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha: не больше "
           "4.5 мл в неделю"
        << "Без сравнения|Method: made up for the tests";
    // Alpha on Saturdays and Wednesdays from 21 November, 30 % changed each
    // Saturday; the tank takes 0.1 mg/l of K a day, and the readings say so.
    // With it, K settles where x = 0.7 (x + 1 − 0.7): from 0.7, and up to 1.3
    // after Wednesday's 0.5. «от» at 1.5 takes 1.34 mg/l a week, 26.9 ml.
    const QStringList taken{"tank 100",
                            "value 1",
                            "calculate",
                            "plan add",
                            "plan day 0 Ср",
                            "plan change 30",
                            "plan start 2026-11-21",
                            "plan method Method",
                            "plan log-tab",
                            "plan log 2026-11-22 K 0.4",
                            "plan log 2026-11-25 K 0.1",
                            "plan log 2026-11-28 K 0.3",
                            "plan log 2026-12-02 K 0.31",
                            "plan log 2026-12-05 K 0.51"};
    QTest::newRow("the log's uptake, not used")
        << taken << QStringList{"Fe|0.467|0.667|0.5 – 1|bg", "K|2.33|3.33|1.5 – 3|go"} << ""
        << "Без сравнения|Method: made up for the tests";
    QTest::newRow("the log's uptake used: lower, and below")
        << taken + QStringList{"plan log-use"}
        << QStringList{"Fe|0.467|0.667|0.5 – 1|bg", "K|0.7|1.3|1.5 – 3|bb"} << ""
        << "Без сравнения|Method: made up for the tests";
    // The readings keep the doses they were taken under: taken again, the
    // advice is the dose it gave.
    QTest::newRow("the dose that holds the range taken, twice")
        << taken + QStringList{"plan log-use", "plan log-accept 0", "plan log-accept 0"}
        << QStringList{"Fe|0.628|0.897|0.5 – 1|gg", "K|1.51|2.45|1.5 – 3|gg"} << ""
        << "Без сравнения|Method: made up for the tests";
    QTest::newRow("a targets file that cannot be read: nothing to compare with")
        << QStringList{"targets [{", "tank 100", "value 1", "calculate", "plan add"}
        << QStringList{"Fe|0.2|0.4||--", "K|1|2||--"} << ""
        << "Без сравнения: %1/targets.json:1:2: файл обрывается: объект не закрыт, не хватает }";
}

void TestPlanWindow::plan_reading()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, totals);
    QFETCH(QString, warnings);
    QFETCH(QString, methods);

    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = plan_window();
    const auto *list = window->findChild<QComboBox *>(QStringLiteral("plan_method"));
    QCOMPARE(f.items(list).join(QLatin1Char('|')) + QStringLiteral(": ") + list->toolTip(),
             methods.arg(QDir::currentPath() + QStringLiteral("/settings")));
    const auto *table = window->findChild<QTableWidget *>(QStringLiteral("plan_totals"));
    const auto colour = [](const QTableWidgetItem *_cell) {
        const QVariant brush = _cell->data(Qt::ForegroundRole);
        if (!brush.isValid())
            return QLatin1Char('-');
        const QColor shown = brush.value<QBrush>().color();
        return shown == QColor(85, 85, 255)    ? QLatin1Char('b')
               : shown == QColor(85, 170, 127) ? QLatin1Char('g')
               : shown == QColor(230, 120, 30) ? QLatin1Char('o')
               : shown == QColor(204, 0, 0)    ? QLatin1Char('r')
                                               : QLatin1Char('?');
    };
    QStringList shown;
    const bool target = table->columnCount() == 5;
    for (int row = 0; row < table->rowCount(); ++row)
        shown << QStringList{table->item(row, 0)->text(), table->item(row, 2)->text(),
                             table->item(row, 3)->text(),
                             target ? table->item(row, 4)->text() : QString(),
                             QString(colour(table->item(row, 2))) + colour(table->item(row, 3))}
                     .join(QLatin1Char('|'));
    QCOMPARE(shown, totals);
    if (target)
        QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("Цель, мг/л"));
    const auto *said = window->findChild<QLabel *>(QStringLiteral("plan_warnings"));
    QCOMPARE(said->text(), warnings);
    QCOMPARE(said->isVisible(), !warnings.isEmpty());

    // The picture has a line for each row with a target.
    QStringList drawn;
    for (const Plan_Book::Band_Row &row : window->findChild<Plan_Bands *>()->rows())
        drawn << row.label;
    QStringList targeted;
    for (const QString &row : totals)
        if (!row.section(QLatin1Char('|'), 3, 3).isEmpty())
            targeted << row.section(QLatin1Char('|'), 0, 0);
    QCOMPARE(drawn, targeted);
}

void TestPlanWindow::plan_sheet_data()
{
    // Steps as in run(); then, in the program's language, what the sheet and
    // the copied text both say (blanks and line breaks as one blank), what
    // neither does, how many pages the grid takes at least, and the grid's
    // header and rows, cells between "|" (none to compare where empty).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("unsaid");
    QTest::addColumn<int>("grid_pages");
    QTest::addColumn<QStringList>("grid");

    const QStringList alpha{"tank 100", "value 1", "calculate", "plan add"};
    // Bottle 10 ml a week on Saturday, Monday and Wednesday, a solution of
    // K2SO4 5 g in 1000 ml 40 ml on Saturday; K2SO4 at 6 g a level teaspoon.
    const QStringList bottles{"tank 100",  "entry 5",    "method 1",      "value 10",
                              "calculate", "plan add",   "kind rbdiysol", "entry 0",
                              "method 0",  "water 1000", "grams 5",       "value 1",
                              "calculate", "plan add",   "plan day 0 Пн", "plan day 0 Ср"};
    QTest::newRow("a recipe and a solution against a method and a livestock")
        << bottles + QStringList{"plan method Method", "plan livestock Shrimp"} << false
        << QStringList{"Аквариум 100 л",
                       "Подмена воды: 50 % каждые 7 дн., первая в Сб",
                       "Метод: Method — Fe 0.5 – 1, K 1.5 – 3, NO3 0.1 – 0.5, P 0.01 – 0.2 мг/л",
                       "Пределы: Shrimp — Fe до 0.3 мг/л",
                       "Подмены и дозы каждую неделю в те же дни.",
                       "Каждая неделя: подмена Сб",
                       "3.33 мл",
                       "40 мл",
                       "K2SO4 (5 г в 1000 мл)",
                       "Цель, мг/л",
                       "Предел, мг/л",
                       "1.5 – 3",
                       "CaCl2 — 1 г",
                       "K2SO4 — 10 г (≈ 1½ ч. л., -10 %)",
                       "Na2SO4 — 1 г",
                       "Вода: 1000 мл",
                       "K2SO4 — 5 г (≈ ¾ ч. л., -10 %)",
                       "мг/мл: K 2.5, S 0.5",
                       "бутылки хватит на 100 недель",
                       "бутылки хватит на 25 недель",
                       "a test of its own"}
        << QStringList{"▲", "Неделя 1"} << 1
        << QStringList{"Удобрение|Сб|Вс|Пн|Вт|Ср|Чт|Пт", "Bottle|3.33 мл||3.33 мл||3.33 мл||",
                       "K2SO4 (5 г в 1000 мл)|40 мл||||||"};
    // The last reading of each element, and of what the plan does not bring.
    QTest::newRow("the last readings beside the plan's figures")
        << alpha + QStringList{"plan start 2026-11-21", "plan log-tab", "plan log 2026-11-28 K 1.2",
                               "plan log 2026-12-05 K 0.9", "plan log 2026-12-01 Ca 20"}
        << false << QStringList{"Измерено", "0.9 (05.12)", "Измерено, в плане нет: Ca 20 (01.12)"}
        << QStringList{"1.2 (28.11)"} << 1 << QStringList();
    // Day 0, the first change, a Saturday; then every 30 days.
    QTest::newRow("a change every 30 days: 4 weeks of 30")
        << alpha + QStringList{"plan every 30"} << false
        << QStringList{"Подмены и дозы повторяются через 30 недель; неделя 1 начинается с первой "
                       "подмены, здесь первые 4 недели.",
                       "Неделя 1 (дни 1–7): подмена Сб", "Неделя 2 (дни 8–14): без подмены",
                       "Неделя 4 (дни 22–28): без подмены",
                       "Недели 5–30: дозы те же, подмены: неделя 5 Пн, неделя 9 Ср, неделя 13 Пт, "
                       "неделя 18 Вс, неделя 22 Вт, неделя 26 Чт. После недели 30 всё повторяется "
                       "с недели 1."}
        << QStringList{"Неделя 5 ("} << 1 << QStringList();
    QTest::newRow("every 10 days: 4 weeks of 10")
        << alpha + QStringList{"plan every 10"} << false
        << QStringList{"Подмена воды: 50 % каждые 10 дн., первая в Сб",
                       "Неделя 1 (дни 1–7): подмена Сб",
                       "Неделя 2 (дни 8–14): подмена Вт",
                       "Неделя 3 (дни 15–21): подмена Пт",
                       "Неделя 4 (дни 22–28): без подмены",
                       "Недели 5–10: дозы те же, подмены: неделя 5 Пн, неделя 6 Чт, неделя 8 Вс, "
                       "неделя 9 Ср."}
        << QStringList{"Неделя 5 ("} << 1 << QStringList();
    // The first change on a Wednesday, Alpha still on Saturdays.
    QTest::newRow("every 3 days from a Wednesday: three weeks, some with three changes")
        << alpha + QStringList{"plan every 3", "plan change_day Ср"} << false
        << QStringList{"Подмена воды: 50 % каждые 3 дн., первая в Ср",
                       "Подмены и дозы повторяются через 3 недели; неделя 1 начинается с первой "
                       "подмены.",
                       "Неделя 1 (дни 1–7): подмена Ср, Сб, Вт",
                       "Неделя 2 (дни 8–14): подмена Пт, Пн",
                       "Неделя 3 (дни 15–21): подмена Чт, Вс"}
        << QStringList{"Неделя 4", "Недели 4"} << 1
        << QStringList{"Удобрение|Ср|Чт|Пт|Сб|Вс|Пн|Вт", "Alpha||||20 мл|||"};
    QTest::newRow("no changes: no day marked")
        << alpha + QStringList{"plan change 0"} << false
        << QStringList{"Подмена воды: нет", "Подмен воды нет: каждая неделя одна и та же.",
                       "Каждая неделя: без подмены", "без предела"}
        << QStringList{"подмена", "каждые"} << 1
        << QStringList{"Удобрение|Пн|Вт|Ср|Чт|Пт|Сб|Вс", "Alpha||||||20 мл|"};
    // W + A ÷ f: Fe from 0.2 to 0.4, over the ceiling of 0.3 only at the top.
    QTest::newRow("a ceiling exceeded: marked, said under the totals")
        << alpha + QStringList{"plan livestock Shrimp"} << false
        << QStringList{"0.4 ▲", "▲ — выше предела для «Shrimp»",
                       "Fe: до 0.4 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha: не "
                       "больше 15 мл в неделю"}
        << QStringList{"0.2 ▲"} << 1 << QStringList();
    // Ten salts by their formulas, each of the twelve elements in 100 ml,
    // beside another label and above a third: a label that overflowed would
    // run into the one below.
    const QString ten =
        R"(editor file recipes.json [{"name": "Ten", "water_ml": 100, "target": "N",
        "compounds": {"KNO3": 2, "KH2PO4": 1, "MgSO4": 1, "Ca(NO3)2": 1, "FeSO4": 0.1,
        "MnSO4": 0.1, "ZnSO4": 0.1, "CuSO4": 0.1, "H3BO3": 0.1, "MoO3": 0.1},
        "source": "a recipe of ten salts, to see that a label holds all of it: every salt, the water, each element's mg/ml, how long the bottle lasts, the line for the date and this source"}])";
    QTest::newRow("a label of ten salts and twelve elements, whole")
        << QStringList{ten, "tank 100", "entry 6", "method 1", "value 3", "calculate", "plan add"} +
               bottles.mid(1)
        << false
        << QStringList{"KNO3 — 2 г",
                       "KH2PO4 — 1 г",
                       "MgSO4 — 1 г",
                       "Ca(NO3)2 — 1 г",
                       "FeSO4 — 0.1 г",
                       "MnSO4 — 0.1 г",
                       "ZnSO4 — 0.1 г",
                       "CuSO4 — 0.1 г",
                       "H3BO3 — 0.1 г",
                       "MoO3 — 0.1 г",
                       "Вода: 100 мл",
                       "мг/мл: B 0.175, Ca 2.44, Cu 0.398, Fe 0.368, K 10.6, Mg 2.02, Mn 0.364, "
                       "Mo 0.667, N 4.48, P 2.28, S 3.49, Zn 0.405",
                       "бутылки хватит на 33 недели",
                       "бутылки хватит на 100 недель",
                       "to see that a label holds all of it: every salt, the water, each element's "
                       "mg/ml, how long the bottle lasts, the line for the date and this source"}
        << QStringList() << 1 << QStringList();
    // Sixty solutions a week: more rows than a page holds.
    QString sixty;
    for (int grams = 1; grams <= 60; ++grams)
        sixty += QStringLiteral(R"(%1{"kind": "diy_sol", "name": "K2SO4", "grams": %2, )"
                                R"("water_ml": 1000, "weekly_dose": 10, "days": [1, 4]})")
                     .arg(grams > 1 ? ", " : "")
                     .arg(grams);
    QTest::newRow("a grid over two pages, its header on each")
        << QStringList{R"(plan file {"version": 1, "plans": [{"name": "Sixty", "tank_l": 100, )"
                       R"("items": [)" +
                           sixty + "]}]}",
                       "plan open"}
        << false << QStringList{"K2SO4 (1 г в 1000 мл)", "K2SO4 (60 г в 1000 мл)"} << QStringList()
        << 2 << QStringList();
    QTest::newRow("a bottle that does not last a week, said beside it")
        << bottles.mid(0, 6) + QStringList{"plan dose 0 1200",
                                           "plan item 0 Bottle — бутылки не хватит на неделю: в "
                                           "неделю 1200 мл, в бутылке 1000 мл"}
        << false
        << QStringList{"Bottle — бутылки не хватит на неделю: в неделю 1200 мл, в бутылке 1000 мл"}
        << QStringList{"бутылки хватит"} << 1 << QStringList();
    QTest::newRow("in English, the salts by their English names")
        << QStringList{R"(editor file compounds.json [{"name": "K2SO4", "name_en": "Potassium )"
                       R"(sulfate", "target": "K", "K": 0.5, "S": 0.1, "sol": 111}])"} +
               bottles
        << true
        << QStringList{"Water change: 50 % every 7 days, first on Sat",
                       "Changes and doses fall on the same days every week.",
                       "Every week: change on Sat",
                       "Potassium sulfate (5 g in 1000 ml)",
                       "Potassium sulfate — 10 g",
                       "Potassium sulfate — 5 g",
                       "a bottle lasts 100 weeks",
                       "Prepared:"}
        << QStringList{"Приготовлено", "K2SO4", "Подмена"} << 1 << QStringList();
}

// The sheet saved as a PDF and read back as text, and the same plan copied.
void TestPlanWindow::plan_sheet()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, english);
    QFETCH(QStringList, said);
    QFETCH(QStringList, unsaid);
    QFETCH(int, grid_pages);
    QFETCH(QStringList, grid);

    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty())
        QSKIP("pdftotext (poppler-utils) reads the PDF back");
    const auto keeps_russian = qScopeGuard([] {
        Language::apply(Language::russian);
        QFile::remove(Language::settings_file());
    });
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    if (english)
        f.window->findChild<QAction *>(QStringLiteral("actionEnglish"))->trigger();
    QWidget *window = plan_window();

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    QTimer::singleShot(0, window, [pdf] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(pdf);
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_pdf")), Qt::LeftButton);
    QVERIFY(QFileInfo(pdf).size() > 0);
    const auto read = [&](const QStringList &_options) {
        QProcess text;
        text.start(reader, _options + QStringList{pdf, QStringLiteral("-")});
        text.waitForFinished(30000);
        return text.exitCode() == 0 ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    };
    const QString sheet = read({});
    QVERIFY(!sheet.isEmpty());
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_copy")),
                      Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    for (const QString &text : said) {
        QVERIFY2(sheet.simplified().contains(text), qPrintable(text + " not in:\n" + sheet));
        QVERIFY2(copied.simplified().contains(text), qPrintable(text + " not in:\n" + copied));
    }
    for (const QString &text : unsaid) {
        QVERIFY2(!sheet.contains(text), qPrintable(text + " in:\n" + sheet));
        QVERIFY2(!copied.contains(text), qPrintable(text + " in:\n" + copied));
    }

    const Plan_Book::Sheet content = qobject_cast<Plan_Window *>(window)->model().sheet();
    if (!grid.isEmpty()) {
        QStringList drawn{content.grid_header.join(QLatin1Char('|'))};
        for (const QStringList &row : content.grid)
            drawn << row.join(QLatin1Char('|'));
        QCOMPARE(drawn, grid);
    }

    // Every page that shows a week of the grid or a row of the totals shows
    // that table's header; every label has its line for the date.
    int on_pages = 0;
    for (const QString &page : sheet.split(QLatin1Char('\f'))) {
        const QString flat = page.simplified();
        const auto shows = [&](const QString &_text) { return flat.contains(_text.simplified()); };
        if (std::any_of(content.weeks.begin(), content.weeks.end(),
                        [&](const Plan_Book::Sheet::Week &_week) { return shows(_week.title); })) {
            ++on_pages;
            for (const QString &header : content.grid_header)
                QVERIFY2(shows(header), qPrintable(header + " not on:\n" + page));
        }
        for (const QStringList &row : content.totals) {
            // A row such as «SO4 (из S)» that no warning names.
            const bool own = row.value(0).contains(QLatin1Char(' ')) &&
                             !content.warnings.join(QLatin1Char(' ')).contains(row.value(0));
            if (!own || !shows(row.value(0)))
                continue;
            for (const QString &header : content.totals_header)
                QVERIFY2(shows(header), qPrintable(header + " not on:\n" + page));
        }
    }
    QVERIFY2(on_pages >= grid_pages, qPrintable(QString::number(on_pages)));
    if (!content.labels.isEmpty())
        QCOMPARE(sheet.count(content.labels.first().made.section(QLatin1Char(' '), 0, 0)),
                 content.labels.size());
    // Nothing is drawn over anything else.
    QCOMPARE(words_over_words(read({QStringLiteral("-bbox")})), QString());
}

void TestPlanWindow::plan_log_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows"); // the log's table, the row to type into last
    QTest::addColumn<QStringList>("chart");
    QTest::addColumn<QString>("said"); // the status, or what an import showed
    QTest::addColumn<QString>("next"); // when the next change is due

    // Alpha 20 ml on Saturdays in 100 l: K 1 mg/l a week; half the water
    // every Saturday from 21 November; today Saturday 5 December.
    const QStringList alpha{
        "tank 100", "value 1", "calculate", "plan add", "plan start 2026-11-21", "plan log-tab"};
    QTest::newRow("a reading and a change typed")
        << alpha + QStringList{"plan log 2026-11-28 K 1.2 JBL", "plan log 2026-11-28 change 100",
                               "plan log 2026-12-05 K 0.9"}
        << QStringList{"28.11.2026|Показание|K|1.2|1|+0.2 (+20 %)|JBL",
                       "28.11.2026|Подмена воды||100 %|||",
                       "05.12.2026|Показание|K|0.9|1|-0.1 (-10 %)|", "05.12.2026|Показание|||||"}
        << QStringList{"K", "K_readings 28.11 1.2 05.12 0.9", "changes 28.11 0"} << ""
        << "2026-11-21 Сб|Следующая подмена: сб 05.12";
    QTest::newRow("refused in place")
        << alpha +
               QStringList{"plan log-cell new 0 2026-12-06",
                           "plan says «06.12.2026» не принято: показание не может быть снято "
                           "позже сегодняшнего дня.",
                           "plan log-cell new 2 Xx",
                           "plan says «Xx» не принято: это не элемент, не NO3, PO4 или SO4 и не "
                           "GH.",
                           "plan log-cell new 3 20000",
                           "plan says «20000» не принято: показание — от 0 до 10000.",
                           "plan log 2026-12-01 NO3-N 4.5",
                           "plan log-cell 0 0 2026-12-07"}
        << QStringList{"01.12.2026|Показание|N (NO3-N)|4.5|0|+4.5|", "05.12.2026|Показание|||||"}
        << QStringList{"N", "N_readings 01.12 4.5"}
        << "«07.12.2026» не принято: показание не может быть снято позже сегодняшнего дня."
        << "2026-11-21 Сб|Следующая подмена: сб 05.12";
    // After the logged change, on Tuesday, the schedule goes on from it.
    QTest::newRow("imported over what was typed, exported, removed and imported again")
        << alpha + QStringList{"plan log 2026-11-28 K 1.2 JBL",
                               "plan log-import date;what;key;value;note\\n2026-11-28;reading;K;1,"
                               "5;Tetra\\n2026-12-01;change;;30;",
                               "plan says Импортировано записей: 2, из них заменено: 1.",
                               "plan log-export",
                               "plan log-remove all",
                               "plan log-import-exported"}
        << QStringList{"28.11.2026|Показание|K|1.5|1|+0.5 (+50 %)|Tetra",
                       "01.12.2026|Подмена воды||30 %|||", "05.12.2026|Показание|||||"}
        << QStringList{"K", "K_readings 28.11 1.5", "changes 01.12 0"}
        << "Импортировано записей: 2, из них заменено: 0."
        << "2026-11-21 Сб|Следующая подмена: вт 08.12";
    QStringList bad{"plan log 2026-11-28 K 1.2"};
    bad << QStringLiteral("plan log-import date,what,key,value,note");
    QString listed;
    for (int line = 2; line <= 26; ++line) {
        bad.last() +=
            QStringLiteral("\\n2026-11-%1,reading,Xx,1,").arg(line, 2, 10, QLatin1Char('0'));
        if (line <= 21)
            listed += QStringLiteral("\nстрока %1: «Xx» — не элемент, не NO3, PO4 или SO4 и не GH")
                          .arg(line);
    }
    QTest::newRow("a file with 25 bad lines: nothing imported")
        << alpha + bad
        << QStringList{"28.11.2026|Показание|K|1.2|1|+0.2 (+20 %)|", "05.12.2026|Показание|||||"}
        << QStringList{"K", "K_readings 28.11 1.2"}
        << "Ничего не импортировано: в файле есть строки, которые не читаются." + listed +
               "\n…и ещё строк: 5."
        << "2026-11-21 Сб|Следующая подмена: сб 05.12";
    // The nearest Tuesday to the start; the change day of the start.
    QTest::newRow("the change day moves the start")
        << alpha + QStringList{"plan change_day Вт"} << QStringList{"05.12.2026|Показание|||||"}
        << QStringList{} << ""
        << "2026-11-24 Вт|Следующая подмена: вт 08.12";
    QTest::newRow("the start moves the change day")
        << alpha + QStringList{"plan start 2026-11-26"} << QStringList{"05.12.2026|Показание|||||"}
        << QStringList{} << ""
        << "2026-11-26 Чт|Следующая подмена: чт 10.12";
}

void TestPlanWindow::plan_log()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, chart);
    QFETCH(QString, said);
    QFETCH(QString, next);

    log_said.clear();
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = plan_window();
    const auto *log = window->findChild<QTableWidget *>(QStringLiteral("plan_log"));
    const auto *status = window->findChild<QLabel *>(QStringLiteral("plan_status"));
    QCOMPARE(table_rows(log), rows);
    QCOMPARE(log_chart(window), chart);
    QCOMPARE(log_said.isEmpty() && status->isVisible() ? status->text() : log_said, said);
    QCOMPARE(
        window->findChild<QDateEdit *>(QStringLiteral("plan_start"))->date().toString(Qt::ISODate) +
            QLatin1Char(' ') +
            window->findChild<QComboBox *>(QStringLiteral("plan_change_day"))->currentText() +
            QLatin1Char('|') +
            window->findChild<QLabel *>(QStringLiteral("plan_next_change"))->text(),
        next);

    // Kept with the plan: the same log after a restart.
    QVERIFY(f.reopen());
    plan_step(QStringLiteral("open"));
    QCOMPARE(table_rows(plan_window()->findChild<QTableWidget *>(QStringLiteral("plan_log"))),
             rows);
}

QTEST_MAIN(TestPlanWindow)
#include "tst_plan_window.moc"
