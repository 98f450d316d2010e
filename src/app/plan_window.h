// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_WINDOW_H
#define ROVALIN_PLAN_WINDOW_H

// The window «План внесения…» opens: the plans, each a tank with its water
// changes, the new water and every bottle or compound dosed on its days, and
// the levels all of them give together, as a table and a chart. Its model is
// a Plan_Book, which reads the plans file when the window is first built and
// saves every change; the window draws what the book gives and hands it what
// the user does. The main window owns one, built when it is first asked for,
// and adds its calculations to it. Closing it only hides it.

#include "plan/plan_book.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTabWidget;
class Plan_Bands;
class Plan_Log_View;

#include "app/charts.h"

class Plan_Window : public QWidget
{
    Q_OBJECT

public:
    // Reads the plans: from the user's data folder when _folder is empty.
    Plan_Window(const Plan_Catalogues &_catalogues, QWidget *_parent,
                const QString &_folder = QString());

    // The kinds as the main window's radio buttons name them: products,
    // dry compounds, solutions.
    void set_kind_names(const QStringList &_names);

    // Puts a calculation into the plan for its tank and shows that plan with
    // the item selected.
    void add_calculation(const Plan_Item &_item, int _tank);

    // The methods and livestock plans are read against, and what was wrong
    // with their file.
    void set_targets(const Dosing_Targets &_targets, const QString &_problems);

    // Draws everything again, after the catalogues changed.
    void refresh() { redraw(); }

    // Shows the window in front.
    void present();

    const Plan_Book &model() const { return book; }
    // Whether the program may quit: the plans are saved, or the user, asked
    // while they cannot be, tried again until they were or let them go.
    bool may_quit();

protected:
    // A new language: every text again, the book's too, nothing else changed.
    void changeEvent(QEvent *_event) override;

private:
    void build();
    // The texts that do not follow from the book: captions, buttons, tips,
    // headers.
    void retranslate();
    // Everything from the book: the list of plans, the shown plan's settings,
    // its items and new water, then the totals and the chart.
    void redraw();
    void redraw_items();
    void redraw_water();
    void redraw_figures();
    void redraw_chart();
    // The method and livestock lists and what goes with them.
    void redraw_reading();
    // The start, the change day and when the next change is due.
    void redraw_dates();
    void show_status();

    void item_changed(QTableWidgetItem *_item);
    void water_changed(QTableWidgetItem *_item);
    void totals_changed(QTableWidgetItem *_item);
    void new_plan();
    void rename_plan();
    void delete_plan();
    void remove_items();
    void print();
    void save_pdf();

    Plan_Book book;
    QStringList kind_names;
    bool presented = false;

    QLabel *choice_label;
    QComboBox *choice;
    QPushButton *new_button;
    QPushButton *rename_button;
    QPushButton *delete_button;
    QPushButton *copy_button;
    QPushButton *print_button;
    QPushButton *pdf_button;
    QLabel *method_label;
    QComboBox *method;
    QPushButton *method_water;
    QLabel *livestock_label;
    QComboBox *livestock;
    QLabel *tank_label;
    QSpinBox *tank;
    QLabel *water_change_label;
    QSpinBox *water_change;
    QLabel *change_every_label;
    QSpinBox *change_every;
    QLabel *change_day_label;
    QComboBox *change_day;
    QLabel *start_label;
    QDateEdit *start;
    QLabel *next_change;
    QLabel *weeks_label;
    QSpinBox *weeks;
    QLabel *water_label;
    QTableWidget *water;
    QLabel *items_label;
    QTableWidget *items;
    QPushButton *remove_button;
    QTableWidget *totals;
    QChartView *chart;
    Plan_Bands *bands;
    QTabWidget *views;
    // The plan itself, and its log.
    QTabWidget *pages;
    Plan_Log_View *log_view;
    QLabel *warnings;
    QLabel *status;
};

#endif // ROVALIN_PLAN_WINDOW_H
