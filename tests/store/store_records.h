// Record texts for the store tests: JV-Data records with only the fields the
// placement rules read, as JV-Link delivers them (with CR LF).
#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "text/files.h"

namespace tw::test {

// "yyyymmdd" of the race, course code, race number; meeting 02, day 08.
inline std::string Keyed(const std::string& type, char kind, const std::string& date, const std::string& course,
                         int race, size_t storedLength, const std::string& tail = "") {
  std::string r = type;
  r += kind;
  r += "20240428";  // creation date
  r += date + course + "0208";
  char num[8];
  std::snprintf(num, sizeof num, "%02d", race);
  r += num;
  r += tail;
  r.resize(storedLength, 'x');
  return r + "\r\n";
}

inline std::string Race(const std::string& date, const std::string& course, int race, char kind = '7') {
  return Keyed("RA", kind, date, course, race, 1270);
}
inline std::string Runner(const std::string& date, const std::string& course, int race, int horse, char kind = '7') {
  char num[16];
  std::snprintf(num, sizeof num, "1%02d", horse);  // bracket, horse number
  return Keyed("SE", kind, date, course, race, 553, num);
}
inline std::string Payout(const std::string& date, const std::string& course, int race, char kind = '2') {
  return Keyed("HR", kind, date, course, race, 717);
}
// Odds with announcement time mmddhhmm.
inline std::string Odds(const std::string& type, const std::string& date, const std::string& course, int race,
                        const std::string& announced, char kind = '1') {
  return Keyed(type, kind, date, course, race, type == "O1" ? 960 : 2040, announced);
}

// The stored line of a record: without CR LF.
inline std::string Line(const std::string& record) { return record.substr(0, record.size() - 2); }
// Positions 3-11 zeroed, as the race file keeps them.
inline std::string Zeroed(const std::string& record) { return Line(record).replace(2, 9, "000000000"); }

inline std::vector<std::string> FileLines(const std::string& path) {
  auto lines = LoadLines(path);
  return lines ? *lines : std::vector<std::string>{};
}

inline std::string Blank(size_t n) { return std::string(n, ' '); }

// Writes a file directly (test set-up), by its Shift-JIS path.
inline bool WriteRaw(const std::string& path, const std::string& bytes) {
  std::ofstream out(ToFsPath(path), std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace tw::test
