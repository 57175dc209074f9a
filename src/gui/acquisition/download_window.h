// DownloadWindow, "ＪＶデータ取込": the race-card download window. The work
// is RaceCardDownload's; the window shows its progress and keeps the 10 ms
// status timer. A set-up download stores over a million records, so what it
// shows is gathered and put on the screen a few times a second, the list
// keeps only its last lines, and the pending events run between records at
// most every kEventMillis: the window stays responsive and cancel answers.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "acquire/race_card_download.h"
#include "base/throttled_user_port.h"

class QDateTimeEdit;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tw {

class DownloadLineModel;

class DownloadWindow : public QDialog, private DownloadView {
  Q_OBJECT

 public:
  // How often gathered texts, bars and list lines reach the screen.
  static constexpr int kFlushMillis = 200;
  // How often the read loop lets the pending events run.
  static constexpr int kEventMillis = 50;

  // `ui` may be null: the window then uses message boxes of its own. The
  // references must outlive the window.
  DownloadWindow(JVLink& jv, RaceDayStore& store, Settings& settings, const Clock& clock, StreamGate& gate,
                 UserPort* ui = nullptr, QWidget* parent = nullptr);
  ~DownloadWindow() override;

  // Run when the window closes (the main window's "リスト作成").
  std::function<void()> onClosed;

  RaceCardDownload& download() { return *download_; }
  QDateTimeEdit* picker() const { return fromPicker_; }
  QLabel* fromTimeLabel() const { return fromTimeLabel_; }
  QLabel* progressLabel() const { return progressLabel_; }
  QListView* madeFiles() const { return madeFiles_; }
  DownloadLineModel* madeLines() const { return madeLines_; }
  QProgressBar* progressBar(int n) const { return n == 1 ? downloadBar_ : readBar_; }
  QRadioButton* normalChoice() const { return normalChoice_; }
  QRadioButton* thisWeekChoice() const { return thisWeekChoice_; }
  QTimer* statusTimer() const { return statusTimer_; }
  QTimer* flushTimer() const { return flushTimer_; }
  // The milliseconds by which the pending events are paced; empty: the steady clock.
  void SetMillisecondClock(std::function<long long()> millis) { pacedUi_->SetMillisecondClock(std::move(millis)); }

 public Q_SLOTS:
  void StartDownload();
  void CancelDownload();
  void OpenJVLinkSettings();
  void PollDownloadStatus();
  // Puts what was gathered on the screen.
  void Flush();
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // DownloadView
  void SetProgressText(const std::string& text) override;
  void SetDownloadBar(int position, int maximum) override;
  void SetReadBar(int position, int maximum) override;
  void ClearList() override;
  void AddListLine(const std::string& text) override;
  void SetStatusPolling(bool running) override;
  void ShowFromTime(const DateTime& fromTime) override;

  // "データ取込み中止" only while a download runs.
  void ShowWhetherRunning();
  void ScheduleFlush();
  // Once the download has ended its last texts show at once.
  void FlushIfEnded();

  // A close asked for while the read loop runs takes effect when it ends.
  bool MayCloseNow();
  void CloseIfAsked();

  std::unique_ptr<UserPort> ownUi_;
  std::unique_ptr<ThrottledUserPort> pacedUi_;
  QDateTimeEdit* fromPicker_ = nullptr;
  QLabel* fromTimeLabel_ = nullptr;
  QRadioButton* normalChoice_ = nullptr;
  QRadioButton* thisWeekChoice_ = nullptr;
  QProgressBar* downloadBar_ = nullptr;
  QProgressBar* readBar_ = nullptr;
  QLabel* progressLabel_ = nullptr;
  QListView* madeFiles_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  DownloadLineModel* madeLines_ = nullptr;
  QTimer* statusTimer_ = nullptr;
  QTimer* flushTimer_ = nullptr;
  // Gathered since the last flush.
  QStringList pendingLines_;
  qint64 pendingUnseen_ = 0;  // lines let go before they were shown
  std::optional<QString> pendingText_;
  std::optional<std::pair<int, int>> pendingDownloadBar_, pendingReadBar_;
  std::unique_ptr<RaceCardDownload> download_;
  bool closeAsked_ = false;
  bool closed_ = false;
};

}  // namespace tw
