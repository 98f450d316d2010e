// SPDX-License-Identifier: GPL-3.0-or-later

// The dosing plan without its window: the band the levels settle in, against
// its closed form and against a plain day-by-day run, the file the plans are
// kept in, with what happens when it cannot be read or written, and the
// targets file read into its methods and livestock ("F" stands for the file's
// path in the expected problems).

#include "base/number_text.h"
#include "dosing/build_up.h"
#include "plan/dosing_plan.h"
#include "plan/dosing_targets.h"
#include "plan/log_table.h"
#include "plan/plan_book.h"
#include "plan/plan_store.h"
#include "plan/tank_log.h"
#include "plan/uptake_fit.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "library_helpers.h"

#ifdef Q_OS_UNIX
#include "as_nobody.h"

#include <sys/file.h>
#endif

Q_DECLARE_METATYPE(QVector<double>)

namespace {

plan_levels::Input input(double _water, const QVector<double> &_daily)
{
    plan_levels::Input made;
    made.water = _water;
    for (int day = 0; day < 7; ++day)
        made.daily[day] = _daily.value(day);
    return made;
}

// The lowest and highest level over the last cycle of a long run, day by day,
// as the model says in words.
plan_levels::Band run_days(const plan_levels::Input &_input, const plan_levels::Regime &_regime,
                           const plan_levels::Uptake &_uptake = {})
{
    const int cycle = std::lcm(_regime.every, 7);
    const int cycles = 400;
    double level = _input.water;
    plan_levels::Band band{INFINITY, -INFINITY, true};
    for (int day = 0; day < cycles * cycle; ++day) {
        const bool last = day >= (cycles - 1) * cycle;
        if (day > 0 && day % _regime.every == 0) {
            if (last)
                band.high = std::max(band.high, level);
            level = (1 - _regime.fraction) * level + _regime.fraction * _input.water;
            if (last)
                band.low = std::min(band.low, level);
        }
        level += _input.daily[(_regime.first_day + day) % 7];
        if (last)
            band.high = std::max(band.high, level);
        // Then what the tank takes up: a share, or a rate down to nothing.
        level = _uptake.proportional ? level - _uptake.rate * level
                                     : std::max(0.0, level - _uptake.rate);
        if (last)
            band.low = std::min(band.low, level);
    }
    band.high = std::max(band.high, level);
    return band;
}

// A plans file that uses every member the program writes, and some it does not know.
const char *const full_file = R"({
  "version": 1,
  "written_by": "a later Rovalin",
  "plans": [{
    "name": "Креветочник",
    "tank_l": 60,
    "water_change": {"percent": 30, "every_days": 14, "first_day": 7, "at": "evening"},
    "weeks": 20,
    "new_water": [{"key": "Ca", "mg_per_l": 12.5, "from": "report 2026"}, {"key": "NO3", "mg_per_l": 0}],
    "items": [
      {"kind": "diy_sol", "name": "KNO3", "grams": 50, "water_ml": 500, "weekly_dose": 12.25,
       "days": [1, 4], "note": "blue bottle"},
      {"kind": "premix", "name": "Gone", "weekly_dose": 5, "days": []}
    ],
    "chart": ["K"],
    "method": "PMDD",
    "livestock": "Креветки",
    "colour": "#123456",
    "start": "2026-12-06",
    "log": [
      {"date": "2026-12-01", "key": "N", "value": 4.5, "note": "API", "kit_id": 3},
      {"date": "2026-12-06", "change_percent": 30}
    ],
    "uptake": {"use": true, "models": {"Fe": "constant"}, "since": "2026-12-01"},
    "dosed": [{"until": "2026-11-30", "tank_l": 50, "why": "a smaller tank",
               "items": [{"kind": "premix", "name": "Gone", "weekly_dose": 2, "days": [6]}]}]
  }]
})";

// One line per method, "method name|percent % / days|key=low..high,…|source",
// then one per livestock entry, "livestock name|key<most,…|source".
QString dump(const Dosing_Targets &_targets)
{
    // "name / name_en", or the name alone.
    const auto named = [](const auto &_entry) {
        return _entry.name_en.isEmpty() ? _entry.name
                                        : _entry.name + QStringLiteral(" / ") + _entry.name_en;
    };
    QStringList lines;
    for (const Dosing_Method &method : _targets.methods) {
        QStringList ranges;
        for (const Target_Range &range : method.ranges)
            ranges << QStringLiteral("%1=%2..%3").arg(range.key).arg(range.low).arg(range.high);
        lines << QStringLiteral("method %1|%2 % / %3|%4|%5")
                     .arg(named(method))
                     .arg(method.change_percent)
                     .arg(method.change_every)
                     .arg(ranges.join(QLatin1Char(',')), method.source);
    }
    for (const Livestock &animals : _targets.livestock) {
        QStringList ceilings;
        for (const Ceiling &ceiling : animals.ceilings)
            ceilings << QStringLiteral("%1<%2").arg(ceiling.key).arg(ceiling.most);
        lines << QStringLiteral("livestock %1|%2|%3")
                     .arg(named(animals), ceilings.join(QLatin1Char(',')), animals.source);
    }
    return lines.join(QLatin1Char('\n'));
}

// "2026-12-12 N 4.5" a reading, "2026-12-10 change 50" a change, a note
// after them; and back.
QVector<Log_Entry> log_entries(const QStringList &_lines)
{
    QVector<Log_Entry> log;
    for (const QString &line : _lines) {
        const QStringList words = line.split(QLatin1Char(' '));
        Log_Entry entry;
        entry.date = QDate::fromString(words.value(0), Qt::ISODate);
        entry.change = words.value(1) == QLatin1String("change");
        entry.key = entry.change ? QString() : words.value(1);
        entry.value = words.value(2).toDouble();
        entry.note = words.mid(3).join(QLatin1Char(' '));
        log.append(entry);
    }
    return log;
}

QStringList log_lines(const QVector<Log_Entry> &_log)
{
    QStringList lines;
    for (const Log_Entry &entry : _log) {
        QStringList words{entry.date.toString(Qt::ISODate),
                          entry.change ? QStringLiteral("change") : entry.key,
                          QString::number(entry.value)};
        if (!entry.note.isEmpty())
            words << entry.note;
        lines << words.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void steady_band_data();
    void steady_band();
    void log_course_data();
    void log_course();
    void log_csv_data();
    void log_csv();
    void log_typing_data();
    void log_typing();
    void uptake_fit_data();
    void uptake_fit();
    void store_data();
    void store();
    void reads_targets_data();
    void reads_targets();
    void missing_targets_file_adds_nothing();

private:
    QString write(const QByteArray &_content);

    QTemporaryDir directory;
};

void TestPlan::steady_band_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("every");
    QTest::addColumn<int>("first_day");
    QTest::addColumn<double>("water");
    QTest::addColumn<QVector<double>>("daily"); // mg/l added, Monday first
    // The closed form; NaN: the band of a day-by-day run instead.
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("bounded");
    // What the tank takes up a day: a share of the level, or mg/l down to 0.
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<double>("uptake");

    // A weekly amount A, a 7-day interval and the new water W: from
    // W + A(1 − f)/f to W + A/f, whatever the days.
    QTest::newRow("7 days, 50 %, A on the change day")
        << 50 << 7 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 2, 0} << 2.0 << 4.0 << true
        << false << 0.0;
    QTest::newRow("7 days, 30 %, new water, A on a later day")
        << 30 << 7 << 5 << 1.0 << QVector<double>{3, 0, 0, 0, 0, 0, 0} << 8.0 << 11.0 << true
        << false << 0.0;
    QTest::newRow("7 days, 50 %, doses on three days")
        << 50 << 7 << 5 << 0.5 << QVector<double>{1, 0, 1, 0, 1, 0, 0} << 3.5 << 6.5 << true
        << false << 0.0;
    // Two weeks' amounts between changes.
    QTest::newRow("14 days, 50 %") << 50 << 14 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 2, 0}
                                   << 4.0 << 8.0 << true << false << 0.0;
    // A published peak: 5.9 a day, half the water every second day, 23.6.
    QTest::newRow("every second day, 50 %, dosed daily")
        << 50 << 2 << 0 << 0.0 << QVector<double>(7, 5.9) << 11.8 << 23.6 << true << false << 0.0;
    QTest::newRow("all the water: W to W + A")
        << 100 << 7 << 0 << 2.0 << QVector<double>{1, 1, 1, 0, 0, 0, 0} << 2.0 << 5.0 << true
        << false << 0.0;
    QTest::newRow("new water only")
        << 50 << 7 << 3 << 3.0 << QVector<double>(7, 0.0) << 3.0 << 3.0 << true << false << 0.0;
    QTest::newRow("no changes, dosed: no limit")
        << 0 << 7 << 5 << 1.0 << QVector<double>{0, 0, 0, 0, 0, 2, 0} << 0.0 << 0.0 << false
        << false << 0.0;
    QTest::newRow("no changes, nothing dosed: the new water stays")
        << 0 << 7 << 5 << 1.5 << QVector<double>(7, 0.0) << 1.5 << 1.5 << true << false << 0.0;
    // A cycle of 70 days and seven changes that fall on other weekdays each time.
    QTest::newRow("10 days, 40 %, against a day-by-day run")
        << 40 << 10 << 2 << 0.3 << QVector<double>{1, 0, 0.5, 0, 2, 0, 0} << double(NAN)
        << double(NAN) << true << false << 0.0;
    // With uptake: from x right after the change, 7 on Saturday, then 0.5 a
    // day: x = ½(x + 7 − 3.5), x = 3.5, up to 10.5 with the dose.
    QTest::newRow("uptake: 7 days, 50 %, 0.5 a day")
        << 50 << 7 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 7, 0} << 3.5 << 10.5 << true
        << false << 0.5;
    // x = ½ · 0.9⁷ (x + 7).
    const double kept = std::pow(0.9, 7);
    QTest::newRow("uptake: 7 days, 50 %, a tenth a day")
        << 50 << 7 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 7, 0}
        << 3.5 * kept / (1 - kept / 2) << 3.5 * kept / (1 - kept / 2) + 7 << true << true << 0.1;
    QTest::newRow("uptake: no changes, taken faster than dosed: 7 down to 0")
        << 0 << 7 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 7, 0} << 0.0 << 7.0 << true << false
        << 1.5;
    QTest::newRow("uptake: no changes, taken slower than dosed: no limit")
        << 0 << 7 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 7, 0} << 0.0 << 0.0 << false
        << false << 0.9;
    QTest::newRow("uptake: no changes, a share: bounded")
        << 0 << 7 << 5 << 1.0 << QVector<double>{1, 0, 1, 0, 1, 0, 0} << double(NAN) << double(NAN)
        << true << true << 0.05;
    QTest::newRow("uptake: 10 days, 40 %, down to 0 between doses, against a day-by-day run")
        << 40 << 10 << 2 << 0.3 << QVector<double>{1, 0, 0.5, 0, 2, 0, 0} << double(NAN)
        << double(NAN) << true << false << 0.8;
    QTest::newRow("uptake: 10 days, 40 %, a share, against a day-by-day run")
        << 40 << 10 << 2 << 0.3 << QVector<double>{1, 0, 0.5, 0, 2, 0, 0} << double(NAN)
        << double(NAN) << true << true << 0.2;
}

void TestPlan::steady_band()
{
    QFETCH(int, percent);
    QFETCH(int, every);
    QFETCH(int, first_day);
    QFETCH(double, water);
    QFETCH(QVector<double>, daily);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, bounded);
    QFETCH(bool, proportional);
    QFETCH(double, uptake);

    const plan_levels::Regime regime{percent / 100.0, every, first_day};
    const plan_levels::Input levels = input(water, daily);
    const plan_levels::Uptake taken{proportional, uptake};
    const plan_levels::Band band = plan_levels::steady_band(levels, regime, taken);
    QCOMPARE(band.bounded, bounded);
    if (!bounded)
        return;
    if (std::isnan(low)) {
        const plan_levels::Band run = run_days(levels, regime, taken);
        low = run.low;
        high = run.high;
    }
    QVERIFY2(std::abs(band.low - low) < 1e-9 && std::abs(band.high - high) < 1e-9,
             qPrintable(QStringLiteral("%1 – %2, expected %3 – %4")
                            .arg(band.low, 0, 'g', 12)
                            .arg(band.high, 0, 'g', 12)
                            .arg(low, 0, 'g', 12)
                            .arg(high, 0, 'g', 12)));

    // With uptake, the doses as they are are what keeps the band's high as a
    // ceiling, and the course stays under it.
    const plan_levels::Input water_only = input(water, {});
    const plan_levels::Input doses = input(0, daily);
    if (taken.any()) {
        QVERIFY(std::abs(plan_levels::largest_share(water_only, doses, regime, band.high, taken) -
                         1) < 1e-9);
        for (const QPointF &point : plan_levels::course(levels, regime, 7 * 52, taken))
            QVERIFY(point.y() <= band.high + 1e-9 && point.y() >= 0);
        return;
    }

    // The highest level is right before a change, and the doses as they are
    // are exactly what keeps it at that level as a ceiling.
    const QVector<double> peaks = plan_levels::peaks(levels, regime);
    QCOMPARE(peaks.isEmpty(), percent == 0);
    QVERIFY(peaks.isEmpty() ||
            std::abs(*std::max_element(peaks.begin(), peaks.end()) - band.high) < 1e-9);
    if (doses.weekly() > 0)
        QVERIFY(std::abs(plan_levels::largest_share(water_only, doses, regime, band.high) - 1) <
                1e-9);

    // The course day by day is the same run: it starts at the new water and
    // stays within the band once the cycle repeats.
    const int days = 7 * 52;
    const QVector<QPointF> course = plan_levels::course(levels, regime, days);
    QCOMPARE(course.first(), QPointF(0, water));
    QCOMPARE(course.last().x(), double(days));
    for (const QPointF &point : course)
        QVERIFY(point.y() <= band.high + 1e-9);

    // One weekly amount on the change day, without new water, is what the
    // build-up window shows: after the n-th dose w (1 − (1 − f)^n) ÷ f.
    const double weekly = levels.weekly();
    if (every != 7 || water != 0 || daily.count(0.0) != 6 || daily.value(first_day) == 0)
        return;
    for (int week = 1; week <= 52; ++week) {
        const auto after_dose = std::find_if(course.begin(), course.end(), [&](const QPointF &_p) {
            return _p.x() == 7 * (week - 1) + 1;
        });
        QVERIFY(after_dose != course.end());
        QVERIFY(std::abs(after_dose->y() - build_up::level_after(weekly, regime.fraction, week)) <
                1e-9);
    }
    QVERIFY(std::abs(band.high - build_up::limit(weekly, regime.fraction)) < 1e-9);
}

void TestPlan::log_course_data()
{
    // A plan started on Saturday 5 December, changing 50 % every 7 days
    // unless the row says otherwise, dosing 4 mg/l of N on Saturdays, its
    // new water with 20 mg/l of Ca; today Thursday 10 December.
    QTest::addColumn<int>("percent");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QVector<double>>("predicted"); // each reading's, in order
    QTest::addColumn<QDate>("next");                // the next change due

    QTest::newRow("the plan's schedule: a reading before its day's change and doses")
        << 50 << QStringList{"2026-12-05 N", "2026-12-12 N", "2026-12-19 N"}
        << QVector<double>{0, 4, 6} << QDate(2026, 12, 12);
    // Saturday's change replaced by Thursday's; the schedule goes on a week later.
    QTest::newRow("a logged change in place of the schedule, which goes on from it")
        << 50
        << QStringList{"2026-12-10 change 100", "2026-12-12 N", "2026-12-17 N", "2026-12-19 N"}
        << QVector<double>{0, 4, 2} << QDate(2026, 12, 17);
    QTest::newRow("between the first and the last logged change, only they")
        << 50 << QStringList{"2026-12-08 change 50", "2026-12-12 N", "2026-12-19 N",
                             "2026-12-22 change 50", "2026-12-26 N", "2026-12-29 N"}
        << QVector<double>{2, 6, 5, 9} << QDate(2026, 12, 22);
    double nitrate = 0;
    Plan_Totals::ion_element(QStringLiteral("NO3"), &nitrate);
    QTest::newRow("NO3-N read as N, NO3 on its own basis")
        << 50 << QStringList{"2026-12-12 N", "2026-12-12 NO3"} << QVector<double>{4, 4 * nitrate}
        << QDate(2026, 12, 12);
    QTest::newRow("what the plan does not bring: the new water's content")
        << 50 << QStringList{"2026-12-12 Ca", "2026-12-12 Mg"} << QVector<double>{20, 0}
        << QDate(2026, 12, 12);
    // Day 0 the first reading's, the start a change of its own.
    QTest::newRow("a log from before the start")
        << 50 << QStringList{"2026-12-01 N", "2026-12-05 N", "2026-12-12 N"}
        << QVector<double>{0, 0, 4} << QDate(2026, 12, 12);
    QTest::newRow("no changes: every dose stays, none due")
        << 0 << QStringList{"2026-12-12 N", "2026-12-19 N"} << QVector<double>{4, 8} << QDate();
}

void TestPlan::log_course()
{
    QFETCH(int, percent);
    QFETCH(QStringList, log);
    QFETCH(QVector<double>, predicted);
    QFETCH(QDate, next);

    Dosing_Plan plan;
    plan.change_percent = percent;
    plan.change_every = 7;
    plan.start = QDate(2026, 12, 5);
    plan.change_day = plan_dates::weekday(plan.start);
    plan.log = log_entries(log);
    plan_levels::Input nitrogen;
    nitrogen.daily[5] = 4;
    double factor = 0;
    Plan_Totals::ion_element(QStringLiteral("NO3"), &factor);
    plan_levels::Input calcium;
    calcium.water = 20;
    const QVector<Plan_Total> totals{
        {"Ca", "Ca", calcium, {}, {}},
        {"N", "N", nitrogen, {}, {}},
        {"NO3", "NO3", plan_levels::Input().add(nitrogen, factor), {}, {}}};

    const QVector<double> all = Tank_Log::predictions(totals, plan);
    QVector<double> readings;
    for (int i = 0; i < plan.log.size(); ++i) {
        QCOMPARE(std::isnan(all.at(i)), plan.log.at(i).change);
        if (!plan.log.at(i).change)
            readings << all.at(i);
    }
    QCOMPARE(readings.size(), predicted.size());
    for (int i = 0; i < readings.size(); ++i)
        QVERIFY2(std::abs(readings.at(i) - predicted.at(i)) < 1e-9,
                 qPrintable(QStringLiteral("%1: %2").arg(log.at(i)).arg(readings.at(i))));
    QCOMPARE(Tank_Log::next_change(plan, QDate(2026, 12, 10)), next);

    // The chart's course passes through every prediction at its day's start.
    const QDate from = plan.log.first().date;
    const QVector<double> changes = Tank_Log::changes(plan, from.addDays(30));
    const Tank_Log::Course course = Tank_Log::course(nitrogen, plan, changes);
    const QVector<QPointF> points = Tank_Log::points(course, nitrogen, changes, from);
    for (int i = 0; i < plan.log.size(); ++i) {
        if (plan.log.at(i).key != QLatin1String("N"))
            continue;
        const double x = from.daysTo(plan.log.at(i).date);
        const auto start = std::find_if(points.begin(), points.end(),
                                        [&](const QPointF &_p) { return _p.x() == x; });
        QVERIFY(start != points.end());
        QVERIFY(std::abs(start->y() - all.at(i)) < 1e-9);
    }
}

void TestPlan::log_csv_data()
{
    // Read on Thursday 10 December, into a log that has _before.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after"); // the log once merged; as before where nothing is read
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<int>("replaced");

    QTest::newRow("a file as the program writes it")
        << QByteArray(
               "date,what,key,value,note\n2026-12-01,reading,N,4.5,\"API, 5 ml \"\"new\"\"\"\n"
               "2026-12-05,change,,50,\n")
        << QStringList()
        << QStringList{"2026-12-01 N 4.5 API, 5 ml \"new\"", "2026-12-05 change 50"}
        << QStringList() << 0;
    QTest::newRow("semicolons, decimal commas, a BOM, CRLF, other columns' order")
        << QByteArray("\xEF\xBB\xBFwhat;date;value;key\r\nreading;2026-12-03;12,5;NO3\r\n\r\n"
                      "reading; 2026-12-02 ;0;GH\r\n")
        << QStringList() << QStringList{"2026-12-02 GH 0", "2026-12-03 NO3 12.5"} << QStringList()
        << 0;
    QTest::newRow("an entry already in the log replaced, not doubled")
        << QByteArray("date,what,key,value,note\n2026-12-01,reading,N,5,again\n"
                      "2026-12-01,reading,K,9,\n")
        << QStringList{"2026-12-01 N 4 first", "2026-12-01 change 50"}
        << QStringList{"2026-12-01 N 5 again", "2026-12-01 change 50", "2026-12-01 K 9"}
        << QStringList() << 1;
    QTest::newRow("lines that cannot be read: none imported, each named")
        << QByteArray(
               "date,what,key,value,note\n2026-12-01,reading,N,4,\n2026-13-01,reading,N,4,\n"
               "2026-12-01,reading,Xx,4,\n2026-12-11,reading,N,4,\n2026-12-01,change,N,50,\n"
               "2026-12-01,change,,150,\n2026-12-01,reading,K,1 000,\n"
               "2026-12-01,measure,K,1,\n2026-12-01,reading,K\n\"2026-12\r\n-01\",reading,K,1,\n"
               "1999-12-31,change,,50,\n2026-12-01,reading,K,1,\"open\n")
        << QStringList{"2026-12-01 N 4"} << QStringList{"2026-12-01 N 4"}
        << QStringList{"строка 3: «2026-13-01» — не дата ГГГГ-ММ-ДД",
                       "строка 4: «Xx» — не элемент, не NO3, PO4 или SO4 и не GH",
                       "строка 5: показание на 2026-12-11 ещё не снято: дата позже сегодняшней",
                       "строка 6: у подмены воды не бывает элемента (N)",
                       "строка 7: подмена — от 0 до 100 %",
                       "строка 8: «1 000» — не число",
                       "строка 9: «measure»: должно быть reading или change",
                       "строка 10: нужны поля date, what, key, value и note через «,»",
                       "строка 11: «2026-12 -01» — не дата ГГГГ-ММ-ДД",
                       "строка 13: запись на 1999-12-31: в журнале — даты с 2000-01-01 по "
                       "2100-12-31",
                       "строка 14: кавычка не закрыта"}
        << 0;
    QTest::newRow("no header line")
        << QByteArray("2026-12-01,reading,N,4,\n") << QStringList() << QStringList()
        << QStringList{"строка 1: нужна строка заголовка «date,what,key,value,note»"} << 0;
}

void TestPlan::log_csv()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, problems);
    QFETCH(int, replaced);

    QStringList found;
    const QVector<Log_Entry> read = Tank_Log::read_csv(file, QDate(2026, 12, 10), &found);
    QCOMPARE(found, problems);
    QVector<Log_Entry> log = log_entries(before);
    QCOMPARE(Tank_Log::merge(&log, read), replaced);
    QCOMPARE(log_lines(log), after);
    // Written and read back, the log is the same.
    QVERIFY(found.isEmpty() || read.isEmpty());
    const QVector<Log_Entry> again =
        Tank_Log::read_csv(Tank_Log::write_csv(log), QDate(2026, 12, 10), &found);
    QCOMPARE(found, QStringList());
    QCOMPARE(log_lines(again), after);
}

void TestPlan::log_typing_data()
{
    // Each step "ROW COLUMN TEXT" typed into the log's table, ROW "new" the
    // row to type into; today Thursday 10 December.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows"); // date|what|key|value of each entry
    QTest::addColumn<QString>("status");

    QTest::newRow("a reading in any order: it goes in once it has a key and a value")
        << QStringList{"new 0 06.12.2026", "new 3 4,5", "new 2 NO3-N"}
        << QStringList{"06.12.2026|Показание|N (NO3-N)|4.5"} << "";
    QTest::newRow("a change: its kind, then the percent; kept in date order")
        << QStringList{"new 0 2026-12-08", "new 3 4.5",          "new 2 K",
                       "new 0 01.12.2026", "new 1 Подмена воды", "new 3 30"}
        << QStringList{"01.12.2026|Подмена воды||30 %", "08.12.2026|Показание|K|4.5"} << "";
    QTest::newRow("a date moved keeps the order")
        << QStringList{"new 0 2026-12-01", "new 2 K", "new 3 1",       "new 0 2026-12-03",
                       "new 2 K",          "new 3 2", "1 0 2026-11-30"}
        << QStringList{"30.11.2026|Показание|K|2", "01.12.2026|Показание|K|1"} << "";
    QTest::newRow("the same reading twice: refused")
        << QStringList{"new 2 K", "new 3 1", "new 2 K", "new 3 2"}
        << QStringList{"10.12.2026|Показание|K|1"}
        << "Показание K за 10.12.2026 уже есть в журнале.";
    QTest::newRow("a change made a reading: refused")
        << QStringList{"new 1 Подмена воды", "new 3 50", "0 1 Показание"}
        << QStringList{"10.12.2026|Подмена воды||50 %"}
        << "«Показание» не принято: у подмены воды нет элемента: добавьте показание новой "
           "строкой.";
    QTest::newRow("a change over 100 %: refused")
        << QStringList{"new 1 Подмена воды", "new 3 130"} << QStringList{}
        << "«130» не принято: подмена — от 0 до 100 %.";
    QTest::newRow("a value corrected to no number: refused, the entry kept")
        << QStringList{"new 2 GH", "new 3 6", "0 3 -1"} << QStringList{"10.12.2026|Показание|GH|6"}
        << "«-1» не принято: показание — от 0 до 10000.";
    QTest::newRow("no date") << QStringList{"new 0 31.02.2026"} << QStringList{}
                             << "«31.02.2026» не принято: нужна дата, например 10.12.2026.";
}

void TestPlan::log_typing()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);
    QFETCH(QString, status);

    plan_dates::set_today(QDate(2026, 12, 10));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Plan_Book book({}, folder.path());
    book.open();
    book.add_plan(QStringLiteral("Аквариум"), 100);
    Log_Table table(&book);
    for (const QString &step : steps) {
        const QString row = step.section(QLatin1Char(' '), 0, 0);
        table.type(row == QLatin1String("new") ? book.shown()->log.size() : row.toInt(),
                   step.section(QLatin1Char(' '), 1, 1).toInt(), step.section(QLatin1Char(' '), 2));
    }
    QStringList shown;
    for (const Log_Table::Row &row : table.rows()) {
        if (!row.draft)
            shown << row.texts.mid(0, 4).join(QLatin1Char('|'));
    }
    QCOMPARE(shown, rows);
    QCOMPARE(book.status(), status);
}

void TestPlan::uptake_fit_data()
{
    // A plan started on Monday 2 November, its changes on Mondays. The
    // readings are those given, or made by the model itself from the rate
    // and the start level on the days given, each moved by up to ±noise of
    // itself (a fixed seed).
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QVector<double>>("daily"); // of the element, mg/l, Monday first
    QTest::addColumn<QStringList>("readings");  // "day key value"; empty: made from the next
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("start");
    QTest::addColumn<QVector<int>>("days");
    QTest::addColumn<QString>("key"); // the readings' basis
    QTest::addColumn<double>("noise");
    // What the fit gives: the element's rate (NaN: no fit) within a share of
    // itself, the start level where it is fitted, and whether it says that
    // the tank gets more than the plan brings.
    QTest::addColumn<double>("fitted");
    QTest::addColumn<double>("within");
    // NaN: the first reading, not fitted; −1: fitted, not looked at.
    QTest::addColumn<double>("fitted_start");
    QTest::addColumn<bool>("above");
    QTest::addColumn<QString>("shown"); // the rate as the table gives it; empty: not looked at

    const int constant = Uptake_Fit::constant;
    const int proportional = Uptake_Fit::proportional;
    const QVector<double> thrice{2, 0, 2, 0, 2, 0, 0};
    const double nan = std::nan("");
    // The reef keepers' arithmetic: 10, three doses of 5 and six days of r make 8.
    QTest::newRow("hand-worked, constant: 10 + 3 × 5 − 6r = 8")
        << "N" << constant << 0 << QVector<double>{5, 0, 5, 0, 5, 0, 0}
        << QStringList{"0 N 10", "6 N 8"} << 0.0 << 0.0 << QVector<int>() << "N" << 0.0 << 17.0 / 6
        << 1e-9 << nan << false << "2.83 мг/л N в день, 19.8 в неделю";
    QTest::newRow("hand-worked, proportional: 8 to 1 in three days, half a day each")
        << "Fe" << proportional << 0 << QVector<double>(7, 0.0) << QStringList{"0 Fe 8", "3 Fe 1"}
        << 0.0 << 0.0 << QVector<int>() << "Fe" << 0.0 << 0.5 << 1e-9 << nan << false
        << "50 % в день, половина за 1 дн.";
    QTest::newRow("the model's own readings, constant, the start fitted")
        << "N" << constant << 50 << thrice << QStringList() << 0.7 << 3.0
        << QVector<int>{2, 5, 9, 12, 16, 23} << "N" << 0.0 << 0.7 << 1e-6 << 3.0 << false << "";
    QTest::newRow("the model's own readings, proportional, the start fitted")
        << "Fe" << proportional << 50 << QVector<double>{0.05, 0, 0, 0.05, 0, 0, 0} << QStringList()
        << 0.15 << 0.1 << QVector<int>{1, 4, 8, 11, 15, 22} << "Fe" << 0.0 << 0.15 << 1e-6 << 0.1
        << false << "";
    // Taken faster than it comes: 0.8 a day from 1, and from the 3 of each
    // Sunday, down to 0 in between.
    QTest::newRow("hand-worked, the level floored at 0")
        << "K" << constant << 0 << QVector<double>{0, 0, 0, 0, 0, 0, 3}
        << QStringList{"0 K 1", "1 K 0.2", "3 K 0", "7 K 2.2", "9 K 0.6", "13 K 0"} << 0.0 << 0.0
        << QVector<int>() << "K" << 0.0 << 0.8 << 1e-6 << 1.0 << false << "";
    QTest::newRow("NO3 read, N fitted")
        << "N" << constant << 50 << thrice << QStringList() << 0.4 << 2.0
        << QVector<int>{0, 4, 7, 11, 14} << "NO3" << 0.0 << 0.4 << 1e-6 << 2.0 << false
        << "1.77 мг/л NO3 в день, 12.4 в неделю";
    QTest::newRow("six readings over four weeks, ±10 %, constant")
        << "N" << constant << 50 << thrice << QStringList() << 0.5 << 4.0
        << QVector<int>{0, 5, 11, 16, 22, 28} << "N" << 0.1 << 0.5 << 0.15 << -1.0 << false << "";
    QTest::newRow("six readings over four weeks, ±10 %, proportional")
        << "Fe" << proportional << 50 << QVector<double>{0.1, 0, 0, 0.1, 0, 0, 0} << QStringList()
        << 0.2 << 0.2 << QVector<int>{0, 5, 11, 16, 22, 28} << "Fe" << 0.1 << 0.2 << 0.15 << -1.0
        << false << "";
    // The plan brings 6 a week and half is changed: nothing is taken.
    QTest::newRow("readings above the prediction: 0, and the tank gets more")
        << "K" << constant << 50 << thrice << QStringList{"0 K 5", "7 K 12", "14 K 15"} << 0.0
        << 0.0 << QVector<int>() << "K" << 0.0 << 0.0 << 0.0 << -1.0 << true << "";
    QTest::newRow("one reading: no fit")
        << "K" << constant << 50 << thrice << QStringList{"3 K 5", "3 Fe 1"} << 0.0 << 0.0
        << QVector<int>() << "K" << 0.0 << nan << 0.0 << nan << false << "";
}

void TestPlan::uptake_fit()
{
    QFETCH(QString, element);
    QFETCH(int, model);
    QFETCH(int, percent);
    QFETCH(QVector<double>, daily);
    QFETCH(QStringList, readings);
    QFETCH(double, rate);
    QFETCH(double, start);
    QFETCH(QVector<int>, days);
    QFETCH(QString, key);
    QFETCH(double, noise);
    QFETCH(double, fitted);
    QFETCH(double, within);
    QFETCH(double, fitted_start);
    QFETCH(bool, above);
    QFETCH(QString, shown);

    Dosing_Plan plan;
    plan.start = QDate(2026, 11, 2);
    plan.change_day = 0;
    plan.change_percent = percent;
    const plan_levels::Input dosed = input(0, daily);
    const auto kind = Uptake_Fit::Model(model);
    const auto read = [&](int _day, const QString &_key, double _value) {
        Log_Entry entry;
        entry.date = plan.start.addDays(_day);
        entry.key = _key;
        entry.value = _value;
        plan.log.append(entry);
    };
    for (const QString &reading : readings) {
        const QStringList words = reading.split(QLatin1Char(' '));
        read(words.value(0).toInt(), words.value(1), words.value(2).toDouble());
    }
    if (!days.isEmpty()) {
        const QVector<double> made =
            Uptake_Fit::run(dosed, Tank_Log::changes(plan, plan.start.addDays(days.last())),
                            plan.start, days.first(), days.last(), start, kind, rate);
        double factor = 1;
        Uptake_Fit::element_of(key, &factor);
        QRandomGenerator noisy(2026);
        for (const int day : days)
            read(day, key,
                 made.at(day - days.first()) * factor *
                     (1 + noise * (2 * noisy.generateDouble() - 1)));
    }

    const Uptake_Fit::Result found = Uptake_Fit::fit(dosed, plan, element, kind);
    QCOMPARE(found.fitted, !std::isnan(fitted));
    if (!found.fitted) {
        QVERIFY(Uptake_Fit::remark(found).startsWith(QStringLiteral("нужно ещё")));
        return;
    }
    QVERIFY2(std::abs(found.rate - fitted) <= within * std::max(fitted, 1e-9),
             qPrintable(QString::number(found.rate, 'g', 12)));
    QCOMPARE(found.start_fitted, !std::isnan(fitted_start));
    if (fitted_start >= 0)
        QVERIFY2(std::abs(found.start - fitted_start) <= 1e-6 * fitted_start,
                 qPrintable(QString::number(found.start, 'g', 12)));
    QCOMPARE(found.above_plan, above);
    QCOMPARE(Uptake_Fit::remark(found).isEmpty(), !above);
    QCOMPARE(found.basis, key);
    if (!shown.isEmpty())
        QCOMPARE(Uptake_Fit::texts(found).value(2), shown);
    if (noise == 0 && !above)
        QVERIFY2(found.rms < 1e-6, qPrintable(QString::number(found.rms)));
}

void TestPlan::store_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file yet
    // "": nothing else; "locked": another program holds the lock; "empty lock":
    // a lock file without its owner, which "held" keeps locked; "read-only":
    // the folder may not be written; "save fails": the file cannot be replaced.
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("plans");
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<QString>("message"); // a regular expression; empty: no message
    QTest::addColumn<bool>("moved_aside");
    QTest::addColumn<QString>("start"); // of the first plan once opened; empty: not looked at

    QTest::newRow("no file yet") << QByteArray() << "" << 0 << false << "" << false << "";
    QTest::newRow("round trip, unknown members kept")
        << QByteArray(full_file) << "" << 1 << false << "" << false << "2026-12-06";
    // As an earlier version wrote it, with its changes on Sundays for a
    // while: it starts on the last Sunday before today, Thursday 10 December.
    QByteArray earlier = full_file;
    const int log_from = earlier.indexOf(",\n    \"start\"");
    earlier.remove(log_from, earlier.indexOf("\n  }]") - log_from);
    QTest::newRow("a file of an earlier version: no start, no log")
        << earlier << "" << 1 << false << "" << false << "2026-12-06";
    // As an earlier version let them be typed: read, counted for nothing,
    // and written back as they were until the user corrects them.
    QTest::newRow("a dose and new water beyond the limits, kept as they are")
        << QByteArray(full_file)
               .replace("\"weekly_dose\": 12.25", "\"weekly_dose\": 1e308")
               .replace("\"mg_per_l\": 12.5", "\"mg_per_l\": 20000")
        << "" << 1 << false << "" << false << "";
    // Keys with raw NUL bytes, which Qt sorts otherwise once written escaped.
    QTest::newRow("unknown members with NULs in their keys, written the same twice")
        << QByteArray(full_file).replace("\"tank_l\"",
                                         QByteArray("\"\0\0]\": 0, \"\0e\": {}, \"tank_l\"", 28))
        << "" << 1 << false << "" << false << "";
    // And those with characters beyond Latin-1 among keys of Latin-1 only.
    QTest::newRow("an unknown member of a log entry with a byte-order mark, written the same twice")
        << QByteArray(full_file).replace("\"note\": \"API\"", "\"\xEF\xBB\xBFnote\": \"API\"") << ""
        << 1 << false << "" << false << "";
    QTest::newRow("not JSON: moved aside")
        << QByteArray("{\"version\": 1,\n \"plans\": [}") << "" << 0 << false
        << "^Файл планов не читается \\(это не JSON: 2:12: .+\\)\\. Он перенесён как есть в "
           ".*plans\\.json\\.unreadable-\\d{8}-\\d{6}, планы начаты заново\\.$"
        << true << "";
    QTest::newRow("another version: moved aside")
        << QByteArray(R"({"version": 2, "plans": []})") << "" << 0 << false
        << "\\(версия файла 2, а эта программа читает версию 1\\)" << true << "";
    QTest::newRow("a member of the wrong kind: moved aside")
        << QByteArray(full_file).replace("\"tank_l\": 60", "\"tank_l\": \"60\"") << "" << 0 << false
        << "\\(plans\\[0\\]\\.tank_l: должно быть целое число от 1 до 10000\\)" << true << "";
    QTest::newRow("an item's days out of range: moved aside")
        << QByteArray(full_file).replace("[1, 4]", "[1, 8]") << "" << 0 << false
        << "\\(plans\\[0\\]\\.items\\[0\\]\\.days: дни недели — числа от 1 до 7\\)" << true << "";
    QTest::newRow("a log entry no test reads: moved aside")
        << QByteArray(full_file).replace("\"key\": \"N\"", "\"key\": \"Xx\"") << "" << 0 << false
        << "\\(plans\\[0\\]\\.log\\[0\\]\\.key: это не элемент, не NO3, PO4 или SO4 и не GH\\)"
        << true << "";
    QTest::newRow("a change of more than all the water: moved aside")
        << QByteArray(full_file).replace("\"change_percent\": 30", "\"change_percent\": 130") << ""
        << 0 << false
        << "\\(plans\\[0\\]\\.log\\[1\\]\\.change_percent: должно быть число от 0 до 100\\)" << true
        << "";
    QTest::newRow("a log entry without a date: moved aside")
        << QByteArray(full_file).replace("\"date\": \"2026-12-01\", ", "") << "" << 0 << false
        << "\\(plans\\[0\\]\\.log\\[0\\]\\.date: должна быть дата ГГГГ-ММ-ДД\\)" << true << "";
    for (const char *year : {"1026", "3026"})
        QTest::addRow("a log entry of %s, a slip for 2026: moved aside", year)
            << QByteArray(full_file).replace("\"date\": \"2026-12-01\"",
                                             QByteArray("\"date\": \"") + year + "-12-01\"")
            << "" << 0 << false
            << "\\(plans\\[0\\]\\.log\\[\\d\\]\\.date: должна быть дата с 2000-01-01 по "
               "2100-12-31\\)"
            << true << "";
    QTest::newRow("an uptake model there is none of: moved aside")
        << QByteArray(full_file).replace("\"Fe\": \"constant\"", "\"Fe\": \"linear\"") << "" << 0
        << false
        << "\\(plans\\[0\\]\\.uptake\\.models: «Fe»: должно быть constant или proportional\\)"
        << true << "";
    QTest::newRow("periods of doses out of order: moved aside")
        << QByteArray(full_file).replace("\"dosed\": [{", "\"dosed\": [{\"until\": \"2026-12-01\", "
                                                          "\"tank_l\": 50}, {")
        << "" << 0 << false
        << "\\(plans\\[0\\]\\.dosed\\[1\\]\\.until: периоды доз — по порядку дат\\)" << true << "";
    QTest::newRow("an uptake model of an ion: moved aside")
        << QByteArray(full_file).replace("\"Fe\": \"constant\"", "\"NO3\": \"constant\"") << "" << 0
        << false << "\\(plans\\[0\\]\\.uptake\\.models: «NO3» — не элемент и не GH\\)" << true
        << "";
    QTest::newRow("a second running program: read-only")
        << QByteArray(full_file) << "locked" << 1 << true
        << "^Планы открыты в другой запущенной копии Ровалина" << false << "";
    // A program killed while it took the lock left it empty; one taking it
    // now holds it before it writes its name.
    QTest::newRow("a lock left empty by a killed program: taken")
        << QByteArray(full_file) << "empty lock" << 1 << false << "" << false << "";
    QTest::newRow("an empty lock a program is taking: read-only")
        << QByteArray(full_file) << "empty lock, held" << 1 << true
        << "^Планы открыты в другой запущенной копии Ровалина" << false << "";
    QTest::newRow("unreadable, and held by another program: left alone")
        << QByteArray("[") << "locked" << 0 << true
        << "другой запущенной копии.* Файл .*plans\\.json не читается \\(это не JSON" << false
        << "";
#ifdef Q_OS_UNIX
    QTest::newRow("a folder that cannot be written: read-only")
        << QByteArray(full_file) << "read-only" << 1 << true << "^В папку .* нельзя записать"
        << false << "";
    QTest::newRow("unreadable in a folder that cannot be written: left alone")
        << QByteArray("nonsense") << "read-only" << 0 << true
        << "нельзя записать.* Файл .*plans\\.json не читается \\(это не JSON: 1:1:" << false << "";
#endif
    QTest::newRow("a save that fails keeps the change")
        << QByteArray() << "save fails" << 1 << false
        << "^Не удалось сохранить планы в .*plans\\.json: .+\\. Изменения остались в окне\\.$"
        << false << "";
}

void TestPlan::store()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, setting);
    QFETCH(int, plans);
    QFETCH(bool, read_only);
    QFETCH(QString, message);
    QFETCH(bool, moved_aside);
    QFETCH(QString, start);

    plan_dates::set_today(QDate(2026, 12, 10));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("rovalin"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/plans.json");
    if (!file.isNull()) {
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly));
        QCOMPARE(written.write(file), qint64(file.size()));
    }
    QLockFile other(path + QStringLiteral(".lock"));
    if (setting == QLatin1String("locked"))
        QVERIFY(other.tryLock(0));
    QFile empty_lock(path + QStringLiteral(".lock"));
    if (setting.startsWith(QLatin1String("empty lock"))) {
        // Open, it is held on Windows; elsewhere it takes the lock QLockFile takes.
        QVERIFY(empty_lock.open(QIODevice::WriteOnly));
        if (!setting.endsWith(QLatin1String("held")))
            empty_lock.close();
#ifdef Q_OS_UNIX
        else
            QCOMPARE(::flock(empty_lock.handle(), LOCK_EX | LOCK_NB), 0);
#endif
    }

    // What the store made of the file, a line a fact.
    const auto open = [&] {
        Plan_Book book({}, folder);
        book.open();
        if (setting == QLatin1String("save fails")) {
            // Where the file should go, a folder: nothing replaces it.
            QDir(folder).mkdir(QStringLiteral("plans.json"));
            book.add_plan(QStringLiteral("Новый"), 40);
        }
        return (QString::number(book.plans().size()) + QLatin1Char('\n') +
                (book.read_only() ? "read-only" : "writable") + QLatin1Char('\n') +
                (book.plans().isEmpty() ? QString()
                                        : book.plans().first().start.toString(Qt::ISODate)) +
                QLatin1Char('\n') + book.status())
            .toUtf8();
    };
    QByteArray said;
    if (setting == QLatin1String("read-only")) {
#ifdef Q_OS_UNIX
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), readable));
        QVERIFY(QFile::setPermissions(folder, readable));
        if (::geteuid() == 0) {
            bool ok = false;
            said = as_nobody(open, &ok);
            QVERIFY2(ok, said.constData());
        } else {
            said = open();
        }
        QVERIFY(QFile::setPermissions(folder, readable | QFileDevice::WriteOwner));
        QVERIFY(QFile::setPermissions(dir.path(), readable | QFileDevice::WriteOwner));
#endif
    } else {
        said = open();
    }
    const QStringList facts = QString::fromUtf8(said).split(QLatin1Char('\n'));
    QCOMPARE(facts.value(0).toInt(), plans);
    QCOMPARE(facts.value(1) == QLatin1String("read-only"), read_only);
    if (!start.isEmpty())
        QCOMPARE(facts.value(2), start);
    const QString status = facts.mid(3).join(QLatin1Char('\n'));
    if (message.isEmpty())
        QCOMPARE(status, QString());
    else
        QVERIFY2(QRegularExpression(message).match(status).hasMatch(), qPrintable(status));

    // A file that cannot be read keeps its bytes, aside or where it was.
    const QStringList aside = QDir(folder).entryList({QStringLiteral("plans.json.unreadable-*")});
    QCOMPARE(aside.size(), moved_aside ? 1 : 0);
    if (!file.isNull() && setting != QLatin1String("save fails")) {
        QFile kept(moved_aside ? folder + QLatin1Char('/') + aside.first() : path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), file);
    }
    if (moved_aside)
        QVERIFY(!QFileInfo::exists(path));

    // Written back, the plans are the file: what this version does not know
    // included, an item no catalogue has unchanged.
    if (plans > 0 && !read_only && setting.isEmpty()) {
        Plan_Store store(folder);
        const QVector<Dosing_Plan> read = store.open();
        QVERIFY(store.save(read));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray once = written.readAll();
        // As maps, since Qt orders keys with raw NULs otherwise once escaped.
        QCOMPARE(QJsonDocument::fromJson(once).toVariant(),
                 QJsonDocument::fromJson(file).toVariant());
        // Read and saved again, it does not change.
        written.close();
        QVERIFY(store.save(store.open()));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), once);
    }
}

QString TestPlan::write(const QByteArray &_content)
{
    if (!directory.isValid())
        qFatal("no temporary folder");
    return write_file(directory, _content);
}

void TestPlan::reads_targets_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("problems");

    QTest::newRow("keys in ascending order, a method and livestock may share a name")
        << QByteArray(
               R"({"methods": [{"name": "EI", "water_change": {"percent": 50, "every_days": 7},
                                       "ranges": {"NO3": [5, 30], "K": [10, 30], "Fe": [0.2, 0.5],
                                                  "PO4": [1, 1]},
                                       "source": "s"},
                                      {"name": "Без смены", "ranges": {"SO4": [0, 0]}}],
                          "livestock": [{"name": "Креветки", "ceilings": {"NO3": 10, "Cu": 0.02},
                                         "source": "t"},
                                        {"name": "EI"}],
                          "note": "x"})")
        << 4
        << "method EI|50 % / 7|Fe=0.2..0.5,K=10..30,NO3=5..30,PO4=1..1|s\n"
           "method Без смены|-1 % / -1|SO4=0..0|\n"
           "livestock Креветки|Cu<0.02,NO3<10|t\n"
           "livestock EI||"
        << "";
    QTest::newRow("English names: a text other than empty is one")
        << QByteArray(
               R"({"methods": [{"name": "EI", "name_en": 5}, {"name": "Свой", "name_en": "Own"}],
                          "livestock": [{"name": "Креветки", "name_en": "Shrimp"},
                                        {"name": "Рыбы", "name_en": ""}]})")
        << 4
        << "method EI|-1 % / -1||\nmethod Свой / Own|-1 % / -1||\n"
           "livestock Креветки / Shrimp||\nlivestock Рыбы||"
        << "";
    QTest::newRow("broken JSON") << QByteArray(R"({"methods": [{"name": "A"},]})") << 0 << ""
                                 << "F:1:28: здесь «]» сразу после запятой (лишняя запятая?)";
    QTest::newRow("an array at the top") << QByteArray(R"([{"name": "EI"}])") << 0 << ""
                                         << "F: в файле массив [ … ], а должен быть объект { … }";
    QTest::newRow("no entry at all") << QByteArray(R"({"methods": [], "note": "x"})") << 0 << ""
                                     << "F: в \"methods\" и \"livestock\" нет ни одной записи";
    QTest::newRow("lists that are no arrays")
        << QByteArray(R"({"methods": {"name": "A"}, "livestock": "Креветки"})") << 0 << ""
        << "F: \"methods\" пропущен: это не массив [ … ]\n"
           "F: \"livestock\" пропущен: это не массив [ … ]";
    QTest::newRow("entries without a name")
        << QByteArray(R"({"methods": [{"ranges": {"K": [1, 2]}}, 5, {"name": 7}, {"name": ""},
                                      {"name": "A"}],
                          "livestock": [{"name": null}]})")
        << 1 << "method A|-1 % / -1||"
        << "F: \"methods\": объект № 1 пропущен: у него нет \"name\"\n"
           "F: \"methods\": элемент массива № 2 пропущен: это не объект { … }\n"
           "F: \"methods\": объект № 3 пропущен: \"name\" должно быть непустой строкой\n"
           "F: \"methods\": объект № 4 пропущен: \"name\" должно быть непустой строкой\n"
           "F: \"livestock\": объект № 1 пропущен: \"name\" должно быть непустой строкой";
    // The entry repeated is passed over whole, its wrong figures unread.
    QTest::newRow("a repeated name")
        << QByteArray(R"({"methods": [{"name": "A", "ranges": {"K": [1, 2]}},
                                      {"name": "A", "ranges": {"Xx": 1}}],
                          "livestock": [{"name": "A"}, {"name": "A", "ceilings": 0}]})")
        << 2 << "method A|-1 % / -1|K=1..2|\nlivestock A||"
        << "F: «A»: такое имя уже есть в \"methods\", запись пропущена\n"
           "F: «A»: такое имя уже есть в \"livestock\", запись пропущена";
    const QString no_key = QStringLiteral(": это не элемент и не NO3, PO4 или SO4, пропущено");
    QTest::newRow("keys that are neither an element nor an ion")
        << QByteArray(R"({"methods": [{"name": "M", "ranges": {"Xx": [1, 2], "CO2": [25, 35],
                                                              "no3": [5, 10], "N": [1, 2]}}],
                          "livestock": [{"name": "L", "ceilings": {"GH": 3, "Cu": 0.1}}]})")
        << 2 << "method M|-1 % / -1|N=1..2|\nlivestock L|Cu<0.1|"
        << "F: «M»: \"ranges\": «CO2»" + no_key + "\nF: «M»: \"ranges\": «Xx»" + no_key +
               "\nF: «M»: \"ranges\": «no3»" + no_key + "\nF: «L»: \"ceilings\": «GH»" + no_key;
    const QString no_range = QStringLiteral(
        ": должно быть два числа [нижний, верхний], 0 ≤ нижний ≤ верхний, диапазон пропущен");
    QStringList wrong_ranges;
    for (const char *key : {"B", "Ca", "Cu", "Fe", "K", "Mg", "N"})
        wrong_ranges << QStringLiteral("F: «M»: \"ranges\": «%1»").arg(QLatin1String(key)) +
                            no_range;
    QTest::newRow("ranges that are not two numbers from low to high")
        << QByteArray(R"({"methods": [{"name": "M",
                                       "ranges": {"B": [2, 1], "Ca": [1], "Cu": [1, 2, 3],
                                                  "Fe": ["0.1", 0.5], "K": [-1, 2], "Mg": 5,
                                                  "Mn": [0, 0.1], "N": [null, 1]}},
                                      {"name": "R", "ranges": [1, 2]}]})")
        << 2 << "method M|-1 % / -1|Mn=0..0.1|\nmethod R|-1 % / -1||"
        << (wrong_ranges +
            QStringList{"F: «R»: \"ranges\": должен быть объект { … }, диапазоны пропущены"})
               .join(QLatin1Char('\n'));
    QStringList wrong_ceilings;
    for (const char *key : {"Cu", "Fe", "K", "Mg", "N"})
        wrong_ceilings << QStringLiteral("F: «L»: \"ceilings\": «%1»: должно быть число больше 0, "
                                         "предел пропущен")
                              .arg(QLatin1String(key));
    QTest::newRow("ceilings that are not numbers above 0")
        << QByteArray(R"({"livestock": [{"name": "L",
                                         "ceilings": {"Cu": 0, "Fe": -0.1, "K": "1", "Mg": [1],
                                                      "N": null, "Zn": 1e-9}},
                                        {"name": "M", "ceilings": 0.1}]})")
        << 2 << "livestock L|Zn<1e-09|\nlivestock M||"
        << (wrong_ceilings +
            QStringList{"F: «M»: \"ceilings\": должен быть объект { … }, пределы пропущены"})
               .join(QLatin1Char('\n'));
    const QString percent = QStringLiteral(": \"water_change\": \"percent\" должно быть целое "
                                           "число от 0 до 100, подмена воды пропущена");
    const QString every = QStringLiteral(": \"water_change\": \"every_days\" должно быть целое "
                                         "число от 1 до 90, подмена воды пропущена");
    QTest::newRow("water changes out of bounds, and at them")
        << QByteArray(
               R"({"methods": [{"name": "A", "water_change": {"percent": 101, "every_days": 7}},
                                      {"name": "B", "water_change": {"percent": 50, "every_days": 7.5}},
                                      {"name": "C", "water_change": {"percent": 50, "every_days": 0}},
                                      {"name": "D", "water_change": {"percent": 50, "every_days": 91}},
                                      {"name": "E", "water_change": {"percent": 50}},
                                      {"name": "W", "water_change": 50, "ranges": {"K": [1, 2]}},
                                      {"name": "G", "water_change": {"percent": 0, "every_days": 90}},
                                      {"name": "H", "water_change": {"percent": "50", "every_days": -1}}]})")
        << 8
        << "method A|-1 % / -1||\nmethod B|-1 % / -1||\nmethod C|-1 % / -1||\n"
           "method D|-1 % / -1||\nmethod E|-1 % / -1||\nmethod W|-1 % / -1|K=1..2|\n"
           "method G|0 % / 90||\nmethod H|-1 % / -1||"
        << "F: «A»" + percent + "\nF: «B»" + every + "\nF: «C»" + every + "\nF: «D»" + every +
               "\nF: «E»" + every +
               "\nF: «W»: \"water_change\": должен быть объект { … }, подмена воды пропущена" +
               "\nF: «H»" + percent + "\nF: «H»" + every;
}

void TestPlan::reads_targets()
{
    QFETCH(QByteArray, content);
    QFETCH(int, added);
    QFETCH(QString, entries);
    QFETCH(QString, problems);

    Dosing_Targets targets;
    QStringList lines;
    const QString path = write(content);
    QCOMPARE(read_targets(path, &targets, &lines), added);
    QCOMPARE(targets.methods.size() + targets.livestock.size(), added);
    QCOMPARE(dump(targets), entries);
    QCOMPARE(lines.join(QLatin1Char('\n')).replace(path, QStringLiteral("F")), problems);

    // Each entry is found by its name, in its own list only; never by its
    // English name, which plans do not keep.
    for (const Dosing_Method &method : targets.methods) {
        QCOMPARE(targets.method(method.name), &method);
        QVERIFY(method.name_en.isEmpty() || !targets.method(method.name_en));
    }
    for (const Livestock &animals : targets.livestock) {
        QCOMPARE(targets.animals(animals.name), &animals);
        QVERIFY(animals.name_en.isEmpty() || !targets.animals(animals.name_en));
    }
    QVERIFY(!targets.method(QStringLiteral("Креветки")));
    QVERIFY(!targets.animals(QStringLiteral("Без смены")));
}

// A targets file that is not there is read as a catalogue is, and said to be
// missing alike.
void TestPlan::missing_targets_file_adds_nothing()
{
    QVERIFY(directory.isValid());
    QStringList problems;
    const QString absent = directory.filePath(QStringLiteral("absent.json"));
    Dosing_Targets targets;
    QCOMPARE(read_targets(absent, &targets, &problems), 0);
    QCOMPARE(problems, QStringList{absent + QStringLiteral(": нет такого файла")});
}

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
