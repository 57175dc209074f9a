#include "gui/printing/print_actions.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/printing/print_window.h"
#include "gui/qt_text.h"
#include "print/day_print_job.h"
#include "shell/app_shell.h"

namespace tw {

PrintActions::PrintActions(AppShell& shell, const RaceDayModel& model, const RaceList& raceList, QComboBox* dateCombo,
                           QWidget* window)
    : QObject(window), shell_(shell), model_(&model), raceList_(raceList), dateCombo_(dateCombo), window_(window) {}

PrintActions::~PrintActions() = default;

void PrintActions::OpenPrintWindow() {
  std::optional<AnalysisPrintout> printout =
      tw::PrepareDayPrintout(FromQt(dateCombo_->currentText()), *model_, raceList_.slots, shell_.ui());
  if (!printout) return;
  PrintWindow form(std::move(*printout), *model_, shell_.settings(), printer_, shell_.ui(), window_);
  form.pdfFileName = dateCombo_->currentText() + QStringLiteral(".pdf");
  if (beforePrintWindow) beforePrintWindow(form);
  form.exec();
}

void PrintActions::SetUpPrinter() {
  QPrintDialog dialog(&printer(), window_);
  dialog.setWindowTitle(FromUtf8("ﾌﾟﾘﾝﾀの設定"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.exec();
}

}  // namespace tw
