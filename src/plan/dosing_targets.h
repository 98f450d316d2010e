// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DOSING_TARGETS_H
#define ROVALIN_DOSING_TARGETS_H

// What a plan's standing levels are read against: the dosing methods' ranges
// and the livestock's ceilings, from settings/targets.json:
//
//   {"methods": [{"name": "EI (Estimative Index)",
//                 "water_change": {"percent": 50, "every_days": 7},
//                 "ranges": {"NO3": [5, 30], "PO4": [1, 3], "K": [10, 30], "Fe": [0.2, 0.5]},
//                 "source": "…"}],
//    "livestock": [{"name": "Креветки", "name_en": "Shrimp", "ceilings": {"Cu": 0.05},
//                   "source": "…"}]}
//
// Keys are element symbols or the ions NO3, PO4 and SO4; ranges and ceilings
// are standing levels in the tank, in mg/l. "name_en", the entry's name in
// English, is optional, as in the catalogues: where it is missing or not a
// non-empty text, the lists show "name" in English too. A plan keeps its
// method and livestock by "name" alone.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

struct Target_Range
{
    QString key; // "NO3", "K"
    double low = 0;
    double high = 0;
};

struct Dosing_Method
{
    QString name;
    QString name_en; // empty where the file gives none
    // name_en while the program speaks English and there is one, else name.
    QString shown_name() const;
    // The method's water change; -1 where the file gives none.
    int change_percent = -1;
    int change_every = -1;
    QVector<Target_Range> ranges; // in the file's order of keys (ascending)
    QString source;
};

struct Ceiling
{
    QString key;
    double most = 0;
};

struct Livestock
{
    QString name;
    QString name_en;
    QString shown_name() const;
    QVector<Ceiling> ceilings;
    QString source;
};

struct Dosing_Targets
{
    QVector<Dosing_Method> methods;
    QVector<Livestock> livestock;

    // The method or livestock of that name; null when there is none.
    const Dosing_Method *method(const QString &_name) const;
    const Livestock *animals(const QString &_name) const;

    // The context of the targets file's problems; last, as it ends in private:.
    Q_DECLARE_TR_FUNCTIONS(Dosing_Targets)
};

// Reads the targets file, as the catalogue readers read theirs: what cannot
// be used is passed over and said in _problems, a line each, "<file>: <what>"
// or "<file>:<line>:<column>: <what>" where the JSON is broken. The file is a
// JSON object with an array "methods" and an array "livestock" (either may be
// missing; a file with no entry in either says so). Entries are added to what
// _targets holds. An entry without a "name" that is a text other than empty,
// or with the name of one already in its list, is passed over; so is a figure
// that is not what it must be (a key that is neither an element nor NO3, PO4
// or SO4; a range that is not two numbers with 0 ≤ low ≤ high; a ceiling that
// is not a number above 0; a "water_change" whose "percent" is not a whole
// number from 0 to 100 or whose "every_days" is not one from 1 to 90), while
// the rest of its entry stays. Returns the number of methods and livestock
// entries read; nothing is read into a null _targets.
int read_targets(const QString &_file_name, Dosing_Targets *_targets,
                 QStringList *_problems = nullptr);
// The same for a file's content already in memory; _file_name only names it
// in the problems.
int parse_targets(const QByteArray &_content, Dosing_Targets *_targets,
                  const QString &_file_name = QString(), QStringList *_problems = nullptr);

#endif // ROVALIN_DOSING_TARGETS_H
