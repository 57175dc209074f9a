// "成績結果": the results, popularity and payouts of every bet type.
#pragma once

#include <QWidget>

#include "view/results_panel.h"

class QTableWidget;

namespace tw {

class ResultsTab : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsTab(QWidget* parent = nullptr);
  void Show(const ResultsPanel& results);

 private:
  QTableWidget* grid_ = nullptr;
};

}  // namespace tw
