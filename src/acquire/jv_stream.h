// One JV-Link stream from its open to its close, and how its failures are
// told: every download and fetch goes through this. In dialogs a failure
// beeps and shows a message box with the call's name ("JVReadエラー:…"); on
// the status line it beeps, shows the bare message below the race list and
// keeps it in the error log.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/error_log.h"
#include "base/user_port.h"
#include "jvlink/jvlink.h"

namespace tw {

enum class ReportMode { kDialog, kStatusLine };

// The pause before reading again while JV-Link is still downloading: short
// enough to go on at once when the file is there, long enough not to keep a
// core busy asking through a download of minutes.
inline constexpr int kNotReadyWaitMillis = 50;

// How one stream tells what happens, besides its mode.
struct StreamReporting {
  ReportMode mode = ReportMode::kDialog;
  // The results stream logs its read and close failures without a beep.
  bool beepOnReadOrCloseFailure = true;
  // A good close beeps (the download; the results command run by hand).
  bool beepWhenClosed = false;
  // The close ends the busy cursor; the results stream never shows it.
  bool closeEndsBusyCursor = true;
  // Failures are kept (their dialog texts) for the caller to tell once for a
  // whole batch, neither shown nor logged nor beeped one by one.
  bool collectFailures = false;
};

// How a read to the end stopped.
enum class ReadEnd {
  kEndOfData,      // JVRead returned 0
  kReadFailed,     // a read failure, reported
  kRecordRefused,  // the record handler asked to stop
  kStopRequested,  // the stop check asked to stop (a cancel)
};

// What the read does with what it meets; only `record` is required.
struct ReadHandlers {
  // Stores one record; false stops the read.
  std::function<bool(const std::string& record)> record;
  // Another file of the stream begins (JVRead returned -1).
  std::function<void()> nextFile;
  // Asked after the pending events ran, before every read; true stops.
  std::function<bool()> stopRequested;
};

class JVStream {
 public:
  // `log` is the error log behind the status line; unused for dialogs.
  JVStream(JVLink& jv, UserPort& ui, ErrorLog* log, StreamReporting reporting)
      : jv_(jv), ui_(ui), log_(log), reporting_(reporting) {}

  // A good close beeps from now on, or no longer.
  void SetBeepWhenClosed(bool beep) { reporting_.beepWhenClosed = beep; }

  // Tells a failure in the mode: a dialog with `dialogText`, or `statusText`
  // on the status line and in the log (after a beep when `beep`).
  void Report(const std::string& dialogText, const std::string& statusText, bool beep = true);
  void Report(const std::string& text) { Report(text, text); }
  // Tells the failure of a JV-Link call by its return code: in a dialog
  // "<call>エラー:" and the message, on the status line `statusPrefix` and
  // the message.
  void ReportCode(const std::string& call, int code, const std::string& statusPrefix = "", bool beep = true);

  // JVRTOpen of `dataSpec` for `key`; a failure is reported (with
  // `statusPrefix` on the status line). True when the stream is open.
  bool OpenRealTime(const std::string& dataSpec, const std::string& key, const std::string& statusPrefix);
  // JVOpen of the stored data since `fromTime`; a failure other than -1
  // (nothing newer) is reported.
  JVOpenResult OpenStored(const std::string& dataSpec, const std::string& fromTime, int option);

  // Reads the opened stream until it ends; the pending window events run
  // before every read; after -2 and -3 (not ready) it waits
  // kNotReadyWaitMillis, the events still running, and reads again.
  ReadEnd Read(const ReadHandlers& handlers);

  // JVClose; `closed` runs once the stream is closed, before anything is
  // told (a dialog must not keep the stream gate). False when the close
  // failed (reported).
  bool Close(const std::function<void()>& closed = {});

  // JVClose without a word: a failure, of the call too, is ignored; the
  // cursor is normal again (a window that is closing).
  void CloseSilently();

  // Ends the stream after a call itself failed: it is closed (a second
  // failure is ignored), the cursor is normal again and the call's message
  // is reported.
  void EndWithCallError(const JVLinkCallError& error, const std::function<void()>& closed = {});

  // One real-time stream from open to close, each record to `record`. On the
  // status line `statusText` shows while it runs, and once the status is
  // cleared the stream is closed again (closing a closed stream is
  // harmless). False when a call itself failed; the stream is then closed.
  bool RunRealTime(const std::string& dataSpec, const std::string& key, const std::string& statusText,
                   const std::string& openFailurePrefix, const std::function<bool(const std::string&)>& record);

  // The failures reported so far.
  int failures() const { return failures_; }
  // The real-time opens that found no newer data (-1): told like a failed
  // open, but no failure (results asked for before a race has finished, odds
  // before they are announced).
  int noNewData() const { return noNewData_; }
  // The dialog texts of the failures kept, when they are collected.
  const std::vector<std::string>& collected() const { return collected_; }

 private:
  bool statusLine() const { return reporting_.mode == ReportMode::kStatusLine; }

  JVLink& jv_;
  UserPort& ui_;
  ErrorLog* log_;
  StreamReporting reporting_;
  int failures_ = 0;
  int noNewData_ = 0;
  std::vector<std::string> collected_;
};

}  // namespace tw
