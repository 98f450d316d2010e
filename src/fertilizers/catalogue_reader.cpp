// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <QVector>

#include <algorithm>

namespace {

// Adds one entry read from _object to each of _ferts; false when it has no
// "name".
bool add_entry(const QJsonObject &_object, const QVector<Type_Fertilizer *> &_ferts)
{
    // A missing key reads as undefined; a "name" of another type than string
    // gives an empty name.
    const QJsonValue name_value = _object.value(QLatin1String("name"));
    if (name_value.isUndefined())
        return false;
    const QString name = name_value.toString(QStringLiteral(""));
    // Only a string "target" names the reference element.
    const QJsonValue target_value = _object.value(QLatin1String("target"));
    const bool has_target = target_value.isString();
    const QString target = target_value.toString();

    // Every numeric member is an element, "name" and "target" included. Keys
    // are decoded for numeric members only: a key costs more than its value.
    QVector<Element> members;
    members.reserve(_object.size());
    for (auto it = _object.constBegin(); it != _object.constEnd(); ++it) {
        const QJsonValue value = it.value();
        if (value.isDouble())
            members.append(Element(it.key(), value.toDouble()));
    }

    // The numeric members go in ascending order of their keys compared code
    // unit by code unit. QJsonObject keeps its keys in code-point order, which
    // differs beyond the BMP, so they are sorted again.
    std::sort(members.begin(), members.end(),
              [](const Element &_a, const Element &_b) { return _a.name < _b.name; });
    for (Type_Fertilizer *fert : _ferts) {
        auto *entry = new Compound(name, name);
        if (has_target)
            entry->set_target(target);
        entry->reserve_elements(members.size());
        for (const Element &member : members)
            entry->add_element(member);
        fert->add_compound(entry);
    }
    return true;
}

int add_entries(const QJsonDocument &_document, const QVector<Type_Fertilizer *> &_ferts)
{
    if (!_document.isArray())
        return 0;

    int added = 0;
    const QJsonArray entries = _document.array();
    for (const QJsonValue &value : entries) {
        if (value.isObject() && add_entry(value.toObject(), _ferts))
            ++added;
    }
    return added;
}

} // namespace

int read_catalogue(const QString &_file_name, Type_Fertilizer *_fert)
{
    return read_catalogue(_file_name, QVector<Type_Fertilizer *>{_fert});
}

int read_catalogue(const QString &_file_name, const QVector<Type_Fertilizer *> &_ferts)
{
    if (_ferts.contains(nullptr))
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
    return add_entries(QJsonDocument::fromJson(content), _ferts);
}

int parse_catalogue(const QByteArray &_content, Type_Fertilizer *_fert)
{
    if (!_fert)
        return 0;
    return add_entries(QJsonDocument::fromJson(_content), {_fert});
}
