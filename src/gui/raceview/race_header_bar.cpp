#include "gui/raceview/race_header_bar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/raceview/race_view_cells.h"

namespace tw {

RaceHeaderBar::RaceHeaderBar(QWidget* parent) : QWidget(parent) {
  setObjectName("RaceHeader");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 0, 2, 0);
  row->setSpacing(4);
  // The day and counts above the race's name and conditions, level with the
  // two payout lines.
  auto* lines = new QVBoxLayout;
  lines->setSpacing(1);
  auto* top = new QHBoxLayout;
  top->setSpacing(4);
  dateLabel_ = MakeValueLabel(this, "DateLabel", 200);
  raceLabel_ = MakeValueLabel(this, "RaceLabel", 36);
  fieldLabel_ = MakeValueLabel(this, "FieldLabel", 40);
  fetchCountLabel_ = MakeValueLabel(this, "FetchCountLabel", 36);
  upsetLabel_ = MakeValueLabel(this, "UpsetLabel", 24);
  top->addWidget(dateLabel_, 1);
  top->addWidget(raceLabel_);
  top->addWidget(fieldLabel_);
  top->addWidget(Caption(this, "ﾃﾞｰﾀ取得回数"));
  top->addWidget(fetchCountLabel_);
  top->addWidget(Caption(this, "波乱度"));
  top->addWidget(upsetLabel_);
  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(4);
  raceNameLabel_ = MakeValueLabel(this, "RaceNameLabel", 200);
  conditionsLabel_ = MakeValueLabel(this, "ConditionsLabel", 120);
  bottom->addWidget(raceNameLabel_, 1);
  bottom->addWidget(conditionsLabel_, 1);
  lines->addLayout(top);
  lines->addLayout(bottom);
  // The labels of the lines take the width the window grows by.
  row->addLayout(lines, 1);
  auto* payouts = new QGridLayout;
  payouts->setSpacing(1);
  result1_ = MakeValueLabel(this, "Result1Label", 44);
  payout1_ = MakeValueLabel(this, "Payout1Label", 64);
  result2_ = MakeValueLabel(this, "Result2Label", 44);
  payout2_ = MakeValueLabel(this, "Payout2Label", 64);
  payouts->addWidget(Caption(this, "結果1"), 0, 0);
  payouts->addWidget(result1_, 0, 1);
  payouts->addWidget(Caption(this, "配当1"), 0, 2);
  payouts->addWidget(payout1_, 0, 3);
  payouts->addWidget(Caption(this, "結果2"), 1, 0);
  payouts->addWidget(result2_, 1, 1);
  payouts->addWidget(Caption(this, "配当2"), 1, 2);
  payouts->addWidget(payout2_, 1, 3);
  row->addLayout(payouts);
}

void RaceHeaderBar::Show(const RaceViewHeader& header) {
  dateLabel_->setText(ToQt(header.dateLine));
  raceLabel_->setText(ToQt(header.raceLine));
  fieldLabel_->setText(ToQt(header.fieldLine));
  fetchCountLabel_->setText(ToQt(header.fetchCount));
  upsetLabel_->setText(ToQt(header.upsetDegree));
  payout1_->setText(ToQt(header.payout1));
  result1_->setText(ToQt(header.result1));
  payout2_->setText(ToQt(header.payout2));
  result2_->setText(ToQt(header.result2));
}

void RaceHeaderBar::ShowCard(const RaceCard& card) {
  // A long name may not fit its label; the tooltip holds it whole.
  raceNameLabel_->setText(ToQt(card.raceName));
  raceNameLabel_->setToolTip(raceNameLabel_->text());
  conditionsLabel_->setText(ToQt(card.ConditionsText()));
  conditionsLabel_->setToolTip(conditionsLabel_->text());
}

}  // namespace tw
