// "グラフ": the snapshot chart with its snapshot buttons ("各回データ") and
// the share, difference and change charts of the race.
#pragma once

#include <QTabWidget>

#include "view/race_view.h"

class QLabel;
class QToolButton;

namespace tw {

class ShareChartView;
class SnapshotButtonRow;

class ChartTab : public QTabWidget {
  Q_OBJECT

 public:
  explicit ChartTab(QWidget* parent = nullptr);

  void Show(const RaceView& view);
  // The snapshot chart and its count of quinella odds under 10.
  void ShowSnapshot(const ChartView& chart, const QString& shortQuinella);
  void ClearSnapshotChart();
  QToolButton* snapshotButton(int snapshot) const;

 Q_SIGNALS:
  // The user chose the snapshot chart of `snapshot` (1..3).
  void snapshotChosen(int snapshot);

 private:
  SnapshotButtonRow* buttons_ = nullptr;
  QLabel* shortQuinellaLabel_ = nullptr;
  ShareChartView *snapshotChart_, *winShareChart_, *quinellaShareChart_, *shareGapChart_, *winChangeChart_,
      *quinellaChangeChart_;
};

}  // namespace tw
