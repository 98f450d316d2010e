// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan_book.h"

#include "compound.h"
#include "message_text.h"
#include "number_text.h"

#include <QDir>

#include <algorithm>
#include <cmath>

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
    if (plan && set_within(plan->tank, _litres, plan_limits::tank_min, plan_limits::tank_max))
        save();
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
    if (plan && set_within(plan->change_day, _weekday, 0, 6))
        save();
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
        plans_.append(plan);
        index = plans_.size() - 1;
    }
    current_ = index;
    Dosing_Plan &plan = plans_[index];
    int row = plan.find(_item);
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
    return shown() ? Plan_Totals::of(*shown(), catalogues) : QVector<Plan_Total>();
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
    return columns << tr("За раз");
}

QStringList Plan_Book::total_columns()
{
    return {tr("Элемент"), tr("За неделю, мг/л"), tr("Установится от, мг/л"), tr("до, мг/л")};
}

QString Plan_Book::as_text(const QStringList &_kinds) const
{
    const Dosing_Plan *plan = shown();
    if (!plan)
        return QString();
    const QChar tab = QLatin1Char('\t');
    QStringList lines;
    lines << plan->name;
    lines << tr("Аквариум, л") + tab + QString::number(plan->tank);
    lines << tr("Подмена воды") + tab + changes_text(*plan);
    lines << tr("Новая вода") + tab + water_text(*plan);
    lines << QString();

    lines << item_columns().join(tab);
    const QStringList kind_keys{"premix", "diy", "diy_sol"};
    for (int row = 0; row < plan->items.size(); ++row) {
        const Plan_Item &item = plan->items.at(row);
        QString name = item_name(item);
        const QString state = state_text(this->state(row));
        if (!state.isEmpty())
            name += QStringLiteral(" — ") + state;
        QStringList cells{name, _kinds.value(kind_keys.indexOf(item.kind), item.kind), weekly(item),
                          unit(item)};
        for (int day = 0; day < 7; ++day)
            cells << (item.dosed_on(day) ? per_day(item) : QString());
        cells << per_dose(item);
        lines << cells.join(tab);
    }
    lines << QString();

    lines << total_columns().join(tab);
    for (const Plan_Total &total : totals())
        lines << QStringList{total.label, figure(total.input.weekly()),
                             band_text(total.band, false), band_text(total.band, true)}
                     .join(tab);
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
                           .arg(total.label, reached, figure(most), kept->shown_name());
        // The item that adds most of it a week.
        int biggest = -1;
        double largest = 0;
        plan_levels::Input part;
        for (int row = 0; row < plan->items.size(); ++row) {
            const plan_levels::Input input = item_input(plan->items.at(row), total.key);
            if (input.weekly() > largest) {
                largest = input.weekly();
                biggest = row;
                part = input;
            }
        }
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
        const double share = plan_levels::largest_share(rest, part, regime, most);
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

QVector<Plan_Book::Band_Row> Plan_Book::band_rows() const
{
    QVector<Band_Row> rows;
    for (const Plan_Total &total : totals()) {
        if (const Target_Range *range = range_of(method(), total.key))
            rows.append({total.label, *range, total.band});
    }
    return rows;
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
    if (const Dosing_Method *chosen = method())
        sheet.facts << tr("Метод: %1").arg(chosen->name);
    if (const Livestock *kept = animals())
        sheet.facts << tr("Пределы: %1").arg(kept->name);

    sheet.grid_header << tr("Удобрение");
    for (int day = 0; day < 7; ++day)
        sheet.grid_header << weekday(day);
    sheet.change_column = 1 + plan->change_day;
    sheet.change_mark = tr("подмена");
    for (const Plan_Item &item : plan->items) {
        QStringList row{item_name(item)};
        for (int day = 0; day < 7; ++day)
            row << (item.dosed_on(day) ? per_dose(item) : QString());
        sheet.grid.append(row);
    }

    sheet.totals_header = total_columns();
    if (method())
        sheet.totals_header << tr("Цель, мг/л");
    if (animals())
        sheet.totals_header << tr("Предел, мг/л");
    for (const Plan_Total &total : totals()) {
        QStringList row{total.label, figure(total.input.weekly()), band_text(total.band, false),
                        band_text(total.band, true)};
        if (method())
            row << target_text(total.key);
        if (animals()) {
            const double most = ceiling(total.key);
            row << (most >= 0 ? figure(most) : QString());
        }
        sheet.totals.append(row);
    }

    // A label for each bottle made up by hand.
    for (const Plan_Item &item : plan->items) {
        const Compound *made = entry(item);
        if (!made)
            continue;
        Sheet::Label label;
        label.title = item_name(item);
        double water_ml = 0;
        double per_ml = 0; // of the entry's fractions: grams × 1000 ÷ water
        if (item.kind == QLatin1String("diy_sol")) {
            label.lines << tr("%1 — %2 г").arg(item.name, figure(item.grams));
            water_ml = item.water_ml;
            per_ml = item.grams * 1000 / water_ml;
        } else if (!made->recipe().isEmpty()) {
            for (const Compound::Recipe_Part &part : made->recipe())
                label.lines << tr("%1 — %2 г").arg(part.salt, figure(part.grams));
            water_ml = made->recipe_water_ml();
            per_ml = 1;
        } else {
            continue;
        }
        label.lines << tr("Вода: %1 мл").arg(figure(water_ml));
        QStringList content;
        for (int i = 0; i < made->count_elements(); ++i) {
            const Element element = made->element_at(i);
            if (!element.name.isEmpty() && element.name != QLatin1String("sol"))
                content << tr("%1 %2").arg(element.name, figure(element.value * per_ml));
        }
        label.lines << tr("мг/мл: %1").arg(content.join(QStringLiteral(", ")));
        label.lines << tr("Приготовлено: ____________");
        label.source = made->source();
        sheet.labels.append(label);
    }
    return sheet;
}
