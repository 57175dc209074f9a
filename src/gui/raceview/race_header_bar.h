// The bar above the race view's tabs: day and course, race, field, how often
// odds were fetched, the upset degree and the two payouts of the result; below
// the day, the race's name and conditions from its race card.
#pragma once

#include <QWidget>

#include "view/race_card.h"
#include "view/race_view.h"

class QLabel;

namespace tw {

class RaceHeaderBar : public QWidget {
  Q_OBJECT

 public:
  explicit RaceHeaderBar(QWidget* parent = nullptr);
  void Show(const RaceViewHeader& header);
  void ShowCard(const RaceCard& card);

 private:
  QLabel *dateLabel_, *raceLabel_, *fieldLabel_, *fetchCountLabel_, *upsetLabel_;
  QLabel *payout1_, *result1_, *payout2_, *result2_;
  QLabel *raceNameLabel_, *conditionsLabel_;
};

}  // namespace tw
