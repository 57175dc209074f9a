// What the season window gives out: the per-race CSV, the summary CSV and
// the summary pages,
// printed on the shared printer or written as a PDF. Each asks where, and
// tells the user when it could not.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "base/user_port.h"
#include "print/page.h"
#include "season/season_csv.h"
#include "season/season_summary_csv.h"

class QWidget;

namespace tw {

class SharedPrinter;

class SeasonExports : public QObject {
  Q_OBJECT

 public:
  // `folder` is where the save dialogs start (Shift-JIS); `window` parents them.
  SeasonExports(SharedPrinter& printer, UserPort& port, std::string folder, QWidget* window);

  // Each gives the text for the window's status line; empty when nothing
  // was written (cancelled, or told why).
  QString SaveCsv(const SeasonCsv& csv);
  QString SaveSummaryCsv(const SeasonSummaryCsv& csv);
  QString SavePdf(const std::vector<Page>& pages);
  QString Print(const std::vector<Page>& pages);

  // Replaces the save dialog (tests): the file chosen, empty for none.
  std::function<QString(const QString& caption, const QString& suggested)> chooseFile;
  // Replaces the printer dialog (tests): true to print.
  std::function<bool()> confirmPrinter;

 private:
  QString ChooseFile(const QString& caption, const QString& fileName, const QString& filter);
  // Asks where and saves `bytes`; the file's name, empty when nothing was saved.
  QString SaveCsvFile(const QString& caption, const QString& fileName, const std::string& bytes);

  SharedPrinter& printer_;
  UserPort& port_;
  std::string folder_;
  QWidget* window_;
};

}  // namespace tw
