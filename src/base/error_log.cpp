#include "base/error_log.h"

#include <vector>

#include "text/files.h"
#include "text/sjis.h"

namespace tw {

bool ErrorLog::Start(const std::string& appFolder) {
  static const std::string kStarted = Sjis("ソフト起動：");
  std::vector<std::string> lines = LoadLines(path_).value_or(std::vector<std::string>{});
  if (lines.size() > 100) lines.erase(lines.begin(), lines.end() - 100);
  lines.push_back(kStarted + FormatDateTime(clock_.Now()));
  lines.push_back(appFolder);
  SaveResult r = SaveLines(path_, lines);
  lastError_ = r.error;
  return r.ok;
}

bool ErrorLog::Append(const std::string& message) {
  static const std::string kError = Sjis("【エラー】"), kColon = Sjis("：");
  ui_.SetStatus(message);
  std::vector<std::string> lines = LoadLines(path_).value_or(std::vector<std::string>{});
  lines.push_back(kError + FormatTime(clock_.Now()) + kColon + message);
  SaveResult r = SaveLines(path_, lines);
  lastError_ = r.error;
  return r.ok;
}

}  // namespace tw
