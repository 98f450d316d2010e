// SPDX-License-Identifier: GPL-3.0-or-later

// Throughput of the parts that run for every user: reading catalogues of 10 to
// 100,000 entries, the calculation of every element of a 20-element entry, a
// whole "Рассчитать" through the real window, a plan's totals and course, and
// the plan window's edits, drawn.

#include "app/mainwindow.h"
#include "app/plan_window.h"
#include "app/startup.h"
#include "catalogue/catalogue_reader.h"
#include "chemistry/compound.h"
#include "design/recipe_designer.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"
#include "plan/dosing_plan.h"
#include "plan/tank_log.h"
#include "plan/uptake_fit.h"
#include "ui_mainwindow.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

const char *const symbols[] = {"B",  "C", "Ca", "Cl", "Co", "Cu", "Fe", "K",  "Mg", "Mn",
                               "Mo", "N", "Na", "Ni", "P",  "S",  "Se", "Si", "Zn", "sol"};

// A catalogue of _count entries with _elements numeric members each, as a
// user's file would hold them: names, a target, a source text.
QByteArray catalogue(int _count, int _elements = 6)
{
    QByteArray text = "[\n";
    for (int i = 0; i < _count; ++i) {
        text += i ? ",\n  {" : "  {";
        text += "\"name\": \"Entry " + QByteArray::number(i) + "\", \"target\": \"Fe\"";
        for (int e = 0; e < _elements; ++e)
            text += ", \"" + QByteArray(symbols[e]) + "\": " + QByteArray::number(0.01 * (e + 1));
        text += ", \"source\": \"label quoted by a retailer\", \"checked\": \"2026-12-07\"}";
    }
    return text + "\n]\n";
}

// Catalogue sizes: from a short home list to far beyond any real one.
void entry_counts(benchmark::internal::Benchmark *_bench)
{
    for (const int count : {10, 1000, 10000, 100000})
        _bench->Arg(count);
    _bench->Unit(benchmark::kMicrosecond);
}

void read_catalogue_file(benchmark::State &_state)
{
    const int count = static_cast<int>(_state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("compounds.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(catalogue(count)) < 0)
        _state.SkipWithError("cannot write the catalogue");
    file.close();
    for (auto _ : _state) {
        Diy_Fertilizer fert;
        benchmark::DoNotOptimize(read_catalogue(path, &fert));
    }
    _state.SetItemsProcessed(_state.iterations() * count);
    _state.SetBytesProcessed(_state.iterations() * file.size());
}
BENCHMARK(read_catalogue_file)->Apply(entry_counts);

// What show_data(true) asks of the calculator for one entry: every element.
// Qt's JSON parser alone on the same catalogues: the share of the reading
// that is not ours.
void parse_json_only(benchmark::State &_state)
{
    const int count = static_cast<int>(_state.range(0));
    const QByteArray text = catalogue(count);
    for (auto _ : _state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(text).isArray());
    _state.SetItemsProcessed(_state.iterations() * count);
    _state.SetBytesProcessed(_state.iterations() * text.size());
}
BENCHMARK(parse_json_only)->Apply(entry_counts);

void calculate_20_elements(benchmark::State &_state)
{
    DiySol_Fertilizer fert;
    parse_catalogue(catalogue(1, 20), &fert);
    const int elements = fert.compound_at(0)->count_elements();
    const double values[4] = {100, 1000, 50000, 2};
    int method = 0;
    for (auto _ : _state) {
        for (int e = 0; e < elements; ++e)
            benchmark::DoNotOptimize(fert.calculate(method, 0, e, values, sizeof values));
        benchmark::DoNotOptimize(fert.result_message(method, 0));
        method ^= 1;
    }
    _state.SetItemsProcessed(_state.iterations() * elements);
}
BENCHMARK(calculate_20_elements)->Unit(benchmark::kMicrosecond);

// A whole request through the real window, offscreen: read the fields, check
// them, calculate, write the message and the table.
void show_data_in_window(benchmark::State &_state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("settings"));
    QFile file(dir.filePath(QStringLiteral("settings/compounds.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(catalogue(10, 20)) < 0)
        _state.SkipWithError("cannot write the catalogue");
    file.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    MainWindow window;
    start_main_window(window);
    window.ui->rbdiysol->click();
    window.ui->tank_vol->setText(QStringLiteral("100"));
    window.ui->val_methods->setText(QStringLiteral("2"));
    for (auto _ : _state)
        window.show_data(true);
    if (window.ui->tableWidget->rowCount() != 19 || window.ui->linfo->isHidden())
        _state.SkipWithError("the window did not calculate");
    QDir::setCurrent(previous);
}
BENCHMARK(show_data_in_window)->Unit(benchmark::kMicrosecond);

// The new water and 20 of the catalogue's products, "Entry 0" to "Entry 19",
// dosed on three days a week.
void twenty_items(Dosing_Plan *_plan)
{
    _plan->water = {{QStringLiteral("Ca"), 20, {}}, {QStringLiteral("NO3"), 5, {}}};
    for (int i = 0; i < 20; ++i) {
        Plan_Item item;
        item.kind = QStringLiteral("premix");
        item.name = QStringLiteral("Entry %1").arg(i);
        item.weekly = 1 + i;
        item.days = 0b0101001u << (i % 2);
        _plan->items.append(item);
    }
}

// What the plan window works out on every change: a plan of 20 products,
// each on three days, over 52 weeks with a change every 10 days (a cycle of
// 70 days): its totals with their bands, and the course of each row.
void plan_totals_and_course(benchmark::State &_state)
{
    Premix_Fertilizer products;
    parse_catalogue(catalogue(20), &products);
    Dosing_Plan plan;
    plan.weeks = 52;
    plan.change_every = 10;
    twenty_items(&plan);
    const Plan_Catalogues catalogues{&products, nullptr, nullptr};
    int rows = 0;
    for (auto _ : _state) {
        const QVector<Plan_Total> totals = Plan_Totals::of(plan, catalogues);
        rows = totals.size();
        for (const Plan_Total &total : totals)
            benchmark::DoNotOptimize(
                plan_levels::course(total.input, Plan_Totals::regime(plan), 7 * plan.weeks));
    }
    if (rows != 9)
        _state.SkipWithError("the plan did not give its rows");
}
BENCHMARK(plan_totals_and_course)->Unit(benchmark::kMicrosecond);

// What the log's tab works out on every change: a plan of 20 products (12
// elements each) started a year ago, with 200 log entries over that year (a
// reading of N, K, Fe or GH on most days it has one, a change every 7 to 10
// days): its totals, the prediction of every reading, and the course of each
// key read from the first entry to two weeks past the last, as the chart
// draws them.
void log_course_and_predictions(benchmark::State &_state)
{
    Premix_Fertilizer products;
    parse_catalogue(catalogue(20, 12), &products);
    Dosing_Plan plan;
    plan.change_every = 7;
    plan.change_day = 5;
    plan.start = QDate(2025, 12, 6);
    twenty_items(&plan);
    const QStringList keys{"N", "K", "Fe", "GH"};
    QDate day = plan.start;
    for (int i = 0; plan.log.size() < 200; ++i, day = day.addDays(2)) {
        Log_Entry entry;
        entry.date = day;
        entry.change = i % 4 == 3;
        entry.key = entry.change ? QString() : keys.at(i % keys.size());
        entry.value = entry.change ? 50 : 2 + i % 5;
        plan.log.append(entry);
    }
    const Plan_Catalogues catalogues{&products, nullptr, nullptr};
    int lines = 0;
    for (auto _ : _state) {
        const QVector<Plan_Total> totals = Plan_Totals::of(plan, catalogues);
        benchmark::DoNotOptimize(Tank_Log::predictions(totals, plan));
        const QDate last = plan.log.last().date.addDays(14);
        const QVector<double> changes = Tank_Log::changes(plan, last);
        lines = 0;
        for (const QString &key : keys) {
            const Plan_Total *total = Tank_Log::row(totals, key);
            const plan_levels::Input input = total ? total->input : plan_levels::Input();
            const Tank_Log::Course course = Tank_Log::course(input, plan, changes);
            benchmark::DoNotOptimize(
                Tank_Log::points(course, input, changes, plan.log.first().date));
            lines += total != nullptr;
        }
    }
    if (lines != 4 || plan.start.daysTo(day) < 365)
        _state.SkipWithError("the log did not cover its year and keys");
}
BENCHMARK(log_course_and_predictions)->Unit(benchmark::kMicrosecond);

// What the uptake tab fits on every change: six elements of a plan of 20
// products, read 60 times each over 26 weeks (an element every third day, at
// 70 % of what the plan predicts give or take 5 %), the water changed every
// week as logged.
void uptake_fit_six_elements(benchmark::State &_state)
{
    Premix_Fertilizer products;
    parse_catalogue(catalogue(20, 12), &products);
    Dosing_Plan plan;
    plan.start = QDate(2026, 6, 6);
    plan.change_day = 5;
    twenty_items(&plan);
    const QStringList keys{"N", "K", "Fe", "Ca", "Mg", "Mn"};
    for (int day = 0; day < 26 * 7; ++day) {
        for (int k = 0; k < keys.size(); ++k) {
            if ((day + k) % 3 == 0) {
                Log_Entry entry;
                entry.date = plan.start.addDays(day);
                entry.key = keys.at(k);
                plan.log.append(entry);
            }
        }
        if (day % 7 == 0) {
            Log_Entry change;
            change.date = plan.start.addDays(day);
            change.change = true;
            change.value = 50;
            plan.log.append(change);
        }
    }
    const Plan_Catalogues catalogues{&products, nullptr, nullptr};
    QVector<Plan_Total> totals = Plan_Totals::of(plan, catalogues);
    const QVector<double> predicted = Tank_Log::predictions(totals, plan);
    for (int i = 0; i < plan.log.size(); ++i) {
        if (!plan.log.at(i).change)
            plan.log[i].value = 0.7 * predicted.at(i) * (1 + 0.05 * std::sin(i));
    }
    int fitted = 0;
    for (auto _ : _state) {
        totals = Plan_Totals::of(plan, catalogues);
        const QVector<Uptake_Fit::Result> fits = Uptake_Fit::fit_all(totals, plan);
        fitted = 0;
        for (const Uptake_Fit::Result &fit : fits)
            fitted += fit.fitted && fit.readings >= 60 && fit.rate > 0;
        benchmark::DoNotOptimize(fits);
    }
    if (fitted != 6)
        _state.SkipWithError("the six elements did not fit");
}
BENCHMARK(uptake_fit_six_elements)->Unit(benchmark::kMicrosecond);

// The plan window's products: each with four of the elements a plan doses,
// as a bottle of a planted tank has them.
QByteArray plan_products(int _count)
{
    const char *const dosed[] = {"N", "P", "K", "Fe", "Mg", "Ca", "S", "B", "Mn", "Zn", "Cu", "Mo"};
    QByteArray text = "[\n";
    for (int i = 0; i < _count; ++i) {
        text += i ? ",\n  {" : "  {";
        text += "\"name\": \"Bottle " + QByteArray::number(i) + "\", \"target\": \"" +
                dosed[i % 12] + "\"";
        for (int e = 0; e < 4; ++e)
            text += ", \"" + QByteArray(dosed[(i + 3 * e) % 12]) +
                    "\": " + QByteArray::number(0.5 + 0.25 * e);
        text += "}";
    }
    return text + "\n]\n";
}

// Until what the edit posted has run: the layouts, the chart scene's changes
// and the repaints they ask for, each of which may post more.
void until_drawn()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < 20 && dispatcher->processEvents(QEventLoop::AllEvents); ++round) {
    }
}

enum class Plan_Edit { tick_a_day, type_a_dose, change_the_interval, add_an_item };

constexpr int plan_bottles = 30;

Plan_Item bottle(int _i)
{
    Plan_Item item;
    item.kind = QStringLiteral("premix");
    item.name = QStringLiteral("Bottle %1").arg(_i);
    item.weekly = 5 + _i;
    return item;
}

// One edit, as the user makes it, from the signal the widget gives to the
// window drawn again; whether the plan took it. Out of line, for callgrind to
// count it alone (--toggle-collect='*edit_and_draw*').
Q_NEVER_INLINE bool edit_and_draw(Plan_Window &_window, Plan_Edit _edit, int _turn)
{
    auto *items = _window.findChild<QTableWidget *>(QStringLiteral("plan_items"));
    const Dosing_Plan &plan = *_window.model().shown();
    const int row = _turn % plan_bottles;
    // Each row in turn, and back again the next round.
    const bool again = _turn / plan_bottles % 2;
    bool taken = false;
    switch (_edit) {
    case Plan_Edit::tick_a_day:
        items->item(row, 5)->setCheckState(again ? Qt::Unchecked : Qt::Checked);
        until_drawn();
        taken = plan.items.at(row).dosed_on(1) != again;
        break;
    case Plan_Edit::type_a_dose:
        items->item(row, 2)->setText(again ? QStringLiteral("12.5") : QStringLiteral("7.5"));
        until_drawn();
        taken = plan.items.at(row).weekly == (again ? 12.5 : 7.5);
        break;
    case Plan_Edit::change_the_interval:
        _window.findChild<QSpinBox *>(QStringLiteral("plan_change_every"))
            ->setValue(_turn % 2 ? 7 : 10);
        until_drawn();
        taken = plan.change_every == (_turn % 2 ? 7 : 10);
        break;
    case Plan_Edit::add_an_item:
        _window.add_calculation(bottle(plan_bottles), 100);
        until_drawn();
        taken = plan.items.size() == plan_bottles + 1;
        break;
    }
    return taken;
}

// The plan window shown, offscreen, with a plan of 30 products, each on three
// days, over 52 weeks; each iteration is one edit. The item added is taken
// out again between two, untimed.
void plan_window_edit(benchmark::State &_state, Plan_Edit _edit)
{
    Premix_Fertilizer products;
    parse_catalogue(plan_products(plan_bottles + 1), &products);
    QTemporaryDir folder;
    const Plan_Catalogues catalogues{&products, nullptr, nullptr};
    Plan_Window window(catalogues, nullptr, folder.path());
    window.set_kind_names(
        {QStringLiteral("Готовое"), QStringLiteral("Самомес"), QStringLiteral("Самомес раствор")});
    for (int i = 0; i < plan_bottles; ++i)
        window.add_calculation(bottle(i), 100);
    auto *items = window.findChild<QTableWidget *>(QStringLiteral("plan_items"));
    window.findChild<QSpinBox *>(QStringLiteral("plan_weeks"))->setValue(52);
    // Monday, Wednesday and Saturday (ticked when the item came).
    for (int row = 0; row < plan_bottles; ++row)
        for (const int column : {4, 6})
            items->item(row, column)->setCheckState(Qt::Checked);
    window.show();
    until_drawn();

    int turn = 0;
    for (auto _ : _state) {
        if (!edit_and_draw(window, _edit, turn++)) {
            _state.SkipWithError("the plan did not take the edit");
            break;
        }
        if (_edit == Plan_Edit::add_an_item) {
            _state.PauseTiming();
            items->selectRow(plan_bottles);
            window.findChild<QPushButton *>(QStringLiteral("plan_remove"))->click();
            until_drawn();
            _state.ResumeTiming();
        }
    }
    if (window.model().shown()->items.size() != plan_bottles || window.model().totals().size() < 12)
        _state.SkipWithError("the plan did not keep its rows");
}
BENCHMARK_CAPTURE(plan_window_edit, tick_a_day, Plan_Edit::tick_a_day)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan_window_edit, type_a_dose, Plan_Edit::type_a_dose)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan_window_edit, change_the_interval, Plan_Edit::change_the_interval)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan_window_edit, add_an_item, Plan_Edit::add_an_item)
    ->Unit(benchmark::kMillisecond);

// What the designer works out on every change: 12 salts, each with three of
// 12 elements, for a target on every element; some salts reach their limit.
void design_12_salts_12_targets(benchmark::State &_state)
{
    const QStringList elements{"B", "Ca", "Cu", "Fe", "K", "Mg", "Mn", "Mo", "N", "P", "S", "Zn"};
    Diy_Fertilizer salts;
    for (int i = 0; i < 12; ++i) {
        auto *salt = new Compound(QStringLiteral("Salt %1").arg(i), QString());
        for (int k = 0; k < 3; ++k)
            salt->add_element(Element(elements.at((i + 4 * k) % 12), 0.05 + 0.02 * ((i + k) % 5)));
        salt->set_solubility(i % 3 == 0 ? 20 : 300, 20);
        salts.add_compound(salt);
    }
    Recipe_Designer designer(&salts);
    for (int row = 0; row < designer.targets().size(); ++row) {
        if (designer.targets().at(row).key == designer.targets().at(row).element)
            designer.set_wanted(row, 1 + row % 4);
    }
    for (int row = 0; row < designer.salts().size(); ++row)
        designer.set_used(row, true);
    double dose = 50;
    for (auto _ : _state) {
        dose = dose == 50 ? 51 : 50;
        designer.set_dose(dose);
        benchmark::DoNotOptimize(designer.salts().first().grams);
    }
    if (designer.targets().size() != 15 || designer.bottle_count() == 0)
        _state.SkipWithError("the designer did not give its rows");
}
BENCHMARK(design_12_salts_12_targets)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    use_narrow_font();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
