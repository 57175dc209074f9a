#include "acquire/odds_fetch_batch.h"

#include "acquire/odds_stream.h"
#include "store/snapshot_slot.h"
#include "text/sjis.h"

namespace tw {

OddsFetchBatch::OddsFetchBatch(AcquisitionContext& context, ReportMode mode)
    : c_(context), mode_(mode), writeBack_(context.store) {}

void OddsFetchBatch::TellFailedSave(JVStream& stream, const StoreResult& result) {
  // Losing a snapshot silently would leave a gap in the day's analysis; the
  // records after it fail the same way and are not told again.
  if (!toldFiles_.insert(result.file).second) return;
  stream.Report(Sjis("ファイルを保存できません：") + result.name + Sjis("（") + result.error + Sjis("）"));
}

bool OddsFetchBatch::FetchRace(const std::string& raceKey, const std::string& statusText,
                               const std::string& openFailurePrefix, FetchTally& tally) {
  JVStream stream(c_.jv, c_.ui, &c_.log, StreamReporting{mode_});
  bool called = stream.RunRealTime("0B30", raceKey, statusText, openFailurePrefix, [&](const std::string& record) {
    if (!IsStorableOddsRecord(record)) return true;
    StoreResult result = c_.store.StoreOddsSnapshot(record, RaceTextsOf(c_.model));
    if (result.failed()) {
      TellFailedSave(stream, result);
    } else if (result.stored) {
      ++tally.stored;
      ++storedPerFile_[result.file];
    }
    return true;
  });
  tally.failures += stream.failures();
  return called;
}

void OddsFetchBatch::Finish(FetchTally& tally) {
  std::vector<StoreResult> failed = writeBack_.Finish();
  if (failed.empty()) return;
  JVStream stream(c_.jv, c_.ui, &c_.log, StreamReporting{mode_});
  for (const StoreResult& result : failed) {
    tally.stored -= storedPerFile_[result.file];
    storedPerFile_.erase(result.file);
    TellFailedSave(stream, result);
  }
  tally.failures += stream.failures();
}

}  // namespace tw
