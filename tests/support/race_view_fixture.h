// One race in slot 0 of a model whose record texts and analysis the view
// tests set directly, shown through the race view.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "support/day_builder.h"
#include "text/sjis.h"
#include "view/race_view.h"

namespace tw::test {

inline std::string U8(const std::string& sjis) { return SjisToUtf8(sjis); }

struct RaceFixture {
  RaceDayModel model;
  std::string key;
  explicit RaceFixture(int runners, int year = 2024) {
    key = RaceKey(year, 5, 12, "05", 2, 6, 11);
    slot().race = RaceLine(key, runners, "1545") + "\r\n";
    model.fromYear2005 = year >= 2005;
    model.raceCount = 1;
    slot().analysis.present = true;
  }
  RaceSlot& slot() { return model.slots[0]; }
  RaceAnalysis& a() { return slot().analysis; }
  void SetWin(int s, const std::vector<std::string>& win, const std::vector<std::string>& bracket = {}) {
    slot().winOdds[static_cast<size_t>(s)] = WinOddsLine(key, "0512103" + std::to_string(s), win, bracket) + "\r\n";
    a().snapshotCount = std::max(a().snapshotCount, s);
  }
  void SetQuinella(int s, const std::vector<std::string>& pairs = {"000123"}) {
    slot().quinellaOdds[static_cast<size_t>(s)] = QuinellaOddsLine(key, "0512103" + std::to_string(s), pairs) + "\r\n";
  }
  RaceView Show() { return ShowRace(model, 0); }
};

}  // namespace tw::test
