#include "gui/acquisition/download_window.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/acquisition/download_line_model.h"
#include "gui/date_field.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"

namespace tw {

DownloadWindow::DownloadWindow(JVLink& jv, RaceDayStore& store, Settings& settings, const Clock& clock,
                               StreamGate& gate, UserPort* ui, QWidget* parent)
    : QDialog(parent) {
  setObjectName("DownloadWindow");
  setWindowTitle(FromUtf8("ＪＶデータ取込"));
  setModal(true);
  if (!ui) {
    ownUi_ = std::make_unique<QtUserPort>(this);
    ui = ownUi_.get();
  }
  pacedUi_ = std::make_unique<ThrottledUserPort>(*ui, kEventMillis);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QGridLayout;
  auto* fromLabel = new QLabel(FromUtf8("取得開始日付(&D)"));
  top->addWidget(fromLabel, 0, 0);
  fromPicker_ = new DateField;
  fromLabel->setBuddy(fromPicker_);
  fromPicker_->setObjectName("FromPicker");
  // Only the date is shown; the time is held by the download.
  fromPicker_->setCalendarPopup(true);
  top->addWidget(fromPicker_, 0, 1);
  fromTimeLabel_ = new QLabel;
  fromTimeLabel_->setObjectName("FromTimeLabel");
  fromTimeLabel_->setVisible(false);
  top->addWidget(fromTimeLabel_, 0, 2);

  auto* choice = new QGroupBox(FromUtf8("取得データ"));
  auto* choiceLayout = new QVBoxLayout(choice);
  normalChoice_ = new QRadioButton(FromUtf8("通常データ(&N)"));
  normalChoice_->setObjectName("NormalChoice");
  thisWeekChoice_ = new QRadioButton(FromUtf8("今週開催データ(&W)"));
  thisWeekChoice_->setObjectName("ThisWeekChoice");
  thisWeekChoice_->setChecked(true);
  auto* setup = new QRadioButton(FromUtf8("セットアップデータ"));
  setup->setVisible(false);  // exists, but cannot be chosen
  choiceLayout->addWidget(normalChoice_);
  choiceLayout->addWidget(thisWeekChoice_);
  choiceLayout->addWidget(setup);
  top->addWidget(choice, 1, 0, 1, 3);
  layout->addLayout(top);

  auto* bars = new QGridLayout;
  bars->addWidget(new QLabel(FromUtf8("ダウンロード")), 0, 0);
  downloadBar_ = new QProgressBar;
  downloadBar_->setObjectName("DownloadBar");
  bars->addWidget(downloadBar_, 0, 1);
  bars->addWidget(new QLabel(FromUtf8("読込み")), 1, 0);
  readBar_ = new QProgressBar;
  readBar_->setObjectName("ReadBar");
  bars->addWidget(readBar_, 1, 1);
  layout->addLayout(bars);
  progressLabel_ = new QLabel;
  progressLabel_->setObjectName("ProgressLabel");
  layout->addWidget(progressLabel_);

  layout->addWidget(new QLabel(FromUtf8("作成済みデータ")));
  madeLines_ = new DownloadLineModel(this);
  madeFiles_ = new QListView;
  madeFiles_->setObjectName("MadeFiles");
  madeFiles_->setModel(madeLines_);
  madeFiles_->setUniformItemSizes(true);  // no line is measured on its own
  madeFiles_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(madeFiles_, 1);

  auto* buttons = new QHBoxLayout;
  auto* start = new QPushButton(FromUtf8("データ取込み開始(&S)"));
  start->setObjectName("StartButton");
  cancelButton_ = new QPushButton(FromUtf8("データ取込み中止(&C)"));
  cancelButton_->setObjectName("CancelButton");
  auto* settingsButton = new QPushButton(FromUtf8("JVLink設定(&J)"));
  settingsButton->setObjectName("JVLinkSettingsButton");
  settingsButton->setToolTip(FromUtf8("JRA-VAN　Data Lab.のサービスキーやデータ保存場所の設定をします"));
  start->setAutoDefault(false);
  cancelButton_->setAutoDefault(false);
  settingsButton->setAutoDefault(false);
  buttons->addWidget(start);
  buttons->addWidget(cancelButton_);
  buttons->addStretch();
  buttons->addWidget(settingsButton);
  layout->addLayout(buttons);

  statusTimer_ = new QTimer(this);
  statusTimer_->setObjectName("StatusTimer");
  statusTimer_->setInterval(kStatusPollMillis);
  flushTimer_ = new QTimer(this);
  flushTimer_->setObjectName("FlushTimer");
  flushTimer_->setSingleShot(true);
  flushTimer_->setInterval(kFlushMillis);

  DownloadView& view = *this;
  download_ = std::make_unique<RaceCardDownload>(jv, store, settings, clock, *pacedUi_, gate, view);

  connect(start, &QPushButton::clicked, this, &DownloadWindow::StartDownload);
  connect(cancelButton_, &QPushButton::clicked, this, &DownloadWindow::CancelDownload);
  connect(settingsButton, &QPushButton::clicked, this, &DownloadWindow::OpenJVLinkSettings);
  connect(statusTimer_, &QTimer::timeout, this, &DownloadWindow::PollDownloadStatus);
  connect(flushTimer_, &QTimer::timeout, this, &DownloadWindow::Flush);
  connect(fromPicker_, &QDateTimeEdit::dateChanged, this, [this](const QDate& d) {
    DateTime t = download_->fromTime();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    download_->SetFromTime(t);
    fromTimeLabel_->setText(QString::fromStdString(FormatDateTime(t)));
  });
  resize(520, 480);
  ShowWhetherRunning();
}

DownloadWindow::~DownloadWindow() = default;

void DownloadWindow::StartDownload() {
  download_->normalData = normalChoice_->isChecked();
  download_->StartDownload();
  FlushIfEnded();
  ShowWhetherRunning();
  CloseIfAsked();
}

void DownloadWindow::CancelDownload() {
  download_->CancelDownload();
  FlushIfEnded();
  ShowWhetherRunning();
  CloseIfAsked();
}

void DownloadWindow::OpenJVLinkSettings() {
  download_->OpenJVLinkSettings();
  FlushIfEnded();
}

void DownloadWindow::PollDownloadStatus() {
  download_->PollDownloadStatus();
  FlushIfEnded();
  ShowWhetherRunning();
  CloseIfAsked();
}

void DownloadWindow::FlushIfEnded() {
  if (!download_->running()) Flush();
}

void DownloadWindow::ShowWhetherRunning() { cancelButton_->setEnabled(download_->running()); }

void DownloadWindow::ScheduleFlush() {
  if (!flushTimer_->isActive()) flushTimer_->start();
}

void DownloadWindow::Flush() {
  flushTimer_->stop();
  if (pendingText_) progressLabel_->setText(*std::exchange(pendingText_, std::nullopt));
  if (pendingDownloadBar_) {
    auto [position, maximum] = *std::exchange(pendingDownloadBar_, std::nullopt);
    downloadBar_->setMaximum(std::max(maximum, 1));
    downloadBar_->setValue(position);
  }
  if (pendingReadBar_) {
    auto [position, maximum] = *std::exchange(pendingReadBar_, std::nullopt);
    readBar_->setMaximum(std::max(maximum, 1));
    readBar_->setValue(position);
  }
  if (!pendingLines_.isEmpty()) {
    madeLines_->Append(std::exchange(pendingLines_, QStringList()), std::exchange(pendingUnseen_, 0));
    madeFiles_->scrollToBottom();
  }
  // A read loop runs the events but no slot of the window returns meanwhile.
  ShowWhetherRunning();
}

bool DownloadWindow::MayCloseNow() {
  if (!download_->running()) return true;
  // Freeing the window under its own read loop would crash; the download is
  // stopped and the window closes when the loop has ended.
  closeAsked_ = true;
  download_->Abort();
  return !download_->running();
}

void DownloadWindow::CloseIfAsked() {
  if (closeAsked_ && !download_->running()) {
    closeAsked_ = false;
    close();
  }
}

void DownloadWindow::reject() {
  if (MayCloseNow()) close();
}

void DownloadWindow::closeEvent(QCloseEvent* event) {
  if (!MayCloseNow()) {
    event->ignore();
    return;
  }
  statusTimer_->stop();
  Flush();
  if (!closed_) {
    closed_ = true;
    if (onClosed) onClosed();
  }
  QDialog::reject();  // ends exec()
  event->accept();
}

void DownloadWindow::SetProgressText(const std::string& text) {
  pendingText_ = ToQt(text);
  ScheduleFlush();
}

void DownloadWindow::SetDownloadBar(int position, int maximum) {
  pendingDownloadBar_.emplace(position, maximum);
  ScheduleFlush();
}

void DownloadWindow::SetReadBar(int position, int maximum) {
  pendingReadBar_.emplace(position, maximum);
  ScheduleFlush();
}

void DownloadWindow::ClearList() {
  pendingLines_.clear();
  pendingUnseen_ = 0;
  madeLines_->Clear();
}

void DownloadWindow::AddListLine(const std::string& text) {
  pendingLines_.push_back(ToQt(text));
  // What is gathered stays bounded while no event runs: lines the list could
  // not keep anyway are let go before they reach it.
  constexpr qsizetype kKept = DownloadLineModel::kKeptLines;
  if (pendingLines_.size() >= 2 * kKept) {
    pendingLines_.remove(0, kKept);
    pendingUnseen_ += kKept;
  }
  ScheduleFlush();
}

void DownloadWindow::SetStatusPolling(bool running) {
  if (running) {
    statusTimer_->start();
  } else {
    statusTimer_->stop();
  }
}

void DownloadWindow::ShowFromTime(const DateTime& t) {
  QSignalBlocker block(fromPicker_);
  fromPicker_->setDateTime(QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)));
  fromTimeLabel_->setText(QString::fromStdString(FormatDateTime(t)));
}

}  // namespace tw
