// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/plan_log_view.h"

#include "app/table_cells.h"
#include "base/data_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <functional>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

using namespace table_cells;

namespace {

// A date's cell keeps its date under the text, for the calendar to open on.
constexpr int date_role = Qt::UserRole + 2;

class Date_Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *_parent, const QStyleOptionViewItem &,
                          const QModelIndex &) const override
    {
        auto *editor = new QDateEdit(_parent);
        editor->setCalendarPopup(true);
        editor->setDateRange(plan_dates::earliest(), plan_dates::latest());
        editor->setDisplayFormat(Log_Table::tr("dd.MM.yyyy"));
        return editor;
    }
    void setEditorData(QWidget *_editor, const QModelIndex &_index) const override
    {
        static_cast<QDateEdit *>(_editor)->setDate(_index.data(date_role).toDate());
    }
    void setModelData(QWidget *_editor, QAbstractItemModel *_model,
                      const QModelIndex &_index) const override
    {
        _model->setData(_index, static_cast<QDateEdit *>(_editor)->date().toString(Qt::ISODate));
    }
};

// A list to choose from, or to type into where it is editable.
class Choice_Delegate : public QStyledItemDelegate
{
public:
    Choice_Delegate(std::function<QStringList()> _choices, bool _editable, QObject *_parent)
        : QStyledItemDelegate(_parent), choices(std::move(_choices)), editable(_editable)
    {}

    QWidget *createEditor(QWidget *_parent, const QStyleOptionViewItem &,
                          const QModelIndex &) const override
    {
        auto *editor = new QComboBox(_parent);
        editor->setEditable(editable);
        editor->addItems(choices());
        return editor;
    }
    void setEditorData(QWidget *_editor, const QModelIndex &_index) const override
    {
        auto *box = static_cast<QComboBox *>(_editor);
        const QString text = _index.data().toString();
        const int found = box->findText(text);
        if (found >= 0)
            box->setCurrentIndex(found);
        else if (editable)
            box->setEditText(text);
    }
    void setModelData(QWidget *_editor, QAbstractItemModel *_model,
                      const QModelIndex &_index) const override
    {
        _model->setData(_index, static_cast<QComboBox *>(_editor)->currentText());
    }

private:
    std::function<QStringList()> choices;
    bool editable;
};

qreal msecs(const QDate &_from, double _days)
{
    return qreal(_from.addDays(qint64(_days)).startOfDay().toMSecsSinceEpoch());
}

} // namespace

Plan_Log_View::Plan_Log_View(Plan_Book *_book, QWidget *_parent)
    : QWidget(_parent), book(_book), log(_book)
{
    table = table_cells::table(Log_Table::columns(), "plan_log", this);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setItemDelegateForColumn(Log_Table::date_column, new Date_Delegate(table));
    table->setItemDelegateForColumn(
        Log_Table::what_column,
        new Choice_Delegate(
            [] {
                return QStringList{Log_Table::kind_name(false), Log_Table::kind_name(true)};
            },
            false, table));
    table->setItemDelegateForColumn(
        Log_Table::key_column,
        new Choice_Delegate([this] { return log.key_choices(); }, true, table));
    table->setItemDelegateForColumn(Log_Table::value_column, new Full_Figure_Delegate(table));
    auto *remove_shortcut = new QShortcut(QKeySequence::Delete, table);
    remove_shortcut->setObjectName(QStringLiteral("plan_log_remove_shortcut"));
    remove_shortcut->setContext(Qt::WidgetShortcut);

    note = new QLabel(this);
    note->setObjectName(QStringLiteral("plan_log_note"));
    note->setWordWrap(true);
    remove_button = button(QString(), "plan_log_remove", this);
    import_button = button(QString(), "plan_log_import", this);
    export_button = button(QString(), "plan_log_export", this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(remove_button);
    buttons->addStretch();
    buttons->addWidget(import_button);
    buttons->addWidget(export_button);

    auto *logged = new QVBoxLayout;
    logged->addWidget(table, 1);
    logged->addWidget(note);
    logged->addLayout(buttons);

    uptake_label = new QLabel(this);
    uptake_label->setObjectName(QStringLiteral("plan_uptake_label"));
    uptake = table_cells::table(Uptake_Fit::columns(), "plan_uptake", this);
    uptake->setSelectionBehavior(QAbstractItemView::SelectRows);
    uptake->setSelectionMode(QAbstractItemView::SingleSelection);
    model_label = new QLabel(this);
    model_label->setObjectName(QStringLiteral("plan_uptake_model_label"));
    uptake_model = new QComboBox(this);
    uptake_model->setObjectName(QStringLiteral("plan_uptake_model"));
    uptake_model->addItems({QString(), QString()});
    uptake_model->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    model_label->setBuddy(uptake_model);
    use_uptake = new QCheckBox(this);
    use_uptake->setObjectName(QStringLiteral("plan_use_uptake"));
    // A line an element, wrapped to the width there is: a table's rows take
    // their height from their column's width, again at each change of it.
    advice = new QTableWidget(0, 1, this);
    advice->setObjectName(QStringLiteral("plan_advice"));
    advice->horizontalHeader()->hide();
    advice->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    advice->verticalHeader()->hide();
    advice->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    advice->setWordWrap(true);
    advice->setShowGrid(false);
    advice->setSelectionBehavior(QAbstractItemView::SelectRows);
    advice->setSelectionMode(QAbstractItemView::SingleSelection);
    advice->setEditTriggers(QAbstractItemView::NoEditTriggers);
    accept = button(QString(), "plan_advice_accept", this);
    auto *model_row = new QHBoxLayout;
    model_row->addWidget(model_label);
    model_row->addWidget(uptake_model);
    model_row->addStretch();
    model_row->addWidget(use_uptake);
    auto *accept_row = new QHBoxLayout;
    accept_row->addStretch();
    accept_row->addWidget(accept);
    auto *taken = new QVBoxLayout;
    taken->addWidget(uptake_label);
    taken->addWidget(uptake, 1);
    taken->addLayout(model_row);
    taken->addWidget(advice, 1);
    taken->addLayout(accept_row);

    auto *upper = new QWidget(this);
    auto *upper_layout = new QHBoxLayout(upper);
    upper_layout->setContentsMargins(0, 0, 0, 0);
    upper_layout->addLayout(logged, 1);
    upper_layout->addLayout(taken, 1);

    auto *drawing = new QChart;
    drawing->legend()->setAlignment(Qt::AlignRight);
    chart = new QChartView(drawing, this);
    chart->setObjectName(QStringLiteral("plan_log_chart"));
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setMinimumHeight(220);
    auto *x = new QDateTimeAxis;
    x->setObjectName(QStringLiteral("plan_log_dates"));
    drawing->addAxis(x, Qt::AlignBottom);
    drawing->addAxis(new QValueAxis, Qt::AlignLeft);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("plan_log_split"));
    split->addWidget(upper);
    split->addWidget(chart);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(split);
    retranslate();

    connect(table, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *_item) { cell_changed(_item); });
    connect(remove_shortcut, &QShortcut::activated, this, [this] { remove_rows(); });
    connect(remove_button, &QPushButton::clicked, this, [this] { remove_rows(); });
    connect(import_button, &QPushButton::clicked, this, [this] { import_file(); });
    connect(export_button, &QPushButton::clicked, this, [this] { export_file(); });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        remove_button->setEnabled(!book->read_only() && table->selectionModel()->hasSelection());
    });
    connect(uptake->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { redraw_uptake(); });
    connect(uptake_model, qOverload<int>(&QComboBox::activated), this,
            [this](int _model) { choose_model(_model); });
    connect(use_uptake, &QCheckBox::toggled, this, [this](bool _use) {
        book->set_use_uptake(_use);
        emit changed();
    });
    connect(advice, &QTableWidget::currentCellChanged, this, [this] { redraw_uptake(); });
    connect(accept, &QPushButton::clicked, this, [this] {
        if (book->accept_advice(advice->currentRow()))
            emit changed();
    });
}

void Plan_Log_View::retranslate()
{
    table->setHorizontalHeaderLabels(Log_Table::columns());
    table->setToolTip(tr("Дата — когда снято показание или сделана подмена; значение — мг/л "
                         "(GH — °dH), у подмены — сколько процентов воды заменено. N и P — как "
                         "их читают тесты на NO3-N и PO4-P."));
    note->setText(Log_Table::reading_note());
    remove_button->setText(tr("Удалить"));
    import_button->setText(tr("Импорт…"));
    import_button->setToolTip(tr("Записи из файла CSV: date,what,key,value,note"));
    export_button->setText(tr("Экспорт…"));
    export_button->setToolTip(tr("Журнал в файл CSV для таблицы"));
    uptake_label->setText(tr("Потребление: сколько берёт бак, по журналу"));
    uptake->setHorizontalHeaderLabels(Uptake_Fit::columns());
    model_label->setText(tr("Модель:"));
    uptake_model->setItemText(Uptake_Fit::constant, Uptake_Fit::model_name(Uptake_Fit::constant));
    uptake_model->setItemText(Uptake_Fit::proportional,
                              Uptake_Fit::model_name(Uptake_Fit::proportional));
    uptake_model->setToolTip(tr("Постоянное: столько-то мг/л в день, пока есть что брать. "
                                "Пропорциональное: такая-то доля уровня в день, как распадается "
                                "хелат железа на свету."));
    use_uptake->setText(tr("Учитывать потребление"));
    use_uptake->setToolTip(tr("Уровни плана, цвета, пределы, графики и лист — с потреблением, "
                              "найденным по журналу"));
    accept->setText(tr("Принять"));
    accept->setToolTip(tr("Поставить эту дозу в план"));
}

void Plan_Log_View::redraw()
{
    redraw_table();
    redraw_chart();
    redraw_uptake();
}

void Plan_Log_View::redraw_uptake()
{
    const QVector<Uptake_Fit::Result> fits = book->uptake();
    {
        const QSignalBlocker blocker(uptake);
        const QSignalBlocker selection(uptake->selectionModel());
        const Sized_Once sized(uptake);
        uptake->setRowCount(fits.size());
        const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        for (int row = 0; row < fits.size(); ++row) {
            const QStringList texts = Uptake_Fit::texts(fits.at(row));
            for (int column = 0; column < texts.size(); ++column)
                write(cell(uptake, row, column), texts.at(column), shown);
            uptake->item(row, 2)->setToolTip(texts.at(2));
        }
    }
    const int row = uptake->currentRow();
    const bool editable = book->shown() && !book->read_only();
    uptake_model->setEnabled(editable && row >= 0 && row < fits.size() &&
                             uptake->selectionModel()->hasSelection());
    if (row >= 0 && row < fits.size())
        uptake_model->setCurrentIndex(fits.at(row).model);
    {
        const QSignalBlocker blocker(use_uptake);
        use_uptake->setChecked(book->uses_uptake());
        use_uptake->setEnabled(editable);
    }
    const QVector<Plan_Book::Advice> lines = book->advice();
    {
        const QSignalBlocker blocker(advice);
        const int chosen = advice->currentRow();
        QStringList texts;
        for (const Plan_Book::Advice &line : lines)
            texts << line.text;
        QStringList had;
        for (int i = 0; i < advice->rowCount(); ++i)
            had << advice->item(i, 0)->text();
        if (had != texts) {
            advice->setRowCount(texts.size());
            for (int i = 0; i < texts.size(); ++i)
                write(cell(advice, i, 0), texts.at(i), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (chosen >= 0 && chosen < texts.size())
                advice->setCurrentCell(chosen, 0);
        }
    }
    const int line = advice->currentRow();
    accept->setEnabled(editable && line >= 0 && line < lines.size() && lines.at(line).item >= 0);
}

void Plan_Log_View::choose_model(int _model)
{
    // The row's element, as the table shows it: no need to fit again.
    const QTableWidgetItem *element = uptake->item(uptake->currentRow(), 0);
    if (!element)
        return;
    book->set_uptake_model(element->text(), Uptake_Fit::Model(_model));
    emit changed();
}

void Plan_Log_View::redraw_table()
{
    const QSignalBlocker blocker(table);
    const Sized_Once sized(table);
    const bool editable = book->shown() && !book->read_only();
    const QVector<Log_Table::Row> rows = log.rows();
    table->setRowCount(rows.size());
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Qt::ItemFlags typed = editable ? shown | Qt::ItemIsEditable : shown;
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int row = 0; row < rows.size(); ++row) {
        const Log_Table::Row &each = rows.at(row);
        for (int column = 0; column < each.texts.size(); ++column) {
            const bool figures =
                column == Log_Table::prediction_column || column == Log_Table::difference_column;
            const bool no_key = column == Log_Table::key_column && each.change;
            QTableWidgetItem *item = cell(table, row, column);
            // The row to type into shows its date and kind in grey until used.
            const QBrush colour = each.draft && column <= Log_Table::what_column ? grey : QBrush();
            if (column == Log_Table::value_column && !each.texts.at(column).isEmpty())
                write_figure(item, each.texts.at(column), each.value, typed, colour);
            else
                write(item, each.texts.at(column), figures || no_key ? shown : typed, colour);
            if (column == Log_Table::value_column && each.texts.at(column).isEmpty())
                item->setData(full_role, QVariant());
        }
        table->item(row, Log_Table::date_column)->setData(date_role, each.date);
    }
    remove_button->setEnabled(editable && table->selectionModel()->hasSelection());
    import_button->setEnabled(editable);
    export_button->setEnabled(book->shown() && !book->shown()->log.isEmpty());
}

void Plan_Log_View::redraw_chart()
{
    QChart *drawing = chart->chart();
    drawing->removeAllSeries();
    auto *x = qobject_cast<QDateTimeAxis *>(drawing->axes(Qt::Horizontal).value(0));
    auto *y = qobject_cast<QValueAxis *>(drawing->axes(Qt::Vertical).value(0));
    x->setFormat(Log_Table::tr("dd.MM"));
    y->setTitleText(tr("мг/л (GH — °dH)"));
    const Log_Table::Chart drawn = log.chart();
    if (!drawn.from.isValid()) {
        const QDate today = book->today();
        x->setRange(today.startOfDay(), today.addDays(14).startOfDay());
        charts::fit_levels(y, 0);
        return;
    }
    // A day's margin on the left, so that a reading on the first day is not cut in half.
    const int days = int(drawn.from.daysTo(drawn.to)) + 1;
    x->setRange(drawn.from.addDays(-1).startOfDay(), drawn.to.startOfDay());
    x->setTickCount(std::clamp(days / 7 + 1, 2, 9));
    double top = 0;
    const auto add = [&](QXYSeries *_series) {
        drawing->addSeries(_series);
        _series->attachAxis(x);
        _series->attachAxis(y);
    };
    for (const Log_Table::Line &line : drawn.lines) {
        auto *course = new QLineSeries;
        course->setObjectName(line.key);
        course->setName(line.name);
        course->setPen(QPen(charts::colour(line.key), 2));
        for (const QPointF &point : line.course) {
            course->append(msecs(drawn.from, point.x()), point.y());
            top = std::max(top, point.y());
        }
        add(course);
        auto *readings = new QScatterSeries;
        readings->setObjectName(line.key + QStringLiteral("_readings"));
        readings->setName(tr("%1: измерено").arg(Log_Table::key_label(line.key)));
        readings->setColor(charts::colour(line.key));
        readings->setBorderColor(Qt::white);
        readings->setMarkerSize(10);
        for (const QPointF &point : line.readings) {
            readings->append(msecs(drawn.from, point.x()), point.y());
            top = std::max(top, point.y());
        }
        add(readings);
        for (QLegendMarker *marker : drawing->legend()->markers(readings))
            marker->setVisible(false);
    }
    if (!drawn.changes.isEmpty()) {
        auto *changes = new QScatterSeries;
        changes->setObjectName(QStringLiteral("changes"));
        changes->setName(tr("Подмена воды"));
        changes->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        changes->setMarkerSize(8);
        changes->setColor(QColor(90, 90, 90));
        for (const double day : drawn.changes)
            changes->append(msecs(drawn.from, day), 0);
        add(changes);
    }
    charts::fit_levels(y, top);
    if (QGraphicsLayout *layout = drawing->layout())
        layout->activate();
}

void Plan_Log_View::cell_changed(QTableWidgetItem *_item)
{
    log.type(_item->row(), _item->column(), _item->text());
    // What was refused comes back as it was (the window redraws it all),
    // and the status says why.
    emit changed();
}

void Plan_Log_View::remove_rows()
{
    QVector<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() || book->read_only())
        return;
    if (rows.size() > 1 &&
        QMessageBox::question(
            this, tr("Удалить записи"),
            tr("Удалить из журнала записей: %1? Вернуть их будет нельзя.").arg(rows.size()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    log.remove(rows);
    table->clearSelection();
    emit changed();
}

void Plan_Log_View::import_file()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Импорт журнала"),
                                                      document_file(QString(), QString()),
                                                      tr("CSV (*.csv);;Все файлы (*)"));
    if (file.isEmpty())
        return;
    QStringList problems;
    Catalogue_Problems problem(QDir::toNativeSeparators(file), &problems);
    QByteArray content;
    QString why;
    if (!read_catalogue_file(file, problem, content))
        why = problems.join(QLatin1Char('\n'));
    else
        why = log.import(content);
    if (!why.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Импорт журнала"), why, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("plan_log_import_problems"));
        box.exec();
    }
    emit changed();
}

void Plan_Log_View::export_file()
{
    const Dosing_Plan *plan = book->shown();
    if (!plan)
        return;
    QString file = QFileDialog::getSaveFileName(
        this, tr("Экспорт журнала"),
        document_file(tr("%1 — журнал").arg(plan->name), QStringLiteral(".csv")),
        tr("CSV (*.csv)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        file += QStringLiteral(".csv");
    QString error;
    if (!save_whole(file, log.exported(), &error))
        QMessageBox::warning(
            this, tr("Экспорт журнала"),
            tr("Не удалось записать %1: %2.").arg(QDir::toNativeSeparators(file), error));
}
