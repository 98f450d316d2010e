// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/charts.h"

#include <QGraphicsLayout>
#include <QPen>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <iterator>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace charts {

namespace {

struct Key_Colour
{
    const char *key;
    QColor colour;
};

// Each ion a lighter shade of its element's colour.
const Key_Colour key_colours[] = {
    {"N", QColor(31, 90, 180)},     {"NO3", QColor(110, 165, 230)}, {"P", QColor(200, 40, 40)},
    {"PO4", QColor(240, 135, 125)}, {"K", QColor(240, 130, 20)},    {"Fe", QColor(135, 80, 45)},
    {"Mg", QColor(145, 90, 190)},   {"Ca", QColor(100, 100, 100)},  {"GH", QColor(220, 90, 170)},
    {"S", QColor(185, 150, 0)},     {"SO4", QColor(215, 190, 80)},  {"Cl", QColor(20, 150, 185)},
    {"Na", QColor(170, 170, 170)},  {"B", QColor(60, 60, 140)},     {"Mn", QColor(165, 30, 100)},
    {"Zn", QColor(0, 95, 125)},     {"Cu", QColor(205, 105, 60)},   {"Mo", QColor(90, 40, 110)}};

// For the keys without a colour of their own.
const QColor other_colours[] = {QColor(40, 40, 40),   QColor(175, 135, 215), QColor(160, 60, 20),
                                QColor(95, 120, 175), QColor(190, 95, 125),  QColor(120, 95, 70)};

// The chart's value axis on the _alignment side, made the first time.
QValueAxis *value_axis(QChart *_chart, Qt::Alignment _alignment)
{
    for (QAbstractAxis *axis : _chart->axes()) {
        auto *value = qobject_cast<QValueAxis *>(axis);
        if (value && axis->alignment() == _alignment)
            return value;
    }
    auto *made = new QValueAxis;
    _chart->addAxis(made, _alignment);
    return made;
}

// The axes kept and set anew where they differ. A removed axis would stay
// drawn until control goes back to the event loop: Qt Charts hides its
// element, but its labels, title and grid are not the element's children.
std::pair<QValueAxis *, QValueAxis *> axes(QChart *_chart, const QString &_time, int _last,
                                           int _tick, const QString &_level)
{
    QValueAxis *x = value_axis(_chart, Qt::AlignBottom);
    x->setTitleText(_time);
    const QString whole = QStringLiteral("%d");
    if (x->labelFormat() != whole)
        x->setLabelFormat(whole);
    x->setRange(0, _last);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(_tick);
    QValueAxis *y = value_axis(_chart, Qt::AlignLeft);
    y->setTitleText(_level);
    return {x, y};
}

} // namespace

QColor reference()
{
    return QColor(85, 170, 127);
}

QColor colour(const QString &_key)
{
    for (const Key_Colour &each : key_colours) {
        if (_key == QLatin1String(each.key))
            return each.colour;
    }
    // The same in every run, which qHash, seeded anew, is not.
    unsigned sum = 0;
    for (const QChar character : _key)
        sum = sum * 31 + character.unicode();
    return other_colours[sum % std::size(other_colours)];
}

std::pair<QValueAxis *, QValueAxis *> start(QChart *_chart, const QString &_time, int _last,
                                            int _tick, const QString &_level)
{
    _chart->removeAllSeries();
    return axes(_chart, _time, _last, _tick, _level);
}

void fit_levels(QValueAxis *_axis, double _top)
{
    // Worked out on an axis of its own and set where it differs: a range or
    // a tick count set, even back to what it was, lays the chart out again.
    // Qt's first count: the nice numbers change it, and start from it.
    QValueAxis fitted;
    fitted.setTickCount(5);
    fitted.setRange(0, _top > 0 ? _top * 1.05 : 1);
    fitted.applyNiceNumbers();
    if (_axis->min() != fitted.min() || _axis->max() != fitted.max())
        _axis->setRange(fitted.min(), fitted.max());
    _axis->setTickCount(fitted.tickCount());
}

void draw(QChart *_chart, const QString &_time, int _last, int _tick, const QString &_level,
          const QVector<Line> &_lines)
{
    const auto [x, y] = axes(_chart, _time, _last, _tick, _level);
    const QList<QAbstractSeries *> drawn = _chart->series();
    int kept = 0;
    while (kept < drawn.size() && kept < _lines.size() &&
           qobject_cast<QLineSeries *>(drawn.at(kept)) &&
           drawn.at(kept)->objectName() == _lines.at(kept).key)
        ++kept;
    for (int i = kept; i < drawn.size(); ++i) {
        _chart->removeSeries(drawn.at(i));
        delete drawn.at(i);
    }
    double top = 0;
    for (int i = 0; i < _lines.size(); ++i) {
        const Line &line = _lines.at(i);
        for (const QPointF &point : line.points)
            top = std::max(top, point.y());
        if (i < kept) {
            auto *series = static_cast<QLineSeries *>(drawn.at(i));
            if (series->name() != line.name)
                series->setName(line.name);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
            if (series->pointsVector() != line.points)
#else
            if (series->points() != line.points)
#endif
                series->replace(line.points);
            continue;
        }
        auto *series = new QLineSeries;
        series->setObjectName(line.key);
        series->setName(line.name);
        series->setPen(QPen(colour(line.key), 2));
        series->replace(line.points);
        _chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    fit_levels(y, top);
    // Laid out now, before the lines are painted: once the paint had come
    // first, a new range or legend would paint the chart a second time.
    if (QGraphicsLayout *layout = _chart->layout())
        layout->activate();
}

} // namespace charts
