// SPDX-License-Identifier: GPL-3.0-or-later

#include "charts.h"

#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

#include <iterator>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace charts {

namespace {

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

} // namespace

QColor reference()
{
    return QColor(85, 170, 127);
}

QColor other(int _index)
{
    static const QColor colours[] = {
        QColor(85, 85, 255),  QColor(230, 120, 30), QColor(150, 60, 170), QColor(200, 50, 50),
        QColor(40, 140, 190), QColor(140, 100, 50), QColor(90, 90, 90),   QColor(210, 80, 150)};
    return colours[_index % int(std::size(colours))];
}

std::pair<QValueAxis *, QValueAxis *> start(QChart *_chart, const QString &_time, int _last,
                                            int _tick, const QString &_level)
{
    _chart->removeAllSeries();
    // The axes are kept and set anew. A removed axis would stay drawn until
    // control goes back to the event loop: Qt Charts hides its element, but
    // its labels, title and grid are not the element's children.
    QValueAxis *x = value_axis(_chart, Qt::AlignBottom);
    x->setTitleText(_time);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, _last);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(_tick);
    QValueAxis *y = value_axis(_chart, Qt::AlignLeft);
    y->setTitleText(_level);
    return {x, y};
}

void fit_levels(QValueAxis *_axis, double _top)
{
    // Qt's first count: the nice numbers change it, and start from it.
    _axis->setTickCount(5);
    _axis->setRange(0, _top > 0 ? _top * 1.05 : 1);
    _axis->applyNiceNumbers();
}

} // namespace charts
