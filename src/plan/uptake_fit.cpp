// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/uptake_fit.h"

#include "plan/tank_log.h"

#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

using number_text::figure;

namespace {

// The rate is searched on a grid first, then narrowed around the grid's best
// point by golden sections: each cuts the bracket to 0.618 of itself, until
// it is 1e-11 of the rate (or of a thousandth of the grid), 90 at the most.
constexpr int grid_points = 32;
constexpr int sections = 90;
// The steps that bring the start level to its best for a rate: within one
// stretch of days on which the floor holds or does not, one step suffices.
constexpr int start_steps = 12;
// The largest share a day: below 1, so that something is left to take a share of.
constexpr double share_max = 1 - 1e-9;

struct Reading
{
    int day;       // days after the first reading
    double value;  // as read
    double factor; // from the element's level to the reading's basis
};

// One element's readings against the plan's course, and the misfit of a rate
// and a start level.
class Problem
{
public:
    Problem(const plan_levels::Input &_input, const QVector<double> &_changes, const QDate &_origin,
            int _first, int _last, Uptake_Fit::Model _model, QVector<Reading> _readings,
            const QVector<Past_Input> &_past)
        : water(_input.water), changes(_changes), first(_first), last(_last), model(_model),
          readings(std::move(_readings))
    {
        // What each day of the run doses, as dosed then.
        int weekday = (plan_dates::weekday(_origin) + _first) % 7;
        for (int day = _first; day < _last; ++day) {
            doses.append(Tank_Log::dosed_on(_origin.addDays(day), _input, _past).daily[weekday]);
            weekday = (weekday + 1) % 7;
        }
    }

    // The sum of the squared misfits of _rate from _start; with _slope, also
    // each prediction's rate of change with the start level.
    double misfit(double _rate, double _start, QVector<double> *_residuals = nullptr,
                  QVector<double> *_slopes = nullptr) const
    {
        levels.resize(last - first + 1);
        slopes.resize(last - first + 1);
        double level = _start;
        double slope = 1;
        for (int day = first; day <= last; ++day) {
            levels[day - first] = level;
            slopes[day - first] = slope;
            if (day == last)
                break;
            const double share = changes.value(day);
            if (share > 0) {
                level = (1 - share) * level + share * water;
                slope *= 1 - share;
            }
            level += doses.at(day - first);
            if (model == Uptake_Fit::constant) {
                if (level > _rate) {
                    level -= _rate;
                } else {
                    level = 0;
                    slope = 0;
                }
            } else {
                level *= 1 - _rate;
                slope *= 1 - _rate;
            }
        }
        double sum = 0;
        if (_residuals)
            _residuals->resize(readings.size());
        if (_slopes)
            _slopes->resize(readings.size());
        for (int i = 0; i < readings.size(); ++i) {
            const Reading &reading = readings.at(i);
            const double residual = levels.at(reading.day) * reading.factor - reading.value;
            sum += residual * residual;
            if (_residuals)
                (*_residuals)[i] = residual;
            if (_slopes)
                (*_slopes)[i] = slopes.at(reading.day) * reading.factor;
        }
        return sum;
    }

    // The start level that fits _rate best, 0 or more, from _guess; and its misfit.
    double best_start(double _rate, double _guess, double *_misfit) const
    {
        QVector<double> residuals, gradient, trial_residuals, trial_gradient;
        double start = std::max(0.0, _guess);
        double now = misfit(_rate, start, &residuals, &gradient);
        for (int step = 0; step < start_steps; ++step) {
            double along = 0, square = 0;
            for (int i = 0; i < residuals.size(); ++i) {
                along += gradient.at(i) * residuals.at(i);
                square += gradient.at(i) * gradient.at(i);
            }
            if (!(square > 0))
                break;
            double next = std::max(0.0, start - along / square);
            double then = misfit(_rate, next, &trial_residuals, &trial_gradient);
            // Where the step crosses into days the floor holds on, halve it
            // until it does better.
            for (int halving = 0; halving < 40 && then > now; ++halving) {
                next = (start + next) / 2;
                then = misfit(_rate, next, &trial_residuals, &trial_gradient);
            }
            if (!(then < now))
                break;
            const bool settled = std::abs(next - start) <= 1e-14 * (1 + start);
            start = next;
            now = then;
            residuals.swap(trial_residuals);
            gradient.swap(trial_gradient);
            if (settled)
                break;
        }
        *_misfit = now;
        return start;
    }

    double water;
    QVector<double> changes;
    QVector<double> doses;
    int first;
    int last;
    Uptake_Fit::Model model;
    QVector<Reading> readings;

private:
    mutable QVector<double> levels;
    mutable QVector<double> slopes;
};

} // namespace

Uptake_Fit::Model Uptake_Fit::default_model(const QString &_element)
{
    return _element == QLatin1String("Fe") ? proportional : constant;
}

Uptake_Fit::Model Uptake_Fit::model_of(const Dosing_Plan &_plan, const QString &_element)
{
    Model chosen = default_model(_element);
    model_from_key(_plan.uptake_models.value(_element), &chosen);
    return chosen;
}

QString Uptake_Fit::model_name(Model _model)
{
    return _model == constant ? tr("постоянное") : tr("пропорциональное");
}

QString Uptake_Fit::model_key(Model _model)
{
    return _model == constant ? QStringLiteral("constant") : QStringLiteral("proportional");
}

bool Uptake_Fit::model_from_key(const QString &_key, Model *_model)
{
    for (const Model model : {constant, proportional}) {
        if (_key == model_key(model)) {
            *_model = model;
            return true;
        }
    }
    return false;
}

QString Uptake_Fit::element_of(const QString &_key, double *_factor)
{
    double factor = 1;
    QString element = Plan_Totals::ion_element(_key, &factor);
    if (element.isEmpty()) {
        element = _key;
        factor = 1;
    }
    if (_factor)
        *_factor = factor;
    return element;
}

QVector<double> Uptake_Fit::run(const plan_levels::Input &_input, const QVector<double> &_changes,
                                const QDate &_origin, int _first, int _last, double _start,
                                Model _model, double _rate, const QVector<Past_Input> &_past)
{
    if (_last < _first)
        return {};
    QVector<Reading> every_day;
    for (int day = 0; day <= _last - _first; ++day)
        every_day.append({day, 0, 1});
    const Problem problem(_input, _changes, _origin, _first, _last, _model, every_day, _past);
    QVector<double> levels;
    problem.misfit(_rate, _start, &levels);
    return levels;
}

double Uptake_Fit::Result::half_life() const
{
    if (model != proportional || !(rate > 0))
        return std::numeric_limits<double>::infinity();
    return std::log(2.0) / -std::log1p(-rate);
}

Uptake_Fit::Result Uptake_Fit::fit(const plan_levels::Input &_input, const Dosing_Plan &_plan,
                                   const QString &_element, Model _model,
                                   const QVector<Past_Input> &_past)
{
    Result made;
    made.element = _element;
    made.basis = _element;
    made.model = _model;
    QVector<const Log_Entry *> counted;
    for (const Log_Entry &entry : _plan.log) {
        if (!entry.change && element_of(entry.key) == _element)
            counted << &entry;
    }
    made.readings = counted.size();
    if (counted.isEmpty())
        return made;
    made.from = counted.first()->date;
    made.to = counted.last()->date;
    made.basis = counted.last()->key;
    element_of(made.basis, &made.factor);
    if (made.from == made.to)
        return made;

    const QDate origin = Tank_Log::origin(_plan);
    const int first = int(origin.daysTo(made.from));
    const int last = int(origin.daysTo(made.to));
    QVector<Reading> readings;
    double highest = 0;
    for (const Log_Entry *entry : counted) {
        double factor = 1;
        element_of(entry->key, &factor);
        readings.append({int(made.from.daysTo(entry->date)), entry->value, factor});
        highest = std::max(highest, entry->value / factor);
    }
    const QVector<double> changes = Tank_Log::changes(_plan, made.to);
    const Problem problem(_input, changes, origin, first, last, _model, readings, _past);

    // With two readings the first is the start; with more, the start is
    // fitted to each rate.
    made.start_fitted = readings.size() > 2;
    const double first_level = readings.first().value / readings.first().factor;
    const auto misfit = [&](double _rate, double *_start) {
        double sum = 0;
        if (made.start_fitted)
            *_start = problem.best_start(_rate, first_level, &sum);
        else
            sum = problem.misfit(_rate, *_start = first_level);
        return sum;
    };

    // No rate beyond the highest level the course reaches without uptake does
    // anything more than one that high: it takes the whole level every day.
    double top = share_max;
    if (_model == constant) {
        const QVector<double> untaken =
            run(_input, changes, origin, first, last, highest, constant, 0, _past);
        top = highest;
        for (const double level : untaken)
            top = std::max(top, level);
        double most = 0;
        for (const double dose : problem.doses)
            most = std::max(most, dose);
        top += most + 1;
    }
    double best_rate = 0, best_start = first_level;
    double best = misfit(0, &best_start);
    int best_point = 0;
    for (int point = 1; point <= grid_points; ++point) {
        double start = 0;
        const double sum = misfit(top * point / grid_points, &start);
        if (sum < best) {
            best = sum;
            best_point = point;
            best_rate = top * point / grid_points;
            best_start = start;
        }
    }
    // Golden sections of the grid's steps either side of its best point.
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double low = top * std::max(0, best_point - 1) / grid_points;
    double high = top * std::min(grid_points, best_point + 1) / grid_points;
    double left = high - golden * (high - low), right = low + golden * (high - low);
    double left_start = 0, right_start = 0;
    double at_left = misfit(left, &left_start), at_right = misfit(right, &right_start);
    for (int section = 0; section < sections && high - low > 1e-11 * std::max(high, top * 1e-3);
         ++section) {
        if (at_left <= at_right) {
            high = right;
            right = left;
            at_right = at_left;
            right_start = left_start;
            left = high - golden * (high - low);
            at_left = misfit(left, &left_start);
        } else {
            low = left;
            left = right;
            at_left = at_right;
            left_start = right_start;
            right = low + golden * (high - low);
            at_right = misfit(right, &right_start);
        }
    }
    for (const auto &[rate, sum, start] :
         {std::tuple{left, at_left, left_start}, std::tuple{right, at_right, right_start}}) {
        if (sum < best) {
            best = sum;
            best_rate = rate;
            best_start = start;
        }
    }
    // A rate a hair above nothing is nothing: the readings are at or above
    // what the plan brings.
    double at_zero_start = 0;
    if (best_rate <= top * 1e-12 || misfit(0, &at_zero_start) <= best) {
        best_rate = 0;
        best = misfit(0, &best_start);
    }
    made.fitted = true;
    made.rate = best_rate;
    made.above_plan = best_rate == 0;
    made.start = best_start;
    made.rms = std::sqrt(best / readings.size());
    return made;
}

QVector<Uptake_Fit::Result> Uptake_Fit::fit_all(const QVector<Plan_Total> &_totals,
                                                const Dosing_Plan &_plan,
                                                const QVector<Past_Totals> &_past)
{
    QStringList elements;
    for (const Plan_Total &total : _totals) {
        if (Plan_Totals::ion_element(total.key).isEmpty())
            elements << total.key;
    }
    QStringList read;
    for (const Log_Entry &entry : _plan.log) {
        const QString element = entry.change ? QString() : element_of(entry.key);
        if (!element.isEmpty() && !read.contains(element))
            read << element;
    }
    QStringList order;
    for (const QString &element : elements) {
        if (read.contains(element))
            order << element;
    }
    for (const QString &element : read) {
        if (!order.contains(element))
            order << element;
    }
    QVector<Result> results;
    for (const QString &element : order) {
        const Plan_Total *row = Tank_Log::row(_totals, element);
        results.append(fit(row ? row->input : plan_levels::Input(), _plan, element,
                           model_of(_plan, element), Tank_Log::past_inputs(_past, element)));
    }
    return results;
}

void Uptake_Fit::use(QVector<Plan_Total> *_totals, const QVector<Result> &_fits,
                     const plan_levels::Regime &_regime)
{
    for (Plan_Total &total : *_totals) {
        double factor = 1;
        const QString element = element_of(total.key, &factor);
        const auto fit = std::find_if(_fits.begin(), _fits.end(), [&](const Result &_fit) {
            return _fit.element == element && _fit.fitted && _fit.rate > 0;
        });
        if (fit == _fits.end())
            continue;
        total.uptake.proportional = fit->model == proportional;
        total.uptake.rate = fit->model == proportional ? fit->rate : fit->rate * factor;
        total.band = plan_levels::steady_band(total.input, _regime, total.uptake);
    }
}

QStringList Uptake_Fit::columns()
{
    return {tr("Элемент"),           tr("Модель"), tr("Потребление"), tr("Показаний"),
            tr("Расхождение, мг/л"), tr("Период")};
}

QStringList Uptake_Fit::texts(const Result &_result)
{
    QString rate = remark(_result);
    if (_result.fitted && !_result.above_plan) {
        const QString unit =
            _result.basis == QLatin1String("GH") ? tr("°dH") : tr("мг/л %1").arg(_result.basis);
        rate = _result.model == constant
                   ? tr("%1 %2 в день, %3 в неделю")
                         .arg(figure(_result.rate_in_basis()), unit,
                              figure(7 * _result.rate_in_basis()))
                   : tr("%1 % в день, половина за %2 дн.")
                         .arg(figure(100 * _result.rate), figure(_result.half_life()));
    } else if (_result.above_plan) {
        rate = tr("0: %1").arg(rate);
    }
    const QString period = _result.readings == 0
                               ? QString()
                               : tr("%1 – %2").arg(_result.from.toString(tr("dd.MM")),
                                                   _result.to.toString(tr("dd.MM")));
    return {_result.element,
            model_name(_result.model),
            rate,
            QString::number(_result.readings),
            _result.fitted ? figure(_result.rms) : QString(),
            period};
}

QString Uptake_Fit::remark(const Result &_result)
{
    if (!_result.fitted)
        return _result.readings == 0
                   ? tr("нет показаний")
                   : tr("нужно ещё хотя бы одно показание, в другой день: потребление — это "
                        "разница между показаниями и прогнозом");
    if (_result.above_plan)
        return tr("показания не ниже прогноза: бак получает больше, чем даёт план (корм, вода, "
                  "грунт) или тест завышает");
    return QString();
}
