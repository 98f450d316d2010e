// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_EDITOR_WINDOW_H
#define ROVALIN_EDITOR_WINDOW_H

// The window «Мои удобрения…» opens: the user's own products, compounds and
// recipes, an entry at a time, with what the catalogue readers would say of
// it as it is typed. Its model is the main window's Catalogue_Editor. Saving writes the
// user's file and says so (saved()), and the main window reads its
// catalogues again. The main window owns one, built when it is first asked
// for; closing it only hides it.

#include "catalogue/catalogue_editor.h"

#include <QWidget>

#include <functional>

class Compound;
class QAction;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Type_Fertilizer;

class Editor_Window : public QWidget
{
    Q_OBJECT

public:
    // The main window's current entry and the kind of its list, or null.
    using Current = std::function<const Compound *(Catalogue_Editor::Kind *)>;

    // _entries: the user's files, which the window does not own and others
    // may write too; _compounds: the compounds recipes are made of;
    // _shipped: the folder of the shipped catalogues.
    Editor_Window(Catalogue_Editor *_entries, const Type_Fertilizer *_compounds,
                  const QString &_shipped, Current _current, QWidget *_parent);

    void present();
    // Whether _entries may save into the list of _kind: its file can be
    // read, or it could not and the user, asked over _parent, had it moved
    // aside and the list started afresh.
    static bool may_save_into(QWidget *_parent, Catalogue_Editor *_entries,
                              Catalogue_Editor::Kind _kind);
    const Catalogue_Editor &model() const { return *editor; }
    // Whether the program may quit: the entry edited has no changes, or the
    // user, asked, saved them or let them go.
    bool may_quit();
    // The list again, after the files were written elsewhere.
    void refresh() { redraw_list(); }

signals:
    // A user's file was written.
    void saved();

protected:
    // A new language: every text again; the draft, the list's choice and the
    // file stay as they are.
    void changeEvent(QEvent *_event) override;

private:
    void build();
    // The form's rows of _kind after the ones every kind has.
    void show_rows(Catalogue_Editor::Kind _kind);
    // The texts that do not follow from the draft: title, captions, buttons,
    // tips, headers, the list's groups.
    void retranslate();
    // «вещество, новая запись»: what the draft is.
    QString kind_text() const;
    // The list of the user's entries, the one edited selected.
    void redraw_list();
    // The form for the draft, then its check.
    void show_draft();
    // The draft from the form, then what the readers say of it.
    void changed();
    void show_check();
    // Whether the draft has changes worth asking about before it is left.
    bool has_changes() const;
    // Whether the draft may be left: saved, or the user says so.
    bool may_leave();
    // _follow_first: a new compound, whose reference element is its first
    // until the user chooses one.
    void start(const Catalogue_Editor::Draft &_draft, int _editing, bool _follow_first = false);
    void choose(QTreeWidgetItem *_item);
    void copy_current();
    // Asks for the grams of ten level spoonfuls and fills the teaspoon's
    // figure and source from them.
    void weigh_spoons();
    void save();
    void remove();

    Catalogue_Editor *editor;
    const Type_Fertilizer *compounds;
    QString shipped;
    Current current;

    Catalogue_Editor::Draft draft;
    int editing = -1;
    bool dirty = false;
    bool drawing = false;
    bool target_follows = false;

    QTreeWidget *list;
    QPushButton *new_button;
    QAction *new_actions[Catalogue_Editor::kinds];
    QPushButton *copy_button;
    QPushButton *delete_button;
    QFormLayout *form;
    QLabel *kind_label;
    QLabel *kind;
    QLabel *name_label;
    QLineEdit *name;
    QLabel *target_label;
    QComboBox *target;
    QLabel *source_label;
    QLineEdit *source;
    QLabel *formula_label;
    QLineEdit *formula;
    QLabel *solubility_label;
    QLineEdit *solubility;
    QLabel *solubility_at_label;
    QLineEdit *solubility_at;
    QLabel *teaspoon_label;
    QWidget *teaspoon_row;
    QLineEdit *teaspoon;
    QPushButton *weigh;
    QLabel *teaspoon_source_label;
    QLineEdit *teaspoon_source;
    QLabel *water_label;
    QLineEdit *water;
    QTableWidget *salts;
    QLabel *elements_label;
    QTableWidget *elements;
    QLabel *check;
    QLabel *status;
    QPushButton *save_button;
};

#endif // ROVALIN_EDITOR_WINDOW_H
