#include "store/write_back_cache.h"

#include <functional>
#include <string_view>

#include "store/data_folder_lock.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::size_t HashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

std::string ReasonOf(const SaveResult& saved) { return Utf8ToSjis(saved.error.empty() ? "save failed" : saved.error); }

}  // namespace

std::size_t WriteBackCache::SizeOf(const Entry& entry) {
  // Day files keep every line at its layout length, so the first line tells.
  const auto& lines = entry.lines;
  std::size_t size = lines.empty() ? 0 : lines.size() * (lines.front().size() + 2 + sizeof(std::string));
  for (const auto& change : entry.changes) size += change.line.size() + sizeof(DayFileChange);
  return size;
}

std::vector<std::string>* WriteBackCache::Find(const std::string& path, bool& exists) {
  auto it = entries_.find(path);
  if (it == entries_.end()) return nullptr;
  exists = it->second.existed || !it->second.changes.empty();
  return &it->second.lines;
}

std::vector<std::string>& WriteBackCache::Keep(const std::string& path, const std::string& name,
                                               std::vector<std::string> lines,
                                               const std::optional<std::string>& readBytes) {
  Entry& entry = entries_[path];
  bytes_ -= entry.bytes;
  entry = Entry{};
  entry.name = name;
  entry.lines = std::move(lines);
  entry.existed = readBytes.has_value();
  if (readBytes) {
    entry.readHash = HashOf(*readBytes);
    entry.readSize = readBytes->size();
  }
  entry.bytes = SizeOf(entry);
  bytes_ += entry.bytes;
  return entry.lines;
}

void WriteBackCache::NoteChange(const std::string& path, DayFileChange change) {
  auto it = entries_.find(path);
  if (it == entries_.end()) return;
  Entry& entry = it->second;
  entry.changes.push_back(std::move(change));
  bytes_ -= entry.bytes;
  entry.bytes = SizeOf(entry);
  bytes_ += entry.bytes;
}

std::string WriteBackCache::SaveEntry(const std::string& path, Entry& entry) {
  const DayFileChange& first = entry.changes.front();
  std::string bytes;
  bool exists = false;
  switch (ReadFileBounded(path, LayoutOf(first.kind).byteLimit, bytes)) {
    case ReadStatus::kMissing:
      if (!entry.existed) {
        SaveResult created = SaveLines(path, entry.lines);
        return created ? std::string() : ReasonOf(created);
      }
      break;
    case ReadStatus::kUnreadable:
      entry.readStatus = ReadStatus::kUnreadable;
      return Sjis("ファイルを読み込めません");
    case ReadStatus::kTooLarge:
      entry.readStatus = ReadStatus::kTooLarge;
      return Sjis("ファイルが大きすぎます");
    case ReadStatus::kRead:
      exists = true;
      break;
  }
  std::vector<std::string> lines;
  if (exists && entry.existed && bytes.size() == entry.readSize && HashOf(bytes) == entry.readHash) {
    lines = std::move(entry.lines);  // as read: the kept lines are the changed file
  } else {
    // Saved by another program since it was read: the changes again, on what is there now.
    if (exists) lines = DayFileLines(first, bytes);
    bool changed = false;
    for (const DayFileChange& change : entry.changes) {
      if (ApplyDayFileChange(change, lines, exists || changed) >= 0) changed = true;
    }
    // A file removed since it was read that the changes cannot make anew
    // (odds files are never created at saving) is a save that failed.
    if (!changed) return exists ? std::string() : Sjis("読み込んだ後にファイルが削除されました");
  }
  SaveResult saved = SaveLines(path, lines);
  return saved ? std::string() : ReasonOf(saved);
}

std::vector<StoreResult> WriteBackCache::SaveAll(const std::string& dataFolder) {
  std::vector<StoreResult> failed;
  bool anyChanged = false;
  for (const auto& [path, entry] : entries_) anyChanged = anyChanged || !entry.changes.empty();
  std::optional<DataFolderLock> lock;
  if (anyChanged) lock.emplace(dataFolder);
  const std::string lockError = lock && !lock->held() ? lock->error() : std::string();
  bool stopped = false;
  for (auto& [path, entry] : entries_) {
    if (entry.changes.empty()) continue;
    std::string error;
    if (stopped) {
      error = Sjis("未保存");  // the first failure stops the saving
    } else {
      error = lockError.empty() ? SaveEntry(path, entry) : lockError;
      stopped = !error.empty();
    }
    if (error.empty()) continue;
    StoreResult result;
    result.busy = failed.empty() && lock && lock->busy();
    result.lockRefused = failed.empty() && !lockError.empty();
    result.readStatus = failed.empty() ? entry.readStatus : ReadStatus::kRead;
    result.file = path;
    result.name = entry.name;
    result.error = std::move(error);
    failed.push_back(std::move(result));
  }
  entries_.clear();
  bytes_ = 0;
  return failed;
}

}  // namespace tw
