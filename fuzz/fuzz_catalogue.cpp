// SPDX-License-Identifier: GPL-3.0-or-later

// A catalogue file's bytes go through the catalogue reader into each of the
// three calculators, as compounds whose formulas give or check their figures,
// and as recipes made of those compounds; every entry then goes through all
// that the window asks of a calculator. The bytes are also read as a formula,
// as a plans file whose items are looked up in those catalogues (its log
// and the uptake fitted from it included), as the targets file, and as a
// log's CSV file.
// The target looks for crashes, leaks, undefined behaviour and hangs. The
// results are plain IEEE arithmetic on whatever the file holds (inf
// and nan included; the window guards what it shows), so only promises about
// structure are checked.

#include "base/message_text.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "chemistry/formula.h"
#include "chemistry/teaspoon.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"
#include "plan/dosing_plan.h"
#include "plan/dosing_targets.h"
#include "plan/plan_store.h"
#include "plan/tank_log.h"
#include "plan/uptake_fit.h"

#include <QByteArray>
#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Larger inputs are passed over: they find nothing new and only slow a run.
constexpr std::size_t kMaxBytes = 1 << 20;

// Elements calculated per calculator, counted over all entries, the one before
// and the one past each entry's elements included. Larger catalogues are gone
// through in part only; this keeps each input cheap, and so the run fast.
constexpr int kBudget = 64;

// Valid window inputs: tank (l), water (ml), compound (mg), method value.
// Products and dry compounds take the tank and the method value.
constexpr double kInputs[][4] = {
    {1, 1, 0.01 * 1000, 0.01},
    {100, 1000, 1000, 1},
    {10000, 10000, 10000 * 1000, 1000},
};

void check(bool _holds, const char *_what)
{
    if (_holds)
        return;
    std::fprintf(stderr, "fuzz_catalogue: %s\n", _what);
    std::abort();
}

void check_message(const QString &_message)
{
    check(_message.startsWith(message_text::head()) && _message.endsWith(message_text::tail()),
          "a message is not a whole rich-text document");
}

void check_number(double _value)
{
    check(!message_text::number(_value).isEmpty(), "a number formats as an empty text");
}

// Every problem is one line about the file F.
void check_problems(const QStringList &_problems)
{
    static const QRegularExpression line(QStringLiteral("^F(:[1-9][0-9]*:[1-9][0-9]*)?: [^\\n]+$"));
    for (const QString &problem : _problems)
        check(line.match(problem).hasMatch(), "a problem is not one line about the file");
}

// A formula read gives fractions of the whole, in order; one not read says
// where, on one line, and gives none.
void check_formula(const QString &_text)
{
    const Formula formula(_text);
    if (!formula.is_valid()) {
        check(formula.fractions().isEmpty(), "a formula not read gave fractions");
        check((formula.error().startsWith(QStringLiteral("позиция ")) ||
               formula.error() == QStringLiteral("формула пуста")) &&
                  !formula.error().contains(QLatin1Char('\n')),
              "a formula's error is not one line that says where");
        return;
    }
    double sum = 0;
    for (int i = 0; i < formula.fractions().size(); ++i) {
        const double fraction = formula.fractions().at(i).value;
        check(fraction > 0 && fraction <= 1, "a fraction is not part of the whole");
        check(i == 0 || formula.fractions().at(i - 1).name < formula.fractions().at(i).name,
              "a formula's elements are not in order");
        sum += fraction;
    }
    check(std::abs(sum - 1) < 1e-9, "a formula's fractions do not add up to the whole");
}

void exercise(Type_Fertilizer &_fert, int _added, bool _solution)
{
    check(_fert.count_compounds() == _added, "count_compounds differs from what the reader said");
    _fert.column_title(false);
    _fert.column_title(true);

    int budget = kBudget;
    for (int i = 0; i < _fert.count_compounds() && budget > 0; ++i) {
        const Compound *entry = _fert.compound_at(i);
        check(entry != nullptr, "no entry at a valid index");
        for (const int method : {0, 1, 7})
            check_message(_fert.range_message(method, entry->target(), 0.01, 1000));

        check(entry->refusal().isEmpty() || (entry->refusal().startsWith(message_text::head()) &&
                                             entry->refusal().endsWith(message_text::tail())),
              "a refusal is not a whole rich-text document");
        check(entry->warning().isEmpty() || entry->warning().startsWith(QStringLiteral("<br>")),
              "a warning does not stand on a line of its own");

        // A teaspoon kept is one a level spoon can hold, and any dose of it
        // is written in spoons or grams, never as nan or an exponent.
        check(std::isnan(entry->teaspoon()) || Teaspoon::usable(entry->teaspoon()),
              "a teaspoon no level spoon holds was kept");
        for (const double grams : {1e-300, 0.2, 7.0, 1e6, 1e300}) {
            const QString spoons = Teaspoon::text(grams, entry->teaspoon());
            check(
                !spoons.contains(QLatin1String("nan")) && !spoons.contains(QLatin1String("inf")) &&
                    !spoons.contains(QLatin1String("e+")) && !spoons.contains(QLatin1String("e-")),
                "a dose in spoons is no figure");
        }

        const int elements = entry->count_elements();
        for (int e = 1; e < elements; ++e)
            check(!(entry->element_at(e).name < entry->element_at(e - 1).name),
                  "elements are not in the order of their keys");

        // One past the end as well, unless the budget runs out first.
        const int last = std::min(elements, budget);
        budget -= last + 2;
        for (const int method : {0, 1}) {
            for (const auto &row : kInputs) {
                const double pair[2] = {row[0], row[3]};
                const double *values = _solution ? row : pair;
                const unsigned size = _solution ? sizeof row : sizeof pair;
                // The dose does not depend on the element.
                double dose = 0;
                for (int e = -1; e <= last; ++e) {
                    const Calc_Result result = _fert.calculate(method, i, e, values, size);
                    dose = result.dose;
                    check_number(result.concentration);
                }
                check_number(dose);
                check_message(_fert.result_message(method, i));
            }
        }
        if (_solution) {
            // Whether the window's inputs dissolve, at both ends of their ranges.
            const auto &solution = static_cast<const DiySol_Fertilizer &>(_fert);
            for (const double grams : {0.01, 1.0, 10000.0})
                for (const int water : {1, 1000, 10000}) {
                    const QString message = solution.undissolved_message(i, grams, water);
                    if (!message.isEmpty())
                        check_message(message);
                }
        }
    }

    // Indices outside the catalogue.
    for (const int method : {0, 1}) {
        for (const int i : {-1, _fert.count_compounds()}) {
            _fert.calculate(method, i, 0, kInputs[1], sizeof kInputs[1]);
            check_message(_fert.result_message(method, i));
        }
    }
}

void check_log(const Dosing_Plan &_plan, const Plan_Catalogues &_catalogues);

// Catalogues a plans file's items are looked up in: one entry "A" of each kind.
Plan_Catalogues plan_catalogues()
{
    static Premix_Fertilizer premix;
    static Diy_Fertilizer diy;
    static DiySol_Fertilizer diy_sol;
    if (premix.count_compounds() == 0) {
        const QByteArray entry = R"([{"name": "A", "target": "K", "K": 0.5, "N": 0.1,
                                      "solubility": {"g_per_l": 300}}])";
        parse_catalogue(entry, &premix);
        parse_catalogue(entry, &diy, QString(), nullptr, Catalogue_Kind::compounds);
        parse_catalogue(entry, &diy_sol, QString(), nullptr, Catalogue_Kind::compounds);
    }
    return {&premix, &diy, &diy_sol};
}

// A plans file read is written back as it was read, and every plan's totals
// and course can be worked out.
void check_plans(const QByteArray &_content, const Plan_Catalogues &_catalogues)
{
    QVector<Dosing_Plan> plans;
    QJsonObject root;
    QString why;
    if (!Plan_Store::parse(_content, &plans, &root, &why)) {
        check(plans.isEmpty() && !why.isEmpty() && !why.contains(QLatin1Char('\n')),
              "a plans file not read gave plans, or no reason on one line");
        return;
    }
    const QByteArray written = Plan_Store::write(plans, root);
    QVector<Dosing_Plan> again;
    QJsonObject again_root;
    check(Plan_Store::parse(written, &again, &again_root, &why),
          "a plans file written cannot be read back");
    check(Plan_Store::write(again, again_root) == written,
          "a plans file read back is written otherwise");
    for (const Dosing_Plan &plan : plans) {
        for (const Plan_Total &total : Plan_Totals::of(plan, _catalogues)) {
            check(!total.band.bounded || !(total.band.low > total.band.high),
                  "a band's low lies above its high");
            const QVector<QPointF> course =
                plan_levels::course(total.input, Plan_Totals::regime(plan), 7 * plan.weeks);
            check(course.size() <= 3 * 7 * plan.weeks + 1, "a course has more points than steps");
        }
    }
    // The window works out the log of the plan it shows, one at a time.
    for (const Dosing_Plan &plan : plans) {
        if (!plan.log.isEmpty()) {
            check_log(plan, _catalogues);
            break;
        }
    }
}

// A plan's log gives a prediction an entry, and the uptake fitted from it
// rates of 0 or more (a share below 1 a day) and bands from low to high.
void check_log(const Dosing_Plan &_plan, const Plan_Catalogues &_catalogues)
{
    if (_plan.log.isEmpty())
        return;
    QVector<Plan_Total> totals = Plan_Totals::of(_plan, _catalogues);
    const QVector<Past_Totals> past = Tank_Log::past_totals(_plan, _catalogues);
    check(past.size() == _plan.dosed.size(), "a period of doses that is over has no totals");
    check(Tank_Log::predictions(totals, _plan, past).size() == _plan.log.size(),
          "the log's predictions are not one an entry");
    const QVector<Uptake_Fit::Result> fits = Uptake_Fit::fit_all(totals, _plan, past);
    for (const Uptake_Fit::Result &fit : fits) {
        check(fit.rate >= 0 && (fit.model == Uptake_Fit::constant || fit.rate < 1) &&
                  std::isfinite(fit.rate),
              "an uptake is below 0, or takes all of the level a day");
        check(!fit.fitted || fit.readings >= 2, "an uptake is fitted from fewer than two readings");
        check(Uptake_Fit::texts(fit).size() == Uptake_Fit::columns().size(),
              "an uptake's row has not a text a column");
    }
    Uptake_Fit::use(&totals, fits, Plan_Totals::regime(_plan));
    for (const Plan_Total &total : totals)
        check(!total.band.bounded || !(total.band.low > total.band.high),
              "a band with uptake has its low above its high");
}

// A log's CSV file gives entries or the lines it cannot read, one line
// each; the entries read are written and read back as they were.
void check_log_csv(const QByteArray &_content)
{
    const QDate today(2026, 12, 10);
    QStringList problems;
    const QVector<Log_Entry> entries = Tank_Log::read_csv(_content, today, &problems);
    check(entries.isEmpty() || problems.isEmpty(), "a log file with bad lines gave entries");
    for (const QString &problem : problems)
        check(!problem.isEmpty() && !problem.contains(QLatin1Char('\n')),
              "a log file's problem is not one line");
    for (const Log_Entry &entry : entries)
        check(Tank_Log::refusal(entry, today).isEmpty(), "a log file gave an entry it refuses");
    const QByteArray written = Tank_Log::write_csv(entries);
    const QVector<Log_Entry> again = Tank_Log::read_csv(written, today, &problems);
    check(problems.isEmpty() && again.size() == entries.size() &&
              Tank_Log::write_csv(again) == written,
          "a log file written is read back otherwise");
}

// A targets file read gives ranges from low to high and ceilings above 0,
// keys in ascending order, water changes within a plan's limits or none, and
// entries each found by its name.
void check_targets(const QByteArray &_content)
{
    Dosing_Targets targets;
    QStringList problems;
    const int read = parse_targets(_content, &targets, QStringLiteral("F"), &problems);
    check_problems(problems);
    check(read == targets.methods.size() + targets.livestock.size(),
          "the targets read differ from what the reader said");
    check(read > 0 || !problems.isEmpty(), "a targets file that gave nothing gave no reason");
    for (const Dosing_Method &method : targets.methods) {
        check(targets.method(method.name) == &method, "a method's name is not its own");
        const bool none = method.change_percent == -1 && method.change_every == -1;
        check(none || (method.change_percent >= 0 &&
                       method.change_percent <= plan_limits::percent_max &&
                       method.change_every >= plan_limits::every_min &&
                       method.change_every <= plan_limits::every_max),
              "a method's water change is out of a plan's limits");
        for (int i = 0; i < method.ranges.size(); ++i) {
            const Target_Range &range = method.ranges.at(i);
            check(range.low >= 0 && range.low <= range.high && std::isfinite(range.high),
                  "a range is not from 0 or more up to its high");
            check(Plan_Totals::water_key(range.key), "a range's key is no element or ion");
            check(i == 0 || method.ranges.at(i - 1).key < range.key,
                  "a method's ranges are not in the order of their keys");
        }
    }
    for (const Livestock &animals : targets.livestock) {
        check(targets.animals(animals.name) == &animals, "a livestock's name is not its own");
        for (int i = 0; i < animals.ceilings.size(); ++i) {
            const Ceiling &ceiling = animals.ceilings.at(i);
            check(ceiling.most > 0 && std::isfinite(ceiling.most), "a ceiling is not above 0");
            check(Plan_Totals::water_key(ceiling.key), "a ceiling's key is no element or ion");
            check(i == 0 || animals.ceilings.at(i - 1).key < ceiling.key,
                  "ceilings are not in the order of their keys");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *_data, std::size_t _size)
{
    if (_size > kMaxBytes)
        return 0;
    // A copy that owns its bytes, like the QFile::readAll() of read_catalogue.
    const QByteArray content(reinterpret_cast<const char *>(_data), static_cast<int>(_size));

    Premix_Fertilizer premix;
    Diy_Fertilizer diy;
    DiySol_Fertilizer diy_sol;
    QStringList problems;
    const int added = parse_catalogue(content, &premix, QStringLiteral("F"), &problems);
    check(parse_catalogue(content, &diy) == added && parse_catalogue(content, &diy_sol) == added,
          "the same bytes gave catalogues of different sizes");
    // A file that gave nothing says why.
    check_problems(problems);
    check(added > 0 || !problems.isEmpty(), "a file that gave no entry gave no reason");

    exercise(premix, added, false);
    exercise(diy, added, false);
    exercise(diy_sol, added, true);

    // The same bytes as compounds, then as recipes of those compounds.
    Diy_Fertilizer compounds;
    problems.clear();
    const int known = parse_catalogue(content, &compounds, QStringLiteral("F"), &problems,
                                      Catalogue_Kind::compounds);
    check_problems(problems);
    exercise(compounds, known, false);
    Premix_Fertilizer recipes;
    problems.clear();
    const int mixed = parse_recipes(content, compounds, &recipes, QStringLiteral("F"), &problems);
    check_problems(problems);
    check(mixed > 0 || !problems.isEmpty(), "a recipes file that gave nothing gave no reason");
    exercise(recipes, mixed, false);

    check_formula(QString::fromUtf8(content));
    check_plans(content, plan_catalogues());
    check_targets(content);
    check_log_csv(content);
    return 0;
}
