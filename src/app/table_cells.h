// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_TABLE_CELLS_H
#define ROVALIN_TABLE_CELLS_H

// The pieces the program's own windows are built of: tables whose cells are
// written over in place, spin boxes and buttons with their object names,
// rows of forms.

#include <QBrush>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyledItemDelegate>
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

// Writes over what differs only: a cell set to what it holds already tells
// the view nothing, so that a table drawn again lays out and paints only the
// cells that changed. (Qt compares the data a cell is given, not its flags.)
inline void write(QTableWidgetItem *_cell, const QString &_text, Qt::ItemFlags _flags,
                  const QBrush &_foreground = QBrush())
{
    _cell->setText(_text);
    if (_cell->flags() != _flags)
        _cell->setFlags(_flags);
    _cell->setData(Qt::ForegroundRole,
                   _foreground.style() == Qt::NoBrush ? QVariant() : _foreground);
}

// A figure a cell shows rounded and its editor gives in full: the cell's text
// is what the user reads, the number under it what the user corrects.
constexpr int full_role = Qt::UserRole + 1;

inline void write_figure(QTableWidgetItem *_cell, const QString &_shown, double _full,
                         Qt::ItemFlags _flags, const QBrush &_foreground = QBrush())
{
    write(_cell, _shown, _flags, _foreground);
    _cell->setData(full_role, QString::number(_full, 'g', QLocale::FloatingPointShortest));
}

// Opens a cell's editor with its figure in full where it has one.
class Full_Figure_Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget *_editor, const QModelIndex &_index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(_editor);
        const QVariant full = _index.data(full_role);
        if (line && full.isValid())
            line->setText(full.toString());
        else
            QStyledItemDelegate::setEditorData(_editor, _index);
    }
};

inline QTableWidget *table(const QStringList &_headers, const char *_name, QWidget *_parent)
{
    auto *table = new QTableWidget(0, _headers.size(), _parent);
    table->setObjectName(QLatin1String(_name));
    table->setHorizontalHeaderLabels(_headers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setItemDelegate(new Full_Figure_Delegate(table));
    return table;
}

// While it lives, _table's columns keep their widths; they are fitted to
// their contents once, when it ends. Without it, a table of table() fits
// them after every cell that changes, each time measuring every cell.
class Sized_Once
{
public:
    explicit Sized_Once(QTableWidget *_table) : header(_table->horizontalHeader())
    {
        header->setSectionResizeMode(QHeaderView::Interactive);
    }
    ~Sized_Once() { header->setSectionResizeMode(QHeaderView::ResizeToContents); }
    Sized_Once(const Sized_Once &) = delete;
    Sized_Once &operator=(const Sized_Once &) = delete;

private:
    QHeaderView *header;
};

// Where a spin box's number stands in _text: after its prefix, before its
// suffix.
inline std::pair<int, int> number_span(const QString &_text, const QString &_prefix,
                                       const QString &_suffix)
{
    const int start = _text.startsWith(_prefix) ? int(_prefix.size()) : 0;
    const int end = !_suffix.isEmpty() && _text.endsWith(_suffix)
                        ? int(_text.size() - _suffix.size())
                        : int(_text.size());
    return {start, std::max(start, end)};
}

// Whether _number is digits, with a sign before them and _separators
// (those counted in _found) among them, blanks around.
inline bool plain_number(const QString &_number, const QString &_separators, int *_found)
{
    *_found = 0;
    const QString text = _number.trimmed();
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (_separators.contains(c))
            ++*_found;
        else if ((c < QLatin1Char('0') || c > QLatin1Char('9')) &&
                 !(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return false;
    }
    return true;
}

// A spin box of whole numbers that takes digits only: a separator typed is
// refused as a letter is, never read as a group of thousands ("1,5" is no 15).
class Whole_Spin_Box : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &_input, int &_pos) const override
    {
        const auto [start, end] = number_span(_input, prefix(), suffix());
        int separators = 0;
        if (!plain_number(_input.mid(start, end - start), QString(), &separators))
            return QValidator::Invalid;
        return QSpinBox::validate(_input, _pos);
    }
};

// A spin box of decimals that takes a point or a comma as the decimal
// separator whatever the locale, as Russian users type it, and no other:
// never both, never a group of thousands.
class Decimal_Spin_Box : public QDoubleSpinBox
{
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QValidator::State validate(QString &_input, int &_pos) const override
    {
        if (!as_locale(_input))
            return QValidator::Invalid;
        return QDoubleSpinBox::validate(_input, _pos);
    }

    double valueFromText(const QString &_text) const override
    {
        QString text = _text;
        as_locale(text);
        return QDoubleSpinBox::valueFromText(text);
    }

private:
    // Writes the separator typed as the locale's decimal separator; false
    // for anything but a plain number with at most one.
    bool as_locale(QString &_text) const
    {
        const auto [start, end] = number_span(_text, prefix(), suffix());
        QString number = _text.mid(start, end - start);
        int separators = 0;
        if (!plain_number(number, QStringLiteral(".,"), &separators) || separators > 1)
            return false;
        const QString point(locale().decimalPoint());
        number.replace(QLatin1Char('.'), point).replace(QLatin1Char(','), point);
        _text = _text.left(start) + number + _text.mid(end);
        return true;
    }
};

inline QSpinBox *spin_box(const char *_name, int _bottom, int _top, QWidget *_parent)
{
    auto *box = new Whole_Spin_Box(_parent);
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

// Where a file dialog suggests saving _name with _suffix (".pdf"): in the
// documents folder, or at home where there is none (a dialog given a folder
// that is not there shows its name as the file's); the characters no file
// name may hold made dashes.
inline QString document_file(QString _name, const QString &_suffix)
{
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        _name.replace(c, QLatin1Char('-'));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QDir(folder).exists() ? folder : QDir::homePath()).filePath(_name + _suffix);
}

// Before quitting while _unsaved() says a save could not write: asks over
// _window with _question(), which brings the window to the front; «Сохранить»
// runs _save and asks again while it still fails. True once saved or let go,
// false to stay.
template <typename Unsaved, typename Question, typename Save>
bool saved_before_quitting(QWidget *_window, Unsaved _unsaved, Question _question, Save _save)
{
    while (_unsaved()) {
        const auto answer = QMessageBox::warning(
            _window, _window->windowTitle(), _question(),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Discard)
            return true;
        _save();
    }
    return true;
}

} // namespace table_cells

#endif // ROVALIN_TABLE_CELLS_H
