#include "watched_folder.h"

#include <sys/stat.h>

#include <fstream>
#include <system_error>

#include "store/data_folder_lock.h"

namespace tw::fuzz {

namespace {

constexpr size_t kMaxSpare = 32;

}  // namespace

std::string WatchedFolder::Read(const std::filesystem::path& path, size_t size) {
  // The smallest buffer that holds the file, so the large ones stay for the
  // large files.
  auto best = spare_.end();
  for (auto it = spare_.begin(); it != spare_.end(); ++it) {
    if (it->capacity() >= size && (best == spare_.end() || it->capacity() < best->capacity())) best = it;
  }
  std::string bytes;
  if (best != spare_.end()) {
    bytes = std::move(*best);
    spare_.erase(best);
  }
  if (spare_.size() > kMaxSpare) spare_.erase(spare_.begin());
  bytes.resize(size);
  std::ifstream in(path, std::ios::binary);
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

void WatchedFolder::Forget() {
  for (auto& [path, bytes] : files_) spare_.push_back(std::move(bytes));
  files_.clear();
  stamps_.clear();
}

const FolderChanges& WatchedFolder::Look() {
  for (auto& [path, bytes] : changes_.before) spare_.push_back(std::move(bytes));
  changes_ = {};
  FolderChanges& changes = changes_;
  std::set<std::string> seen;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_regular_file()) continue;
    // The writer's lock file is the store's own bookkeeping, not data.
    if (it->path().filename() == tw::DataFolderLock::kFileName) continue;
    struct stat info {};
    if (::stat(it->path().c_str(), &info) != 0) continue;
    const Stamp stamp{info.st_ino, info.st_size, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec,
                      info.st_ctim.tv_sec * 1000000000LL + info.st_ctim.tv_nsec};
    std::string path = std::filesystem::relative(it->path(), root_).string();
    seen.insert(path);
    auto known = stamps_.find(path);
    if (known != stamps_.end() && known->second == stamp) continue;
    std::string bytes = Read(it->path(), static_cast<size_t>(info.st_size));
    stamps_[path] = stamp;
    auto file = files_.find(path);
    if (file != files_.end() && file->second == bytes) {
      spare_.push_back(std::move(bytes));
      continue;
    }
    changes.paths.insert(path);
    if (file == files_.end()) {
      files_.emplace(path, std::move(bytes));
    } else {
      changes.before.emplace(path, std::move(file->second));
      file->second = std::move(bytes);
    }
  }
  for (auto file = files_.begin(); file != files_.end();) {
    if (seen.count(file->first)) {
      ++file;
      continue;
    }
    changes.paths.insert(file->first);
    stamps_.erase(file->first);
    changes.before.emplace(file->first, std::move(file->second));
    file = files_.erase(file);
  }
  return changes;
}

const std::string* WatchedFolder::Find(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

void WatchedFolder::CheckAllSeen() const {
  Check(ReadTree(root_) == files_, "a file changed that no look after a write saw changed");
}

}  // namespace tw::fuzz
