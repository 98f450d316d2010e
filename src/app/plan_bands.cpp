// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/plan_bands.h"

#include "base/number_text.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using number_text::figure;

namespace {

// The method's range and the plan's band: the program's green, and the blue
// of its computed answers.
const QColor range_colour(85, 170, 127, 90);
const QColor band_colour(85, 85, 255);

} // namespace

Plan_Bands::Plan_Bands(QWidget *_parent) : QWidget(_parent)
{
    setObjectName(QStringLiteral("plan_bands"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
}

void Plan_Bands::set_rows(const QVector<Plan_Book::Band_Row> &_rows)
{
    // The same rows again: nothing to lay out or paint.
    const auto same = [](const Plan_Book::Band_Row &_a, const Plan_Book::Band_Row &_b) {
        return _a.label == _b.label && _a.range.key == _b.range.key &&
               _a.range.low == _b.range.low && _a.range.high == _b.range.high &&
               _a.band.low == _b.band.low && _a.band.high == _b.band.high &&
               _a.band.bounded == _b.band.bounded;
    };
    if (std::equal(rows_.begin(), rows_.end(), _rows.begin(), _rows.end(), same))
        return;
    rows_ = _rows;
    updateGeometry();
    update();
}

int Plan_Bands::row_height() const
{
    return 2 * fontMetrics().height() + 6;
}

int Plan_Bands::label_width() const
{
    int widest = 0;
    for (const Plan_Book::Band_Row &row : rows_)
        widest = std::max(widest, fontMetrics().horizontalAdvance(row.label));
    return widest + 12;
}

QSize Plan_Bands::sizeHint() const
{
    return {label_width() + 300, int(rows_.size()) * row_height() + 4};
}

QSize Plan_Bands::minimumSizeHint() const
{
    return {label_width() + 120, int(rows_.size()) * row_height() + 4};
}

void Plan_Bands::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int left = label_width();
    const int width = std::max(1, this->width() - left - 8);
    int top = 2;
    for (const Plan_Book::Band_Row &row : rows_) {
        const int height = row_height();
        const plan_levels::Band &band = row.band;
        // Each line its own scale: from 0 to a little beyond the highest figure.
        double end = std::max(row.range.high, band.bounded ? band.high : row.range.high);
        end = end > 0 ? end * 1.15 : 1;
        const auto x = [&](double _level) { return left + int(_level / end * width); };

        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, top, left - 6, height / 2), Qt::AlignRight | Qt::AlignVCenter,
                         row.label);
        const QRect strip(left, top + 2, width, height / 2 - 4);
        painter.fillRect(strip, palette().color(QPalette::Base));
        painter.fillRect(
            QRect(QPoint(x(row.range.low), strip.top()),
                  QPoint(std::max(x(row.range.high), x(row.range.low) + 1), strip.bottom())),
            range_colour);
        const int middle = strip.center().y();
        painter.setPen(QPen(band_colour, 4, Qt::SolidLine, Qt::RoundCap));
        if (band.bounded) {
            painter.drawLine(x(band.low), middle, std::max(x(band.high), x(band.low) + 1), middle);
        } else {
            // No limit: the band runs off the end.
            painter.drawLine(x(0), middle, strip.right(), middle);
            QPainterPath arrow;
            arrow.moveTo(strip.right() + 6, middle);
            arrow.lineTo(strip.right() - 2, middle - 5);
            arrow.lineTo(strip.right() - 2, middle + 5);
            arrow.closeSubpath();
            painter.fillPath(arrow, band_colour);
        }
        // The scale's ends, under the line.
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect scale(left, top + height / 2, width, height / 2);
        painter.drawText(scale, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
        painter.drawText(scale, Qt::AlignRight | Qt::AlignVCenter, figure(end));
        const QString range = tr("цель %1 – %2").arg(figure(row.range.low), figure(row.range.high));
        painter.drawText(scale, Qt::AlignHCenter | Qt::AlignVCenter, range);
        top += height;
    }
}
