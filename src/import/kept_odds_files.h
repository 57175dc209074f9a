// The day's odds files an import writes into, each read once and saved once:
// the import sets up to 108 snapshot lines in each of the two files, and a
// save per line would write each file a hundred times.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tw {

class KeptOddsFiles {
 public:
  // Sets line `index` of the odds file. As every writer of the store does,
  // the file's lines are kept at the line length and a short file gets the
  // blank lines of the slot. False, with the message for the user, when the
  // file cannot be read.
  bool SetLine(const std::string& path, size_t index, const std::string& line, size_t lineLength,
               std::uintmax_t maxBytes, std::string& error);
  // Saves every file changed, whole and atomically, in path order. False with
  // the message of the first save that failed; the others are saved all the
  // same. Afterwards nothing is kept.
  bool SaveAll(std::string& error);

 private:
  std::map<std::string, std::vector<std::string>> files_;
};

}  // namespace tw
