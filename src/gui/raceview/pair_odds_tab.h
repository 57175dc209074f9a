// "枠連オッズ" and "馬連オッズ": the odds of every pair as a triangle table
// of the chosen snapshot ("枠連順" / "馬連順"), and the pairs by popularity
// of every snapshot ("人気順").
#pragma once

#include <QTabWidget>
#include <array>

#include "codes/pairs.h"
#include "view/race_view.h"

class QLabel;
class QListWidget;
class QTableWidget;
class QToolButton;

namespace tw {

class SnapshotButtonRow;

class PairOddsTab : public QTabWidget {
  Q_OBJECT

 public:
  explicit PairOddsTab(PairKind kind, QWidget* parent = nullptr);

  // The times, popularity lists, snapshot buttons and the table of `view`.
  void Show(const RaceView& view);
  // Fills the triangle table with `table` and colours its odds.
  void ShowTable(const PairOddsTable& table);
  QToolButton* snapshotButton(int snapshot) const;

 public Q_SLOTS:
  // "色分け": the odds colours on every field of the table.
  void ColourOdds();

 Q_SIGNALS:
  // The user chose the table of `snapshot` (1..3).
  void snapshotChosen(int snapshot);

 private:
  QWidget* BuildTablePage();
  QWidget* BuildPopularityPage();

  PairKind kind_;
  PairOddsTable table_;  // the table shown, with the colours of its odds
  SnapshotButtonRow* buttons_ = nullptr;
  QLabel* tableTime_ = nullptr;
  QTableWidget* grid_ = nullptr;
  std::array<QListWidget*, kSnapshots + 1> popularityLists_{};  // [1..3]
  std::array<QLabel*, kSnapshots + 1> popularityTimes_{};       // [1..3]
};

}  // namespace tw
