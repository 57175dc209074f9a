// The hit reports ("的中", "穴的中"), the season report ("成績集計") and the
// time-series actions: choosing the viewer's folder and importing its odds
// into the loaded day.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "gui/file_opener.h"
#include "reports/hit_lines.h"

class QComboBox;
class QListWidget;
class QWidget;

namespace tw {

class AppShell;
class SeasonWindow;
class SharedPrinter;

class ReportActions : public QObject {
  Q_OBJECT

 public:
  // What the actions ask of the main window.
  struct WindowHooks {
    std::function<void(int)> showRaceOfRow;  // a race of the list, as choosing it does
    std::function<void()> loadChosenDay;     // the day of the selector again
    SharedPrinter* printer = nullptr;        // where the season report prints
  };
  // The references must outlive the object; `window` parents the dialogs.
  ReportActions(AppShell& shell, RaceDayModel& model, const RaceList& raceList, QComboBox* dateCombo,
                QListWidget* raceListBox, WindowHooks hooks, QWidget* window);

  // Replaces the folder picker (tests).
  std::function<std::optional<std::string>()> folderChooser;
  // Replaces opening the hit report with the desktop's application (tests);
  // false when it could not be opened.
  FileOpener openReport;
  // Called with the season window before it is shown modally (tests).
  std::function<void(SeasonWindow&)> beforeSeasonWindow;

 public Q_SLOTS:
  void MakeHitReport(HitReportKind kind);
  // The season report window on the data folder.
  void OpenSeasonReport();
  // The same window, counting every day at once (the program started to show it).
  void OpenSeasonReportCounting();
  void ChooseTimeSeriesFolder();
  void ImportTimeSeries();

 private:
  void ShowSeasonWindow(bool countAtOnce);

  void StoreChosenTimeSeriesFolder(const std::string& folder);
  void ShowRaceOfRow(int row) { hooks_.showRaceOfRow(row); }
  void LoadChosenDay() { hooks_.loadChosenDay(); }

  AppShell& shell_;
  RaceDayModel* model_;
  const RaceList& raceList_;
  QComboBox* dateCombo_;
  QListWidget* raceListBox_;
  WindowHooks hooks_;
  QWidget* window_;
};

}  // namespace tw
