#include "acquire/fetch_outcomes.h"

#include <algorithm>

namespace tw {

namespace {

bool Stored(const RaceFetchOutcome& race) {
  return std::any_of(race.storedPerFile.begin(), race.storedPerFile.end(), [](const auto& f) { return f.second > 0; });
}

}  // namespace

RaceFetchOutcome& FetchOutcomes::BeginRace(const std::string& label) {
  races_.push_back(RaceFetchOutcome{label, {}, {}});
  return races_.back();
}

void FetchOutcomes::DropFile(const std::string& file) {
  for (RaceFetchOutcome& race : races_) race.storedPerFile.erase(file);
}

int FetchOutcomes::racesStored() const { return static_cast<int>(std::count_if(races_.begin(), races_.end(), Stored)); }

int FetchOutcomes::racesWithoutNewData() const {
  return static_cast<int>(std::count_if(races_.begin(), races_.end(), [](const RaceFetchOutcome& race) {
    return race.failures.empty() && !Stored(race);
  }));
}

int FetchOutcomes::racesFailed() const {
  return static_cast<int>(
      std::count_if(races_.begin(), races_.end(), [](const RaceFetchOutcome& race) { return !race.failures.empty(); }));
}

std::vector<FailureGroup> FetchOutcomes::FailureGroups() const {
  std::vector<FailureGroup> groups;
  for (const RaceFetchOutcome& race : races_) {
    for (const std::string& text : race.failures) {
      auto group = std::find_if(groups.begin(), groups.end(), [&](const FailureGroup& g) { return g.text == text; });
      if (group == groups.end()) {
        groups.push_back({text, {race.label}});
      } else if (group->labels.back() != race.label) {
        group->labels.push_back(race.label);
      }
    }
  }
  return groups;
}

}  // namespace tw
