#include "store/snapshot_slot.h"

#include <algorithm>

#include "records/layout.h"
#include "records/odds_record.h"
#include "records/record_header.h"
#include "text/fields.h"

namespace tw {

bool IsStorableOddsRecord(const RecordHeader& record) {
  if (record.type != "O1" && record.type != "O2") return false;
  if (record.kind == "0" || record.kind == "9") return false;
  long long race = record.raceNumber();
  return race >= 1 && race <= kRacesPerCourse;
}

int FindSnapshotSlot(const RecordHeader& oddsRecord, const std::vector<std::string>& raceTexts) {
  if (oddsRecord.raceNumber() <= 0) return -1;  // blank slots never match
  std::string place = oddsRecord.place();
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
