#include "support/per_record_download.h"

#include "records/record_header.h"
#include "text/fields.h"

namespace tw::test {

PerRecordDownload DownloadPerRecord(JVLink& jv, RaceDayStore& store, const std::string& fromTime, int option) {
  PerRecordDownload result;
  store.StartDownload(IntValue(fromTime.substr(0, 8)));
  JVOpenResult open = jv.JVOpen("RACE", fromTime, option);
  if (open.code != 0) {
    result.error = "JVOpen " + std::to_string(open.code);
    jv.JVClose();
    return result;
  }
  if (open.downloadCount > 0) {
    for (;;) {
      int status = jv.JVStatus();
      if (status < 0) {
        result.error = "JVStatus " + std::to_string(status);
        jv.JVClose();
        return result;
      }
      if (status >= open.downloadCount) break;
    }
  }
  int size = 60000;
  for (;;) {
    JVReadResult r = jv.JVRead(size);
    if (r.code == 0) break;
    if (r.code < -3) {
      result.error = "JVRead " + std::to_string(r.code);
      break;
    }
    if (r.code < 0) continue;
    ++result.records;
    const std::string type = RecordType(r.record);
    StoreResult stored;
    if (type == "RA") {
      stored = store.StoreRaceRecord(r.record);
    } else if (type == "SE") {
      stored = store.StoreRunnerRecord(r.record);
    } else if (type == "HR") {
      stored = store.StorePayoutRecord(r.record, RecordSource::kDownload);
    }
    if (stored.failed()) {
      result.error = "save " + stored.error;
      break;
    }
    if (stored.stored) ++result.stored;
  }
  jv.JVClose();
  // Only a download that needed no file download fills its race files.
  if (result.error.empty() && open.downloadCount == 0) store.FillCreatedRaceFiles();
  return result;
}

}  // namespace tw::test
