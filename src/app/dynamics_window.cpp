// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dynamics_window.h"

#include "app/charts.h"
#include "app/table_cells.h"
#include "base/message_text.h"
#include "base/number_text.h"
#include "dosing/build_up.h"

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

using message_text::number;

namespace {

const QColor reference_green = charts::reference();

// "вдвое", "в 3.3 раза", "в 10 раз": how many times the limit is the weekly
// figure. The Russian form follows the number, which need not be whole: Qt's
// numerus forms take only whole counts, so the form is picked here.
QString times_phrase(double _ratio)
{
    const double whole = std::round(_ratio);
    if (std::abs(_ratio - whole) < 1e-9 && whole >= 2 && whole <= 4) {
        //: How many times the level is the weekly dose, in «установится %2 выше…».
        return whole == 2   ? Dynamics_Window::tr("вдвое")
               : whole == 3 ? Dynamics_Window::tr("втрое")
                            : Dynamics_Window::tr("вчетверо");
    }
    const double shown = _ratio >= 10 ? std::round(_ratio) : std::round(_ratio * 10) / 10;
    const long long count = static_cast<long long>(shown);
    const bool few = shown != count ||
                     (count % 10 >= 2 && count % 10 <= 4 && (count % 100 < 12 || count % 100 > 14));
    if (few)
        //: How many times the level is the weekly dose: «в 3.3 раза», «в 22 раза».
        return Dynamics_Window::tr("в %1 раза").arg(number(shown));
    //: How many times the level is the weekly dose: «в 5 раз», «в 10 раз».
    return Dynamics_Window::tr("в %1 раз").arg(number(shown));
}

QLabel *caption(const char *_name, QWidget *_parent)
{
    auto *label = new QLabel(_parent);
    label->setObjectName(QLatin1String(_name));
    return label;
}

} // namespace

Dynamics_Window::Dynamics_Window(QWidget *_parent) : QWidget(_parent, Qt::Window)
{
    setObjectName(QStringLiteral("dynamics"));

    water_change = new table_cells::Whole_Spin_Box(this);
    water_change->setObjectName(QStringLiteral("dynamics_water_change"));
    water_change->setRange(1, 100);
    water_change->setValue(50);
    weeks = new table_cells::Whole_Spin_Box(this);
    weeks->setObjectName(QStringLiteral("dynamics_weeks"));
    weeks->setRange(1, 52);
    weeks->setValue(12);
    auto *inputs = new QHBoxLayout;
    water_change_label = caption("dynamics_water_change_label", this);
    water_change_label->setBuddy(water_change);
    weeks_label = caption("dynamics_weeks_label", this);
    weeks_label->setBuddy(weeks);
    inputs->addWidget(water_change_label);
    inputs->addWidget(water_change);
    inputs->addSpacing(24);
    inputs->addWidget(weeks_label);
    inputs->addWidget(weeks);
    inputs->addStretch();

    table = new QTableWidget(0, 4, this);
    table->setObjectName(QStringLiteral("dynamics_table"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setMinimumHeight(150);

    auto *drawing = new QChart;
    drawing->legend()->setAlignment(Qt::AlignRight);
    chart = new QChartView(drawing, this);
    chart->setObjectName(QStringLiteral("dynamics_chart"));
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setMinimumHeight(280);

    model = caption("dynamics_model", this);
    model->setWordWrap(true);
    summary = caption("dynamics_summary", this);
    summary->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(table, 1);
    layout->addWidget(chart, 2);
    layout->addWidget(model);
    layout->addWidget(summary);
    resize(620, 720);
    retranslate();

    const auto changed = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(water_change, changed, this, [this] { redraw(); });
    connect(weeks, changed, this, [this] { redraw(); });
}

void Dynamics_Window::set_figures(const QString &_entry, const QVector<Weekly_Figure> &_figures,
                                  bool _reference)
{
    entry = _entry;
    figures = _figures;
    reference = _reference && !_figures.isEmpty();
    retranslate();
}

void Dynamics_Window::changeEvent(QEvent *_event)
{
    if (_event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(_event);
}

void Dynamics_Window::retranslate()
{
    setWindowTitle(tr("Динамика: %1").arg(entry));
    water_change_label->setText(tr("Подмена воды в неделю, %"));
    weeks_label->setText(tr("Недель"));
    model->setText(tr("Модель: раз в неделю подменяется доля f воды, затем вносится недельная "
                      "доза; новая вода элемента не приносит, растения и фильтр его не берут. "
                      "После n-й дозы уровень равен w × (1 − (1 − f)ⁿ) ÷ f, где w — уровень от "
                      "одной дозы; он стремится к пределу w ÷ f."));
    // The header, the chart's axes and names and the summary are made there.
    redraw();
}

void Dynamics_Window::redraw()
{
    const double change = water_change->value() / 100.0;
    const int count = weeks->value();

    table->setHorizontalHeaderLabels({tr("Элемент"), tr("За неделю, мг/л"),
                                      //: «Через 12 недель, мг/л»: the level after the weeks.
                                      tr("Через %1, мг/л").arg(build_up::weeks(count)),
                                      tr("Предел, мг/л")});
    table->setRowCount(figures.size());
    const QBrush green(reference_green, Qt::SolidPattern);
    for (int row = 0; row < figures.size(); ++row) {
        const Weekly_Figure &figure = figures.at(row);
        const QStringList cells{
            figure.element, number_text::figure(figure.weekly),
            number_text::figure(build_up::level_after(figure.weekly, change, count)),
            number_text::figure(build_up::limit(figure.weekly, change))};
        // Written over in place: a new language or another input keeps the
        // cells the user selected.
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem *item = table_cells::cell(table, row, column);
            item->setText(cells.at(column));
            item->setData(Qt::ForegroundRole, row == 0 && reference ? QVariant(green) : QVariant());
        }
    }

    // One line a element, week 0 to the last; the reference element's last,
    // so that it is drawn over the others, with its limit dashed.
    QChart *drawing = chart->chart();
    const auto [x, y] = charts::start(drawing, tr("Неделя"), count,
                                      count <= 12   ? 1
                                      : count <= 26 ? 2
                                                    : 4,
                                      tr("мг/л"));

    double top = 0;
    QVector<int> order;
    for (int i = reference ? 1 : 0; i < figures.size(); ++i)
        order << i;
    if (reference)
        order << 0;
    for (const int i : order) {
        const Weekly_Figure &figure = figures.at(i);
        auto *line = new QLineSeries;
        line->setName(figure.element);
        if (!reference || i != 0)
            line->setPen(QPen(charts::colour(figure.element), 2));
        for (int week = 0; week <= count; ++week)
            line->append(week, build_up::level_after(figure.weekly, change, week));
        drawing->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        const double limit = build_up::limit(figure.weekly, change);
        if (std::isfinite(limit))
            top = std::max(top, limit);
        if (!reference || i != 0)
            continue;
        line->setPen(QPen(reference_green, 3));
        auto *dashed = new QLineSeries;
        //: The name of the dashed line of the reference element's limit.
        dashed->setName(tr("Предел %1").arg(figure.element));
        dashed->append(0, limit);
        dashed->append(count, limit);
        dashed->setPen(QPen(QBrush(reference_green), 1.5, Qt::DashLine));
        drawing->addSeries(dashed);
        dashed->attachAxis(x);
        dashed->attachAxis(y);
        // The legend names the elements.
        for (QLegendMarker *marker : drawing->legend()->markers(dashed))
            marker->setVisible(false);
    }
    charts::fit_levels(y, top);

    if (figures.isEmpty()) {
        summary->clear();
        return;
    }
    // Whole sentences, for a translation to order as its language does.
    const QString percent = QString::number(water_change->value());
    QString text;
    if (!reference && change == 1) {
        text = tr("При подмене %1 % воды в неделю уровень каждого элемента остаётся равным его "
                  "недельной дозе.")
                   .arg(percent);
    } else if (!reference) {
        text = tr("При подмене %1 % воды в неделю уровень каждого элемента установится %2 выше "
                  "его недельной дозы.")
                   .arg(percent, times_phrase(1 / change));
    } else {
        const QString &element = figures.first().element;
        const QString limit = number_text::figure(build_up::limit(figures.first().weekly, change));
        if (change == 1)
            text = tr("При подмене %1 % воды в неделю уровень %2 остаётся равным недельной "
                      "дозе, %3 мг/л.")
                       .arg(percent, element, limit);
        else
            text = tr("При подмене %1 % воды в неделю уровень %2 установится около %3 мг/л — "
                      "%4 выше недельной дозы.")
                       .arg(percent, element, limit, times_phrase(1 / change));
    }
    summary->setText(text);
}
