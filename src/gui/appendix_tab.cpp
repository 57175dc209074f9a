#include "gui/appendix_tab.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/race_view_cells.h"

namespace tw {

AppendixTab::AppendixTab(QWidget* parent) : QWidget(parent) {
  auto* col = new QVBoxLayout(this);
  grid_ = MakeOddsGrid(this, "AppendixGrid", kMaxRunners,
                       {FromUtf8("馬番"), FromUtf8("単勝１回目\n順位"), FromUtf8("単勝\n１回>3回"),
                        FromUtf8("単勝変化量\n順位"), FromUtf8("馬連変化量\n順位")});
  // The ranks' red and blue need a light background to be read.
  grid_->setStyleSheet("QTableWidget { background-color: white; color: black; gridline-color: #c0c0c0; }");
  col->addWidget(grid_);
}

void AppendixTab::Show(const RaceView& v) {
  for (int h = 1; h <= kMaxRunners; ++h) {
    const int r = h - 1;
    // The appendix is dark text on white; its ranks are red or blue.
    auto put = [this, r](int c, const ColouredText& t) {
      QTableWidgetItem* item = Cell(grid_, r, c);
      item->setText(ToQt(t.text));
      item->setForeground(t.colour ? ToColor(*t.colour) : QColor(Qt::black));
    };
    put(0, {std::to_string(h), std::nullopt});
    put(1, {v.firstWinRank[Index(h)], std::nullopt});
    put(2, {v.driftMark[Index(h)], std::nullopt});
    put(3, v.winChangeRank[Index(h)]);
    put(4, v.quinellaChangeRank[Index(h)]);
  }
}

}  // namespace tw
