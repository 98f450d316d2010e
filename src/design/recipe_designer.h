// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_RECIPE_DESIGNER_H
#define ROVALIN_RECIPE_DESIGNER_H

// From the levels a user wants to the grams of each salt: the model of the
// window «Подбор рецепта…». The user gives the tank, the water of a bottle,
// its weekly dose and, for some elements or ions, the mg/l a week wanted;
// of the compounds ticked, the grams g ≥ 0 are found that make
// Σ ((got − wanted) ÷ wanted)² least over the targets, each salt at most what
// the bottle's water dissolves, where
//   got = Σ g × 1000 × fraction ÷ water × dose ÷ tank.
// The compounds list is in the hobby's order of common use, and the grams
// follow it: a salt further down is used only where the ticked ones above,
// within their limits, cannot meet the targets better.
// Salts that precipitate together (calcium with a sulfate, phosphate or
// carbonate; iron with a phosphate) go into separate bottles, as few as can
// be, each with the same water and dose.

#include "catalogue/catalogue_editor.h"
#include "plan/dosing_plan.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <limits>

class Type_Fertilizer;

namespace recipe_solve {

// The x with 0 ≤ x[j] ≤ _upper[j] (infinity: no bound above) that makes
// |A x − b|² least; _a holds A's rows, each of _upper.size() numbers. Where
// several x do, the one found by bringing the columns in in their order: a
// column comes in only where those before it, within their bounds, can bring
// |A x − b| no lower, and one that adds nothing to those before it stays 0.
// Columns that are all zero stay 0.
QVector<double> bounded_least_squares(const QVector<QVector<double>> &_a, const QVector<double> &_b,
                                      const QVector<double> &_upper);

// A bottle for each of n things, 0 for the first, so that no two that clash
// share one, in as few bottles as can be; _clash[i][j] is whether i and j
// clash (what clashes with itself is placed as if it did not).
QVector<int> bottles(const QVector<QVector<bool>> &_clash);

} // namespace recipe_solve

class Recipe_Designer
{
    Q_DECLARE_TR_FUNCTIONS(Recipe_Designer)

public:
    static constexpr double not_set = std::numeric_limits<double>::quiet_NaN();

    // The compounds come from _compounds, read again by refresh().
    explicit Recipe_Designer(const Type_Fertilizer *_compounds);

    // The rows again after the compounds list changed: targets and ticks
    // stay where their element or compound is still there.
    void refresh();

    int tank() const { return tank_; }
    double water() const { return water_; }
    double dose() const { return dose_; }
    QString name() const { return name_; }
    // Values outside their limits are refused (false) and change nothing.
    bool set_tank(int _litres);
    bool set_water(double _ml);
    bool set_dose(double _ml);
    void set_name(const QString &_name) { name_ = _name.trimmed(); }

    // A row per element or ion the compounds bring, in the plan's order.
    struct Target_Row
    {
        QString key;             // "K", "NO3"
        QString element;         // what it is counted as: "N" for NO3
        double factor = 1;       // mg of the row's key per mg of the element
        double wanted = not_set; // mg/l a week; not a number: no target
        double got = 0;          // mg/l a week the grams give
        bool target() const { return wanted == wanted; }
        // (got − wanted) ÷ wanted in %; not a number for no target.
        double deviation() const;
    };
    const QVector<Target_Row> &targets() const { return targets_; }
    // A target of _mg a week for row _row (not a number or ≤ 0 clears it,
    // above wanted_max changes nothing); a target on an ion clears one on
    // its element, and the other way.
    void set_wanted(int _row, double _mg);
    // The most mg/l a week a target may ask for.
    static constexpr double wanted_max = 1000;
    // A target as the user typed it: empty clears it; a text that is no
    // number, or a figure not above 0 or above wanted_max, is refused:
    // nothing changes, and _why says why.
    bool type_wanted(int _row, const QString &_text, QString *_why);

    // A row per compound of the list.
    struct Salt_Row
    {
        QString name;
        QString shown; // the name in the language in use, when the rows were made
        bool used = false;
        double grams = 0;
        // The most grams the bottle's water dissolves; infinity without a
        // solubility.
        double limit = std::numeric_limits<double>::infinity();
        int bottle = -1; // 0 for A; -1 while it is not dosed
        // Grams in a level teaspoon, and where the figure comes from; not a
        // number where the entry has none.
        double teaspoon = std::numeric_limits<double>::quiet_NaN();
        QString teaspoon_source;
        bool at_limit() const;
        // The grams as a share of the limit in %; not a number without one.
        double share() const;
    };
    const QVector<Salt_Row> &salts() const { return salts_; }
    // A salt whose entry gives a share of an element that is no number from
    // 0 to 1 (a file's slip: 5 for 5 %, 1e308) is no salt to weigh: it is
    // never ticked.
    bool usable(int _row) const;
    void set_used(int _row, bool _used);
    // Ticks, for each target, the first compound of the list that brings its
    // element, of those dosed for that element before the others; then, while
    // a target falls short, the next that brings it and does better; and
    // leaves ticked only the salts the grams use. A compound whose entry names
    // no element it is dosed for (a chelating agent) is never ticked.
    void suggest();

    // What the user should know of the result, a line each, plain text.
    QStringList check() const { return check_; }
    // The bottles the dosed salts go into; 0 without salts.
    int bottle_count() const { return bottle_count_; }
    // «<name>», or «<name> A», «<name> B»… where there are several.
    QString bottle_name(int _bottle) const;

    // The bottles as recipes of the user's own, ready to be saved. Their
    // grams, to nine significant digits and never above a salt's limit, give
    // back every level within 1e-8 of what it is here.
    QVector<Catalogue_Editor::Draft> recipes() const;
    // Each bottle, saved as recipes(), with the weekly dose.
    QVector<Plan_Item> plan_items() const;

private:
    void solve();
    // The most grams of salt _salt the bottle's water dissolves.
    double limit_of(int _salt) const;
    // The grams that meet the targets best with each salt under _limits.
    QVector<double> grams(const QVector<int> &_used, const QVector<double> &_limits) const;
    double misfit(const QVector<int> &_used, const QVector<double> &_grams) const;
    // mg/l a week of _element per g of salt _salt.
    double per_gram(int _salt, const QString &_element) const;
    void place_in_bottles();

    const Type_Fertilizer *compounds;
    int tank_ = 100;
    double water_ = 500;
    double dose_ = 50;
    QString name_;
    QVector<Target_Row> targets_;
    QVector<Salt_Row> salts_;
    QStringList check_;
    int bottle_count_ = 0;
};

#endif // ROVALIN_RECIPE_DESIGNER_H
