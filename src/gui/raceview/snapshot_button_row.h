// The three "1回目 2回目 3回目" buttons above a pair table or the snapshot
// chart: at most one down, each enabled when its snapshot was fetched.
#pragma once

#include <QWidget>
#include <array>

#include "view/race_view.h"

class QButtonGroup;
class QToolButton;

namespace tw {

class SnapshotButtonRow : public QWidget {
  Q_OBJECT

 public:
  // The buttons are named `namePrefix` 1..3.
  SnapshotButtonRow(const QString& namePrefix, QWidget* parent = nullptr);

  // Enables and presses the buttons as `state` says.
  void Apply(const SnapshotButtons& state);
  QToolButton* button(int snapshot) const;

 Q_SIGNALS:
  // The user pressed the button of `snapshot` (1..3).
  void snapshotChosen(int snapshot);

 private:
  QButtonGroup* group_ = nullptr;
  std::array<QToolButton*, kSnapshots + 1> buttons_{};  // [1..3]
};

}  // namespace tw
