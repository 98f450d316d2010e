// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_KILL_VERSIONS_H
#define ROVALIN_KILL_VERSIONS_H

// What kill_saver saves and tst_kill looks for: version n of the files a user
// keeps, the plans and the three catalogues of their own, saved through the
// program's own Plan_Store and Catalogue_Editor. Each version is a few plans
// with a log and lists of a few dozen entries, some tens of KB in all, so that
// a save takes a while; and each is the same whatever was saved before it:
// only the plans and the first entry of each list tell the version, the other
// entries are the same in every version.

#include "catalogue/catalogue_editor.h"
#include "dosing/diy_fertilizer.h"
#include "plan/plan_store.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace kill_versions {

// The files of a version in the order they are saved, from the data folder.
inline QStringList files()
{
    return {QStringLiteral("plans.json"),
            QStringLiteral("settings/") + Catalogue_Editor::file_name(Catalogue_Editor::product),
            QStringLiteral("settings/") + Catalogue_Editor::file_name(Catalogue_Editor::compound),
            QStringLiteral("settings/") + Catalogue_Editor::file_name(Catalogue_Editor::recipe)};
}

constexpr int plan_count = 4;
constexpr int log_days = 40;
constexpr int entry_count = 24;

// A figure that goes round with the version, as the editor takes it typed.
inline QString figure(int _version, int _spread, int _offset)
{
    return QString::number(double(_offset + _version % _spread) / 10, 'f', 1);
}

inline QVector<Dosing_Plan> plans_of(int _version)
{
    static const char *const readings[] = {"NO3", "K", "PO4", "GH", "Fe"};
    QVector<Dosing_Plan> plans;
    for (int p = 0; p < plan_count; ++p) {
        Dosing_Plan plan;
        plan.name = QStringLiteral("Аквариум %1-%2").arg(_version).arg(p + 1);
        plan.tank = 20 + (_version * 7 + p * 13) % 480;
        plan.change_percent = 30 + (_version + p) % 40;
        plan.change_day = (_version + p) % 7;
        plan.water = {{QStringLiteral("Ca"), double(10 + _version % 9), {}},
                      {QStringLiteral("Mg"), 3, {}}};
        plan.items = {{QStringLiteral("premix"),
                       QStringLiteral("Seachem Flourish Iron"),
                       0,
                       0,
                       figure(_version, 90, 10).toDouble(),
                       0b0100010u,
                       {}},
                      {QStringLiteral("diy_sol"),
                       QStringLiteral("Калиевая селитра KNO3"),
                       double(40 + p),
                       500,
                       double(10 + _version % 30),
                       0b0010101u,
                       {}},
                      {QStringLiteral("diy"),
                       QStringLiteral("Сульфат калия K2SO4"),
                       0,
                       0,
                       double(200 + _version % 100),
                       0b1000000u,
                       {}}};
        plan.method = QStringLiteral("EI (Estimative Index)");
        plan.livestock = QStringLiteral("Креветки");
        plan.start = plan_dates::on_weekday(QDate(2026, 3, 2), plan.change_day);
        for (int day = 0; day < log_days; ++day) {
            Log_Entry entry;
            entry.date = plan.start.addDays(day);
            if (day % 7 == 0) {
                entry.change = true;
                entry.value = plan.change_percent;
            } else {
                entry.key = QLatin1String(readings[day % 5]);
                entry.value = figure(_version * 31 + day * 7 + p, 500, 0).toDouble();
                if (day % 5 == 0)
                    entry.note = QStringLiteral("тест %1, после доз").arg(_version);
            }
            plan.log.append(entry);
        }
        plans.append(plan);
    }
    return plans;
}

inline QString entry_name(Catalogue_Editor::Kind _kind, int _version)
{
    switch (_kind) {
    case Catalogue_Editor::compound:
        return QStringLiteral("Соль %1").arg(_version);
    case Catalogue_Editor::recipe:
        return QStringLiteral("Бутылка %1").arg(_version);
    case Catalogue_Editor::product:
        break;
    }
    return QStringLiteral("Удобрение %1").arg(_version);
}

// Entry _slot of a list: the version's own at 0, after it the ones every
// version has.
inline Catalogue_Editor::Draft entry_of(Catalogue_Editor::Kind _kind, int _version, int _slot)
{
    const int n = _slot == 0 ? _version : _slot;
    Catalogue_Editor::Draft draft = Catalogue_Editor::blank(_kind);
    draft.name = _slot == 0 ? entry_name(_kind, _version) : QStringLiteral("Запас %1").arg(_slot);
    draft.source = QStringLiteral("записано при проверке сохранения, запись %1: этикетка, "
                                  "сайт производителя и таблица растворимости")
                       .arg(n);
    switch (_kind) {
    case Catalogue_Editor::product:
        draft.target = QStringLiteral("K");
        draft.elements = {{QStringLiteral("K"), figure(n, 400, 10)},
                          {QStringLiteral("Mg"), figure(n, 50, 1)},
                          {QStringLiteral("Fe"), figure(n, 20, 1)}};
        break;
    case Catalogue_Editor::compound:
        draft.formula = QStringLiteral("KNO3");
        draft.target = QStringLiteral("N");
        draft.solubility = QString::number(250 + n % 100);
        draft.solubility_at = QStringLiteral("20");
        break;
    case Catalogue_Editor::recipe:
        draft.target = QStringLiteral("N");
        draft.water = QString::number(500 + n % 500);
        draft.salts = {{QStringLiteral("KNO3"), figure(n, 300, 10)},
                       {QStringLiteral("K2SO4"), figure(n, 100, 5)}};
        break;
    }
    return draft;
}

// Saves version _version in the order of files(), telling _before the index
// of each file first. The first save into an empty list fills it. False, with
// why, at the first save that fails.
inline bool save_version(Plan_Store &_store, Catalogue_Editor &_editor, int _version,
                         const std::function<void(int)> &_before, QString *_error)
{
    _before(0);
    if (!_store.save(plans_of(_version))) {
        *_error = _store.error();
        return false;
    }
    const Diy_Fertilizer compounds;
    const Catalogue_Editor::Kind kinds[] = {Catalogue_Editor::product, Catalogue_Editor::compound,
                                            Catalogue_Editor::recipe};
    for (int k = 0; k < Catalogue_Editor::kinds; ++k) {
        const Catalogue_Editor::Kind kind = kinds[k];
        _before(k + 1);
        for (int slot = _editor.names(kind).size(); slot < entry_count; ++slot) {
            if (_editor.save(entry_of(kind, _version, slot), -1, compounds) < 0) {
                *_error = _editor.status();
                return false;
            }
        }
        if (_editor.save(entry_of(kind, _version, 0), 0, compounds) != 0) {
            *_error = _editor.status();
            return false;
        }
    }
    return true;
}

} // namespace kill_versions

#endif // ROVALIN_KILL_VERSIONS_H
