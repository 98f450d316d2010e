// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_TABLE_CELLS_H
#define ROVALIN_TABLE_CELLS_H

// The pieces the program's own windows are built of: tables whose cells are
// written over in place, spin boxes and buttons with their object names,
// rows of forms.

#include <QBrush>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace table_cells {

// The cell at _row, _column, made where there is none. Cells are written over
// in place, never replaced: a cell may be the one whose change is being
// handled.
inline QTableWidgetItem *cell(QTableWidget *_table, int _row, int _column)
{
    QTableWidgetItem *item = _table->item(_row, _column);
    if (!item) {
        item = new QTableWidgetItem;
        _table->setItem(_row, _column, item);
    }
    return item;
}

inline void write(QTableWidgetItem *_cell, const QString &_text, Qt::ItemFlags _flags,
                  const QBrush &_foreground = QBrush())
{
    _cell->setText(_text);
    _cell->setFlags(_flags);
    _cell->setData(Qt::ForegroundRole,
                   _foreground.style() == Qt::NoBrush ? QVariant() : _foreground);
}

inline QTableWidget *table(const QStringList &_headers, const char *_name, QWidget *_parent)
{
    auto *table = new QTableWidget(0, _headers.size(), _parent);
    table->setObjectName(QLatin1String(_name));
    table->setHorizontalHeaderLabels(_headers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    return table;
}

inline QSpinBox *spin_box(const char *_name, int _bottom, int _top, QWidget *_parent)
{
    auto *box = new QSpinBox(_parent);
    box->setObjectName(QLatin1String(_name));
    box->setRange(_bottom, _top);
    // A value typed counts once it is whole, not at every keystroke.
    box->setKeyboardTracking(false);
    return box;
}

inline QPushButton *button(const QString &_text, const char *_name, QWidget *_parent)
{
    auto *push = new QPushButton(_text, _parent);
    push->setObjectName(QLatin1String(_name));
    push->setAutoDefault(false);
    return push;
}

// A row of _form; its caption is set with the window's other texts.
inline QLabel *form_row(QFormLayout *_form, QWidget *_field)
{
    auto *label = new QLabel;
    label->setBuddy(_field);
    _form->addRow(label, _field);
    return label;
}

} // namespace table_cells

#endif // ROVALIN_TABLE_CELLS_H
