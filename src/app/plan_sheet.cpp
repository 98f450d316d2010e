// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/plan_sheet.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// A row of a table: its cells, the columns drawn on grey and those in bold.
// A heading (a week of the grid) is drawn again under the table's header
// where its rows go on over a page.
struct Row
{
    QStringList cells;
    QVector<int> shaded;
    QVector<int> bold;
    bool heading = false;
};

// The sheet drawn from the top of the page down, a new page where the next
// piece does not fit. Texts wrap at the blanks, and where a word alone is
// wider than its room, anywhere: nothing is cut.
class Sheet_Painter
{
public:
    Sheet_Painter(QPagedPaintDevice *_printer, QPainter *_painter)
        : printer(_printer), painter(_painter),
          page(QRectF(QPointF(0, 0),
                      _printer->pageLayout().paintRectPixels(_printer->logicalDpiY()).size()))
    {
        wrapped.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    double mm(double _mm) const { return _mm * printer->logicalDpiY() / 25.4; }

    QFont font(double _points, bool _bold = false) const
    {
        QFont made(QStringLiteral("Sans Serif"));
        made.setPointSizeF(_points);
        made.setBold(_bold);
        // No ligatures: "fi" drawn as one glyph reads back from the PDF as
        // «ﬁ», which a search for "first" does not find.
        made.setStyleStrategy(QFont::PreferNoShaping);
        return made;
    }

    // Room for _height more, on this page or the next; true where that is
    // the next.
    bool room(double _height)
    {
        if (y + _height <= page.height() || y <= 0)
            return false;
        printer->newPage();
        y = 0;
        return true;
    }

    // How high _text stands in _font wrapped to _width.
    double height(const QString &_text, const QFont &_font, double _width)
    {
        if (_text.isEmpty())
            return 0;
        painter->setFont(_font);
        return painter->boundingRect(QRectF(0, 0, _width, 1e9), _text, wrapped).height();
    }

    // How wide _text stands in _font on one line, laid out as write() lays it.
    double width(const QString &_text, const QFont &_font)
    {
        painter->setFont(_font);
        QTextOption line;
        line.setWrapMode(QTextOption::NoWrap);
        return painter->boundingRect(QRectF(0, 0, 1e9, 1e9), _text, line).width();
    }

    // Draws _text wrapped into _box from its top; gives its height.
    double write(const QString &_text, const QFont &_font, const QRectF &_box,
                 Qt::Alignment _alignment = Qt::AlignLeft)
    {
        const double used = height(_text, _font, _box.width());
        QTextOption option = wrapped;
        option.setAlignment(_alignment);
        painter->drawText(QRectF(_box.left(), _box.top(), _box.width(), used + 1), _text, option);
        return used;
    }

    // A paragraph across the page.
    void paragraph(const QString &_text, const QFont &_font, double _after = 0)
    {
        room(height(_text, _font, page.width()));
        y += write(_text, _font, QRectF(0, y, page.width(), 0)) + _after;
    }

    // A table with a line around every cell, its header again on every page
    // it goes on to. Columns are as wide as their texts; where they do not
    // fit the page, the widest wrap, and only where their longest words do
    // not fit either is the type made smaller. The
    // columns from _even on (the weekdays) are made as wide as the widest of
    // them, as far as the page has room.
    void table(const QStringList &_header, const QVector<Row> &_rows, int _even = -1)
    {
        const int columns = _header.size();
        QFont cells = font(9);
        QVector<double> widths(columns, 0);
        // The header in bold; in a heading, the marks in smaller type.
        const auto type = [&](const Row *_row, int _column) {
            QFont used = cells;
            if (!_row || _row->bold.contains(_column))
                used.setBold(true);
            else if (_row->heading && _column > 0)
                used.setPointSizeF(cells.pointSizeF() * 0.8);
            return used;
        };
        const auto in_column = [&](int _column, const auto &_each) {
            _each(_header.at(_column), type(nullptr, _column));
            for (const Row &row : _rows)
                _each(row.cells.value(_column), type(&row, _column));
        };
        const double pad = mm(1.5);
        for (;;) {
            QVector<double> natural(columns, 0);
            QVector<double> least(columns, 0);
            for (int column = 0; column < columns; ++column) {
                in_column(column, [&](const QString &_text, const QFont &_font) {
                    natural[column] = std::max(natural[column], width(_text, _font));
                    for (const QString &word : _text.split(QLatin1Char(' ')))
                        least[column] = std::max(least[column], width(word, _font));
                });
                // A pixel over, so that a text as wide as its room is not
                // wrapped for the rounding.
                natural[column] += 2 * pad + 1;
                least[column] += 2 * pad + 1;
            }
            if (_even >= 0 && _even < columns) {
                // What the page leaves shared among those narrower than their share.
                const double most = *std::max_element(natural.begin() + _even, natural.end());
                double left =
                    page.width() - std::accumulate(natural.begin(), natural.begin() + _even, 0.0);
                QVector<int> narrow;
                for (int column = _even; column < columns; ++column)
                    narrow << column;
                for (bool settled = false; !settled && !narrow.isEmpty();) {
                    settled = true;
                    const double share = left / narrow.size();
                    for (int i = narrow.size() - 1; i >= 0; --i) {
                        if (natural.at(narrow.at(i)) > share) {
                            left -= natural.at(narrow.at(i));
                            narrow.remove(i);
                            settled = false;
                        }
                    }
                }
                for (const int column : narrow)
                    natural[column] = std::max(natural.at(column),
                                               std::min(most, std::floor(left / narrow.size())));
            }
            const double wanted = std::accumulate(natural.begin(), natural.end(), 0.0);
            const double needed = std::accumulate(least.begin(), least.end(), 0.0);
            if (wanted <= page.width()) {
                widths = natural;
                break;
            }
            if (needed <= page.width()) {
                // The widest columns wrap, down to a width that all of them
                // keep (or their longest word, where that is wider); the
                // narrow ones stay as they are.
                const auto capped = [&](double _cap) {
                    for (int column = 0; column < columns; ++column)
                        widths[column] = std::max(least[column], std::min(natural[column], _cap));
                    return std::accumulate(widths.begin(), widths.end(), 0.0);
                };
                double low = 0;
                double high = *std::max_element(natural.begin(), natural.end());
                for (int step = 0; step < 60; ++step) {
                    const double middle = (low + high) / 2;
                    (capped(middle) <= page.width() ? low : high) = middle;
                }
                capped(low);
                break;
            }
            if (cells.pointSizeF() <= 5) {
                // Words too are broken.
                for (int column = 0; column < columns; ++column)
                    widths[column] = least[column] * page.width() / needed;
                break;
            }
            cells.setPointSizeF(std::max(5.0, cells.pointSizeF() * page.width() / needed));
        }
        const double margin = QFontMetricsF(cells, printer).height() / 4;

        const auto row_height = [&](const Row &_row, bool _header_row) {
            double tallest = 0;
            for (int column = 0; column < columns; ++column)
                tallest = std::max(tallest, height(_row.cells.value(column),
                                                   type(_header_row ? nullptr : &_row, column),
                                                   widths.at(column) - 2 * pad));
            return tallest + 2 * margin;
        };
        const auto draw = [&](const Row &_row, bool _header_row, double _height) {
            double x = 0;
            for (int column = 0; column < columns; ++column) {
                const QRectF box(x, y, widths.at(column), _height);
                if (_row.shaded.contains(column))
                    painter->fillRect(box, QColor(225, 225, 225));
                painter->drawRect(box);
                const QString &text = _row.cells.value(column);
                const QFont used = type(_header_row ? nullptr : &_row, column);
                const double inside = widths.at(column) - 2 * pad;
                const double top = y + (_height - height(text, used, inside)) / 2;
                write(text, used, QRectF(x + pad, top, inside, 0),
                      column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
                x += widths.at(column);
            }
            y += _height;
        };

        const Row header{_header, {}, {}, false};
        const double header_height = row_height(header, true);
        QVector<double> heights;
        for (const Row &row : _rows)
            heights << row_height(row, false);
        // A heading stays with its first row.
        const auto kept = [&](int _row) {
            double together = heights.at(_row);
            if (_rows.at(_row).heading && _row + 1 < _rows.size() && !_rows.at(_row + 1).heading)
                together += heights.at(_row + 1);
            return together;
        };
        room(header_height + (_rows.isEmpty() ? 0 : kept(0)));
        draw(header, true, header_height);
        int heading = -1;
        for (int i = 0; i < _rows.size(); ++i) {
            if (room(kept(i))) {
                draw(header, true, header_height);
                if (!_rows.at(i).heading && heading >= 0)
                    draw(_rows.at(heading), false, heights.at(heading));
            }
            draw(_rows.at(i), false, heights.at(i));
            if (_rows.at(i).heading)
                heading = i;
        }
        y += mm(2);
    }

    // The labels, two to a row from the top of a page of their own, each in a
    // dashed frame to cut along, as high as what it says. One that a page
    // would not hold at half its width takes the whole width, and only where
    // even that is too little is its type made smaller.
    void labels(const QVector<Plan_Book::Sheet::Label> &_labels)
    {
        if (_labels.isEmpty())
            return;
        printer->newPage();
        y = 0;
        const double half = std::min(mm(90), page.width() / 2);
        const auto fits = [&](const Plan_Book::Sheet::Label &_label) {
            return label(_label, QRectF(0, 0, half, 0), 1, false) <= page.height();
        };
        for (int i = 0; i < _labels.size();) {
            const Plan_Book::Sheet::Label &first = _labels.at(i);
            if (!fits(first)) {
                double scale = 1;
                while (scale > 0.2 &&
                       label(first, QRectF(0, 0, page.width(), 0), scale, false) > page.height())
                    scale *= 0.9;
                const double tall = label(first, QRectF(0, 0, page.width(), 0), scale, false);
                room(tall);
                label(first, QRectF(0, y, page.width(), tall), scale, true);
                y += tall;
                ++i;
                continue;
            }
            const bool pair = i + 1 < _labels.size() && fits(_labels.at(i + 1));
            double tall = label(first, QRectF(0, 0, half, 0), 1, false);
            if (pair)
                tall = std::max(tall, label(_labels.at(i + 1), QRectF(0, 0, half, 0), 1, false));
            room(tall);
            label(first, QRectF(0, y, half, tall), 1, true);
            if (pair)
                label(_labels.at(i + 1), QRectF(half, y, half, tall), 1, true);
            y += tall;
            i += pair ? 2 : 1;
        }
    }

    double y = 0;

private:
    // How high _label stands in a frame _frame wide, its type at _scale;
    // drawn into _frame where _draw.
    double label(const Plan_Book::Sheet::Label &_label, const QRectF &_frame, double _scale,
                 bool _draw)
    {
        const double pad = mm(3);
        const double inside = _frame.width() - 2 * pad;
        QStringList texts{_label.title};
        texts << _label.lines << _label.lasts << _label.made << _label.source;
        double top = _frame.top() + pad;
        for (int i = 0; i < texts.size(); ++i) {
            const QString &text = texts.at(i);
            if (text.isEmpty())
                continue;
            const bool title = i == 0;
            const bool source = i == texts.size() - 1;
            const QFont used = font((title ? 9 : source ? 6.5 : 8) * _scale, title);
            const QRectF box(_frame.left() + pad, top, inside, 0);
            top += (_draw ? write(text, used, box) : height(text, used, inside)) + mm(0.5);
        }
        const double tall = top + pad - _frame.top();
        if (_draw) {
            painter->save();
            painter->setPen(QPen(Qt::black, mm(0.2), Qt::DashLine));
            painter->drawRect(_frame);
            painter->restore();
        }
        return tall;
    }

    QPagedPaintDevice *printer;
    QPainter *painter;
    QRectF page;
    QTextOption wrapped;
};

} // namespace

bool print_sheet(QPagedPaintDevice *_printer, const Plan_Book::Sheet &_sheet)
{
    QPainter painter;
    if (!painter.begin(_printer))
        return false;
    Sheet_Painter sheet(_printer, &painter);
    sheet.paragraph(_sheet.title, sheet.font(16, true), sheet.mm(2));
    for (const QString &fact : _sheet.facts)
        sheet.paragraph(fact, sheet.font(10));
    sheet.y += sheet.mm(4);

    sheet.paragraph(_sheet.grid_caption, sheet.font(9), sheet.mm(1));
    QVector<Row> grid;
    for (const Plan_Book::Sheet::Week &week : _sheet.weeks) {
        Row heading{{week.title}, week.changes, {0}, true};
        for (const int column : week.changes) {
            while (heading.cells.size() <= column)
                heading.cells << QString();
            heading.cells[column] = _sheet.change_mark;
        }
        grid << heading;
        for (const QStringList &cells : _sheet.grid)
            grid << Row{cells, week.changes, {}, false};
    }
    sheet.table(_sheet.grid_header, grid, 1);
    if (!_sheet.grid_rest.isEmpty())
        sheet.paragraph(_sheet.grid_rest, sheet.font(9));
    sheet.y += sheet.mm(3);

    QVector<Row> totals;
    for (int i = 0; i < _sheet.totals.size(); ++i)
        totals << Row{_sheet.totals.at(i), {}, _sheet.over.value(i), false};
    sheet.table(_sheet.totals_header, totals);
    if (!_sheet.legend.isEmpty())
        sheet.paragraph(_sheet.legend, sheet.font(9), sheet.mm(1));
    for (const QString &warning : _sheet.warnings)
        sheet.paragraph(warning, sheet.font(9, true), sheet.mm(1));
    sheet.labels(_sheet.labels);
    return painter.end();
}
