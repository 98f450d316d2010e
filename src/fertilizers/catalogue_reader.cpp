#include "catalogue_reader.h"

#include "compound.h"
#include "element.h"
#include "type_fertilizer.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>

namespace {

Compound *read_entry(const QJsonObject &_object)
{
    // A "name" of another type than string gives an empty name.
    const QString name = _object.value(QLatin1String("name")).toString(QStringLiteral(""));
    auto *entry = new Compound(name, name);

    const QJsonValue target = _object.value(QLatin1String("target"));
    if (target.isString())
        entry->set_target(target.toString());

    QStringList keys = _object.keys();
    std::sort(keys.begin(), keys.end()); // QString's order is by UTF-16 code unit
    for (const QString &key : qAsConst(keys)) {
        const QJsonValue value = _object.value(key);
        if (value.isDouble())
            entry->add_element(new Element(key, value.toDouble()));
    }
    return entry;
}

} // namespace

int read_catalogue(const QString &_file_name, Type_Fertilizer *_fert)
{
    if (!_fert)
        return 0;

    // Only regular files: opening a FIFO would block the start-up for good, and
    // a device such as /dev/zero would never end.
    const QFileInfo info(_file_name);
    if (!info.isFile())
        return 0;
    QFile file(_file_name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    const QByteArray content = file.readAll();
    file.close();
    return parse_catalogue(content, _fert);
}

int parse_catalogue(const QByteArray &_content, Type_Fertilizer *_fert)
{
    if (!_fert)
        return 0;

    const QJsonDocument document = QJsonDocument::fromJson(_content);
    if (!document.isArray())
        return 0;

    int added = 0;
    const QJsonArray entries = document.array();
    for (const QJsonValue &value : entries) {
        if (!value.isObject())
            continue;
        const QJsonObject object = value.toObject();
        if (!object.contains(QLatin1String("name")))
            continue;
        _fert->add_compound(read_entry(object));
        ++added;
    }
    return added;
}
