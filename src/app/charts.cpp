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
