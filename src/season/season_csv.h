// The season report's per-race file: one row for every race with results,
// for a spreadsheet. It is written in UTF-8 with a byte-order mark and CR LF
// line ends, which Excel opens with the Japanese texts intact (it would take
// UTF-8 without the mark for the code page of the machine).
#pragma once

#include <string>
#include <vector>

#include "season/season_day.h"
#include "text/files.h"

namespace tw {

class SeasonCsv {
 public:
  SeasonCsv();  // the mark and the heading row

  // A row for each race of a counted day, in the day's order.
  void AddDay(const SeasonDay& day);

  int rows() const { return rows_; }
  // The whole file.
  const std::string& bytes() const { return bytes_; }
  // Saves the file whole and atomically (Shift-JIS path).
  SaveResult Save(const std::string& path) const { return WriteFileAtomic(path, bytes_); }

 private:
  std::string bytes_;
  int rows_ = 0;
};

// The heading row's cells, UTF-8.
const std::vector<std::string>& SeasonCsvHeadings();

// What both season files start with: the byte-order mark.
inline constexpr const char* kSeasonCsvByteOrderMark = "\xEF\xBB\xBF";
// Appends a row of UTF-8 cells, each quoted when it holds a comma, a quote
// or a line break, and its CR LF.
void AppendSeasonCsvRow(std::string& bytes, const std::vector<std::string>& cells);
// yyyymmdd as yyyy/mm/dd, which a spreadsheet takes for a date.
std::string SeasonCsvDate(const std::string& date);

}  // namespace tw
