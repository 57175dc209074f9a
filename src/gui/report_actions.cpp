#include "gui/report_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

#include "base/settings_keys.h"
#include "gui/file_opener.h"
#include "gui/folder_dialog.h"
#include "gui/qt_text.h"
#include "gui/season/season_window.h"
#include "import/timeseries_folder.h"
#include "import/timeseries_import.h"
#include "reports/hit_report.h"
#include "shell/app_shell.h"
#include "text/sjis.h"

namespace tw {

ReportActions::ReportActions(AppShell& shell, RaceDayModel& model, const RaceList& raceList, QComboBox* dateCombo,
                             QListWidget* raceListBox, WindowHooks hooks, QWidget* window)
    : QObject(window),
      shell_(shell),
      model_(&model),
      raceList_(raceList),
      dateCombo_(dateCombo),
      raceListBox_(raceListBox),
      hooks_(std::move(hooks)),
      window_(window) {}

void ReportActions::MakeHitReport(HitReportKind kind) {
  // Every race of the list is shown in turn while its bets are read.
  const HitReportResult result =
      RunHitReport(*model_, raceList_.slots, kind, shell_.paths().UploadFolder(), shell_.ui(), [this](int row) {
        QSignalBlocker block(raceListBox_);
        raceListBox_->setCurrentRow(row);
        ShowRaceOfRow(row);
        QApplication::processEvents();
      });
  if (!result.reportSaved) return;
  // The report's text goes to the clipboard also when it opens.
  const QString text = ToQt(result.ReportText());
  QApplication::clipboard()->setText(text);
  // Without a document opener the run has ended all the same.
  OpenFileOrTellWhere(
      result.reportPath, openReport, text,
      Sjis("レポートを開けませんでした。レポートはクリップボードにコピーし、次のファイルに保存しました："),
      shell_.ui());
}

void ReportActions::OpenSeasonReport() { ShowSeasonWindow(false); }

void ReportActions::OpenSeasonReportCounting() { ShowSeasonWindow(true); }

void ReportActions::ShowSeasonWindow(bool countAtOnce) {
  SeasonWindow window(shell_.paths().DataFolder(), shell_.paths().appFolder(), *hooks_.printer, shell_.ui(), window_);
  window.SetTakeoutLine(shell_.settings().ReadInteger(setting::kTakeoutLine) / 10.0);
  if (beforeSeasonWindow) beforeSeasonWindow(window);
  // Once the window is up, so that its progress shows.
  if (countAtOnce) QTimer::singleShot(0, &window, &SeasonWindow::Run);
  window.exec();
}

void ReportActions::ChooseTimeSeriesFolder() {
  if (folderChooser) {
    const std::optional<std::string> chosen = folderChooser();
    if (chosen) StoreChosenTimeSeriesFolder(*chosen);
    return;
  }
  const std::string appFolder = shell_.paths().appFolder();
  FolderDialog dialog(window_, ToQt(TimeSeriesFolderCaption()), ToQt(TimeSeriesFolderPrompt()),
                      ToQt(TimeSeriesFolder(shell_.settings(), appFolder)));
  dialog.exec();
  const QString chosen = dialog.chosenFolder();
  if (!chosen.isEmpty()) StoreChosenTimeSeriesFolder(FromQt(chosen));
}

void ReportActions::StoreChosenTimeSeriesFolder(const std::string& folder) {
  if (!StoreTimeSeriesFolder(shell_.settings(), folder)) {
    shell_.ui().Beep();
    shell_.ui().Inform(Sjis("設定ファイルに保存できませんでした：") + shell_.paths().SettingsFile());
  }
}

void ReportActions::ImportTimeSeries() {
  const ImportResult result = ImportTimeSeriesOdds(*model_, FromQt(dateCombo_->currentText()),
                                                   shell_.paths().appFolder(), shell_.settings(), shell_.ui());
  // After a failed write the window keeps what it showed: the files are not what the import meant.
  if (result.outcome == ImportOutcome::kImported) LoadChosenDay();
}

}  // namespace tw
