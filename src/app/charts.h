// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_CHARTS_H
#define ROVALIN_CHARTS_H

// What the build-up and the plan windows' charts of levels over time share:
// their colours and their axes; and the plan's lines, drawn again in place.

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

#include <utility>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
namespace QtCharts {
class QChart;
class QChartView;
class QValueAxis;
} // namespace QtCharts
using QtCharts::QChart;
using QtCharts::QChartView;
using QtCharts::QValueAxis;
#else
class QChart;
class QChartView;
class QValueAxis;
#endif

namespace charts {

// The green of the messages' names, for a reference element.
QColor reference();
// The line of an element, ion or the hardness ("K", "NO3", "GH"): one colour
// for each key, the same in every plan and run, never the reference green.
QColor colour(const QString &_key);

// Takes every line off _chart and gives it a time axis, _time from 0 to _last
// with a tick every _tick, and a level axis, _level; returns them. The axes
// are those of the last call, set anew.
std::pair<QValueAxis *, QValueAxis *> start(QChart *_chart, const QString &_time, int _last,
                                            int _tick, const QString &_level);

// The level axis from 0 to a round number above _top.
void fit_levels(QValueAxis *_axis, double _top);

// A line of levels: its key (its colour, and how it is known when the chart
// is drawn again), its name in the legend and its points.
struct Line
{
    QString key;
    QString name;
    QVector<QPointF> points;
};

// Draws _lines on _chart, in their order, over the axes start() gives, the
// level axis fitted to the highest point. Drawn again, only what differs
// changes: the lines up to the first whose key differs keep their series and
// take new points or a new name where theirs changed; the rest are taken off
// and added anew, so that the legend names the lines in the order given. Axes
// and lines that stay the same are neither laid out nor painted again.
void draw(QChart *_chart, const QString &_time, int _last, int _tick, const QString &_level,
          const QVector<Line> &_lines);

} // namespace charts

#endif // ROVALIN_CHARTS_H
