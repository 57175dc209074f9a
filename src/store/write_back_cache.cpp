#include "store/write_back_cache.h"

#include "text/files.h"
#include "text/sjis.h"

namespace tw {

std::size_t WriteBackCache::SizeOf(const std::vector<std::string>& lines) {
  // Day files keep every line at its layout length, so the first line tells.
  return lines.empty() ? 0 : lines.size() * (lines.front().size() + 2 + sizeof(std::string));
}

std::vector<std::string>* WriteBackCache::Find(const std::string& path) {
  auto it = entries_.find(path);
  return it == entries_.end() ? nullptr : &it->second.lines;
}

std::vector<std::string>& WriteBackCache::Keep(const std::string& path, const std::string& name,
                                               std::vector<std::string> lines) {
  Entry& entry = entries_[path];
  bytes_ -= entry.bytes;
  entry.name = name;
  entry.lines = std::move(lines);
  entry.bytes = SizeOf(entry.lines);
  bytes_ += entry.bytes;
  return entry.lines;
}

void WriteBackCache::MarkChanged(const std::string& path) {
  auto it = entries_.find(path);
  if (it == entries_.end()) return;
  Entry& entry = it->second;
  entry.changed = true;
  bytes_ -= entry.bytes;
  entry.bytes = SizeOf(entry.lines);
  bytes_ += entry.bytes;
}

std::vector<StoreResult> WriteBackCache::SaveAll() {
  std::vector<StoreResult> failed;
  for (auto& [path, entry] : entries_) {
    if (!entry.changed) continue;
    if (SaveResult saved = SaveLines(path, entry.lines); !saved) {
      StoreResult result;
      result.file = path;
      result.name = entry.name;
      result.error = Utf8ToSjis(saved.error.empty() ? "save failed" : saved.error);
      failed.push_back(std::move(result));
    }
  }
  entries_.clear();
  bytes_ = 0;
  return failed;
}

}  // namespace tw
