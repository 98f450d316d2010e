// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DYNAMICS_WINDOW_H
#define ROVALIN_DYNAMICS_WINDOW_H

// The window «Динамика по неделям…» opens: how the levels that one week's
// dose gives build up over the weeks with weekly water changes (the model of
// build_up.h), as a table, a chart and a sentence. The main window owns one,
// built when it is first asked for, and hands it the figures of each
// successful calculation. Closing it only hides it.

#include <QString>
#include <QVector>
#include <QWidget>

class QLabel;
class QSpinBox;
class QTableWidget;

#include "app/charts.h"

// One row of the main table after a calculation: an element and the mg/l that
// one week's dose gives it.
struct Weekly_Figure
{
    QString element;
    double weekly = 0;
};

class Dynamics_Window : public QWidget
{
    Q_OBJECT

public:
    explicit Dynamics_Window(QWidget *_parent);

    // The figures of a calculation for the entry _entry, in the main table's
    // order; the first is the reference element when _reference is true.
    void set_figures(const QString &_entry, const QVector<Weekly_Figure> &_figures,
                     bool _reference);

protected:
    // A new language: every text again; the inputs and the figures stay.
    void changeEvent(QEvent *_event) override;

private:
    // Every text the window sets, in the language of the moment.
    void retranslate();
    // Table, chart and summary for the figures and the two inputs.
    void redraw();

    QLabel *water_change_label;
    QSpinBox *water_change;
    QLabel *weeks_label;
    QSpinBox *weeks;
    QTableWidget *table;
    QChartView *chart;
    QLabel *model;
    QLabel *summary;

    QString entry;
    QVector<Weekly_Figure> figures;
    bool reference = false;
};

#endif // ROVALIN_DYNAMICS_WINDOW_H
