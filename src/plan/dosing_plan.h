// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DOSING_PLAN_H
#define ROVALIN_DOSING_PLAN_H

// A week's dosing plan for one tank: the bottles and compounds dosed, on which
// weekdays, how much of the water is changed how often, and what the new water
// brings; and the levels all of it gives in the tank, day by day and once the
// cycle repeats.
//
// The model of the levels: day t = 0, 1, 2, … falls on weekday
// (first change day + t) mod 7. The tank starts at the new water's content on
// the first change day, right after a change. At the start of every day t > 0
// that is a whole number of intervals after day 0, a fraction f of the water
// is changed (L = (1 − f)·L + f·W, with W the new water's content); then that
// weekday's doses are added. Plants and filters take nothing.

#include "base/element.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonObject>
#include <QMap>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <array>

class Compound;
class Type_Fertilizer;

// One thing dosed: a catalogue entry of a kind, with its weekly amount and the
// weekdays it is given on.
struct Plan_Item
{
    QString kind;        // "premix", "diy" or "diy_sol", as the calculators name their kinds
    QString name;        // the entry's name in its catalogue
    double grams = 0;    // a solution's grams of compound…
    double water_ml = 0; // …in so many ml of water; 0 for the other kinds
    double weekly = 0;   // ml a week (products, solutions) or mg (dry compounds)
    unsigned days = 0;   // bit d set: dosed on weekday d, 0 Monday … 6 Sunday
    // The item as the plans file had it, members this version does not know
    // included; written back with the known members brought up to date.
    QJsonObject stored;

    // The same entry: kind and name, and for a solution its grams and water.
    bool same_entry(const Plan_Item &_other) const;
    int day_count() const;
    bool dosed_on(int _weekday) const { return (days >> _weekday) & 1u; }
};

// What the new water brings of one element or ion, as the user typed it:
// an element symbol, or NO3, PO4 or SO4, counted as their N, P and S.
struct Water_Figure
{
    QString key;
    double mg_per_l = 0;
    QJsonObject stored;
};

// What the log of a tank holds: a test reading, the level at the start of
// its day, before that day's change and doses; or a water change made.
struct Log_Entry
{
    QDate date;
    bool change = false;
    QString key;      // a reading's element or ion, or GH: "N", "NO3", "K", "GH"
    double value = 0; // a reading in mg/l (GH in °dH); a change's percent
    QString note;
    QJsonObject stored;

    // The same entry for the log: the same date, kind and key.
    bool same_slot(const Log_Entry &_other) const
    {
        return date == _other.date && change == _other.change && key == _other.key;
    }
};

// What a plan dosed until a day, kept once its log has readings to read
// against it: its items and tank as they were then.
struct Dose_Period
{
    QDate until; // the last day dosed so
    int tank = 100;
    QVector<Plan_Item> items;
    QJsonObject stored;
};

struct Dosing_Plan
{
    QString name;
    int tank = 100; // litres
    int change_percent = 50;
    int change_every = 7; // days from one change to the next
    int change_day = 5;   // the weekday of the first change, 0 Monday … 6 Sunday
    int weeks = 12;       // weeks the course is drawn for
    QVector<Water_Figure> water;
    QVector<Plan_Item> items;
    // The dosing method and the livestock its levels are read against, by
    // name; empty for none.
    QString method;
    QString livestock;
    // The rows whose course is drawn; until the user chooses, N, P, K and Fe.
    bool chart_chosen = false;
    QStringList chart;
    // The day of the first change, day 0 of the model, on change_day's
    // weekday; null where a file of an earlier version gave none.
    QDate start;
    // What was measured and done, oldest first.
    QVector<Log_Entry> log;
    // What was dosed before the items and tank as they are now, oldest first.
    QVector<Dose_Period> dosed;
    // The uptake model the user chose for an element, by the element's
    // symbol ("constant", "proportional"); the others take their default.
    QMap<QString, QString> uptake_models;
    // Whether the levels shown take up what the log's fit says the tank does.
    bool use_uptake = false;
    QJsonObject stored;

    // The first item that is the same entry as _item, or -1.
    int find(const Plan_Item &_item) const;
};

// Limits a plan's figures are kept within, the window's and the file's.
namespace plan_limits {
constexpr int tank_min = 1, tank_max = 10000;
constexpr int percent_max = 100;
constexpr int every_min = 1, every_max = 90;
constexpr int weeks_min = 1, weeks_max = 52;
// The most a week of one item, in ml (products, solutions) or mg (dry
// compounds), and the most of one element or ion in the new water, in mg/l:
// more than any tank needs, so that a slip of the keyboard is refused.
constexpr double weekly_max = 100000;
constexpr double water_max = 10000;
// The most a test reading may say, in mg/l or °dH.
constexpr double reading_max = 10000;

// A kept figure beyond these counts for nothing until the user corrects it.
inline bool weekly_within(double _weekly)
{
    return _weekly > 0 && _weekly <= weekly_max;
}
inline bool water_within(double _mg_per_l)
{
    return _mg_per_l >= 0 && _mg_per_l <= water_max;
}
} // namespace plan_limits

// The plan's days as dates.
namespace plan_dates {

// 0 Monday … 6 Sunday.
inline int weekday(const QDate &_date)
{
    return _date.dayOfWeek() - 1;
}
// The day the plans take for today: the system's, unless one was set (as the
// tests do, for plans that start on a day they know).
QDate today();
void set_today(const QDate &_today);
// The dates a plan may start on and its log hold: a course over centuries
// would take the program minutes to work out, and a date such as 1026 or
// 3026 is a slip of the keyboard.
inline QDate earliest()
{
    return QDate(2000, 1, 1);
}
inline QDate latest()
{
    return QDate(2100, 12, 31);
}
inline bool within(const QDate &_date)
{
    return _date >= earliest() && _date <= latest();
}
// The date nearest _date on _weekday: at most three days away, but not
// outside earliest() to latest(), where it is the nearest within.
QDate on_weekday(const QDate &_date, int _weekday);
// The last date on _weekday before _day: from one to seven days before.
QDate last_before(const QDate &_day, int _weekday);

} // namespace plan_dates

// The course of one quantity in the tank.
namespace plan_levels {

// What makes the course: the new water's content and what each weekday's
// doses add (mg/l, 0 Monday … 6 Sunday).
struct Input
{
    double water = 0;
    std::array<double, 7> daily{};

    double weekly() const;
    Input &add(const Input &_other, double _times = 1);
};

// What the tank takes up each day, after the day's doses: a constant rate
// (mg/l a day, the level never below 0) or a share of the level; none at 0.
struct Uptake
{
    bool proportional = false;
    double rate = 0;

    bool any() const { return rate > 0; }
    double taken(double _level) const
    {
        return proportional ? _level * (1 - rate) : std::max(0.0, _level - rate);
    }
};

struct Regime
{
    double fraction = 0.5; // of the water changed, 0 to 1
    int every = 7;         // days, at least 1
    int first_day = 5;     // weekday of day 0
};

// The levels the tank swings between once the cycle of changes and doses
// repeats: the lowest right after a change, the highest right before one. The
// cycle is worked out in closed form over lcm(interval, 7) days. Without
// changes, a quantity that is dosed has no such band (bounded is false); one
// that is not stays at the new water's content.
struct Band
{
    double low = 0;
    double high = 0;
    bool bounded = true;
};

Band steady_band(const Input &_input, const Regime &_regime);
// The same with what the tank takes up: the lowest and the highest level of
// the repeating cycle, found by Newton's steps on the level it opens with.
// Without changes the band is bounded where the uptake keeps up with the doses.
Band steady_band(const Input &_input, const Regime &_regime, const Uptake &_uptake);

// The levels right before each change of the repeating cycle, in order; none
// without changes. The band's high is the largest of them.
QVector<double> peaks(const Input &_input, const Regime &_regime);

// How many times _part may be dosed on top of _rest (the new water and every
// other dose) so that no peak exceeds _ceiling: the largest s with every peak
// of _rest + s·_part at most _ceiling. -1 where _rest alone exceeds it (without
// changes, where it doses anything); infinite where _part adds nothing.
double largest_share(const Input &_rest, const Input &_part, const Regime &_regime,
                     double _ceiling);
// The same with uptake, by bisection on the band's high: the uptake does not
// grow with the doses, so the levels are no longer linear in them.
double largest_share(const Input &_rest, const Input &_part, const Regime &_regime, double _ceiling,
                     const Uptake &_uptake);

// The level day by day from day 0 to day _days: a point at each day's start,
// then where a change or a dose moves it, a point after each step at the
// same day, so that the line drops at each change and rises at each dose.
QVector<QPointF> course(const Input &_input, const Regime &_regime, int _days,
                        const Uptake &_uptake = Uptake());

} // namespace plan_levels

// The calculators, by kind, that items are looked up in.
struct Plan_Catalogues
{
    Type_Fertilizer *premix = nullptr;
    Type_Fertilizer *diy = nullptr;
    Type_Fertilizer *diy_sol = nullptr;

    Type_Fertilizer *of_kind(const QString &_kind) const;
};

// What one item gives in the plan's tank.
struct Item_Figures
{
    // out_of_range: a weekly dose beyond plan_limits, as a file of an earlier
    // version may hold; the item adds nothing until it is corrected.
    enum State { usable, missing, undissolved, out_of_range };
    State state = missing;
    // mg/l a week of each element, as its calculator works out the
    // concentration of the weekly dose.
    QVector<Element> weekly;
};

// The catalogue entry _item stands for, and its place in its calculator's
// list; null when the catalogues have none.
const Compound *find_entry(const Plan_Item &_item, const Plan_Catalogues &_catalogues,
                           int *_index = nullptr);

Item_Figures item_figures(const Plan_Item &_item, int _tank, const Plan_Catalogues &_catalogues);

// A row of the plan's totals: an element, an ion worked out from its element
// (NO3 from N, PO4 from P, SO4 from S), or the general hardness from Ca and
// Mg in °dH.
struct Plan_Total
{
    QString key;   // "K", "NO3", "GH"
    QString label; // "K", "NO3 (из N)", "GH, °dH"
    plan_levels::Input input;
    plan_levels::Band band;
    // What the tank takes up of it, where the plan uses its log's fit; the
    // band is then the band with it.
    plan_levels::Uptake uptake;
};

class Plan_Totals
{
    Q_DECLARE_TR_FUNCTIONS(Plan_Totals)

public:
    // Rows in ascending order of the elements' symbols, each ion right after
    // its element, the hardness last where Ca or Mg is present. Items that
    // cannot be worked out, or are dosed on no day, add nothing; nor does a
    // figure of the new water beyond plan_limits.
    static QVector<Plan_Total> of(const Dosing_Plan &_plan, const Plan_Catalogues &_catalogues);
    static plan_levels::Regime regime(const Dosing_Plan &_plan);

    // The element an ion stands for and how many mg of the ion a mg of it
    // makes, from the atomic weights (NO3 = N × 62.004 ÷ 14.007); an empty
    // element for anything else.
    static QString ion_element(const QString &_ion, double *_factor = nullptr);
    // Whether _key may stand in the new water: an element symbol or an ion.
    static bool water_key(const QString &_key);
    // Whether a test may read _key: what the new water may have, or GH.
    static bool reading_key(const QString &_key);
};

#endif // ROVALIN_DOSING_PLAN_H
