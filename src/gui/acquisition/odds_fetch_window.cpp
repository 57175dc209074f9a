#include "gui/acquisition/odds_fetch_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/printing/shared_printer.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"
#include "print/analysis_page.h"
#include "print/schedule_print.h"
#include "render/page_renderer.h"

namespace tw {

namespace {

QColor ColourOf(const ScheduleCell& cell, const QPalette& palette) {
  switch (cell.system) {
    case SystemBackground::kToolTip:
      return palette.color(QPalette::ToolTipBase);
    case SystemBackground::kFixedRow:
      return palette.color(QPalette::Button);
    case SystemBackground::kNone:
      break;
  }
  return QColor(cell.background.red, cell.background.green, cell.background.blue);
}

// Rows the window shows without scrolling: two courses of 12 races.
constexpr int kRacesInView = 24;
constexpr int kRowHeight = 19;

}  // namespace

OddsFetchWindow::OddsFetchWindow(const AcquisitionContext& context, UserPort* ui, QWidget* parent) : QDialog(parent) {
  setObjectName("OddsFetchWindow");
  setWindowTitle(FromUtf8("オッズ手動取得"));
  setModal(true);
  if (!ui) {
    ownUi_ = std::make_unique<QtUserPort>(this);
    ui = ownUi_.get();
  }
  ui_ = ui;
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
  raceChecks_ = new QListWidget;
  raceChecks_->setObjectName("RaceCheckList");
  raceChecks_->setContextMenuPolicy(Qt::CustomContextMenu);
  raceChecks_->setUniformItemSizes(true);
  left->addWidget(raceChecks_, 1);
  fetchButton_ = new QPushButton(FromUtf8("ｵｯｽﾞを今すぐ取得"));
  fetchButton_->setObjectName("FetchNowButton");
  fetchButton_->setAutoDefault(false);
  stopButton_ = new QPushButton(FromUtf8("中止(&C)"));
  stopButton_->setObjectName("StopFetchButton");
  stopButton_->setAutoDefault(false);
  stopButton_->setEnabled(false);  // only while a run goes on
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fetchButton_, 1);
  buttons->addWidget(stopButton_);
  left->addLayout(buttons);
  body->addLayout(left);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(ToQt(ScheduleTitleText())));
  scheduleGrid_ = new QTableWidget;
  scheduleGrid_->setObjectName("ScheduleGrid");
  scheduleGrid_->setSelectionMode(QAbstractItemView::NoSelection);  // no cell is ever shown selected
  scheduleGrid_->setFocusPolicy(Qt::NoFocus);
  scheduleGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  scheduleGrid_->verticalHeader()->setVisible(false);
  scheduleGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  scheduleGrid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  scheduleGrid_->setWordWrap(false);  // a race label stays on one line
  scheduleGrid_->setTextElideMode(Qt::ElideNone);
  scheduleGrid_->setStyleSheet("QTableWidget::item { padding-top: 2px; }");
  right->addWidget(scheduleGrid_, 1);
  printButton_ = new QPushButton(FromUtf8("ｽｹｼﾞｭｰﾙ表印刷"));
  printButton_->setObjectName("PrintScheduleButton");
  connect(printButton_, &QPushButton::clicked, this, &OddsFetchWindow::PrintSchedule);
  printButton_->setAutoDefault(false);
  right->addWidget(printButton_);
  body->addLayout(right, 1);
  layout->addLayout(body, 1);

  progressLabel_ = new QLabel;
  progressLabel_->setObjectName("ProgressLabel");
  layout->addWidget(progressLabel_);
  progressBar_ = new QProgressBar;
  progressBar_->setObjectName("ProgressBar");
  progressBar_->setValue(0);
  layout->addWidget(progressBar_);

  auto* menu = new QMenu(this);
  QAction* checkAll = menu->addAction(FromUtf8("全て選択"));
  checkAll->setObjectName("CheckAllItem");
  QAction* uncheckAll = menu->addAction(FromUtf8("全て解除"));
  uncheckAll->setObjectName("UncheckAllItem");
  connect(checkAll, &QAction::triggered, this, &OddsFetchWindow::CheckAllRaces);
  connect(uncheckAll, &QAction::triggered, this, &OddsFetchWindow::UncheckAllRaces);
  connect(raceChecks_, &QWidget::customContextMenuRequested, this,
          [this, menu](const QPoint& at) { menu->popup(raceChecks_->viewport()->mapToGlobal(at)); });
  connect(fetchButton_, &QPushButton::clicked, this, &OddsFetchWindow::FetchNow);
  connect(stopButton_, &QPushButton::clicked, this, [this] { stopAsked_ = true; });
  resize(900, 560);
}

OddsFetchWindow::~OddsFetchWindow() = default;

void OddsFetchWindow::Fill(const ScheduleGrid& grid) {
  dateLabel_->setText(ToQt(grid.dayLabel));
  raceChecks_->clear();
  for (const auto& label : grid.raceLabels) {
    auto* item = new QListWidgetItem(ToQt(label), raceChecks_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  scheduleGrid_->clear();
  scheduleGrid_->setColumnCount(kScheduleColumns);
  int rows = static_cast<int>(grid.rows.size());
  scheduleGrid_->setRowCount(rows > 0 ? rows - 1 : 0);
  QStringList headers;
  if (rows > 0)
    for (const auto& cell : grid.rows[0]) headers << ToQt(cell.text);
  scheduleGrid_->setHorizontalHeaderLabels(headers);
  RefreshGrid(grid);
  // The designed widths, widened where a text would not fit (the race label
  // in a larger screen font).
  const QFontMetrics metrics(scheduleGrid_->font());
  for (int c = 0; c < kScheduleColumns; ++c) {
    int width = grid.columnWidths[static_cast<size_t>(c)];
    for (const auto& row : grid.rows)
      width = std::max(width, metrics.horizontalAdvance(ToQt(row[static_cast<size_t>(c)].text)) + 12);
    scheduleGrid_->setColumnWidth(c, width);
  }
  FitToRaces(kRacesInView);
}

void OddsFetchWindow::FitToRaces(int races) {
  // The grid and the check list show `races` rows and every column without
  // scrolling; a day of more races scrolls, so the scroll bar is reserved.
  const int frame = 2 * scheduleGrid_->frameWidth();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  int width = frame + bar;
  for (int c = 0; c < scheduleGrid_->columnCount(); ++c) width += scheduleGrid_->columnWidth(c);
  const int header = scheduleGrid_->horizontalHeader()->sizeHint().height();
  scheduleGrid_->setMinimumSize(width, frame + header + races * kRowHeight);
  int itemHeight = raceChecks_->count() > 0 ? raceChecks_->sizeHintForRow(0) : kRowHeight;
  raceChecks_->setMinimumHeight(2 * raceChecks_->frameWidth() + races * std::max(itemHeight, 1));
  raceChecks_->setMinimumWidth(raceChecks_->sizeHintForColumn(0) + 2 * raceChecks_->frameWidth() + bar + 8);
  resize(size().expandedTo(sizeHint()));
}

void OddsFetchWindow::RefreshGrid(const ScheduleGrid& grid) {
  const int rows = std::min<int>(static_cast<int>(grid.rows.size()), scheduleGrid_->rowCount() + 1);
  for (int r = 1; r < rows; ++r) {
    for (int c = 0; c < kScheduleColumns; ++c) {
      const ScheduleCell& cell = grid.rows[static_cast<size_t>(r)][static_cast<size_t>(c)];
      QTableWidgetItem* item = scheduleGrid_->item(r - 1, c);
      if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        item->setFlags(Qt::ItemIsEnabled);
        scheduleGrid_->setItem(r - 1, c, item);
      }
      item->setText(ToQt(cell.text));
      item->setBackground(ColourOf(cell, palette()));
    }
  }
}

std::vector<bool> OddsFetchWindow::Ticks() const {
  std::vector<bool> ticks;
  for (int i = 0; i < raceChecks_->count(); ++i) ticks.push_back(raceChecks_->item(i)->checkState() == Qt::Checked);
  return ticks;
}

void OddsFetchWindow::FetchNow() {
  if (running_) return;
  SetRunning(true);
  OddsWindowView& view = *this;
  const FetchTally tally = FetchCheckedRaces(*context_, view, Ticks());
  SetRunning(false);
  if (tally.stored > 0 && scheduleAfterFetch) RefreshGrid(scheduleAfterFetch());
  if (closeAsked_) {
    closeAsked_ = false;
    close();
  }
}

void OddsFetchWindow::SetRunning(bool running) {
  running_ = running;
  stopAsked_ = false;
  stopButton_->setEnabled(running);
  fetchButton_->setEnabled(!running);
}

void OddsFetchWindow::CheckAllRaces() {
  for (int i = 0; i < raceChecks_->count(); ++i) raceChecks_->item(i)->setCheckState(Qt::Checked);
}

void OddsFetchWindow::UncheckAllRaces() {
  for (int i = 0; i < raceChecks_->count(); ++i) raceChecks_->item(i)->setCheckState(Qt::Unchecked);
}

void OddsFetchWindow::reject() { close(); }

void OddsFetchWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    // Takes effect when the run has stopped after the race it is on.
    closeAsked_ = true;
    stopAsked_ = true;
    event->ignore();
    return;
  }
  QDialog::reject();
  event->accept();
}

void OddsFetchWindow::SetProgress(int position, int maximum) {
  progressBar_->setMaximum(std::max(maximum, 1));
  progressBar_->setValue(position);
}

void OddsFetchWindow::SetProgressText(const std::string& text) { progressLabel_->setText(ToQt(text)); }

}  // namespace tw

namespace tw {

void OddsFetchWindow::PrintSchedule() {
  if (!printer || !printer->HasTarget()) {
    ui_->Beep();
    ui_->Inform(Sjis("プリンタが登録されていません"));
    return;
  }
  QPrinter& target = printer->printer();
  // The grid as it stands on the screen.
  GridTable table;
  for (int c = 0; c < scheduleGrid_->columnCount(); ++c) table.columnWidths.push_back(scheduleGrid_->columnWidth(c));
  table.rowHeights.push_back(scheduleGrid_->horizontalHeader()->isVisible()
                                 ? scheduleGrid_->horizontalHeader()->height()
                                 : scheduleGrid_->rowHeight(0));
  std::vector<std::string> header;
  for (int c = 0; c < scheduleGrid_->columnCount(); ++c) {
    QTableWidgetItem* h = scheduleGrid_->horizontalHeaderItem(c);
    header.push_back(FromQt(h ? h->text() : QString()));
  }
  const bool headerInRows = !scheduleGrid_->horizontalHeader()->isVisible();
  if (!headerInRows) table.cells.push_back(header);
  for (int r = 0; r < scheduleGrid_->rowCount(); ++r) {
    if (headerInRows && r == 0) {
      table.rowHeights[0] = scheduleGrid_->rowHeight(0);
    } else {
      table.rowHeights.push_back(scheduleGrid_->rowHeight(r));
    }
    std::vector<std::string> row;
    for (int c = 0; c < scheduleGrid_->columnCount(); ++c) {
      QTableWidgetItem* item = scheduleGrid_->item(r, c);
      row.push_back(FromQt(item ? item->text() : QString()));
    }
    table.cells.push_back(row);
  }
  table.font.name = PrintFontName();
  table.font.points = 9;
  PrinterMetrics metrics;
  metrics.dotsPerInchX = target.logicalDpiX();
  metrics.dotsPerInchY = target.logicalDpiY();
  const QRect area = target.pageLayout().paintRectPixels(target.resolution());
  metrics.pageWidth = area.width();
  metrics.pageHeight = area.height();
  const std::vector<Page> pages = PrintScheduleGrid(table, FromQt(dateLabel_->text()), metrics);
  QPainter painter;
  if (printer->Begin(painter, windowTitle()) != SharedPrinter::Start::kStarted) {
    ui_->Beep();
    ui_->Inform(Sjis("印刷を開始できませんでした。"));
    return;
  }
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) target.newPage();
    RenderPage(painter, pages[i], target.logicalDpiX(), target.logicalDpiY());
  }
  painter.end();
}

}  // namespace tw
