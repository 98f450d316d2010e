// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_UPTAKE_FIT_H
#define ROVALIN_UPTAKE_FIT_H

// What the tank takes up, fitted from its log: for each element read, the
// rate that makes the plan's course over the logged period, run as the log
// runs it, come closest to the readings.
//
// A day runs: the reading (the level at its start), the change, the doses,
// then the day's uptake, taken by one of two models:
//  - constant: r mg/l a day, or the whole level where less is left;
//  - proportional: a share k of the level (0 ≤ k < 1).
// The course starts on the day of the first reading, at a level fitted too
// (0 or more) where there are three readings or more, and at the first
// reading where there are two. The fit minimises the squares of (prediction
// − reading), each in the reading's own basis: an ion's readings (NO3, PO4,
// SO4) count as their element's level times the ion's factor.

#include "plan/dosing_plan.h"
#include "plan/tank_log.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

class Uptake_Fit
{
    Q_DECLARE_TR_FUNCTIONS(Uptake_Fit)

public:
    enum Model { constant, proportional };

    // Proportional for iron (its chelates break down in light), constant for
    // the rest; the plan's own choice where it has one.
    static Model default_model(const QString &_element);
    static Model model_of(const Dosing_Plan &_plan, const QString &_element);
    // «постоянное», «пропорциональное»; "constant", "proportional" in files.
    static QString model_name(Model _model);
    static QString model_key(Model _model);
    static bool model_from_key(const QString &_key, Model *_model);

    // The element (a row of the totals) a reading of _key counts for, and the
    // factor from the element's level to the reading's basis: "NO3" → "N",
    // 4.43; "K" → "K", 1; "GH" → "GH", 1.
    static QString element_of(const QString &_key, double *_factor = nullptr);

    // The level at the start of each day from _first (an index into
    // _changes, the share changed each day from the course's day 0,
    // _origin), starting at _start, to the start of day _last: _last −
    // _first + 1 levels. Each day's doses are those of the period it falls
    // in (_past), _input's after the last.
    static QVector<double> run(const plan_levels::Input &_input, const QVector<double> &_changes,
                               const QDate &_origin, int _first, int _last, double _start,
                               Model _model, double _rate, const QVector<Past_Input> &_past = {});

    struct Result
    {
        QString element;   // the row of the totals: "N", "K", "Fe", "GH"
        QString basis;     // the key the last reading was taken in: "NO3" for NO3 readings
        double factor = 1; // from the element's level to basis
        Model model = constant;
        int readings = 0;
        QDate from, to; // the first and the last reading
        bool fitted = false;
        // The element's uptake: mg/l a day of the element (constant), or the
        // share of the level a day (proportional); 0 where the readings are at
        // or above what the plan brings (above_plan).
        double rate = 0;
        bool above_plan = false;
        double start = 0; // the level on the first reading's day, of the element
        bool start_fitted = false;
        double rms = 0; // the root mean square of the misfits, in the readings' basis

        // The rate in the basis the readings were taken in, mg/l a day.
        double rate_in_basis() const { return model == constant ? rate * factor : rate; }
        // A proportional rate's half-life in days; infinite for none.
        double half_life() const;
    };

    // The uptake of _element from the readings in _plan's log that count for
    // it, with the row _input of the plan's totals (the new water's content
    // only, or none, where the plan does not bring it).
    static Result fit(const plan_levels::Input &_input, const Dosing_Plan &_plan,
                      const QString &_element, Model _model, const QVector<Past_Input> &_past = {});
    // Every element with readings, in the order of the totals, then the rest
    // in the order of their first reading; the doses of each day as they
    // were then (_past).
    static QVector<Result> fit_all(const QVector<Plan_Total> &_totals, const Dosing_Plan &_plan,
                                   const QVector<Past_Totals> &_past = {});

    // _totals with the uptake _fits found: each row takes up what its
    // element's fit says (an ion's row as much of the ion), and its band is
    // the band with it.
    static void use(QVector<Plan_Total> *_totals, const QVector<Result> &_fits,
                    const plan_levels::Regime &_regime);

    // The table «Потребление»: its columns, and a result's row: the element,
    // the model, the rate (mg/l a day and a week in the readings' basis, or
    // % a day and the half-life) or what is missing, the readings, the
    // misfit and the period.
    static QStringList columns();
    static QStringList texts(const Result &_result);

    // What the window says of a result without a fit: how many more
    // readings it needs; or, for a fit at 0, that the tank gets more than the
    // plan brings. Empty for a fit with a rate.
    static QString remark(const Result &_result);
};

#endif // ROVALIN_UPTAKE_FIT_H
