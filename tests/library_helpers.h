// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_LIBRARY_HELPERS_H
#define ROVALIN_LIBRARY_HELPERS_H

// Shared by the tests of the libraries: entries added to a calculator as a
// catalogue would add them, and the files a reader is given.

#include "chemistry/compound.h"
#include "dosing/type_fertilizer.h"

#include <QFile>
#include <QTemporaryDir>

// Adds an entry described as "K=0.5,S=0.1" to the calculator.
inline void add_entry(Type_Fertilizer *_fert, const QString &_name, const QString &_target,
                      const QString &_elements)
{
    auto *entry = new Compound(_name, _name);
    entry->set_target(_target);
    const QStringList pairs = _elements.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        const QStringList parts = pair.split(QLatin1Char('='));
        entry->add_element(new Element(parts.at(0), parts.at(1).toDouble()));
    }
    _fert->add_compound(entry);
}

// _content written as compounds.json in _dir; its path. A test cannot go on
// without it.
inline QString write_file(const QTemporaryDir &_dir, const QByteArray &_content)
{
    const QString path = _dir.filePath(QStringLiteral("compounds.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(_content) != _content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

#endif // ROVALIN_LIBRARY_HELPERS_H
