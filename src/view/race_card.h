// The race card of one race as plain data: the conditions the header shows
// and one row per horse for the 出馬表 tab, read from the stored race and
// runner records and the latest win-odds snapshot. Texts are Shift-JIS
// without their padding; a field the records do not hold is empty.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"

namespace tw {

struct RaceCardRow {
  int horse = 0;           // 1..18
  std::string bracket;     // "1".."8"
  std::string name;        // 馬名
  std::string sexAge;      // "牡4"
  std::string weight;      // "55.0", kg carried
  std::string jockey;      // short name
  std::string trainer;     // short name
  std::string winOdds;     // "5.6", "取消", or empty before any snapshot
  std::string popularity;  // "3", or empty
};

struct RaceCard {
  std::string raceName;           // the race name, "３歳以上１勝クラス" for a race without one of its own
  std::string raceClass;          // age group and class, "３歳以上１勝クラス"
  std::string distance;           // "1600m"
  std::string surface;            // "芝", "ダート", "障害"
  std::vector<RaceCardRow> rows;  // the horses with a runner record, by number

  // The name of horse h, empty when the card has no row for it.
  std::string HorseNameOf(int h) const;
  // "1600m 芝" and the class when the race name does not already say it.
  std::string ConditionsText() const;
};

RaceCard MakeRaceCard(const RaceSlot& slot);

}  // namespace tw
