// The day files a stream has changed, kept in memory until they are saved.
// A set-up download changes the same race and runner files thousands of
// times; saving each of them once when the JV-Link file ends, instead of once
// per record, writes the data folder a few times instead of hundreds.
//
// Each kept file remembers the file as it was read and the changes made to
// it. Saving holds the data folder's writer's lock; a file that another
// program saved since it was read gets the changes made again to its current
// content, so a stream never writes back an older copy over a newer file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/day_file_change.h"
#include "store/store_result.h"

namespace tw {

class WriteBackCache {
 public:
  // The lines kept for `path`, or nullptr when the file is not kept;
  // `exists` tells whether there is a file (read, or made by a change).
  std::vector<std::string>* Find(const std::string& path, bool& exists);
  // Keeps `lines` as the file's content: `readBytes` as read from disk, or
  // nullopt when there was no file.
  std::vector<std::string>& Keep(const std::string& path, const std::string& name, std::vector<std::string> lines,
                                 const std::optional<std::string>& readBytes);
  // The change just made to the kept lines of `path`.
  void NoteChange(const std::string& path, DayFileChange change);

  bool empty() const { return entries_.empty(); }
  // About the memory the kept lines and changes take.
  std::size_t bytes() const { return bytes_; }

  // Saves every changed file whole and atomically, in path order, under the
  // writer's lock of `dataFolder`, and forgets everything kept. At the first
  // file that cannot be saved it stops: the result lists that file with why,
  // then each changed file not saved (error "未保存"). Empty when all saved.
  std::vector<StoreResult> SaveAll(const std::string& dataFolder);

 private:
  struct Entry {
    std::string name;
    std::vector<std::string> lines;
    bool existed = false;      // there was a file when it was read
    std::size_t readHash = 0;  // of the bytes read
    std::size_t readSize = 0;
    std::vector<DayFileChange> changes;
    std::size_t bytes = 0;
    ReadStatus readStatus = ReadStatus::kRead;  // why a save could not read the file
  };
  static std::size_t SizeOf(const Entry& entry);
  // Saves one entry; the failure's reason (Shift-JIS), empty when saved.
  static std::string SaveEntry(const std::string& path, Entry& entry);

  std::map<std::string, Entry> entries_;
  std::size_t bytes_ = 0;
};

}  // namespace tw
