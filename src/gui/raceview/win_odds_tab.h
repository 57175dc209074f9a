// "単勝オッズ": the win odds of every snapshot by horse number ("馬番順")
// and by popularity ("人気順").
#pragma once

#include <QTabWidget>

#include "view/race_view.h"

class QTableWidget;

namespace tw {

class WinOddsTab : public QTabWidget {
  Q_OBJECT

 public:
  explicit WinOddsTab(QWidget* parent = nullptr);
  void Show(const RaceView& view);

 private:
  QTableWidget* byHorseGrid_ = nullptr;
  QTableWidget* popularityGrid_ = nullptr;
};

}  // namespace tw
