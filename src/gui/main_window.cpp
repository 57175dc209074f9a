#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "acquire/fetch_time_settings.h"
#include "analysis/payout_import.h"
#include "base/app_folder.h"
#include "gui/about_box.h"
#include "gui/acquisition/acquisition_actions.h"
#include "gui/day_clock_label.h"
#include "gui/erase_actions.h"
#include "gui/key_hint.h"
#include "gui/printing/print_actions.h"
#include "gui/qt_text.h"
#include "gui/raceview/race_view_panel.h"
#include "gui/report_actions.h"
#include "store/day_list.h"
#include "text/files.h"
#include "text/sjis.h"
#include "view/race_view.h"

namespace tw {

MainWindow::MainWindow(AppShell& shell, QtUserPort& ui, QWidget* parent)
    : QMainWindow(parent), shell_(shell), ui_(ui), model_(std::make_unique<RaceDayModel>()) {
  setObjectName("MainWindow");
  resultTimer_ = new QTimer(this);
  resultTimer_->setObjectName("ResultTimer");
  // Fetching results on its tick comes with the result fetch; until then the
  // armed timer only says in the status label that it is due.
  setWindowTitle(FromUtf8("Turfwise for JRA-VAN Data Lab."));
  ui_.setParent(this);

  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildSidePanel();
  BuildRaceView();
  ConnectPrinting();
  ui_.setStatusLabel(statusLabel_);
  // Hints of menus and buttons appear in the status bar; the last failure of
  // unattended work stays at its right end.
  statusBar()->showMessage(QString());
  lastFailureLabel_ = new QLabel(this);
  lastFailureLabel_->setObjectName("LastFailureLabel");
  lastFailureLabel_->setStyleSheet("QLabel { color: #c00000; }");
  // The day's clock gives way to a hint while the hint shows.
  statusBar()->addWidget(
      new DayClockLabel(*model_, shell_.clock(), shell_.settings(), raceListBox_, autoFetchCheck_, this), 1);
  statusBar()->addPermanentWidget(lastFailureLabel_);

  created_ = shell_.Create();
  if (!created_) return;

  const WindowPosition pos = shell_.position();
  resize(kDesignedWidth, kDesignedHeight);
  move(pos.left, pos.top);
  closeListAfterLoadAction_->setChecked(shell_.closeDataListAfterLoad());
  WriteGridHeadings();
  ConnectAcquisition();
  ConnectReportsAndImport();
  connect(printDayAction_, &QAction::triggered, print_, &PrintActions::OpenPrintWindow);
  FillDaySelector();
  // Tab goes on from the day selector to the race list and the race view;
  // the tool bar's check box, made first, would otherwise start with the focus.
  dateCombo_->setFocus();
}

void MainWindow::ConnectReportsAndImport() {
  ReportActions::WindowHooks hooks;
  hooks.showRaceOfRow = [this](int row) { ShowRaceOfRow(row); };
  hooks.loadChosenDay = [this] { ReloadDay(); };
  hooks.printer = &print_->sharedPrinter();
  reports_ = new ReportActions(shell_, *model_, raceList_, dateCombo_, raceListBox_, std::move(hooks), this);
  connect(hitReportAction_, &QAction::triggered, reports_,
          [this] { reports_->MakeHitReport(HitReportKind::kAllHits); });
  connect(longShotReportAction_, &QAction::triggered, reports_,
          [this] { reports_->MakeHitReport(HitReportKind::kLongShots); });
  connect(seasonReportAction_, &QAction::triggered, reports_, &ReportActions::OpenSeasonReport);
  connect(timeSeriesFolderAction_, &QAction::triggered, reports_, &ReportActions::ChooseTimeSeriesFolder);
  connect(importTimeSeriesAction_, &QAction::triggered, reports_, &ReportActions::ImportTimeSeries);
}

void MainWindow::ConnectAcquisition() {
  // Downloads, odds fetches, results and the two timers; the glue enables its
  // actions itself.
  AcquisitionWidgets w;
  w.window = this;
  w.dateCombo = dateCombo_;
  w.raceListBox = raceListBox_;
  w.autoFetchCheck = autoFetchCheck_;
  w.resultTimer = resultTimer_;
  w.download = downloadAction_;
  w.fetchOdds = fetchOddsAction_;
  w.flashOdds = flashOddsAction_;
  w.fetchResults = fetchResultsAction_;
  w.fetchDelay = fetchDelayAction_;
  w.resultInterval = resultIntervalAction_;
  w.printer = &print_->sharedPrinter();
  w.lastFailure = lastFailureLabel_;
  AcquisitionCallbacks cb;
  cb.reloadDay = [this] { ReloadDay(); };
  cb.showRace = [this] { ShowRaceOfRow(raceListBox_->currentRow()); };
  cb.importPayouts = [this] {
    ImportPayouts(*model_, RaceDayPathsOf(shell_.paths().DataFolder(), FromQt(dateCombo_->currentText())).payout);
  };
  cb.makeDayList = [this] { FillDaySelector(); };
  acquisition_ = new AcquisitionActions(shell_, ui_, *model_, w, cb, this);
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectPrinting() {
  print_ = new PrintActions(shell_, *model_, raceList_, dateCombo_, this);
  connect(printerSetupAction_, &QAction::triggered, print_, &PrintActions::SetUpPrinter);
}

QAction* MainWindow::NewAction(const char* objectName, const QString& text, const QString& hint,
                               const QKeySequence& key) {
  auto* a = new QAction(text, this);
  a->setObjectName(objectName);
  a->setStatusTip(hint);
  a->setShortcut(key);
  a->setToolTip(WithKey(hint.isEmpty() ? text : hint, key));
  return a;
}

void MainWindow::BuildActions() {
  // File menu
  importTimeSeriesAction_ = NewAction("ImportTimeSeries", FromUtf8("時系列ｵｯｽﾞより取得(&T)"),
                                      FromUtf8("時系列ｵｯｽﾞのﾌｧｲﾙからｵｯｽﾞを取得します"));
  seasonReportAction_ =
      NewAction("SeasonReport", FromUtf8("成績集計(&S)..."), FromUtf8("保存した日の買い目の成績を集計します"));
  printDayAction_ = NewAction("PrintDay", FromUtf8("印刷(&P)..."), FromUtf8("印刷します"), QKeySequence::Print);
  printDayAction_->setIconText(FromUtf8("印刷"));
  printDayAction_->setToolTip(WithKey(FromUtf8("印刷"), printDayAction_->shortcut()));
  printDayAction_->setMenuRole(QAction::NoRole);
  printerSetupAction_ =
      NewAction("FilePrintSetupItem", FromUtf8("ﾌﾟﾘﾝﾀの設定(&R)..."), FromUtf8("ﾌﾟﾘﾝﾀの設定を変更します"));
  eraseAllRacesAllSnapshotsAction_ =
      NewAction("EraseAllRacesAll", FromUtf8("全ﾚｰｽ(&A)"), FromUtf8("全ﾚｰｽの３回分のｵｯｽﾞを消去します"));
  eraseShownRaceAllSnapshotsAction_ =
      NewAction("EraseShownRaceAll", FromUtf8("表示ﾚｰｽ(&C)"), FromUtf8("表示ﾚｰｽの３回分のｵｯｽﾞを消去します"));
  eraseAllRacesLaterSnapshotsAction_ =
      NewAction("EraseAllRacesLater", FromUtf8("全ﾚｰｽ(&A)"), FromUtf8("全ﾚｰｽの２，３回目のｵｯｽﾞを消去します"));
  eraseShownRaceLaterSnapshotsAction_ =
      NewAction("EraseShownRaceLater", FromUtf8("表示ﾚｰｽ(&C)"), FromUtf8("表示ﾚｰｽの２，３回目のｵｯｽﾞを消去します"));
  exitAction_ = NewAction("Exit", FromUtf8("終了(&X)"), FromUtf8("ﾌﾟﾛｸﾞﾗﾑを終了します"), Qt::CTRL | Qt::Key_Q);
  exitAction_->setIconText(FromUtf8("終了"));
  connect(exitAction_, &QAction::triggered, this, &QWidget::close);
  // Options menu
  resultIntervalAction_ =
      NewAction("ResultIntervalItem", FromUtf8("結果ﾃﾞｰﾀ取得時刻指定"), FromUtf8("結果データ取得時刻を指定します"));
  fetchDelayAction_ =
      NewAction("FetchDelayItem", FromUtf8("オッズ取得時刻調整"), FromUtf8("オッズ取得時刻を調整します"));
  closeListAfterLoadAction_ = NewAction("CloseListAfterLoadItem", FromUtf8("読込後ﾃﾞｰﾀﾘｽﾄを消す(&D)"),
                                        FromUtf8("分析ﾃﾞｰﾀ読込後ﾃﾞｰﾀﾘｽﾄを消すかどうか指定します"));
  closeListAfterLoadAction_->setCheckable(true);
  connect(closeListAfterLoadAction_, &QAction::triggered, this, &MainWindow::StoreCloseListAfterLoad);
  // Folder menu
  timeSeriesFolderAction_ =
      NewAction("TimeSeriesFolderItem", FromUtf8("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&J)"), FromUtf8("時系列ｵｯｽﾞのﾌｫﾙﾀﾞを指定します"));
  // Help menu
  helpAction_ = NewAction("Help", FromUtf8("目次(&C)"), FromUtf8("ﾍﾙﾌﾟの目次を表示します"), Qt::Key_F1);
  helpAction_->setIconText(FromUtf8("ヘルプ"));
  connect(helpAction_, &QAction::triggered, this, &MainWindow::ShowHelp);
  aboutAction_ = NewAction("About", FromUtf8("ﾊﾞｰｼﾞｮﾝ情報(&A)..."), FromUtf8("ﾊﾞｰｼﾞｮﾝ情報を表示します"));
  aboutAction_->setIconText(FromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
  aboutAction_->setToolTip(WithKey(aboutAction_->toolTip(), QKeySequence(QStringLiteral("Alt+H, A"))));
  connect(aboutAction_, &QAction::triggered, this, &MainWindow::ShowAbout);

  // Tool bar: its commands have no menu and no room for an access key, so
  // function keys in the order of the buttons (F4 is the check box's).
  downloadAction_ =
      NewAction("Download", FromUtf8("JVデータ取得"), FromUtf8("JV-Linkより出走表データを取得します"), Qt::Key_F2);
  fetchOddsAction_ = NewAction("FetchOdds", FromUtf8("ｵｯｽﾞ手動取得"), FromUtf8("ｵｯｽﾞを手動で取得します"), Qt::Key_F3);
  flashOddsAction_ =
      NewAction("FlashOdds", FromUtf8("速報ｵｯｽﾞ"), FromUtf8("表示ﾚｰｽの速報ｵｯｽﾞを取得します"), Qt::Key_F5);
  fetchResultsAction_ =
      NewAction("FetchResults", FromUtf8("結果情報"), FromUtf8("結果情報と払戻を取得します"), Qt::Key_F6);
  hitReportAction_ = NewAction("HitReport", FromUtf8("的中"), FromUtf8("買い目の的中レポートを作成します"), Qt::Key_F7);
  longShotReportAction_ =
      NewAction("LongShotReport", FromUtf8("穴的中"), FromUtf8("買い目の穴的中レポートを作成します"), Qt::Key_F8);
  toggleRaceListAction_ =
      NewAction("ToggleRaceList", FromUtf8("F"), FromUtf8("ﾚｰｽﾘｽﾄを表示／非表示にします"), Qt::Key_F9);
  connect(toggleRaceListAction_, &QAction::triggered, this, &MainWindow::ToggleRaceList);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(FromUtf8("ﾌｧｲﾙ(&F)"));
  file->setObjectName("FileMenu");
  file->addAction(importTimeSeriesAction_);
  file->addSeparator();
  // The tool bar has no room left in the designed width: the season report
  // is an action of the menu.
  file->addAction(seasonReportAction_);
  file->addSeparator();
  file->addAction(printDayAction_);
  file->addAction(printerSetupAction_);
  file->addSeparator();
  QMenu* erase = file->addMenu(FromUtf8("ｵｯｽﾞを消去(&E)"));
  erase->setObjectName("EraseMenu");
  QMenu* all3 = erase->addMenu(FromUtf8("３回分消去(&T)"));
  all3->addAction(eraseAllRacesAllSnapshotsAction_);
  all3->addAction(eraseShownRaceAllSnapshotsAction_);
  QMenu* keep1 = erase->addMenu(FromUtf8("１回目を残し消去(&O)"));
  keep1->addAction(eraseAllRacesLaterSnapshotsAction_);
  keep1->addAction(eraseShownRaceLaterSnapshotsAction_);
  file->addSeparator();
  file->addAction(exitAction_);

  QMenu* options = menuBar()->addMenu(FromUtf8("ｵﾌﾟｼｮﾝ(&O)"));
  options->setObjectName("OptionMenu");
  options->addAction(resultIntervalAction_);
  options->addAction(fetchDelayAction_);
  options->addSeparator();
  options->addAction(closeListAfterLoadAction_);

  QMenu* folders = menuBar()->addMenu(FromUtf8("ﾌｫﾙﾀﾞ指定(&D)"));
  folders->setObjectName("FolderMenu");
  folders->addAction(timeSeriesFolderAction_);

  QMenu* help = menuBar()->addMenu(FromUtf8("ﾍﾙﾌﾟ(&H)"));
  help->setObjectName("HelpMenu");
  help->addAction(helpAction_);
  help->addAction(aboutAction_);
}

void MainWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(FromUtf8("ツールバー"));
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setStyleSheet("QToolButton { padding: 1px 3px; }");
  bar->addAction(downloadAction_);
  bar->addSeparator();
  bar->addAction(fetchOddsAction_);
  autoFetchCheck_ = new QCheckBox(FromUtf8("ｵｯｽﾞ自動取得"), bar);
  autoFetchCheck_->setObjectName("AutoFetchCheck");
  autoFetchCheck_->setStatusTip(FromUtf8("ｵｯｽﾞを指定時刻に自動で取得します"));
  bar->addWidget(autoFetchCheck_);
  auto* autoFetchKey = NewAction("AutoFetchKey", autoFetchCheck_->text(), QString(), Qt::Key_F4);
  addAction(autoFetchKey);
  connect(autoFetchKey, &QAction::triggered, autoFetchCheck_, &QCheckBox::click);
  autoFetchCheck_->setToolTip(WithKey(autoFetchCheck_->statusTip(), autoFetchKey->shortcut()));
  bar->addAction(flashOddsAction_);
  bar->addAction(fetchResultsAction_);
  bar->addSeparator();
  bar->addAction(printDayAction_);
  // The button's hint in the status bar is shorter than the menu item's.
  bar->widgetForAction(printDayAction_)->setStatusTip(FromUtf8("印刷"));
  bar->addAction(hitReportAction_);
  bar->addAction(longShotReportAction_);
  bar->addSeparator();
  bar->addAction(toggleRaceListAction_);
  postTimeLabel_ = new QLabel(bar);
  postTimeLabel_->setObjectName("PostTimeLabel");
  postTimeLabel_->setStatusTip(FromUtf8("ﾃﾞｰﾀ取得時間"));
  postTimeLabel_->setMinimumWidth(96);
  postTimeLabel_->setAlignment(Qt::AlignCenter);
  bar->addWidget(postTimeLabel_);
  // Help, version and exit sit at the right end of the menu bar, so that the
  // tool bar fits the designed width.
  auto* corner = new QToolBar(menuBar());
  corner->setObjectName("CornerToolBar");
  corner->setToolButtonStyle(Qt::ToolButtonTextOnly);
  corner->setStyleSheet("QToolButton { padding: 0px 3px; }");
  corner->addAction(helpAction_);
  corner->addAction(aboutAction_);
  corner->addAction(exitAction_);
  menuBar()->setCornerWidget(corner, Qt::TopRightCorner);
}

void MainWindow::BuildSidePanel() {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(2, 2, 2, 2);

  sidePanel_ = new QWidget(central);
  sidePanel_->setObjectName("SidePanel");
  sidePanel_->setFixedWidth(150);
  auto* column = new QVBoxLayout(sidePanel_);
  column->setContentsMargins(0, 0, 0, 0);

  dateCombo_ = new QComboBox(sidePanel_);
  dateCombo_->setObjectName("DateCombo");
  dateCombo_->setEditable(false);
  dateCombo_->setMaxVisibleItems(36);
  dateCombo_->setStatusTip(FromUtf8("分析するﾃﾞｰﾀの日付を選択します"));
  column->addWidget(dateCombo_);

  auto* stepper = new QWidget(sidePanel_);
  auto* stepRow = new QHBoxLayout(stepper);
  stepRow->setContentsMargins(0, 0, 0, 0);
  auto* prev = new QToolButton(stepper);
  prev->setObjectName("PreviousRace");
  prev->setArrowType(Qt::LeftArrow);
  auto* next = new QToolButton(stepper);
  next->setObjectName("NextRace");
  next->setArrowType(Qt::RightArrow);
  stepRow->addWidget(prev);
  stepRow->addWidget(next);
  stepRow->addStretch();
  connect(prev, &QToolButton::clicked, this, [this] { StepRace(-1); });
  connect(next, &QToolButton::clicked, this, [this] { StepRace(+1); });
  column->addWidget(stepper);

  raceListBox_ = new QListWidget(sidePanel_);
  raceListBox_->setObjectName("RaceList");
  raceListBox_->setStatusTip(FromUtf8("表示するﾚｰｽを選択します"));
  column->addWidget(raceListBox_, 1);

  statusLabel_ = new QLabel(sidePanel_);
  statusLabel_->setObjectName("StatusLabel");
  statusLabel_->setWordWrap(true);
  statusLabel_->setMinimumHeight(36);
  statusLabel_->setFrameShape(QFrame::StyledPanel);
  column->addWidget(statusLabel_);

  row->addWidget(sidePanel_);
  raceView_ = new RaceViewPanel(central);
  tabs_ = raceView_->tabs();
  row->addWidget(raceView_, 1);
  setCentralWidget(central);
}

void MainWindow::BuildRaceView() {
  connect(dateCombo_, &QComboBox::activated, this, [this] { LoadChosenDay(); });
  connect(raceListBox_, &QListWidget::currentRowChanged, this, &MainWindow::ShowRaceOfRow);
  erase_ = new EraseActions(
      shell_, *model_, dateCombo_, [this] { ReloadDay(); }, this);
  erase_->Connect(eraseAllRacesAllSnapshotsAction_, SnapshotErase::kAllRacesAllSnapshots);
  erase_->Connect(eraseShownRaceAllSnapshotsAction_, SnapshotErase::kRaceAllSnapshots);
  erase_->Connect(eraseAllRacesLaterSnapshotsAction_, SnapshotErase::kAllRacesLaterSnapshots);
  erase_->Connect(eraseShownRaceLaterSnapshotsAction_, SnapshotErase::kRaceLaterSnapshots);
}

QTableWidget* MainWindow::judgementGrid(JudgementGridKind kind) const { return raceView_->judgementGrid(kind); }

void MainWindow::WriteGridHeadings() { raceView_->ShowNothing(); }

void MainWindow::FillDaySelector() {
  dateCombo_->clear();
  ClearRaceList();
  raceList_.Clear();  // no row shows a race any more
  for (const std::string& day : MakeDayList(shell_.paths().DataFolder())) dateCombo_->addItem(ToQt(day));
  dateCombo_->setCurrentIndex(-1);
}

void MainWindow::StepRace(int step) {
  stepPosition_ = std::clamp(stepPosition_ + step, 0, 35);
  if (raceListBox_->count() >= 2 && stepPosition_ < raceListBox_->count()) raceListBox_->setCurrentRow(stepPosition_);
}

void MainWindow::LoadChosenDay() {
  ReloadDay();
  // "読込後ﾃﾞｰﾀﾘｽﾄを消す": after a day chosen in the selector the side panel
  // gives the room to the race view; "F" brings it back.
  if (closeListAfterLoadAction_->isChecked() && raceListBox_->count() > 0) sidePanel_->hide();
}

void MainWindow::ReloadDay() {
  const std::string day = FromQt(dateCombo_->currentText());
  const LoadRaceDayResult result = LoadRaceDay(*model_, raceList_, shell_.paths().DataFolder(), day,
                                               ReadResultInterval(shell_.settings()), DayNameOf(shell_.clock().Now()));
  ShowLoadedDay(result);
  TellDayFileProblems(day, result.problems);
  if (result.outcome == LoadOutcome::kRaceFileUnreadable) {
    shell_.ui().Beep();
    shell_.ui().Inform(Sjis("レースデータを読み込めません。：") + day);
  }
  if (result.shownRow < 0) {
    raceView_->ShowNothing();
    postTimeLabel_->clear();
  }
}

void MainWindow::ShowRaceOfRow(int row) {
  const int slot = SelectRaceRow(*model_, raceList_, row);
  if (slot >= 0) ShowRaceOfSlot(slot);
}

void MainWindow::ShowRaceOfSlot(int slot) {
  const RaceView view = ShowRace(*model_, slot);
  raceView_->Show(*model_, view);
  postTimeLabel_->setText(ToQt(view.header.postLine));
}

void MainWindow::TellDayFileProblems(const std::string& day, const DayFileProblems& problems) {
  // Every fetch reloads the day: the same damage is logged once, not again
  // after each fetch.
  std::vector<std::string> texts;
  for (const DayFileProblem& problem : problems) texts.push_back(DayFileProblemText(problem));
  if (day == toldProblemsDay_ && texts == toldProblems_) return;
  toldProblemsDay_ = day;
  toldProblems_ = texts;
  for (const std::string& text : texts) shell_.errorLog().Append(text);
}

void MainWindow::ShowLoadedDay(const LoadRaceDayResult& result) {
  resultTimer_->stop();
  ClearRaceList();
  {
    const QSignalBlocker quiet(raceListBox_);
    for (const std::string& entry : raceList_.entries) raceListBox_->addItem(ToQt(entry));
  }
  raceView_->ClearBetGrid();
  raceView_->ClearSnapshotChart();
  if (result.resultIntervalMillis) {
    resultTimer_->setInterval(
        static_cast<int>(std::min<long long>(*result.resultIntervalMillis, std::numeric_limits<int>::max())));
  }
  if (result.resultTimerRuns) resultTimer_->start();
  if (result.shownRow >= 0) SelectRaceAndShow(result.shownRow, result.shownSlot);
}

void MainWindow::ClearRaceList() {
  const QSignalBlocker quiet(raceListBox_);
  raceListBox_->clear();
}

void MainWindow::SelectRaceAndShow(int row, int slot) {
  {
    const QSignalBlocker quiet(raceListBox_);
    raceListBox_->setCurrentRow(row);
  }
  ShowRaceOfSlot(slot);
}

void MainWindow::ToggleRaceList() { sidePanel_->setVisible(!sidePanel_->isVisible()); }

void MainWindow::StoreCloseListAfterLoad() { shell_.setCloseDataListAfterLoad(closeListAfterLoadAction_->isChecked()); }

void MainWindow::ShowHelp() {
  // The compiled help beside the program where there is one (Windows), else
  // the user guide shipped with the program, in the desktop's browser.
  std::string help = shell_.paths().HelpFile();
  if (!FileExists(help)) {
    const std::string guide = UserGuideFile(FromQt(QApplication::applicationDirPath()));
    if (guide.empty()) {
      ui_.Beep();
      ui_.Inform(Sjis("ヘルプファイルが見つかりません。：") + help);
      return;
    }
    help = guide;
  }
  // Without a browser the user learns where the guide is, its path ready to paste.
  OpenFileOrTellWhere(help, openHelp, ToQt(help),
                      Sjis("ヘルプを表示できませんでした。ヘルプのファイルの場所をクリップボードにコピーしました："),
                      shell_.ui());
}

void MainWindow::ShowAbout() {
  AboutBox box(ToQt(shell_.versionText()), ToQt(shell_.paths().appFolder()), this);
  box.exec();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || !created_) return;
  shown_ = true;
  shell_.FirstShow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (acquisition_ && !acquisition_->MayCloseWindow()) {
    event->ignore();
    return;
  }
  if (created_) {
    shell_.SaveWindowPosition(pos().y(), pos().x(), width(), height());
  }
  event->accept();
}

}  // namespace tw
