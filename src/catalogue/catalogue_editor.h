// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_CATALOGUE_EDITOR_H
#define ROVALIN_CATALOGUE_EDITOR_H

// The user's own catalogue entries as the window «Мои удобрения…» edits them:
// the three files of User_Catalogues::folder(), an entry at a time, checked
// by the readers themselves before it is saved. Members of an entry the
// editor does not show (text such as "name_en" or "checked", the solubility's
// "source", "sol") are written back as they were, and so is whatever in a file
// is not an entry. A file that cannot be read is left as it is, and never
// written over: only when the user saves into its list, and has said so
// (start_afresh()), is it moved aside, its bytes as they were.

#include "base/element.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class Compound;
class Type_Fertilizer;

class Catalogue_Editor
{
    Q_DECLARE_TR_FUNCTIONS(Catalogue_Editor)

public:
    enum Kind { product, compound, recipe };
    static constexpr int kinds = 3;
    static QString file_name(Kind _kind); // "commercial_products.json" …

    // An entry as the window shows it, its numbers as typed.
    struct Draft
    {
        Kind kind = product;
        QString name;
        QString target;
        QString source;
        QString formula;       // compounds
        QString solubility;    // compounds: g/l, empty for none
        QString solubility_at; // compounds: °C, empty for none
        // Compounds: grams in a level 5 ml teaspoon, empty for none, and
        // where that figure comes from.
        QString teaspoon;
        QString teaspoon_source;
        QString water; // recipes: ml
        // Products, and compounds without a formula: an element and its
        // figure (mg/ml, or the mass fraction).
        QVector<QPair<QString, QString>> elements;
        // Recipes: a compound of the catalogue, or a formula, and its grams.
        QVector<QPair<QString, QString>> salts;
        QJsonObject stored; // the entry as its file has it
    };

    // What the readers would make of a draft.
    struct Check
    {
        QStringList lines;        // what is wrong, or to beware of
        bool savable = false;     // false while the entry would be passed over
        QVector<Element> figures; // what it gives: mg/ml, or mass fractions
    };

    // The files of _folder, the user's own unless given.
    explicit Catalogue_Editor(const QString &_folder = QString());

    // Reads the three files, the first time only.
    void open();
    QString folder() const { return folder_; }
    // What the window says of the files and of the last save; empty when
    // there is nothing to say.
    QString status() const;

    // Why the file of _kind cannot be read, as the start-up says it; empty
    // when it can, or there is none. Nothing is saved into its list then
    // until start_afresh().
    QString unreadable(Kind _kind) const { return unreadable_texts[_kind]; }
    // What to ask the user before start_afresh().
    QString afresh_question(Kind _kind) const;
    // Moves the unreadable file of _kind aside, as it is, and starts its list
    // empty; false, with the status saying why, when it cannot be moved.
    bool start_afresh(Kind _kind);

    // The user's entries of a kind, by name, in the file's order.
    QStringList names(Kind _kind) const;
    Draft draft(Kind _kind, int _index) const;
    static Draft blank(Kind _kind);

    // The draft as its file will have it; empty, with _why in the window's
    // words, where a figure typed is no number, or a recipe's water or grams
    // are not above 0 as its reader requires. A salt row without grams is
    // left out.
    static QJsonObject to_object(const Draft &_draft, QString *_why);

    // What the readers say of _draft in place of entry _editing of its kind
    // (-1 for a new one), its recipes' salts looked up in _compounds.
    Check check(const Draft &_draft, int _editing, const Type_Fertilizer &_compounds) const;

    // Writes _draft in place of entry _editing (or after the others) and
    // gives its index; -1, with the status saying why, when it could not.
    int save(const Draft &_draft, int _editing, const Type_Fertilizer &_compounds);
    bool remove(Kind _kind, int _index);

    // A copy of an entry the main window lists, to correct: as the file it
    // came from has it, the user's own (then _editing is its index) or the
    // shipped one in _shipped_folder; else from what the program read.
    Draft copy(Kind _kind, const Compound &_entry, const QString &_shipped_folder,
               int *_editing) const;

    // The source _draft is saved with: where it changes the figures of the
    // shipped entry of its name in _shipped_folder, it says so first,
    // «Изменено: K 45 вместо 50; Mg 3, в поставке нет.», then the maker's
    // source; a note of an earlier save is replaced. As typed otherwise.
    static QString noted_source(const Draft &_draft, const QString &_shipped_folder);

    // The figure of a teaspoon from the grams _ten_grams of ten level
    // spoonfuls, weighed on _day, and the source that says so; false where
    // _ten_grams gives no figure a teaspoon could hold (Teaspoon::usable).
    static bool weighed(double _ten_grams, const QDate &_day, QString *_teaspoon, QString *_source);

private:
    // The positions in file _kind of its entries, the objects with a "name".
    QVector<int> positions(Kind _kind) const;
    bool write(Kind _kind, const QJsonArray &_entries);

    QString folder_;
    bool opened = false;
    QJsonArray files[kinds];
    QString unreadable_texts[kinds];
    QString file_notes[kinds]; // what the status says of each file
    QString save_error;
};

#endif // ROVALIN_CATALOGUE_EDITOR_H
