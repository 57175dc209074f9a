#include "acquire/odds_stream.h"

namespace tw {

std::vector<std::string> RaceTextsOf(const RaceDayModel& model) {
  std::vector<std::string> texts;
  texts.reserve(model.slots.size());
  for (const auto& slot : model.slots) texts.push_back(slot.race);
  return texts;
}

}  // namespace tw
