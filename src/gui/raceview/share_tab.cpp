#include "gui/raceview/share_tab.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

ShareTab::ShareTab(QWidget* parent) : QTabWidget(parent) {
  setObjectName("ShareTabs");
  const QStringList headings = {FromUtf8("馬番"), "", "", "", FromUtf8("変化量")};
  auto* win = new QWidget(this);
  auto* col = new QVBoxLayout(win);
  winShareGrid_ = MakeOddsGrid(win, "WinShareGrid", kMaxRunners, headings);
  col->addWidget(winShareGrid_);
  col->addWidget(Note(win));
  addTab(win, FromUtf8("単勝投票率"));
  auto* quinella = new QWidget(this);
  auto* col2 = new QVBoxLayout(quinella);
  quinellaShareGrid_ = MakeOddsGrid(quinella, "QuinellaShareGrid", kMaxRunners, headings);
  col2->addWidget(quinellaShareGrid_);
  col2->addWidget(Note(quinella));
  addTab(quinella, FromUtf8("馬連投票率"));
}

void ShareTab::Show(const RaceView& v) {
  for (int s = 1; s <= kSnapshots; ++s) {
    SetHeading(winShareGrid_, s, ToQt(v.winTimes[Index(s)]));
    SetHeading(quinellaShareGrid_, s, ToQt(v.quinellaTimes[Index(s)]));
  }
  for (int h = 1; h <= kMaxRunners; ++h) {
    const int r = h - 1;
    const QString number = QString::number(h);
    SetField(winShareGrid_, r, 0, number);
    SetField(quinellaShareGrid_, r, 0, number);
    for (int s = 1; s <= kSnapshots; ++s) {
      SetField(winShareGrid_, r, s, ToQt(v.winShare[Index(h)][Index(s)]));
      SetField(quinellaShareGrid_, r, s, ToQt(v.quinellaShare[Index(h)][Index(s)]));
    }
    SetField(winShareGrid_, r, 4, ToQt(v.winShareChange[Index(h)]));
    SetField(quinellaShareGrid_, r, 4, ToQt(v.quinellaShareChange[Index(h)]));
  }
}

}  // namespace tw
