// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DESIGNER_WINDOW_H
#define ROVALIN_DESIGNER_WINDOW_H

// The window «Подбор рецепта…» opens: the levels a user wants, the salts to
// make them of, and the grams of each, bottle by bottle, worked out again at
// every change. Its model is a Recipe_Designer; the recipes it saves go into
// the user's own recipes through the main window's Catalogue_Editor. The
// main window owns one, built when it is first asked for; closing it only
// hides it.

#include "design/recipe_designer.h"

#include <QVector>
#include <QWidget>

class Catalogue_Editor;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableWidget;
class QTableWidgetItem;
class Type_Fertilizer;

class Designer_Window : public QWidget
{
    Q_OBJECT

public:
    Designer_Window(const Type_Fertilizer *_compounds, Catalogue_Editor *_entries,
                    QWidget *_parent);

    void present();
    // The rows again after the compounds list was read again.
    void refresh();
    const Recipe_Designer &model() const { return designer; }
    // Whether the program may quit: the last save of the bottles went
    // through, or the user, asked, tried again until it did or let them go.
    bool may_quit();

signals:
    // Recipes were written into the user's recipes file.
    void saved();
    // Each bottle, with its weekly dose, for the plan of a tank of _tank l.
    void to_plan(const QVector<Plan_Item> &_items, int _tank);

protected:
    // A new language: every text again, the model's check too; what the
    // user typed and ticked stays.
    void changeEvent(QEvent *_event) override;

private:
    void build();
    // The texts that do not follow from the model: title, captions,
    // buttons, tips, headers, units.
    void retranslate();
    void redraw();
    // What the last save did: the recipes written, or why not.
    void show_status();
    void target_changed(QTableWidgetItem *_item);
    void salt_changed(QTableWidgetItem *_item);
    // Writes a recipe for each bottle, those of the same names replaced once
    // the user agrees; false when nothing was written.
    bool save();

    Recipe_Designer designer;
    Catalogue_Editor *entries;
    const Type_Fertilizer *compounds;

    QLabel *tank_label;
    QSpinBox *tank;
    QLabel *water_label;
    QSpinBox *water;
    QLabel *dose_label;
    QDoubleSpinBox *dose;
    QLabel *name_label;
    QLineEdit *name;
    QTableWidget *targets;
    QTableWidget *salts;
    QSplitter *split;
    QPushButton *suggest;
    QLabel *check;
    QLabel *status;
    QPushButton *save_button;
    QPushButton *plan_button;

    // The names of the recipes the last save wrote; empty before one, and
    // after one that failed.
    QStringList saved_names;
    bool save_failed = false;
    // Why the target typed last was refused; empty once one is taken.
    QString refusal;
};

#endif // ROVALIN_DESIGNER_WINDOW_H
