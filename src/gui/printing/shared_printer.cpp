#include "gui/printing/shared_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace tw {

SharedPrinter::SharedPrinter() { Renew(); }

SharedPrinter::~SharedPrinter() = default;

QPrinter& SharedPrinter::printer() { return *printer_; }

void SharedPrinter::Renew() {
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  ResetPaper();
}

void SharedPrinter::ResetPaper() {
  printer_->setPageSize(QPageSize(QPageSize::A4));
  printer_->setPageOrientation(QPageLayout::Portrait);
}

bool SharedPrinter::HasTarget() {
  // Without an installed printer Qt falls back to writing a PDF file, which
  // needs a file name chosen in the printer dialog.
  if (printer_->outputFormat() == QPrinter::PdfFormat) return !printer_->outputFileName().isEmpty();
  return !QPrinterInfo::availablePrinters().isEmpty();
}

SharedPrinter::Start SharedPrinter::Begin(QPainter& painter, const QString& documentName) {
  if (!HasTarget()) return Start::kNoPrinter;
  printer_->setDocName(documentName);
  if (painter.begin(printer_.get())) return Start::kStarted;
  Renew();
  return Start::kFailed;
}

}  // namespace tw
