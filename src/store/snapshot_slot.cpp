#include "store/snapshot_slot.h"

#include <algorithm>

#include "records/layout.h"
#include "text/fields.h"

namespace tw {

bool IsStorableOddsRecord(std::string_view record) {
  std::string type = RecordType(record);
  if (type != "O1" && type != "O2") return false;
  std::string kind = DataKind(record);
  if (kind == "0" || kind == "9") return false;
  long long race = RaceNumber(record);
  return race >= 1 && race <= kRacesPerCourse;
}

int FindSnapshotSlot(std::string_view oddsRecord, const std::vector<std::string>& raceTexts) {
  if (RaceNumber(oddsRecord) <= 0) return -1;  // blank slots never match
  std::string place = Field(oddsRecord, 20, 8);
  int slots = static_cast<int>(std::min(raceTexts.size(), static_cast<size_t>(kDayRaceSlots)));
  for (int i = 0; i < slots; ++i) {
    if (Field(raceTexts[i], 20, 8) == place) return i;
  }
  return -1;
}

int PlaceSnapshot(std::string_view first, std::string_view second, std::string_view third, std::string_view newLine) {
  long long t = AnnouncementTime(newLine);
  if (IsBlank(first)) return 0;
  if (IsBlank(second)) return AnnouncementTime(first) < t ? 1 : -1;
  if (IsBlank(third)) return AnnouncementTime(second) < t ? 2 : -1;
  return AnnouncementTime(third) < t ? 2 : -1;
}

}  // namespace tw
