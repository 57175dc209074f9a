// "付録": the first win rank, the drift mark and the ranks of the win and
// quinella share change of every horse.
#pragma once

#include <QWidget>

#include "view/race_view.h"

class QTableWidget;

namespace tw {

class AppendixTab : public QWidget {
  Q_OBJECT

 public:
  explicit AppendixTab(QWidget* parent = nullptr);
  void Show(const RaceView& view);

 private:
  QTableWidget* grid_ = nullptr;
};

}  // namespace tw
