#include "gui/download_window.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/qt_user_port.h"

namespace tw {

namespace {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

DownloadWindow::DownloadWindow(JVLink& jv, RaceDayStore& store, Settings& settings, const Clock& clock,
                               StreamGate& gate, UserPort* ui, QWidget* parent)
    : QDialog(parent) {
  setObjectName("GetDataForm");
  setWindowTitle(U("ＪＶデータ取込"));
  setModal(true);
  if (!ui) {
    ownUi_ = std::make_unique<QtUserPort>(this);
    ui = ownUi_.get();
  }

  auto* layout = new QVBoxLayout(this);
  auto* top = new QGridLayout;
  top->addWidget(new QLabel(U("取得開始日付")), 0, 0);
  dateTimePicker1_ = new QDateTimeEdit;
  dateTimePicker1_->setObjectName("DateTimePicker1");
  dateTimePicker1_->setDisplayFormat("yyyy/MM/dd");  // only the date is shown; the time is held
  dateTimePicker1_->setCalendarPopup(true);
  top->addWidget(dateTimePicker1_, 0, 1);
  label5_ = new QLabel;
  label5_->setObjectName("Label5");
  label5_->setVisible(false);
  top->addWidget(label5_, 0, 2);

  auto* choice = new QGroupBox(U("取得データ"));
  auto* choiceLayout = new QVBoxLayout(choice);
  rbtNormal_ = new QRadioButton(U("通常データ"));
  rbtNormal_->setObjectName("rbtNormal");
  rbtIsthisweek_ = new QRadioButton(U("今週開催データ"));
  rbtIsthisweek_->setObjectName("rbtIsthisweek");
  rbtIsthisweek_->setChecked(true);
  auto* setup = new QRadioButton(U("セットアップデータ"));
  setup->setVisible(false);  // exists, but cannot be chosen
  choiceLayout->addWidget(rbtNormal_);
  choiceLayout->addWidget(rbtIsthisweek_);
  choiceLayout->addWidget(setup);
  top->addWidget(choice, 1, 0, 1, 3);
  layout->addLayout(top);

  auto* bars = new QGridLayout;
  bars->addWidget(new QLabel(U("ダウンロード")), 0, 0);
  progressBar1_ = new QProgressBar;
  progressBar1_->setObjectName("ProgressBar1");
  bars->addWidget(progressBar1_, 0, 1);
  bars->addWidget(new QLabel(U("読込み")), 1, 0);
  progressBar2_ = new QProgressBar;
  progressBar2_->setObjectName("ProgressBar2");
  bars->addWidget(progressBar2_, 1, 1);
  layout->addLayout(bars);
  progressLabel_ = new QLabel;
  progressLabel_->setObjectName("ProgressLabel");
  layout->addWidget(progressLabel_);

  layout->addWidget(new QLabel(U("作成済みデータ")));
  listBox1_ = new QListWidget;
  listBox1_->setObjectName("ListBox1");
  layout->addWidget(listBox1_, 1);

  auto* buttons = new QHBoxLayout;
  auto* start = new QPushButton(U("データ取込み開始"));
  start->setObjectName("ButtonStart");
  auto* cancel = new QPushButton(U("データ取込み中止"));
  cancel->setObjectName("ButtonCancel");
  auto* settingsButton = new QPushButton(U("JVLink設定"));
  settingsButton->setObjectName("SpeedButton1");
  settingsButton->setToolTip(U("JRA-VAN　Data Lab.のサービスキーやデータ保存場所の設定をします"));
  start->setAutoDefault(false);
  cancel->setAutoDefault(false);
  settingsButton->setAutoDefault(false);
  buttons->addWidget(start);
  buttons->addWidget(cancel);
  buttons->addStretch();
  buttons->addWidget(settingsButton);
  layout->addLayout(buttons);

  timerJVStatus_ = new QTimer(this);
  timerJVStatus_->setObjectName("TimerJVStatus");
  timerJVStatus_->setInterval(kStatusTimerMillis);

  DownloadView& view = *this;
  download_ = std::make_unique<RaceCardDownload>(jv, store, settings, clock, *ui, gate, view);

  connect(start, &QPushButton::clicked, this, &DownloadWindow::StartDownload);
  connect(cancel, &QPushButton::clicked, this, &DownloadWindow::CancelDownload);
  connect(settingsButton, &QPushButton::clicked, this, &DownloadWindow::OpenJVLinkSettings);
  connect(timerJVStatus_, &QTimer::timeout, this, &DownloadWindow::PollDownloadStatus);
  connect(dateTimePicker1_, &QDateTimeEdit::dateChanged, this, [this](const QDate& d) {
    DateTime t = download_->fromTime();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    download_->SetFromTime(t);
    label5_->setText(QString::fromStdString(FormatDateTime(t)));
  });
  resize(520, 480);
}

DownloadWindow::~DownloadWindow() = default;

void DownloadWindow::StartDownload() {
  download_->normalData = rbtNormal_->isChecked();
  download_->StartDownload();
  CloseIfAsked();
}

void DownloadWindow::CancelDownload() {
  download_->CancelDownload();
  CloseIfAsked();
}

void DownloadWindow::OpenJVLinkSettings() { download_->OpenJVLinkSettings(); }

void DownloadWindow::PollDownloadStatus() {
  download_->PollDownloadStatus();
  CloseIfAsked();
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
  timerJVStatus_->stop();
  if (!closed_) {
    closed_ = true;
    if (onClosed) onClosed();
  }
  QDialog::reject();  // ends exec()
  event->accept();
}

void DownloadWindow::SetProgressText(const std::string& text) { progressLabel_->setText(ToQt(text)); }

void DownloadWindow::SetDownloadBar(int position, int maximum) {
  progressBar1_->setMaximum(std::max(maximum, 1));
  progressBar1_->setValue(position);
}

void DownloadWindow::SetReadBar(int position, int maximum) {
  progressBar2_->setMaximum(std::max(maximum, 1));
  progressBar2_->setValue(position);
}

void DownloadWindow::ClearList() { listBox1_->clear(); }

void DownloadWindow::AddListLine(const std::string& text) {
  listBox1_->addItem(ToQt(text));
  listBox1_->scrollToBottom();
}

void DownloadWindow::SetStatusTimer(bool running) {
  if (running) {
    timerJVStatus_->start();
  } else {
    timerJVStatus_->stop();
  }
}

void DownloadWindow::ShowFromTime(const DateTime& t) {
  QSignalBlocker block(dateTimePicker1_);
  dateTimePicker1_->setDateTime(QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)));
  label5_->setText(QString::fromStdString(FormatDateTime(t)));
}

}  // namespace tw
