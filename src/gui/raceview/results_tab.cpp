#include "gui/raceview/results_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

ResultsTab::ResultsTab(QWidget* parent) : QWidget(parent) {
  auto* col = new QVBoxLayout(this);
  col->addWidget(Caption(this, "成績結果"));
  grid_ = MakeOddsGrid(this, "ResultsGrid", 21,
                       {FromUtf8("券種"), FromUtf8("結果："), FromUtf8("人気："), FromUtf8("配当：")});
  grid_->verticalHeader()->setDefaultSectionSize(18);
  const std::pair<const char*, int> kinds[] = {{"単勝", 3}, {"複勝", 5}, {"枠連", 3}, {"馬連", 3}, {"ワイド", 7}};
  int r = 0;
  for (const auto& [kind, count] : kinds)
    for (int k = 0; k < count; ++k, ++r) {
      SetField(grid_, r, 0, k == 0 ? FromUtf8(kind) : QString());
      for (int c = 1; c <= 3; ++c) SetField(grid_, r, c, QString());
    }
  col->addWidget(grid_);
}

void ResultsTab::Show(const ResultsPanel& p) {
  int r = 0;
  auto put = [this, &r](const ResultEntry& e) {
    SetField(grid_, r, 1, ToQt(e.result));
    SetField(grid_, r, 2, ToQt(e.popularity));
    SetField(grid_, r, 3, ToQt(e.payout));
    ++r;
  };
  for (const auto& e : p.win) put(e);
  for (const auto& e : p.place) put(e);
  for (const auto& e : p.bracket) put(e);
  for (const auto& e : p.quinella) put(e);
  for (const auto& e : p.wide) put(e);
}

}  // namespace tw
