#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "analysis/payout_import.h"
#include "gui/about_box.h"
#include "gui/acquisition_actions.h"
#include "gui/print_window.h"
#include "gui/qt_text.h"
#include "gui/race_view_panel.h"
#include "import/timeseries_folder.h"
#include "import/timeseries_import.h"
#include "print/print_command.h"
#include "reports/hit_report.h"
#include "text/files.h"
#include "text/sjis.h"
#include "view/race_view.h"

namespace tw {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

MainWindow::MainWindow(AppShell& shell, QtUserPort& ui, QWidget* parent)
    : QMainWindow(parent), shell_(shell), ui_(ui), model_(std::make_unique<RaceDayModel>()) {
  setObjectName("MainForm");
  timer4_ = new QTimer(this);
  timer4_->setObjectName("Timer4");
  // Fetching results on its tick comes with the result fetch; until then the
  // armed timer only says in the status label that it is due.
  setWindowTitle(U("Turfwise for JRA-VAN Data Lab."));
  ui_.setParent(this);

  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildSidePanel();
  BuildRaceView();
  ui_.setStatusLabel(dlLabel_);
  // Hints of menus and buttons appear in the status bar.
  statusBar()->showMessage(QString());

  created_ = shell_.Create();
  if (!created_) return;

  const WindowPosition pos = shell_.position();
  resize(kDesignedWidth, kDesignedHeight);
  move(pos.left, pos.top);
  action("Dd1")->setChecked(shell_.closeDataListAfterLoad());
  WriteGridHeadings();
  ConnectAcquisition();
  ConnectReportsAndImport();
  connect(action("PrintBtn"), &QAction::triggered, this, &MainWindow::PrepareDayPrintout);
  connect(action("FilePrintItem"), &QAction::triggered, this, &MainWindow::PrepareDayPrintout);
  MakeDataListBtnClick();
}

QPrinter& MainWindow::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
  }
  return *printer_;
}

void MainWindow::PrepareDayPrintout() {
  std::optional<AnalysisPrintout> printout =
      tw::PrepareDayPrintout(FromQt(dateCombo_->currentText()), *model_, raceList_.slots, shell_.ui());
  if (!printout) return;
  PrintWindow form(std::move(*printout), *model_, shell_.settings(), printer(), shell_.ui(), this);
  if (beforePrintWindow) beforePrintWindow(form);
  form.exec();
}

void MainWindow::ConnectReportsAndImport() {
  connect(action("TekiAnaBtn"), &QAction::triggered, this, [this] { TekiAnaBtnClick(HitReportKind::kAllHits); });
  connect(action("TekiAnaBtn2"), &QAction::triggered, this, [this] { TekiAnaBtnClick(HitReportKind::kLongShots); });
  connect(action("J1"), &QAction::triggered, this, &MainWindow::J1Click);
  connect(action("T1"), &QAction::triggered, this, &MainWindow::T1Click);
}

void MainWindow::TekiAnaBtnClick(HitReportKind kind) {
  // Every race of the list is shown in turn while its bets are read.
  const HitReportResult result =
      RunHitReport(*model_, raceList_.slots, kind, shell_.paths().UploadFolder(), shell_.ui(), [this](int row) {
        QSignalBlocker block(datList_);
        datList_->setCurrentRow(row);
        DatListClick(row);
        QApplication::processEvents();
      });
  if (!result.reportSaved) return;
  // A failing open is ignored: the report is on the clipboard as well.
  if (openReport) {
    openReport(result.reportPath);
  } else {
    QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(result.reportPath)));
  }
  QApplication::clipboard()->setText(ToQt(result.ReportText()));
}

void MainWindow::J1Click() {
  if (folderChooser) {
    const std::optional<std::string> chosen = folderChooser();
    if (chosen) StoreChosenTimeSeriesFolder(*chosen);
    return;
  }
  const std::string appFolder = shell_.paths().appFolder();
  QFileDialog dialog(this, ToQt(TimeSeriesFolderCaption()), ToQt(TimeSeriesFolder(shell_.settings(), appFolder)));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setLabelText(QFileDialog::LookIn, ToQt(TimeSeriesFolderPrompt()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  StoreChosenTimeSeriesFolder(FromQt(dialog.selectedFiles().first()));
}

void MainWindow::StoreChosenTimeSeriesFolder(const std::string& folder) {
  if (!StoreTimeSeriesFolder(shell_.settings(), folder)) {
    shell_.ui().Beep();
    shell_.ui().Inform(Sjis("設定ファイルに保存できませんでした：") + shell_.paths().SettingsFile());
  }
}

void MainWindow::T1Click() {
  const ImportResult result = ImportTimeSeriesOdds(*model_, FromQt(dateCombo_->currentText()),
                                                   shell_.paths().appFolder(), shell_.settings(), shell_.ui());
  if (result.outcome == ImportOutcome::kImported || result.outcome == ImportOutcome::kSaveFailed) DateComboChange();
}

void MainWindow::ConnectAcquisition() {
  // Downloads, odds fetches, results and the two timers; the glue enables its
  // commands itself.
  AcquisitionWidgets w;
  w.window = this;
  w.dateCombo = dateCombo_;
  w.datList = datList_;
  w.autoOzCheck = autoOzCheck_;
  w.timer4 = timer4_;
  w.jvBtn = action("JVBtn");
  w.ozGetBtn = action("OzGetBtn");
  w.ozGetLoopBtn = action("OzGetLoopBtn");
  w.sokuhoOddsBtn = action("SokuhoOddsBtn");
  w.kekkaGetBtn = action("KekkaGetBtn");
  w.n7 = action("N7");
  w.n10 = action("N10");
  w.printer = [this] { return &printer(); };
  AcquisitionCallbacks cb;
  cb.reloadDay = [this] { DateComboChange(); };
  cb.showRace = [this] { DatListClick(datList_->currentRow()); };
  cb.importPayouts = [this] {
    ImportPayouts(*model_, RaceDayPathsOf(shell_.paths().DataFolder(), FromQt(dateCombo_->currentText())).payout);
  };
  cb.makeDayList = [this] { MakeDataListBtnClick(); };
  acquisition_ = new AcquisitionActions(shell_, ui_, *model_, w, cb, this);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::AddAction(const QString& name, const QString& caption, const QString& hint) {
  auto* a = new QAction(caption, this);
  a->setObjectName(name);
  a->setStatusTip(hint);
  a->setToolTip(hint.isEmpty() ? caption : hint);
  actions_.insert(name, a);
  return a;
}

void MainWindow::BuildActions() {
  // File menu
  AddAction("FilePrintItem", U("印刷(&P)..."), U("印刷します"));
  connect(AddAction("FilePrintSetupItem", U("ﾌﾟﾘﾝﾀの設定(&R)..."), U("ﾌﾟﾘﾝﾀの設定を変更します")), &QAction::triggered,
          this, &MainWindow::FilePrintSetupItemClick);
  AddAction("T1", U("時系列ｵｯｽﾞより取得(&T)"), U("時系列ｵｯｽﾞのﾌｧｲﾙからｵｯｽﾞを取得します"));
  AddAction("A1", U("全ﾚｰｽ(&A)"), U("全ﾚｰｽの３回分のｵｯｽﾞを消去します"));
  AddAction("C1", U("表示ﾚｰｽ(&C)"), U("表示ﾚｰｽの３回分のｵｯｽﾞを消去します"));
  AddAction("A2", U("全ﾚｰｽ(&A)"), U("全ﾚｰｽの２，３回目のｵｯｽﾞを消去します"));
  AddAction("C2", U("表示ﾚｰｽ(&C)"), U("表示ﾚｰｽの２，３回目のｵｯｽﾞを消去します"));
  connect(AddAction("FileExitItem", U("終了(&X)"), U("ﾌﾟﾛｸﾞﾗﾑを終了します")), &QAction::triggered, this,
          &QWidget::close);
  // Options menu
  AddAction("N10", U("結果ﾃﾞｰﾀ取得時刻指定"), U("結果データ取得時刻を指定します"));
  AddAction("N7", U("オッズ取得時刻調整"), U("オッズ取得時刻を調整します"));
  QAction* dd1 = AddAction("Dd1", U("読込後ﾃﾞｰﾀﾘｽﾄを消す(&D)"), U("分析ﾃﾞｰﾀ読込後ﾃﾞｰﾀﾘｽﾄを消すかどうか指定します"));
  dd1->setCheckable(true);
  connect(dd1, &QAction::triggered, this, &MainWindow::Dd1Click);
  // Folder menu
  AddAction("J1", U("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&J)"), U("時系列ｵｯｽﾞのﾌｫﾙﾀﾞを指定します"));
  // Help menu
  connect(AddAction("HelpContentsItem", U("目次(&C)"), U("ﾍﾙﾌﾟの目次を表示します")), &QAction::triggered, this,
          &MainWindow::HelpContentsClick);
  connect(AddAction("HelpAboutItem", U("ﾊﾞｰｼﾞｮﾝ情報(&A)..."), U("ﾊﾞｰｼﾞｮﾝ情報を表示します")), &QAction::triggered, this,
          &MainWindow::AboutClick);

  // Tool bar buttons
  AddAction("JVBtn", U("JVデータ取得"), U("JV-Linkより出走表データを取得します"));
  AddAction("OzGetBtn", U("ｵｯｽﾞ手動取得"), U("ｵｯｽﾞを手動で取得します"));
  AddAction("SokuhoOddsBtn", U("速報ｵｯｽﾞ"), U("表示ﾚｰｽの速報ｵｯｽﾞを取得します"));
  AddAction("KekkaGetBtn", U("結果情報"), U("結果情報と払戻を取得します"));
  AddAction("PrintBtn", U("印刷"), U("印刷"));
  AddAction("HrReadBtn", U("払戻取込"), U("払戻を取り込みます"));
  AddAction("TekiAnaBtn", U("的中"), U("買い目の的中レポートを作成します"));
  AddAction("TekiAnaBtn2", U("穴的中"), U("買い目の穴的中レポートを作成します"));
  connect(AddAction("SpeedButton19", U("F"), U("ﾚｰｽﾘｽﾄを表示／非表示にします")), &QAction::triggered, this,
          &MainWindow::SpeedButton19Click);
  connect(AddAction("HelpBtn", U("ヘルプ"), U("ﾍﾙﾌﾟの目次を表示します")), &QAction::triggered, this,
          &MainWindow::HelpContentsClick);
  connect(AddAction("AboutBtn", U("ﾊﾞｰｼﾞｮﾝ情報"), U("ﾊﾞｰｼﾞｮﾝ情報を表示します")), &QAction::triggered, this,
          &MainWindow::AboutClick);
  connect(AddAction("ExitBtn", U("終了"), U("ﾌﾟﾛｸﾞﾗﾑを終了します")), &QAction::triggered, this, &QWidget::close);
  // Invisible buttons: pressed by the program itself, never shown.
  AddAction("OzGetLoopBtn", U("ｵｯｽﾞ取得（自動）"), QString());
  connect(AddAction("MakeDataListBtn", U("リスト作成"), QString()), &QAction::triggered, this,
          &MainWindow::MakeDataListBtnClick);
  AddAction("IniBtn", U("初期化"), QString());
  action("FilePrintItem")->setMenuRole(QAction::NoRole);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(U("ﾌｧｲﾙ(&F)"));
  file->setObjectName("FileMenu");
  file->addAction(action("FilePrintItem"));
  file->addAction(action("FilePrintSetupItem"));
  file->addSeparator();
  file->addAction(action("T1"));
  QMenu* erase = file->addMenu(U("ｵｯｽﾞを消去(&E)"));
  erase->setObjectName("EraseMenu");
  QMenu* all3 = erase->addMenu(U("３回分消去(&T)"));
  all3->addAction(action("A1"));
  all3->addAction(action("C1"));
  QMenu* keep1 = erase->addMenu(U("１回目を残し消去(&O)"));
  keep1->addAction(action("A2"));
  keep1->addAction(action("C2"));
  file->addSeparator();
  file->addAction(action("FileExitItem"));

  QMenu* options = menuBar()->addMenu(U("ｵﾌﾟｼｮﾝ(&O)"));
  options->setObjectName("OptionMenu");
  options->addAction(action("N10"));
  options->addAction(action("N7"));
  options->addSeparator();
  options->addAction(action("Dd1"));

  QMenu* folders = menuBar()->addMenu(U("ﾌｫﾙﾀﾞ指定(&D)"));
  folders->setObjectName("FolderMenu");
  folders->addAction(action("J1"));

  QMenu* help = menuBar()->addMenu(U("ﾍﾙﾌﾟ(&H)"));
  help->setObjectName("HelpMenu");
  help->addAction(action("HelpContentsItem"));
  help->addAction(action("HelpAboutItem"));
}

void MainWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(U("ツールバー"));
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setStyleSheet("QToolButton { padding: 1px 3px; }");
  bar->addAction(action("JVBtn"));
  bar->addSeparator();
  bar->addAction(action("OzGetBtn"));
  autoOzCheck_ = new QCheckBox(U("ｵｯｽﾞ自動取得"), bar);
  autoOzCheck_->setObjectName("AutoOzCheck");
  autoOzCheck_->setStatusTip(U("ｵｯｽﾞを指定時刻に自動で取得します"));
  bar->addWidget(autoOzCheck_);
  bar->addAction(action("SokuhoOddsBtn"));
  bar->addAction(action("KekkaGetBtn"));
  bar->addSeparator();
  bar->addAction(action("PrintBtn"));
  bar->addAction(action("TekiAnaBtn"));
  bar->addAction(action("TekiAnaBtn2"));
  bar->addSeparator();
  bar->addAction(action("SpeedButton19"));
  hassoTimeLabel_ = new QLabel(bar);
  hassoTimeLabel_->setObjectName("HassoTimeLabel");
  hassoTimeLabel_->setStatusTip(U("ﾃﾞｰﾀ取得時間"));
  hassoTimeLabel_->setMinimumWidth(96);
  hassoTimeLabel_->setAlignment(Qt::AlignCenter);
  bar->addWidget(hassoTimeLabel_);
  // Help, version and exit sit at the right end of the menu bar, so that the
  // tool bar fits the designed width.
  auto* corner = new QToolBar(menuBar());
  corner->setObjectName("ToolBar2");
  corner->setToolButtonStyle(Qt::ToolButtonTextOnly);
  corner->setStyleSheet("QToolButton { padding: 0px 3px; }");
  corner->addAction(action("HelpBtn"));
  corner->addAction(action("AboutBtn"));
  corner->addAction(action("ExitBtn"));
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
  dateCombo_->setStatusTip(U("分析するﾃﾞｰﾀの日付を選択します"));
  column->addWidget(dateCombo_);

  auto* stepper = new QWidget(sidePanel_);
  auto* stepRow = new QHBoxLayout(stepper);
  stepRow->setContentsMargins(0, 0, 0, 0);
  auto* prev = new QToolButton(stepper);
  prev->setObjectName("UpDown1Prev");
  prev->setArrowType(Qt::LeftArrow);
  auto* next = new QToolButton(stepper);
  next->setObjectName("UpDown1Next");
  next->setArrowType(Qt::RightArrow);
  stepRow->addWidget(prev);
  stepRow->addWidget(next);
  stepRow->addStretch();
  connect(prev, &QToolButton::clicked, this, [this] { UpDown1Click(-1); });
  connect(next, &QToolButton::clicked, this, [this] { UpDown1Click(+1); });
  column->addWidget(stepper);

  datList_ = new QListWidget(sidePanel_);
  datList_->setObjectName("DatList");
  datList_->setStatusTip(U("表示するﾚｰｽを選択します"));
  column->addWidget(datList_, 1);

  dlLabel_ = new QLabel(sidePanel_);
  dlLabel_->setObjectName("DLlabel");
  dlLabel_->setWordWrap(true);
  dlLabel_->setMinimumHeight(36);
  dlLabel_->setFrameShape(QFrame::StyledPanel);
  column->addWidget(dlLabel_);

  row->addWidget(sidePanel_);
  raceView_ = new TRaceViewPanel(central);
  tabs_ = raceView_->tabs();
  row->addWidget(raceView_, 1);
  setCentralWidget(central);
}

void MainWindow::BuildRaceView() {
  connect(dateCombo_, &QComboBox::activated, this, [this] { DateComboChange(); });
  connect(datList_, &QListWidget::currentRowChanged, this, &MainWindow::DatListClick);
  connect(action("A1"), &QAction::triggered, this, &MainWindow::A1Click);
  connect(action("C1"), &QAction::triggered, this, &MainWindow::C1Click);
  connect(action("A2"), &QAction::triggered, this, &MainWindow::A2Click);
  connect(action("C2"), &QAction::triggered, this, &MainWindow::C2Click);
  connect(action("IniBtn"), &QAction::triggered, this, [this] { ResetRaceDay(*model_); });
}

QTableWidget* MainWindow::grid(int n) const { return raceView_->grid(n); }

void MainWindow::WriteGridHeadings() { raceView_->ShowNothing(); }

void MainWindow::MakeDataListBtnClick() {
  // Newest day first: the race files sorted by name, walked from the last.
  const std::vector<std::string> names = ListFolder(shell_.paths().DataFolder(), "*.jvRA");
  dateCombo_->clear();
  ClearRaceList();
  for (auto it = names.rbegin(); it != names.rend(); ++it) dateCombo_->addItem(ToQt(it->substr(0, 14)));
  dateCombo_->setCurrentIndex(-1);
}

void MainWindow::UpDown1Click(int step) {
  upDown1Position_ = std::clamp(upDown1Position_ + step, 0, 35);
  if (datList_->count() >= 2 && upDown1Position_ < datList_->count()) datList_->setCurrentRow(upDown1Position_);
}

void MainWindow::DateComboChange() {
  ReloadDay();
  // "読込後ﾃﾞｰﾀﾘｽﾄを消す": after a day chosen in the selector the side panel
  // gives the room to the race view; "F" brings it back.
  if (action("Dd1")->isChecked() && datList_->count() > 0) sidePanel_->hide();
}

void MainWindow::ReloadDay() {
  const std::string day = FromQt(dateCombo_->currentText());
  const LoadRaceDayResult result =
      LoadRaceDay(*model_, raceList_, shell_.paths().DataFolder(), day, shell_.settings(), shell_.clock(), *this);
  if (result.outcome == LoadOutcome::kRaceFileUnreadable) {
    shell_.ui().Beep();
    shell_.ui().Inform(Sjis("レースデータを読み込めません。：") + day);
  }
  if (result.shownRow < 0) {
    raceView_->ShowNothing();
    hassoTimeLabel_->clear();
  }
}

void MainWindow::DatListClick(int row) {
  const int slot = SelectRaceRow(*model_, raceList_, row);
  if (slot >= 0) ShowRaceOfSlot(slot);
}

void MainWindow::ShowRaceOfSlot(int slot) {
  const RaceView view = ShowRace(*model_, slot);
  raceView_->Show(*model_, view);
  hassoTimeLabel_->setText(ToQt(view.header.postLine));
}

void MainWindow::EraseCommand(SnapshotErase command) {
  const EraseOutcome outcome = EraseSnapshots(command, shell_.paths().DataFolder(), FromQt(dateCombo_->currentText()),
                                              model_->selectedRace, shell_.ui());
  if (!outcome.erased) return;
  // The reload shows the remembered race: the one the command names.
  model_->rememberedRace = outcome.selectRace;
  ReloadDay();
}

void MainWindow::A1Click() { EraseCommand(SnapshotErase::kAllRacesAllSnapshots); }
void MainWindow::C1Click() { EraseCommand(SnapshotErase::kRaceAllSnapshots); }
void MainWindow::A2Click() { EraseCommand(SnapshotErase::kAllRacesLaterSnapshots); }
void MainWindow::C2Click() { EraseCommand(SnapshotErase::kRaceLaterSnapshots); }

void MainWindow::StopResultTimer() { timer4_->stop(); }
void MainWindow::SetResultTimerInterval(long long milliseconds) {
  timer4_->setInterval(static_cast<int>(std::min<long long>(milliseconds, std::numeric_limits<int>::max())));
}
void MainWindow::StartResultTimer() { timer4_->start(); }

void MainWindow::ClearRaceList() {
  const QSignalBlocker quiet(datList_);
  datList_->clear();
}

void MainWindow::AddRaceListEntry(const std::string& text) {
  const QSignalBlocker quiet(datList_);
  datList_->addItem(ToQt(text));
}

void MainWindow::ClearBetGrid() { raceView_->ClearBetGrid(); }
void MainWindow::ClearSnapshotChart() { raceView_->ClearSnapshotChart(); }

void MainWindow::SelectRaceAndShow(int row, int slot) {
  {
    const QSignalBlocker quiet(datList_);
    datList_->setCurrentRow(row);
  }
  ShowRaceOfSlot(slot);
}

void MainWindow::SpeedButton19Click() { sidePanel_->setVisible(!sidePanel_->isVisible()); }

void MainWindow::Dd1Click() { shell_.setCloseDataListAfterLoad(action("Dd1")->isChecked()); }

void MainWindow::HelpContentsClick() {
  const std::string help = shell_.paths().HelpFile();
  if (!FileExists(help)) {
    ui_.Beep();
    ui_.Inform(Sjis("ヘルプファイルが見つかりません。：") + help);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(help)));
}

void MainWindow::AboutClick() {
  TAboutBox box(ToQt(shell_.versionText()), this);
  box.exec();
}

void MainWindow::FilePrintSetupItemClick() {
  QPrintDialog dialog(&printer(), this);
  dialog.setWindowTitle(U("ﾌﾟﾘﾝﾀの設定"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.exec();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || !created_) return;
  shown_ = true;
  shell_.FirstShow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (created_) {
    shell_.SaveWindowPosition(pos().y(), pos().x(), width(), height());
  }
  event->accept();
}

}  // namespace tw
