// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_MAINWINDOW_H
#define ROVALIN_MAINWINDOW_H

// MainWindow is the program's only window and its controller. It owns the
// form (Ui_MainWindow, built from src/form/mainwindow.ui), four input
// validators and the three calculators (Premix_Fertilizer, Diy_Fertilizer,
// DiySol_Fertilizer, all Type_Fertilizer). cur_fert points at the one that
// belongs to the selected radio button; every slot talks to the calculators
// only through the Type_Fertilizer interface.
//
// The form connects its widgets to the slots by signature strings, and the
// slots also call each other and nest through signals: clearing or filling
// comboBox runs change_compound and hide_widgets before the setter returns.
// The order of the steps inside each slot therefore matters.
//
// «Динамика по неделям…» is open to the user exactly while the table shows the
// figures of a successful calculation; it shows them in a Dynamics_Window,
// built when first asked for. «Добавить в план» is open at the same times and
// puts that calculation into the Plan_Window, which «План внесения…» opens at
// any time; it too is built when first asked for, and only then are the plans
// read. «Мои удобрения…» opens an Editor_Window on the user's own catalogue
// entries, «Подбор рецепта…» a Designer_Window, which saves recipes among
// them; when either saves, the catalogues are read again.

#include "app/dynamics_window.h"
#include "base/language.h"
#include "catalogue/catalogue_editor.h"
#include "plan/dosing_plan.h"
#include "plan/dosing_targets.h"

#include <QMainWindow>
#include <QVector>

class QDoubleValidator;
class QIntValidator;
class QLineEdit;
class QMenu;
class Type_Fertilizer;
class Premix_Fertilizer;
class Diy_Fertilizer;
class DiySol_Fertilizer;
class Designer_Window;
class Editor_Window;
class Plan_Window;
class QAction;
class Ui_MainWindow;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QDoubleValidator *methods_validator;   // val_methods: 0.01 to 1000, 2 decimals
    QIntValidator *tank_validator;         // tank_vol: 1 to 10000 l
    QIntValidator *water_validator;        // val_methods_3: 1 to 10000 ml
    QDoubleValidator *substance_validator; // val_methods_2: 0.01 to 10000 g, 2 decimals
    Type_Fertilizer *cur_fert;
    Premix_Fertilizer *premix_fert;
    Diy_Fertilizer *diy_fert;
    DiySol_Fertilizer *diysol_fert;
    Ui_MainWindow *ui;

    // Fills calc_methods with the calculation methods, or, once it holds
    // them, puts their texts into the language in use, keeping the choice.
    void fill_methods();
    // The user's files that cannot be read, as the start-up says them over
    // the window; empty when all can.
    QString catalogues_notice;

public slots:
    void change_compound(int _index);
    void counting_compound();
    void change_type_fertilizers();
    void hide_widgets(int _index);
    void change_calc_methods(int _index);
    void about();
    void handler_type_fert();
    void show_data(bool _is_calc);

protected:
    void changeEvent(QEvent *event) override;
    // Work a save could not write, or an entry being edited, is not let go
    // without asking.
    void closeEvent(QCloseEvent *_event) override;

private:
    // Creates the calculators, reads the catalogues from settings/ under the
    // working directory and makes the calculator chosen by _type current
    // (0 products, 1 dry compounds, 2 solutions). What the reader could not
    // use goes to standard error, a line a problem.
    void load_compounds(int _type);
    // Shows _message in linfo.
    void inform(const QString &_message);
    // Whether the table shows a successful calculation's figures; while it
    // does not, the build-up cannot be shown and its window is hidden.
    void set_calculated(bool _calculated);
    void show_dynamics();
    // The plan window, built and its plans read on first use.
    Plan_Window *plan_window();
    // The texts of the entries the program adds to the form's menu.
    void set_menu_texts();
    // The editor of the user's own entries, built on first use.
    Editor_Window *editor_window();
    // Puts the texts into _code's language, at once, and keeps the choice.
    void choose_language(Language::Code _code);
    // The designer of recipes, built on first use.
    Designer_Window *designer_window();
    // Reads every catalogue again after the user's own changed: the lists
    // keep their choice where it is still there, and what shows a
    // calculation works it out again; with _message_too, so does a refusal
    // on show.
    void reload_catalogues(bool _message_too = false);

    // What was wrong with each catalogue file, a line a problem: the tool tip
    // of the "... пуст" entry when the file leaves its list empty. The
    // products' list holds the recipes too, so its problems are both files'.
    QString products_problems;
    QString compounds_problems;
    // The dosing methods and livestock limits plans are read against, and
    // what was wrong with their file.
    Dosing_Targets targets;
    QString targets_problems;
    bool catalogues_reported = false;
    // The table's header: «Название элемента» and _fert's column title.
    // Whose title it shows is kept: a list left empty keeps the header it
    // had, which a new language must then set again. Null while the header
    // is the form's own.
    void set_header(Type_Fertilizer *_fert, bool _is_calc);
    Type_Fertilizer *header_fert = nullptr;
    bool header_calculated = false;

    // The last successful calculation, for the build-up window.
    QString calculated_entry;
    QVector<Weekly_Figure> calculated_figures;
    bool calculated_reference = false;
    Dynamics_Window *dynamics = nullptr;
    // What «Добавить в план» puts into the plan for a tank of calculated_tank
    // litres: the entry and its weekly dose.
    Plan_Item calculated_item;
    int calculated_tank = 0;
    QAction *action_plan_add;
    QAction *action_plan;
    QAction *action_editor;
    QAction *action_designer;
    QMenu *menu_language;
    Plan_Window *plan = nullptr;
    // The user's own entries, which the editor and the designer both write.
    Catalogue_Editor user_entries;
    Editor_Window *editor = nullptr;
    Designer_Window *designer = nullptr;
};

#endif // ROVALIN_MAINWINDOW_H
