#include "print/grid_print.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "print/schedule_print.h"
#include "support/page_query.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::OpsOfKind;
using test::TextAt;
using test::Utf8TextAt;

// An A4 page at 600 dpi: margins 236 left, 283 top, 118 right, 236 bottom.
PrinterMetrics A4At600() { return {600, 600, 4960, 7016}; }

// The schedule's grid: a header row and `rows` race rows of 24 pixels, a
// 100-pixel first column and seven of 70.
GridTable ScheduleLikeGrid(int rows) {
  GridTable grid;
  grid.columnWidths = {100, 70, 70, 70, 70, 70, 70, 70};
  grid.font.name = Sjis("ＭＳ Ｐゴシック");
  grid.font.points = 9;
  for (int r = 0; r <= rows; ++r) {
    grid.rowHeights.push_back(24);
    std::vector<std::string> row;
    for (int c = 0; c < 8; ++c) row.push_back(r == 0 ? Format("H%d", c) : Format("r%dc%d", r, c));
    grid.cells.push_back(row);
  }
  return grid;
}

// Cell texts sit 2 screen pixels (12 dots) inside their cells.
std::vector<std::string> FirstColumnTexts(const Page& page) {
  std::vector<std::string> texts;
  for (const DrawOp* op : OpsOfKind(page, DrawKind::Text))
    if (op->x0 == 236 + 12 && op->clipped) texts.push_back(op->text);
  return texts;
}

TEST(GridBands, SplitWhenTheSumExceedsTheLimit) {
  EXPECT_EQ(SplitIntoBands({10, 10, 10, 10, 10}, 30), (std::vector<GridBand>{{0, 3}, {3, 2}}));
  EXPECT_EQ(SplitIntoBands({10, 10, 10}, 30), (std::vector<GridBand>{{0, 3}}));
  // Too large an item still gets printed, alone.
  EXPECT_EQ(SplitIntoBands({50, 10, 40}, 30), (std::vector<GridBand>{{0, 1}, {1, 1}, {2, 1}}));
  EXPECT_TRUE(SplitIntoBands({}, 30).empty());
}

TEST(GridPrint, OnePageWhenTheGridFits) {
  const std::vector<Page> pages = PrintGrid(ScheduleLikeGrid(24), A4At600(), nullptr);
  ASSERT_EQ(pages.size(), 1u);
  const Page& page = pages[0];
  EXPECT_EQ(page.units, PageUnits::PrinterDots);
  EXPECT_EQ(page.dotsPerInchX, 600);
  EXPECT_EQ(OpsOfKind(page, DrawKind::Rectangle).size(), 25u * 8u);
  // First cell: 100 px -> 625 dots, 24 px -> 150 dots, outline one dot larger.
  const DrawOp& first = page.ops[0];
  EXPECT_EQ(first.kind, DrawKind::Rectangle);
  EXPECT_EQ((std::vector<int>{first.x0, first.y0, first.x1, first.y1}), (std::vector<int>{236, 283, 862, 434}));
  EXPECT_EQ(first.brush.style, BrushStyle::Clear);
  EXPECT_EQ(first.pen.width, 1);
  // Its text is clipped to the cell.
  const DrawOp& text = page.ops[1];
  EXPECT_EQ(text.text, "H0");
  EXPECT_TRUE(text.clipped);
  EXPECT_EQ((std::vector<int>{text.x0, text.y0}), (std::vector<int>{248, 295}));
  EXPECT_EQ((std::vector<int>{text.clipX0, text.clipY0, text.clipX1, text.clipY1}),
            (std::vector<int>{236, 283, 861, 433}));
  EXPECT_EQ(text.font.points, 9);
  EXPECT_EQ(SjisToUtf8(text.font.name), "ＭＳ Ｐゴシック");
  // The next cell starts on the last dot of the first: edges are shared.
  EXPECT_EQ(page.ops[2].x0, 861);
  EXPECT_EQ(page.ops[2].x1, 861 + 437 + 1);
}

TEST(GridPrint, TallGridContinuesWithoutTheHeaderRow) {
  // 6497 printable dots hold 43 rows of 150.
  const std::vector<Page> pages = PrintGrid(ScheduleLikeGrid(59), A4At600(), nullptr);
  ASSERT_EQ(pages.size(), 2u);
  const std::vector<std::string> first = FirstColumnTexts(pages[0]);
  const std::vector<std::string> second = FirstColumnTexts(pages[1]);
  ASSERT_EQ(first.size(), 43u);
  ASSERT_EQ(second.size(), 17u);
  EXPECT_EQ(first.front(), "H0");
  EXPECT_EQ(first.back(), "r42c0");
  EXPECT_EQ(second.front(), "r43c0");
  EXPECT_EQ(second.back(), "r59c0");
  // The continuation starts at the top margin.
  EXPECT_EQ(pages[1].ops[0].y0, 283);
}

TEST(GridPrint, WideGridPrintsColumnBandByColumnBand) {
  GridTable grid = ScheduleLikeGrid(59);
  // A page 2000 dots wide has 1646 printable: columns 0-2 (1499) then 3-5, 6-7.
  PrinterMetrics narrow = A4At600();
  narrow.pageWidth = 2000;
  const std::vector<Page> pages = PrintGrid(grid, narrow, nullptr);
  ASSERT_EQ(pages.size(), 6u);
  const char* firstTexts[] = {"H0", "r43c0", "H3", "r43c3", "H6", "r43c6"};
  for (int p = 0; p < 6; ++p) {
    const DrawOp* text = TextAt(pages[p], 248, 295);
    ASSERT_NE(text, nullptr) << p;
    EXPECT_EQ(text->text, firstTexts[p]) << p;
  }
}

TEST(GridPrint, HeaderCallbackRunsFirstOnEveryPage) {
  int calls = 0;
  const std::vector<Page> pages = PrintGrid(ScheduleLikeGrid(59), A4At600(), [&](GridPageSurface& surface) {
    ++calls;
    EXPECT_EQ(surface.MmX(10), 236);
    EXPECT_EQ(surface.MmY(4), 94);
    EXPECT_EQ(surface.canvas().font().points, 9);  // the grid's font is already set
    EXPECT_EQ(surface.canvas().brush().style, BrushStyle::Clear);
    surface.canvas().Text(surface.MmX(10), surface.MmY(4), "head");
  });
  EXPECT_EQ(calls, 2);
  for (const Page& page : pages) EXPECT_EQ(page.ops[0].text, "head");
}

TEST(GridPrint, MissingCellsPrintEmpty) {
  GridTable grid = ScheduleLikeGrid(1);
  grid.cells[1].resize(2);
  const std::vector<Page> pages = PrintGrid(grid, A4At600(), nullptr);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(OpsOfKind(pages[0], DrawKind::Rectangle).size(), 16u);
  EXPECT_EQ(OpsOfKind(pages[0], DrawKind::Text).size(), 10u);
}

// A printer of 600 x 300 dpi and a screen of 120 x 96 dpi: every horizontal
// size goes by the horizontal resolutions, every vertical one by the vertical.
TEST(GridPrint, UnequalResolutionsScaleEachDirectionOnItsOwn) {
  GridTable grid = ScheduleLikeGrid(9);
  grid.columnWidths = {100, 70, 70};
  grid.screenDotsPerInchX = 120;  // x ratio 5
  grid.screenDotsPerInchY = 96;   // y ratio 3.125
  // Margins: left 236, right 118, top 141, bottom 118 dots. Printable: 1199
  // wide, so columns 500 + 350 then 350; 750 high, just the 10 rows of 75.
  const PrinterMetrics printer{600, 300, 1553, 1009};
  std::vector<std::pair<int, int>> headerDots;
  const std::vector<Page> pages = PrintGrid(grid, printer, [&](GridPageSurface& surface) {
    headerDots.push_back({surface.MmX(10), surface.MmY(4)});
  });
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(headerDots, (std::vector<std::pair<int, int>>{{236, 47}, {236, 47}}));
  const Page& page = pages[0];
  EXPECT_EQ(page.dotsPerInchX, 600);
  EXPECT_EQ(page.dotsPerInchY, 300);
  EXPECT_EQ(OpsOfKind(page, DrawKind::Rectangle).size(), 20u);
  const DrawOp& first = page.ops[0];
  EXPECT_EQ((std::vector<int>{first.x0, first.y0, first.x1, first.y1}), (std::vector<int>{236, 141, 737, 217}));
  // The text inset is 2 screen pixels: 10 dots across, 6 down.
  const DrawOp& text = page.ops[1];
  EXPECT_EQ(text.text, "H0");
  EXPECT_EQ((std::vector<int>{text.x0, text.y0}), (std::vector<int>{246, 147}));
  EXPECT_EQ((std::vector<int>{text.clipX0, text.clipY0, text.clipX1, text.clipY1}),
            (std::vector<int>{236, 141, 736, 216}));
  EXPECT_EQ(page.ops[2].x0, 736);
  EXPECT_EQ(page.ops[2].x1, 736 + 350 + 1);
  EXPECT_EQ(Utf8TextAt(page, 246, 147 + 75), "r1c0");
  EXPECT_EQ(Utf8TextAt(page, 246, 147 + 9 * 75), "r9c0");
  EXPECT_EQ(Utf8TextAt(pages[1], 246, 147), "H2");
  EXPECT_EQ(OpsOfKind(pages[1], DrawKind::Rectangle).size(), 10u);
}

TEST(SchedulePrint, TitleAndDayOnEveryPage) {
  const std::string day = Sjis("2024年05月26日");
  const std::vector<Page> pages = PrintScheduleGrid(ScheduleLikeGrid(59), day, A4At600());
  ASSERT_EQ(pages.size(), 2u);
  for (const Page& page : pages) {
    EXPECT_EQ(Utf8TextAt(page, 236, 94), "Turfwise for JRA-VAN Data Lab.　ｵｯｽﾞ取得ｽｹｼﾞｭｰﾙ表");
    EXPECT_EQ(Utf8TextAt(page, 236, 188), "2024年05月26日");
    EXPECT_EQ(page.ops[2].y0, 283);  // cells below the 12 mm top margin
  }
}

}  // namespace
}  // namespace tw
