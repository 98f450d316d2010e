// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan_sheet.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

// The sheet drawn from the top of the page down, a new page where the next
// piece does not fit.
class Sheet_Painter
{
public:
    Sheet_Painter(QPagedPaintDevice *_printer, QPainter *_painter)
        : printer(_printer), painter(_painter),
          page(QRectF(QPointF(0, 0),
                      _printer->pageLayout().paintRectPixels(_printer->logicalDpiY()).size()))
    {}

    double mm(double _mm) const { return _mm * printer->logicalDpiY() / 25.4; }

    QFont font(double _points, bool _bold = false) const
    {
        QFont made(QStringLiteral("Sans Serif"));
        made.setPointSizeF(_points);
        made.setBold(_bold);
        return made;
    }

    // Room for _height more, on this page or the next.
    void room(double _height)
    {
        if (y + _height > page.height() && y > 0) {
            printer->newPage();
            y = 0;
        }
    }

    void line(const QString &_text, const QFont &_font, double _after = 0)
    {
        const QFontMetricsF metrics(_font, printer);
        room(metrics.height());
        painter->setFont(_font);
        painter->drawText(QRectF(0, y, page.width(), metrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, _text);
        y += metrics.height() + _after;
    }

    // A table with a line around every cell; the column _shaded is drawn on
    // grey, its header with _mark under it. Columns are as wide as their
    // texts, and the type smaller where they would not fit the page.
    void table(const QStringList &_header, const QVector<QStringList> &_rows, int _shaded = -1,
               const QString &_mark = QString())
    {
        QFont cells = font(9);
        const int columns = _header.size();
        QVector<double> widths(columns, 0);
        const auto measure = [&] {
            const QFontMetricsF metrics(cells, printer);
            QFont bold = cells;
            bold.setBold(true);
            const QFontMetricsF header(bold, printer);
            std::fill(widths.begin(), widths.end(), 0);
            for (int column = 0; column < columns; ++column) {
                widths[column] = header.horizontalAdvance(_header.at(column));
                if (column == _shaded)
                    widths[column] = std::max(widths[column], metrics.horizontalAdvance(_mark));
                for (const QStringList &row : _rows)
                    widths[column] =
                        std::max(widths[column], metrics.horizontalAdvance(row.value(column)));
                widths[column] += mm(3);
            }
        };
        measure();
        const double needed = std::accumulate(widths.begin(), widths.end(), 0.0);
        if (needed > page.width()) {
            cells.setPointSizeF(std::max(5.0, cells.pointSizeF() * page.width() / needed));
            measure();
        }
        const QFontMetricsF metrics(cells, printer);
        const double height = metrics.height() * 1.5;
        QFont bold = cells;
        bold.setBold(true);

        const auto draw_row = [&](const QStringList &_cells, bool _header_row) {
            const double row_height = _header_row && _shaded >= 0 ? 2 * height : height;
            room(row_height);
            double x = 0;
            painter->setFont(_header_row ? bold : cells);
            for (int column = 0; column < columns; ++column) {
                const QRectF box(x, y, widths.at(column), row_height);
                if (column == _shaded)
                    painter->fillRect(box, QColor(225, 225, 225));
                painter->drawRect(box);
                const QRectF inside = box.adjusted(mm(1.5), 0, -mm(1.5), 0);
                if (_header_row && column == _shaded) {
                    painter->drawText(inside.adjusted(0, 0, 0, -height), Qt::AlignCenter,
                                      _cells.value(column));
                    painter->setFont(cells);
                    painter->drawText(inside.adjusted(0, height, 0, 0), Qt::AlignCenter, _mark);
                    painter->setFont(bold);
                } else {
                    painter->drawText(
                        inside, (column == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                        _cells.value(column));
                }
                x += widths.at(column);
            }
            y += row_height;
        };
        draw_row(_header, true);
        for (const QStringList &row : _rows)
            draw_row(row, false);
        y += mm(5);
    }

    // The labels, two to a row from the top of a page of their own, each in a
    // dashed frame to cut along.
    void labels(const QVector<Plan_Book::Sheet::Label> &_labels)
    {
        if (_labels.isEmpty())
            return;
        printer->newPage();
        y = 0;
        const double width = mm(90);
        const double height = mm(50);
        const double pad = mm(3);
        const QFont title = font(9, true);
        const QFont text = font(8);
        const QFont small = font(6.5);
        for (int i = 0; i < _labels.size(); ++i) {
            const int column = i % 2;
            if (column == 0 && i > 0)
                y += height;
            if (column == 0)
                room(height);
            const QRectF frame(column * width, y, width, height);
            painter->save();
            painter->setPen(QPen(Qt::black, mm(0.2), Qt::DashLine));
            painter->drawRect(frame);
            painter->restore();

            const Plan_Book::Sheet::Label &label = _labels.at(i);
            QRectF inside = frame.adjusted(pad, pad, -pad, -pad);
            const auto write = [&](const QString &_text, const QFont &_font, int _flags) {
                painter->setFont(_font);
                const QRectF used = painter->boundingRect(inside, _flags, _text);
                painter->drawText(inside, _flags, _text);
                inside.setTop(std::min(inside.bottom(), used.bottom() + mm(0.5)));
            };
            write(label.title, title, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
            for (const QString &each : label.lines)
                write(each, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
            // The source as much of it as the label holds.
            if (!label.source.isEmpty())
                write(label.source, small, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        }
    }

    double y = 0;

private:
    QPagedPaintDevice *printer;
    QPainter *painter;
    QRectF page;
};

} // namespace

bool print_sheet(QPagedPaintDevice *_printer, const Plan_Book::Sheet &_sheet)
{
    QPainter painter;
    if (!painter.begin(_printer))
        return false;
    Sheet_Painter sheet(_printer, &painter);
    sheet.line(_sheet.title, sheet.font(16, true), sheet.mm(2));
    for (const QString &fact : _sheet.facts)
        sheet.line(fact, sheet.font(10));
    sheet.y += sheet.mm(4);
    sheet.table(_sheet.grid_header, _sheet.grid, _sheet.change_column, _sheet.change_mark);
    sheet.table(_sheet.totals_header, _sheet.totals);
    sheet.labels(_sheet.labels);
    return painter.end();
}
