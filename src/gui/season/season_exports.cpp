#include "gui/season/season_exports.h"

#include <QDir>
#include <QPrintDialog>

#include "gui/file_dialogs.h"
#include "gui/printing/page_printing.h"
#include "gui/printing/shared_printer.h"
#include "gui/qt_text.h"
#include "print/season_page.h"
#include "render/page_renderer.h"
#include "text/sjis.h"

namespace tw {

SeasonExports::SeasonExports(SharedPrinter& printer, UserPort& port, std::string folder, QWidget* window)
    : QObject(window), printer_(printer), port_(port), folder_(std::move(folder)), window_(window) {}

QString SeasonExports::ChooseFile(const QString& caption, const QString& fileName, const QString& filter) {
  const QString suggested = QDir(ToQt(folder_)).filePath(fileName);
  if (chooseFile) return chooseFile(caption, suggested);
  return AskFileToSave(window_, caption, suggested, filter);
}

QString SeasonExports::SaveCsvFile(const QString& caption, const QString& fileName, const std::string& bytes) {
  const QString file = ChooseFile(caption, fileName, FromUtf8("CSVファイル (*.csv)"));
  if (file.isEmpty()) return {};
  const SaveResult saved = WriteFileAtomic(FromQt(file), bytes);
  if (!saved) {
    port_.Beep();
    port_.Inform(Sjis("CSVファイルを保存できませんでした：") + FromQt(file) + Sjis("（") + Utf8ToSjis(saved.error) +
                 Sjis("）"));
    return {};
  }
  return file;
}

QString SeasonExports::SaveCsv(const SeasonCsv& csv) {
  const QString file = SaveCsvFile(FromUtf8("CSV出力"), FromUtf8("成績集計.csv"), csv.bytes());
  if (file.isEmpty()) return {};
  return FromUtf8("CSVファイルに%1レースを保存しました：%2").arg(csv.rows()).arg(file);
}

QString SeasonExports::SaveSummaryCsv(const SeasonSummaryCsv& csv) {
  const QString file = SaveCsvFile(FromUtf8("集計CSV出力"), FromUtf8("成績集計_区分別.csv"), csv.bytes());
  if (file.isEmpty()) return {};
  return FromUtf8("集計CSVファイルに全体と%1区分を保存しました：%2").arg(csv.rows() - 1).arg(file);
}

QString SeasonExports::SavePdf(const std::vector<Page>& pages) {
  const QString file = ChooseFile(FromUtf8("PDF出力"), FromUtf8("成績集計.pdf"), FromUtf8("PDFファイル (*.pdf)"));
  if (file.isEmpty()) return {};
  QString error;
  if (!WritePagesToPdf(pages, file, ToQt(SeasonPageCaption()), &error)) {
    port_.Beep();
    port_.Inform(Sjis("PDFファイルを書き込めませんでした：") + FromQt(file));
    return {};
  }
  return FromUtf8("PDFファイルに保存しました：%1").arg(file);
}

QString SeasonExports::Print(const std::vector<Page>& pages) {
  if (confirmPrinter) {
    if (!confirmPrinter()) return {};
  } else {
    QPrintDialog dialog(&printer_.printer(), window_);
    dialog.setWindowTitle(FromUtf8("印刷"));
    if (dialog.exec() != QDialog::Accepted) return {};
  }
  std::vector<const Page*> each;
  for (const Page& page : pages) each.push_back(&page);
  const bool printed = PrintPagesOn(printer_, each, ToQt(SeasonPageCaption()), port_);
  // The print window leaves the printer at A4 upright; so does this.
  printer_.ResetPaper();
  return printed ? FromUtf8("印刷しました") : QString();
}

}  // namespace tw
