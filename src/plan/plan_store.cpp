// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_store.h"

#include "base/data_file.h"
#include "plan/uptake_fit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const char *const kinds[] = {"premix", "diy", "diy_sol"};
constexpr int file_version = 1;

// Reads the known members of one object of the file, or says where it could
// not. The first failure stops the reading.
class Object_Reader
{
public:
    Object_Reader(const QJsonObject &_object, const QString &_place, QString *_why)
        : object(_object), place(_place), why(_why)
    {}

    bool ok() const { return why->isEmpty(); }

    QString string(const char *_key, bool _required = true)
    {
        const QJsonValue value = object.value(QLatin1String(_key));
        if (value.isString())
            return value.toString();
        if (!value.isUndefined() || _required)
            fail(_key, Plan_Store::tr("должна быть строка"));
        return QString();
    }

    // A whole number from _bottom to _top; _default when it is absent and may be.
    int whole(const char *_key, int _bottom, int _top, int _default, bool _required = false)
    {
        const QJsonValue value = object.value(QLatin1String(_key));
        if (value.isUndefined() && !_required)
            return _default;
        const double number = value.toDouble(std::nan(""));
        if (!(number >= _bottom && number <= _top) || number != std::floor(number)) {
            fail(_key,
                 Plan_Store::tr("должно быть целое число от %1 до %2").arg(_bottom).arg(_top));
            return _default;
        }
        return int(number);
    }

    // A finite number above 0, or at least 0 when _zero may be.
    double amount(const char *_key, bool _zero = false)
    {
        const double number = object.value(QLatin1String(_key)).toDouble(std::nan(""));
        if (!std::isfinite(number) || number < 0 || (number == 0 && !_zero)) {
            fail(_key, _zero ? Plan_Store::tr("должно быть число не меньше 0")
                             : Plan_Store::tr("должно быть число больше 0"));
            return 0;
        }
        return number;
    }

    // An array of objects, each read by _read with its place.
    template <typename Read>
    void objects(const char *_key, Read _read)
    {
        const QJsonValue value = object.value(QLatin1String(_key));
        if (value.isUndefined())
            return;
        if (!value.isArray()) {
            fail(_key, Plan_Store::tr("должен быть массив [ … ]"));
            return;
        }
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size() && ok(); ++i) {
            const QString at = member(_key) + QStringLiteral("[%1]").arg(i);
            if (!array.at(i).isObject())
                *why = at + QStringLiteral(": ") + Plan_Store::tr("должен быть объект { … }");
            else
                _read(array.at(i).toObject(), at);
        }
    }

    QJsonArray array(const char *_key)
    {
        const QJsonValue value = object.value(QLatin1String(_key));
        if (!value.isUndefined() && !value.isArray())
            fail(_key, Plan_Store::tr("должен быть массив [ … ]"));
        return value.toArray();
    }

    void fail(const char *_key, const QString &_what)
    {
        if (ok())
            *why = member(_key) + QStringLiteral(": ") + _what;
    }

    QString member(const char *_key) const
    {
        return (place.isEmpty() ? QString() : place + QLatin1Char('.')) + QLatin1String(_key);
    }

    const QJsonObject object;

private:
    QString place;
    QString *why;
};

void read_item(const QJsonObject &_object, const QString &_place, Dosing_Plan &_plan, QString *_why)
{
    Object_Reader reader(_object, _place, _why);
    Plan_Item item;
    item.stored = _object;
    item.kind = reader.string("kind");
    if (reader.ok() && std::find_if(std::begin(kinds), std::end(kinds), [&](const char *_kind) {
                           return item.kind == QLatin1String(_kind);
                       }) == std::end(kinds))
        reader.fail("kind", Plan_Store::tr("нет такого вида удобрения"));
    item.name = reader.string("name");
    if (reader.ok() && item.kind == QLatin1String("diy_sol")) {
        item.grams = reader.amount("grams");
        item.water_ml = reader.amount("water_ml");
    }
    item.weekly = reader.amount("weekly_dose");
    const QJsonArray days = reader.array("days");
    for (const QJsonValue &day : days) {
        const double number = day.toDouble(0);
        if (!(number >= 1 && number <= 7) || number != std::floor(number))
            reader.fail("days", Plan_Store::tr("дни недели — числа от 1 до 7"));
        else
            item.days |= 1u << (int(number) - 1);
    }
    if (reader.ok())
        _plan.items.append(item);
}

// A date as the file writes it, "2026-12-06", from plan_dates::earliest() to
// latest().
QDate read_date(Object_Reader &_reader, const char *_key, bool _required)
{
    const QJsonValue value = _reader.object.value(QLatin1String(_key));
    if (value.isUndefined() && !_required)
        return QDate();
    const QDate date = QDate::fromString(value.toString(), Qt::ISODate);
    if (!date.isValid() || value.toString().size() != 10)
        _reader.fail(_key, Plan_Store::tr("должна быть дата ГГГГ-ММ-ДД"));
    else if (!plan_dates::within(date))
        _reader.fail(_key, Plan_Store::tr("должна быть дата с %1 по %2")
                               .arg(plan_dates::earliest().toString(Qt::ISODate),
                                    plan_dates::latest().toString(Qt::ISODate)));
    return date;
}

void read_log_entry(const QJsonObject &_object, const QString &_place, Dosing_Plan &_plan,
                    QString *_why)
{
    Object_Reader reader(_object, _place, _why);
    Log_Entry entry;
    entry.stored = _object;
    entry.date = read_date(reader, "date", true);
    entry.change = _object.contains(QLatin1String("change_percent"));
    if (entry.change) {
        entry.value = reader.amount("change_percent", true);
        if (reader.ok() && entry.value > plan_limits::percent_max)
            reader.fail("change_percent", Plan_Store::tr("должно быть число от 0 до 100"));
    } else {
        entry.key = reader.string("key");
        if (reader.ok() && !Plan_Totals::reading_key(entry.key))
            reader.fail("key", Plan_Store::tr("это не элемент, не NO3, PO4 или SO4 и не GH"));
        entry.value = reader.amount("value", true);
        if (reader.ok() && entry.value > plan_limits::reading_max)
            reader.fail(
                "value",
                Plan_Store::tr("должно быть число от 0 до %1").arg(plan_limits::reading_max));
    }
    entry.note = reader.string("note", false);
    if (reader.ok())
        _plan.log.append(entry);
}

// "uptake": {"use": true, "models": {"Fe": "constant"}}: whether the plan
// takes up what its log says, and the model chosen for an element.
void read_uptake(Object_Reader &_reader, Dosing_Plan &_plan, QString *_why)
{
    const QJsonValue uptake = _reader.object.value(QLatin1String("uptake"));
    if (uptake.isUndefined() || !_reader.ok())
        return;
    if (!uptake.isObject()) {
        _reader.fail("uptake", Plan_Store::tr("должен быть объект { … }"));
        return;
    }
    Object_Reader taken(uptake.toObject(), _reader.member("uptake"), _why);
    const QJsonValue use = taken.object.value(QLatin1String("use"));
    if (!use.isUndefined() && !use.isBool())
        taken.fail("use", Plan_Store::tr("должно быть true или false"));
    _plan.use_uptake = use.toBool(false);
    const QJsonValue models = taken.object.value(QLatin1String("models"));
    if (!models.isUndefined() && !models.isObject())
        taken.fail("models", Plan_Store::tr("должен быть объект { … }"));
    const QJsonObject chosen = models.toObject();
    for (auto model = chosen.begin(); model != chosen.end() && taken.ok(); ++model) {
        Uptake_Fit::Model read = Uptake_Fit::constant;
        if (!Plan_Totals::reading_key(model.key()) ||
            Uptake_Fit::element_of(model.key()) != model.key())
            taken.fail("models", Plan_Store::tr("«%1» — не элемент и не GH").arg(model.key()));
        else if (!Uptake_Fit::model_from_key(model.value().toString(), &read))
            taken.fail(
                "models",
                Plan_Store::tr("«%1»: должно быть constant или proportional").arg(model.key()));
        else
            _plan.uptake_models.insert(model.key(), Uptake_Fit::model_key(read));
    }
}

void read_plan(const QJsonObject &_object, const QString &_place, QVector<Dosing_Plan> &_plans,
               QString *_why)
{
    using namespace plan_limits;
    Object_Reader reader(_object, _place, _why);
    Dosing_Plan plan;
    plan.stored = _object;
    plan.name = reader.string("name");
    plan.tank = reader.whole("tank_l", tank_min, tank_max, plan.tank, true);
    const QJsonValue change = _object.value(QLatin1String("water_change"));
    if (!change.isUndefined() && !change.isObject())
        reader.fail("water_change", Plan_Store::tr("должен быть объект { … }"));
    if (reader.ok()) {
        Object_Reader regime(change.toObject(), reader.member("water_change"), _why);
        plan.change_percent = regime.whole("percent", 0, percent_max, plan.change_percent);
        plan.change_every = regime.whole("every_days", every_min, every_max, plan.change_every);
        plan.change_day = regime.whole("first_day", 1, 7, plan.change_day + 1) - 1;
    }
    plan.weeks = reader.whole("weeks", weeks_min, weeks_max, plan.weeks);
    reader.objects("new_water", [&](const QJsonObject &_figure, const QString &_at) {
        Object_Reader water(_figure, _at, _why);
        Water_Figure figure{water.string("key"), 0, _figure};
        if (water.ok() && !Plan_Totals::water_key(figure.key))
            water.fail("key", Plan_Store::tr("это не элемент и не NO3, PO4 или SO4"));
        figure.mg_per_l = water.amount("mg_per_l", true);
        if (water.ok())
            plan.water.append(figure);
    });
    reader.objects("items", [&](const QJsonObject &_item, const QString &_at) {
        read_item(_item, _at, plan, _why);
    });
    plan.method = reader.string("method", false);
    plan.livestock = reader.string("livestock", false);
    if (_object.contains(QLatin1String("chart"))) {
        plan.chart_chosen = true;
        for (const QJsonValue &key : reader.array("chart")) {
            if (!key.isString())
                reader.fail("chart", Plan_Store::tr("должен быть массив строк"));
            plan.chart << key.toString();
        }
    }
    plan.start = read_date(reader, "start", false);
    // An earlier version may have moved the change day and kept the start:
    // the start follows the day, to the nearest date on it.
    if (plan.start.isValid())
        plan.start = plan_dates::on_weekday(plan.start, plan.change_day);
    reader.objects("log", [&](const QJsonObject &_entry, const QString &_at) {
        read_log_entry(_entry, _at, plan, _why);
    });
    std::stable_sort(plan.log.begin(), plan.log.end(),
                     [](const Log_Entry &_a, const Log_Entry &_b) { return _a.date < _b.date; });
    read_uptake(reader, plan, _why);
    // What was dosed before the items as they are, each period until a day.
    reader.objects("dosed", [&](const QJsonObject &_period, const QString &_at) {
        Object_Reader then(_period, _at, _why);
        Dose_Period period;
        period.stored = _period;
        period.until = read_date(then, "until", true);
        period.tank = then.whole("tank_l", tank_min, tank_max, plan.tank, true);
        Dosing_Plan items;
        then.objects("items", [&](const QJsonObject &_item, const QString &_item_at) {
            read_item(_item, _item_at, items, _why);
        });
        period.items = items.items;
        if (then.ok() && !plan.dosed.isEmpty() && period.until <= plan.dosed.last().until)
            then.fail("until", Plan_Store::tr("периоды доз — по порядку дат"));
        if (then.ok())
            plan.dosed.append(period);
    });
    if (reader.ok())
        _plans.append(plan);
}

QJsonObject written(const Plan_Item &_item)
{
    QJsonObject object = _item.stored;
    object.insert(QStringLiteral("kind"), _item.kind);
    object.insert(QStringLiteral("name"), _item.name);
    if (_item.kind == QLatin1String("diy_sol")) {
        object.insert(QStringLiteral("grams"), _item.grams);
        object.insert(QStringLiteral("water_ml"), _item.water_ml);
    }
    object.insert(QStringLiteral("weekly_dose"), _item.weekly);
    QJsonArray days;
    for (int day = 0; day < 7; ++day) {
        if (_item.dosed_on(day))
            days.append(day + 1);
    }
    object.insert(QStringLiteral("days"), days);
    return object;
}

QJsonObject written(const Dosing_Plan &_plan)
{
    QJsonObject object = _plan.stored;
    object.insert(QStringLiteral("name"), _plan.name);
    object.insert(QStringLiteral("tank_l"), _plan.tank);
    QJsonObject change = object.value(QLatin1String("water_change")).toObject();
    change.insert(QStringLiteral("percent"), _plan.change_percent);
    change.insert(QStringLiteral("every_days"), _plan.change_every);
    change.insert(QStringLiteral("first_day"), _plan.change_day + 1);
    object.insert(QStringLiteral("water_change"), change);
    object.insert(QStringLiteral("weeks"), _plan.weeks);
    QJsonArray water;
    for (const Water_Figure &figure : _plan.water) {
        QJsonObject entry = figure.stored;
        entry.insert(QStringLiteral("key"), figure.key);
        entry.insert(QStringLiteral("mg_per_l"), figure.mg_per_l);
        water.append(entry);
    }
    object.insert(QStringLiteral("new_water"), water);
    QJsonArray items;
    for (const Plan_Item &item : _plan.items)
        items.append(written(item));
    object.insert(QStringLiteral("items"), items);
    for (const auto &[key, name] : {std::pair<const char *, QString>{"method", _plan.method},
                                    {"livestock", _plan.livestock}}) {
        if (name.isEmpty())
            object.remove(QLatin1String(key));
        else
            object.insert(QLatin1String(key), name);
    }
    if (_plan.chart_chosen)
        object.insert(QStringLiteral("chart"), QJsonArray::fromStringList(_plan.chart));
    else
        object.remove(QStringLiteral("chart"));
    if (_plan.start.isValid())
        object.insert(QStringLiteral("start"), _plan.start.toString(Qt::ISODate));
    QJsonArray log;
    for (const Log_Entry &entry : _plan.log) {
        QJsonObject written = entry.stored;
        written.insert(QStringLiteral("date"), entry.date.toString(Qt::ISODate));
        if (entry.change) {
            written.insert(QStringLiteral("change_percent"), entry.value);
            written.remove(QStringLiteral("key"));
            written.remove(QStringLiteral("value"));
        } else {
            written.insert(QStringLiteral("key"), entry.key);
            written.insert(QStringLiteral("value"), entry.value);
            written.remove(QStringLiteral("change_percent"));
        }
        if (entry.note.isEmpty())
            written.remove(QStringLiteral("note"));
        else
            written.insert(QStringLiteral("note"), entry.note);
        log.append(written);
    }
    if (log.isEmpty())
        object.remove(QStringLiteral("log"));
    else
        object.insert(QStringLiteral("log"), log);
    QJsonArray dosed;
    for (const Dose_Period &period : _plan.dosed) {
        QJsonObject then = period.stored;
        then.insert(QStringLiteral("until"), period.until.toString(Qt::ISODate));
        then.insert(QStringLiteral("tank_l"), period.tank);
        QJsonArray items;
        for (const Plan_Item &item : period.items)
            items.append(written(item));
        then.insert(QStringLiteral("items"), items);
        dosed.append(then);
    }
    if (dosed.isEmpty())
        object.remove(QStringLiteral("dosed"));
    else
        object.insert(QStringLiteral("dosed"), dosed);
    QJsonObject uptake = object.value(QLatin1String("uptake")).toObject();
    if (_plan.use_uptake)
        uptake.insert(QStringLiteral("use"), true);
    else
        uptake.remove(QStringLiteral("use"));
    QJsonObject models;
    for (auto model = _plan.uptake_models.begin(); model != _plan.uptake_models.end(); ++model)
        models.insert(model.key(), model.value());
    if (models.isEmpty())
        uptake.remove(QStringLiteral("models"));
    else
        uptake.insert(QStringLiteral("models"), models);
    if (uptake.isEmpty())
        object.remove(QStringLiteral("uptake"));
    else
        object.insert(QStringLiteral("uptake"), uptake);
    return object;
}

} // namespace

Plan_Store::Plan_Store(const QString &_folder)
    : folder(_folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : _folder)
{}

Plan_Store::~Plan_Store() = default;

QString Plan_Store::file_name() const
{
    return QDir(folder).filePath(QStringLiteral("plans.json"));
}

QVector<Dosing_Plan> Plan_Store::open()
{
    QDir().mkpath(folder);
    lock = std::make_unique<QLockFile>(file_name() + QStringLiteral(".lock"));
    // A lock is stale only when the program that took it is gone, however old.
    lock->setStaleLockTime(0);
    bool owner = lock->tryLock(0);
    // A program killed while it took the lock can leave the file empty,
    // naming no process, and QLockFile never takes that for stale. Such a
    // file goes, unless a running program holds it: one taking the lock
    // holds the file locked (on Windows, open) before it writes its name.
    qint64 pid = 0;
    QString host;
    QString program;
    if (!owner && lock->error() == QLockFile::LockFailedError &&
        !lock->getLockInfo(&pid, &host, &program) && lock->removeStaleLockFile())
        owner = lock->tryLock(0);
    if (!owner) {
        read_only_ = true;
        message_ = lock->error() == QLockFile::LockFailedError
                       ? tr("Планы открыты в другой запущенной копии Ровалина, поэтому здесь их "
                            "можно только смотреть.")
                       : tr("В папку %1 нельзя записать, поэтому планы можно только смотреть.")
                             .arg(QDir::toNativeSeparators(folder));
    }

    const QString path = file_name();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QVector<Dosing_Plan> plans;
    QStringList problems;
    Catalogue_Problems problem(QString(), &problems);
    QByteArray content;
    QString why;
    if (!read_catalogue_file(path, problem, content))
        why = problems.value(0).mid(2); // the line names no file: ": <what>"
    else if (parse(content, &plans, &root, &why))
        return plans;

    const QString shown = QDir::toNativeSeparators(path);
    if (!owner) {
        message_ += QLatin1Char(' ') + tr("Файл %1 не читается (%2).").arg(shown, why);
        return {};
    }
    QString aside;
    QString error;
    if (move_aside(path, &aside, &error)) {
        message_ = tr("Файл планов не читается (%1). Он перенесён как есть в %2, планы начаты "
                      "заново.")
                       .arg(why, QDir::toNativeSeparators(aside));
        return {};
    }
    read_only_ = true;
    message_ = tr("Файл планов %1 не читается (%2), а перенести его не удалось (%3), поэтому планы "
                  "можно только смотреть.")
                   .arg(shown, why, error);
    return {};
}

bool Plan_Store::save(const QVector<Dosing_Plan> &_plans)
{
    error_.clear();
    if (read_only_) {
        error_ = tr("планы открыты только для просмотра");
        return false;
    }
    QDir().mkpath(folder);
    return save_whole(file_name(), write(_plans, root), &error_);
}

bool Plan_Store::parse(const QByteArray &_content, QVector<Dosing_Plan> *_plans, QJsonObject *_root,
                       QString *_why)
{
    _plans->clear();
    _why->clear();
    QString what;
    QString where;
    QJsonDocument document = parse_json(_content, &what, &where);
    // Qt sorts the members of an object by key, but some keys as read from a
    // file it sorts otherwise than the same keys read back as it writes them:
    // those with a raw NUL, and those with characters beyond Latin-1 (a
    // byte-order mark, say) among keys of Latin-1 only. Read once more from
    // its own text, the file is in the order every later reading of it
    // gives, and two saves write the same.
    if (!document.isNull())
        document = QJsonDocument::fromJson(document.toJson(QJsonDocument::Compact));
    if (document.isNull()) {
        *_why =
            tr("это не JSON: %1").arg(where.isEmpty() ? what : where + QStringLiteral(": ") + what);
        return false;
    }
    if (!document.isObject()) {
        *_why = tr("в файле массив [ … ], а должен быть объект { … }");
        return false;
    }
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QLatin1String("version"));
    if (version.toDouble(-1) != file_version) {
        *_why = version.isUndefined() ? tr("не указана версия файла")
                : version.isDouble() ? tr("версия файла %1, а эта программа читает версию %2")
                                           .arg(version.toDouble())
                                           .arg(file_version)
                                     : tr("версия файла записана не числом");
        return false;
    }
    Object_Reader reader(root, QString(), _why);
    if (!root.value(QLatin1String("plans")).isArray())
        reader.fail("plans", tr("должен быть массив [ … ]"));
    reader.objects("plans", [&](const QJsonObject &_plan, const QString &_at) {
        read_plan(_plan, _at, *_plans, _why);
    });
    if (!_why->isEmpty()) {
        _plans->clear();
        return false;
    }
    *_root = root;
    return true;
}

QByteArray Plan_Store::write(const QVector<Dosing_Plan> &_plans, const QJsonObject &_root)
{
    QJsonObject root = _root;
    root.insert(QStringLiteral("version"), file_version);
    QJsonArray plans;
    for (const Dosing_Plan &plan : _plans)
        plans.append(written(plan));
    root.insert(QStringLiteral("plans"), plans);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
