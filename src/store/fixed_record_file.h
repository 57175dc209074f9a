// A day file read as consecutive fixed-length records (the stored line plus
// its CR LF), so that record n is found by its position alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/file_bytes.h"
#include "text/files.h"

namespace tw {

// A whole record (with its CR LF) that does not end in CR LF or holds a NUL
// byte: a line of the wrong length, or of a file with other line ends.
inline bool IsDamagedRecord(std::string_view record) {
  return record.size() < 2 || record.substr(record.size() - 2) != "\r\n" || record.find('\0') != std::string_view::npos;
}

class FixedRecordFile {
 public:
  // Reads the whole file when it holds at most `maxBytes`; a missing,
  // unreadable or larger file has no records.
  FixedRecordFile(std::string_view sjisPath, int recordLength, std::uintmax_t maxBytes);

  bool exists() const { return status_ == ReadStatus::kRead; }
  ReadStatus status() const { return status_; }
  int recordLength() const { return recordLength_; }
  // Whole records in the file. A last record that lacks only its CR LF counts
  // as whole; any other partial record at the end does not.
  int count() const { return count_; }
  // Record n (0-based) with its CR LF, `recordLength` bytes; empty when n is
  // not a whole record of the file.
  std::string_view Record(int n) const;
  // Records that do not end in CR LF or hold a NUL byte, and a partial record
  // at the end: lines of the wrong length, or a file with other line ends.
  // They are read as they are; the count lets the reader say so.
  int damagedRecords() const { return damaged_; }

 private:
  FileBytes bytes_;
  int recordLength_;
  int count_ = 0;
  int damaged_ = 0;
  ReadStatus status_ = ReadStatus::kMissing;
};

}  // namespace tw
