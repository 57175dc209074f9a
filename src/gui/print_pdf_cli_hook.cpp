// Gives turfwise-cli's print command its PDF writer. This file is linked
// into turfwise-cli only (see CMakeLists.txt), so the command line works
// without a display: Qt runs on its offscreen platform.
#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "cli/print_pdf_command.h"
#include "gui/fonts.h"
#include "gui/print_renderer.h"

namespace {

bool WritePdfWithQt(const std::vector<tw::Page>& pages, const std::string& file, std::string& error) {
  std::unique_ptr<QApplication> app;
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "turfwise-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }
  tw::SetUpFonts();
  QString message;
  const bool ok =
      tw::WritePagesToPdf(pages, QString::fromStdString(file), QStringLiteral("Turfwise 分析結果印刷"), &message);
  if (!ok) error = message.toStdString();
  return ok;
}

const bool kInstalled = (tw::SetPrintPdfWriter(&WritePdfWithQt), true);

}  // namespace
