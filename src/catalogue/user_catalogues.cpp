// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/user_catalogues.h"

#include "base/message_text.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "chemistry/compound.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
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
    // A user's file, when it is there and can be read; one that cannot is
    // said as the readers say it, and kept aside for the notice.
    const auto user_file = [&](const char *_name, QStringList *_lines, QByteArray *_content) {
        const QString path = file(_user, _name);
        if (!user || !present(path))
            return false;
        QJsonArray entries;
        Unreadable unreadable{path, {}};
        if (read_catalogue_array(path, &entries, &unreadable.fault, _content))
            return true;
        const QString &place = unreadable.fault.place;
        *_lines << path + (place.isEmpty() ? QString() : QLatin1Char(':') + place) +
                       QStringLiteral(": ") + unreadable.fault.what;
        _problems->unreadable << unreadable;
        return false;
    };

    read_catalogue(file(_shipped, "commercial_products.json"), _products, _product_problems);
    read_catalogue(file(_shipped, "compounds.json"), {_compounds, _solutions}, _compound_problems,
                   Catalogue_Kind::compounds);
    QByteArray content;
    if (user_file("compounds.json", _compound_problems, &content)) {
        Diy_Fertilizer compounds;
        DiySol_Fertilizer solutions;
        parse_catalogue(content, {&compounds, &solutions}, file(_user, "compounds.json"),
                        _compound_problems, Catalogue_Kind::compounds);
        merge(_compounds, &compounds);
        merge(_solutions, &solutions);
    }
    // Recipes are optional: without the file there are none, and nothing to say.
    if (present(file(_shipped, "recipes.json")))
        read_recipes(file(_shipped, "recipes.json"), *_compounds, _products, recipe_problems);
    if (user) {
        Premix_Fertilizer products;
        if (user_file("commercial_products.json", _product_problems, &content))
            parse_catalogue(content, &products, file(_user, "commercial_products.json"),
                            _product_problems);
        if (user_file("recipes.json", recipe_problems, &content))
            parse_recipes(content, *_compounds, &products, file(_user, "recipes.json"),
                          recipe_problems);
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

QString User_Catalogues::unreadable_text(const Unreadable &_file)
{
    const QString shown = QDir::toNativeSeparators(_file.file);
    const QStringList place = _file.fault.place.split(QLatin1Char(':'));
    if (place.size() != 2)
        return tr("Ваш файл %1 не читается: %2.").arg(shown, _file.fault.what);
    return tr("Ваш файл %1 не читается: строка %2, столбец %3: %4.")
        .arg(shown, place.at(0), place.at(1), _file.fault.what);
}

QString User_Catalogues::unreadable_notice(const QVector<Unreadable> &_files)
{
    if (_files.isEmpty())
        return QString();
    QStringList lines;
    for (const Unreadable &file : _files)
        lines << unreadable_text(file);
    const QString what_to_do =
        _files.size() == 1
            ? tr("Файл оставлен как есть, а его записи не показаны: где вы исправляли записи "
                 "поставки, стоят цифры поставки. Исправьте файл в текстовом редакторе или "
                 "начните этот список заново в «Мои удобрения…»: прежде чем сохранить в него, "
                 "программа спросит и перенесёт файл в сторону как есть.")
            : tr("Файлы оставлены как есть, а их записи не показаны: где вы исправляли записи "
                 "поставки, стоят цифры поставки. Исправьте файлы в текстовом редакторе или "
                 "начните эти списки заново в «Мои удобрения…»: прежде чем сохранить в такой "
                 "список, программа спросит и перенесёт его файл в сторону как есть.");
    return lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + what_to_do;
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
