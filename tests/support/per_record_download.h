// The race-card download as it was before the write-back cache: every record
// loads, changes and saves its day file at once. The write-back download must
// leave exactly the data folder this leaves, and the season benchmark measures
// how much slower it is.
#pragma once

#include <string>

#include "jvlink/jvlink.h"
#include "store/race_day_store.h"

namespace tw::test {

struct PerRecordDownload {
  long long records = 0;  // records read
  long long stored = 0;   // records the store took
  std::string error;      // empty when the stream was read to its end
};

// Opens "RACE" from `fromTime` ("yyyymmddhhnnss") with `option`, waits for the
// files, reads them all into `store` and closes, as the download window does.
PerRecordDownload DownloadPerRecord(JVLink& jv, RaceDayStore& store, const std::string& fromTime, int option);

}  // namespace tw::test
