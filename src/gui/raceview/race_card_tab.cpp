#include "gui/raceview/race_card_tab.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

namespace {

enum Column { kBracket, kHorse, kName, kSexAge, kWeight, kJockey, kTrainer, kWinOdds, kPopularity };

}  // namespace

RaceCardTab::RaceCardTab(QWidget* parent) : QWidget(parent) {
  setObjectName("RaceCardPage");
  auto* col = new QVBoxLayout(this);
  grid_ = MakeOddsGrid(this, "RaceCardGrid", 0,
                       {FromUtf8("枠"), FromUtf8("馬番"), FromUtf8("馬名"), FromUtf8("性齢"), FromUtf8("斤量"),
                        FromUtf8("騎手"), FromUtf8("調教師"), FromUtf8("単勝"), FromUtf8("人気")});
  // Names differ in length; each column takes what its longest text needs.
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(false);
  // The table is as large as its rows and columns, up to the page's size.
  grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  grid_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
  col->addWidget(grid_, 0, Qt::AlignLeft | Qt::AlignTop);
}

void RaceCardTab::Show(const RaceCard& card) {
  grid_->setRowCount(static_cast<int>(card.rows.size()));
  for (int r = 0; r < grid_->rowCount(); ++r) {
    const RaceCardRow& row = card.rows[Index(r)];
    SetField(grid_, r, kBracket, ToQt(row.bracket));
    SetField(grid_, r, kHorse, QString::number(row.horse));
    SetField(grid_, r, kName, ToQt(row.name));
    SetField(grid_, r, kSexAge, ToQt(row.sexAge));
    SetField(grid_, r, kWeight, ToQt(row.weight));
    SetField(grid_, r, kJockey, ToQt(row.jockey));
    SetField(grid_, r, kTrainer, ToQt(row.trainer));
    SetField(grid_, r, kWinOdds, ToQt(row.winOdds));
    SetField(grid_, r, kPopularity, ToQt(row.popularity));
    for (int c : {kName, kJockey, kTrainer}) Cell(grid_, r, c)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
}

}  // namespace tw
