// The print actions of the main window: the day's analysis print-out in the
// print window, and the printer every print goes to with its set-up dialog.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "gui/printing/shared_printer.h"

class QComboBox;
class QPrinter;
class QWidget;

namespace tw {

class AppShell;
class PrintWindow;

class PrintActions : public QObject {
  Q_OBJECT

 public:
  // The references must outlive the object; `window` parents the dialogs.
  PrintActions(AppShell& shell, const RaceDayModel& model, const RaceList& raceList, QComboBox* dateCombo,
               QWidget* window);
  ~PrintActions() override;

  // The printer every print goes to, set up by the printer dialog: A4 upright
  // until changed. A failed start replaces it, so ask again after printing.
  QPrinter& printer() { return printer_.printer(); }
  SharedPrinter& sharedPrinter() { return printer_; }
  // Called with the print window before it is shown modally (tests).
  std::function<void(PrintWindow&)> beforePrintWindow;

 public Q_SLOTS:
  void OpenPrintWindow();
  // "ﾌﾟﾘﾝﾀの設定".
  void SetUpPrinter();

 private:
  AppShell& shell_;
  const RaceDayModel* model_;
  const RaceList& raceList_;
  QComboBox* dateCombo_;
  QWidget* window_;
  SharedPrinter printer_;
};

}  // namespace tw
