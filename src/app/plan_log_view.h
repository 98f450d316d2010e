// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_LOG_VIEW_H
#define ROVALIN_PLAN_LOG_VIEW_H

// The plan window's tab «Журнал»: the shown plan's log as a table to type
// into, what a reading stands for, the plan's course over the log's dates
// with the readings on it, and the log to and from a CSV file. Its model is a
// Log_Table over the window's Plan_Book; beside the log, what the tank takes
// up as Uptake_Fit finds it, and the doses that hold the method's ranges.

#include "app/charts.h"
#include "plan/log_table.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class Plan_Log_View : public QWidget
{
    Q_OBJECT

public:
    Plan_Log_View(Plan_Book *_book, QWidget *_parent);

    // The texts that do not follow from the book.
    void retranslate();
    // Everything again from the book: the table and the chart.
    void redraw();

    const Log_Table &model() const { return log; }

signals:
    // The log, the uptake or a dose changed, or something was refused: the
    // window redraws its figures, this tab with them, and its status.
    void changed();

private:
    void redraw_table();
    void redraw_chart();
    // «Потребление»: the fit of each element read, the model of the row
    // selected, the tick, and the advice.
    void redraw_uptake();
    void choose_model(int _model);
    void cell_changed(QTableWidgetItem *_item);
    void remove_rows();
    void import_file();
    void export_file();

    Plan_Book *book;
    Log_Table log;
    QTableWidget *table;
    QLabel *note;
    QPushButton *remove_button;
    QPushButton *import_button;
    QPushButton *export_button;
    QChartView *chart;
    QLabel *uptake_label;
    QTableWidget *uptake;
    QLabel *model_label;
    QComboBox *uptake_model;
    QCheckBox *use_uptake;
    QTableWidget *advice;
    QPushButton *accept;
};

#endif // ROVALIN_PLAN_LOG_VIEW_H
