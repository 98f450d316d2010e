// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_SHEET_H
#define ROVALIN_PLAN_SHEET_H

// Prints the plan's sheet (Plan_Book::Sheet) on a printer or into a PDF, as
// text, not pictures of it: the plan's facts, its weeks as a grid with each
// change's day shaded, the totals with the levels over a ceiling in bold and
// marked, and the warnings; then, on a page of their own, a label 9 cm wide
// and as high as its text for each bottle made up by hand, with dashed lines
// to cut along. Long texts wrap, and a table that goes on to another page
// has its header there again.

#include "plan/plan_book.h"

class QPagedPaintDevice;

// False when the printer (or the PDF writer) could not be started.
bool print_sheet(QPagedPaintDevice *_printer, const Plan_Book::Sheet &_sheet);

#endif // ROVALIN_PLAN_SHEET_H
