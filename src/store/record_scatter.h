// A day file of fixed-length records read straight into the texts that keep
// them: record n into *targets[n] when there is one. The day load would
// otherwise read every file into a buffer and copy each record out of it
// once more. The records, their count and the damaged ones are those that
// FixedRecordFile reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/files.h"

namespace tw {

struct ScatteredRecords {
  ReadStatus status = ReadStatus::kMissing;
  int count = 0;    // whole records, as FixedRecordFile::count
  int damaged = 0;  // as FixedRecordFile::damagedRecords
};

// Every target is a different text (of `recordLength` bytes, or made so); a
// null target takes no record. Afterwards the target of a record n < count
// holds that record with its CR LF; every other target holds something else
// or what it held before, for the caller to blank.
ScatteredRecords ReadRecordsInto(std::string_view sjisPath, int recordLength, std::uintmax_t maxBytes,
                                 const std::vector<std::string*>& targets);

}  // namespace tw
