// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/dosing_plan.h"

#include "chemistry/compound.h"
#include "chemistry/formula.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/type_fertilizer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>

bool Plan_Item::same_entry(const Plan_Item &_other) const
{
    if (kind != _other.kind || name != _other.name)
        return false;
    return kind != QLatin1String("diy_sol") ||
           (grams == _other.grams && water_ml == _other.water_ml);
}

int Plan_Item::day_count() const
{
    int count = 0;
    for (int day = 0; day < 7; ++day)
        count += dosed_on(day);
    return count;
}

int Dosing_Plan::find(const Plan_Item &_item) const
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).same_entry(_item))
            return i;
    }
    return -1;
}

namespace plan_dates {

namespace {
QDate set_day;
} // namespace

QDate today()
{
    return set_day.isValid() ? set_day : QDate::currentDate();
}

void set_today(const QDate &_today)
{
    set_day = _today;
}

QDate on_weekday(const QDate &_date, int _weekday)
{
    int shift = (_weekday - weekday(_date) + 7) % 7;
    if (shift > 3)
        shift -= 7;
    const QDate nearest = _date.addDays(shift);
    return nearest < earliest() ? nearest.addDays(7)
           : nearest > latest() ? nearest.addDays(-7)
                                : nearest;
}

QDate last_before(const QDate &_day, int _weekday)
{
    const int back = (weekday(_day) - _weekday + 7) % 7;
    return _day.addDays(back == 0 ? -7 : -back);
}

} // namespace plan_dates

namespace plan_levels {

double Input::weekly() const
{
    return std::accumulate(daily.begin(), daily.end(), 0.0);
}

Input &Input::add(const Input &_other, double _times)
{
    water += _other.water * _times;
    for (int day = 0; day < 7; ++day)
        daily[day] += _other.daily[day] * _times;
    return *this;
}

namespace {

// Day _day's doses, _day counted from the first change.
double dose_on(const Input &_input, const Regime &_regime, int _day)
{
    return _input.daily[(_regime.first_day + _day) % 7];
}

bool change_on(const Regime &_regime, int _day)
{
    return _day > 0 && _day % _regime.every == 0;
}

double changed(double _level, const Input &_input, const Regime &_regime)
{
    return (1 - _regime.fraction) * _level + _regime.fraction * _input.water;
}

} // namespace

namespace {

// The cycle of changes and doses that repeats: lcm(interval, 7) days, from
// right after a change on the first change's weekday to right before the
// change that closes it. Gives the level right after its opening change once
// it repeats: with a·x + b the level before the closing change as a function
// of the level x after the opening one, x = (1 − f)(a·x + b) + f·W.
double steady_start(const Input &_input, const Regime &_regime, int _period)
{
    const double f = _regime.fraction;
    double a = 1;
    double b = 0;
    for (int day = 0; day < _period; ++day) {
        if (change_on(_regime, day)) {
            a *= 1 - f;
            b = (1 - f) * b + f * _input.water;
        }
        b += dose_on(_input, _regime, day);
    }
    return ((1 - f) * b + f * _input.water) / (1 - (1 - f) * a);
}

Regime checked(const Regime &_regime)
{
    return {_regime.fraction, std::max(1, _regime.every), _regime.first_day};
}

} // namespace

Band steady_band(const Input &_input, const Regime &_regime)
{
    const Regime regime = checked(_regime);
    if (!(regime.fraction > 0)) {
        if (_input.weekly() > 0)
            return {0, 0, false};
        return {_input.water, _input.water, true};
    }
    const int period = std::lcm(regime.every, 7);
    const double start = steady_start(_input, regime, period);
    // The repeating cycle itself: its lowest and highest level.
    Band band{start, start, true};
    double level = start;
    for (int day = 0; day < period; ++day) {
        if (change_on(regime, day)) {
            band.high = std::max(band.high, level);
            level = changed(level, _input, regime);
            band.low = std::min(band.low, level);
        }
        level += dose_on(_input, regime, day);
        band.high = std::max(band.high, level);
    }
    return band;
}

namespace {

// One cycle with uptake from _start, the level right after its opening
// change: the level before its closing change, how it moves with _start, and
// the lowest and highest level on the way.
struct Cycle
{
    double end = 0;
    double slope = 1;
    Band band;
};

Cycle run_cycle(const Input &_input, const Regime &_regime, int _period, const Uptake &_uptake,
                double _start)
{
    Cycle run;
    run.band = {_start, _start, true};
    double level = _start;
    for (int day = 0; day < _period; ++day) {
        if (change_on(_regime, day)) {
            run.band.high = std::max(run.band.high, level);
            level = changed(level, _input, _regime);
            run.slope *= 1 - _regime.fraction;
            run.band.low = std::min(run.band.low, level);
        }
        level += dose_on(_input, _regime, day);
        run.band.high = std::max(run.band.high, level);
        if (_uptake.proportional) {
            run.slope *= 1 - _uptake.rate;
        } else if (level <= _uptake.rate) {
            run.slope = 0;
        }
        level = _uptake.taken(level);
        run.band.low = std::min(run.band.low, level);
    }
    run.end = level;
    return run;
}

} // namespace

Band steady_band(const Input &_input, const Regime &_regime, const Uptake &_uptake)
{
    if (!_uptake.any())
        return steady_band(_input, _regime);
    const Regime regime = checked(_regime);
    const double f = regime.fraction > 0 ? regime.fraction : 0;
    const int period = f > 0 ? std::lcm(regime.every, 7) : 7;
    // The level x right after the opening change repeats where
    // G(x) = (1 − f)·end(x) + f·W − x is 0. end() is convex and rises with x
    // at a slope of 1 at most, so Newton's steps from any x get there.
    double start = _input.water;
    for (int step = 0; step < 200; ++step) {
        const Cycle run = run_cycle(_input, regime, period, _uptake, start);
        const double miss = (1 - f) * run.end + f * _input.water - start;
        if (std::abs(miss) <= 1e-12 * std::max(1.0, start))
            break;
        const double slope = (1 - f) * run.slope - 1;
        if (slope > -1e-15) {
            // Nothing changed or taken from this level on: it grows without
            // end where the doses outrun the uptake.
            if (miss > 0)
                return {0, 0, false};
            start = std::max(0.0, start + miss);
        } else {
            start = std::max(0.0, start - miss / slope);
        }
    }
    return run_cycle(_input, regime, period, _uptake, start).band;
}

QVector<double> peaks(const Input &_input, const Regime &_regime)
{
    const Regime regime = checked(_regime);
    if (!(regime.fraction > 0))
        return {};
    const int period = std::lcm(regime.every, 7);
    double level = steady_start(_input, regime, period);
    QVector<double> before;
    for (int day = 0; day < period; ++day) {
        if (change_on(regime, day)) {
            before.append(level);
            level = changed(level, _input, regime);
        }
        level += dose_on(_input, regime, day);
    }
    before.append(level);
    return before;
}

double largest_share(const Input &_rest, const Input &_part, const Regime &_regime, double _ceiling)
{
    const bool adds = _part.weekly() > 0;
    const QVector<double> rest = peaks(_rest, _regime);
    if (rest.isEmpty()) {
        // Without changes whatever is dosed builds up without end: only none
        // of it keeps the level.
        if (_rest.weekly() > 0 || _rest.water > _ceiling)
            return -1;
        return adds ? 0 : std::numeric_limits<double>::infinity();
    }
    // The levels at a given moment of the cycle are linear in the doses.
    const QVector<double> part = peaks(_part, _regime);
    double share = std::numeric_limits<double>::infinity();
    for (int i = 0; i < rest.size(); ++i) {
        if (rest.at(i) > _ceiling)
            return -1;
        if (part.value(i) > 0)
            share = std::min(share, (_ceiling - rest.at(i)) / part.at(i));
    }
    return share;
}

double largest_share(const Input &_rest, const Input &_part, const Regime &_regime, double _ceiling,
                     const Uptake &_uptake)
{
    if (!_uptake.any())
        return largest_share(_rest, _part, _regime, _ceiling);
    const auto high = [&](double _share) {
        const Band band = steady_band(Input(_rest).add(_part, _share), _regime, _uptake);
        return band.bounded ? band.high : std::numeric_limits<double>::infinity();
    };
    if (high(0) > _ceiling)
        return -1;
    if (!(_part.weekly() > 0))
        return std::numeric_limits<double>::infinity();
    double low = 0;
    double top = 1;
    while (high(top) <= _ceiling) {
        low = top;
        top *= 2;
        if (top > 1e12)
            return std::numeric_limits<double>::infinity();
    }
    for (int step = 0; step < 60; ++step) {
        const double middle = (low + top) / 2;
        (high(middle) <= _ceiling ? low : top) = middle;
    }
    return low;
}

QVector<QPointF> course(const Input &_input, const Regime &_regime, int _days,
                        const Uptake &_uptake)
{
    const Regime regime = checked(_regime);
    QVector<QPointF> points;
    points.reserve(3 * _days + 2);
    double level = _input.water;
    points.append({0, level});
    for (int day = 0; day < _days; ++day) {
        if (change_on(regime, day)) {
            const double after = changed(level, _input, regime);
            if (after != level)
                points.append({double(day), after});
            level = after;
        }
        const double dose = dose_on(_input, regime, day);
        if (dose != 0) {
            level += dose;
            points.append({double(day), level});
        }
        // What is taken up goes over the day: a line down to the next day's start.
        if (_uptake.any())
            level = _uptake.taken(level);
        points.append({double(day + 1), level});
    }
    return points;
}

} // namespace plan_levels

Type_Fertilizer *Plan_Catalogues::of_kind(const QString &_kind) const
{
    if (_kind == QLatin1String("premix"))
        return premix;
    if (_kind == QLatin1String("diy"))
        return diy;
    if (_kind == QLatin1String("diy_sol"))
        return diy_sol;
    return nullptr;
}

const Compound *find_entry(const Plan_Item &_item, const Plan_Catalogues &_catalogues, int *_index)
{
    const Type_Fertilizer *fert = _catalogues.of_kind(_item.kind);
    if (!fert || fert->get_type_fert() != _item.kind)
        return nullptr;
    for (int i = 0; i < fert->count_compounds(); ++i) {
        if (fert->compound_at(i)->name() == _item.name) {
            if (_index)
                *_index = i;
            return fert->compound_at(i);
        }
    }
    return nullptr;
}

Item_Figures item_figures(const Plan_Item &_item, int _tank, const Plan_Catalogues &_catalogues)
{
    Item_Figures figures;
    int index = -1;
    const Compound *entry = find_entry(_item, _catalogues, &index);
    if (!entry)
        return figures;
    if (!plan_limits::weekly_within(_item.weekly)) {
        figures.state = Item_Figures::out_of_range;
        return figures;
    }
    Type_Fertilizer *fert = _catalogues.of_kind(_item.kind);
    const bool solution = _item.kind == QLatin1String("diy_sol");
    if (!entry->refusal().isEmpty()) {
        figures.state = Item_Figures::undissolved;
        return figures;
    }
    if (solution) {
        const auto *solutions = dynamic_cast<const DiySol_Fertilizer *>(fert);
        if (!solutions ||
            !solutions->undissolved_message(index, _item.grams, qRound(_item.water_ml)).isEmpty()) {
            figures.state = Item_Figures::undissolved;
            return figures;
        }
    }

    // What the calculator gives for the weekly dose (method 1), element by element.
    const double full_set[4] = {double(_tank), _item.water_ml, _item.grams * 1000, _item.weekly};
    const double short_set[2] = {double(_tank), _item.weekly};
    const double *values = solution ? full_set : short_set;
    const unsigned size = solution ? sizeof full_set : sizeof short_set;
    for (int i = 0; i < entry->count_elements(); ++i) {
        const QString name = entry->element_at(i).name;
        if (name.isEmpty() || name == QLatin1String("sol"))
            continue;
        const double weekly = fert->calculate(1, index, i, values, size).concentration;
        if (!std::isfinite(weekly)) {
            figures.weekly.clear();
            figures.state = Item_Figures::missing;
            return figures;
        }
        figures.weekly.append({name, weekly});
    }
    figures.state = Item_Figures::usable;
    return figures;
}

namespace {

// mg/l of CaO that one °dH stands for.
constexpr double calcium_oxide_per_degree = 10;

struct Ion
{
    const char *ion;
    const char *element;
    int oxygens;
};
constexpr Ion ions[] = {{"NO3", "N", 3}, {"PO4", "P", 4}, {"SO4", "S", 4}};

} // namespace

QString Plan_Totals::ion_element(const QString &_ion, double *_factor)
{
    for (const Ion &ion : ions) {
        if (_ion != QLatin1String(ion.ion))
            continue;
        const QString element = QLatin1String(ion.element);
        if (_factor) {
            const double weight = Formula::atomic_weight(element);
            *_factor =
                (weight + ion.oxygens * Formula::atomic_weight(QStringLiteral("O"))) / weight;
        }
        return element;
    }
    return QString();
}

bool Plan_Totals::water_key(const QString &_key)
{
    return !ion_element(_key).isEmpty() || Formula::atomic_weight(_key) > 0;
}

bool Plan_Totals::reading_key(const QString &_key)
{
    return _key == QLatin1String("GH") || water_key(_key);
}

plan_levels::Regime Plan_Totals::regime(const Dosing_Plan &_plan)
{
    return {_plan.change_percent / 100.0, _plan.change_every, _plan.change_day};
}

QVector<Plan_Total> Plan_Totals::of(const Dosing_Plan &_plan, const Plan_Catalogues &_catalogues)
{
    std::map<QString, plan_levels::Input> inputs;
    for (const Plan_Item &item : _plan.items) {
        const int days = item.day_count();
        if (days == 0)
            continue;
        const Item_Figures figures = item_figures(item, _plan.tank, _catalogues);
        if (figures.state != Item_Figures::usable)
            continue;
        for (const Element &element : figures.weekly) {
            plan_levels::Input &input = inputs[element.name];
            for (int day = 0; day < 7; ++day) {
                if (item.dosed_on(day))
                    input.daily[day] += element.value / days;
            }
        }
    }
    for (const Water_Figure &figure : _plan.water) {
        if (!plan_limits::water_within(figure.mg_per_l))
            continue;
        double factor = 1;
        const QString element = ion_element(figure.key, &factor);
        inputs[element.isEmpty() ? figure.key : element].water += figure.mg_per_l / factor;
    }

    const plan_levels::Regime levels = regime(_plan);
    QVector<Plan_Total> totals;
    const auto add = [&](const QString &_key, const QString &_label,
                         const plan_levels::Input &_input) {
        totals.append({_key, _label, _input, plan_levels::steady_band(_input, levels), {}});
    };
    for (const auto &[element, input] : inputs) {
        add(element, element, input);
        for (const Ion &ion : ions) {
            if (element != QLatin1String(ion.element))
                continue;
            const QString name = QLatin1String(ion.ion);
            double factor = 1;
            ion_element(name, &factor);
            add(name, tr("%1 (из %2)").arg(name, element), plan_levels::Input().add(input, factor));
        }
    }
    const auto calcium = inputs.find(QStringLiteral("Ca"));
    const auto magnesium = inputs.find(QStringLiteral("Mg"));
    if (calcium != inputs.end() || magnesium != inputs.end()) {
        // 1 °dH is 10 mg/l of CaO, or as much Ca or Mg, mole for mole.
        const double oxide = Formula::atomic_weight(QStringLiteral("Ca")) +
                             Formula::atomic_weight(QStringLiteral("O"));
        plan_levels::Input hardness;
        for (const auto &found : {calcium, magnesium}) {
            if (found != inputs.end())
                hardness.add(found->second, oxide / calcium_oxide_per_degree /
                                                Formula::atomic_weight(found->first));
        }
        add(QStringLiteral("GH"), tr("GH, °dH"), hardness);
    }
    return totals;
}
