// A folder looked at after every write of a fuzz target: a file whose inode,
// size and times are what the last look saw is not read again, so a look
// costs a listing and the files that changed. What a look cannot tell (a
// write in place of the same size within one tick of the file system's
// clock) CheckAllSeen finds by reading everything.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace tw::fuzz {

// What a look found changed: every path created, changed or removed, and the
// bytes before of those that were there.
struct FolderChanges {
  std::set<std::string> paths;
  Tree before;
};

class WatchedFolder {
 public:
  explicit WatchedFolder(std::filesystem::path root) : root_(std::move(root)) {}

  // Forgets every file (the folder was emptied), keeping the buffers.
  void Forget();
  // Valid until the next look, which takes its buffers again.
  const FolderChanges& Look();
  // Every regular file as the last look saw it (relative path -> bytes).
  const Tree& files() const { return files_; }
  // The file's bytes; nullptr when there is none.
  const std::string* Find(const std::string& path) const;
  // Reads every file again: each must be what the looks saw.
  void CheckAllSeen() const;

 private:
  struct Stamp {
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0, changed = 0;  // nanoseconds
    bool operator==(const Stamp&) const = default;
  };

  // The file's bytes in a buffer of an earlier look: a target that writes
  // the same large files again and again reads them without fresh memory.
  std::string Read(const std::filesystem::path& path, size_t size);

  std::filesystem::path root_;
  Tree files_;
  FolderChanges changes_;
  std::vector<std::string> spare_;
  std::map<std::string, Stamp> stamps_;
};

}  // namespace tw::fuzz
