#include "gui/printing/print_window.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/file_dialogs.h"
#include "gui/printing/page_printing.h"
#include "gui/printing/shared_printer.h"
#include "gui/qt_text.h"
#include "print/day_print_job.h"
#include "render/fonts.h"
#include "render/page_renderer.h"
#include "text/sjis.h"

namespace tw {

namespace {

constexpr int kZooms[] = {25, 50, 75, 100};
constexpr double kScreenDpi = 96.0;

// An A4 page in screen pixels at `zoom` percent.
QSize PageSizeAt(int zoom) {
  const double dpi = kScreenDpi * zoom / 100.0;
  return {static_cast<int>(210.0 / 25.4 * dpi), static_cast<int>(297.0 / 25.4 * dpi)};
}

}  // namespace

PrintWindow::PrintWindow(AnalysisPrintout printout, const RaceDayModel& model, Settings& settings,
                         SharedPrinter& printer, UserPort& port, QWidget* parent)
    : QDialog(parent),
      printout_(std::move(printout)),
      model_(model),
      settings_(settings),
      printer_(printer),
      port_(port) {
  setObjectName("PrintWindow");
  setWindowTitle(ToQt(printout_.caption));
  pdfFileName = ToQt(printout_.caption) + QStringLiteral(".pdf");
  auto* row = new QHBoxLayout(this);

  auto* scroll = new QScrollArea(this);
  preview_ = new QLabel(scroll);
  preview_->setObjectName("PrevX1");
  preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll->setWidget(preview_);
  scroll->setWidgetResizable(false);
  scroll->setBackgroundRole(QPalette::Dark);
  row->addWidget(scroll, 1);

  controls_ = new QWidget(this);
  auto* side = new QVBoxLayout(controls_);
  side->setContentsMargins(0, 0, 0, 0);
  auto* selector = new QHBoxLayout;
  auto* selectorLabel = new QLabel(FromUtf8("ﾍﾟｰｼﾞ選択(&G)"), this);
  selector->addWidget(selectorLabel);
  pageSelector_ = new QSpinBox(this);
  pageSelector_->setObjectName("PageSelector");
  selectorLabel->setBuddy(pageSelector_);
  pageSelector_->setRange(1, std::max<int>(1, static_cast<int>(printout_.pages.size())));
  selector->addWidget(pageSelector_);
  side->addLayout(selector);

  auto* zoomBox = new QGroupBox(FromUtf8("倍率"), this);
  auto* zoomGrid = new QGridLayout(zoomBox);
  zoomGroup_ = new QButtonGroup(this);
  const char* zoomTexts[] = {"25%", "50%", "75%", "100%"};
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(zoomTexts[i]), zoomBox);
    zoomGroup_->addButton(radio, i);
    zoomGrid->addWidget(radio, i / 2, i % 2);
  }
  side->addWidget(zoomBox);

  auto* print = new QPushButton(FromUtf8("表示ﾍﾟｰｼﾞ印刷(&P)"), this);
  print->setObjectName("PrintPageButton");
  auto* printChecked = new QPushButton(FromUtf8("指定ﾍﾟｰｼﾞ印刷(&K)"), this);
  printChecked->setObjectName("PrintCheckedButton");
  auto* pdf = new QPushButton(FromUtf8("PDF出力(&F)"), this);
  pdf->setObjectName("PdfButton");
  pdf->setToolTip(FromUtf8("チェックしたページ（なければ全ページ）をPDFファイルに保存します"));
  auto* setup = new QPushButton(FromUtf8("ﾌﾟﾘﾝﾀ設定(&S)"), this);
  setup->setObjectName("PrinterSetupButton");
  auto* close = new QPushButton(FromUtf8("閉じる"), this);
  close->setObjectName("CloseButton");
  for (QPushButton* b : {print, printChecked, pdf, setup, close}) {
    b->setAutoDefault(false);
    side->addWidget(b);
  }

  auto* choice = new QGroupBox(FromUtf8("選択指定"), this);
  auto* choiceRow = new QHBoxLayout(choice);
  auto* all = new QPushButton(FromUtf8("全選択(&A)"), choice);
  all->setObjectName("CheckAllButton");
  auto* none = new QPushButton(FromUtf8("全ｸﾘｱ(&L)"), choice);
  none->setObjectName("UncheckAllButton");
  // Return in the page number box shows the page; it ticks no page.
  all->setAutoDefault(false);
  none->setAutoDefault(false);
  choiceRow->addWidget(all);
  choiceRow->addWidget(none);
  side->addWidget(choice);
  side->addStretch();
  row->addWidget(controls_);

  pageList_ = new QListWidget(this);
  pageList_->setObjectName("PageList");
  pageList_->setFont(QFont(DesignedFontFamily(), 9));
  pageList_->setFixedWidth(130);
  for (const std::string& title : printout_.pageTitles) {
    auto* item = new QListWidgetItem(ToQt(title), pageList_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  row->addWidget(pageList_);

  connect(zoomGroup_, &QButtonGroup::idClicked, this, &PrintWindow::ChooseZoom);
  connect(pageSelector_, &QSpinBox::valueChanged, this, &PrintWindow::ShowChosenPage);
  connect(print, &QPushButton::clicked, this, &PrintWindow::PrintPageInView);
  connect(printChecked, &QPushButton::clicked, this, &PrintWindow::PrintCheckedPages);
  connect(pdf, &QPushButton::clicked, this, &PrintWindow::SavePdf);
  connect(setup, &QPushButton::clicked, this, &PrintWindow::SetUpPrinter);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(all, &QPushButton::clicked, this, &PrintWindow::CheckAllPages);
  connect(none, &QPushButton::clicked, this, &PrintWindow::UncheckAllPages);

  // Window place and zoom as last left; the size at least what the zoom needs.
  const int item = settings_.ReadInteger(setting::kPrintZoom);
  if (item >= 0 && item < 4) {
    zoomGroup_->button(item)->setChecked(true);
    zoom_ = kZooms[item];
  }
  move(settings_.ReadInteger(setting::kPrintWindowLeft), settings_.ReadInteger(setting::kPrintWindowTop));
  resize(SizeForZoom(
      {settings_.ReadInteger(setting::kPrintWindowWidth), settings_.ReadInteger(setting::kPrintWindowHeight)}));
  ShowPage(1);
}

QSize PrintWindow::SizeForZoom(QSize saved) const {
  const QSize page = PageSizeAt(zoom_);
  const QMargins margins = layout()->contentsMargins();
  const int spacing = 2 * layout()->spacing();
  const int frame = 4 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  QSize wanted(margins.left() + margins.right() + spacing + page.width() + frame + controls_->sizeHint().width() +
                   pageList_->width(),
               margins.top() + margins.bottom() + page.height() + frame);
  wanted = wanted.expandedTo(saved);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    // Room for the window frame of the window manager.
    wanted = wanted.boundedTo(QSize(area.right() - pos().x() - 8, area.bottom() - pos().y() - 32));
  }
  return wanted.expandedTo(QSize(320, 240));
}

void PrintWindow::ShowPage(int page) {
  if (printout_.pages.empty()) {
    preview_->clear();
    return;
  }
  page_ = std::clamp(page, 1, static_cast<int>(printout_.pages.size()));
  const double dpi = kScreenDpi * zoom_ / 100.0;
  const QSize size = PageSizeAt(zoom_);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    RenderPage(painter, printout_.pages[static_cast<size_t>(page_ - 1)], dpi, dpi);
  }
  preview_->setPixmap(QPixmap::fromImage(image));
  preview_->resize(size);
}

void PrintWindow::ChooseZoom(int item) {
  if (item >= 0 && item < 4) zoom_ = kZooms[item];
  settings_.WriteInteger(setting::kPrintZoom, item);
  ShowPage(page_);
}

void PrintWindow::ShowChosenPage(int page) { ShowPage(page); }

void PrintWindow::PrintPageInView() {
  auto page = PageInViewToPrint(printout_, model_, pageSelector_->value(), port_);
  if (page && PrintPages({*page})) TellPrinted();
}

void PrintWindow::TellPrinted() { port_.Inform(Sjis("印刷しました。")); }

std::vector<int> PrintWindow::CheckedPages() const {
  std::vector<bool> checked;
  for (int k = 0; k < pageList_->count(); ++k) checked.push_back(pageList_->item(k)->checkState() == Qt::Checked);
  return CheckedPagesToPrint(printout_, model_, checked);
}

void PrintWindow::SavePdf() {
  std::vector<int> pages = CheckedPages();
  if (pages.empty()) {
    // Nothing checked: every page that may be printed.
    const std::vector<bool> all(static_cast<size_t>(pageList_->count()), true);
    pages = CheckedPagesToPrint(printout_, model_, all);
  }
  if (pages.empty()) return;
  const QString suggested =
      QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(pdfFileName);
  const QString file = chooseFile
                           ? chooseFile(suggested)
                           : AskFileToSave(this, FromUtf8("PDF出力"), suggested, FromUtf8("PDFファイル (*.pdf)"));
  if (file.isEmpty()) return;
  std::vector<Page> chosen;
  for (int page : pages) chosen.push_back(printout_.pages[static_cast<size_t>(page - 1)]);
  QString error;
  if (!WritePagesToPdf(chosen, file, ToQt(printout_.caption), &error)) {
    port_.Beep();
    port_.Inform(Sjis("PDFファイルを書き込めませんでした：") + FromQt(file));
    return;
  }
  port_.Inform(FromQt(FromUtf8("%1ページをPDFファイルに保存しました：%2").arg(chosen.size()).arg(file)));
}

void PrintWindow::PrintCheckedPages() {
  const std::vector<int> pages = CheckedPages();
  if (pages.empty()) return;
  if (printer_.printer().outputFormat() == QPrinter::PdfFormat) {
    // One file cannot hold separate jobs: the chosen pages go into it together.
    if (PrintPages(pages)) TellPrinted();
    return;
  }
  for (int page : pages) {
    if (!PrintPages({page})) return;
  }
  TellPrinted();
}

void PrintWindow::SetUpPrinter() {
  QPrintDialog dialog(&printer_.printer(), this);
  dialog.setWindowTitle(FromUtf8("ﾌﾟﾘﾝﾀ設定"));
  dialog.exec();
}

bool PrintWindow::PrintPages(const std::vector<int>& pages) {
  std::vector<const Page*> chosen;
  for (int page : pages) {
    if (page >= 1 && page <= static_cast<int>(printout_.pages.size()))
      chosen.push_back(&printout_.pages[static_cast<size_t>(page - 1)]);
  }
  return PrintPagesOn(printer_, chosen, ToQt(printout_.caption), port_);
}

void PrintWindow::CheckAllPages() {
  for (int k = 0; k < pageList_->count(); ++k) pageList_->item(k)->setCheckState(Qt::Checked);
}

void PrintWindow::UncheckAllPages() {
  for (int k = 0; k < pageList_->count(); ++k) pageList_->item(k)->setCheckState(Qt::Unchecked);
}

void PrintWindow::done(int result) {
  settings_.WriteInteger(setting::kPrintWindowTop, pos().y());
  settings_.WriteInteger(setting::kPrintWindowLeft, pos().x());
  settings_.WriteInteger(setting::kPrintWindowWidth, width());
  settings_.WriteInteger(setting::kPrintWindowHeight, height());
  printer_.ResetPaper();
  QDialog::done(result);
}

}  // namespace tw
