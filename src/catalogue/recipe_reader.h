// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_RECIPE_READER_H
#define ROVALIN_RECIPE_READER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class Type_Fertilizer;

// Reads a recipes file: bottles of one or more compounds dissolved in water,
// which are then dosed in ml like a ready-made product. The file is a JSON
// array of objects, read like the other catalogues (the same problems for a
// broken file, objects without "name" passed over):
//
//   {"name": "Макро NPK", "name_en": "Macro NPK", "water_ml": 500,
//    "compounds": {"Калиевая селитра KNO3": 30, "KH2PO4": 3}, "target": "N"}
//
// "name_en", the recipe's name in English, is optional: a value other than a
// string is none.
// "water_ml" is a number above 0; "compounds" an object of at least one
// member, each a compound and its grams, a number above 0. A key names an
// entry of _compounds (compounds.json) by its name, else by its formula as
// written, else it is read as a formula itself (its elements but H, O and C
// count). A recipe with a key that means nothing, a bad number or no
// compounds is passed over, with a problem line that names it.
//
// Each recipe becomes an entry of _products, after those already there: its
// content of element e in mg per ml is the sum over its compounds of
// grams × 1000 × fraction(e) ÷ water_ml (the volume the salts add is not
// counted), elements in ascending order of their symbols. Its refusal says
// which compound's grams per litre of water exceed the solubility compounds.json
// gives it, if any; its warning names a pair that precipitates in one bottle
// (calcium with sulfate, phosphate or carbonate; iron with phosphate); its note
// says both in plain text.
//
// Returns the number of recipes added.
int read_recipes(const QString &_file_name, const Type_Fertilizer &_compounds,
                 Type_Fertilizer *_products, QStringList *_problems = nullptr);

// The same for the file's content already in memory; _file_name only names it
// in the problems.
int parse_recipes(const QByteArray &_content, const Type_Fertilizer &_compounds,
                  Type_Fertilizer *_products, const QString &_file_name = QString(),
                  QStringList *_problems = nullptr);

#endif // ROVALIN_RECIPE_READER_H
