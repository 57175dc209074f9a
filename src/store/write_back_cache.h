// The day files a stream has changed, kept in memory until they are saved.
// A set-up download changes the same race and runner files thousands of
// times; saving each of them once when the JV-Link file ends, instead of once
// per record, writes the data folder a few times instead of hundreds.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "store/store_result.h"

namespace tw {

class WriteBackCache {
 public:
  // The lines kept for `path`, or nullptr when the file is not kept.
  std::vector<std::string>* Find(const std::string& path);
  // Keeps `lines` as the file's content (as loaded, or as created).
  std::vector<std::string>& Keep(const std::string& path, const std::string& name, std::vector<std::string> lines);
  // The kept lines of `path` differ from the file on disk now.
  void MarkChanged(const std::string& path);

  bool empty() const { return entries_.empty(); }
  // About the memory the kept lines take.
  std::size_t bytes() const { return bytes_; }

  // Saves every changed file whole and atomically, in path order, and forgets
  // everything kept. Returns the saves that failed; the other files are saved
  // all the same.
  std::vector<StoreResult> SaveAll();

 private:
  struct Entry {
    std::string name;
    std::vector<std::string> lines;
    bool changed = false;
    std::size_t bytes = 0;
  };
  static std::size_t SizeOf(const std::vector<std::string>& lines);

  std::map<std::string, Entry> entries_;
  std::size_t bytes_ = 0;
};

}  // namespace tw
