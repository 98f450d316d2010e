// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_LOG_TABLE_H
#define ROVALIN_LOG_TABLE_H

// The log of the plan on show as its tab «Журнал» works with it: a row an
// entry, oldest first, and an empty row at the end to type a new one into;
// each change checked and saved with the plans, a refusal said in the book's
// status; the course of the plan over the log's dates for its chart; the log
// to and from a CSV file.

#include "plan/plan_book.h"
#include "plan/tank_log.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

class Log_Table
{
    Q_DECLARE_TR_FUNCTIONS(Log_Table)

public:
    explicit Log_Table(Plan_Book *_book) : book(_book) {}

    enum Column {
        date_column,
        what_column,
        key_column,
        value_column,
        prediction_column,
        difference_column,
        note_column
    };
    static QStringList columns();
    // «Показание», «Подмена воды».
    static QString kind_name(bool _change);
    // A key as kits read it: «N (NO3-N)», «P (PO4-P)»; the others as they are.
    static QString key_label(const QString &_key);
    // What a reading may be of, as the element column offers it: the shown
    // plan's rows, then what kits commonly read.
    QStringList key_choices() const;

    struct Row
    {
        QDate date;
        bool change = false;
        bool draft = false; // the row to type a new entry into
        double value = 0;
        QStringList texts; // a text per column
    };
    // The shown plan's log, and where it may be changed the row to type into.
    QVector<Row> rows() const;

    // What the user typed into a cell: a date as 2026-12-06 or 06.12.2026,
    // the kind by its name, a key or its label, a figure, a note. A text that
    // is refused changes nothing, and the book's status says why. The row to
    // type into becomes an entry once it has what its kind needs: a key and
    // a value for a reading, a percent for a change.
    bool type(int _row, int _column, const QString &_text);
    bool set_date(int _row, const QDate &_date);
    void remove(QVector<int> _rows);

    // Reads a CSV file into the log. Gives, where a line cannot be read,
    // what to show: every such line with its number (the first 20, then how
    // many more), and nothing is imported; else nothing, and the status says
    // how many entries came in.
    QString import(const QByteArray &_content);
    QByteArray exported() const { return Tank_Log::write_csv(log()); }

    // The line under the table: what a reading stands for.
    static QString reading_note();
    // «Следующая подмена: сб 14.12», or that the plan has none.
    QString next_change() const;
    // «сб 14.12»: a date near today.
    static QString short_date(const QDate &_date);

    // The chart: for each key with readings the plan's course from the first
    // log date (the start without a log) to two weeks past the last entry,
    // and its readings; the logged changes. x counts days from `from`.
    struct Line
    {
        QString key;
        QString name;
        QVector<QPointF> course;
        QVector<QPointF> readings;
    };
    struct Chart
    {
        QDate from;
        QDate to;
        QVector<Line> lines;
        QVector<double> changes;
    };
    Chart chart() const;

private:
    const QVector<Log_Entry> &log() const;
    // The row to type into, empty again when another plan is shown.
    Log_Entry &draft();
    // _entry in place of row _row (a new one for the row to type into), once
    // checked; false, with the status saying why, where it is refused.
    bool put(int _row, const Log_Entry &_entry);
    // Refuses _text typed for _what: false.
    bool refuse(const QString &_text, const QString &_why);

    Plan_Book *book;
    Log_Entry draft_;
    bool draft_key = false;
    bool draft_value = false;
    int draft_plan = -1;
    QString draft_name;
};

#endif // ROVALIN_LOG_TABLE_H
