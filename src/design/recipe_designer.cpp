// SPDX-License-Identifier: GPL-3.0-or-later

#include "design/recipe_designer.h"

#include "base/message_text.h"
#include "base/number_text.h"
#include "chemistry/compound.h"
#include "chemistry/formula.h"
#include "dosing/type_fertilizer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

using message_text::number;

namespace recipe_solve {

namespace {

// The least-squares z of A_F z = _rhs over the columns _free of _columns, by
// Gram-Schmidt orthogonalised twice; a column that adds nothing to those
// before it gets 0.
QVector<double> free_solution(const QVector<QVector<double>> &_columns, const QVector<int> &_free,
                              const QVector<double> &_rhs)
{
    const int rows = _rhs.size();
    QVector<QVector<double>> q;
    QVector<QVector<double>> r; // r[k][i]: column i's part along q[i] for kept k
    QVector<int> kept;
    for (int k = 0; k < _free.size(); ++k) {
        QVector<double> v = _columns.at(_free.at(k));
        QVector<double> along(q.size(), 0.0);
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < q.size(); ++i) {
                double dot = 0;
                for (int row = 0; row < rows; ++row)
                    dot += q.at(i).at(row) * v.at(row);
                along[i] += dot;
                for (int row = 0; row < rows; ++row)
                    v[row] -= dot * q.at(i).at(row);
            }
        }
        double norm = 0;
        for (double value : v)
            norm += value * value;
        norm = std::sqrt(norm);
        // The columns come scaled to length 1.
        if (norm < 1e-10)
            continue;
        for (double &value : v)
            value /= norm;
        along.append(norm);
        q.append(v);
        r.append(along);
        kept.append(k);
    }
    // R z = Qᵀ rhs, from the last kept column back.
    QVector<double> qb(q.size(), 0.0);
    for (int i = 0; i < q.size(); ++i) {
        for (int row = 0; row < rows; ++row)
            qb[i] += q.at(i).at(row) * _rhs.at(row);
    }
    QVector<double> z_kept(q.size(), 0.0);
    for (int k = q.size() - 1; k >= 0; --k) {
        double sum = qb.at(k);
        for (int later = k + 1; later < q.size(); ++later)
            sum -= r.at(later).at(k) * z_kept.at(later);
        z_kept[k] = sum / r.at(k).at(k);
    }
    QVector<double> z(_free.size(), 0.0);
    for (int k = 0; k < kept.size(); ++k)
        z[kept.at(k)] = z_kept.at(k);
    return z;
}

} // namespace

QVector<double> bounded_least_squares(const QVector<QVector<double>> &_a, const QVector<double> &_b,
                                      const QVector<double> &_upper)
{
    const int rows = _a.size();
    const int n = _upper.size();
    // Columns scaled to length 1, so that a trace salt weighs as much as a
    // macro one; y = x × scale.
    QVector<QVector<double>> columns(n, QVector<double>(rows, 0.0));
    QVector<double> scale(n, 0.0);
    QVector<double> upper(n, 0.0);
    for (int j = 0; j < n; ++j) {
        double norm = 0;
        for (int row = 0; row < rows; ++row)
            norm += _a.at(row).at(j) * _a.at(row).at(j);
        scale[j] = std::sqrt(norm);
        if (scale[j] > 0) {
            for (int row = 0; row < rows; ++row)
                columns[j][row] = _a.at(row).at(j) / scale[j];
        }
        upper[j] = std::max(0.0, _upper.at(j)) * scale[j];
    }

    enum State { at_lower, at_upper, free };
    QVector<State> state(n, at_lower);
    QVector<double> y(n, 0.0);
    const auto residual = [&] {
        QVector<double> rest = _b;
        for (int j = 0; j < n; ++j) {
            for (int row = 0; row < rows && y.at(j) != 0; ++row)
                rest[row] -= columns.at(j).at(row) * y.at(j);
        }
        return rest;
    };
    double size = 0;
    for (double value : _b)
        size += value * value;
    const double tolerance = 1e-12 * std::max(1.0, std::sqrt(size));

    QVector<bool> passed(n, false); // freed and stopped at once: not again until y moves
    for (int round = 0; round < 20 * (n + 1); ++round) {
        // The first variable held at a bound that leads down: one further on
        // comes in only where those before it can do no better.
        const QVector<double> rest = residual();
        int best = -1;
        for (int j = 0; j < n && best < 0; ++j) {
            if (state.at(j) == free || scale.at(j) == 0 || passed.at(j))
                continue;
            double slope = 0;
            for (int row = 0; row < rows; ++row)
                slope += columns.at(j).at(row) * rest.at(row);
            const bool may_move = (state.at(j) == at_lower && slope > 0 && upper.at(j) > 0) ||
                                  (state.at(j) == at_upper && slope < 0);
            if (may_move && std::abs(slope) > tolerance)
                best = j;
        }
        if (best < 0)
            break;
        state[best] = free;

        // Solves on the free variables, stepping back to a bound while the
        // solution leaves the box.
        bool moved = false;
        for (int step = 0; step <= n; ++step) {
            QVector<int> free_set;
            QVector<double> rhs = _b;
            for (int j = 0; j < n; ++j) {
                if (state.at(j) == free) {
                    free_set.append(j);
                } else if (y.at(j) != 0) {
                    for (int row = 0; row < rows; ++row)
                        rhs[row] -= columns.at(j).at(row) * y.at(j);
                }
            }
            if (free_set.isEmpty())
                break;
            const QVector<double> z = free_solution(columns, free_set, rhs);
            double alpha = 1;
            for (int k = 0; k < free_set.size(); ++k) {
                const int j = free_set.at(k);
                if (z.at(k) < 0)
                    alpha = std::min(alpha, y.at(j) / (y.at(j) - z.at(k)));
                else if (z.at(k) > upper.at(j))
                    alpha = std::min(alpha, (upper.at(j) - y.at(j)) / (z.at(k) - y.at(j)));
            }
            alpha = std::max(0.0, alpha);
            for (int k = 0; k < free_set.size(); ++k) {
                const int j = free_set.at(k);
                const double next = y.at(j) + alpha * (z.at(k) - y.at(j));
                if (next != y.at(j))
                    moved = true;
                y[j] = next;
            }
            if (alpha >= 1) {
                // Inside the box: what lies on a bound is held there.
                for (int j : free_set) {
                    if (y.at(j) <= 0) {
                        y[j] = 0;
                        state[j] = at_lower;
                    }
                }
                break;
            }
            for (int k = 0; k < free_set.size(); ++k) {
                const int j = free_set.at(k);
                const double reach = 1e-12 * std::max(1.0, upper.at(j));
                if (y.at(j) <= reach && z.at(k) < y.at(j) + reach) {
                    y[j] = 0;
                    state[j] = at_lower;
                } else if (y.at(j) >= upper.at(j) - reach && z.at(k) > y.at(j) - reach) {
                    y[j] = upper.at(j);
                    state[j] = at_upper;
                }
            }
        }
        if (moved)
            std::fill(passed.begin(), passed.end(), false);
        else if (state.at(best) != free)
            passed[best] = true;
    }

    QVector<double> x(n, 0.0);
    for (int j = 0; j < n; ++j) {
        if (scale.at(j) > 0)
            x[j] = state.at(j) == at_upper ? std::max(0.0, _upper.at(j)) : y.at(j) / scale.at(j);
    }
    return x;
}

QVector<int> bottles(const QVector<QVector<bool>> &_clash)
{
    const int n = _clash.size();
    const auto clash = [&](int _i, int _j) {
        return _i != _j && (_clash.at(_i).at(_j) || _clash.at(_j).at(_i));
    };
    QVector<int> bottle(n, -1);
    // Tries k bottles, each thing in turn in the first that takes it; the
    // first k that holds them all is the fewest.
    std::function<bool(int, int)> place = [&](int _i, int _k) {
        if (_i == n)
            return true;
        for (int b = 0; b < _k; ++b) {
            bool fits = true;
            for (int j = 0; j < _i && fits; ++j)
                fits = bottle.at(j) != b || !clash(_i, j);
            if (!fits)
                continue;
            bottle[_i] = b;
            if (place(_i + 1, _k))
                return true;
            // A first thing of a bottle tried there and failed fails in any
            // other empty bottle too.
            bool empty_before = true;
            for (int j = 0; j < _i && empty_before; ++j)
                empty_before = bottle.at(j) != b;
            bottle[_i] = -1;
            if (empty_before)
                break;
        }
        return false;
    };
    for (int k = 1; k <= n; ++k) {
        if (place(0, k))
            break;
    }
    return bottle;
}

} // namespace recipe_solve

namespace {

constexpr double water_min = 1, water_max = 10000;
constexpr double dose_min = 0.01, dose_max = 10000;

struct Ion
{
    const char *ion;
    const char *element;
};
constexpr Ion ions[] = {{"NO3", "N"}, {"PO4", "P"}, {"SO4", "S"}};

// What of a compound precipitates with what.
struct Groups
{
    bool calcium = false, iron = false, sulfate = false, phosphate = false, carbonate = false;

    bool clashes(const Groups &_other) const
    {
        return (calcium && (_other.sulfate || _other.phosphate || _other.carbonate)) ||
               (iron && _other.phosphate);
    }
};

Groups groups_of(const Compound &_compound)
{
    Groups groups;
    groups.calcium = _compound.find_element(QStringLiteral("Ca")).value > 0;
    groups.iron = _compound.find_element(QStringLiteral("Fe")).value > 0;
    if (!_compound.formula().isEmpty()) {
        const Formula formula(_compound.formula());
        groups.sulfate = formula.has_sulfate();
        groups.phosphate = formula.has_phosphate();
        groups.carbonate = formula.has_carbonate();
    }
    return groups;
}

// Grams as a recipe keeps them: nine significant digits, rounded, or rounded
// down where rounding would pass _limit. Each is then within 1e-8 of the
// grams worked out, and so is every level they give (the salts add up), far
// closer than the six digits a window shows at most: a round level such as
// 60 mg/l, and its multiples in the plan, come back as the same figure.
QString written_grams(double _grams, double _limit)
{
    constexpr int digits = 9;
    const double grams = std::min(_grams, _limit);
    if (!(grams > 0))
        return QStringLiteral("0");
    QString text = QString::number(grams, 'g', digits);
    if (text.toDouble() > _limit) {
        const double step = std::pow(10.0, std::floor(std::log10(grams)) - (digits - 1));
        text = QString::number(text.toDouble() - step, 'g', digits);
    }
    return text;
}

// Whether a misfit is lower than another by more than the rounding of the
// numbers the solver works with.
bool lower(double _misfit, double _than)
{
    return _misfit < _than * (1 - 1e-9) - 1e-20;
}

} // namespace

double Recipe_Designer::Target_Row::deviation() const
{
    return target() ? (got - wanted) / wanted * 100 : not_set;
}

bool Recipe_Designer::Salt_Row::at_limit() const
{
    return std::isfinite(limit) && grams > 0 && grams >= limit * (1 - 1e-9);
}

double Recipe_Designer::Salt_Row::share() const
{
    return std::isfinite(limit) && limit > 0 ? grams / limit * 100 : not_set;
}

Recipe_Designer::Recipe_Designer(const Type_Fertilizer *_compounds)
    : compounds(_compounds), name_(tr("Мой рецепт"))
{
    refresh();
}

void Recipe_Designer::refresh()
{
    std::map<QString, bool> elements;
    QVector<Salt_Row> salts;
    for (int i = 0; i < compounds->count_compounds(); ++i) {
        const Compound *entry = compounds->compound_at(i);
        for (int e = 0; e < entry->count_elements(); ++e) {
            const Element element = entry->element_at(e);
            if (element.name != QLatin1String("sol") && element.value > 0)
                elements[element.name] = true;
        }
        Salt_Row row;
        row.name = entry->name();
        row.shown = entry->shown_name();
        row.teaspoon = entry->teaspoon();
        row.teaspoon_source = entry->teaspoon_source();
        for (const Salt_Row &before : salts_) {
            if (before.name == row.name)
                row.used = before.used && usable(i);
        }
        salts.append(row);
    }
    QVector<Target_Row> targets;
    const auto add = [&](const QString &_key, const QString &_element) {
        Target_Row row;
        row.key = _key;
        row.element = _element;
        if (_key != _element)
            Plan_Totals::ion_element(_key, &row.factor);
        for (const Target_Row &before : targets_) {
            if (before.key == _key)
                row.wanted = before.wanted;
        }
        targets.append(row);
    };
    for (const auto &element : elements) {
        add(element.first, element.first);
        for (const Ion &ion : ions) {
            if (element.first == QLatin1String(ion.element))
                add(QLatin1String(ion.ion), element.first);
        }
    }
    targets_ = targets;
    salts_ = salts;
    solve();
}

bool Recipe_Designer::set_tank(int _litres)
{
    if (_litres < plan_limits::tank_min || _litres > plan_limits::tank_max)
        return false;
    tank_ = _litres;
    solve();
    return true;
}

bool Recipe_Designer::set_water(double _ml)
{
    if (!(_ml >= water_min && _ml <= water_max))
        return false;
    water_ = _ml;
    solve();
    return true;
}

bool Recipe_Designer::set_dose(double _ml)
{
    if (!(_ml >= dose_min && _ml <= dose_max))
        return false;
    dose_ = _ml;
    solve();
    return true;
}

void Recipe_Designer::set_wanted(int _row, double _mg)
{
    if (_row < 0 || _row >= targets_.size() || _mg > wanted_max)
        return;
    Target_Row &row = targets_[_row];
    row.wanted = std::isfinite(_mg) && _mg > 0 ? _mg : not_set;
    if (row.target()) {
        for (int other = 0; other < targets_.size(); ++other) {
            if (other != _row && targets_.at(other).element == row.element)
                targets_[other].wanted = not_set;
        }
    }
    solve();
}

bool Recipe_Designer::type_wanted(int _row, const QString &_text, QString *_why)
{
    _why->clear();
    if (_row < 0 || _row >= targets_.size())
        return false;
    const QString text = _text.trimmed();
    double mg = not_set;
    if (!text.isEmpty() && !number_text::read(text, &mg)) {
        *_why = tr("%1: «%2» не принято, это не число.").arg(targets_.at(_row).key, text);
        return false;
    }
    if (!text.isEmpty() && !(mg > 0 && mg <= wanted_max)) {
        *_why = tr("%1: «%2» не принято, цель — больше 0 и не больше %3 мг/л в неделю.")
                    .arg(targets_.at(_row).key, text, number_text::figure(wanted_max));
        return false;
    }
    set_wanted(_row, mg);
    return true;
}

bool Recipe_Designer::usable(int _row) const
{
    const Compound *entry = compounds->compound_at(_row);
    if (!entry)
        return false;
    for (int e = 0; e < entry->count_elements(); ++e) {
        const Element element = entry->element_at(e);
        if (element.name != QLatin1String("sol") && !(element.value >= 0 && element.value <= 1))
            return false;
    }
    return true;
}

void Recipe_Designer::set_used(int _row, bool _used)
{
    if (_row < 0 || _row >= salts_.size())
        return;
    salts_[_row].used = _used && usable(_row);
    solve();
}

void Recipe_Designer::suggest()
{
    // A compound is a fertilizer of its own where its entry names an element
    // it brings as the one it is dosed for; Трилон Б, whose nitrogen is part
    // of the chelating agent, names none.
    const auto dosed = [&](int _salt) {
        const Compound *entry = compounds->compound_at(_salt);
        return usable(_salt) && entry->find_element(entry->target()).value > 0;
    };
    // The compounds that bring a row's element: those dosed for it first,
    // each in the order of the list.
    const auto carriers = [&](const Target_Row &_row) {
        QVector<int> first, others;
        for (int i = 0; i < salts_.size(); ++i) {
            if (dosed(i) && per_gram(i, _row.element) > 0)
                (compounds->compound_at(i)->target() == _row.element ? first : others).append(i);
        }
        return first + others;
    };
    QVector<bool> ticked(salts_.size(), false);
    for (const Target_Row &row : targets_) {
        const QVector<int> offered = carriers(row);
        if (row.target() && !offered.isEmpty())
            ticked[offered.first()] = true;
    }
    // The best grams of the ticked salts, how far they miss, and what each
    // row gets of them.
    struct Trial
    {
        double misfit = 0;
        QVector<double> got;
    };
    const auto trial = [&](const QVector<bool> &_ticked) {
        QVector<int> used;
        QVector<double> limits;
        for (int i = 0; i < salts_.size(); ++i) {
            if (_ticked.at(i)) {
                used.append(i);
                limits.append(limit_of(i));
            }
        }
        const QVector<double> found = grams(used, limits);
        Trial result;
        result.misfit = misfit(used, found);
        for (const Target_Row &row : targets_) {
            double got = 0;
            for (int k = 0; k < used.size(); ++k)
                got += found.at(k) * per_gram(used.at(k), row.element) * row.factor;
            result.got.append(got);
        }
        return result;
    };
    // A target short of what is wanted takes the next compound that brings
    // it, the first of them that does better.
    Trial now = trial(ticked);
    for (bool better = true; better;) {
        better = false;
        for (int r = 0; r < targets_.size(); ++r) {
            const Target_Row &row = targets_.at(r);
            if (!row.target() || now.got.at(r) >= row.wanted * (1 - 1e-9))
                continue;
            for (int salt : carriers(row)) {
                if (ticked.at(salt))
                    continue;
                ticked[salt] = true;
                const Trial with = trial(ticked);
                if (lower(with.misfit, now.misfit)) {
                    now = with;
                    better = true;
                    break;
                }
                ticked[salt] = false;
            }
        }
    }
    for (int i = 0; i < salts_.size(); ++i)
        salts_[i].used = ticked.at(i);
    solve();
    for (Salt_Row &salt : salts_)
        salt.used = salt.used && salt.grams > 0;
    solve();
}

double Recipe_Designer::per_gram(int _salt, const QString &_element) const
{
    const double fraction = compounds->compound_at(_salt)->find_element(_element).value;
    return fraction > 0 ? 1000 * fraction / water_ * dose_ / tank_ : 0;
}

double Recipe_Designer::limit_of(int _salt) const
{
    const double solubility = compounds->compound_at(_salt)->solubility();
    return std::isfinite(solubility) && solubility > 0 ? solubility * water_ / 1000
                                                       : std::numeric_limits<double>::infinity();
}

QVector<double> Recipe_Designer::grams(const QVector<int> &_used,
                                       const QVector<double> &_limits) const
{
    QVector<QVector<double>> a;
    QVector<double> b;
    for (const Target_Row &row : targets_) {
        if (!row.target())
            continue;
        QVector<double> line;
        const double wanted = row.wanted / row.factor;
        for (int salt : _used)
            line.append(per_gram(salt, row.element) / wanted);
        a.append(line);
        b.append(1);
    }
    return recipe_solve::bounded_least_squares(a, b, _limits);
}

double Recipe_Designer::misfit(const QVector<int> &_used, const QVector<double> &_grams) const
{
    double sum = 0;
    for (const Target_Row &row : targets_) {
        if (!row.target())
            continue;
        double got = 0;
        for (int k = 0; k < _used.size(); ++k)
            got += _grams.at(k) * per_gram(_used.at(k), row.element);
        const double off = (got * row.factor - row.wanted) / row.wanted;
        sum += off * off;
    }
    return sum;
}

void Recipe_Designer::solve()
{
    if (salts_.size() != compounds->count_compounds()) {
        refresh();
        return;
    }
    check_.clear();
    QVector<int> used;
    QVector<double> limits;
    for (int i = 0; i < salts_.size(); ++i) {
        Salt_Row &salt = salts_[i];
        salt.limit = limit_of(i);
        salt.grams = 0;
        salt.bottle = -1;
        if (salt.used) {
            used.append(i);
            limits.append(salt.limit);
        }
    }
    QStringList missing;
    bool any_target = false;
    for (const Target_Row &row : targets_) {
        if (!row.target())
            continue;
        any_target = true;
        bool carried = false;
        for (int salt : used)
            carried = carried || per_gram(salt, row.element) > 0;
        if (!carried)
            missing << row.key;
    }

    const QVector<double> found =
        any_target ? grams(used, limits) : QVector<double>(used.size(), 0);
    for (int k = 0; k < used.size(); ++k)
        salts_[used.at(k)].grams = found.at(k);
    for (Target_Row &row : targets_) {
        row.got = 0;
        for (int k = 0; k < used.size(); ++k)
            row.got += found.at(k) * per_gram(used.at(k), row.element) * row.factor;
    }
    place_in_bottles();

    if (!any_target) {
        check_ << tr("Впишите, сколько мг/л в неделю вы хотите получить, хотя бы для одного "
                     "элемента.");
        return;
    }
    if (used.isEmpty()) {
        check_ << tr("Отметьте вещества, из которых составить рецепт, или нажмите «Предложить».");
        return;
    }
    if (!missing.isEmpty())
        check_ << tr("Ни одно отмеченное вещество не даёт: %1.")
                      .arg(missing.join(QStringLiteral(", ")));

    // A limit that holds a target back: the same salts without limits do
    // better. At the same water and dose the limit stays where it is, so
    // the answer is a larger dose, which needs fewer grams for the same
    // levels.
    const double bounded = misfit(used, found);
    const QVector<double> free_grams =
        grams(used, QVector<double>(used.size(), std::numeric_limits<double>::infinity()));
    if (bounded > misfit(used, free_grams) + 1e-9) {
        double factor = 1;
        for (int k = 0; k < used.size(); ++k) {
            const Salt_Row &salt = salts_.at(used.at(k));
            if (std::isfinite(salt.limit))
                factor = std::max(factor, free_grams.at(k) / salt.limit);
        }
        QStringList limited;
        for (int salt : used) {
            if (salts_.at(salt).at_limit())
                limited << tr("«%1» (%2 г)")
                               .arg(salts_.at(salt).shown,
                                    number_text::figure(salts_.at(salt).limit));
        }
        check_ << tr("На пределе растворимости в %1 мл воды: %2. Цели будут достигнуты при "
                     "дозе %3 мл в неделю; в %4 мл воды бутылки хватит на столько же недель.")
                      .arg(number(water_), limited.join(QStringLiteral(", ")),
                           number(std::ceil(dose_ * factor * 100) / 100),
                           QString::number(std::ceil(water_ * factor), 'f', 0));
    } else {
        double worst = 0;
        for (const Target_Row &row : targets_) {
            if (row.target())
                worst = std::max(worst, std::abs(row.deviation()));
        }
        if (worst > 0.5 && missing.isEmpty())
            check_ << tr("Все цели сразу отмеченными веществами не получить: отклонения — в "
                         "таблице.");
    }

    for (int salt : used) {
        const Groups groups = groups_of(*compounds->compound_at(salt));
        if (salts_.at(salt).grams > 0 && groups.clashes(groups))
            check_ << tr("В «%1» уже вместе то, что даёт осадок: его не разделить по бутылкам.")
                          .arg(salts_.at(salt).shown);
    }
    if (bottle_count_ > 1) {
        QStringList names;
        for (int b = 0; b < bottle_count_; ++b)
            names << QString(QChar(u'A' + b));
        check_ << tr("Вещества, что дают вместе осадок, разнесены по бутылкам %1: в каждой %2 мл "
                     "воды, %3 мл в неделю.")
                      .arg(names.join(QStringLiteral(", ")), number(water_), number(dose_));
    }
}

void Recipe_Designer::place_in_bottles()
{
    QVector<int> dosed;
    QVector<Groups> groups;
    for (int i = 0; i < salts_.size(); ++i) {
        if (salts_.at(i).grams > 0) {
            dosed.append(i);
            groups.append(groups_of(*compounds->compound_at(i)));
        }
    }
    QVector<QVector<bool>> clash(dosed.size(), QVector<bool>(dosed.size(), false));
    for (int i = 0; i < dosed.size(); ++i) {
        for (int j = 0; j < dosed.size(); ++j)
            clash[i][j] = i != j && groups.at(i).clashes(groups.at(j));
    }
    const QVector<int> bottle = recipe_solve::bottles(clash);
    bottle_count_ = 0;
    for (int k = 0; k < dosed.size(); ++k) {
        salts_[dosed.at(k)].bottle = bottle.at(k);
        bottle_count_ = std::max(bottle_count_, bottle.at(k) + 1);
    }
}

QString Recipe_Designer::bottle_name(int _bottle) const
{
    if (bottle_count_ <= 1)
        return name_;
    return tr("%1 %2").arg(name_, QString(QChar(u'A' + _bottle)));
}

QVector<Catalogue_Editor::Draft> Recipe_Designer::recipes() const
{
    QStringList wanted;
    for (const Target_Row &row : targets_) {
        if (row.target())
            wanted << tr("%1 %2").arg(row.key, number(row.wanted));
    }
    const QString source = tr("Подобран под цели %1 мг/л в неделю: аквариум %2 л, %3 мл в неделю "
                              "из бутылки с %4 мл воды.")
                               .arg(wanted.join(QStringLiteral(", ")), QString::number(tank_),
                                    number(dose_), number(water_));
    QVector<Catalogue_Editor::Draft> drafts;
    for (int b = 0; b < bottle_count_; ++b) {
        Catalogue_Editor::Draft draft = Catalogue_Editor::blank(Catalogue_Editor::recipe);
        draft.name = bottle_name(b);
        draft.water = QString::number(water_, 'g', QLocale::FloatingPointShortest);
        draft.source = source;
        for (int i = 0; i < salts_.size(); ++i) {
            if (salts_.at(i).bottle == b)
                draft.salts.append(
                    {salts_.at(i).name, written_grams(salts_.at(i).grams, salts_.at(i).limit)});
        }
        // The reference element: the first target this bottle brings, else
        // the first element it brings.
        const auto first_brought = [&](bool _targets_only) {
            for (const Target_Row &row : targets_) {
                for (int i = 0; i < salts_.size(); ++i) {
                    if (salts_.at(i).bottle == b && (row.target() || !_targets_only) &&
                        per_gram(i, row.element) > 0)
                        return row.element;
                }
            }
            return QString();
        };
        draft.target = first_brought(true);
        if (draft.target.isEmpty())
            draft.target = first_brought(false);
        drafts.append(draft);
    }
    return drafts;
}

QVector<Plan_Item> Recipe_Designer::plan_items() const
{
    QVector<Plan_Item> items;
    for (int b = 0; b < bottle_count_; ++b) {
        Plan_Item item;
        item.kind = QStringLiteral("premix");
        item.name = bottle_name(b);
        item.weekly = dose_;
        items.append(item);
    }
    return items;
}
