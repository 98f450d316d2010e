// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_SHEET_H
#define ROVALIN_PLAN_SHEET_H

// Prints the plan's sheet (Plan_Book::Sheet) on a printer or into a PDF, as
// text, not pictures of it: the plan's facts, the week as a grid with the
// change day shaded, the totals, then on a page of their own a label of about
// 9 × 5 cm for each bottle made up by hand, with dashed lines to cut along.

#include "plan_book.h"

class QPagedPaintDevice;

// False when the printer (or the PDF writer) could not be started.
bool print_sheet(QPagedPaintDevice *_printer, const Plan_Book::Sheet &_sheet);

#endif // ROVALIN_PLAN_SHEET_H
