// Draws recorded print pages (print/page.h) with a QPainter: on a printer,
// into a PDF file, or scaled for the preview.
#pragma once

#include <QString>
#include <vector>

#include "print/page.h"

class QPainter;

namespace tw {

// Page units to device dots: tenths of a millimetre at `dotsPerInch`, to the
// nearest dot.
int TenthMmToDots(int units, double dotsPerInch);
// A pen width in 1/960 inch as dots, at least one.
int PenWidthToDots(int width, double dotsPerInch);

// Draws the page with the painter's (0, 0) at the top-left corner of the
// printable area, on a device of the given resolution. Grid pages (kept in
// the dots of the printer they were laid out for) are scaled to it.
void RenderPage(QPainter& painter, const Page& page, double dotsPerInchX, double dotsPerInchY);

// Writes the pages as an A4 portrait PDF, one page each. False with a
// message when the file cannot be written. Needs a QGuiApplication.
bool WritePagesToPdf(const std::vector<Page>& pages, const QString& file, const QString& title, QString* error);

}  // namespace tw
