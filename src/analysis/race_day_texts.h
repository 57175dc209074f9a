// Texts derived from the record texts of one race slot: the race-list entry,
// the race header and the announcement times of the snapshots. Shift-JIS.
// The planned odds-fetch times are in analysis/fetch_times.h.
#pragma once

#include <string>

#include "analysis/race_day_model.h"

namespace tw {

// "東京  " + meeting + "回 " + day + "日" + race + "R", numbers right-aligned
// in two characters with zero shown as spaces.
std::string RaceListEntryText(const std::string& race);

struct RaceHeaderTexts {
  std::string dateLine;   // 2024年05月12日東京02回06日 (numbers as stored)
  std::string raceLine;   // "11R"
  std::string fieldLine;  // "18頭"
  std::string postLine;   // "15時45分発走"
};
RaceHeaderTexts RaceHeader(const std::string& race);

// hour + "時" + minute + "分" of an O1 or O2 snapshot; empty when its hour is blank.
std::string SnapshotTimeText(const std::string& odds);

// 3, 2 or 1 for the last win-odds snapshot whose year is not blank; 0 for none.
// A missing snapshot 2 does not hide a present snapshot 3.
int SnapshotCountOf(const RaceSlot& slot);

}  // namespace tw
