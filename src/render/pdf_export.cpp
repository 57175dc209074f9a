#include "render/pdf_export.h"

#include <QGuiApplication>
#include <memory>

#include "render/fonts.h"
#include "render/page_renderer.h"

namespace tw {

bool ExportPagesToPdf(const std::vector<Page>& pages, const std::string& pdfFile, std::string& error) {
  // Fonts and the PDF writer need an application object; the command line
  // has none of its own.
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "turfwise-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  SetUpFonts();
  QString message;
  const bool ok =
      WritePagesToPdf(pages, QString::fromStdString(pdfFile), QStringLiteral("Turfwise 分析結果印刷"), &message);
  if (!ok) error = message.toStdString();
  return ok;
}

}  // namespace tw
