#include "acquire/jv_stream.h"

#include "codes/jv_message.h"
#include "text/sjis.h"

namespace tw {

namespace {

constexpr int kReadBufferSize = 60000;
constexpr int kNoNewerData = -1;

}  // namespace

void JVStream::Report(const std::string& dialogText, const std::string& statusText, bool beep) {
  ++failures_;
  if (reporting_.collectFailures) {
    collected_.push_back(dialogText);
    return;
  }
  if (!statusLine()) {
    ui_.Beep();
    ui_.Inform(dialogText);
    return;
  }
  if (beep) ui_.Beep();
  if (log_) log_->Append(statusText);  // shows it on the status line, then logs it
}

void JVStream::ReportCode(const std::string& call, int code, const std::string& statusPrefix, bool beep) {
  std::string message = JVMessage(call, code);
  Report(call + Sjis("エラー:") + message, statusPrefix + message, beep);
}

bool JVStream::OpenRealTime(const std::string& dataSpec, const std::string& key, const std::string& statusPrefix) {
  int code = jv_.JVRTOpen(dataSpec, key);
  if (code == 0) return true;
  if (code == kNoNewerData && reporting_.collectFailures) {
    ++noNewData_;  // a count of the batch, not a failure text
    return false;
  }
  ReportCode("JVRTOpen", code, statusPrefix);
  if (code == kNoNewerData) {
    --failures_;
    ++noNewData_;
  }
  return false;
}

JVOpenResult JVStream::OpenStored(const std::string& dataSpec, const std::string& fromTime, int option) {
  JVOpenResult open = jv_.JVOpen(dataSpec, fromTime, option);
  if (open.code != 0 && open.code != -1) ReportCode("JVOpen", open.code);
  return open;
}

ReadEnd JVStream::Read(const ReadHandlers& handlers) {
  int size = kReadBufferSize;
  for (;;) {
    ui_.ProcessEvents();
    if (handlers.stopRequested && handlers.stopRequested()) return ReadEnd::kStopRequested;
    JVReadResult r = jv_.JVRead(size);
    if (r.code > 0) {
      if (!handlers.record(r.record)) return ReadEnd::kRecordRefused;
    } else if (r.code == 0) {
      return ReadEnd::kEndOfData;
    } else if (r.code == -1) {
      if (handlers.nextFile) handlers.nextFile();
    } else if (r.code < -3) {
      ReportCode("JVRead", r.code, "", reporting_.beepOnReadOrCloseFailure);
      return ReadEnd::kReadFailed;
    } else {
      // -2 and -3: the file is still being downloaded.
      ui_.WaitProcessingEvents(kNotReadyWaitMillis);
    }
  }
}

bool JVStream::Close(const std::function<void()>& closed) {
  int code = jv_.JVClose();
  if (reporting_.closeEndsBusyCursor) ui_.SetBusy(false);
  if (closed) closed();
  if (code != 0) {
    ReportCode("JVClose", code, "", reporting_.beepOnReadOrCloseFailure);
    return false;
  }
  if (reporting_.beepWhenClosed) ui_.Beep();
  return true;
}

void JVStream::CloseSilently() {
  try {
    jv_.JVClose();
  } catch (const JVLinkCallError&) {
    // Nothing more can be done with the stream.
  }
  ui_.SetBusy(false);
}

void JVStream::EndWithCallError(const JVLinkCallError& error, const std::function<void()>& closed) {
  CloseSilently();  // the first failure is the one reported
  if (closed) closed();
  Report(error.what());
}

bool JVStream::RunRealTime(const std::string& dataSpec, const std::string& key, const std::string& statusText,
                           const std::string& openFailurePrefix,
                           const std::function<bool(const std::string&)>& record) {
  try {
    if (statusLine()) {
      ui_.SetStatus(statusText);
      ui_.ProcessEvents();
    }
    if (OpenRealTime(dataSpec, key, openFailurePrefix)) Read({record, {}, {}});
    Close();
    if (statusLine()) {
      ui_.SetStatus("");
      ui_.ProcessEvents();
      Close();
    }
    return true;
  } catch (const JVLinkCallError& e) {
    if (statusLine()) ui_.SetStatus("");
    EndWithCallError(e);
    return false;
  }
}

}  // namespace tw
