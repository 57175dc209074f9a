// A day file read as consecutive fixed-length records (the stored line plus
// its CR LF), so that record n is found by its position alone.
#pragma once

#include <string>
#include <string_view>

namespace tw {

class FixedRecordFile {
 public:
  // Reads the whole file; a missing or unreadable file has no records.
  FixedRecordFile(std::string_view sjisPath, int recordLength);

  bool exists() const { return exists_; }
  int recordLength() const { return recordLength_; }
  // Whole records in the file. A last record that lacks only its CR LF counts
  // as whole; any other partial record at the end does not.
  int count() const { return count_; }
  // Record n (0-based) with its CR LF, `recordLength` bytes; empty when n is
  // not a whole record of the file.
  std::string_view Record(int n) const;

 private:
  std::string bytes_;
  int recordLength_;
  int count_ = 0;
  bool exists_ = false;
};

// The whole file in one read; false when it does not exist or cannot be read.
bool ReadWholeFile(std::string_view sjisPath, std::string& bytes);

}  // namespace tw
