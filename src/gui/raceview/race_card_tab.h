// "出馬表": the race card of the shown race, one row per horse with its
// bracket, number, name, sex and age, weight carried, jockey, trainer and
// latest win odds and popularity.
#pragma once

#include <QWidget>

#include "view/race_card.h"

class QTableWidget;

namespace tw {

class RaceCardTab : public QWidget {
  Q_OBJECT

 public:
  explicit RaceCardTab(QWidget* parent = nullptr);
  void Show(const RaceCard& card);
  QTableWidget* grid() const { return grid_; }

 private:
  QTableWidget* grid_ = nullptr;
};

}  // namespace tw
