#include "gui/season/season_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/season/season_exports.h"
#include "gui/season/season_filter_panel.h"
#include "gui/season/season_profit_chart.h"
#include "gui/season/season_rate_chart.h"
#include "gui/season/season_run.h"
#include "gui/season/season_table_model.h"
#include "season/season_courses.h"
#include "season/season_figures.h"
#include "season/season_texts.h"
#include "store/day_list.h"

namespace tw {
namespace {

// The tables are shown anew at most this often while the report runs.
constexpr qint64 kTableMillis = 500;

QTableView* MakeTableView(const QString& name, QAbstractItemModel* model, QWidget* parent) {
  auto* proxy = new QSortFilterProxyModel(parent);
  proxy->setSourceModel(model);
  proxy->setSortRole(SeasonTableModel::kSortRole);
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  view->setModel(proxy);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setAlternatingRowColors(true);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setHighlightSections(false);
  // In the report's order until a heading is clicked.
  view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  view->setSortingEnabled(true);
  return view;
}

void FitColumns(QTableView* view) { view->resizeColumnsToContents(); }

}  // namespace

SeasonWindow::SeasonWindow(const std::string& dataFolder, const std::string& saveFolder, SharedPrinter& printer,
                           UserPort& port, QWidget* parent)
    : QDialog(parent), dataFolder_(dataFolder), port_(port) {
  setObjectName("SeasonWindow");
  setWindowTitle(FromUtf8("成績集計"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  run_ = new SeasonRun(this);
  exports_ = new SeasonExports(printer, port, saveFolder, this);
  auto* column = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  filters_ = new SeasonFilterPanel(SeasonCoursesOf(dataFolder_), MakeDayList(dataFolder_), this);
  top->addWidget(filters_, 1);
  auto* runColumn = new QVBoxLayout;
  runButton_ = new QPushButton(FromUtf8("集計(&S)"), this);
  runButton_->setObjectName("SeasonRunButton");
  runButton_->setStatusTip(FromUtf8("条件の日の買い目を集計します"));
  cancelButton_ = new QPushButton(FromUtf8("中止(&C)"), this);
  cancelButton_->setObjectName("SeasonCancelButton");
  runColumn->addWidget(runButton_);
  runColumn->addWidget(cancelButton_);
  runColumn->addStretch();
  top->addLayout(runColumn);
  column->addLayout(top);

  auto* progressRow = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setObjectName("SeasonProgress");
  progress_->setFormat(FromUtf8("%v／%m日"));
  progress_->setRange(0, 1);
  progress_->setValue(0);
  progress_->setTextVisible(false);  // until a run has days to count
  progress_->setFixedWidth(220);
  statusLabel_ = new QLabel(FromUtf8("条件を選んで「集計」を押してください。"), this);
  statusLabel_->setObjectName("SeasonStatusLabel");
  progressRow->addWidget(progress_);
  progressRow->addWidget(statusLabel_, 1);
  column->addLayout(progressRow);
  countsLabel_ = new QLabel(ToQt(SeasonTicketNote()), this);
  countsLabel_->setObjectName("SeasonCountsLabel");
  countsLabel_->setWordWrap(true);
  column->addWidget(countsLabel_);

  column->addWidget(BuildSummary());
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName("SeasonSplitter");
  split->setChildrenCollapsible(false);
  split->addWidget(BuildBreakdowns());
  split->addWidget(BuildCharts());
  split->setStretchFactor(0, 5);
  split->setStretchFactor(1, 2);
  column->addWidget(split, 1);

  auto* buttons = new QHBoxLayout;
  csvButton_ = new QPushButton(FromUtf8("CSV出力(&V)"), this);
  csvButton_->setObjectName("SeasonCsvButton");
  summaryCsvButton_ = new QPushButton(FromUtf8("集計CSV出力(&U)"), this);
  summaryCsvButton_->setObjectName("SeasonSummaryCsvButton");
  printButton_ = new QPushButton(FromUtf8("印刷(&P)"), this);
  printButton_->setObjectName("SeasonPrintButton");
  pdfButton_ = new QPushButton(FromUtf8("PDF出力(&F)"), this);
  pdfButton_->setObjectName("SeasonPdfButton");
  auto* close = new QPushButton(FromUtf8("閉じる"), this);
  close->setObjectName("CloseButton");
  for (QPushButton* b : {csvButton_, summaryCsvButton_, printButton_, pdfButton_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close);
  for (QPushButton* b : {runButton_, cancelButton_, csvButton_, summaryCsvButton_, printButton_, pdfButton_, close})
    b->setAutoDefault(false);
  column->addLayout(buttons);

  connect(runButton_, &QPushButton::clicked, this, &SeasonWindow::Run);
  connect(cancelButton_, &QPushButton::clicked, this, &SeasonWindow::Cancel);
  connect(csvButton_, &QPushButton::clicked, this, &SeasonWindow::SaveCsv);
  connect(summaryCsvButton_, &QPushButton::clicked, this, &SeasonWindow::SaveSummaryCsv);
  connect(printButton_, &QPushButton::clicked, this, &SeasonWindow::Print);
  connect(pdfButton_, &QPushButton::clicked, this, &SeasonWindow::SavePdf);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(run_, &SeasonRun::Stepped, this, &SeasonWindow::ShowStep);
  connect(run_, &SeasonRun::Finished, this, &SeasonWindow::ShowFinished);
  connect(run_, &SeasonRun::Canceled, this, &SeasonWindow::ShowCanceled);

  SetRunning(false);
  for (QPushButton* b : {csvButton_, summaryCsvButton_, printButton_, pdfButton_}) b->setEnabled(false);
  ShowTables();
  ShowDayLists();
  // Room for every column of the tables beside the charts, within the screen.
  QSize size(1240, 880);
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
  resize(size);
}

SeasonWindow::~SeasonWindow() = default;

QWidget* SeasonWindow::BuildSummary() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel(FromUtf8("全体"), panel));
  summaryModel_ = new SeasonTableModel(this);
  summaryView_ = MakeTableView("SeasonSummaryTable", summaryModel_, panel);
  summaryView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  summaryView_->horizontalHeader()->setStretchLastSection(true);
  summaryModel_->SetTable(SeasonSummaryTable(SeasonFigures()));
  column->addWidget(summaryView_);
  return panel;
}

QWidget* SeasonWindow::BuildBreakdowns() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(new QLabel(FromUtf8("内訳の券種"), panel));
  kindFilter_ = new QComboBox(panel);
  kindFilter_->setObjectName("SeasonKindFilter");
  kindFilter_->addItem(FromUtf8("すべて"));
  for (TicketKind kind : kTicketKinds) kindFilter_->addItem(ToQt(TicketKindName(kind)));
  kindRow->addWidget(kindFilter_);
  kindRow->addWidget(new QLabel(FromUtf8("（見出しをクリックすると並べ替えます）"), panel));
  kindRow->addStretch();
  column->addLayout(kindRow);
  connect(kindFilter_, &QComboBox::currentIndexChanged, this, &SeasonWindow::FilterKind);

  tabs_ = new QTabWidget(panel);
  tabs_->setObjectName("SeasonTabs");
  for (size_t k = 0; k < kSeasonDimensions.size(); ++k) {
    breakdownModels_[k] = new SeasonTableModel(this);
    breakdownViews_[k] = MakeTableView(QStringLiteral("SeasonBreakdownTable%1").arg(k), breakdownModels_[k], tabs_);
    breakdownProxies_[k] = static_cast<QSortFilterProxyModel*>(breakdownViews_[k]->model());
    breakdownProxies_[k]->setFilterKeyColumn(kSeasonKindColumn);
    tabs_->addTab(breakdownViews_[k], ToQt(SeasonBreakdownTitle(kSeasonDimensions[k])));
  }
  dayTree_ = new QTreeWidget(tabs_);
  dayTree_->setObjectName("SeasonDayTree");
  dayTree_->setHeaderHidden(true);
  tabs_->addTab(dayTree_, FromUtf8("数えなかった日"));
  column->addWidget(tabs_, 1);
  return panel;
}

QWidget* SeasonWindow::BuildCharts() {
  auto* split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  profitChart_ = new SeasonProfitChart(split);
  rateChart_ = new SeasonRateChart(split);
  for (QWidget* chart : {static_cast<QWidget*>(profitChart_), static_cast<QWidget*>(rateChart_)})
    chart->setMinimumSize(320, 220);
  split->addWidget(profitChart_);
  split->addWidget(rateChart_);
  return split;
}

void SeasonWindow::FitSummaryHeight() {
  // The header and the three kinds of ticket, and a scroll bar when the
  // window is too narrow for every column.
  const QHeaderView* header = summaryView_->horizontalHeader();
  int height = header->sizeHint().height() + 3 * summaryView_->verticalHeader()->defaultSectionSize() +
               2 * summaryView_->frameWidth();
  if (header->length() > summaryView_->viewport()->width()) height += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  summaryView_->setFixedHeight(height);
}

void SeasonWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FitSummaryHeight();
}

QTableView* SeasonWindow::breakdownView(SeasonDimension dimension) const {
  for (size_t k = 0; k < kSeasonDimensions.size(); ++k) {
    if (kSeasonDimensions[k] == dimension) return breakdownViews_[k];
  }
  return nullptr;
}

void SeasonWindow::SetRunning(bool running) {
  runButton_->setEnabled(!running);
  cancelButton_->setEnabled(running);
  filters_->setEnabled(!running);
  if (running) {
    for (QPushButton* b : {csvButton_, summaryCsvButton_, printButton_, pdfButton_}) b->setEnabled(false);
  }
}

void SeasonWindow::Run() {
  if (run_->running()) return;
  const std::string from = filters_->from(), to = filters_->to();
  if (!from.empty() && !to.empty() && from > to) {
    port_.Beep();
    port_.Inform(Sjis("開始日が終了日より後になっています。"));
    return;
  }
  if (filters_->courseList()->count() > 0 && filters_->checkedCourses() == 0) {
    port_.Beep();
    port_.Inform(Sjis("競馬場を1つ以上選んでください。"));
    return;
  }
  SeasonOptions options;
  options.dataFolder = dataFolder_;
  options.from = from;
  options.to = to;
  options.courseCodes = filters_->courseCodes();
  options.filter = filters_->raceFilter();
  options.workers = DefaultSeasonWorkers();
  used_ = SeasonPageFilters{dataFolder_, from, to, filters_->courseNames(), options.filter.Text()};

  profitChart_->Clear();
  rateChart_->Clear();
  SetRunning(true);
  sinceTables_.start();
  run_->Start(options);
  if (run_->running()) {
    progress_->setRange(0, run_->report()->dayCount());
    progress_->setValue(0);
    progress_->setTextVisible(true);
    statusLabel_->setText(FromUtf8("集計中…"));
  }
}

void SeasonWindow::Cancel() { run_->Cancel(); }

void SeasonWindow::ShowStep() {
  const SeasonReport& report = *run_->report();
  progress_->setRange(0, std::max(1, report.dayCount()));
  progress_->setValue(report.daysDone());
  statusLabel_->setText(FromUtf8("集計中…　%1／%2日").arg(report.daysDone()).arg(report.dayCount()));
  profitChart_->Update(run_->profitLine());
  // The tables take longer to show than a step takes to run.
  if (sinceTables_.elapsed() >= kTableMillis) {
    ShowTables();
    sinceTables_.restart();
  }
}

void SeasonWindow::ShowFinished() {
  SetRunning(false);
  const SeasonReport& report = *run_->report();
  ShowTables();
  ShowDayLists();
  profitChart_->Update(run_->profitLine());
  if (report.dayCount() == 0) {
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    statusLabel_->setText(FromUtf8("集計する日がありません：") + ToQt(dataFolder_));
  } else {
    statusLabel_->setText(FromUtf8("集計しました（%1日）").arg(report.dayCount()));
  }
  for (QPushButton* b : {csvButton_, summaryCsvButton_, printButton_, pdfButton_}) b->setEnabled(true);
}

void SeasonWindow::ShowCanceled() {
  SetRunning(false);
  const SeasonReport& report = *run_->report();
  ShowTables();
  ShowDayLists();
  // A part of the season is no report to hand out.
  statusLabel_->setText(FromUtf8("中止しました（%2日のうち%1日まで集計）。出力するには集計し直してください。")
                            .arg(report.daysDone())
                            .arg(report.dayCount()));
}

void SeasonWindow::ShowTables() {
  const SeasonReport* report = run_->report();
  const SeasonTotals empty;
  const SeasonTotals& totals = report ? report->totals() : empty;
  summaryModel_->SetTable(SeasonSummaryTable(totals.all()));
  for (size_t k = 0; k < kSeasonDimensions.size(); ++k) {
    breakdownModels_[k]->SetTable(SeasonBreakdownTable(totals.breakdown(kSeasonDimensions[k])));
    FitColumns(breakdownViews_[k]);
  }
  FitColumns(summaryView_);
  FitSummaryHeight();
  rateChart_->Show(UpsetReturnRates(totals));
  QString counts = ToQt(SeasonDayCountsText(totals));
  if (report) counts = FromUtf8("%1　").arg(ToQt(SeasonRangeText(used_.from, used_.to))) + counts;
  countsLabel_->setText(counts + QLatin1Char('\n') + ToQt(SeasonTicketNote()));
}

void SeasonWindow::ShowDayLists() {
  dayTree_->clear();
  const SeasonReport* report = run_->report();
  int days = 0;
  if (report) {
    const SeasonTotals& totals = report->totals();
    if (!totals.daysWithoutResults().empty()) {
      auto* head = new QTreeWidgetItem(dayTree_, {ToQt(SeasonNoResultsHeading())});
      for (const std::string& day : totals.daysWithoutResults()) new QTreeWidgetItem(head, {ToQt(day)});
      days += static_cast<int>(totals.daysWithoutResults().size());
    }
    if (!totals.skippedDays().empty()) {
      auto* head = new QTreeWidgetItem(dayTree_, {ToQt(SeasonSkippedHeading())});
      for (const SkippedSeasonDay& day : totals.skippedDays()) {
        auto* item = new QTreeWidgetItem(head, {ToQt(day.dayName)});
        for (const std::string& reason : day.reasons) new QTreeWidgetItem(item, {ToQt(reason)});
      }
      days += static_cast<int>(totals.skippedDays().size());
    }
  }
  if (days == 0) new QTreeWidgetItem(dayTree_, {FromUtf8("数えなかった日はありません。")});
  dayTree_->expandAll();
  tabs_->setTabText(tabs_->indexOf(dayTree_),
                    days ? FromUtf8("数えなかった日（%1）").arg(days) : FromUtf8("数えなかった日"));
}

void SeasonWindow::FilterKind(int item) {
  // Item 0 shows every kind; the others one (their texts are the kinds' names).
  const QString pattern =
      item <= 0 ? QString() : QStringLiteral("^%1$").arg(QRegularExpression::escape(kindFilter_->itemText(item)));
  for (QSortFilterProxyModel* proxy : breakdownProxies_) proxy->setFilterRegularExpression(pattern);
}

std::vector<Page> SeasonWindow::SummaryPages() const {
  return BuildSeasonPages(run_->report()->totals(), used_, run_->profitLine(), takeoutPercent_);
}

void SeasonWindow::SetTakeoutLine(double percent) {
  takeoutPercent_ = percent;
  rateChart_->SetTakeoutLine(percent);
}

void SeasonWindow::SaveCsv() {
  if (!run_->finished()) return;
  const QString done = exports_->SaveCsv(run_->csv());
  if (!done.isEmpty()) statusLabel_->setText(done);
}

void SeasonWindow::SaveSummaryCsv() {
  if (!run_->finished()) return;
  const QString done = exports_->SaveSummaryCsv(SeasonSummaryCsv(run_->report()->totals()));
  if (!done.isEmpty()) statusLabel_->setText(done);
}

void SeasonWindow::Print() {
  if (!run_->finished()) return;
  const QString done = exports_->Print(SummaryPages());
  if (!done.isEmpty()) statusLabel_->setText(done);
}

void SeasonWindow::SavePdf() {
  if (!run_->finished()) return;
  const QString done = exports_->SavePdf(SummaryPages());
  if (!done.isEmpty()) statusLabel_->setText(done);
}

void SeasonWindow::done(int result) {
  run_->Cancel();
  QDialog::done(result);
}

}  // namespace tw
