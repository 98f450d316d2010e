// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_COMPOUND_H
#define ROVALIN_COMPOUND_H

#include "base/element.h"

#include <QString>
#include <QVector>

#include <limits>
#include <vector>

// One catalogue entry: a ready-made product or a chemical compound with its
// elements. Look-ups compare names exactly and stop at the first match; those
// that find nothing give an empty Element, -1 or false.
class Compound
{
public:
    Compound(const QString &_name, const QString &_title);

    QString name() const { return name_; }
    QString title() const { return title_; }
    QString target() const { return target_; }

    // The entry's name in English, as the catalogue gives it; empty where it
    // gives none. Entries are still found by name() alone.
    QString name_en() const { return name_en_; }
    void set_name_en(const QString &_name_en) { name_en_ = _name_en; }
    // The name the lists show: the English one while the program speaks
    // English and the entry has one, else name().
    QString shown_name() const;

    // Replaces the reference element's name; an empty text leaves it as it is.
    void set_target(const QString &_target);

    // The reserved "sol" counts like any other element.
    int count_elements() const;
    Element element_at(int _i) const;
    Element find_element(const QString &_key) const;
    int index_element(const QString &_key) const;
    bool contains_element(const QString &_key) const;

    // Takes ownership of an element made with new; a null pointer is ignored.
    void add_element(Element *_element);
    // The same for an element the caller need not allocate.
    void add_element(const Element &_element);
    void reserve_elements(int _count);

    // How much of the compound as named dissolves: grams per litre of water at
    // solubility_at_c() °C. Not a number where the catalogue gives none; the
    // figures are kept as the catalogue has them, usable or not.
    double solubility() const { return solubility_; }
    double solubility_at_c() const { return solubility_at_c_; }
    void set_solubility(double _g_per_l, double _at_c);

    // Grams of the compound in a level 5 ml teaspoon, and where the figure
    // comes from and how sure it is; not a number and empty where the
    // catalogue gives none.
    double teaspoon() const { return teaspoon_; }
    QString teaspoon_source() const { return teaspoon_source_; }
    void set_teaspoon(double _grams, const QString &_source)
    {
        teaspoon_ = _grams;
        teaspoon_source_ = _source;
    }

    // The chemical formula the catalogue gives, as written; empty without one.
    QString formula() const { return formula_; }
    void set_formula(const QString &_formula) { formula_ = _formula; }

    // Where the figures come from, as the catalogue says; empty where it does not.
    QString source() const { return source_; }
    void set_source(const QString &_source) { source_ = _source; }

    // A recipe's bottle: each salt as the recipe names it with its grams, and
    // the ml of water they are dissolved in. None for any other entry.
    struct Recipe_Part
    {
        QString salt;
        double grams = 0;
    };
    const QVector<Recipe_Part> &recipe() const { return recipe_; }
    double recipe_water_ml() const { return recipe_water_ml_; }
    void set_recipe(const QVector<Recipe_Part> &_parts, double _water_ml)
    {
        recipe_ = _parts;
        recipe_water_ml_ = _water_ml;
    }

    // What the entry's line in the list says when the mouse rests on it: what
    // is wrong with the entry, or what to beware of, in plain text; empty when
    // there is nothing to say.
    QString note() const { return note_; }
    void set_note(const QString &_note) { note_ = _note; }

    // A rich-text message that stands instead of every result for this entry
    // (a bottle whose salt cannot dissolve); empty when it can be calculated.
    QString refusal() const { return refusal_; }
    void set_refusal(const QString &_refusal) { refusal_ = _refusal; }

    // A rich-text line that ends every result message for this entry (a bottle
    // in which something precipitates); empty when there is none.
    QString warning() const { return warning_; }
    void set_warning(const QString &_warning) { warning_ = _warning; }

private:
    std::vector<Element> elements;
    QString name_;
    QString title_;
    QString name_en_;
    QString target_ = QStringLiteral("");
    double solubility_ = std::numeric_limits<double>::quiet_NaN();
    double solubility_at_c_ = std::numeric_limits<double>::quiet_NaN();
    double teaspoon_ = std::numeric_limits<double>::quiet_NaN();
    QString teaspoon_source_;
    QString formula_;
    QString source_;
    QVector<Recipe_Part> recipe_;
    double recipe_water_ml_ = 0;
    QString note_;
    QString refusal_;
    QString warning_;

    Compound(const Compound &) = delete;
    Compound &operator=(const Compound &) = delete;
};

#endif // ROVALIN_COMPOUND_H
