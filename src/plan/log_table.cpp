// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/log_table.h"

#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

using number_text::figure;

namespace {

// How many lines an import that failed lists.
constexpr int listed_problems = 20;

// Days the chart goes on past the last entry.
constexpr int chart_after = 14;

const QVector<Log_Entry> no_log;

} // namespace

QStringList Log_Table::columns()
{
    return {tr("Дата"),    tr("Что"),     tr("Элемент"), tr("Значение"),
            tr("Прогноз"), tr("Разница"), tr("Заметка")};
}

QString Log_Table::kind_name(bool _change)
{
    return _change ? tr("Подмена воды") : tr("Показание");
}

QString Log_Table::key_label(const QString &_key)
{
    if (_key == QLatin1String("N"))
        return tr("N (NO3-N)");
    if (_key == QLatin1String("P"))
        return tr("P (PO4-P)");
    return _key;
}

QStringList Log_Table::key_choices() const
{
    QStringList keys;
    for (const Plan_Total &total : book->totals())
        keys << key_label(total.key);
    for (const char *common : {"NO3", "PO4", "K", "Fe", "GH", "Ca", "Mg", "N", "P"}) {
        const QString label = key_label(QLatin1String(common));
        if (!keys.contains(label))
            keys << label;
    }
    return keys;
}

const QVector<Log_Entry> &Log_Table::log() const
{
    return book->shown() ? book->shown()->log : no_log;
}

Log_Entry &Log_Table::draft()
{
    const Dosing_Plan *plan = book->shown();
    const QString name = plan ? plan->name : QString();
    if (draft_plan != book->current() || draft_name != name) {
        draft_ = Log_Entry();
        draft_key = draft_value = false;
        draft_plan = book->current();
        draft_name = name;
    }
    if (!draft_.date.isValid())
        draft_.date = book->today();
    return draft_;
}

QVector<Log_Table::Row> Log_Table::rows() const
{
    QVector<Row> rows;
    const Dosing_Plan *plan = book->shown();
    if (!plan)
        return rows;
    const QVector<double> predicted =
        Tank_Log::predictions(book->totals(), *plan, book->past_totals());
    for (int i = 0; i < plan->log.size(); ++i) {
        const Log_Entry &entry = plan->log.at(i);
        Row row;
        row.date = entry.date;
        row.change = entry.change;
        row.value = entry.value;
        QString prediction;
        QString difference;
        if (!entry.change) {
            const double expected = predicted.at(i);
            prediction = figure(expected);
            const double off = entry.value - expected;
            const QString sign = off > 0 ? QStringLiteral("+") : QString();
            difference = sign + figure(off);
            // Against a prediction of next to nothing a share says nothing
            // (and would not fit in a whole number).
            const double percent = off / expected * 100;
            if (expected > 0 && std::abs(percent) < 1000)
                difference =
                    tr("%1 (%2 %)").arg(difference, sign + QString::number(qRound(percent)));
        }
        row.texts << entry.date.toString(tr("dd.MM.yyyy")) << kind_name(entry.change)
                  << (entry.change ? QString() : key_label(entry.key))
                  << (entry.change ? tr("%1 %").arg(figure(entry.value)) : figure(entry.value))
                  << prediction << difference << entry.note;
        rows.append(row);
    }
    if (!book->read_only()) {
        // As draft() would have it, without making it.
        const bool same = draft_plan == book->current() && draft_name == plan->name;
        const Log_Entry typed = same ? draft_ : Log_Entry();
        Row row;
        row.draft = true;
        row.date = typed.date.isValid() ? typed.date : book->today();
        row.change = typed.change;
        row.value = typed.value;
        row.texts << row.date.toString(tr("dd.MM.yyyy")) << kind_name(typed.change)
                  << (same && draft_key ? key_label(typed.key) : QString())
                  << (same && draft_value ? figure(typed.value) : QString()) << QString()
                  << QString() << typed.note;
        rows.append(row);
    }
    return rows;
}

bool Log_Table::refuse(const QString &_text, const QString &_why)
{
    book->say(tr("«%1» не принято: %2.").arg(_text, _why));
    return false;
}

bool Log_Table::put(int _row, const Log_Entry &_entry)
{
    const QVector<Log_Entry> &kept = log();
    const QString why = Tank_Log::refusal(_entry, book->today());
    if (!why.isEmpty()) {
        book->say(tr("Запись не принята: %1.").arg(why));
        return false;
    }
    for (int i = 0; i < kept.size(); ++i) {
        if (i != _row && kept.at(i).same_slot(_entry)) {
            book->say(_entry.change ? tr("Подмена воды %1 уже есть в журнале.")
                                          .arg(_entry.date.toString(tr("dd.MM.yyyy")))
                                    : tr("Показание %1 за %2 уже есть в журнале.")
                                          .arg(key_label(_entry.key),
                                               _entry.date.toString(tr("dd.MM.yyyy"))));
            return false;
        }
    }
    QVector<Log_Entry> changed = kept;
    if (_row < kept.size())
        changed.remove(_row);
    Tank_Log::merge(&changed, {_entry});
    return book->set_log(changed);
}

bool Log_Table::type(int _row, int _column, const QString &_text)
{
    const Dosing_Plan *plan = book->shown();
    if (!plan || book->read_only() || _row < 0 || _row > plan->log.size())
        return false;
    const bool typing = _row == plan->log.size();
    Log_Entry entry = typing ? draft() : plan->log.at(_row);
    const QString text = _text.trimmed();
    switch (_column) {
    case date_column: {
        QDate date = QDate::fromString(text, Qt::ISODate);
        for (const char *format : {"dd.MM.yyyy", "d.M.yyyy"}) {
            if (!date.isValid())
                date = QDate::fromString(text, QLatin1String(format));
        }
        if (!date.isValid())
            date = QDate::fromString(text, tr("dd.MM.yyyy"));
        if (!date.isValid())
            return refuse(
                text, tr("нужна дата, например %1").arg(book->today().toString(tr("dd.MM.yyyy"))));
        return set_date(_row, date);
    }
    case what_column: {
        const bool change = text == kind_name(true) || text == QLatin1String("change");
        if (!change && text != kind_name(false) && text != QLatin1String("reading"))
            return refuse(text, tr("запись — показание или подмена воды"));
        if (change == entry.change)
            return false;
        if (!typing && !change)
            return refuse(text, tr("у подмены воды нет элемента: добавьте показание новой "
                                   "строкой"));
        entry.change = change;
        if (change)
            entry.key.clear();
        break;
    }
    case key_column: {
        if (entry.change)
            return false;
        QString key = text;
        for (const auto &[kit, read_as] :
             {std::pair<const char *, const char *>{"N", "NO3-N"}, {"P", "PO4-P"}}) {
            if (text == key_label(QLatin1String(kit)) || text == QLatin1String(read_as))
                key = QLatin1String(kit);
        }
        if (!Plan_Totals::reading_key(key))
            return refuse(text, tr("это не элемент, не NO3, PO4 или SO4 и не GH"));
        entry.key = key;
        if (typing)
            draft_key = true;
        break;
    }
    case value_column: {
        double value = 0;
        if (!number_text::read(text, &value))
            return refuse(text, tr("это не число"));
        const double most = entry.change ? plan_limits::percent_max : plan_limits::reading_max;
        if (!(value >= 0 && value <= most))
            return refuse(text, entry.change ? tr("подмена — от 0 до 100 %")
                                             : tr("показание — от 0 до %1").arg(figure(most)));
        entry.value = value;
        if (typing)
            draft_value = true;
        break;
    }
    case note_column:
        entry.note = text;
        break;
    default:
        return false;
    }
    if (!typing)
        return put(_row, entry);
    draft_ = entry;
    // Complete, it goes into the log; the row to type into is empty again.
    if (draft_value && (entry.change || draft_key)) {
        if (!put(_row, entry))
            return false;
        draft_ = Log_Entry();
        draft_key = draft_value = false;
    }
    return true;
}

bool Log_Table::set_date(int _row, const QDate &_date)
{
    const Dosing_Plan *plan = book->shown();
    if (!plan || book->read_only() || !_date.isValid() || _row < 0 || _row > plan->log.size())
        return false;
    const bool typing = _row == plan->log.size();
    Log_Entry entry = typing ? draft() : plan->log.at(_row);
    if (entry.date == _date && !typing)
        return false;
    if (!entry.change && _date > book->today())
        return refuse(_date.toString(tr("dd.MM.yyyy")),
                      tr("показание не может быть снято позже сегодняшнего дня"));
    entry.date = _date;
    if (!typing)
        return put(_row, entry);
    draft() = entry;
    return true;
}

void Log_Table::remove(QVector<int> _rows)
{
    const Dosing_Plan *plan = book->shown();
    if (!plan || book->read_only())
        return;
    std::sort(_rows.begin(), _rows.end());
    _rows.erase(std::unique(_rows.begin(), _rows.end()), _rows.end());
    QVector<Log_Entry> kept = plan->log;
    bool removed = false;
    for (auto row = _rows.rbegin(); row != _rows.rend(); ++row) {
        if (*row == kept.size()) {
            draft() = Log_Entry();
            draft_key = draft_value = false;
        } else if (*row >= 0 && *row < kept.size()) {
            kept.remove(*row);
            removed = true;
        }
    }
    if (removed)
        book->set_log(kept);
}

QString Log_Table::import(const QByteArray &_content)
{
    if (!book->shown() || book->read_only())
        return QString();
    QStringList problems;
    const QVector<Log_Entry> entries = Tank_Log::read_csv(_content, book->today(), &problems);
    if (!problems.isEmpty()) {
        QStringList shown = problems.mid(0, listed_problems);
        if (problems.size() > listed_problems)
            shown << tr("…и ещё строк: %1.").arg(problems.size() - listed_problems);
        return tr("Ничего не импортировано: в файле есть строки, которые не читаются.") +
               QLatin1Char('\n') + shown.join(QLatin1Char('\n'));
    }
    if (entries.isEmpty()) {
        book->say(tr("В файле нет записей: журнал не изменился."));
        return QString();
    }
    QVector<Log_Entry> changed = log();
    const int replaced = Tank_Log::merge(&changed, entries);
    if (book->set_log(changed))
        book->say(tr("Импортировано записей: %1, из них заменено: %2.")
                      .arg(entries.size())
                      .arg(replaced));
    return QString();
}

QString Log_Table::reading_note()
{
    return tr("Показание — уровень в начале дня, до подмены воды и доз этого дня.");
}

QString Log_Table::short_date(const QDate &_date)
{
    static const char *const days[] = {QT_TR_NOOP("пн"), QT_TR_NOOP("вт"), QT_TR_NOOP("ср"),
                                       QT_TR_NOOP("чт"), QT_TR_NOOP("пт"), QT_TR_NOOP("сб"),
                                       QT_TR_NOOP("вс")};
    return tr("%1 %2").arg(tr(days[plan_dates::weekday(_date)]), _date.toString(tr("dd.MM")));
}

QString Log_Table::next_change() const
{
    const Dosing_Plan *plan = book->shown();
    if (!plan)
        return QString();
    const QDate next = Tank_Log::next_change(*plan, book->today());
    return next.isValid() ? tr("Следующая подмена: %1").arg(short_date(next))
                          : tr("Подмен воды в плане нет.");
}

Log_Table::Chart Log_Table::chart() const
{
    Chart drawn;
    const Dosing_Plan *plan = book->shown();
    if (!plan || !Tank_Log::origin(*plan).isValid())
        return drawn;
    drawn.from = plan->log.isEmpty() ? plan->start : plan->log.first().date;
    const QDate last = plan->log.isEmpty() ? plan->start : plan->log.last().date;
    drawn.to = last.addDays(chart_after);
    const QVector<double> shares = Tank_Log::changes(*plan, drawn.to);
    const QVector<Plan_Total> totals = book->totals();
    const QVector<Past_Totals> past = book->past_totals();
    for (const Log_Entry &entry : plan->log) {
        const double x = drawn.from.daysTo(entry.date);
        if (entry.change) {
            drawn.changes << x;
            continue;
        }
        auto line = std::find_if(drawn.lines.begin(), drawn.lines.end(),
                                 [&](const Line &_line) { return _line.key == entry.key; });
        if (line == drawn.lines.end()) {
            const Plan_Total *total = Tank_Log::row(totals, entry.key);
            const plan_levels::Input input = total ? total->input : plan_levels::Input();
            const Tank_Log::Course course =
                Tank_Log::course(input, *plan, shares, Tank_Log::past_inputs(past, entry.key));
            drawn.lines.append({entry.key,
                                total ? total->label : key_label(entry.key),
                                Tank_Log::points(course, input, shares, drawn.from),
                                {}});
            line = drawn.lines.end() - 1;
        }
        line->readings.append({x, entry.value});
    }
    return drawn;
}
