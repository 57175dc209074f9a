#include "gui/raceview/appendix_tab.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

AppendixTab::AppendixTab(QWidget* parent) : QWidget(parent) {
  auto* col = new QVBoxLayout(this);
  grid_ = MakeOddsGrid(this, "AppendixGrid", kMaxRunners,
                       {FromUtf8("馬番"), FromUtf8("単勝１回目\n順位"), FromUtf8("単勝\n１回>3回"),
                        FromUtf8("単勝変化量\n順位"), FromUtf8("馬連変化量\n順位")});
  col->addWidget(grid_);
}

void AppendixTab::Show(const RaceView& v) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    const int r = h - 1;
    // Light text on black like every table; the ranks are red or blue.
    auto put = [this, r](int c, const ColouredText& t) { SetField(grid_, r, c, t); };
    put(0, {std::to_string(h), std::nullopt});
    put(1, {v.firstWinRank[Index(h)], std::nullopt});
    put(2, {v.driftMark[Index(h)], std::nullopt});
    put(3, v.winChangeRank[Index(h)]);
    put(4, v.quinellaChangeRank[Index(h)]);
  }
}

}  // namespace tw
