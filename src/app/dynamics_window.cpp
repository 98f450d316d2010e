// SPDX-License-Identifier: GPL-3.0-or-later

#include "dynamics_window.h"

#include "build_up.h"
#include "charts.h"
#include "message_text.h"

#include <QBrush>
#include <QColor>
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

// "вдвое", "в 3.3 раза", "в 10 раз": how many times the limit is the weekly figure.
QString times_phrase(double _ratio)
{
    const double whole = std::round(_ratio);
    if (std::abs(_ratio - whole) < 1e-9 && whole >= 2 && whole <= 4)
        return whole == 2   ? QStringLiteral("вдвое")
               : whole == 3 ? QStringLiteral("втрое")
                            : QStringLiteral("вчетверо");
    const double shown = _ratio >= 10 ? std::round(_ratio) : std::round(_ratio * 10) / 10;
    const long long count = static_cast<long long>(shown);
    const bool few = shown != count ||
                     (count % 10 >= 2 && count % 10 <= 4 && (count % 100 < 12 || count % 100 > 14));
    return QStringLiteral("в ") + number(shown) +
           (few ? QStringLiteral(" раза") : QStringLiteral(" раз"));
}

QLabel *caption(const QString &_text, const char *_name, QWidget *_parent)
{
    auto *label = new QLabel(_text, _parent);
    label->setObjectName(QLatin1String(_name));
    return label;
}

} // namespace

Dynamics_Window::Dynamics_Window(QWidget *_parent) : QWidget(_parent, Qt::Window)
{
    setObjectName(QStringLiteral("dynamics"));

    water_change = new QSpinBox(this);
    water_change->setObjectName(QStringLiteral("dynamics_water_change"));
    water_change->setRange(1, 100);
    water_change->setValue(50);
    weeks = new QSpinBox(this);
    weeks->setObjectName(QStringLiteral("dynamics_weeks"));
    weeks->setRange(1, 52);
    weeks->setValue(12);
    auto *inputs = new QHBoxLayout;
    QLabel *water_caption =
        caption(QStringLiteral("Подмена воды в неделю, %"), "dynamics_water_change_label", this);
    water_caption->setBuddy(water_change);
    QLabel *weeks_caption = caption(QStringLiteral("Недель"), "dynamics_weeks_label", this);
    weeks_caption->setBuddy(weeks);
    inputs->addWidget(water_caption);
    inputs->addWidget(water_change);
    inputs->addSpacing(24);
    inputs->addWidget(weeks_caption);
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

    QLabel *model = caption(
        QStringLiteral("Модель: раз в неделю подменяется доля f воды, затем вносится недельная "
                       "доза; новая вода элемента не приносит, растения и фильтр его не берут. "
                       "После n-й дозы уровень равен w × (1 − (1 − f)ⁿ) ÷ f, где w — уровень от "
                       "одной дозы; он стремится к пределу w ÷ f."),
        "dynamics_model", this);
    model->setWordWrap(true);
    summary = caption(QString(), "dynamics_summary", this);
    summary->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(table, 1);
    layout->addWidget(chart, 2);
    layout->addWidget(model);
    layout->addWidget(summary);
    resize(620, 720);

    const auto changed = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(water_change, changed, this, [this] { redraw(); });
    connect(weeks, changed, this, [this] { redraw(); });
}

void Dynamics_Window::set_figures(const QString &_entry, const QVector<Weekly_Figure> &_figures,
                                  bool _reference)
{
    setWindowTitle(QStringLiteral("Динамика: ") + _entry);
    figures = _figures;
    reference = _reference && !_figures.isEmpty();
    redraw();
}

void Dynamics_Window::redraw()
{
    const double change = water_change->value() / 100.0;
    const int count = weeks->value();

    table->setHorizontalHeaderLabels(
        {QStringLiteral("Элемент"), QStringLiteral("За неделю, мг/л"),
         QStringLiteral("Через %1 %2, мг/л").arg(count).arg(build_up::weeks_word(count)),
         QStringLiteral("Предел, мг/л")});
    table->setRowCount(figures.size());
    const QBrush green(reference_green, Qt::SolidPattern);
    for (int row = 0; row < figures.size(); ++row) {
        const Weekly_Figure &figure = figures.at(row);
        const QStringList cells{figure.element, number(figure.weekly),
                                number(build_up::level_after(figure.weekly, change, count)),
                                number(build_up::limit(figure.weekly, change))};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (row == 0 && reference)
                item->setForeground(green);
            table->setItem(row, column, item);
        }
    }

    // One line a element, week 0 to the last; the reference element's last,
    // so that it is drawn over the others, with its limit dashed.
    QChart *drawing = chart->chart();
    const auto [x, y] = charts::start(drawing, QStringLiteral("Неделя"), count,
                                      count <= 12   ? 1
                                      : count <= 26 ? 2
                                                    : 4,
                                      QStringLiteral("мг/л"));

    double top = 0;
    QVector<int> order;
    for (int i = reference ? 1 : 0; i < figures.size(); ++i)
        order << i;
    if (reference)
        order << 0;
    int colour = 0;
    for (const int i : order) {
        const Weekly_Figure &figure = figures.at(i);
        auto *line = new QLineSeries;
        line->setName(figure.element);
        if (!reference || i != 0)
            line->setPen(QPen(charts::other(colour++), 2));
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
        dashed->setName(QStringLiteral("Предел ") + figure.element);
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
    QString text = QStringLiteral("При подмене %1 % воды в неделю ").arg(water_change->value());
    if (!reference) {
        text += QStringLiteral("уровень каждого элемента ") +
                (change == 1 ? QStringLiteral("остаётся равным его недельной дозе.")
                             : QStringLiteral("установится ") + times_phrase(1 / change) +
                                   QStringLiteral(" выше его недельной дозы."));
    } else {
        const QString limit = number(build_up::limit(figures.first().weekly, change));
        text += QStringLiteral("уровень ") + figures.first().element +
                (change == 1
                     ? QStringLiteral(" остаётся равным недельной дозе, ") + limit +
                           QStringLiteral(" мг/л.")
                     : QStringLiteral(" установится около ") + limit + QStringLiteral(" мг/л — ") +
                           times_phrase(1 / change) + QStringLiteral(" выше недельной дозы."));
    }
    summary->setText(text);
}
