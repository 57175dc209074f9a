// "投票率": the win and quinella shares of every snapshot with their change.
#pragma once

#include <QTabWidget>

#include "view/race_view.h"

class QTableWidget;

namespace tw {

class ShareTab : public QTabWidget {
  Q_OBJECT

 public:
  explicit ShareTab(QWidget* parent = nullptr);
  void Show(const RaceView& view);

 private:
  QTableWidget* winShareGrid_ = nullptr;
  QTableWidget* quinellaShareGrid_ = nullptr;
};

}  // namespace tw
