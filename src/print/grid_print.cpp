#include "print/grid_print.h"

#include <cmath>

namespace tw {
namespace {

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

int MmToDots(double mm, int dotsPerInch) { return Trunc(mm / 25.4 * dotsPerInch); }

std::vector<int> Scaled(const std::vector<int>& sizes, double ratio) {
  std::vector<int> printed;
  printed.reserve(sizes.size());
  for (int size : sizes) printed.push_back(Trunc(size * ratio));
  return printed;
}

const std::string& CellText(const GridTable& grid, int row, int column) {
  static const std::string kEmpty;
  if (row >= static_cast<int>(grid.cells.size())) return kEmpty;
  const std::vector<std::string>& cells = grid.cells[row];
  return column < static_cast<int>(cells.size()) ? cells[column] : kEmpty;
}

}  // namespace

int GridPageSurface::MmX(double mm) const { return MmToDots(mm, printer_.dotsPerInchX); }
int GridPageSurface::MmY(double mm) const { return MmToDots(mm, printer_.dotsPerInchY); }

std::vector<GridBand> SplitIntoBands(const std::vector<int>& sizes, int limit) {
  std::vector<GridBand> bands;
  int sum = 0;
  for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
    sum += sizes[i];
    // An empty band would print a page without cells, so the first item of a
    // band stays in it even when it alone is too large.
    if (bands.empty() || (sum > limit && bands.back().count > 0)) {
      bands.push_back({i, 0});
      sum = sizes[i];
    }
    ++bands.back().count;
  }
  return bands;
}

std::vector<Page> PrintGrid(const GridTable& grid, const PrinterMetrics& printer, const GridPageHeader& header,
                            const GridMargins& margins) {
  std::vector<Page> pages;
  if (grid.screenDotsPerInchX <= 0 || grid.screenDotsPerInchY <= 0) return pages;
  const double xRatio = static_cast<double>(printer.dotsPerInchX) / grid.screenDotsPerInchX;
  const double yRatio = static_cast<double>(printer.dotsPerInchY) / grid.screenDotsPerInchY;
  const int left = MmToDots(margins.left, printer.dotsPerInchX);
  const int top = MmToDots(margins.top, printer.dotsPerInchY);
  const int printableWidth = printer.pageWidth - left - MmToDots(margins.right, printer.dotsPerInchX);
  const int printableHeight = printer.pageHeight - top - MmToDots(margins.bottom, printer.dotsPerInchY);

  const std::vector<int> widths = Scaled(grid.columnWidths, xRatio);
  const std::vector<int> heights = Scaled(grid.rowHeights, yRatio);
  const int insetX = Trunc(2 * xRatio);
  const int insetY = Trunc(2 * yRatio);

  for (const GridBand& columns : SplitIntoBands(widths, printableWidth)) {
    for (const GridBand& rows : SplitIntoBands(heights, printableHeight)) {
      Page& page = pages.emplace_back();
      page.units = PageUnits::PrinterDots;
      page.dotsPerInchX = printer.dotsPerInchX;
      page.dotsPerInchY = printer.dotsPerInchY;
      PageCanvas canvas(page);
      canvas.SetFontName(grid.font.name);
      canvas.SetFont(grid.font.points, grid.font.bold, grid.font.underline);
      canvas.SetTextColour(grid.font.colour);
      canvas.SetPenWidth(1);
      canvas.SetPenStyle(PenStyle::Solid);
      canvas.SetBrush(colour::kWhite, BrushStyle::Clear);
      if (header) {
        GridPageSurface surface(canvas, printer);
        header(surface);
      }
      int y = top;
      for (int r = rows.first; r < rows.first + rows.count; ++r) {
        int x = left;
        for (int c = columns.first; c < columns.first + columns.count; ++c) {
          const int w = widths[c];
          const int h = heights[r];
          canvas.Rectangle(x, y, x + w + 1, y + h + 1);
          canvas.TextClipped(x, y, x + w, y + h, x + insetX, y + insetY, CellText(grid, r, c));
          x += w;
        }
        y += heights[r];
      }
    }
  }
  return pages;
}

}  // namespace tw
