// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/editor_window.h"

#include "app/table_cells.h"
#include "base/message_text.h"
#include "base/number_text.h"
#include "chemistry/compound.h"
#include "chemistry/teaspoon.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using message_text::number;

namespace {

constexpr int kind_role = Qt::UserRole;
constexpr int index_role = Qt::UserRole + 1;

QLineEdit *line(const char *_name, QWidget *_parent)
{
    auto *edit = new QLineEdit(_parent);
    edit->setObjectName(QLatin1String(_name));
    return edit;
}

// Its headers are set with the other texts.
QTableWidget *pairs(const char *_name, QWidget *_parent)
{
    auto *table = new QTableWidget(0, 2, _parent);
    table->setObjectName(QLatin1String(_name));
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    return table;
}

// The rows of a two-column table, and one empty row to type into after them.
void fill(QTableWidget *_table, const QVector<QPair<QString, QString>> &_rows, bool _editable)
{
    const QSignalBlocker blocker(_table);
    _table->setRowCount(_rows.size() + (_editable ? 1 : 0));
    const Qt::ItemFlags flags = _editable
                                    ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Written over in place, so that the selection stays.
    for (int row = 0; row < _table->rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem *cell = table_cells::cell(_table, row, column);
            cell->setText(row < _rows.size()
                              ? (column == 0 ? _rows.at(row).first : _rows.at(row).second)
                              : QString());
            cell->setFlags(flags);
        }
    }
}

QVector<QPair<QString, QString>> rows_of(const QTableWidget *_table)
{
    QVector<QPair<QString, QString>> rows;
    for (int row = 0; row < _table->rowCount(); ++row) {
        const QString first = _table->item(row, 0) ? _table->item(row, 0)->text() : QString();
        const QString second = _table->item(row, 1) ? _table->item(row, 1)->text() : QString();
        if (!first.trimmed().isEmpty() || !second.trimmed().isEmpty())
            rows.append({first, second});
    }
    return rows;
}

// A row typed into the empty last row gets a new empty row below it.
void keep_a_free_row(QTableWidget *_table)
{
    const int last = _table->rowCount() - 1;
    const bool used = last < 0 ||
                      (_table->item(last, 0) && !_table->item(last, 0)->text().isEmpty()) ||
                      (_table->item(last, 1) && !_table->item(last, 1)->text().isEmpty());
    if (!used)
        return;
    const QSignalBlocker blocker(_table);
    _table->insertRow(last + 1);
    for (int column = 0; column < 2; ++column) {
        auto *cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        _table->setItem(last + 1, column, cell);
    }
}

} // namespace

Editor_Window::Editor_Window(Catalogue_Editor *_entries, const Type_Fertilizer *_compounds,
                             const QString &_shipped, Current _current, QWidget *_parent)
    : QWidget(_parent, Qt::Window), editor(_entries), compounds(_compounds), shipped(_shipped),
      current(std::move(_current))
{
    setObjectName(QStringLiteral("editor"));
    build();
    editor->open();
    redraw_list();
    start(Catalogue_Editor::blank(Catalogue_Editor::product), -1);
    dirty = false;
    show_check();
}

void Editor_Window::show_rows(Catalogue_Editor::Kind _kind)
{
    // A hidden row of a form still takes its spacing: the other kinds' rows
    // are taken out instead, their widgets kept.
    constexpr int shared = 4;
    while (form->rowCount() > shared) {
        const QFormLayout::TakeRowResult row = form->takeRow(shared);
        for (QLayoutItem *item : {row.labelItem, row.fieldItem}) {
            if (item && item->widget())
                item->widget()->hide();
            delete item;
        }
    }
    const auto add = [this](QLabel *_label, QWidget *_field) {
        if (_label) {
            form->addRow(_label, _field);
            _label->show();
        } else {
            form->addRow(_field);
        }
        _field->show();
    };
    if (_kind == Catalogue_Editor::compound) {
        add(formula_label, formula);
        add(solubility_label, solubility);
        add(solubility_at_label, solubility_at);
        add(teaspoon_label, teaspoon_row);
        add(teaspoon_source_label, teaspoon_source);
    } else if (_kind == Catalogue_Editor::recipe) {
        add(water_label, water);
        add(nullptr, salts);
    }
}

void Editor_Window::build()
{
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("editor_list"));
    list->setHeaderHidden(true);
    list->setMinimumWidth(220);
    new_button = new QPushButton(this);
    new_button->setObjectName(QStringLiteral("editor_new"));
    auto *kinds = new QMenu(new_button);
    kinds->setObjectName(QStringLiteral("editor_new_menu"));
    const char *const action_names[] = {"editor_new_product", "editor_new_compound",
                                        "editor_new_recipe"};
    for (int kind_index = 0; kind_index < Catalogue_Editor::kinds; ++kind_index) {
        const auto made = Catalogue_Editor::Kind(kind_index);
        QAction *action = kinds->addAction(QString());
        action->setObjectName(QLatin1String(action_names[made]));
        connect(action, &QAction::triggered, this, [this, made] {
            if (may_leave())
                start(Catalogue_Editor::blank(made), -1, made == Catalogue_Editor::compound);
        });
        new_actions[made] = action;
    }
    new_button->setMenu(kinds);
    copy_button = new QPushButton(this);
    copy_button->setObjectName(QStringLiteral("editor_copy"));
    delete_button = new QPushButton(this);
    delete_button->setObjectName(QStringLiteral("editor_delete"));
    auto *left = new QVBoxLayout;
    left->addWidget(list, 1);
    left->addWidget(new_button);
    left->addWidget(copy_button);
    left->addWidget(delete_button);

    kind = new QLabel(this);
    kind->setObjectName(QStringLiteral("editor_kind"));
    name = line("editor_name", this);
    target = new QComboBox(this);
    target->setObjectName(QStringLiteral("editor_target"));
    source = line("editor_source", this);
    // One form for every kind, its captions in one column; each kind's own
    // rows follow the four they share (see show_rows).
    formula = line("editor_formula", this);
    solubility = line("editor_solubility", this);
    solubility_at = line("editor_solubility_at", this);
    teaspoon = line("editor_teaspoon", this);
    weigh = new QPushButton(this);
    weigh->setObjectName(QStringLiteral("editor_weigh"));
    teaspoon_row = new QWidget(this);
    auto *spoon_layout = new QHBoxLayout(teaspoon_row);
    spoon_layout->setContentsMargins(0, 0, 0, 0);
    spoon_layout->addWidget(teaspoon, 1);
    spoon_layout->addWidget(weigh);
    teaspoon_source = line("editor_teaspoon_source", this);
    water = line("editor_water", this);
    salts = pairs("editor_salts", this);
    form = new QFormLayout;
    kind_label = table_cells::form_row(form, kind);
    name_label = table_cells::form_row(form, name);
    target_label = table_cells::form_row(form, target);
    source_label = table_cells::form_row(form, source);
    formula_label = table_cells::form_row(form, formula);
    solubility_label = table_cells::form_row(form, solubility);
    solubility_at_label = table_cells::form_row(form, solubility_at);
    teaspoon_label = table_cells::form_row(form, teaspoon_row);
    teaspoon_label->setBuddy(teaspoon);
    teaspoon_source_label = table_cells::form_row(form, teaspoon_source);
    water_label = table_cells::form_row(form, water);
    form->addRow(salts);

    elements_label = new QLabel(this);
    elements_label->setObjectName(QStringLiteral("editor_elements_label"));
    // Its headers follow the draft's kind.
    elements = pairs("editor_elements", this);
    check = new QLabel(this);
    check->setObjectName(QStringLiteral("editor_check"));
    check->setWordWrap(true);
    check->setTextFormat(Qt::PlainText);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("editor_status"));
    status->setWordWrap(true);
    status->setTextFormat(Qt::PlainText);
    save_button = new QPushButton(this);
    save_button->setObjectName(QStringLiteral("editor_save"));
    save_button->setDefault(true);

    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(elements_label);
    right->addWidget(elements, 1);
    right->addWidget(check);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_button);
    right->addLayout(buttons);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(status);
    resize(820, 620);
    retranslate();

    for (QLineEdit *edit :
         {name, source, formula, solubility, solubility_at, teaspoon, teaspoon_source, water})
        connect(edit, &QLineEdit::textEdited, this, [this] { changed(); });
    // Only the user changes it: the check fills it with its signals blocked.
    connect(target, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        target_follows = false;
        changed();
    });
    for (QTableWidget *table : {salts, elements})
        connect(table, &QTableWidget::itemChanged, this, [this, table] {
            keep_a_free_row(table);
            changed();
        });
    connect(list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *_item) { choose(_item); });
    connect(copy_button, &QPushButton::clicked, this, [this] { copy_current(); });
    connect(weigh, &QPushButton::clicked, this, [this] { weigh_spoons(); });
    connect(delete_button, &QPushButton::clicked, this, [this] { remove(); });
    connect(save_button, &QPushButton::clicked, this, [this] { save(); });
}

namespace {

QStringList group_names()
{
    return {Editor_Window::tr("Готовые удобрения"), Editor_Window::tr("Вещества"),
            Editor_Window::tr("Рецепты")};
}

// The entry a question names: by the name typed, else by the one it is kept
// under (the name was erased); empty for a new entry with no name yet.
QString named(const Catalogue_Editor &_editor, const Catalogue_Editor::Draft &_draft, int _index)
{
    const QString typed = _draft.name.trimmed();
    return !typed.isEmpty() || _index < 0 ? typed : _editor.draft(_draft.kind, _index).name;
}

} // namespace

void Editor_Window::retranslate()
{
    setWindowTitle(tr("Мои удобрения"));
    new_button->setText(tr("Новая запись"));
    new_actions[Catalogue_Editor::product]->setText(tr("Готовое удобрение"));
    new_actions[Catalogue_Editor::compound]->setText(tr("Вещество"));
    new_actions[Catalogue_Editor::recipe]->setText(tr("Рецепт"));
    copy_button->setText(tr("Изменить копию"));
    copy_button->setToolTip(tr("Копия записи, выбранной в главном окне, в ваш файл: так "
                               "исправляют цифры из поставки"));
    delete_button->setText(tr("Удалить…"));
    kind_label->setText(tr("Вид:"));
    name_label->setText(tr("Название:"));
    target_label->setText(tr("Опорный элемент:"));
    source_label->setText(tr("Источник:"));
    source->setToolTip(tr("Откуда цифры: этикетка, страница производителя, справочник"));
    formula_label->setText(tr("Формула:"));
    formula->setToolTip(tr("Например KNO3 или MgSO4·7H2O: доли элементов считаются по формуле"));
    solubility_label->setText(tr("Растворимость, г/л:"));
    solubility_at_label->setText(tr("при температуре, °C:"));
    teaspoon_label->setText(tr("Чайная ложка, г:"));
    teaspoon->setToolTip(tr("Граммы в ровной чайной ложке (5 мл): по ним план и подбор рецепта "
                            "пишут дозы ложками"));
    weigh->setText(tr("Взвесить 10 ложек"));
    weigh->setToolTip(tr("Вес десяти ровных ложек на кухонных весах вернее любой цифры из "
                         "справочников: крупность кристаллов меняет его вдвое"));
    teaspoon_source_label->setText(tr("Откуда вес ложки:"));
    water_label->setText(tr("Вода, мл:"));
    salts->setHorizontalHeaderLabels({tr("Вещество или формула"), tr("Граммы")});
    salts->setToolTip(tr("Название вещества из списка «Самомес» или его формула"));
    save_button->setText(tr("Сохранить"));
    // The groups renamed in place: the entry chosen and the scroll stay.
    const QStringList groups = group_names();
    for (int made = 0; made < list->topLevelItemCount() && made < groups.size(); ++made)
        list->topLevelItem(made)->setText(0, groups.at(made));
}

void Editor_Window::changeEvent(QEvent *_event)
{
    if (_event->type() == QEvent::LanguageChange) {
        retranslate();
        kind->setText(kind_text());
        // The check's lines, the elements' caption and header, the reference
        // element's «нет» and the status: the editor's texts.
        show_check();
    }
    QWidget::changeEvent(_event);
}

void Editor_Window::present()
{
    show();
    raise();
    activateWindow();
}

void Editor_Window::redraw_list()
{
    const QSignalBlocker blocker(list);
    list->clear();
    const QStringList groups = group_names();
    for (int made = 0; made < Catalogue_Editor::kinds; ++made) {
        auto *group = new QTreeWidgetItem(list, {groups.at(made)});
        group->setFlags(Qt::ItemIsEnabled);
        const QStringList names = editor->names(Catalogue_Editor::Kind(made));
        for (int i = 0; i < names.size(); ++i) {
            auto *item = new QTreeWidgetItem(group, {names.at(i)});
            item->setData(0, kind_role, made);
            item->setData(0, index_role, i);
            if (made == draft.kind && i == editing)
                list->setCurrentItem(item);
        }
        group->setExpanded(true);
    }
    delete_button->setEnabled(editing >= 0);
}

void Editor_Window::start(const Catalogue_Editor::Draft &_draft, int _editing, bool _follow_first)
{
    draft = _draft;
    editing = _editing;
    target_follows = _follow_first;
    // A new entry, or a copy not yet in the file, has something to save.
    dirty = _editing < 0;
    redraw_list();
    show_draft();
}

void Editor_Window::show_draft()
{
    drawing = true;
    kind->setText(kind_text());
    name->setText(draft.name);
    source->setText(draft.source);
    formula->setText(draft.formula);
    solubility->setText(draft.solubility);
    solubility_at->setText(draft.solubility_at);
    teaspoon->setText(draft.teaspoon);
    teaspoon_source->setText(draft.teaspoon_source);
    water->setText(draft.water);
    show_rows(draft.kind);
    fill(salts, draft.salts, true);
    fill(elements, draft.elements,
         draft.kind != Catalogue_Editor::recipe && draft.formula.trimmed().isEmpty());
    drawing = false;
    show_check();
}

QString Editor_Window::kind_text() const
{
    const QStringList kinds{tr("готовое удобрение"), tr("вещество"), tr("рецепт")};
    return kinds.at(draft.kind) + (editing < 0 ? tr(", новая запись") : QString());
}

void Editor_Window::changed()
{
    if (drawing)
        return;
    draft.name = name->text();
    draft.source = source->text();
    draft.target = target->currentData().toString();
    draft.formula = formula->text();
    draft.solubility = solubility->text();
    draft.solubility_at = solubility_at->text();
    draft.teaspoon = teaspoon->text();
    draft.teaspoon_source = teaspoon_source->text();
    draft.water = water->text();
    draft.salts = rows_of(salts);
    const bool typed = draft.kind != Catalogue_Editor::recipe && draft.formula.trimmed().isEmpty();
    const bool was_typed = elements->editTriggers() != QAbstractItemView::NoEditTriggers;
    if (typed && was_typed)
        draft.elements = rows_of(elements);
    else if (typed)
        fill(elements, draft.elements, true);
    dirty = true;
    show_check();
}

void Editor_Window::show_check()
{
    const Catalogue_Editor::Check checked = editor->check(draft, editing, *compounds);
    check->setText(checked.lines.join(QLatin1Char('\n')));
    check->setVisible(!checked.lines.isEmpty());
    save_button->setEnabled(checked.savable && dirty);

    // What the entry gives, worked out, where the figures are not typed.
    const bool typed = draft.kind != Catalogue_Editor::recipe && draft.formula.trimmed().isEmpty();
    elements->setEditTriggers(typed ? QAbstractItemView::AllEditTriggers
                                    : QAbstractItemView::NoEditTriggers);
    const bool fractions = draft.kind == Catalogue_Editor::compound;
    elements->setHorizontalHeaderLabels({tr("Элемент"), fractions ? tr("Доля") : tr("мг/мл")});
    elements_label->setText(
        typed
            ? (fractions ? tr("Доли элементов (0.25 — это 25 %):") : tr("Содержание, мг на мл:"))
            : (fractions ? tr("Доли элементов по формуле:") : tr("Содержание бутылки, мг на мл:")));
    if (!typed) {
        QVector<QPair<QString, QString>> shown;
        for (const Element &element : checked.figures)
            shown.append({element.name, number(element.value)});
        fill(elements, shown, false);
    }

    // The reference element: one of the entry's own.
    QStringList choices;
    for (const Element &element : checked.figures)
        choices << element.name;
    if (typed) {
        for (const auto &[key, figure] : draft.elements)
            if (!key.trimmed().isEmpty() && !choices.contains(key.trimmed()))
                choices << key.trimmed();
    }
    // A new compound's reference element: the first row of its table, until
    // the user chooses one.
    if (target_follows) {
        draft.target.clear();
        if (!typed && !checked.figures.isEmpty())
            draft.target = checked.figures.first().name;
        for (int row = 0; typed && row < draft.elements.size() && draft.target.isEmpty(); ++row)
            draft.target = draft.elements.at(row).first.trimmed();
    }
    if (!draft.target.isEmpty() && !choices.contains(draft.target))
        choices << draft.target;
    {
        const QSignalBlocker blocker(target);
        target->clear();
        target->addItem(tr("нет"), QString());
        for (const QString &choice : choices)
            target->addItem(choice, choice);
        target->setCurrentIndex(std::max(0, target->findData(draft.target)));
    }
    status->setText(editor->status());
    status->setVisible(!status->text().isEmpty());
}

bool Editor_Window::has_changes() const
{
    return dirty && !(editing < 0 && draft.name.trimmed().isEmpty() && draft.elements.isEmpty() &&
                      draft.salts.isEmpty() && draft.formula.isEmpty());
}

bool Editor_Window::may_quit()
{
    if (!has_changes())
        return true;
    present();
    return may_leave();
}

bool Editor_Window::may_leave()
{
    if (!has_changes())
        return true;
    const QString name = named(*editor, draft, editing);
    const auto answer = QMessageBox::question(
        this, tr("Мои удобрения"),
        name.isEmpty() ? tr("Сохранить изменения в новую запись?")
                       : tr("Сохранить изменения в «%1»?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save) {
        save();
        return !dirty;
    }
    return true;
}

void Editor_Window::choose(QTreeWidgetItem *_item)
{
    if (!_item || !_item->data(0, kind_role).isValid())
        return;
    const auto made = Catalogue_Editor::Kind(_item->data(0, kind_role).toInt());
    const int index = _item->data(0, index_role).toInt();
    if (made == draft.kind && index == editing)
        return;
    if (!may_leave()) {
        redraw_list();
        return;
    }
    start(editor->draft(made, index), index);
    dirty = false;
    show_check();
}

void Editor_Window::copy_current()
{
    // Asked first: saving the draft reads the catalogues again, and the main
    // window's entry with them.
    if (!current || !may_leave())
        return;
    Catalogue_Editor::Kind made = Catalogue_Editor::product;
    const Compound *entry = current(&made);
    if (!entry)
        return;
    int index = -1;
    const Catalogue_Editor::Draft copied = editor->copy(made, *entry, shipped, &index);
    start(copied, index);
}

void Editor_Window::weigh_spoons()
{
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("editor_weigh_dialog"));
    ask.setWindowTitle(tr("Взвесить 10 ложек"));
    ask.setLabelText(tr("Насыпьте 10 ровных чайных ложек (с горкой не годится: это на четверть "
                        "и больше) на кухонные весы.\nСколько граммов они весят?"));
    if (ask.exec() != QDialog::Accepted)
        return;
    double grams = 0;
    QString figure;
    QString said;
    if (!number_text::read(ask.textValue(), &grams) ||
        !Catalogue_Editor::weighed(grams, QDate::currentDate(), &figure, &said)) {
        QMessageBox::warning(
            this, tr("Взвесить 10 ложек"),
            tr("«%1» — не вес десяти ровных ложек: нужно число граммов больше 0 "
               "и до %2.")
                .arg(ask.textValue().trimmed(), number_text::figure(10 * Teaspoon::most_grams)));
        return;
    }
    teaspoon->setText(figure);
    teaspoon_source->setText(said);
    changed();
}

bool Editor_Window::may_save_into(QWidget *_parent, Catalogue_Editor *_entries,
                                  Catalogue_Editor::Kind _kind)
{
    if (_entries->unreadable(_kind).isEmpty())
        return true;
    return QMessageBox::question(_parent, _parent->windowTitle(), _entries->afresh_question(_kind),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes &&
           _entries->start_afresh(_kind);
}

void Editor_Window::save()
{
    if (!may_save_into(this, editor, draft.kind)) {
        show_check();
        return;
    }
    // A copy that corrects a shipped entry says what it changed, first in its source.
    Catalogue_Editor::Draft noted = draft;
    noted.source = Catalogue_Editor::noted_source(draft, shipped);
    const int index = editor->save(noted, editing, *compounds);
    if (index >= 0) {
        editing = index;
        draft = editor->draft(draft.kind, index);
        dirty = false;
        redraw_list();
        show_draft();
        emit saved();
    } else {
        show_check();
    }
}

void Editor_Window::remove()
{
    if (editing < 0)
        return;
    const auto answer =
        QMessageBox::question(this, tr("Удалить запись"),
                              tr("Удалить вашу запись «%1»? Вернуть её будет нельзя.")
                                  .arg(named(*editor, draft, editing)),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (editor->remove(draft.kind, editing)) {
        start(Catalogue_Editor::blank(draft.kind), -1);
        dirty = false;
        show_check();
        emit saved();
    } else {
        show_check();
    }
}
