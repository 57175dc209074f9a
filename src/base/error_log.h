// The error log beside the executable: start-up lines and failure lines of
// unattended work, Shift-JIS with CR LF.
#pragma once

#include <string>
#include <vector>

#include "base/clock.h"
#include "base/user_port.h"

namespace tw {

class ErrorLog {
 public:
  ErrorLog(std::string sjisPath, const Clock& clock, UserPort& ui)
      : path_(std::move(sjisPath)), clock_(clock), ui_(ui) {}

  // Cuts the log to its last 100 lines, then appends "ソフト起動：" with the
  // date and time and the application folder line, and saves it whole.
  bool Start(const std::string& appFolder);

  // Cuts the log to its last 100 lines, as Start does, for a command that
  // writes to it without the start lines; an unchanged log is not rewritten.
  bool Trim();

  // Shows the message in the status label, then appends
  // "【エラー】hh:nn:ss：" + message to the log.
  bool Append(const std::string& message);

  const std::string& path() const { return path_; }
  // The reason of the last failed save (UTF-8), empty after a good one.
  const std::string& lastError() const { return lastError_; }

 private:
  // The log's lines; false (and lastError set) when it exists but cannot be
  // read, which no write may then replace.
  bool Load(std::vector<std::string>& lines);
  bool Save(const std::vector<std::string>& lines);

  std::string path_;
  const Clock& clock_;
  UserPort& ui_;
  std::string lastError_;
};

}  // namespace tw
