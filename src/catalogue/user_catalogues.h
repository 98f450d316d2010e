// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_USER_CATALOGUES_H
#define ROVALIN_USER_CATALOGUES_H

// Where the program's catalogues come from: the shipped ones in settings/ of
// the working directory, then the user's own, in the same format, in
// settings/ of the user's data folder (beside plans.json). An entry of the
// user's with the name of a shipped entry of the same list takes its place
// there, and its note says so and gives the shipped figures that differ;
// the user's other entries follow the shipped ones. Recipes are read against
// the compounds as the user's own have made them. A file of the user's that
// cannot be read at all is left as it is, its entries not shown, and said
// once at start-up (unreadable_notice()).

#include "base/data_file.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class Compound;
class Type_Fertilizer;

class User_Catalogues
{
    Q_DECLARE_TR_FUNCTIONS(User_Catalogues)

public:
    // settings/ of the user's data folder.
    static QString folder();

    // Reads, into calculators emptied first, commercial_products.json,
    // compounds.json (into both _compounds and _solutions) and recipes.json
    // (after the products) from _shipped, then the same from _user. A file
    // read once is not read again: _user may be _shipped. Missing recipes
    // files, and any missing file of the user's, say nothing. What could not
    // be used is said in _problems, a line each, as the readers say it.
    // A file of the user's that cannot be read at all.
    struct Unreadable
    {
        QString file;
        Catalogue_Fault fault;
    };
    struct Problems
    {
        QStringList products;
        QStringList compounds;
        QStringList recipes;
        QVector<Unreadable> unreadable; // also said in the lists above
    };
    static void read(const QString &_shipped, const QString &_user, Type_Fertilizer *_products,
                     Type_Fertilizer *_compounds, Type_Fertilizer *_solutions, Problems *_problems);

    // Moves every entry of _from into _into: in the place of the entry of the
    // same name, or after the others.
    static void merge(Type_Fertilizer *_into, Type_Fertilizer *_from);

    // «Ваш файл … не читается: строка 3, столбец 12: …»: where reading
    // stopped and what was found there.
    static QString unreadable_text(const Unreadable &_file);
    // What the user learns at start-up of _files: each as unreadable_text(),
    // that they are kept as they are and their entries not shown, and what
    // to do. Empty for none.
    static QString unreadable_notice(const QVector<Unreadable> &_files);

    // «Ваша запись; в поставке: K 8, Mg 3.9»: what the entry that _yours
    // replaces says otherwise.
    static QString override_note(const Compound &_yours, const Compound &_shipped);
};

#endif // ROVALIN_USER_CATALOGUES_H
