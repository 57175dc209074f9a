#include "gui/erase_actions.h"

#include <QAction>
#include <QComboBox>

#include "gui/qt_text.h"
#include "shell/app_shell.h"

namespace tw {

EraseActions::EraseActions(AppShell& shell, RaceDayModel& model, QComboBox* dateCombo, std::function<void()> reloadDay,
                           QObject* parent)
    : QObject(parent), shell_(shell), model_(&model), dateCombo_(dateCombo), reloadDay_(std::move(reloadDay)) {}

void EraseActions::Connect(QAction* action, SnapshotErase erase) {
  connect(action, &QAction::triggered, this, [this, erase] { Erase(erase); });
}

void EraseActions::Erase(SnapshotErase erase) {
  const EraseOutcome outcome = RunSnapshotErase(erase, shell_.paths().DataFolder(), FromQt(dateCombo_->currentText()),
                                                model_->selectedRace, shell_.ui());
  // After a failure the other file may have been erased: the day is shown
  // again as the files now hold it.
  if (!outcome.erased && !outcome.failed) return;
  // The reload shows the remembered race: the one the action names.
  model_->rememberedRace = outcome.selectRace;
  reloadDay_();
}

}  // namespace tw
