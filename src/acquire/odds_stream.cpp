#include "acquire/odds_stream.h"

#include "acquire/odds_fetch_batch.h"

namespace tw {

std::vector<std::string> RaceTextsOf(const RaceDayModel& model) {
  std::vector<std::string> texts;
  texts.reserve(model.slots.size());
  for (const auto& slot : model.slots) texts.push_back(slot.race);
  return texts;
}

bool FetchRaceOdds(AcquisitionContext& c, ReportMode mode, const std::string& raceKey, const std::string& statusText,
                   const std::string& openFailurePrefix, FetchTally& tally) {
  OddsFetchBatch batch(c, mode);
  bool called = batch.FetchRace(raceKey, statusText, openFailurePrefix, tally);
  batch.Finish(tally);
  return called;
}

}  // namespace tw
