#include "acquire/race_card_download.h"

#include <algorithm>

#include "codes/jv_message.h"
#include "records/record_header.h"
#include "records/runner_record.h"
#include "store/write_back_scope.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

constexpr long long kEightDays = 8LL * 24 * 60 * 60;

std::string StartText(const DateTime& t) {
  return Format("%04d", t.year) + Sjis("年") + Format("%02d", t.month) + Sjis("月") + Format("%02d", t.day) +
         Sjis("日") + Format("%02d", t.hour) + Sjis("時") + Format("%02d", t.minute) + Sjis("分") +
         Format("%02d", t.second) + Sjis("秒") +
         Sjis(
             "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他のアプリケーションを操作"
             "することは極力避けてください。");
}

const std::string& NoNewDataText() {
  static const std::string kText = Sjis("最新のデータがありません。");
  return kText;
}

// Dialogs, and a beep when the download is closed.
StreamReporting DownloadReporting() {
  StreamReporting reporting;
  reporting.mode = ReportMode::kDialog;
  reporting.beepWhenClosed = true;
  return reporting;
}

std::string Counted(const std::string& prefix, int done, int total) {
  return prefix + std::to_string(done) + "/" + std::to_string(total) + ")";
}

}  // namespace

RaceCardDownload::RaceCardDownload(JVLink& jv, RaceDayStore& store, Settings& settings, const Clock& clock,
                                   UserPort& ui, StreamGate& gate, DownloadView& view)
    : jv_(jv),
      store_(store),
      settings_(settings),
      clock_(clock),
      ui_(ui),
      gate_(gate),
      view_(view),
      stream_(jv, ui, nullptr, DownloadReporting()) {
  std::string def = FormatDateTime(AddSeconds(clock_.Now(), -kEightDays));
  std::string stored = settings_.ReadString(setting::kDownloadFromTime, def);
  // A damaged value falls back to the default rather than to year 0.
  if (!ParseDateTime(stored, fromTime_)) ParseDateTime(def, fromTime_);
  view_.ShowFromTime(fromTime_);
}

void RaceCardDownload::StopStatusPolling() {
  statusPolling_ = false;
  view_.SetStatusPolling(false);
}

void RaceCardDownload::StartDownload() {
  if (running() || gate_.busy()) {
    // One stream at a time: a second open would disturb the running one.
    view_.SetProgressText(HeldBackText());
    return;
  }
  hold_.emplace(gate_);
  ui_.Inform(StartText(fromTime_));
  StopStatusPolling();
  cancelled_ = false;
  view_.SetDownloadBar(0, 100);
  view_.SetReadBar(0, 100);
  view_.ClearList();
  std::string fromText = FormatCompact(fromTime_);
  store_.StartDownload(IntValue(fromText.substr(0, 8)));
  int option = normalData ? 1 : 2;
  ui_.SetBusy(true);
  outcome_ = DownloadOutcome::kRunning;
  filesRead_ = 0;
  readCompleted_ = false;
  try {
    JVOpenResult open = stream_.OpenStored("RACE", fromText, option);
    readCount_ = open.readCount;
    downloadCount_ = open.downloadCount;
    lastFileTimestamp_ = open.lastFileTimestamp;
    if (open.code == -1 || (open.code == 0 && open.readCount <= 0)) {
      ui_.Beep();
      ui_.Inform(NoNewDataText());
      outcome_ = DownloadOutcome::kNoNewData;
      CloseDownload();
      return;
    }
    if (open.code != 0) {  // told by the open
      outcome_ = DownloadOutcome::kFailed;
      CloseDownload();
      return;
    }
    view_.SetProgressText(Sjis("JVOpen正常:") + JVMessage("JVOpen", 0));
    view_.SetProgressText("ReadCount:" + std::to_string(readCount_) +
                          ", DownloadCount:" + std::to_string(downloadCount_));
    if (downloadCount_ > 0) {
      view_.SetProgressText(Sjis("ダウンロード中・・・"));
      view_.SetDownloadBar(0, downloadCount_);
      statusPolling_ = true;
      view_.SetStatusPolling(true);
      return;  // the status timer goes on
    }
    view_.SetDownloadBar(100, 100);
    ReadToEnd();
    CloseDownload();
    std::vector<StoreResult> unfilled;
    {
      WriteBackScope fill(store_);
      store_.FillCreatedRaceFiles();
      unfilled = fill.Finish();
    }
    NoteFailedSaves(unfilled);
    TellFailedSaves(false);
    // Only a complete read may move the from-time on: after a cancel or a
    // failure the files not yet read would be skipped by the next run (and a
    // race file left short is filled when the next run reads it again).
    if (readCompleted_ && unfilled.empty()) RememberFromTime();
  } catch (const JVLinkCallError& e) {
    EndWithCallError(e);
  }
}

void RaceCardDownload::RememberFromTime() {
  std::string stamp = Trim(lastFileTimestamp_);
  if (stamp.empty() || stamp == "00000000000000") return;
  DateTime t;
  if (!ParseCompact(stamp, t)) return;
  fromTime_ = t;
  view_.ShowFromTime(fromTime_);
  settings_.WriteString(setting::kDownloadFromTime, FormatDateTime(fromTime_));
}

void RaceCardDownload::PollDownloadStatus() {
  if (!statusPolling_ || !running()) return;  // a tick left in the queue after the stop
  // A tick while JVStatus waits for JV-Link (the window's events run then)
  // would ask again in the middle of the call.
  if (askingStatus_) return;
  try {
    askingStatus_ = true;
    int s = jv_.JVStatus();
    askingStatus_ = false;
    if (s < 0) {
      StopStatusPolling();
      outcome_ = DownloadOutcome::kFailed;
      stream_.ReportCode("JVStatus", s);
      CloseDownload();
      return;
    }
    std::string label = Counted(Sjis("ダウンロード中．．．("), s, downloadCount_);
    if (s < downloadCount_) {
      view_.SetProgressText(label);
      view_.SetDownloadBar(s, downloadCount_);
      return;
    }
    StopStatusPolling();
    view_.SetProgressText(label);
    view_.SetDownloadBar(s, downloadCount_);
    ReadToEnd();
    CloseDownload();
  } catch (const JVLinkCallError& e) {
    askingStatus_ = false;
    EndWithCallError(e);
  }
}

void RaceCardDownload::ReadToEnd() {
  reading_ = true;
  view_.SetProgressText(Counted(Sjis("データ読込み中．．．("), 0, readCount_));
  view_.SetReadBar(0, readCount_);
  filesRead_ = 0;
  // The files read stay in memory and are saved before the read returns,
  // however it ends (at a JV-Link file's end too once they have grown large).
  WriteBackScope writeBack(store_);
  ReadHandlers handlers;
  handlers.record = [this](const std::string& record) {
    StoreRecord(record);
    return outcome_ != DownloadOutcome::kFailed;  // a failed save ends the run
  };
  handlers.nextFile = [this, &writeBack] {
    NoteFailedSaves(writeBack.FileEnded());
    ++filesRead_;
    view_.SetReadBar(filesRead_, readCount_);
    view_.SetProgressText(Counted(Sjis("データ読込み中．．．("), filesRead_, readCount_));
  };
  handlers.stopRequested = [this] { return cancelled_ || outcome_ == DownloadOutcome::kFailed; };
  ReadEnd end;
  try {
    end = stream_.Read(handlers);
  } catch (...) {
    reading_ = false;
    NoteFailedSaves(writeBack.Finish());
    TellFailedSaves(true);
    throw;
  }
  reading_ = false;
  NoteFailedSaves(writeBack.Finish());
  TellFailedSaves(true);
  if (outcome_ == DownloadOutcome::kFailed) return;  // a failed save, told
  switch (end) {
    case ReadEnd::kEndOfData:
      view_.SetProgressText("JVRead EndOfFile :0");
      // The last file ends with the end of the data, not with a file switch.
      filesRead_ = std::min(filesRead_ + 1, readCount_);
      view_.SetProgressText(Counted(Sjis("データ読込み完了("), filesRead_, readCount_));
      view_.SetDownloadBar(0, downloadCount_ > 0 ? downloadCount_ : 100);
      view_.SetReadBar(0, readCount_);
      ui_.Beep();
      outcome_ = DownloadOutcome::kCompleted;
      readCompleted_ = true;
      break;
    case ReadEnd::kStopRequested:
      outcome_ = DownloadOutcome::kCancelled;
      break;
    case ReadEnd::kReadFailed:
      outcome_ = DownloadOutcome::kFailed;
      break;
    case ReadEnd::kRecordRefused:
      break;  // the failed save was told
  }
}

void RaceCardDownload::NoteFailedSaves(const std::vector<StoreResult>& failed) {
  if (failed.empty()) return;
  failedSaves_.insert(failedSaves_.end(), failed.begin(), failed.end());
  outcome_ = DownloadOutcome::kFailed;
}

void RaceCardDownload::TellFailedSaves(bool streamOpen) {
  if (failedSaves_.empty()) return;
  // JV-Link learns that the stream was not taken in whole, so what it read
  // is not counted as downloaded; the next run reads it again, as the
  // from-time stays.
  try {
    if (streamOpen) jv_.JVCancel();
  } catch (const JVLinkCallError&) {
    // The failed save is what the user needs to hear.
  }
  // One dialog: the file that failed, and the files left unsaved with it.
  Fail(SaveFailureText(failedSaves_));
  failedSaves_.clear();
}

void RaceCardDownload::StoreRecord(const std::string& record) {
  std::string type = RecordType(record);
  std::string race = RaceNumberText(record);
  StoreResult result;
  std::string line;
  if (type == "RA") {
    result = store_.StoreRaceRecord(record);
    line = Sjis("作成済み:") + race + "R/";
  } else if (type == "SE") {
    result = store_.StoreRunnerRecord(record);
    line = Sjis("作成済み:") + race + "R/" + HorseNumberText(record) + Sjis("番/");
  } else if (type == "HR") {
    result = store_.StorePayoutRecord(record, RecordSource::kDownload);
    line = Sjis("作成済み:") + race + "R/";
  } else {
    return;
  }
  if (result.failed()) {
    // A file that cannot be written would lose every later record too.
    NoteFailedSaves({result});
    return;
  }
  if (result.stored) view_.AddListLine(line + result.name);
}

void RaceCardDownload::CancelDownload() {
  if (!ui_.Confirm(Sjis("データ取込を中止します。実行しますか？"))) return;
  StopStatusPolling();
  try {
    jv_.JVCancel();
  } catch (const JVLinkCallError& e) {
    EndWithCallError(e);
    return;
  }
  cancelled_ = true;
  static const std::string kCancelled = Sjis("JVCancel:キャンセルされました");
  ui_.Beep();
  ui_.Inform(kCancelled);
  view_.SetProgressText(kCancelled);
  // A running read loop stops at its next turn and closes the download; a
  // download still in progress has no loop to do that, so it is closed here.
  if (running() && !reading_) {
    outcome_ = DownloadOutcome::kCancelled;
    CloseDownload();
  }
}

void RaceCardDownload::Abort() {
  if (!running()) return;
  StopStatusPolling();
  cancelled_ = true;
  try {
    jv_.JVCancel();
  } catch (const JVLinkCallError&) {
    // Closing goes on.
  }
  if (!reading_) {
    outcome_ = DownloadOutcome::kCancelled;
    stream_.CloseSilently();
    hold_.reset();
  }
}

void RaceCardDownload::OpenJVLinkSettings() {
  if (running() || gate_.busy()) {
    view_.SetProgressText(HeldBackText());
    return;
  }
  try {
    int code = jv_.JVSetUIProperties();
    if (code != 0) {
      ui_.Beep();
      ui_.Inform(Sjis("JVSetUIPropertiesエラー：") + JVMessage("JVSetUIProperties", code));
    }
  } catch (const JVLinkCallError& e) {
    ui_.Beep();
    ui_.Inform(e.what());
  }
}

void RaceCardDownload::Fail(const std::string& text) {
  outcome_ = DownloadOutcome::kFailed;
  stream_.Report(text);
}

void RaceCardDownload::CloseDownload() {
  // The gate is free before a close failure is told.
  if (!stream_.Close([this] { hold_.reset(); })) outcome_ = DownloadOutcome::kFailed;
}

void RaceCardDownload::EndWithCallError(const JVLinkCallError& error) {
  StopStatusPolling();
  outcome_ = DownloadOutcome::kFailed;
  stream_.EndWithCallError(error, [this] { hold_.reset(); });
}

}  // namespace tw
