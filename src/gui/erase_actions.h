// The file menu's "ｵｯｽﾞを消去" actions: the three snapshots or the later two,
// of every race or of the race on view. Each asks first, erases the stored
// snapshots and reloads the day on the race the action names.
#pragma once

#include <QObject>
#include <functional>

#include "analysis/race_day_model.h"
#include "shell/snapshot_erase_questions.h"

class QAction;
class QComboBox;

namespace tw {

class AppShell;

class EraseActions : public QObject {
  Q_OBJECT

 public:
  // `shell` and `model` must outlive the object; `reloadDay` loads the day of
  // the selector again.
  EraseActions(AppShell& shell, RaceDayModel& model, QComboBox* dateCombo, std::function<void()> reloadDay,
               QObject* parent = nullptr);

  // Runs `erase` when `action` is triggered.
  void Connect(QAction* action, SnapshotErase erase);

 public Q_SLOTS:
  void Erase(SnapshotErase erase);

 private:
  AppShell& shell_;
  RaceDayModel* model_;
  QComboBox* dateCombo_;
  std::function<void()> reloadDay_;
};

}  // namespace tw
