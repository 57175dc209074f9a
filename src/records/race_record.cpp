#include "records/race_record.h"

#include <algorithm>

#include "records/layout.h"
#include "text/fields.h"

namespace tw {

std::string RaceName(std::string_view race) { return Field(race, 33, 60); }
std::string ShortRaceName(std::string_view race) { return Field(race, 593, 12); }
std::string PostTime(std::string_view race) { return Field(race, 874, 4); }
std::string RaceTypeCode(std::string_view race) { return Field(race, 617, 2); }
std::string YoungestConditionCode(std::string_view race) { return Field(race, 635, 3); }
long long DistanceMetres(std::string_view race) { return FieldInt(race, 698, 4); }
std::string TrackCode(std::string_view race) { return Field(race, 706, 2); }
std::string PostHour(std::string_view race) { return Field(race, 874, 2); }
std::string PostMinute(std::string_view race) { return Field(race, 876, 2); }

std::string RunnerCountText(std::string_view race) { return Field(race, 882, 2); }
int StoredRunnerCount(std::string_view race) { return static_cast<int>(FieldInt(race, 882, 2)); }
int RunnerSlotCount(std::string_view race) { return std::clamp(StoredRunnerCount(race), 0, kRunnerSlots); }

}  // namespace tw
