// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tank_log.h"

#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 no_change = std::numeric_limits<qint64>::min();

// The day index of _date in a course from _first.
qint64 index_of(const QDate &_first, const QDate &_date)
{
    return _first.daysTo(_date);
}

} // namespace

QDate Tank_Log::origin(const Dosing_Plan &_plan)
{
    QDate first = _plan.start;
    if (!_plan.log.isEmpty() && (!first.isValid() || _plan.log.first().date < first))
        first = _plan.log.first().date;
    return first;
}

QVector<double> Tank_Log::changes(const Dosing_Plan &_plan, const QDate &_last)
{
    const QDate first = origin(_plan);
    if (!first.isValid() || _last < first)
        return {};
    const qint64 days = index_of(first, _last) + 1;
    QVector<double> shares(int(days), 0.0);
    // Two changes of a day leave (1 − f₁)(1 − f₂) of the water: one of 1 − that.
    const auto change = [&](qint64 _day, double _share) {
        if (_day >= 0 && _day < days)
            shares[int(_day)] = 1 - (1 - shares.at(int(_day))) * (1 - _share);
    };
    qint64 first_logged = no_change;
    qint64 last_logged = no_change;
    for (const Log_Entry &entry : _plan.log) {
        if (!entry.change)
            continue;
        const qint64 day = index_of(first, entry.date);
        change(day, entry.value / 100);
        if (first_logged == no_change)
            first_logged = day;
        last_logged = day;
    }
    const double planned = _plan.change_percent / 100.0;
    const int every = std::max(1, _plan.change_every);
    if (!(planned > 0))
        return shares;
    if (_plan.start.isValid()) {
        // The schedule from the start, up to the first logged change.
        const qint64 end = first_logged == no_change ? days : std::min(days, first_logged);
        for (qint64 day = index_of(first, _plan.start); day < end; day += every)
            change(day, planned);
    }
    if (last_logged != no_change) {
        for (qint64 day = last_logged + every; day < days; day += every)
            change(day, planned);
    }
    return shares;
}

double Tank_Log::Course::at(const QDate &_date) const
{
    const qint64 day = first.isValid() ? index_of(first, _date) : -1;
    return day >= 0 && day < levels.size() ? levels.at(int(day)) : 0;
}

QVector<Past_Totals> Tank_Log::past_totals(const Dosing_Plan &_plan,
                                           const Plan_Catalogues &_catalogues)
{
    QVector<Past_Totals> past;
    Dosing_Plan then = _plan;
    for (const Dose_Period &period : _plan.dosed) {
        then.tank = period.tank;
        then.items = period.items;
        past.append({period.until, Plan_Totals::of(then, _catalogues)});
    }
    return past;
}

QVector<Past_Input> Tank_Log::past_inputs(const QVector<Past_Totals> &_past, const QString &_key)
{
    QVector<Past_Input> inputs;
    for (const Past_Totals &period : _past) {
        const Plan_Total *total = row(period.totals, _key);
        inputs.append({period.until, total ? total->input : plan_levels::Input()});
    }
    return inputs;
}

const plan_levels::Input &Tank_Log::dosed_on(const QDate &_date, const plan_levels::Input &_input,
                                             const QVector<Past_Input> &_past)
{
    for (const Past_Input &period : _past) {
        if (_date <= period.until)
            return period.input;
    }
    return _input;
}

Tank_Log::Course Tank_Log::course(const plan_levels::Input &_input, const Dosing_Plan &_plan,
                                  const QVector<double> &_changes, const QVector<Past_Input> &_past)
{
    Course made;
    made.first = origin(_plan);
    if (!made.first.isValid())
        return made;
    made.levels.reserve(_changes.size() + 1);
    double level = _input.water;
    int weekday = plan_dates::weekday(made.first);
    QDate day = made.first;
    for (const double share : _changes) {
        made.levels.append(level);
        if (share > 0)
            level = (1 - share) * level + share * _input.water;
        level += dosed_on(day, _input, _past).daily[weekday];
        weekday = (weekday + 1) % 7;
        day = day.addDays(1);
    }
    made.levels.append(level);
    return made;
}

QVector<QPointF> Tank_Log::points(const Course &_course, const plan_levels::Input &_input,
                                  const QVector<double> &_changes, const QDate &_from)
{
    QVector<QPointF> drawn;
    if (!_course.first.isValid())
        return drawn;
    const qint64 from = std::max<qint64>(0, index_of(_course.first, _from));
    const qint64 offset = index_of(_from, _course.first);
    for (qint64 day = from; day < _changes.size(); ++day) {
        const double x = double(day + offset);
        double level = _course.levels.at(int(day));
        if (drawn.isEmpty())
            drawn.append({x, level});
        const double share = _changes.at(int(day));
        if (share > 0) {
            const double after = (1 - share) * level + share * _input.water;
            if (after != level)
                drawn.append({x, after});
            level = after;
        }
        const double next = _course.levels.at(int(day) + 1);
        if (next != level)
            drawn.append({x, next});
        drawn.append({x + 1, next});
    }
    return drawn;
}

const Plan_Total *Tank_Log::row(const QVector<Plan_Total> &_totals, const QString &_key)
{
    for (const Plan_Total &total : _totals) {
        if (total.key == _key)
            return &total;
    }
    return nullptr;
}

QVector<double> Tank_Log::predictions(const QVector<Plan_Total> &_totals, const Dosing_Plan &_plan,
                                      const QVector<Past_Totals> &_past)
{
    QVector<double> predicted(_plan.log.size(), std::nan(""));
    if (_plan.log.isEmpty())
        return predicted;
    const QVector<double> shares = changes(_plan, _plan.log.last().date);
    // Each row's course once, however many readings it has.
    QStringList keys;
    QVector<Course> courses;
    for (int i = 0; i < _plan.log.size(); ++i) {
        const Log_Entry &entry = _plan.log.at(i);
        if (entry.change)
            continue;
        int found = keys.indexOf(entry.key);
        if (found < 0) {
            const Plan_Total *total = row(_totals, entry.key);
            courses.append(course(total ? total->input : plan_levels::Input(), _plan, shares,
                                  past_inputs(_past, entry.key)));
            keys << entry.key;
            found = keys.size() - 1;
        }
        predicted[i] = courses.at(found).at(entry.date);
    }
    return predicted;
}

QDate Tank_Log::next_change(const Dosing_Plan &_plan, const QDate &_today)
{
    if (_plan.start.isValid() && _plan.start >= _today)
        return _plan.start;
    QDate last = _today;
    // A change logged today is done: the next one is due after it.
    QDate from = _today;
    for (const Log_Entry &entry : _plan.log) {
        last = std::max(last, entry.date);
        if (entry.change && entry.date == _today)
            from = _today.addDays(1);
    }
    last = last.addDays(std::max(1, _plan.change_every));
    const QVector<double> shares = changes(_plan, last);
    const QDate first = origin(_plan);
    for (qint64 day = std::max<qint64>(0, index_of(first, from)); day < shares.size(); ++day) {
        if (shares.at(int(day)) > 0)
            return first.addDays(day);
    }
    return QDate();
}

QString Tank_Log::refusal(const Log_Entry &_entry, const QDate &_today)
{
    using number_text::figure;
    if (!_entry.date.isValid())
        return tr("нет даты");
    if (!plan_dates::within(_entry.date))
        return tr("запись на %1: в журнале — даты с %2 по %3")
            .arg(_entry.date.toString(Qt::ISODate), plan_dates::earliest().toString(Qt::ISODate),
                 plan_dates::latest().toString(Qt::ISODate));
    if (_entry.change) {
        if (!(_entry.value >= 0 && _entry.value <= plan_limits::percent_max))
            return tr("подмена — от 0 до 100 %");
        return QString();
    }
    if (!Plan_Totals::reading_key(_entry.key))
        return tr("«%1» — не элемент, не NO3, PO4 или SO4 и не GH").arg(_entry.key);
    if (!(_entry.value >= 0 && _entry.value <= plan_limits::reading_max))
        return tr("показание — от 0 до %1").arg(figure(plan_limits::reading_max));
    if (_entry.date > _today)
        return tr("показание на %1 ещё не снято: дата позже сегодняшней")
            .arg(_entry.date.toString(Qt::ISODate));
    return QString();
}

namespace {

QByteArray csv_field(const QString &_text)
{
    QByteArray field = _text.toUtf8();
    if (field.contains(',') || field.contains(';') || field.contains('"') || field.contains('\n') ||
        field.contains('\r')) {
        field.replace('"', "\"\"");
        field = '"' + field + '"';
    }
    return field;
}

// A record of the file and the line it starts on.
struct Record
{
    int line = 0;
    QStringList fields;
    bool closed = true; // false: a quote opened and never closed
};

QVector<Record> records(const QString &_text, QChar _separator)
{
    QVector<Record> found;
    Record record;
    QString field;
    bool quoted = false;
    bool started = false; // whether the record has anything yet
    int line = 1;
    record.line = 1;
    const auto end_record = [&] {
        record.fields << field;
        field.clear();
        if (started || record.fields.size() > 1 || !record.fields.first().isEmpty())
            found.append(record);
        record = Record();
        record.line = line;
        started = false;
    };
    for (int i = 0; i < _text.size(); ++i) {
        const QChar c = _text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < _text.size() && _text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            quoted = true;
            started = true;
            field.clear();
        } else if (c == _separator) {
            record.fields << field;
            field.clear();
            started = true;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            end_record();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (quoted)
        record.closed = false;
    if (quoted || started || !field.isEmpty()) {
        record.fields << field;
        found.append(record);
    }
    return found;
}

} // namespace

QByteArray Tank_Log::write_csv(const QVector<Log_Entry> &_log)
{
    QByteArray file = "date,what,key,value,note\n";
    for (const Log_Entry &entry : _log) {
        // Full precision, so that the file reads back the same.
        file += entry.date.toString(Qt::ISODate).toLatin1() + ',' +
                (entry.change ? "change" : "reading") + ',' + csv_field(entry.key) + ',' +
                QByteArray::number(entry.value, 'g', 17) + ',' + csv_field(entry.note) + '\n';
    }
    return file;
}

QVector<Log_Entry> Tank_Log::read_csv(const QByteArray &_content, const QDate &_today,
                                      QStringList *_problems)
{
    _problems->clear();
    QByteArray content = _content;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    const QString text = QString::fromUtf8(content);
    if (text.contains(QChar::ReplacementCharacter) && !content.contains("\xEF\xBF\xBD")) {
        *_problems << tr("файл не в кодировке UTF-8");
        return {};
    }
    const int header_end = text.indexOf(QLatin1Char('\n'));
    const QString header = text.left(header_end < 0 ? text.size() : header_end);
    const QChar separator = header.count(QLatin1Char(';')) > header.count(QLatin1Char(','))
                                ? QLatin1Char(';')
                                : QLatin1Char(',');
    const QVector<Record> found = records(text, separator);
    const QStringList names{"date", "what", "key", "value", "note"};
    QVector<int> at(names.size(), -1);
    if (!found.isEmpty()) {
        const QStringList fields = found.first().fields;
        for (int i = 0; i < fields.size(); ++i) {
            const int name = names.indexOf(fields.at(i).trimmed().toLower());
            if (name >= 0 && at.at(name) < 0)
                at[name] = i;
        }
    }
    if (found.isEmpty() || std::count(at.begin(), at.begin() + 4, -1) > 0) {
        *_problems << tr("строка 1: нужна строка заголовка «date,what,key,value,note»");
        return {};
    }
    QVector<Log_Entry> entries;
    for (int i = 1; i < found.size(); ++i) {
        const Record &record = found.at(i);
        const auto field = [&](int _name) {
            return at.at(_name) < 0 ? QString() : record.fields.value(at.at(_name)).trimmed();
        };
        // A quoted field may hold line breaks: the problem stays one line.
        const auto problem = [&](QString _why) {
            _why.replace(QLatin1String("\r\n"), QLatin1String(" "))
                .replace(QLatin1Char('\n'), QLatin1Char(' '))
                .replace(QLatin1Char('\r'), QLatin1Char(' '));
            *_problems << tr("строка %1: %2").arg(record.line).arg(_why);
        };
        if (!record.closed) {
            problem(tr("кавычка не закрыта"));
            continue;
        }
        if (record.fields.size() < 4) {
            problem(tr("нужны поля date, what, key, value и note через «%1»").arg(separator));
            continue;
        }
        Log_Entry entry;
        const QString date = field(0);
        entry.date = QDate::fromString(date, Qt::ISODate);
        if (!entry.date.isValid() || date.size() != 10) {
            problem(tr("«%1» — не дата ГГГГ-ММ-ДД").arg(date));
            continue;
        }
        const QString what = field(1).toLower();
        if (what != QLatin1String("reading") && what != QLatin1String("change")) {
            problem(tr("«%1»: должно быть reading или change").arg(field(1)));
            continue;
        }
        entry.change = what == QLatin1String("change");
        entry.key = field(2);
        if (entry.change && !entry.key.isEmpty()) {
            problem(tr("у подмены воды не бывает элемента (%1)").arg(entry.key));
            continue;
        }
        if (!number_text::read(field(3), &entry.value)) {
            problem(tr("«%1» — не число").arg(field(3)));
            continue;
        }
        entry.note = field(4);
        const QString why = refusal(entry, _today);
        if (!why.isEmpty()) {
            problem(why);
            continue;
        }
        entries.append(entry);
    }
    if (!_problems->isEmpty())
        return {};
    return entries;
}

int Tank_Log::merge(QVector<Log_Entry> *_log, const QVector<Log_Entry> &_entries)
{
    int replaced = 0;
    for (const Log_Entry &entry : _entries) {
        const auto same = std::find_if(_log->begin(), _log->end(), [&](const Log_Entry &_kept) {
            return _kept.same_slot(entry);
        });
        if (same != _log->end()) {
            Log_Entry updated = entry;
            updated.stored = same->stored;
            *same = updated;
            ++replaced;
        } else {
            _log->append(entry);
        }
    }
    std::stable_sort(_log->begin(), _log->end(),
                     [](const Log_Entry &_a, const Log_Entry &_b) { return _a.date < _b.date; });
    return replaced;
}
