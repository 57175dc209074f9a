#include "acquire/odds_stream.h"

#include "store/snapshot_slot.h"
#include "text/sjis.h"

namespace tw {

std::vector<std::string> RaceTextsOf(const RaceDayModel& model) {
  std::vector<std::string> texts;
  texts.reserve(model.slots.size());
  for (const auto& slot : model.slots) texts.push_back(slot.race);
  return texts;
}

void StoreOddsRecord(AcquisitionContext& c, JVStream& stream, const std::string& record, FetchTally& tally,
                     std::set<std::string>& toldFiles) {
  if (!IsStorableOddsRecord(record)) return;
  StoreResult result = c.store.StoreOddsSnapshot(record, RaceTextsOf(c.model));
  if (result.failed()) {
    // Losing a snapshot silently would leave a gap in the day's analysis;
    // the records after it fail the same way and are not told again.
    if (!toldFiles.insert(result.file).second) return;
    stream.Report(Sjis("ファイルを保存できません：") + result.name + Sjis("（") + result.error + Sjis("）"));
  } else if (result.stored) {
    ++tally.stored;
  }
}

bool FetchRaceOdds(AcquisitionContext& c, ReportMode mode, const std::string& raceKey, const std::string& statusText,
                   const std::string& openFailurePrefix, FetchTally& tally) {
  JVStream stream(c.jv, c.ui, &c.log, StreamReporting{mode});
  std::set<std::string> toldFiles;
  bool called = stream.RunRealTime("0B30", raceKey, statusText, openFailurePrefix, [&](const std::string& record) {
    StoreOddsRecord(c, stream, record, tally, toldFiles);
    return true;
  });
  tally.failures += stream.failures();
  return called;
}

}  // namespace tw
