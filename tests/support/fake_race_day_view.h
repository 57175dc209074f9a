// A RaceDayView that records what a day load did to the window.
#pragma once

#include <string>
#include <vector>

#include "analysis/load_race_day.h"
#include "text/sjis.h"

namespace tw::test {

class FakeRaceDayView : public RaceDayView {
 public:
  std::vector<std::string>
      events;  // "stop", "interval:<ms>", "start", "clear-list", "clear-bets", "clear-chart", "show:<row>:<slot>"
  std::vector<std::string> entries;  // race-list entries, UTF-8
  bool timerRunning = false;
  long long interval = 0;
  int shownRow = -1, shownSlot = -1;

  void StopResultFetching() override {
    timerRunning = false;
    events.push_back("stop");
  }
  void SetResultFetchInterval(long long ms) override {
    interval = ms;
    events.push_back("interval:" + std::to_string(ms));
  }
  void StartResultFetching() override {
    timerRunning = true;
    events.push_back("start");
  }
  void ClearRaceList() override {
    entries.clear();
    events.push_back("clear-list");
  }
  void AddRaceListEntry(const std::string& text) override { entries.push_back(SjisToUtf8(text)); }
  void ClearBetGrid() override { events.push_back("clear-bets"); }
  void ClearSnapshotChart() override { events.push_back("clear-chart"); }
  void SelectRaceAndShow(int row, int slot) override {
    shownRow = row;
    shownSlot = slot;
    events.push_back("show:" + std::to_string(row) + ":" + std::to_string(slot));
  }
};

}  // namespace tw::test
