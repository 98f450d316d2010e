// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/plan_window.h"

#include "app/charts.h"
#include "app/plan_bands.h"
#include "app/plan_log_view.h"
#include "app/plan_sheet.h"
#include "app/table_cells.h"
#include "base/data_file.h"
#include "base/message_text.h"
#include "base/number_text.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <algorithm>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

using namespace table_cells;

namespace {

// Where a level lies against its target: below in the blue of the computed
// answers, within in the green of the names, above in orange; over a
// livestock's ceiling in red.
const QColor above_orange(230, 120, 30);
const QColor ceiling_red(204, 0, 0);

QBrush standing_colour(Plan_Book::Standing _standing)
{
    switch (_standing) {
    case Plan_Book::below:
        return QColor(85, 85, 255);
    case Plan_Book::within:
        return QColor(85, 170, 127);
    case Plan_Book::above:
        return above_orange;
    case Plan_Book::no_range:
        break;
    }
    return QBrush();
}

// The items' columns: name, kind, weekly dose, unit, Monday … Sunday, each
// dose, the same in spoons.
constexpr int weekly_column = 2;
constexpr int monday_column = 4;
constexpr int per_dose_column = monday_column + 7;
constexpr int spoons_column = per_dose_column + 1;

QLabel *caption(const char *_name, QWidget *_buddy, QWidget *_parent)
{
    auto *label = new QLabel(_parent);
    label->setObjectName(QLatin1String(_name));
    label->setBuddy(_buddy);
    return label;
}

} // namespace

Plan_Window::Plan_Window(const Plan_Catalogues &_catalogues, QWidget *_parent,
                         const QString &_folder)
    : QWidget(_parent, Qt::Window), book(_catalogues, _folder)
{
    setObjectName(QStringLiteral("plan"));
    build();
    book.open();
    redraw();
}

void Plan_Window::build()
{
    choice = new QComboBox(this);
    choice->setObjectName(QStringLiteral("plan_choice"));
    choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    choice->setMinimumContentsLength(16);
    new_button = button(QString(), "plan_new", this);
    rename_button = button(QString(), "plan_rename", this);
    delete_button = button(QString(), "plan_delete", this);
    copy_button = button(QString(), "plan_copy", this);
    print_button = button(QString(), "plan_print", this);
    pdf_button = button(QString(), "plan_pdf", this);
    choice_label = caption("plan_choice_label", choice, this);
    auto *plans = new QHBoxLayout;
    plans->addWidget(choice_label);
    plans->addWidget(choice);
    plans->addWidget(new_button);
    plans->addWidget(rename_button);
    plans->addWidget(delete_button);
    plans->addStretch();
    plans->addWidget(copy_button);
    plans->addWidget(print_button);
    plans->addWidget(pdf_button);

    tank = spin_box("plan_tank", plan_limits::tank_min, plan_limits::tank_max, this);
    water_change = spin_box("plan_water_change", 0, plan_limits::percent_max, this);
    change_every =
        spin_box("plan_change_every", plan_limits::every_min, plan_limits::every_max, this);
    change_day = new QComboBox(this);
    change_day->setObjectName(QStringLiteral("plan_change_day"));
    // The weekdays' names come with the other texts.
    for (int day = 0; day < 7; ++day)
        change_day->addItem(QString());
    start = new QDateEdit(this);
    start->setObjectName(QStringLiteral("plan_start"));
    start->setCalendarPopup(true);
    start->setDateRange(plan_dates::earliest(), plan_dates::latest());
    next_change = new QLabel(this);
    next_change->setObjectName(QStringLiteral("plan_next_change"));
    weeks = spin_box("plan_weeks", plan_limits::weeks_min, plan_limits::weeks_max, this);
    auto *settings = new QHBoxLayout;
    const auto add_setting = [&](const char *_name, QWidget *_field) {
        QLabel *label = caption(_name, _field, this);
        settings->addWidget(label);
        settings->addWidget(_field);
        settings->addSpacing(12);
        return label;
    };
    tank_label = add_setting("plan_tank_label", tank);
    water_change_label = add_setting("plan_water_change_label", water_change);
    change_every_label = add_setting("plan_change_every_label", change_every);
    change_day_label = add_setting("plan_change_day_label", change_day);
    start_label = add_setting("plan_start_label", start);
    weeks_label = add_setting("plan_weeks_label", weeks);
    settings->addStretch();

    method = new QComboBox(this);
    method->setObjectName(QStringLiteral("plan_method"));
    method->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    method_water = button(QString(), "plan_method_water", this);
    livestock = new QComboBox(this);
    livestock->setObjectName(QStringLiteral("plan_livestock"));
    livestock->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *reading = new QHBoxLayout;
    method_label = caption("plan_method_label", method, this);
    livestock_label = caption("plan_livestock_label", livestock, this);
    reading->addWidget(method_label);
    reading->addWidget(method);
    reading->addWidget(method_water);
    reading->addSpacing(12);
    reading->addWidget(livestock_label);
    reading->addWidget(livestock);
    reading->addStretch();

    items = table(Plan_Book::item_columns(), "plan_items", this);
    items->setSelectionBehavior(QAbstractItemView::SelectRows);
    items->setSelectionMode(QAbstractItemView::ExtendedSelection);
    remove_button = button(QString(), "plan_remove", this);
    auto *remove_shortcut = new QShortcut(QKeySequence::Delete, items);
    remove_shortcut->setObjectName(QStringLiteral("plan_remove_shortcut"));
    remove_shortcut->setContext(Qt::WidgetShortcut);
    auto *left = new QVBoxLayout;
    items_label = caption("plan_items_label", items, this);
    left->addWidget(items_label);
    left->addWidget(items, 1);
    auto *under_items = new QHBoxLayout;
    under_items->addWidget(remove_button);
    under_items->addStretch();
    left->addLayout(under_items);

    // An element and its mg/l; the headers come with the other texts.
    water = table({QString(), QString()}, "plan_water", this);
    water_label = caption("plan_water_label", water, this);
    auto *right = new QVBoxLayout;
    right->addWidget(water_label);
    right->addWidget(water, 1);
    auto *middle = new QHBoxLayout;
    middle->addLayout(left, 3);
    middle->addLayout(right, 1);

    totals = table(Plan_Book::total_columns(), "plan_totals", this);
    totals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *drawing = new QChart;
    drawing->legend()->setAlignment(Qt::AlignRight);
    chart = new QChartView(drawing, this);
    chart->setObjectName(QStringLiteral("plan_chart"));
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setMinimumHeight(260);
    bands = new Plan_Bands(this);
    auto *bands_page = new QScrollArea(this);
    bands_page->setObjectName(QStringLiteral("plan_bands_page"));
    bands_page->setWidget(bands);
    bands_page->setWidgetResizable(true);
    bands_page->setFrameShape(QFrame::NoFrame);
    views = new QTabWidget(this);
    views->setObjectName(QStringLiteral("plan_views"));
    views->addTab(chart, QString());
    views->addTab(bands_page, QString());
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(totals, 2);
    bottom->addWidget(views, 3);
    auto *plan_page = new QWidget(this);
    plan_page->setObjectName(QStringLiteral("plan_page"));
    auto *plan_layout = new QVBoxLayout(plan_page);
    plan_layout->setContentsMargins(0, 0, 0, 0);
    plan_layout->addLayout(middle, 2);
    plan_layout->addLayout(bottom, 3);
    log_view = new Plan_Log_View(&book, this);
    log_view->setObjectName(QStringLiteral("plan_log_page"));
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("plan_pages"));
    pages->addTab(plan_page, QString());
    pages->addTab(log_view, QString());
    // Beside the tabs, on either of them.
    pages->setCornerWidget(next_change, Qt::TopRightCorner);

    warnings = new QLabel(this);
    warnings->setObjectName(QStringLiteral("plan_warnings"));
    warnings->setWordWrap(true);
    warnings->setTextFormat(Qt::PlainText);
    QPalette red = warnings->palette();
    red.setColor(QPalette::WindowText, ceiling_red);
    warnings->setPalette(red);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("plan_status"));
    status->setWordWrap(true);
    status->setTextFormat(Qt::PlainText);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(plans);
    layout->addLayout(settings);
    layout->addLayout(reading);
    layout->addWidget(pages, 1);
    layout->addWidget(warnings);
    layout->addWidget(status);
    resize(1100, 760);
    retranslate();

    const auto changed = QOverload<int>::of(&QSpinBox::valueChanged);
    const auto chosen = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(choice, chosen, this, [this](int _index) {
        book.set_current(_index);
        redraw();
    });
    connect(method, chosen, this, [this](int _index) {
        book.set_method(method->itemData(_index).toString());
        redraw_reading();
        redraw_figures();
        show_status();
    });
    connect(livestock, chosen, this, [this](int _index) {
        book.set_livestock(livestock->itemData(_index).toString());
        redraw_reading();
        redraw_figures();
        show_status();
    });
    connect(method_water, &QPushButton::clicked, this, [this] {
        book.use_method_water();
        redraw();
    });
    connect(print_button, &QPushButton::clicked, this, [this] { print(); });
    connect(pdf_button, &QPushButton::clicked, this, [this] { save_pdf(); });
    connect(new_button, &QPushButton::clicked, this, [this] { new_plan(); });
    connect(rename_button, &QPushButton::clicked, this, [this] { rename_plan(); });
    connect(delete_button, &QPushButton::clicked, this, [this] { delete_plan(); });
    connect(copy_button, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(book.as_text(kind_names)); });
    // A setting changed: into the book, then the figures that follow from it.
    const auto setting = [this](auto *_field, auto _signal, void (Plan_Book::*_set)(int),
                                bool _chart_only) {
        connect(_field, _signal, this, [this, _set, _chart_only](int _value) {
            (book.*_set)(_value);
            if (_chart_only)
                redraw_chart();
            else
                redraw_figures();
            show_status();
        });
    };
    setting(tank, changed, &Plan_Book::set_tank, false);
    setting(water_change, changed, &Plan_Book::set_change_percent, false);
    setting(change_every, changed, &Plan_Book::set_change_every, false);
    // The change day and the start move each other.
    connect(change_day, chosen, this, [this](int _weekday) {
        book.set_change_day(_weekday);
        redraw_dates();
        redraw_figures();
        show_status();
    });
    connect(start, &QDateEdit::dateChanged, this, [this](const QDate &_date) {
        book.set_start(_date);
        redraw_dates();
        redraw_figures();
        show_status();
    });
    // The log moves the fit, and with uptake in use every level.
    connect(log_view, &Plan_Log_View::changed, this, [this] {
        redraw_figures();
        redraw_dates();
        show_status();
    });
    setting(weeks, changed, &Plan_Book::set_weeks, true);
    connect(items, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *_item) { item_changed(_item); });
    connect(water, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *_item) { water_changed(_item); });
    connect(totals, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *_item) { totals_changed(_item); });
    connect(remove_button, &QPushButton::clicked, this, [this] { remove_items(); });
    connect(remove_shortcut, &QShortcut::activated, this, [this] { remove_items(); });
    connect(items->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        remove_button->setEnabled(!book.read_only() && items->selectionModel()->hasSelection());
    });
}

void Plan_Window::retranslate()
{
    new_button->setText(tr("Новый…"));
    rename_button->setText(tr("Переименовать…"));
    delete_button->setText(tr("Удалить…"));
    copy_button->setText(tr("Копировать"));
    copy_button->setToolTip(tr("План целиком как текст с табуляциями: для таблицы или форума"));
    print_button->setText(tr("Печать…"));
    print_button->setToolTip(tr("Лист для аквариума: неделя по дням, итоги и этикетки бутылок"));
    pdf_button->setText(tr("Сохранить PDF…"));
    pdf_button->setToolTip(print_button->toolTip());
    choice_label->setText(tr("План"));
    tank_label->setText(tr("Аквариум, л"));
    water_change_label->setText(tr("Подмена воды, %"));
    change_every_label->setText(tr("каждые, дней"));
    change_day_label->setText(tr("первая в"));
    start_label->setText(tr("с"));
    start->setDisplayFormat(tr("dd.MM.yyyy"));
    start->setToolTip(tr("День первой подмены воды: от него план считает дни, а журнал — даты"));
    for (int day = 0; day < 7; ++day)
        change_day->setItemText(day, Plan_Book::weekday(day));
    weeks_label->setText(tr("Недель на графике"));
    method_label->setText(tr("Сравнить с методом"));
    method_water->setText(tr("Подмена как в методе"));
    livestock_label->setText(tr("Пределы для"));
    items_label->setText(tr("Что вносится за неделю"));
    items->setHorizontalHeaderLabels(Plan_Book::item_columns());
    remove_button->setText(tr("Убрать"));
    water_label->setText(tr("Новая вода приносит"));
    water->setHorizontalHeaderLabels({tr("Элемент"), tr("мг/л")});
    water->setToolTip(tr("Что приносит новая вода: по анализу водопровода или по рецепту "
                         "реминерализации осмоса. NO3, PO4 и SO4 считаются как их N, P и S."));
    totals->setToolTip(tr("Отмеченные элементы показаны на графике"));
    views->setTabText(0, tr("Уровни по дням"));
    views->setTabText(1, tr("Цели метода"));
    pages->setTabText(0, tr("План"));
    pages->setTabText(1, tr("Журнал"));
    log_view->retranslate();
}

void Plan_Window::changeEvent(QEvent *_event)
{
    if (_event->type() == QEvent::LanguageChange) {
        retranslate();
        // The title, the method and livestock lists' first lines, the items'
        // names and notes, the totals' header, the warnings, the chart's
        // axes and the status are the book's texts or made with them.
        redraw();
    }
    QWidget::changeEvent(_event);
}

void Plan_Window::set_kind_names(const QStringList &_names)
{
    kind_names = _names;
    redraw_items();
}

void Plan_Window::add_calculation(const Plan_Item &_item, int _tank)
{
    const int shown = book.current();
    const int plans = book.plans().size();
    const int row = book.add_calculation(_item, _tank);
    // Into the plan on show: its items and what follows from them. Into
    // another one, that plan is shown, and drawn whole.
    if (book.current() == shown && book.plans().size() == plans) {
        redraw_items();
        redraw_figures();
        show_status();
    } else {
        redraw();
    }
    if (row < 0)
        return;
    // Through the selection itself: selectRow() looks for the row at the
    // header's left edge, which a window not yet shown does not have.
    items->setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    items->scrollToItem(items->item(row, 0));
}

bool Plan_Window::may_quit()
{
    return table_cells::saved_before_quitting(
        this, [this] { return book.unsaved(); },
        [this] {
            present();
            return tr("%1\n\nСохранить ещё раз перед выходом?").arg(book.save_problem());
        },
        [this] {
            book.save_again();
            show_status();
        });
}

void Plan_Window::present()
{
    if (!presented) {
        // The first time, within the screen the main window is on.
        presented = true;
        const QWindow *main = parentWidget() ? parentWidget()->window()->windowHandle() : nullptr;
        if (const QScreen *shown_on = main ? main->screen() : QGuiApplication::primaryScreen())
            resize(size().boundedTo(shown_on->availableGeometry().size() * 0.95));
    }
    show();
    raise();
    activateWindow();
}

void Plan_Window::redraw()
{
    const Dosing_Plan *plan = book.shown();
    const bool editable = plan && !book.read_only();
    {
        const QSignalBlocker blocker(choice);
        QStringList names;
        for (const Dosing_Plan &each : book.plans())
            names << each.name;
        QStringList shown;
        for (int i = 0; i < choice->count(); ++i)
            shown << choice->itemText(i);
        if (names != shown) {
            choice->clear();
            choice->addItems(names);
        }
        choice->setCurrentIndex(book.current());
    }
    const Dosing_Plan defaults;
    const Dosing_Plan &settings = plan ? *plan : defaults;
    for (const auto &[box, value] : {std::pair<QSpinBox *, int>{tank, settings.tank},
                                     {water_change, settings.change_percent},
                                     {change_every, settings.change_every},
                                     {weeks, settings.weeks}}) {
        const QSignalBlocker blocker(box);
        // A spin box set to its own value paints itself again all the same.
        if (box->value() != value)
            box->setValue(value);
        box->setEnabled(editable);
    }
    redraw_dates();
    choice->setEnabled(!book.plans().isEmpty());
    new_button->setEnabled(!book.read_only());
    rename_button->setEnabled(editable);
    delete_button->setEnabled(editable);
    copy_button->setEnabled(plan);
    print_button->setEnabled(plan);
    pdf_button->setEnabled(plan);
    redraw_reading();
    water->setEditTriggers(editable ? QAbstractItemView::AllEditTriggers
                                    : QAbstractItemView::NoEditTriggers);
    setWindowTitle(plan ? tr("План внесения: %1").arg(plan->name) : tr("План внесения"));
    redraw_items();
    redraw_water();
    redraw_figures();
    show_status();
}

void Plan_Window::redraw_dates()
{
    const Dosing_Plan *plan = book.shown();
    const bool editable = plan && !book.read_only();
    {
        const QSignalBlocker blocker(change_day);
        change_day->setCurrentIndex(plan ? plan->change_day : Dosing_Plan().change_day);
        change_day->setEnabled(editable);
    }
    {
        const QSignalBlocker blocker(start);
        const QDate date = plan && plan->start.isValid() ? plan->start : book.today();
        if (start->date() != date)
            start->setDate(date);
        start->setEnabled(editable);
    }
    next_change->setText(log_view->model().next_change());
    next_change->setVisible(plan);
}

void Plan_Window::redraw_items()
{
    const QSignalBlocker blocker(items);
    const Sized_Once sized(items);
    const Dosing_Plan *plan = book.shown();
    const bool editable = plan && !book.read_only();
    const int rows = plan ? plan->items.size() : 0;
    items->setRowCount(rows);
    const QStringList kinds{"premix", "diy", "diy_sol"};
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int row = 0; row < rows; ++row) {
        const Plan_Item &item = plan->items.at(row);
        const Item_Figures::State state = book.state(row);
        const QString note = book.item_note(row);
        const bool changeable = editable && state != Item_Figures::missing;
        const QBrush foreground = state == Item_Figures::usable ? QBrush() : grey;
        QString name = book.item_name(item);
        if (!note.isEmpty())
            name += QStringLiteral(" — ") + note;
        write(cell(items, row, 0), name, shown, foreground);
        cell(items, row, 0)->setToolTip(note);
        write(cell(items, row, 1), kind_names.value(kinds.indexOf(item.kind), item.kind), shown,
              foreground);
        write_figure(cell(items, row, weekly_column), Plan_Book::weekly(item), item.weekly,
                     changeable ? shown | Qt::ItemIsEditable : shown, foreground);
        write(cell(items, row, 3), Plan_Book::unit(item), shown, foreground);
        for (int day = 0; day < 7; ++day) {
            QTableWidgetItem *box = cell(items, row, monday_column + day);
            write(box, QString(), changeable ? shown | Qt::ItemIsUserCheckable : shown, foreground);
            box->setCheckState(item.dosed_on(day) ? Qt::Checked : Qt::Unchecked);
        }
        write(cell(items, row, per_dose_column), Plan_Book::per_dose(item), shown, foreground);
        write(cell(items, row, spoons_column), book.spoons(item), shown, foreground);
        cell(items, row, spoons_column)->setToolTip(book.spoons_tip(item));
    }
    remove_button->setEnabled(editable && items->selectionModel()->hasSelection());
}

void Plan_Window::redraw_water()
{
    const QSignalBlocker blocker(water);
    const Sized_Once sized(water);
    const Dosing_Plan *plan = book.shown();
    const bool editable = plan && !book.read_only();
    const int rows = plan ? plan->water.size() : 0;
    // One empty row to type a new element into.
    water->setRowCount(rows + (editable ? 1 : 0));
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Qt::ItemFlags typed = editable ? shown | Qt::ItemIsEditable : shown;
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int row = 0; row < rows; ++row) {
        const Water_Figure &figure = plan->water.at(row);
        write(cell(water, row, 0), figure.key, typed);
        // A figure beyond the limits, as an earlier version may have kept it,
        // counts for nothing until it is corrected.
        const bool within = plan_limits::water_within(figure.mg_per_l);
        QTableWidgetItem *mg = cell(water, row, 1);
        write_figure(mg,
                     figure.mg_per_l < 1e12
                         ? number_text::figure(figure.mg_per_l)
                         : QStringLiteral("> %1").arg(number_text::figure(plan_limits::water_max)),
                     figure.mg_per_l, typed, within ? QBrush() : grey);
        mg->setToolTip(within ? QString()
                              : tr("Больше %1 мг/л: не учитывается, пока не исправлено.")
                                    .arg(number_text::figure(plan_limits::water_max)));
    }
    if (editable) {
        // Its figure follows once it names an element.
        write(cell(water, rows, 0), QString(), typed);
        write(cell(water, rows, 1), QString(), shown);
    }
}

void Plan_Window::redraw_figures()
{
    {
        const QSignalBlocker blocker(totals);
        const Sized_Once sized(totals);
        const QVector<Plan_Total> rows = book.totals();
        const QStringList drawn = book.chart();
        const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        const Qt::ItemFlags first = book.read_only() ? shown : shown | Qt::ItemIsUserCheckable;
        // The method's targets in a column of their own, while there is one.
        QStringList headers = Plan_Book::total_columns(book.uses_uptake());
        if (book.method())
            headers << tr("Цель, мг/л");
        totals->setColumnCount(headers.size());
        totals->setHorizontalHeaderLabels(headers);
        totals->setRowCount(rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            const Plan_Total &total = rows.at(row);
            QTableWidgetItem *name = cell(totals, row, 0);
            write(name, total.label, first);
            name->setData(Qt::UserRole, total.key);
            name->setCheckState(drawn.contains(total.key) ? Qt::Checked : Qt::Unchecked);
            write(cell(totals, row, 1), number_text::figure(total.input.weekly()), shown);
            for (const bool high : {false, true}) {
                const double level = high ? total.band.high : total.band.low;
                QBrush colour;
                if (high && book.over_ceiling(total))
                    colour = ceiling_red;
                else if (!total.band.bounded)
                    colour = book.standing(total.key, level) == Plan_Book::no_range
                                 ? QBrush()
                                 : QBrush(above_orange);
                else
                    colour = standing_colour(book.standing(total.key, level));
                write(cell(totals, row, high ? 3 : 2), Plan_Book::band_text(total.band, high),
                      shown, colour);
            }
            if (book.method())
                write(cell(totals, row, 4), book.target_text(total.key), shown);
        }
    }
    const QStringList lines = book.warnings();
    warnings->setText(lines.join(QLatin1Char('\n')));
    warnings->setVisible(!lines.isEmpty());
    bands->set_rows(book.band_rows());
    redraw_chart();
    // The predictions follow the totals.
    log_view->redraw();
    next_change->setText(log_view->model().next_change());
}

void Plan_Window::redraw_reading()
{
    const Dosing_Plan *plan = book.shown();
    const bool editable = plan && !book.read_only();
    const Dosing_Targets &targets = book.targets();
    {
        const QSignalBlocker blocker(method);
        method->clear();
        method->addItem(tr("Без сравнения"));
        // Shown in the language in use, kept by the name the file gives.
        for (const Dosing_Method &each : targets.methods)
            method->addItem(each.shown_name(), each.name);
        const Dosing_Method *chosen = book.method();
        method->setCurrentIndex(chosen ? method->findData(chosen->name) : 0);
        // Why there is nothing to compare with, or where the figures come from.
        method->setToolTip(!book.targets_problems().isEmpty() ? book.targets_problems()
                           : chosen                           ? chosen->source
                                                              : QString());
        method->setEnabled(editable);
    }
    {
        const QSignalBlocker blocker(livestock);
        livestock->clear();
        livestock->addItem(tr("Без ограничений"));
        for (const Livestock &each : targets.livestock)
            livestock->addItem(each.shown_name(), each.name);
        const Livestock *chosen = book.animals();
        livestock->setCurrentIndex(chosen ? livestock->findData(chosen->name) : 0);
        livestock->setToolTip(chosen ? chosen->source : QString());
        livestock->setEnabled(editable);
    }
    const Dosing_Method *chosen = book.method();
    method_water->setEnabled(editable && chosen &&
                             (chosen->change_percent >= 0 || chosen->change_every > 0));
}

void Plan_Window::redraw_chart()
{
    const Dosing_Plan *plan = book.shown();
    const int days = 7 * (plan ? plan->weeks : Dosing_Plan().weeks);
    QVector<charts::Line> lines;
    if (plan) {
        const QStringList drawn = book.chart();
        const plan_levels::Regime regime = Plan_Totals::regime(*plan);
        for (const Plan_Total &total : book.totals()) {
            if (drawn.contains(total.key))
                lines.append({total.key, total.label,
                              plan_levels::course(total.input, regime, days, total.uptake)});
        }
    }
    charts::draw(chart->chart(), tr("День"), days,
                 days <= 84    ? 7
                 : days <= 182 ? 14
                               : 28,
                 tr("мг/л"), lines);
}

void Plan_Window::show_status()
{
    status->setText(book.status());
    status->setVisible(!status->text().isEmpty());
}

void Plan_Window::item_changed(QTableWidgetItem *_item)
{
    const int row = _item->row();
    const int column = _item->column();
    if (column == weekly_column)
        book.type_weekly(row, _item->text());
    else if (column >= monday_column && column < per_dose_column)
        book.set_day(row, column - monday_column, _item->checkState() == Qt::Checked);
    // What was refused comes back as it was, and the status says why.
    redraw_items();
    redraw_figures();
    show_status();
}

void Plan_Window::water_changed(QTableWidgetItem *_item)
{
    book.type_water(_item->row(), _item->column(), _item->text());
    // What was refused comes back as it was, and the status says why.
    redraw_water();
    redraw_figures();
    show_status();
}

void Plan_Window::totals_changed(QTableWidgetItem *_item)
{
    if (_item->column() != 0)
        return;
    QStringList keys;
    for (int row = 0; row < totals->rowCount(); ++row) {
        if (totals->item(row, 0)->checkState() == Qt::Checked)
            keys << totals->item(row, 0)->data(Qt::UserRole).toString();
    }
    book.set_chart(keys);
    redraw_chart();
    show_status();
}

void Plan_Window::new_plan()
{
    const int litres = book.shown() ? book.shown()->tank : Dosing_Plan().tank;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Новый план"), tr("Название плана:"),
                                               QLineEdit::Normal, book.unused_name(litres), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    book.add_plan(name, litres);
    redraw();
}

void Plan_Window::rename_plan()
{
    const Dosing_Plan *plan = book.shown();
    if (!plan)
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Переименовать план"), tr("Название плана:"),
                              QLineEdit::Normal, plan->name, &ok)
            .trimmed();
    if (!ok || name.isEmpty())
        return;
    book.rename_plan(name);
    redraw();
}

void Plan_Window::delete_plan()
{
    const Dosing_Plan *plan = book.shown();
    if (!plan)
        return;
    const auto answer = QMessageBox::question(
        this, tr("Удалить план"),
        tr("Удалить план «%1» со всем, что в нём вносится? Вернуть его будет нельзя.")
            .arg(plan->name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    book.remove_plan();
    redraw();
}

void Plan_Window::remove_items()
{
    QVector<int> rows;
    for (const QModelIndex &index : items->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty())
        return;
    book.remove_items(rows);
    items->clearSelection();
    redraw_items();
    redraw_figures();
    show_status();
}

void Plan_Window::print()
{
    if (!book.shown())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(book.shown()->name);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("plan_print_dialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print_sheet(&printer, book.sheet()))
        QMessageBox::warning(this, tr("Печать"), tr("Не удалось напечатать лист."));
}

void Plan_Window::save_pdf()
{
    if (!book.shown())
        return;
    QString file = QFileDialog::getSaveFileName(
        this, tr("Сохранить PDF"),
        table_cells::document_file(book.shown()->name, QStringLiteral(".pdf")), tr("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    // Drawn in memory and saved whole: written straight to the file, a write
    // that failed would leave it short, and the PDF engine would not say so.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(book.shown()->name);
        drawn = print_sheet(&writer, book.sheet());
    }
    QString error;
    if (!drawn || !save_whole(file, pdf.data(), &error))
        QMessageBox::warning(this, tr("Сохранить PDF"),
                             tr("Не удалось записать %1.").arg(QDir::toNativeSeparators(file)));
}

void Plan_Window::set_targets(const Dosing_Targets &_targets, const QString &_problems)
{
    book.set_targets(_targets, _problems);
    redraw();
}
