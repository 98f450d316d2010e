// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_book.h"

#include "base/message_text.h"
#include "base/number_text.h"
#include "chemistry/compound.h"
#include "chemistry/teaspoon.h"
#include "dosing/build_up.h"
#include "dosing/type_fertilizer.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <numeric>

using message_text::number;
using number_text::figure;

Plan_Book::Plan_Book(const Plan_Catalogues &_catalogues, const QString &_folder)
    : catalogues(_catalogues), store(_folder)
{}

void Plan_Book::open()
{
    if (opened)
        return;
    opened = true;
    plans_ = store.open();
    current_ = plans_.isEmpty() ? -1 : 0;
    // A plan kept by an earlier version has had its changes on its day for
    // a while: it starts on the last one, and keeps that with its next change.
    for (Dosing_Plan &plan : plans_) {
        if (!plan.start.isValid())
            plan.start = plan_dates::last_before(today(), plan.change_day);
    }
}

QString Plan_Book::status() const
{
    QStringList lines;
    if (!store.message().isEmpty())
        lines << store.message();
    if (!save_error.isEmpty())
        lines << save_error;
    if (!refusal.isEmpty())
        lines << refusal;
    return lines.join(QLatin1Char('\n'));
}

void Plan_Book::set_current(int _index)
{
    if (_index >= -1 && _index < plans_.size())
        current_ = _index;
}

const Dosing_Plan *Plan_Book::shown() const
{
    return current_ >= 0 ? &plans_.at(current_) : nullptr;
}

Dosing_Plan *Plan_Book::edited()
{
    return current_ >= 0 && !read_only() ? &plans_[current_] : nullptr;
}

void Plan_Book::save()
{
    refusal.clear();
    if (store.save(plans_))
        save_error.clear();
    else
        save_error = tr("Не удалось сохранить планы в %1: %2. Изменения остались в окне.")
                         .arg(QDir::toNativeSeparators(store.file_name()), store.error());
}

bool Plan_Book::save_again()
{
    save();
    return !unsaved();
}

bool Plan_Book::name_taken(const QString &_name, int _except)
{
    for (int i = 0; i < plans_.size(); ++i) {
        if (i != _except && plans_.at(i).name == _name) {
            refusal = tr("План «%1» уже есть: дайте этому другое название.").arg(_name);
            return true;
        }
    }
    return false;
}

int Plan_Book::add_plan(const QString &_name, int _tank)
{
    if (read_only() || _tank < plan_limits::tank_min || _tank > plan_limits::tank_max ||
        name_taken(_name, -1))
        return -1;
    Dosing_Plan plan;
    plan.name = _name;
    plan.tank = _tank;
    plan.start = today();
    plan.change_day = plan_dates::weekday(plan.start);
    plans_.append(plan);
    current_ = plans_.size() - 1;
    save();
    return current_;
}

bool Plan_Book::rename_plan(const QString &_name)
{
    Dosing_Plan *plan = edited();
    if (!plan || name_taken(_name, current_))
        return false;
    plan->name = _name;
    save();
    return true;
}

void Plan_Book::remove_plan()
{
    if (!edited())
        return;
    plans_.remove(current_);
    current_ = std::min(current_, int(plans_.size()) - 1);
    save();
}

namespace {

// Sets _field to _value when it lies in [_bottom, _top] and differs.
bool set_within(int &_field, int _value, int _bottom, int _top)
{
    if (_value < _bottom || _value > _top || _field == _value)
        return false;
    _field = _value;
    return true;
}

} // namespace

void Plan_Book::set_tank(int _litres)
{
    Dosing_Plan *plan = edited();
    if (!plan || plan->tank == _litres)
        return;
    keep_dosing(*plan);
    if (set_within(plan->tank, _litres, plan_limits::tank_min, plan_limits::tank_max))
        save();
}

void Plan_Book::keep_dosing(Dosing_Plan &_plan) const
{
    const QDate yesterday = today().addDays(-1);
    // Several changes of a day are one: what was dosed before today.
    if (_plan.log.isEmpty() || (!_plan.dosed.isEmpty() && _plan.dosed.last().until >= yesterday))
        return;
    _plan.dosed.append({yesterday, _plan.tank, _plan.items, {}});
    for (Plan_Item &item : _plan.dosed.last().items)
        item.stored = QJsonObject();
}

void Plan_Book::set_change_percent(int _percent)
{
    Dosing_Plan *plan = edited();
    if (plan && set_within(plan->change_percent, _percent, 0, plan_limits::percent_max))
        save();
}

void Plan_Book::set_change_every(int _days)
{
    Dosing_Plan *plan = edited();
    if (plan &&
        set_within(plan->change_every, _days, plan_limits::every_min, plan_limits::every_max))
        save();
}

void Plan_Book::set_change_day(int _weekday)
{
    Dosing_Plan *plan = edited();
    if (plan && set_within(plan->change_day, _weekday, 0, 6)) {
        if (plan->start.isValid())
            plan->start = plan_dates::on_weekday(plan->start, _weekday);
        save();
    }
}

void Plan_Book::set_start(const QDate &_start)
{
    Dosing_Plan *plan = edited();
    if (!plan || !_start.isValid() || !plan_dates::within(_start) || plan->start == _start)
        return;
    plan->start = _start;
    plan->change_day = plan_dates::weekday(_start);
    save();
}

bool Plan_Book::set_log(const QVector<Log_Entry> &_log)
{
    Dosing_Plan *plan = edited();
    if (!plan)
        return false;
    plan->log = _log;
    save();
    return true;
}

void Plan_Book::set_weeks(int _weeks)
{
    Dosing_Plan *plan = edited();
    if (plan && set_within(plan->weeks, _weeks, plan_limits::weeks_min, plan_limits::weeks_max))
        save();
}

bool Plan_Book::set_water(const QVector<Water_Figure> &_figures)
{
    Dosing_Plan *plan = edited();
    if (!plan)
        return false;
    QStringList keys;
    for (const Water_Figure &figure : _figures) {
        // A figure beyond the limits may stay as the file had it.
        const bool kept =
            std::any_of(plan->water.begin(), plan->water.end(), [&](const Water_Figure &_before) {
                return _before.key == figure.key && _before.mg_per_l == figure.mg_per_l;
            });
        if (!Plan_Totals::water_key(figure.key) || keys.contains(figure.key) ||
            !(plan_limits::water_within(figure.mg_per_l) || kept))
            return false;
        keys << figure.key;
    }
    // What the file had of a figure stays with it.
    QVector<Water_Figure> water = _figures;
    for (Water_Figure &figure : water) {
        for (const Water_Figure &before : plan->water) {
            if (before.key == figure.key && figure.stored.isEmpty())
                figure.stored = before.stored;
        }
    }
    plan->water = water;
    save();
    return true;
}

bool Plan_Book::set_weekly(int _row, double _weekly)
{
    Dosing_Plan *plan = edited();
    if (!plan || _row < 0 || _row >= plan->items.size() || !plan_limits::weekly_within(_weekly) ||
        state(_row) == Item_Figures::missing)
        return false;
    if (plan->items.at(_row).weekly != _weekly)
        keep_dosing(*plan);
    plan->items[_row].weekly = _weekly;
    save();
    return true;
}

bool Plan_Book::type_weekly(int _row, const QString &_text)
{
    const Dosing_Plan *plan = shown();
    if (!plan || _row < 0 || _row >= plan->items.size())
        return false;
    double typed = 0;
    if (!number_text::read(_text, &typed)) {
        refusal = tr("Доза «%1» не принята: это не число.").arg(_text.trimmed());
        return false;
    }
    if (!plan_limits::weekly_within(typed)) {
        refusal =
            tr("Доза «%1» не принята: в неделю — больше 0 и не больше %2 %3.")
                .arg(_text.trimmed(), figure(plan_limits::weekly_max), unit(plan->items.at(_row)));
        return false;
    }
    return set_weekly(_row, typed);
}

bool Plan_Book::type_water(int _row, int _column, const QString &_text)
{
    const Dosing_Plan *plan = shown();
    if (!plan || read_only() || _row < 0 || _row > plan->water.size())
        return false;
    QVector<Water_Figure> figures = plan->water;
    const QString text = _text.trimmed();
    if (_column == 0) {
        bool taken = false;
        for (int i = 0; i < figures.size(); ++i)
            taken = taken || (i != _row && figures.at(i).key == text);
        if (text.isEmpty()) {
            if (_row == figures.size())
                return false;
            figures.remove(_row);
        } else if (!Plan_Totals::water_key(text)) {
            refusal = tr("«%1» не принято: это не элемент и не NO3, PO4 или SO4.").arg(text);
            return false;
        } else if (taken) {
            refusal = tr("%1 в новой воде уже есть.").arg(text);
            return false;
        } else if (_row < figures.size()) {
            figures[_row].key = text;
        } else {
            figures.append({text, 0, QJsonObject()});
        }
    } else if (_column == 1 && _row < figures.size()) {
        double typed = 0;
        if (!number_text::read(text, &typed)) {
            refusal = tr("«%1» не принято: это не число.").arg(text);
            return false;
        }
        if (!plan_limits::water_within(typed)) {
            refusal = tr("«%1» не принято: новая вода приносит от 0 до %2 мг/л.")
                          .arg(text, figure(plan_limits::water_max));
            return false;
        }
        figures[_row].mg_per_l = typed;
    } else {
        return false;
    }
    return set_water(figures);
}

void Plan_Book::set_day(int _row, int _weekday, bool _dosed)
{
    Dosing_Plan *plan = edited();
    if (!plan || _row < 0 || _row >= plan->items.size() || _weekday < 0 || _weekday > 6 ||
        state(_row) == Item_Figures::missing || plan->items.at(_row).dosed_on(_weekday) == _dosed)
        return;
    keep_dosing(*plan);
    plan->items[_row].days ^= 1u << _weekday;
    save();
}

void Plan_Book::remove_items(QVector<int> _rows)
{
    Dosing_Plan *plan = edited();
    if (!plan)
        return;
    std::sort(_rows.begin(), _rows.end());
    _rows.erase(std::unique(_rows.begin(), _rows.end()), _rows.end());
    bool removed = false;
    for (auto row = _rows.rbegin(); row != _rows.rend(); ++row) {
        if (*row >= 0 && *row < plan->items.size()) {
            keep_dosing(*plan);
            plan->items.remove(*row);
            removed = true;
        }
    }
    if (removed)
        save();
}

void Plan_Book::set_chart(const QStringList &_keys)
{
    Dosing_Plan *plan = edited();
    if (!plan || (plan->chart_chosen && plan->chart == _keys))
        return;
    plan->chart_chosen = true;
    plan->chart = _keys;
    save();
}

int Plan_Book::add_calculation(const Plan_Item &_item, int _tank)
{
    if (read_only() || _tank < plan_limits::tank_min || _tank > plan_limits::tank_max)
        return -1;
    int index = current_ >= 0 && plans_.at(current_).tank == _tank ? current_ : -1;
    for (int i = 0; i < plans_.size() && index < 0; ++i) {
        if (plans_.at(i).tank == _tank)
            index = i;
    }
    if (index < 0) {
        Dosing_Plan plan;
        plan.name = unused_name(_tank);
        plan.tank = _tank;
        plan.start = today();
        plan.change_day = plan_dates::weekday(plan.start);
        plans_.append(plan);
        index = plans_.size() - 1;
    }
    current_ = index;
    Dosing_Plan &plan = plans_[index];
    int row = plan.find(_item);
    if (row < 0 || plan.items.at(row).weekly != _item.weekly)
        keep_dosing(plan);
    if (row >= 0) {
        plan.items[row].weekly = _item.weekly;
    } else {
        // Dosed on the change day, right after the change, as the build-up
        // of one weekly dose has it.
        Plan_Item item = _item;
        item.days = 1u << plan.change_day;
        item.stored = QJsonObject();
        plan.items.append(item);
        row = plan.items.size() - 1;
    }
    save();
    return row;
}

QVector<Plan_Total> Plan_Book::totals() const
{
    if (!shown())
        return {};
    QVector<Plan_Total> rows = Plan_Totals::of(*shown(), catalogues);
    if (uses_uptake())
        Uptake_Fit::use(&rows, Uptake_Fit::fit_all(rows, *shown(), past_totals()),
                        Plan_Totals::regime(*shown()));
    return rows;
}

QVector<Past_Totals> Plan_Book::past_totals() const
{
    return shown() ? Tank_Log::past_totals(*shown(), catalogues) : QVector<Past_Totals>();
}

QVector<Uptake_Fit::Result> Plan_Book::uptake() const
{
    return shown()
               ? Uptake_Fit::fit_all(Plan_Totals::of(*shown(), catalogues), *shown(), past_totals())
               : QVector<Uptake_Fit::Result>();
}

void Plan_Book::set_use_uptake(bool _use)
{
    Dosing_Plan *plan = edited();
    if (!plan || plan->use_uptake == _use)
        return;
    plan->use_uptake = _use;
    save();
}

void Plan_Book::set_uptake_model(const QString &_element, Uptake_Fit::Model _model)
{
    Dosing_Plan *plan = edited();
    if (!plan || Uptake_Fit::model_of(*plan, _element) == _model)
        return;
    if (_model == Uptake_Fit::default_model(_element))
        plan->uptake_models.remove(_element);
    else
        plan->uptake_models.insert(_element, Uptake_Fit::model_key(_model));
    save();
}

Item_Figures::State Plan_Book::state(int _row) const
{
    const Dosing_Plan *plan = shown();
    if (!plan || _row < 0 || _row >= plan->items.size())
        return Item_Figures::missing;
    return item_figures(plan->items.at(_row), plan->tank, catalogues).state;
}

QStringList Plan_Book::chart() const
{
    const Dosing_Plan *plan = shown();
    if (!plan)
        return {};
    if (plan->chart_chosen)
        return plan->chart;
    QStringList keys;
    for (const Plan_Total &total : totals()) {
        if (QStringList{"N", "P", "K", "Fe"}.contains(total.key))
            keys << total.key;
    }
    return keys;
}

QString Plan_Book::default_name(int _tank)
{
    return tr("Аквариум %1 л").arg(_tank);
}

QString Plan_Book::unused_name(int _tank) const
{
    const auto taken = [this](const QString &_name) {
        return std::any_of(plans_.begin(), plans_.end(),
                           [&](const Dosing_Plan &_plan) { return _plan.name == _name; });
    };
    QString name = default_name(_tank);
    for (int n = 2; taken(name); ++n)
        name = tr("%1 (%2)").arg(default_name(_tank)).arg(n);
    return name;
}

QString Plan_Book::item_name(const Plan_Item &_item) const
{
    const Compound *found = entry(_item);
    const QString name = found ? found->shown_name() : _item.name;
    if (_item.kind != QLatin1String("diy_sol"))
        return name;
    return tr("%1 (%2 г в %3 мл)").arg(name, number(_item.grams), number(_item.water_ml));
}

QString Plan_Book::unit(const Plan_Item &_item)
{
    return _item.kind == QLatin1String("diy") ? tr("мг") : tr("мл");
}

namespace {

// What goes in each time, without its unit: "—" beyond the limits.
QString per_day(const Plan_Item &_item)
{
    if (!plan_limits::weekly_within(_item.weekly))
        return QStringLiteral("—");
    return figure(_item.weekly / std::max(1, _item.day_count()));
}

} // namespace

QString Plan_Book::weekly(const Plan_Item &_item)
{
    // The most a file could hold has more digits than a cell shows.
    if (!(_item.weekly < 1e12))
        return QStringLiteral("> %1").arg(figure(plan_limits::weekly_max));
    return figure(_item.weekly);
}

QString Plan_Book::per_dose(const Plan_Item &_item)
{
    if (_item.day_count() == 0 || !plan_limits::weekly_within(_item.weekly))
        return QStringLiteral("—");
    return tr("%1 %2").arg(per_day(_item), unit(_item));
}

QString Plan_Book::spoons(const Plan_Item &_item) const
{
    if (_item.kind != QLatin1String("diy"))
        return QString();
    const Compound *found = entry(_item);
    if (!found || _item.day_count() == 0 || !plan_limits::weekly_within(_item.weekly))
        return QStringLiteral("—");
    return Teaspoon::text(_item.weekly / 1000 / _item.day_count(), found->teaspoon());
}

QString Plan_Book::spoons_tip(const Plan_Item &_item) const
{
    const Compound *found = entry(_item);
    if (_item.kind != QLatin1String("diy") || !found)
        return QString();
    return Teaspoon::tip(found->teaspoon(), found->teaspoon_source());
}

QString Plan_Book::state_text(Item_Figures::State _state)
{
    switch (_state) {
    case Item_Figures::missing:
        return tr("нет в каталоге");
    case Item_Figures::undissolved:
        return tr("не растворится");
    case Item_Figures::out_of_range:
        return tr("доза вне пределов: больше %1").arg(figure(plan_limits::weekly_max));
    case Item_Figures::usable:
        break;
    }
    return QString();
}

QString Plan_Book::weekday(int _weekday)
{
    static const char *const days[] = {QT_TR_NOOP("Пн"), QT_TR_NOOP("Вт"), QT_TR_NOOP("Ср"),
                                       QT_TR_NOOP("Чт"), QT_TR_NOOP("Пт"), QT_TR_NOOP("Сб"),
                                       QT_TR_NOOP("Вс")};
    return tr(days[qBound(0, _weekday, 6)]);
}

QString Plan_Book::band_text(const plan_levels::Band &_band, bool _high)
{
    if (!_band.bounded)
        return tr("без предела");
    return figure(_high ? _band.high : _band.low);
}

QString Plan_Book::changes_text(const Dosing_Plan &_plan)
{
    if (_plan.change_percent == 0)
        return tr("нет");
    return tr("%1 % каждые %2 дн., первая в %3")
        .arg(_plan.change_percent)
        .arg(_plan.change_every)
        .arg(weekday(_plan.change_day));
}

QString Plan_Book::water_text(const Dosing_Plan &_plan)
{
    QStringList water;
    for (const Water_Figure &each : _plan.water)
        water << tr("%1 %2 мг/л").arg(each.key, figure(each.mg_per_l));
    return water.isEmpty() ? tr("ничего не приносит") : water.join(QStringLiteral(", "));
}

QStringList Plan_Book::item_columns()
{
    QStringList columns{tr("Удобрение"), tr("Тип"), tr("В неделю"), tr("Ед.")};
    for (int day = 0; day < 7; ++day)
        columns << weekday(day);
    return columns << tr("За раз") << tr("Ложкой");
}

QStringList Plan_Book::total_columns(bool _uptake)
{
    return {tr("Элемент"), tr("За неделю, мг/л"),
            _uptake ? tr("С потреблением от, мг/л") : tr("Установится от, мг/л"), tr("до, мг/л")};
}

QString Plan_Book::as_text(const QStringList &_kinds) const
{
    const Dosing_Plan *plan = shown();
    if (!plan)
        return QString();
    const Sheet sheet = this->sheet();
    const QChar tab = QLatin1Char('\t');
    QStringList lines;
    lines << sheet.title << sheet.facts << QString();

    // The weeks by what changes in them, then the items, the same every week.
    lines << sheet.grid_caption;
    for (const Sheet::Week &week : sheet.weeks)
        lines << week.title;
    if (!sheet.grid_rest.isEmpty())
        lines << sheet.grid_rest;
    lines << QString();
    lines << item_columns().join(tab);
    const QStringList kind_keys{"premix", "diy", "diy_sol"};
    for (int row = 0; row < plan->items.size(); ++row) {
        const Plan_Item &item = plan->items.at(row);
        QString name = item_name(item);
        const QString note = item_note(row);
        if (!note.isEmpty())
            name += QStringLiteral(" — ") + note;
        QStringList cells{name, _kinds.value(kind_keys.indexOf(item.kind), item.kind), weekly(item),
                          unit(item)};
        for (int day = 0; day < 7; ++day)
            cells << (item.dosed_on(day) ? per_day(item) : QString());
        cells << per_dose(item) << spoons(item);
        lines << cells.join(tab);
    }
    lines << QString();

    lines << sheet.totals_header.join(tab);
    for (const QStringList &row : sheet.totals)
        lines << row.join(tab);
    if (!sheet.legend.isEmpty())
        lines << sheet.legend;
    lines << sheet.warnings;

    for (const Sheet::Label &label : sheet.labels) {
        lines << QString() << label.title << label.lines;
        if (!label.lasts.isEmpty())
            lines << label.lasts;
        lines << label.made;
        if (!label.source.isEmpty())
            lines << label.source;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Plan_Book::set_targets(const Dosing_Targets &_targets, const QString &_problems)
{
    targets_ = _targets;
    targets_problems_ = _problems;
}

void Plan_Book::set_method(const QString &_name)
{
    Dosing_Plan *plan = edited();
    if (plan && plan->method != _name) {
        plan->method = _name;
        save();
    }
}

void Plan_Book::set_livestock(const QString &_name)
{
    Dosing_Plan *plan = edited();
    if (plan && plan->livestock != _name) {
        plan->livestock = _name;
        save();
    }
}

const Dosing_Method *Plan_Book::method() const
{
    return shown() ? targets_.method(shown()->method) : nullptr;
}

const Livestock *Plan_Book::animals() const
{
    return shown() ? targets_.animals(shown()->livestock) : nullptr;
}

void Plan_Book::use_method_water()
{
    Dosing_Plan *plan = edited();
    const Dosing_Method *chosen = method();
    if (!plan || !chosen)
        return;
    bool changed = false;
    if (chosen->change_percent >= 0)
        changed =
            set_within(plan->change_percent, chosen->change_percent, 0, plan_limits::percent_max) ||
            changed;
    if (chosen->change_every > 0)
        changed = set_within(plan->change_every, chosen->change_every, plan_limits::every_min,
                             plan_limits::every_max) ||
                  changed;
    if (changed)
        save();
}

namespace {

const Target_Range *range_of(const Dosing_Method *_method, const QString &_key)
{
    if (!_method)
        return nullptr;
    for (const Target_Range &range : _method->ranges) {
        if (range.key == _key)
            return &range;
    }
    return nullptr;
}

} // namespace

Plan_Book::Standing Plan_Book::standing(const QString &_key, double _level) const
{
    const Target_Range *range = range_of(method(), _key);
    if (!range)
        return no_range;
    return _level < range->low ? below : _level > range->high ? above : within;
}

QString Plan_Book::target_text(const QString &_key) const
{
    const Target_Range *range = range_of(method(), _key);
    return range ? tr("%1 – %2").arg(figure(range->low), figure(range->high)) : QString();
}

double Plan_Book::ceiling(const QString &_key) const
{
    if (const Livestock *kept = animals()) {
        for (const Ceiling &each : kept->ceilings) {
            if (each.key == _key)
                return each.most;
        }
    }
    return -1;
}

bool Plan_Book::over_ceiling(const Plan_Total &_total) const
{
    const double most = ceiling(_total.key);
    return most >= 0 && (!_total.band.bounded || _total.band.high > most);
}

const Compound *Plan_Book::entry(const Plan_Item &_item) const
{
    return find_entry(_item, catalogues);
}

plan_levels::Input Plan_Book::item_input(const Plan_Item &_item, const QString &_key) const
{
    Dosing_Plan alone = *shown();
    alone.items = {_item};
    alone.water.clear();
    for (const Plan_Total &total : Plan_Totals::of(alone, catalogues)) {
        if (total.key == _key)
            return total.input;
    }
    return {};
}

int Plan_Book::biggest_item(const QString &_key, plan_levels::Input *_part) const
{
    int biggest = -1;
    double largest = 0;
    for (int row = 0; row < shown()->items.size(); ++row) {
        const plan_levels::Input input = item_input(shown()->items.at(row), _key);
        if (input.weekly() > largest) {
            largest = input.weekly();
            biggest = row;
            *_part = input;
        }
    }
    return biggest;
}

QStringList Plan_Book::warnings() const
{
    const Dosing_Plan *plan = shown();
    const Livestock *kept = animals();
    if (!plan || !kept)
        return {};
    QStringList lines;
    const plan_levels::Regime regime = Plan_Totals::regime(*plan);
    for (const Plan_Total &total : totals()) {
        if (!over_ceiling(total))
            continue;
        const double most = ceiling(total.key);
        const QString reached = total.band.bounded ? tr("до %1 мг/л").arg(figure(total.band.high))
                                                   : tr("без подмены воды растёт без предела");
        QString line = tr("%1: %2 — выше %3 мг/л для «%4»")
                           .arg(total.label, reached, figure(most), livestock_name(*kept));
        // The item that adds most of it a week.
        plan_levels::Input part;
        const int biggest = biggest_item(total.key, &part);
        if (!total.band.bounded) {
            lines << line;
            continue;
        }
        if (biggest < 0) {
            lines << line + tr("; столько приносит уже новая вода");
            continue;
        }
        const Plan_Item &item = plan->items.at(biggest);
        plan_levels::Input rest = total.input;
        rest.add(part, -1);
        const double share = plan_levels::largest_share(rest, part, regime, most, total.uptake);
        if (share < 0) {
            lines << line + tr("; больше всего даёт %1, но и без него уровень выше")
                                .arg(item_name(item));
        } else {
            lines << line + tr("; больше всего даёт %1: не больше %2 %3 в неделю")
                                .arg(item_name(item), figure(item.weekly * share), unit(item));
        }
    }
    return lines;
}

namespace {

// _amount rounded up to the digits figure() shows, so that a dose given in
// those digits is never less than the one worked out.
double shown_up(double _amount)
{
    if (!(_amount > 0))
        return _amount;
    const double step = _amount >= 100 ? 1 : std::pow(10.0, std::floor(std::log10(_amount)) - 2);
    return std::ceil(_amount / step - 1e-9) * step;
}

} // namespace

QVector<Plan_Book::Advice> Plan_Book::advice() const
{
    const Dosing_Plan *plan = shown();
    const Dosing_Method *chosen = method();
    if (!plan || !chosen || !plan->use_uptake)
        return {};
    const plan_levels::Regime regime = Plan_Totals::regime(*plan);
    QVector<Advice> lines;
    for (const Plan_Total &total : totals()) {
        const Target_Range *range = range_of(chosen, total.key);
        if (!range || !total.uptake.any())
            continue;
        Advice line;
        line.key = total.key;
        const QString taken = total.uptake.proportional
                                  ? tr("%1: уходит около %2 % в день")
                                        .arg(total.label, figure(100 * total.uptake.rate))
                                  : tr("%1: растения берут около %2 мг/л в день")
                                        .arg(total.label, figure(total.uptake.rate));
        const QString held = tr("%1–%2 мг/л").arg(figure(range->low), figure(range->high));
        plan_levels::Input part;
        const int biggest = biggest_item(total.key, &part);
        if (biggest < 0) {
            line.text = tr("%1; ни одно удобрение плана его не даёт").arg(taken);
            lines << line;
            continue;
        }
        const Plan_Item &item = plan->items.at(biggest);
        plan_levels::Input rest = total.input;
        rest.add(part, -1);
        const auto band = [&](double _share) {
            return plan_levels::steady_band(plan_levels::Input(rest).add(part, _share), regime,
                                            total.uptake);
        };
        // «от» rises with the dose: the smallest share that lifts it to the
        // range's low end.
        const auto lifts = [&](double _share) {
            const plan_levels::Band levels = band(_share);
            return !levels.bounded || levels.low >= range->low;
        };
        if (lifts(0)) {
            line.text = tr("%1; «от» не ниже %2 мг/л и без %3")
                            .arg(taken, figure(range->low), item_name(item));
            lines << line;
            continue;
        }
        double low = 0;
        double top = 1;
        while (!lifts(top) && top < 1e6) {
            low = top;
            top *= 2;
        }
        if (!lifts(top)) {
            line.text = tr("%1; ни одна доза %2 не поднимает «от» до %3 мг/л")
                            .arg(taken, item_name(item), figure(range->low));
            lines << line;
            continue;
        }
        for (int step = 0; step < 60; ++step) {
            const double middle = (low + top) / 2;
            (lifts(middle) ? top : low) = middle;
        }
        const double weekly = shown_up(item.weekly * top);
        const plan_levels::Band reached = band(weekly / item.weekly);
        if (reached.bounded && reached.high <= range->high) {
            line.item = biggest;
            line.weekly = weekly;
            line.text = tr("%1; чтобы держать %2, вносите %3 по %4 %5 в неделю (сейчас %6 %5)")
                            .arg(taken, held, item_name(item), figure(weekly), unit(item),
                                 figure(item.weekly));
        } else {
            line.text =
                tr("%1; при подмене раз в %2 дн. ни одна доза %3 не держит %4: когда «от» "
                   "доходит до %5, «до» уже %6. Вносите в большее число дней или меняйте воду "
                   "чаще")
                    .arg(taken)
                    .arg(plan->change_every)
                    .arg(item_name(item), held, figure(range->low),
                         reached.bounded ? tr("%1 мг/л").arg(figure(reached.high))
                                         : tr("растёт без предела"));
        }
        lines << line;
    }
    return lines;
}

bool Plan_Book::accept_advice(int _line)
{
    const QVector<Advice> lines = advice();
    if (_line < 0 || _line >= lines.size() || lines.at(_line).item < 0)
        return false;
    return set_weekly(lines.at(_line).item, lines.at(_line).weekly);
}

QVector<Plan_Book::Band_Row> Plan_Book::band_rows() const
{
    QVector<Band_Row> rows;
    for (const Plan_Total &total : totals()) {
        if (const Target_Range *range = range_of(method(), total.key))
            rows.append({total.label, *range, total.band});
    }
    return rows;
}

const Compound *Plan_Book::salt_entry(const QString &_salt) const
{
    if (const Type_Fertilizer *compounds = catalogues.diy) {
        for (int i = 0; i < compounds->count_compounds(); ++i) {
            if (compounds->compound_at(i)->name() == _salt)
                return compounds->compound_at(i);
        }
    }
    return nullptr;
}

QString Plan_Book::salt_name(const QString &_salt) const
{
    const Compound *found = salt_entry(_salt);
    return found ? found->shown_name() : _salt;
}

QString Plan_Book::weighed_line(const QString &_name, double _grams, const Compound *_salt) const
{
    const QString line = tr("%1 — %2 г").arg(_name, figure(_grams));
    if (!_salt || !Teaspoon::usable(_salt->teaspoon()) ||
        !Teaspoon::nearest(_grams, _salt->teaspoon()).fits())
        return line;
    return tr("%1 (%2)").arg(line, Teaspoon::text(_grams, _salt->teaspoon()));
}

double Plan_Book::bottle_ml(const Plan_Item &_item) const
{
    if (_item.kind == QLatin1String("diy_sol"))
        return _item.water_ml;
    const Compound *made = entry(_item);
    return made && !made->recipe().isEmpty() ? made->recipe_water_ml() : 0;
}

int Plan_Book::bottle_weeks(const Plan_Item &_item) const
{
    const double bottle = bottle_ml(_item);
    if (!(bottle > 0) || _item.day_count() == 0 || !plan_limits::weekly_within(_item.weekly))
        return -1;
    // A dose that empties the bottle in exactly so many weeks, worked out
    // from a rounded figure, must not come out one week short.
    const double weeks = bottle / _item.weekly * (1 + 1e-9);
    return weeks < 1e6 ? int(std::floor(weeks)) : 1000000;
}

QString Plan_Book::item_note(int _row) const
{
    const Dosing_Plan *plan = shown();
    if (!plan || _row < 0 || _row >= plan->items.size())
        return QString();
    const Item_Figures::State state = this->state(_row);
    if (state != Item_Figures::usable)
        return state_text(state);
    const Plan_Item &item = plan->items.at(_row);
    return bottle_weeks(item) == 0 ? lasts_text(item) : QString();
}

QString Plan_Book::lasts_text(const Plan_Item &_item) const
{
    const int weeks = bottle_weeks(_item);
    if (weeks < 0)
        return QString();
    if (weeks == 0)
        return tr("бутылки не хватит на неделю: в неделю %1 %2, в бутылке %3 %2")
            .arg(weekly(_item), unit(_item), figure(bottle_ml(_item)));
    return tr("бутылки хватит на %1").arg(build_up::weeks(weeks));
}

Plan_Book::Sheet Plan_Book::sheet() const
{
    Sheet sheet;
    const Dosing_Plan *plan = shown();
    if (!plan)
        return sheet;
    sheet.title = plan->name;
    sheet.facts << tr("Аквариум: %1 л").arg(plan->tank)
                << tr("Подмена воды: %1").arg(changes_text(*plan))
                << tr("Новая вода: %1").arg(water_text(*plan));
    if (const Dosing_Method *chosen = method()) {
        QStringList ranges;
        for (const Target_Range &range : chosen->ranges)
            ranges << tr("%1 %2 – %3").arg(range.key, figure(range.low), figure(range.high));
        sheet.facts << (ranges.isEmpty()
                            ? tr("Метод: %1").arg(method_name(*chosen))
                            : tr("Метод: %1 — %2 мг/л")
                                  .arg(method_name(*chosen), ranges.join(QStringLiteral(", "))));
    }
    if (const Livestock *kept = animals()) {
        QStringList ceilings;
        for (const Ceiling &each : kept->ceilings)
            ceilings << tr("%1 до %2").arg(each.key, figure(each.most));
        sheet.facts << (ceilings.isEmpty()
                            ? tr("Пределы: %1").arg(livestock_name(*kept))
                            : tr("Пределы: %1 — %2 мг/л")
                                  .arg(livestock_name(*kept), ceilings.join(QStringLiteral(", "))));
    }

    sheet_weeks(*plan, &sheet);
    sheet_totals(&sheet);
    sheet_labels(*plan, &sheet);
    return sheet;
}

void Plan_Book::sheet_weeks(const Dosing_Plan &_plan, Sheet *_sheet) const
{
    // The weeks of the period, from the first change's weekday; a change
    // on every day of it a whole number of intervals after day 0.
    const bool changed = _plan.change_percent > 0;
    const int every = std::max(1, _plan.change_every);
    const int first = changed ? _plan.change_day : 0;
    const int period = changed ? std::lcm(every, 7) / 7 : 1;
    const int shown_weeks = period > max_weeks ? shown_of_long : period;
    if (!changed)
        _sheet->grid_caption = tr("Подмен воды нет: каждая неделя одна и та же.");
    else if (period == 1)
        _sheet->grid_caption = tr("Подмены и дозы каждую неделю в те же дни.");
    else if (period == shown_weeks)
        _sheet->grid_caption = tr("Подмены и дозы повторяются через %1; неделя 1 начинается с "
                                  "первой подмены.")
                                   .arg(build_up::weeks(period));
    else
        _sheet->grid_caption = tr("Подмены и дозы повторяются через %1; неделя 1 начинается с "
                                  "первой подмены, здесь первые %2.")
                                   .arg(build_up::weeks(period), build_up::weeks(shown_weeks));
    _sheet->grid_header << tr("Удобрение");
    for (int day = 0; day < 7; ++day)
        _sheet->grid_header << weekday((first + day) % 7);
    _sheet->change_mark = tr("подмена");
    for (int row = 0; row < _plan.items.size(); ++row) {
        const Plan_Item &item = _plan.items.at(row);
        QStringList cells{item_name(item)};
        const QString note = item_note(row);
        if (!note.isEmpty())
            cells[0] += QStringLiteral(" — ") + note;
        for (int day = 0; day < 7; ++day)
            cells << (item.dosed_on((first + day) % 7) ? per_dose(item) : QString());
        _sheet->grid.append(cells);
    }
    // The grid's columns of the changes in week _week, 0 the first.
    const auto changes_in = [&](int _week) {
        QVector<int> columns;
        for (int day = 0; day < 7; ++day) {
            if (changed && (7 * _week + day) % every == 0)
                columns << 1 + day;
        }
        return columns;
    };
    for (int week = 0; week < shown_weeks; ++week) {
        Sheet::Week shown;
        shown.changes = changes_in(week);
        QStringList days;
        for (const int column : shown.changes)
            days << _sheet->grid_header.at(column);
        const QString title =
            period == 1
                ? tr("Каждая неделя")
                : tr("Неделя %1 (дни %2–%3)").arg(week + 1).arg(7 * week + 1).arg(7 * week + 7);
        shown.title = days.isEmpty()
                          ? tr("%1: без подмены").arg(title)
                          : tr("%1: подмена %2").arg(title, days.join(QStringLiteral(", ")));
        _sheet->weeks.append(shown);
    }
    if (shown_weeks < period) {
        QStringList later;
        for (int week = shown_weeks; week < period; ++week) {
            for (const int column : changes_in(week))
                later << tr("неделя %1 %2").arg(week + 1).arg(_sheet->grid_header.at(column));
        }
        const QString weeks_range = tr("Недели %1–%2").arg(shown_weeks + 1).arg(period);
        _sheet->grid_rest =
            (later.isEmpty() ? tr("%1: дозы те же, без подмен.").arg(weeks_range)
                             : tr("%1: дозы те же, подмены: %2.")
                                   .arg(weeks_range, later.join(QStringLiteral(", ")))) +
            QLatin1Char(' ') + tr("После недели %1 всё повторяется с недели 1.").arg(period);
    }
}

void Plan_Book::sheet_totals(Sheet *_sheet) const
{
    _sheet->totals_header = total_columns(uses_uptake());
    if (method())
        _sheet->totals_header << tr("Цель, мг/л");
    if (animals())
        _sheet->totals_header << tr("Предел, мг/л");
    // The last reading of each key, beside the plan's figure for it.
    QVector<const Log_Entry *> last;
    for (const Log_Entry &entry : shown()->log) {
        if (entry.change)
            continue;
        const auto same = std::find_if(last.begin(), last.end(), [&](const Log_Entry *_kept) {
            return _kept->key == entry.key;
        });
        if (same == last.end())
            last << &entry;
        else
            *same = &entry;
    }
    const auto reading = [](const Log_Entry &_entry) {
        return tr("%1 (%2)").arg(figure(_entry.value), _entry.date.toString(tr("dd.MM")));
    };
    if (!last.isEmpty())
        _sheet->totals_header << tr("Измерено");
    const QVector<Plan_Total> rows = totals();
    for (const Plan_Total &total : rows) {
        QStringList row{total.label, figure(total.input.weekly()), band_text(total.band, false),
                        band_text(total.band, true)};
        QVector<int> over;
        const double most = ceiling(total.key);
        if (over_ceiling(total)) {
            // The low level too where even it is over.
            if (!total.band.bounded || total.band.low > most)
                over << 2;
            over << 3;
        }
        for (const int column : over)
            row[column] += QLatin1Char(' ') + over_mark();
        if (method())
            row << target_text(total.key);
        if (animals())
            row << (most >= 0 ? figure(most) : QString());
        if (!last.isEmpty()) {
            const auto found = std::find_if(last.begin(), last.end(), [&](const Log_Entry *_kept) {
                return _kept->key == total.key;
            });
            row << (found == last.end() ? QString() : reading(**found));
        }
        _sheet->totals.append(row);
        _sheet->over.append(over);
    }
    if (std::any_of(_sheet->over.begin(), _sheet->over.end(),
                    [](const QVector<int> &_over) { return !_over.isEmpty(); }))
        _sheet->legend =
            tr("%1 — выше предела для «%2»").arg(over_mark(), livestock_name(*animals()));
    // What was measured of something the plan does not bring.
    QStringList others;
    for (const Log_Entry *entry : last) {
        if (std::none_of(rows.begin(), rows.end(),
                         [&](const Plan_Total &_total) { return _total.key == entry->key; }))
            others << tr("%1 %2").arg(entry->key, reading(*entry));
    }
    if (!others.isEmpty())
        _sheet->facts << tr("Измерено, в плане нет: %1").arg(others.join(QStringLiteral(", ")));
    _sheet->warnings = warnings();
}

void Plan_Book::sheet_labels(const Dosing_Plan &_plan, Sheet *_sheet) const
{
    // A label for each bottle made up by hand.
    for (const Plan_Item &item : _plan.items) {
        const Compound *made = entry(item);
        if (!made)
            continue;
        Sheet::Label label;
        label.title = item_name(item);
        double per_ml = 0; // of the entry's fractions: grams × 1000 ÷ water
        if (item.kind == QLatin1String("diy_sol")) {
            label.lines << weighed_line(made->shown_name(), item.grams, made);
            per_ml = item.grams * 1000 / item.water_ml;
        } else if (!made->recipe().isEmpty()) {
            for (const Compound::Recipe_Part &part : made->recipe())
                label.lines << weighed_line(salt_name(part.salt), part.grams,
                                            salt_entry(part.salt));
            per_ml = 1;
        } else {
            continue;
        }
        label.lines << tr("Вода: %1 мл").arg(figure(bottle_ml(item)));
        QStringList content;
        for (int i = 0; i < made->count_elements(); ++i) {
            const Element element = made->element_at(i);
            if (!element.name.isEmpty() && element.name != QLatin1String("sol"))
                content << tr("%1 %2").arg(element.name, figure(element.value * per_ml));
        }
        label.lines << tr("мг/мл: %1").arg(content.join(QStringLiteral(", ")));
        label.lasts = lasts_text(item);
        label.made = tr("Приготовлено: ____________");
        label.source = made->source();
        _sheet->labels.append(label);
    }
}
