// The race-card download of the "ＪＶデータ取込" window: race, runner and
// payout records of every race provided since the from-time are stored into
// the race-day files, with progress texts, a list line per stored record, a
// cancel with confirmation, and the from-time remembered for the next run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acquire/jv_stream.h"
#include "acquire/stream_gate.h"
#include "base/clock.h"
#include "base/settings.h"
#include "base/user_port.h"
#include "jvlink/jvlink.h"
#include "store/race_day_store.h"

namespace tw {

// What the download shows in its window besides dialogs.
class DownloadView {
 public:
  virtual ~DownloadView() = default;
  virtual void SetProgressText(const std::string& text) = 0;   // the text above the bars
  virtual void SetDownloadBar(int position, int maximum) = 0;  // the bar "ダウンロード"
  virtual void SetReadBar(int position, int maximum) = 0;      // the bar "読込み"
  virtual void ClearList() = 0;                                // "作成済みデータ"
  virtual void AddListLine(const std::string& text) = 0;
  virtual void SetStatusPolling(bool running) = 0;          // the 10 ms download-status poll
  virtual void ShowFromTime(const DateTime& fromTime) = 0;  // the picker and the text beside it
};

enum class DownloadOutcome {
  kNone,       // nothing run yet, or held back
  kRunning,    // downloading: the status timer goes on
  kNoNewData,  // "最新のデータがありません。"
  kCompleted,  // read to its end
  kCancelled,
  kFailed,  // a JV-Link failure or a file that could not be saved
};

inline constexpr int kStatusPollMillis = 10;

class RaceCardDownload {
 public:
  RaceCardDownload(JVLink& jv, RaceDayStore& store, Settings& settings, const Clock& clock, UserPort& ui,
                   StreamGate& gate, DownloadView& view);

  // The from-time (the picker); read from ("JvDataGet", "LastTime") when
  // created, by default eight days before now.
  const DateTime& fromTime() const { return fromTime_; }
  void SetFromTime(const DateTime& t) { fromTime_ = t; }
  // "通常データ" (option 1) or "今週開催データ" (option 2, the default).
  bool normalData = false;

  // "データ取込み開始".
  void StartDownload();
  // A tick of the 10 ms status timer while files are downloaded.
  void PollDownloadStatus();
  // "データ取込み中止": asks first; No changes nothing.
  void CancelDownload();
  // Stops a running download without asking (the window is being closed):
  // a running read loop stops at its next turn, a download in progress is
  // closed at once.
  void Abort();
  // "JVLink設定".
  void OpenJVLinkSettings();

  bool running() const { return hold_.has_value(); }
  bool reading() const { return reading_; }
  DownloadOutcome outcome() const { return outcome_; }
  int filesRead() const { return filesRead_; }

 private:
  // Reads the opened download to its end, a cancel or a failure.
  void ReadToEnd();
  void StoreRecord(const std::string& record);
  // A failed save ends the run; the files that failed are told together once
  // the kept files were dealt with.
  void NoteFailedSaves(const std::vector<StoreResult>& failed);
  void TellFailedSaves(bool streamOpen);
  void CloseDownload();
  void Fail(const std::string& text);
  void EndWithCallError(const JVLinkCallError& error);
  void RememberFromTime();
  void StopStatusPolling();

  JVLink& jv_;
  RaceDayStore& store_;
  std::vector<StoreResult> failedSaves_;
  Settings& settings_;
  const Clock& clock_;
  UserPort& ui_;
  StreamGate& gate_;
  DownloadView& view_;
  JVStream stream_;

  DateTime fromTime_;
  std::optional<StreamHold> hold_;  // held from the open to the close
  bool cancelled_ = false;
  bool reading_ = false;
  bool askingStatus_ = false;  // JVStatus has not returned yet
  bool statusPolling_ = false;
  bool readCompleted_ = false;
  int readCount_ = 0, downloadCount_ = 0, filesRead_ = 0;
  std::string lastFileTimestamp_;
  DownloadOutcome outcome_ = DownloadOutcome::kNone;
};

}  // namespace tw
