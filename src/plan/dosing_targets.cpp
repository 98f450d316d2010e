// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/dosing_targets.h"

#include "base/data_file.h"
#include "base/language.h"
#include "plan/dosing_plan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace {

// The problems of one entry, each "«<name>»: <what>".
class Entry_Problems
{
public:
    Entry_Problems(Catalogue_Problems &_problems, const QString &_name)
        : problems(_problems), name(_name)
    {}

    void add(const QString &_what) { problems.add_about(name, _what); }

private:
    Catalogue_Problems &problems;
    QString name;
};

// A whole number from _bottom to _top, or -1.
int whole(const QJsonValue &_value, int _bottom, int _top)
{
    if (!_value.isDouble())
        return -1;
    const double number = _value.toDouble();
    if (!(number >= _bottom && number <= _top) || number != std::floor(number))
        return -1;
    return int(number);
}

// What is said of a member of figures that cannot be used, "%1" standing for
// the key where it is one of them.
struct Figure_Problems
{
    QString not_object; // the member is not an object: all of it is lost
    QString not_key;    // the key names no element or ion
    QString wrong;      // the figure is not what it must be
};

// The member _key of _entry as an object whose members are figures, each
// handed to _read with its key, which tells whether it could use it; a key
// that names no element or ion is passed over, as is a member that is not an
// object.
template <typename Read>
void figures(const QJsonObject &_entry, const char *_key, const Figure_Problems &_said,
             Entry_Problems &_problems, Read _read)
{
    const QJsonValue value = _entry.value(QLatin1String(_key));
    if (value.isUndefined())
        return;
    if (!value.isObject()) {
        _problems.add(_said.not_object);
        return;
    }
    // QJsonObject keeps its keys in ascending order; the valid ones are ASCII,
    // so code points and code units order them alike.
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!Plan_Totals::water_key(it.key()))
            _problems.add(_said.not_key.arg(quoted(it.key())));
        else if (!_read(it.key(), it.value()))
            _problems.add(_said.wrong.arg(quoted(it.key())));
    }
}

void read_method(const QJsonObject &_entry, Dosing_Method &_method, Entry_Problems &_problems)
{
    using namespace plan_limits;
    // Both figures or neither: a change without its interval means nothing.
    const QJsonValue change = _entry.value(QLatin1String("water_change"));
    const QJsonObject regime = change.toObject();
    const int percent = whole(regime.value(QLatin1String("percent")), 0, percent_max);
    const int every = whole(regime.value(QLatin1String("every_days")), every_min, every_max);
    if (change.isUndefined()) {
        // The method names no water change.
    } else if (!change.isObject()) {
        _problems.add(Dosing_Targets::tr(
            "\"water_change\": должен быть объект { … }, подмена воды пропущена"));
    } else if (percent < 0 || every < 0) {
        if (percent < 0)
            _problems.add(Dosing_Targets::tr("\"water_change\": \"percent\" должно быть целое "
                                             "число от 0 до %1, подмена воды пропущена")
                              .arg(percent_max));
        if (every < 0)
            _problems.add(Dosing_Targets::tr("\"water_change\": \"every_days\" должно быть целое "
                                             "число от %1 до %2, подмена воды пропущена")
                              .arg(QString::number(every_min), QString::number(every_max)));
    } else {
        _method.change_percent = percent;
        _method.change_every = every;
    }

    const Figure_Problems said{
        Dosing_Targets::tr("\"ranges\": должен быть объект { … }, диапазоны пропущены"),
        Dosing_Targets::tr("\"ranges\": %1: это не элемент и не NO3, PO4 или SO4, пропущено"),
        Dosing_Targets::tr("\"ranges\": %1: должно быть два числа [нижний, верхний], "
                           "0 ≤ нижний ≤ верхний, диапазон пропущен")};
    figures(_entry, "ranges", said, _problems, [&](const QString &_key, const QJsonValue &_value) {
        const QJsonArray pair = _value.toArray();
        const double low = pair.at(0).toDouble(-1);
        const double high = pair.at(1).toDouble(-1);
        if (!_value.isArray() || pair.size() != 2 || !pair.at(0).isDouble() ||
            !pair.at(1).isDouble() || !(low >= 0 && low <= high))
            return false;
        _method.ranges.append({_key, low, high});
        return true;
    });
}

void read_livestock(const QJsonObject &_entry, Livestock &_animals, Entry_Problems &_problems)
{
    const Figure_Problems said{
        Dosing_Targets::tr("\"ceilings\": должен быть объект { … }, пределы пропущены"),
        Dosing_Targets::tr("\"ceilings\": %1: это не элемент и не NO3, PO4 или SO4, пропущено"),
        Dosing_Targets::tr("\"ceilings\": %1: должно быть число больше 0, предел пропущен")};
    figures(_entry, "ceilings", said, _problems,
            [&](const QString &_key, const QJsonValue &_value) {
                if (!_value.isDouble() || !(_value.toDouble() > 0))
                    return false;
                _animals.ceilings.append({_key, _value.toDouble()});
                return true;
            });
}

// Reads the array _key of _root into _entries, each object with a name none
// before it has, by _read; returns how many it read.
template <typename Entry, typename Read>
int read_entries(const QJsonObject &_root, const char *_key, QVector<Entry> &_entries,
                 Catalogue_Problems &_problems, Read _read)
{
    const QJsonValue value = _root.value(QLatin1String(_key));
    if (value.isUndefined())
        return 0;
    const QString member = QLatin1Char('"') + QLatin1String(_key) + QLatin1Char('"');
    if (!value.isArray()) {
        //: %1 is "methods" or "livestock", the file's list.
        _problems.add(Dosing_Targets::tr("%1 пропущен: это не массив [ … ]").arg(member));
        return 0;
    }
    int read = 0;
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QString number = QString::number(i + 1);
        if (!array.at(i).isObject()) {
            //: %1 is "methods" or "livestock", %2 the place in its array.
            _problems.add(
                Dosing_Targets::tr("%1: элемент массива № %2 пропущен: это не объект { … }")
                    .arg(member, number));
            continue;
        }
        const QJsonObject object = array.at(i).toObject();
        const QJsonValue name = object.value(QLatin1String("name"));
        if (name.isUndefined()) {
            //: %1 is "methods" or "livestock", %2 the place in its array.
            _problems.add(Dosing_Targets::tr("%1: объект № %2 пропущен: у него нет \"name\"")
                              .arg(member, number));
            continue;
        }
        if (!name.isString() || name.toString().isEmpty()) {
            //: %1 is "methods" or "livestock", %2 the place in its array.
            _problems.add(Dosing_Targets::tr("%1: объект № %2 пропущен: \"name\" должно быть "
                                             "непустой строкой")
                              .arg(member, number));
            continue;
        }
        Entry entry;
        entry.name = name.toString();
        const bool repeated =
            std::any_of(_entries.cbegin(), _entries.cend(),
                        [&](const Entry &_other) { return _other.name == entry.name; });
        if (repeated) {
            //: %1 is "methods" or "livestock", the file's list.
            _problems.add_about(
                entry.name,
                Dosing_Targets::tr("такое имя уже есть в %1, запись пропущена").arg(member));
            continue;
        }
        entry.name_en = object.value(QLatin1String("name_en")).toString();
        entry.source = object.value(QLatin1String("source")).toString();
        Entry_Problems problems(_problems, entry.name);
        _read(object, entry, problems);
        _entries.append(entry);
        ++read;
    }
    return read;
}

} // namespace

QString Dosing_Method::shown_name() const
{
    return Language::shown(name, name_en);
}

QString Livestock::shown_name() const
{
    return Language::shown(name, name_en);
}

const Dosing_Method *Dosing_Targets::method(const QString &_name) const
{
    for (const Dosing_Method &entry : methods) {
        if (entry.name == _name)
            return &entry;
    }
    return nullptr;
}

const Livestock *Dosing_Targets::animals(const QString &_name) const
{
    for (const Livestock &entry : livestock) {
        if (entry.name == _name)
            return &entry;
    }
    return nullptr;
}

int read_targets(const QString &_file_name, Dosing_Targets *_targets, QStringList *_problems)
{
    if (!_targets)
        return 0;
    Catalogue_Problems problems(_file_name, _problems);
    QByteArray content;
    if (!read_catalogue_file(_file_name, problems, content))
        return 0;
    return parse_targets(content, _targets, _file_name, _problems);
}

int parse_targets(const QByteArray &_content, Dosing_Targets *_targets, const QString &_file_name,
                  QStringList *_problems)
{
    if (!_targets)
        return 0;
    Catalogue_Problems problems(_file_name, _problems);
    QString what;
    QString where;
    const QJsonDocument document = parse_json(_content, &what, &where);
    if (document.isNull()) {
        problems.add(what, where);
        return 0;
    }
    if (!document.isObject()) {
        problems.add(Dosing_Targets::tr("в файле массив [ … ], а должен быть объект { … }"));
        return 0;
    }
    // A file with no entries at all says so; a member that is not an array
    // says so on its own line.
    const QJsonObject root = document.object();
    const auto none = [&](const char *_key) {
        const QJsonValue value = root.value(QLatin1String(_key));
        return value.isUndefined() || (value.isArray() && value.toArray().isEmpty());
    };
    if (none("methods") && none("livestock"))
        problems.add(Dosing_Targets::tr("в \"methods\" и \"livestock\" нет ни одной записи"));
    return read_entries(root, "methods", _targets->methods, problems, read_method) +
           read_entries(root, "livestock", _targets->livestock, problems, read_livestock);
}
