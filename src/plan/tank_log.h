// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_TANK_LOG_H
#define ROVALIN_TANK_LOG_H

// A plan on real dates, beside the log of what was measured and done in its
// tank: the course of every row of the totals, following the logged water
// changes where the log has them, and what the plan says a test should have
// read; the log as a CSV file and back.
//
// Day 0 is the earlier of the plan's start and the first log date; the tank
// holds the new water's content at its start. A day runs: the reading (the
// level at its start), the change, the doses. The water is changed
//  - before the first logged change, on the plan's schedule: the start and
//    every interval after it;
//  - from the first to the last logged change, on the logged dates at the
//    logged percent, and on no other day;
//  - after the last one, every interval from it, at the plan's percent.
// The doses follow the plan's weekdays throughout.

#include "plan/dosing_plan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

// The totals of a period of the plan's doses that is over (Dose_Period),
// and one row's input then.
struct Past_Totals
{
    QDate until;
    QVector<Plan_Total> totals;
};
struct Past_Input
{
    QDate until;
    plan_levels::Input input;
};

class Tank_Log
{
    Q_DECLARE_TR_FUNCTIONS(Tank_Log)

public:
    // _key's row in each period that is over; nothing dosed where it has none.
    static QVector<Past_Input> past_inputs(const QVector<Past_Totals> &_past, const QString &_key);
    // What is dosed on _date: the period's it falls in, else _input's.
    static const plan_levels::Input &dosed_on(const QDate &_date, const plan_levels::Input &_input,
                                              const QVector<Past_Input> &_past);

    // The totals of each period of _plan's doses that is over, in order.
    static QVector<Past_Totals> past_totals(const Dosing_Plan &_plan,
                                            const Plan_Catalogues &_catalogues);

    // Day 0 of the course; null where the plan has no start and no log.
    static QDate origin(const Dosing_Plan &_plan);

    // The share of the water changed on each day from origin() to _last, 0
    // on a day without a change; two changes of one day make one.
    static QVector<double> changes(const Dosing_Plan &_plan, const QDate &_last);

    // The course of one row of the totals from origin() to _last.
    struct Course
    {
        QDate first;
        // The level at the start of each day, the day after _last included.
        QVector<double> levels;
        // The level at the start of _date; 0 outside the course.
        double at(const QDate &_date) const;
    };
    // Each day's doses are those of the period it falls in (_past), the
    // plan's own after the last; the new water is the plan's throughout.
    static Course course(const plan_levels::Input &_input, const Dosing_Plan &_plan,
                         const QVector<double> &_changes, const QVector<Past_Input> &_past = {});
    // The same course drawn from _from to _last: x the days after _from, a
    // point at each day's start and after each change and dose, as
    // plan_levels::course() draws it.
    static QVector<QPointF> points(const Course &_course, const plan_levels::Input &_input,
                                   const QVector<double> &_changes, const QDate &_from);

    // What the plan says each entry of its log should have read: the row of
    // the totals the reading's key names (NO3 its own row, N the element's),
    // at the start of its day; the new water's content of something the plan
    // does not bring (0 where it has none); NaN for a change.
    static QVector<double> predictions(const QVector<Plan_Total> &_totals, const Dosing_Plan &_plan,
                                       const QVector<Past_Totals> &_past = {});

    // The first change after _today, or on it where none was logged that
    // day; null without changes.
    static QDate next_change(const Dosing_Plan &_plan, const QDate &_today);

    // The row of _totals for _key; null where there is none.
    static const Plan_Total *row(const QVector<Plan_Total> &_totals, const QString &_key);

    // Why _entry cannot go into the log, or nothing: a key no test reads, a
    // value that is no number from 0 to the limit (100 % for a change), a
    // reading after _today.
    static QString refusal(const Log_Entry &_entry, const QDate &_today);

    // The log as a CSV file: a header "date,what,key,value,note", then a
    // line an entry, ISO dates, UTF-8, a point for decimals.
    static QByteArray write_csv(const QVector<Log_Entry> &_log);
    // Such a file, with "," or ";" between the fields, decimal commas and
    // quoted fields. Every line it cannot read goes into _problems, "строка
    // 3: …"; then there are no entries at all.
    static QVector<Log_Entry> read_csv(const QByteArray &_content, const QDate &_today,
                                       QStringList *_problems);
    // _entries into _log, in date order: an entry in the same slot (date,
    // kind, key) is replaced, not doubled. Gives how many were replaced.
    static int merge(QVector<Log_Entry> *_log, const QVector<Log_Entry> &_entries);
};

#endif // ROVALIN_TANK_LOG_H
