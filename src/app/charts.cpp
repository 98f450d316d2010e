// SPDX-License-Identifier: GPL-3.0-or-later

#include "charts.h"

#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

#include <iterator>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace charts {

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
    for (QAbstractAxis *axis : _chart->axes()) {
        _chart->removeAxis(axis);
        delete axis;
    }
    auto *x = new QValueAxis;
    x->setTitleText(_time);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, _last);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(_tick);
    auto *y = new QValueAxis;
    y->setTitleText(_level);
    _chart->addAxis(x, Qt::AlignBottom);
    _chart->addAxis(y, Qt::AlignLeft);
    return {x, y};
}

void fit_levels(QValueAxis *_axis, double _top)
{
    _axis->setRange(0, _top > 0 ? _top * 1.05 : 1);
    _axis->applyNiceNumbers();
}

} // namespace charts
