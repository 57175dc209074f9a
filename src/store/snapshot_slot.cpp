#include "store/snapshot_slot.h"

#include <algorithm>

#include "records/layout.h"
#include "records/odds_record.h"
#include "records/record_header.h"
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
  std::string place = RacePlace(oddsRecord);
  int slots = static_cast<int>(std::min(raceTexts.size(), static_cast<size_t>(kDayRaceSlots)));
  for (int i = 0; i < slots; ++i) {
    if (RacePlace(raceTexts[i]) == place) return i;
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
