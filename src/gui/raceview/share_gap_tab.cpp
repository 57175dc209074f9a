#include "gui/raceview/share_gap_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

ShareGapTab::ShareGapTab(QWidget* parent) : QWidget(parent) {
  auto* col = new QVBoxLayout(this);
  auto* captions = new QHBoxLayout;
  captions->addWidget(Caption(this, "各回単連差"), 3, Qt::AlignCenter);
  captions->addStretch(3);
  col->addLayout(captions);
  grid_ = MakeOddsGrid(this, "ShareGapGrid", kMaxRunners,
                       {FromUtf8("馬番"), "", "", "", FromUtf8("最大単連差"), FromUtf8("変化量")});
  col->addWidget(grid_);
  col->addWidget(Note(this));
}

void ShareGapTab::Show(const RaceView& v) {
  for (int s = 1; s <= kSnapshots; ++s) SetHeading(grid_, s, ToQt(v.winTimes[Index(s)]));
  for (int h = 1; h <= kMaxRunners; ++h) {
    const int r = h - 1;
    SetField(grid_, r, 0, QString::number(h));
    for (int s = 1; s <= kSnapshots; ++s) SetField(grid_, r, s, ToQt(v.shareGap[Index(h)][Index(s)]));
    SetField(grid_, r, 4, ToQt(v.maxShareGap[Index(h)]));
    SetField(grid_, r, 5, ToQt(v.shareGapChange[Index(h)]));
  }
}

}  // namespace tw
