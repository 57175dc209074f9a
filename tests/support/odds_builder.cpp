#include "support/odds_builder.h"

#include <cmath>
#include <memory>

#include "analysis/analyse_race.h"
#include "codes/pairs.h"
#include "text/fields.h"
#include "text/format.h"

namespace tw::test {

void Place(std::string& record, int pos, const std::string& text) {
  record.replace(static_cast<size_t>(pos - 1), text.size(), text);
}

std::string OddsText(double odds, int width) { return Format("%0*lld", width, std::llround(odds * 10)); }

OddsBuilder::OddsBuilder(int runners, const std::string& year, const std::string& course, const std::string& race)
    : year_(year), course_(course), race_(race) {
  Place(slot_.race, 1, "RA");
  Place(slot_.race, 12, year_ + "0512" + course_ + "0308" + race_);
  Place(slot_.race, 882, Format("%02d", runners));
}

void OddsBuilder::OpenWin(int s) {
  std::string& r = slot_.winOdds[s];
  if (!IsBlank(Field(r, 12, 4))) return;
  Place(r, 1, "O1");
  Place(r, 12, year_ + "0512" + course_ + "0308" + race_ + "0512" + "1000");
}

void OddsBuilder::OpenQuinella(int s) {
  std::string& r = slot_.quinellaOdds[s];
  if (!IsBlank(Field(r, 12, 4))) return;
  Place(r, 1, "O2");
  Place(r, 12, year_ + "0512" + course_ + "0308" + race_ + "0512" + "1000");
}

OddsBuilder& OddsBuilder::Snapshot(int s, const std::string& hhmm) {
  OpenWin(s);
  OpenQuinella(s);
  Place(slot_.winOdds[s], 32, hhmm);
  Place(slot_.quinellaOdds[s], 32, hhmm);
  return *this;
}

OddsBuilder& OddsBuilder::WinText(int s, int h, const std::string& text) {
  OpenWin(s);
  Place(slot_.winOdds[s], 46 + 8 * (h - 1), text);
  return *this;
}

OddsBuilder& OddsBuilder::Win(int s, int h, double odds) { return WinText(s, h, OddsText(odds, 4)); }

OddsBuilder& OddsBuilder::BracketText(int s, int i, int j, const std::string& text) {
  OpenWin(s);
  Place(slot_.winOdds[s], 606 + 9 * (BracketPairIndexOf(i, j) - 1), text);
  return *this;
}

OddsBuilder& OddsBuilder::Bracket(int s, int i, int j, double odds) { return BracketText(s, i, j, OddsText(odds, 5)); }

OddsBuilder& OddsBuilder::QuinellaText(int s, int i, int j, const std::string& text) {
  OpenQuinella(s);
  Place(slot_.quinellaOdds[s], 45 + 13 * (QuinellaPairIndexOf(i, j) - 1), text);
  return *this;
}

OddsBuilder& OddsBuilder::Quinella(int s, int i, int j, double odds) {
  return QuinellaText(s, i, j, OddsText(odds, 6));
}

OddsBuilder& OddsBuilder::AllQuinellas(int s, int n, double odds) {
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j) Quinella(s, i, j, odds);
  return *this;
}

OddsBuilder& OddsBuilder::RaceField(int pos, const std::string& text) {
  Place(slot_.race, pos, text);
  return *this;
}

RaceSlot OddsBuilder::Build() const {
  RaceSlot slot = slot_;
  slot.analysis.present = true;
  int count = 0;
  for (int s = 1; s <= kSnapshots; ++s) {
    if (!IsBlank(Field(slot.winOdds[s], 12, 4))) count = s;
  }
  slot.analysis.snapshotCount = count;
  return slot;
}

void OddsBuilder::Into(RaceDayModel& model, int index) const { model.slots[static_cast<size_t>(index)] = Build(); }

RaceAnalysis AnalyseBuilt(const OddsBuilder& race, bool fromYear2005) {
  auto model = std::make_unique<RaceDayModel>();
  model->fromYear2005 = fromYear2005;
  race.Into(*model, 0);
  AnalyseRace(*model, 0);
  return model->slots[0].analysis;
}

}  // namespace tw::test
