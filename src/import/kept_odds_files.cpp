#include "import/kept_odds_files.h"

#include <system_error>

#include "records/layout.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

bool KeptOddsFiles::SetLine(const std::string& path, size_t index, const std::string& line, size_t lineLength,
                            std::uintmax_t maxBytes, std::string& error) {
  auto kept = files_.find(path);
  if (kept == files_.end()) {
    auto lines = LoadLines(path, maxBytes);
    if (!lines) {
      std::error_code code =
          std::make_error_code(FileExists(path) ? std::errc::io_error : std::errc::no_such_file_or_directory);
      error = path + ": " + Utf8ToSjis(code.message());
      return false;
    }
    kept = files_.emplace(path, std::move(*lines)).first;
  }
  std::vector<std::string>& lines = kept->second;
  const size_t slotEnd = (index / kSnapshotsPerRace + 1) * kSnapshotsPerRace;
  NormaliseLines(lines, lineLength, slotEnd);
  lines[index] = line;
  return true;
}

bool KeptOddsFiles::SaveAll(std::string& error) {
  bool ok = true;
  for (const auto& [path, lines] : files_) {
    if (SaveResult saved = SaveLines(path, lines); !saved && ok) {
      error = path + ": " + Utf8ToSjis(saved.error);
      ok = false;
    }
  }
  files_.clear();
  return ok;
}

}  // namespace tw
