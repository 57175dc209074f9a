#include "acquire/odds_fetch_batch.h"

#include "acquire/odds_stream.h"
#include "records/record_header.h"
#include "store/snapshot_slot.h"

namespace tw {

OddsFetchBatch::OddsFetchBatch(AcquisitionContext& context, ReportMode mode)
    : c_(context), mode_(mode), writeBack_(context.store) {}

bool OddsFetchBatch::FetchRace(const std::string& raceKey, const std::string& label, const std::string& statusText,
                               FetchTally& tally) {
  StreamReporting reporting{mode_};
  reporting.collectFailures = true;
  JVStream stream(c_.jv, c_.ui, &c_.log, reporting);
  RaceFetchOutcome& race = outcomes_.BeginRace(label);
  bool called = stream.RunRealTime("0B30", raceKey, statusText, "", [&](const std::string& record) {
    if (!IsStorableOddsRecord(ReadRecordHeader(record))) return true;
    StoreResult result = c_.store.StoreOddsSnapshot(record, RaceTextsOf(c_.model));
    if (result.failed()) {
      failedSaves_.push_back(result);
      return false;  // told with the batch
    }
    if (result.stored) {
      ++tally.stored;
      ++race.storedPerFile[result.file];
    }
    return true;
  });
  race.failures = stream.collected();
  tally.failures += stream.failures();
  tally.noNewData += stream.noNewData();
  return called;
}

void OddsFetchBatch::Finish(FetchTally& tally) {
  std::vector<StoreResult> failed = writeBack_.Finish();
  for (const StoreResult& result : failed) {
    for (const RaceFetchOutcome& race : outcomes_.races()) {
      auto file = race.storedPerFile.find(result.file);
      if (file != race.storedPerFile.end()) tally.stored -= file->second;
    }
    outcomes_.DropFile(result.file);
  }
  failedSaves_.insert(failedSaves_.end(), failed.begin(), failed.end());
  if (failedSaves_.empty()) return;
  // Losing snapshots silently would leave a gap in the day's analysis.
  outcomes_.AddBatchFailure(SaveFailureText(failedSaves_));
  ++tally.failures;
}

}  // namespace tw
