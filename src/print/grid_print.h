// Printing a string grid as a ruled table over as many pages as it needs:
// the grid's screen sizes are scaled to the printer, rows and columns are
// split into bands that fit the page, and every page gets a header drawn by
// the caller.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "print/page.h"

namespace tw {

// The grid as it stands on the screen.
struct GridTable {
  std::vector<int> columnWidths;                // screen pixels
  std::vector<int> rowHeights;                  // screen pixels; row 0 is the header row
  std::vector<std::vector<std::string>> cells;  // [row][column], Shift-JIS; missing cells are empty
  FontState font;
  int screenDotsPerInchX = 96;
  int screenDotsPerInchY = 96;
};

// The printer's printable area.
struct PrinterMetrics {
  int dotsPerInchX = 600;
  int dotsPerInchY = 600;
  int pageWidth = 0;  // dots
  int pageHeight = 0;
};

struct GridMargins {  // millimetres
  double left = 10;
  double top = 12;
  double right = 5;
  double bottom = 10;
};

// What the page-header callback draws on: the page and the conversion of
// millimetres to the printer's dots (fraction cut off).
class GridPageSurface {
 public:
  GridPageSurface(PageCanvas& canvas, const PrinterMetrics& printer) : canvas_(canvas), printer_(printer) {}
  PageCanvas& canvas() { return canvas_; }
  int MmX(double mm) const;
  int MmY(double mm) const;

 private:
  PageCanvas& canvas_;
  const PrinterMetrics& printer_;
};

using GridPageHeader = std::function<void(GridPageSurface&)>;

// A band of consecutive rows or columns: first index and count.
struct GridBand {
  int first = 0;
  int count = 0;
  friend bool operator==(const GridBand&, const GridBand&) = default;
};

// Splits printed sizes into bands no larger than `limit` (a size larger than
// the limit gets a band of its own).
std::vector<GridBand> SplitIntoBands(const std::vector<int>& sizes, int limit);

// The pages of the grid, column band by column band and row band by row band
// within each. The header row belongs to the first row band only.
std::vector<Page> PrintGrid(const GridTable& grid, const PrinterMetrics& printer, const GridPageHeader& header,
                            const GridMargins& margins = {});

}  // namespace tw
