// DownloadWindow, "ＪＶデータ取込": the race-card download window. The work
// is RaceCardDownload's; the window shows its progress and keeps the 10 ms
// status timer.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "acquire/race_card_download.h"

class QDateTimeEdit;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tw {

class DownloadWindow : public QDialog, private DownloadView {
  Q_OBJECT

 public:
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
  QListWidget* madeFiles() const { return madeFiles_; }
  QProgressBar* progressBar(int n) const { return n == 1 ? downloadBar_ : readBar_; }
  QRadioButton* normalChoice() const { return normalChoice_; }
  QRadioButton* thisWeekChoice() const { return thisWeekChoice_; }
  QTimer* statusTimer() const { return statusTimer_; }

 public Q_SLOTS:
  void StartDownload();
  void CancelDownload();
  void OpenJVLinkSettings();
  void PollDownloadStatus();
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

  // A close asked for while the read loop runs takes effect when it ends.
  bool MayCloseNow();
  void CloseIfAsked();

  std::unique_ptr<UserPort> ownUi_;
  QDateTimeEdit* fromPicker_ = nullptr;
  QLabel* fromTimeLabel_ = nullptr;
  QRadioButton* normalChoice_ = nullptr;
  QRadioButton* thisWeekChoice_ = nullptr;
  QProgressBar* downloadBar_ = nullptr;
  QProgressBar* readBar_ = nullptr;
  QLabel* progressLabel_ = nullptr;
  QListWidget* madeFiles_ = nullptr;
  QTimer* statusTimer_ = nullptr;
  std::unique_ptr<RaceCardDownload> download_;
  bool closeAsked_ = false;
  bool closed_ = false;
};

}  // namespace tw
