// Builds a race slot's record texts for analysis tests: the race record's
// runner count and race key, and O1 / O2 snapshots with odds placed at their
// JV-Data record positions.
#pragma once

#include <string>

#include "analysis/race_day_model.h"

namespace tw::test {

class OddsBuilder {
 public:
  // A race of `runners` runners (written at 882 as two digits).
  explicit OddsBuilder(int runners, const std::string& year = "2024", const std::string& course = "05",
                       const std::string& race = "11");

  // Win odds of horse h in snapshot s as the raw 4-byte text ("0123").
  OddsBuilder& WinText(int s, int h, const std::string& text);
  // Win odds as a number, e.g. 12.3 -> "0123".
  OddsBuilder& Win(int s, int h, double odds);
  // Bracket-quinella odds of brackets i <= j (raw 5 bytes or a number).
  OddsBuilder& BracketText(int s, int i, int j, const std::string& text);
  OddsBuilder& Bracket(int s, int i, int j, double odds);
  // Quinella odds of horses i < j (raw 6 bytes or a number).
  OddsBuilder& QuinellaText(int s, int i, int j, const std::string& text);
  OddsBuilder& Quinella(int s, int i, int j, double odds);
  // Quinella odds of every pair of horses 1..n in snapshot s.
  OddsBuilder& AllQuinellas(int s, int n, double odds);
  // Opens snapshot s (year, course, race, announcement hhmm) without odds.
  OddsBuilder& Snapshot(int s, const std::string& hhmm = "1000");
  // Overwrites `text` at 1-based `pos` of the race record.
  OddsBuilder& RaceField(int pos, const std::string& text);

  // The slot, its snapshot count set as the loader sets it (from O1 only).
  RaceSlot Build() const;
  // Stores the slot as slot `index` of the model.
  void Into(RaceDayModel& model, int index = 0) const;

 private:
  void OpenWin(int s);
  void OpenQuinella(int s);

  RaceSlot slot_;
  std::string year_, course_, race_;
};

// Analyses the built race as slot 0 of a fresh model and returns its results.
RaceAnalysis AnalyseBuilt(const OddsBuilder& race, bool fromYear2005 = true);

// Puts `text` over record bytes pos .. pos + len - 1 (1-based).
void Place(std::string& record, int pos, const std::string& text);

// Odds value text: odds * 10 rounded, zero-padded to `width` bytes.
std::string OddsText(double odds, int width);

}  // namespace tw::test
