#include "gui/odds_fetch_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/qt_user_port.h"
#include "print/analysis_page.h"
#include "print/schedule_print.h"
#include "render/page_renderer.h"

namespace tw {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QColor ColourOf(CellColour colour, const QPalette& palette) {
  switch (colour) {
    case CellColour::kToolTip:
      return palette.color(QPalette::ToolTipBase);
    case CellColour::kWhite:
      return Qt::white;
    case CellColour::kPlanned:
      return QColor(kPlannedRgb.red, kPlannedRgb.green, kPlannedRgb.blue);
    case CellColour::kFetched:
      return QColor(kFetchedRgb.red, kFetchedRgb.green, kFetchedRgb.blue);
    case CellColour::kFixed:
      break;
  }
  return palette.color(QPalette::Button);
}

}  // namespace

OddsFetchWindow::OddsFetchWindow(const AcquisitionContext& context, UserPort* ui, QWidget* parent) : QDialog(parent) {
  setObjectName("OddsSchejForm");
  setWindowTitle(U("オッズ手動取得"));
  setModal(true);
  if (!ui) {
    ownUi_ = std::make_unique<QtUserPort>(this);
    ui = ownUi_.get();
  }
  // The window's dialogs and cursor are its own; the rest is the main window's.
  context_ = std::make_unique<AcquisitionContext>(AcquisitionContext{
      context.jv, context.store, context.settings, context.log, context.clock, *ui, context.model, context.gate});

  auto* layout = new QVBoxLayout(this);
  dateLabel_ = new QLabel;
  dateLabel_->setObjectName("DateLabel");
  layout->addWidget(dateLabel_);
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* instruction = new QLabel(ToQt(ScheduleInstructionText()));
  instruction->setWordWrap(true);
  left->addWidget(instruction);
  checkListBox1_ = new QListWidget;
  checkListBox1_->setObjectName("CheckListBox1");
  checkListBox1_->setContextMenuPolicy(Qt::CustomContextMenu);
  left->addWidget(checkListBox1_, 1);
  ozGetBtn_ = new QPushButton(U("ｵｯｽﾞを今すぐ取得"));
  ozGetBtn_->setObjectName("OzGetBtn");
  ozGetBtn_->setAutoDefault(false);
  left->addWidget(ozGetBtn_);
  body->addLayout(left);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(ToQt(ScheduleTitleText())));
  stringGrid1_ = new QTableWidget;
  stringGrid1_->setObjectName("StringGrid1");
  stringGrid1_->setSelectionMode(QAbstractItemView::NoSelection);  // no cell is ever shown selected
  stringGrid1_->setFocusPolicy(Qt::NoFocus);
  stringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  stringGrid1_->verticalHeader()->setVisible(false);
  stringGrid1_->setStyleSheet("QTableWidget::item { padding-top: 2px; }");
  right->addWidget(stringGrid1_, 1);
  speedButton1_ = new QPushButton(U("ｽｹｼﾞｭｰﾙ表印刷"));
  speedButton1_->setObjectName("SpeedButton1");
  connect(speedButton1_, &QPushButton::clicked, this, &OddsFetchWindow::OpenJVLinkSettings);
  speedButton1_->setAutoDefault(false);
  right->addWidget(speedButton1_);
  body->addLayout(right, 1);
  layout->addLayout(body, 1);

  progressLabel_ = new QLabel;
  progressLabel_->setObjectName("ProgressLabel");
  layout->addWidget(progressLabel_);
  progressBar1_ = new QProgressBar;
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setValue(0);
  layout->addWidget(progressBar1_);

  auto* menu = new QMenu(this);
  QAction* n1 = menu->addAction(U("全て選択"));
  n1->setObjectName("N1");
  QAction* n2 = menu->addAction(U("全て解除"));
  n2->setObjectName("N2");
  connect(n1, &QAction::triggered, this, &OddsFetchWindow::N1Click);
  connect(n2, &QAction::triggered, this, &OddsFetchWindow::N2Click);
  connect(checkListBox1_, &QWidget::customContextMenuRequested, this,
          [this, menu](const QPoint& at) { menu->popup(checkListBox1_->viewport()->mapToGlobal(at)); });
  connect(ozGetBtn_, &QPushButton::clicked, this, &OddsFetchWindow::OpenOddsFetchWindow);
  resize(900, 560);
}

OddsFetchWindow::~OddsFetchWindow() = default;

void OddsFetchWindow::Fill(const ScheduleGrid& grid) {
  dateLabel_->setText(ToQt(grid.dayLabel));
  checkListBox1_->clear();
  for (const auto& label : grid.raceLabels) {
    auto* item = new QListWidgetItem(ToQt(label), checkListBox1_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  stringGrid1_->clear();
  stringGrid1_->setColumnCount(kScheduleColumns);
  int rows = static_cast<int>(grid.rows.size());
  stringGrid1_->setRowCount(rows > 0 ? rows - 1 : 0);
  QStringList headers;
  if (rows > 0)
    for (const auto& cell : grid.rows[0]) headers << ToQt(cell.text);
  stringGrid1_->setHorizontalHeaderLabels(headers);
  for (int c = 0; c < kScheduleColumns; ++c) stringGrid1_->setColumnWidth(c, grid.columnWidths[static_cast<size_t>(c)]);
  for (int r = 1; r < rows; ++r) {
    for (int c = 0; c < kScheduleColumns; ++c) {
      const ScheduleCell& cell = grid.rows[static_cast<size_t>(r)][static_cast<size_t>(c)];
      auto* item = new QTableWidgetItem(ToQt(cell.text));
      item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
      item->setBackground(ColourOf(cell.colour, palette()));
      item->setFlags(Qt::ItemIsEnabled);
      stringGrid1_->setItem(r - 1, c, item);
    }
  }
}

std::vector<bool> OddsFetchWindow::Ticks() const {
  std::vector<bool> ticks;
  for (int i = 0; i < checkListBox1_->count(); ++i)
    ticks.push_back(checkListBox1_->item(i)->checkState() == Qt::Checked);
  return ticks;
}

void OddsFetchWindow::OpenOddsFetchWindow() {
  if (running_) return;
  running_ = true;
  OddsWindowView& view = *this;
  FetchCheckedRaces(*context_, view, Ticks());
  running_ = false;
  if (closeAsked_) {
    closeAsked_ = false;
    close();
  }
}

void OddsFetchWindow::N1Click() {
  for (int i = 0; i < checkListBox1_->count(); ++i) checkListBox1_->item(i)->setCheckState(Qt::Checked);
}

void OddsFetchWindow::N2Click() {
  for (int i = 0; i < checkListBox1_->count(); ++i) checkListBox1_->item(i)->setCheckState(Qt::Unchecked);
}

void OddsFetchWindow::reject() { close(); }

void OddsFetchWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    // Takes effect when the run has ended.
    closeAsked_ = true;
    event->ignore();
    return;
  }
  QDialog::reject();
  event->accept();
}

void OddsFetchWindow::SetProgress(int position, int maximum) {
  progressBar1_->setMaximum(std::max(maximum, 1));
  progressBar1_->setValue(position);
}

void OddsFetchWindow::SetProgressText(const std::string& text) { progressLabel_->setText(ToQt(text)); }

}  // namespace tw

namespace tw {

void OddsFetchWindow::OpenJVLinkSettings() {
  QPrinter* printer = printerProvider ? printerProvider() : nullptr;
  if (!printer || (printer->outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty())) {
    QApplication::beep();
    QMessageBox::information(this, windowTitle(), QString::fromUtf8("プリンタが登録されていません"));
    return;
  }
  // The grid as it stands on the screen.
  GridTable table;
  for (int c = 0; c < stringGrid1_->columnCount(); ++c) table.columnWidths.push_back(stringGrid1_->columnWidth(c));
  table.rowHeights.push_back(stringGrid1_->horizontalHeader()->isVisible() ? stringGrid1_->horizontalHeader()->height()
                                                                           : stringGrid1_->rowHeight(0));
  std::vector<std::string> header;
  for (int c = 0; c < stringGrid1_->columnCount(); ++c) {
    QTableWidgetItem* h = stringGrid1_->horizontalHeaderItem(c);
    header.push_back(FromQt(h ? h->text() : QString()));
  }
  const bool headerInRows = !stringGrid1_->horizontalHeader()->isVisible();
  if (!headerInRows) table.cells.push_back(header);
  for (int r = 0; r < stringGrid1_->rowCount(); ++r) {
    if (headerInRows && r == 0) {
      table.rowHeights[0] = stringGrid1_->rowHeight(0);
    } else {
      table.rowHeights.push_back(stringGrid1_->rowHeight(r));
    }
    std::vector<std::string> row;
    for (int c = 0; c < stringGrid1_->columnCount(); ++c) {
      QTableWidgetItem* item = stringGrid1_->item(r, c);
      row.push_back(FromQt(item ? item->text() : QString()));
    }
    table.cells.push_back(row);
  }
  table.font.name = PrintFontName();
  table.font.points = 9;
  PrinterMetrics metrics;
  metrics.dotsPerInchX = printer->logicalDpiX();
  metrics.dotsPerInchY = printer->logicalDpiY();
  const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
  metrics.pageWidth = area.width();
  metrics.pageHeight = area.height();
  const std::vector<Page> pages = PrintScheduleGrid(table, FromQt(dateLabel_->text()), metrics);
  QPainter painter;
  if (!painter.begin(printer)) {
    QApplication::beep();
    QMessageBox::information(this, windowTitle(), QString::fromUtf8("印刷を開始できませんでした。"));
    return;
  }
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) printer->newPage();
    RenderPage(painter, pages[i], printer->logicalDpiX(), printer->logicalDpiY());
  }
  painter.end();
}

}  // namespace tw
