// The writer's lock of a data folder: one program at a time saves day files
// into it, so two programs on one folder (the window fetching while a
// scheduled command fetches results) never write back older copies over each
// other. The system releases the lock when its process ends, however it ends,
// so a killed program never leaves the folder locked. Readers never take it.
#pragma once

#include <string>

namespace tw {

// How long a writer waits for the folder by default: saves are short, so a
// writer that waits longer than this waits for something that is stuck.
inline constexpr int kDataFolderLockWaitMillis = 10000;

class DataFolderLock {
 public:
  // What this program is, as another program's busy message names it (UTF-8,
  // e.g. "turfwise-cli results").
  static void SetHolderName(const std::string& utf8Name);
  // How long a writer waits (tests make it short).
  static void SetWaitMillis(int millis);

  // Takes the lock of `dataFolder` (Shift-JIS), waiting for another program
  // at most the wait; a folder that does not exist cannot be locked. Takes
  // nested in one process share the lock.
  explicit DataFolderLock(const std::string& dataFolder);
  ~DataFolderLock();
  DataFolderLock(const DataFolderLock&) = delete;
  DataFolderLock& operator=(const DataFolderLock&) = delete;

  bool held() const { return held_; }
  // Why the lock is not held, for the user (Shift-JIS): the folder is busy
  // (naming what holds it), or the lock file cannot be made.
  const std::string& error() const { return error_; }
  // Not held because another program holds it.
  bool busy() const { return busy_; }

  // The name of the lock file in a data folder.
  static constexpr const char* kFileName = "turfwise.lock";

 private:
  std::string path_;
  bool held_ = false;
  bool busy_ = false;
  std::string error_;
};

}  // namespace tw
