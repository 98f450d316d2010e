// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_STORE_H
#define ROVALIN_PLAN_STORE_H

// The file the plans are kept in, plans.json in the user's data folder:
//
//   {"version": 1,
//    "plans": [{"name": "Аквариум 100 л", "tank_l": 100,
//               "water_change": {"percent": 50, "every_days": 7, "first_day": 6},
//               "weeks": 12,
//               "new_water": [{"key": "Ca", "mg_per_l": 20}],
//               "items": [{"kind": "diy_sol", "name": "KNO3", "grams": 50,
//                          "water_ml": 500, "weekly_dose": 10, "days": [6]}],
//               "chart": ["N", "K"],
//               "method": "EI (Estimative Index)", "livestock": "Креветки"}]}
//
// Weekdays are ISO's, 1 Monday … 7 Sunday. Members this version does not know
// are written back as they were, at every level. A file this version cannot
// read whole (not JSON, another version, a member of the wrong kind) is never
// written over: it is moved aside with its bytes as they are. A lock file
// beside it keeps a second running program from writing it at the same time.

#include "plan/dosing_plan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <memory>

class QLockFile;

class Plan_Store
{
    Q_DECLARE_TR_FUNCTIONS(Plan_Store)

public:
    // The plans of _folder; of the user's data folder when it is empty.
    explicit Plan_Store(const QString &_folder = QString());
    ~Plan_Store();

    // Where the file is kept.
    QString file_name() const;

    // Reads the file, takes the lock on it, and moves an unreadable file aside.
    // Without a file there are no plans yet. Read-only when another running
    // program holds the lock, when the folder cannot be written, and when an
    // unreadable file could not be moved.
    QVector<Dosing_Plan> open();
    bool read_only() const { return read_only_; }
    // What the user must be told about the file after open(), or nothing.
    QString message() const { return message_; }

    // Writes the plans whole, or leaves the file as it was; says why in error().
    bool save(const QVector<Dosing_Plan> &_plans);
    QString error() const { return error_; }

    // The file's content and back. parse() says why it cannot read _content,
    // where the place in the file is known ("plans[2].tank_l: …").
    static bool parse(const QByteArray &_content, QVector<Dosing_Plan> *_plans, QJsonObject *_root,
                      QString *_why);
    static QByteArray write(const QVector<Dosing_Plan> &_plans,
                            const QJsonObject &_root = QJsonObject());

private:
    QString folder;
    std::unique_ptr<QLockFile> lock;
    QJsonObject root;
    bool read_only_ = false;
    QString message_;
    QString error_;
};

#endif // ROVALIN_PLAN_STORE_H
