// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_BOOK_H
#define ROVALIN_PLAN_BOOK_H

// The plans as the plan window works with them: which one is shown, every
// change the user makes, each saved at once, and the figures and texts the
// window shows. The window only draws what this gives and hands back what the
// user did; a change it refuses (a plan read-only, a figure out of range)
// leaves everything as it was.

#include "plan/dosing_plan.h"
#include "plan/dosing_targets.h"
#include "plan/plan_store.h"
#include "plan/uptake_fit.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class Plan_Book
{
    Q_DECLARE_TR_FUNCTIONS(Plan_Book)

public:
    // The plans kept in _folder (the user's data folder when empty), their
    // items looked up in _catalogues. Nothing is read before open().
    explicit Plan_Book(const Plan_Catalogues &_catalogues, const QString &_folder = QString());

    // Reads the plans, the first time only; the first plan is shown.
    void open();
    bool read_only() const { return store.read_only(); }
    // What the window says of the file, of the last save and of a figure
    // typed and refused; empty when there is nothing to say.
    QString status() const;
    QString file_name() const { return store.file_name(); }

    const QVector<Dosing_Plan> &plans() const { return plans_; }
    // The plan on show: -1 when there are none.
    int current() const { return current_; }
    void set_current(int _index);
    const Dosing_Plan *shown() const;

    // A new plan, shown at once. Gives its index, or -1 when read-only or
    // when another plan has that name (status() then says so).
    int add_plan(const QString &_name, int _tank);
    bool rename_plan(const QString &_name);
    void remove_plan();

    // The shown plan's settings and items; values outside their limits are
    // refused.
    void set_tank(int _litres);
    void set_change_percent(int _percent);
    void set_change_every(int _days);
    // The change day and the start go together: a new day moves the start
    // to the nearest date on it, a new start brings its weekday.
    void set_change_day(int _weekday);
    void set_start(const QDate &_start);
    void set_weeks(int _weeks);
    // Whether the new water may have _figures: each key an element or ion,
    // once, each figure from 0 to plan_limits::water_max (or as it was).
    bool set_water(const QVector<Water_Figure> &_figures);
    bool set_weekly(int _row, double _weekly);
    // A text the user typed: the weekly dose of item _row; in the new water,
    // row _row's key (column 0: an element or ion; emptied, the row goes) or
    // its mg/l (column 1), a row past the last one a new figure. A text that
    // is refused changes nothing, and status() says why until the next change.
    bool type_weekly(int _row, const QString &_text);
    bool type_water(int _row, int _column, const QString &_text);
    void set_day(int _row, int _weekday, bool _dosed);
    void remove_items(QVector<int> _rows);
    void set_chart(const QStringList &_keys);
    // The shown plan's log, as Log_Table has checked it.
    bool set_log(const QVector<Log_Entry> &_log);
    // What status() says until the next change: why a text was refused,
    // what an import did.
    void say(const QString &_what) { refusal = _what; }

    QDate today() const { return plan_dates::today(); }

    // The shown plan's uptake fitted from its log, an element a row; whether
    // its levels take it up; the model of an element's fit.
    QVector<Uptake_Fit::Result> uptake() const;
    // The totals of each period of the shown plan's doses that is over.
    QVector<Past_Totals> past_totals() const;
    bool uses_uptake() const { return shown() && shown()->use_uptake; }
    void set_use_uptake(bool _use);
    void set_uptake_model(const QString &_element, Uptake_Fit::Model _model);
    // With uptake in use, for each row the method has a range for: the
    // weekly dose of the item that brings most of it with which the band, as
    // taken up, rises to the range's low end, and whether its high then stays
    // within; or why no dose of it does.
    struct Advice
    {
        QString key;
        QString text;
        int item = -1;      // the item whose dose it advises; -1 for none
        double weekly = -1; // the dose advised, as the text gives it
    };
    QVector<Advice> advice() const;
    // Gives the item of advice line _line its advised dose.
    bool accept_advice(int _line);

    // The methods and livestock plans are read against, and what was wrong
    // with their file (empty when nothing was).
    void set_targets(const Dosing_Targets &_targets, const QString &_problems);
    const Dosing_Targets &targets() const { return targets_; }
    QString targets_problems() const { return targets_problems_; }
    // The shown plan's method and livestock, by name; empty for none.
    void set_method(const QString &_name);
    void set_livestock(const QString &_name);
    // The shown plan's method and livestock, where the targets have them.
    const Dosing_Method *method() const;
    const Livestock *animals() const;
    // Gives the shown plan its method's water change, where it has one.
    void use_method_water();

    // A calculation's entry and weekly dose, into the plan for its tank: the
    // shown plan if its tank is _tank litres, else the first that is, else a
    // new «Аквариум N л». The same entry there already takes the new dose.
    // That plan is shown; gives the item's row, or -1 when read-only.
    int add_calculation(const Plan_Item &_item, int _tank);

    // What the shown plan's items and water give: see Plan_Totals.
    QVector<Plan_Total> totals() const;
    Item_Figures::State state(int _row) const;
    // The rows whose course is drawn: the user's choice, else N, P, K and Fe
    // where the totals have them.
    QStringList chart() const;

    // «Аквариум N л»: the name a plan for a tank of _tank litres starts with;
    // «Аквариум N л (2)» and on where a plan has it already.
    static QString default_name(int _tank);
    QString unused_name(int _tank) const;

    // Where a level lies against the shown plan's method's range for _key.
    enum Standing { no_range, below, within, above };
    Standing standing(const QString &_key, double _level) const;
    // «5 – 30», the method's range for _key; empty without one.
    QString target_text(const QString &_key) const;
    // The livestock's ceiling for _key; negative without one.
    double ceiling(const QString &_key) const;
    // Whether a band reaches over its row's ceiling.
    bool over_ceiling(const Plan_Total &_total) const;
    // A line for each row whose level reaches over the livestock's ceiling:
    // how high, for whom, the item that brings most of it and the most of it
    // a week that keeps the level at the ceiling, or that none can.
    QStringList warnings() const;

    // The rows of the shown plan that its method has a range for: the range
    // and the plan's band, each row to be drawn to its own scale.
    struct Band_Row
    {
        QString label;
        Target_Range range;
        plan_levels::Band band;
    };
    QVector<Band_Row> band_rows() const;

    // The sheet to hang by the tank: the plan's facts, its weeks as a grid of
    // the amounts to add each day, its totals against the method and the
    // livestock, and a label for every recipe and solution it doses.
    //
    // The grid covers the plan's period: the weeks after which the changes and
    // the doses repeat, lcm(interval, 7) days as the band is worked out over,
    // one week without changes; a period of more than max_weeks shows its
    // first shown_of_long weeks, and grid_rest says how the others go on. Week
    // 1 starts on the day of the first change (on Monday without changes), so
    // the weekdays run from that day.
    static constexpr int max_weeks = 8;
    static constexpr int shown_of_long = 4;
    struct Sheet
    {
        QString title;
        QStringList facts;
        QString grid_caption;      // how the weeks repeat
        QStringList grid_header;   // «Удобрение», then the weekdays of a week
        QVector<QStringList> grid; // an item, then what goes in each day, the same every week
        struct Week
        {
            QString title;        // «Неделя 2 (дни 8–14): подмена Вт»
            QVector<int> changes; // the grid's columns (1 to 7) of its changes
        };
        QVector<Week> weeks;
        QString change_mark; // what marks a change in its column: «подмена»
        QString grid_rest;   // the weeks not shown; empty when all are
        QStringList totals_header;
        QVector<QStringList> totals;
        // Per row of the totals, its columns with a level over the
        // livestock's ceiling: marked with over_mark, to be printed bold.
        QVector<QVector<int>> over;
        QString legend; // what over_mark means; empty where nothing is over
        QStringList warnings;
        struct Label
        {
            QString title;
            QStringList lines; // the salts and grams, the water, each element's mg/ml
            QString lasts;     // how long a bottle lasts at the plan's weekly dose
            QString made;      // «Приготовлено: ____»
            QString source;
        };
        QVector<Label> labels;
    };
    // What marks a level over a ceiling, in black and white as well.
    static QString over_mark() { return QStringLiteral("▲"); }
    Sheet sheet() const;

    // What the window and the sheet say beside item _row: why it adds nothing
    // (state_text()), or that its bottle does not last a week; else empty.
    QString item_note(int _row) const;

    // The names of a method and of a livestock in the language in use.
    static QString method_name(const Dosing_Method &_method) { return _method.shown_name(); }
    static QString livestock_name(const Livestock &_livestock) { return _livestock.shown_name(); }

    // How the window writes an item: "KNO3 (50 г в 500 мл)", "мл", "2.5 мл"
    // (the weekly dose ÷ the days, "—" without a day or beyond the limits),
    // «нет в каталоге». The name is the entry's in the language in use, where
    // the catalogues have it. Figures to three significant digits, the weekly
    // dose too ("> 100000" for one no number of digits could show).
    QString item_name(const Plan_Item &_item) const;
    static QString unit(const Plan_Item &_item);
    static QString weekly(const Plan_Item &_item);
    static QString per_dose(const Plan_Item &_item);
    // A dry compound's dose each time in level spoons (Teaspoon::text), «—»
    // where its entry has no spoon's figure or the item is not dosed; and the
    // tool tip of that cell: what the figure rests on, or how to add one.
    // Empty for the other kinds, which are dosed in ml.
    QString spoons(const Plan_Item &_item) const;
    QString spoons_tip(const Plan_Item &_item) const;
    static QString state_text(Item_Figures::State _state);
    // "Пн" … "Вс", 0 Monday.
    static QString weekday(int _weekday);
    // A level of the band, or «без предела».
    static QString band_text(const plan_levels::Band &_band, bool _high);

    // "50 % каждые 7 дн., первая в Сб", «нет» at 0 %; "Ca 20 мг/л, NO3 5 мг/л".
    static QString changes_text(const Dosing_Plan &_plan);
    static QString water_text(const Dosing_Plan &_plan);

    // The headers of the items' columns (name, kind, weekly dose, unit, the
    // seven weekdays, the dose each time, the same in spoons).
    static QStringList item_columns();
    // The totals' headers; with uptake, the band's says so.
    static QStringList total_columns(bool _uptake = false);

    // The shown plan as plain text with tabs, for a spreadsheet or a post:
    // what the sheet says, section by section, with the items as the window
    // lists them instead of the grid; _kinds names the kinds "premix", "diy",
    // "diy_sol" as the window does.
    QString as_text(const QStringList &_kinds) const;

    // Whether the last save failed, so that the plans in the window are not
    // the file's; why it failed. save_again() tries once more.
    bool unsaved() const { return !save_error.isEmpty(); }
    QString save_problem() const { return save_error; }
    bool save_again();

private:
    Dosing_Plan *edited();
    // Before an edit to _plan's items or tank: what they dosed until
    // yesterday, where the log has entries to read against it.
    void keep_dosing(Dosing_Plan &_plan) const;
    void save();
    // Whether a plan other than _except is named _name; the refusal says so.
    bool name_taken(const QString &_name, int _except);

    // The catalogue entry an item stands for; null when the catalogues have none.
    const Compound *entry(const Plan_Item &_item) const;
    // A salt of a recipe by its name in the language in use, where the
    // compounds have it.
    QString salt_name(const QString &_salt) const;
    // The compound a recipe names as _salt; null where the compounds have none.
    const Compound *salt_entry(const QString &_salt) const;
    // «KNO3 — 50 г», with its level spoons beside the grams where a measure
    // fits them.
    QString weighed_line(const QString &_name, double _grams, const Compound *_salt) const;
    // How many whole weeks a bottle of _item lasts at its weekly dose: the
    // bottle's volume is its water (a solution's water_ml, a recipe's water).
    // -1 for anything that is not a bottle, or that is not dosed.
    int bottle_weeks(const Plan_Item &_item) const;
    // The bottle's water of _item; 0 for anything that is not a bottle.
    double bottle_ml(const Plan_Item &_item) const;
    // «бутылки хватит на 7 недель», or that it does not last a week; empty
    // where bottle_weeks() is -1.
    QString lasts_text(const Plan_Item &_item) const;
    // The parts of the sheet of the plan _plan (the one shown): the grid and
    // its weeks, the totals with their marks and warnings, the labels.
    void sheet_weeks(const Dosing_Plan &_plan, Sheet *_sheet) const;
    void sheet_totals(Sheet *_sheet) const;
    void sheet_labels(const Dosing_Plan &_plan, Sheet *_sheet) const;
    // What _item alone, dosed as it is, brings of _key (no new water).
    plan_levels::Input item_input(const Plan_Item &_item, const QString &_key) const;
    // The row of the shown plan's item that adds most of _key a week, and
    // what it adds (_part); -1 where none adds any.
    int biggest_item(const QString &_key, plan_levels::Input *_part) const;

    Plan_Catalogues catalogues;
    Dosing_Targets targets_;
    QString targets_problems_;
    Plan_Store store;
    QVector<Dosing_Plan> plans_;
    int current_ = -1;
    bool opened = false;
    QString save_error;
    QString refusal;
};

#endif // ROVALIN_PLAN_BOOK_H
