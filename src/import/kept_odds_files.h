// The day's odds files an import writes into, each read once and saved once:
// the import sets up to 108 snapshot lines in each of the two files, and a
// save per line would write each file a hundred times. The saving holds the
// data folder's writer's lock; a file another program saved since it was read
// gets the import's lines set again in what it holds then.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
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
  // Saves every file changed, whole and atomically, in path order, under the
  // writer's lock of `dataFolder`. False with the message of the first save
  // that failed, after which nothing more is saved. Afterwards nothing is kept.
  bool SaveAll(const std::string& dataFolder, std::string& error);

 private:
  struct File {
    std::vector<std::string> lines;
    std::size_t readHash = 0;
    std::size_t readSize = 0;
    std::size_t lineLength = 0;
    std::uintmax_t maxBytes = 0;
    std::vector<std::pair<size_t, std::string>> set;  // the lines set, in order
  };
  static void Set(std::vector<std::string>& lines, size_t index, const std::string& line, size_t lineLength);
  // The lines to save: the kept ones, or the set lines again in the file as it is now.
  static bool LinesNow(const std::string& path, File& file, std::string& error);

  std::map<std::string, File> files_;
};

}  // namespace tw
