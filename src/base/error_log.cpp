#include "base/error_log.h"

#include <vector>

#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

constexpr size_t kKeptLines = 100;

}  // namespace

bool ErrorLog::Load(std::vector<std::string>& lines) {
  std::string bytes;
  switch (ReadFileBounded(path_, kReadLimitBytes, bytes)) {
    case ReadStatus::kMissing:
      lines.clear();
      return true;
    case ReadStatus::kRead:
      lines = SplitLines(bytes);
      return true;
    case ReadStatus::kUnreadable:
    case ReadStatus::kTooLarge:
      break;
  }
  // Rewriting it with only the new line would lose the lines it holds.
  lastError_ = "the error log cannot be read, so it is left as it is";
  return false;
}

bool ErrorLog::Save(const std::vector<std::string>& lines) {
  SaveResult r = SaveLines(path_, lines);
  lastError_ = r.error;
  return r.ok;
}

bool ErrorLog::Start(const std::string& appFolder) {
  static const std::string kStarted = Sjis("ソフト起動：");
  std::vector<std::string> lines;
  if (!Load(lines)) return false;
  if (lines.size() > kKeptLines) lines.erase(lines.begin(), lines.end() - kKeptLines);
  lines.push_back(kStarted + FormatDateTime(clock_.Now()));
  lines.push_back(appFolder);
  return Save(lines);
}

bool ErrorLog::Trim() {
  std::vector<std::string> lines;
  if (!Load(lines)) return false;
  if (lines.size() <= kKeptLines) return true;
  lines.erase(lines.begin(), lines.end() - kKeptLines);
  return Save(lines);
}

bool ErrorLog::Append(const std::string& message) {
  static const std::string kError = Sjis("【エラー】"), kColon = Sjis("：");
  ui_.SetStatus(message);
  std::vector<std::string> lines;
  if (!Load(lines)) return false;
  lines.push_back(kError + FormatTime(clock_.Now()) + kColon + message);
  return Save(lines);
}

}  // namespace tw
