// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_CHARTS_H
#define ROVALIN_CHARTS_H

// What the build-up and the plan windows' charts of levels over time share:
// their colours and their axes.

#include <QColor>
#include <QString>

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

} // namespace charts

#endif // ROVALIN_CHARTS_H
