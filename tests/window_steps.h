// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_WINDOW_STEPS_H
#define ROVALIN_WINDOW_STEPS_H

// Shared by the tests of the windows (tst_main_window, tst_plan_window,
// tst_editor_window, tst_designer_window, tst_language): the steps a user
// takes, from the main window into the build-up and plan windows, the editor
// and the designer, over a Window_Fixture, and what those tests read back.
// Each test class derives from QObject and from Window_Steps, whose fixture it
// opens in init() and closes in cleanup().

#include "window_fixture.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QTableWidget;
class QWidget;

// The rich text of the window's messages and captions.
#define G "<span style=\" color:#55aa7f;font-weight:600;\">"
#define B "<span style=\" color:#5555ff; font-weight:600;\">"
#define HEAD "<html><head/><body>"
#define TAIL "</body></html>"

// The caption over the value, as the window writes _text.
QString caption(const QString &_text);

// What the editor asks before it leaves an entry with changes for a new
// one: "text|Save|Discard|Cancel", the buttons as they read; answered with
// «Cancel». Empty where it asks nothing.
QString leaving_question(QWidget *_editor);

// The kind's radio button: "rbdiy", "rbdiysol", else the premix one.
QRadioButton *kind_button(Ui_MainWindow *_ui, const QString &_name);

// The names of _window's objects that start neither with _prefix nor with Qt's
// own "qt_", but for those Qt gives a tab bar's scroll buttons.
QString misnamed(const QWidget *_window, const char *_prefix);

// The texts of _window's chart ("plan_chart" in "plan") that a paint now
// would show, sorted: laid out, but read before control goes back to the
// event loop, so that what Qt deletes only later is still in the scene. With
// _deleted, once Qt has deleted it.
QStringList chart_texts(const QWidget *_window, bool _deleted = false);

// A table's rows, each as "cell|cell|…"; the items' weekdays as the days ticked.
QStringList table_rows(const QTableWidget *_table);

// The user's files, "file: name, …" each, those there are.
QStringList user_files();

// A file's bytes, "<none>" where it cannot be read.
QByteArray bytes(const QString &_file);

class Window_Steps
{
protected:
    // The plans' today: a Saturday, the day a new plan changes its water on.
    Window_Steps();

    // In a ru_RU run, that the system does write decimal commas.
    static void check_system_locale();

    // Takes the steps of a data row in turn: "kind NAME", "entry N",
    // "method N", "tank|value|water|grams TEXT", "calculate", "open" (the
    // build-up window), "weeks N", "language English|Russian",
    // "targets|compounds JSON" (the window again over that file), and
    // "plan …", "editor …", "designer …" (see plan_step, editor_step,
    // designer_step).
    void run(const QStringList &_steps);
    void plan_step(const QString &_step);
    // The plan's «Журнал»: "log-tab", "log-cell ROW COLUMN TEXT" (ROW "new" the
    // row to type into), "log DATE KEY VALUE [NOTE]" or "log DATE change
    // PERCENT" typed into the new row, "log-remove all", "log-import CONTENT"
    // ("\\n" between lines), "log-export", "log-import-exported"; "log-use"
    // ticks «Учитывать потребление», "log-accept N" takes advice line N.
    void log_step(const QString &_step);
    void editor_step(const QString &_step);
    void designer_step(const QString &_step);
    QWidget *plan_window() const;

    Window_Fixture f;
    // What the last import of a log file said, where it said something.
    QString log_said;
    // Where "log-export" writes.
    QString exported_log() const { return log_files.filePath(QStringLiteral("exported.csv")); }

private:
    QTemporaryDir log_files;
};

#endif // ROVALIN_WINDOW_STEPS_H
