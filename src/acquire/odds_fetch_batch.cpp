#include "acquire/odds_fetch_batch.h"

#include "acquire/odds_stream.h"
#include "records/record_header.h"
#include "store/snapshot_slot.h"
#include "text/sjis.h"

namespace tw {

OddsFetchBatch::OddsFetchBatch(AcquisitionContext& context, ReportMode mode)
    : c_(context), mode_(mode), writeBack_(context.store) {}

bool OddsFetchBatch::FetchRace(const std::string& raceKey, const std::string& statusText,
                               const std::string& openFailurePrefix, FetchTally& tally) {
  JVStream stream(c_.jv, c_.ui, &c_.log, StreamReporting{mode_});
  bool called = stream.RunRealTime("0B30", raceKey, statusText, openFailurePrefix, [&](const std::string& record) {
    if (!IsStorableOddsRecord(ReadRecordHeader(record))) return true;
    StoreResult result = c_.store.StoreOddsSnapshot(record, RaceTextsOf(c_.model));
    if (result.failed()) {
      failedSaves_.push_back(result);
      return false;  // told with the others when the batch ends
    }
    if (result.stored) {
      ++tally.stored;
      ++storedPerFile_[result.file];
    }
    return true;
  });
  tally.failures += stream.failures();
  tally.noNewData += stream.noNewData();
  return called;
}

void OddsFetchBatch::Finish(FetchTally& tally) {
  std::vector<StoreResult> failed = writeBack_.Finish();
  for (const StoreResult& result : failed) {
    tally.stored -= storedPerFile_[result.file];
    storedPerFile_.erase(result.file);
  }
  failedSaves_.insert(failedSaves_.end(), failed.begin(), failed.end());
  if (failedSaves_.empty()) return;
  // Losing snapshots silently would leave a gap in the day's analysis.
  JVStream stream(c_.jv, c_.ui, &c_.log, StreamReporting{mode_});
  stream.Report(SaveFailureText(failedSaves_));
  tally.failures += stream.failures();
}

}  // namespace tw
