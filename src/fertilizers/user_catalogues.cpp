// SPDX-License-Identifier: GPL-3.0-or-later

#include "user_catalogues.h"

#include "catalogue_reader.h"
#include "compound.h"
#include "diy_fertilizer.h"
#include "diysol_fertilizer.h"
#include "message_text.h"
#include "premix_fertilizer.h"
#include "recipe_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

using message_text::number;

namespace {

bool present(const QString &_file)
{
    const QFileInfo info(_file);
    return info.exists() || info.isSymLink();
}

// Whether _a and _b are the same folder, however named.
bool same_folder(const QString &_a, const QString &_b)
{
    const QString a = QFileInfo(_a).canonicalFilePath();
    return !a.isEmpty() ? a == QFileInfo(_b).canonicalFilePath()
                        : QDir::cleanPath(_a) == QDir::cleanPath(_b);
}

bool same_figure(double _a, double _b)
{
    return _a == _b || (std::isnan(_a) && std::isnan(_b));
}

} // namespace

QString User_Catalogues::folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("settings"));
}

void User_Catalogues::read(const QString &_shipped, const QString &_user,
                           Type_Fertilizer *_products, Type_Fertilizer *_compounds,
                           Type_Fertilizer *_solutions, Problems *_problems)
{
    QStringList *_product_problems = &_problems->products;
    QStringList *_compound_problems = &_problems->compounds;
    QStringList *recipe_problems = &_problems->recipes;
    for (Type_Fertilizer *fert : {_products, _compounds, _solutions})
        fert->take_compounds();
    const auto file = [](const QString &_folder, const char *_name) {
        return QDir(_folder).filePath(QLatin1String(_name));
    };
    const bool user = !_user.isEmpty() && !same_folder(_shipped, _user);

    read_catalogue(file(_shipped, "commercial_products.json"), _products, _product_problems);
    read_catalogue(file(_shipped, "compounds.json"), {_compounds, _solutions}, _compound_problems,
                   Catalogue_Kind::compounds);
    if (user && present(file(_user, "compounds.json"))) {
        Diy_Fertilizer compounds;
        DiySol_Fertilizer solutions;
        read_catalogue(file(_user, "compounds.json"), {&compounds, &solutions}, _compound_problems,
                       Catalogue_Kind::compounds);
        merge(_compounds, &compounds);
        merge(_solutions, &solutions);
    }
    // Recipes are optional: without the file there are none, and nothing to say.
    if (present(file(_shipped, "recipes.json")))
        read_recipes(file(_shipped, "recipes.json"), *_compounds, _products, recipe_problems);
    if (user) {
        Premix_Fertilizer products;
        if (present(file(_user, "commercial_products.json")))
            read_catalogue(file(_user, "commercial_products.json"), &products, _product_problems);
        if (present(file(_user, "recipes.json")))
            read_recipes(file(_user, "recipes.json"), *_compounds, &products, recipe_problems);
        merge(_products, &products);
    }
}

void User_Catalogues::merge(Type_Fertilizer *_into, Type_Fertilizer *_from)
{
    for (std::unique_ptr<Compound> &entry : _from->take_compounds()) {
        int same = -1;
        for (int i = 0; i < _into->count_compounds() && same < 0; ++i) {
            if (_into->compound_at(i)->name() == entry->name())
                same = i;
        }
        if (same < 0) {
            _into->add_compound(entry.release());
            continue;
        }
        QString note = override_note(*entry, *_into->compound_at(same));
        if (!entry->note().isEmpty())
            note += QLatin1Char('\n') + entry->note();
        entry->set_note(note);
        _into->replace_compound(same, entry.release());
    }
}

QString User_Catalogues::override_note(const Compound &_yours, const Compound &_shipped)
{
    QStringList differ;
    for (int i = 0; i < _shipped.count_elements(); ++i) {
        const Element shipped = _shipped.element_at(i);
        if (shipped.name == QLatin1String("sol"))
            continue;
        const int yours = _yours.index_element(shipped.name);
        if (yours < 0 || !same_figure(_yours.element_at(yours).value, shipped.value))
            differ << tr("%1 %2").arg(shipped.name, number(shipped.value));
    }
    for (int i = 0; i < _yours.count_elements(); ++i) {
        const QString name = _yours.element_at(i).name;
        if (name != QLatin1String("sol") && !_shipped.contains_element(name))
            differ << tr("%1 нет").arg(name);
    }
    if (_yours.target() != _shipped.target())
        differ << tr("опорный элемент %1")
                      .arg(_shipped.target().isEmpty() ? tr("не указан") : _shipped.target());
    if (!same_figure(_yours.solubility(), _shipped.solubility()))
        differ << (std::isnan(_shipped.solubility())
                       ? tr("растворимость не указана")
                       : tr("растворимость %1 г/л").arg(number(_shipped.solubility())));
    if (differ.isEmpty())
        return tr("Ваша запись; в поставке те же цифры");
    return tr("Ваша запись; в поставке: %1").arg(differ.join(QStringLiteral(", ")));
}
