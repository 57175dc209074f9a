// The print window: a page-wise preview of the analysis print-out with the
// page list, zoom, printing of the page in view or the checked pages, and
// the checked pages (or every page) as a PDF file.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "analysis/race_day_model.h"
#include "base/settings.h"
#include "base/user_port.h"
#include "print/analysis_page.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QSpinBox;

namespace tw {

class SharedPrinter;

class PrintWindow : public QDialog {
  Q_OBJECT

 public:
  PrintWindow(AnalysisPrintout printout, const RaceDayModel& model, Settings& settings, SharedPrinter& printer,
              UserPort& port, QWidget* parent = nullptr);

  int zoom() const { return zoom_; }
  int pageInView() const { return page_; }
  QListWidget* pageList() const { return pageList_; }
  QSpinBox* pageSelector() const { return pageSelector_; }
  QLabel* preview() const { return preview_; }

  // The name "PDF出力" suggests, in the user's documents folder.
  QString pdfFileName;
  // Replaces the save dialog of "PDF出力" (tests): the file chosen, empty for none.
  std::function<QString(const QString& suggested)> chooseFile;

 public Q_SLOTS:
  void ChooseZoom(int item);
  void ShowChosenPage(int page);
  void PrintPageInView();
  void PrintCheckedPages();
  void SavePdf();
  void SetUpPrinter();
  void CheckAllPages();
  void UncheckAllPages();

 public:
  // Every way of closing (the close button, the title bar, Esc) saves the
  // window's place and size and leaves the printer at A4 upright.
  void done(int result) override;

 private:
  // The size that shows a whole page at the zoom beside the controls, within
  // the screen; a larger saved size stays.
  QSize SizeForZoom(QSize saved) const;
  void ShowPage(int page);
  // Prints the pages (1-based); false when there is no printer to print on.
  bool PrintPages(const std::vector<int>& pages);
  // The checked pages whose races may be printed, in page order.
  std::vector<int> CheckedPages() const;
  void TellPrinted();

  AnalysisPrintout printout_;
  const RaceDayModel& model_;
  Settings& settings_;
  SharedPrinter& printer_;
  UserPort& port_;
  int zoom_ = 50;
  int page_ = 1;
  QLabel* preview_ = nullptr;
  QWidget* controls_ = nullptr;
  QListWidget* pageList_ = nullptr;
  QSpinBox* pageSelector_ = nullptr;
  QButtonGroup* zoomGroup_ = nullptr;
};

}  // namespace tw
