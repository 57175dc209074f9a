// The file menu's "ｵｯｽﾞを消去" commands: the three snapshots or the later two,
// of every race or of the race on view. Each asks first, erases the stored
// snapshots and reloads the day on the race the command names.
#pragma once

#include <QObject>
#include <functional>

#include "analysis/race_day_model.h"
#include "shell/snapshot_erase_questions.h"

class QAction;
class QComboBox;

namespace tw {

class AppShell;

class EraseCommands : public QObject {
  Q_OBJECT

 public:
  // `shell` and `model` must outlive the object; `reloadDay` loads the day of
  // the selector again.
  EraseCommands(AppShell& shell, RaceDayModel& model, QComboBox* dateCombo, std::function<void()> reloadDay,
                QObject* parent = nullptr);

  // Runs `command` when `action` is triggered.
  void Connect(QAction* action, SnapshotErase command);

 public Q_SLOTS:
  void EraseCommand(SnapshotErase command);

 private:
  AppShell& shell_;
  RaceDayModel* model_;
  QComboBox* dateCombo_;
  std::function<void()> reloadDay_;
};

}  // namespace tw
