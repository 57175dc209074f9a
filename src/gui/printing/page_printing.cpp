#include "gui/printing/page_printing.h"

#include <QPainter>
#include <QPrinter>

#include "gui/printing/shared_printer.h"
#include "render/page_renderer.h"
#include "text/sjis.h"

namespace tw {

bool PrintPagesOn(SharedPrinter& printer, const std::vector<const Page*>& pages, const QString& documentName,
                  UserPort& port) {
  QPainter painter;
  switch (printer.Begin(painter, documentName)) {
    case SharedPrinter::Start::kStarted:
      break;
    case SharedPrinter::Start::kNoPrinter:
      port.Beep();
      port.Inform(Sjis("プリンタが登録されていません"));
      return false;
    case SharedPrinter::Start::kFailed:
      port.Beep();
      port.Inform(Sjis("印刷を開始できませんでした。"));
      return false;
  }
  QPrinter& device = printer.printer();
  bool first = true;
  for (const Page* page : pages) {
    if (!first) device.newPage();
    first = false;
    RenderPage(painter, *page, device.logicalDpiX(), device.logicalDpiY());
  }
  painter.end();
  return true;
}

}  // namespace tw
