#include "import/kept_odds_files.h"

#include <functional>
#include <string_view>
#include <system_error>

#include "records/layout.h"
#include "store/data_folder_lock.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::size_t HashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

std::string ReadError(const std::string& path, ReadStatus status) {
  std::error_code code =
      std::make_error_code(status == ReadStatus::kMissing ? std::errc::no_such_file_or_directory : std::errc::io_error);
  return path + ": " + Utf8ToSjis(code.message());
}

}  // namespace

void KeptOddsFiles::Set(std::vector<std::string>& lines, size_t index, const std::string& line, size_t lineLength) {
  const size_t slotEnd = (index / kSnapshotsPerRace + 1) * kSnapshotsPerRace;
  NormaliseLines(lines, lineLength, slotEnd);
  lines[index] = line;
}

bool KeptOddsFiles::SetLine(const std::string& path, size_t index, const std::string& line, size_t lineLength,
                            std::uintmax_t maxBytes, std::string& error) {
  auto kept = files_.find(path);
  if (kept == files_.end()) {
    std::string bytes;
    if (ReadStatus status = ReadFileBounded(path, maxBytes, bytes); status != ReadStatus::kRead) {
      error = ReadError(path, status);
      return false;
    }
    File file;
    file.lines = SplitLines(bytes);
    file.readHash = HashOf(bytes);
    file.readSize = bytes.size();
    file.lineLength = lineLength;
    file.maxBytes = maxBytes;
    kept = files_.emplace(path, std::move(file)).first;
  }
  Set(kept->second.lines, index, line, lineLength);
  kept->second.set.emplace_back(index, line);
  return true;
}

bool KeptOddsFiles::LinesNow(const std::string& path, File& file, std::string& error) {
  std::string bytes;
  if (ReadStatus status = ReadFileBounded(path, file.maxBytes, bytes); status != ReadStatus::kRead) {
    error = ReadError(path, status);
    return false;
  }
  if (bytes.size() == file.readSize && HashOf(bytes) == file.readHash) return true;
  file.lines = SplitLines(bytes);
  for (const auto& [index, line] : file.set) Set(file.lines, index, line, file.lineLength);
  return true;
}

bool KeptOddsFiles::SaveAll(const std::string& dataFolder, std::string& error) {
  if (files_.empty()) return true;
  bool ok = true;
  DataFolderLock lock(dataFolder);
  if (!lock.held()) {
    error = lock.error();
    ok = false;
  }
  for (auto& [path, file] : files_) {
    if (!ok) break;  // the first failure stops the saving
    if (!LinesNow(path, file, error)) {
      ok = false;
    } else if (SaveResult saved = SaveLines(path, file.lines); !saved) {
      error = path + ": " + Utf8ToSjis(saved.error);
      ok = false;
    }
  }
  files_.clear();
  return ok;
}

}  // namespace tw
