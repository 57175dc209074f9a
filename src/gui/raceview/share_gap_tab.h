// "単連差": the difference of win and quinella share at every snapshot, its
// largest value and its change.
#pragma once

#include <QWidget>

#include "view/race_view.h"

class QTableWidget;

namespace tw {

class ShareGapTab : public QWidget {
  Q_OBJECT

 public:
  explicit ShareGapTab(QWidget* parent = nullptr);
  void Show(const RaceView& view);

 private:
  QTableWidget* grid_ = nullptr;
};

}  // namespace tw
