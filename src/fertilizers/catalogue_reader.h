// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_CATALOGUE_READER_H
#define ROVALIN_CATALOGUE_READER_H

#include <QByteArray>
#include <QString>
#include <QVector>

class Type_Fertilizer;

// Reads one catalogue file into one calculator and returns how many entries it
// added. The file is a JSON array of objects; an object becomes an entry when it
// has a "name", with "target" as its reference element when that is a
// non-empty string, and every numeric member as an element, in ascending order
// of the keys (compared code unit by code unit). Anything the reader cannot use
// is passed over silently: a file that cannot be opened or is not a JSON array
// adds nothing, and array members that are not objects, or objects without a
// "name", are skipped. Only regular files are opened.
int read_catalogue(const QString &_file_name, Type_Fertilizer *_fert);

// Reads the file once and gives each calculator its own copy of every entry;
// returns the number of entries each got. Nothing is read if one is null.
int read_catalogue(const QString &_file_name, const QVector<Type_Fertilizer *> &_ferts);

// The same for a file's content already in memory.
int parse_catalogue(const QByteArray &_content, Type_Fertilizer *_fert);

#endif // ROVALIN_CATALOGUE_READER_H
