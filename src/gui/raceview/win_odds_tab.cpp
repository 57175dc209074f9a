#include "gui/raceview/win_odds_tab.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

WinOddsTab::WinOddsTab(QWidget* parent) : QTabWidget(parent) {
  setObjectName("WinOddsTabs");
  auto* byHorse = new QWidget(this);
  auto* col = new QVBoxLayout(byHorse);
  byHorseGrid_ = MakeOddsGrid(byHorse, "WinOddsGrid", kMaxRunners, {FromUtf8("馬番"), "", "", ""});
  col->addWidget(byHorseGrid_);
  col->addWidget(Note(byHorse));
  addTab(byHorse, FromUtf8("馬番順"));
  auto* byRank = new QWidget(this);
  auto* col2 = new QVBoxLayout(byRank);
  popularityGrid_ = MakeOddsGrid(byRank, "PopularityGrid", kMaxRunners,
                                 {FromUtf8("人気"), FromUtf8("馬番"), "", FromUtf8("馬番"), "", FromUtf8("馬番"), ""});
  col2->addWidget(popularityGrid_);
  col2->addWidget(Note(byRank));
  addTab(byRank, FromUtf8("人気順"));
}

void WinOddsTab::Show(const RaceView& v) {
  for (int s = 1; s <= kSnapshots; ++s) {
    const QString winTime = ToQt(v.winTimes[Index(s)]);
    SetHeading(byHorseGrid_, s, winTime);
    SetHeading(popularityGrid_, 2 * s, winTime);
  }
  for (int h = 1; h <= kMaxRunners; ++h) {
    const int r = h - 1;
    const QString number = QString::number(h);
    SetField(byHorseGrid_, r, 0, number);
    SetField(popularityGrid_, r, 0, number);
    for (int s = 1; s <= kSnapshots; ++s) {
      SetField(byHorseGrid_, r, s, v.winOdds[Index(h)][Index(s)]);
      SetField(popularityGrid_, r, 2 * s - 1, ToQt(v.popularityHorse[Index(h)][Index(s)]));
      SetField(popularityGrid_, r, 2 * s, v.popularityOdds[Index(h)][Index(s)]);
    }
  }
}

}  // namespace tw
