// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_CATALOGUE_READER_H
#define ROVALIN_CATALOGUE_READER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class Type_Fertilizer;

// What a catalogue's numbers are: a product's mg of each element per ml, or a
// compound's mass fractions. A compound's string "formula" gives its elements
// when it has no numeric member ("sol" aside): every element of the formula
// but H, O and C, with its mass fraction. When it has numbers, they stay as
// written and the formula checks them: a number more than 1 % off its
// element's fraction, an element the formula lacks and a formula that cannot
// be read are problems ("«<name>»: <what>"), which also become the entry's
// note; an entry whose figures would come from an unreadable formula is
// passed over. Products' formulas are text like any other.
enum class Catalogue_Kind { products, compounds };

// Reads one catalogue file into one calculator and returns how many entries it
// added. The file is a JSON array of objects; an object becomes an entry when it
// has a "name", with "target" as its reference element when that is a
// non-empty string, "name_en" as its English name when that is a non-empty
// string, and every numeric member as an element, in ascending order of the
// keys (compared code unit by code unit). An object member
// "solubility" gives the entry's solubility from its numbers "g_per_l" and
// "at_c". Anything the reader cannot use adds nothing: a file that cannot be
// opened or is not a JSON array, array members that are not objects, objects
// without a "name". Only regular files are opened.
//
// When _problems is given, the reader says there what it could not use, in
// the language of the texts, one line a problem: "<file>: <what>", or
// "<file>:<line>:<column>: <what>" where the JSON is broken (both 1-based, the
// column in characters).
int read_catalogue(const QString &_file_name, Type_Fertilizer *_fert,
                   QStringList *_problems = nullptr,
                   Catalogue_Kind _kind = Catalogue_Kind::products);

// Reads the file once and gives each calculator its own copy of every entry;
// returns the number of entries each got. Nothing is read if one is null.
int read_catalogue(const QString &_file_name, const QVector<Type_Fertilizer *> &_ferts,
                   QStringList *_problems = nullptr,
                   Catalogue_Kind _kind = Catalogue_Kind::products);

// The same for a file's content already in memory; _file_name only names it
// in the problems.
int parse_catalogue(const QByteArray &_content, Type_Fertilizer *_fert,
                    const QString &_file_name = QString(), QStringList *_problems = nullptr,
                    Catalogue_Kind _kind = Catalogue_Kind::products);
int parse_catalogue(const QByteArray &_content, const QVector<Type_Fertilizer *> &_ferts,
                    const QString &_file_name = QString(), QStringList *_problems = nullptr,
                    Catalogue_Kind _kind = Catalogue_Kind::products);

#endif // ROVALIN_CATALOGUE_READER_H
