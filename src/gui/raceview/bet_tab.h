// "買い目": the axis and partner judgement, the decision table and the bet
// list of the race, drawn with their cell colours and strike-throughs.
#pragma once

#include <QWidget>
#include <array>

#include "view/judgement_grids.h"

class QTableWidget;

namespace tw {

class BetTab : public QWidget {
  Q_OBJECT

 public:
  explicit BetTab(QWidget* parent = nullptr);
  // Fills the grid of `grid.kind`: its row 0 goes into the grid's header,
  // which stays in place while the rows below scroll.
  void Show(const JudgementGrid& grid);
  QTableWidget* grid(JudgementGridKind kind) const { return grids_[static_cast<size_t>(kind)]; }

 private:
  std::array<QTableWidget*, kJudgementGrids> grids_{};
};

}  // namespace tw
