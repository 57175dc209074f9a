#include "view/race_card.h"

#include "codes/race_card_codes.h"
#include "records/odds_record.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "records/runner_record.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {
namespace {

// A stored name without its padding: ASCII and full-width spaces at either
// end, stepping over double-byte characters so that no trail byte is
// mistaken for a space.
std::string TrimName(std::string_view sjis) {
  static const std::string kWideSpace = Sjis("　");
  std::vector<std::string_view> chars;
  for (size_t i = 0; i < sjis.size();) {
    const size_t n = IsSjisLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() ? 2 : 1;
    chars.push_back(sjis.substr(i, n));
    i += n;
  }
  auto blank = [&](std::string_view c) { return c == " " || c == kWideSpace; };
  size_t b = 0, e = chars.size();
  while (b < e && blank(chars[b])) ++b;
  while (e > b && blank(chars[e - 1])) --e;
  std::string out;
  for (size_t i = b; i < e; ++i) out += chars[i];
  return out;
}

// The last snapshot the slot holds, 0 when none.
int LatestSnapshot(const RaceSlot& slot) {
  for (int s = kSnapshots; s >= 1; --s)
    if (HoldsSnapshot(slot.winOdds[static_cast<size_t>(s)])) return s;
  return 0;
}

std::string OddsText(const std::string& field) {
  if (field == "----" || field == "****") return Sjis("取消");
  const long long tenths = IntValue(field);
  return tenths > 0 ? Format("%.1f", static_cast<double>(tenths) / 10.0) : std::string();
}

std::string NumberText(const std::string& field) {
  const long long n = IntValue(field);
  return AllDigits(Trim(field)) && n > 0 ? std::to_string(n) : std::string();
}

RaceCardRow MakeRow(const std::string& runner, int h, const std::string& latestOdds) {
  RaceCardRow row;
  row.horse = h;
  row.bracket = NumberText(BracketNumberText(runner));
  row.name = TrimName(HorseName(runner));
  row.sexAge = SexText(SexCode(runner)) + NumberText(AgeText(runner));
  if (const long long w = WeightCarriedTenths(runner); w > 0)
    row.weight = Format("%.1f", static_cast<double>(w) / 10.0);
  row.jockey = TrimName(JockeyShortName(runner));
  row.trainer = TrimName(TrainerShortName(runner));
  if (!latestOdds.empty()) {
    row.winOdds = OddsText(WinOddsOf(latestOdds, h));
    row.popularity = NumberText(WinPopularityOf(latestOdds, h));
  }
  return row;
}

}  // namespace

std::string RaceCard::HorseNameOf(int h) const {
  for (const RaceCardRow& row : rows)
    if (row.horse == h) return row.name;
  return {};
}

std::string RaceCard::ConditionsText() const {
  std::string text = distance.empty() ? surface : surface.empty() ? distance : distance + " " + surface;
  if (!raceClass.empty() && raceName.find(raceClass) == std::string::npos)
    text = text.empty() ? raceClass : raceClass + " " + text;
  return text;
}

RaceCard MakeRaceCard(const RaceSlot& slot) {
  RaceCard card;
  const std::string& race = slot.race;
  card.raceName = TrimName(RaceName(race));
  card.raceClass = RaceAgeText(RaceTypeCode(race)) + RaceClassText(YoungestConditionCode(race), RaceDate(race));
  if (const long long metres = DistanceMetres(race); metres > 0) card.distance = std::to_string(metres) + "m";
  card.surface = SurfaceText(TrackCode(race));
  const int latest = LatestSnapshot(slot);
  const std::string none;
  const std::string& odds = latest > 0 ? slot.winOdds[static_cast<size_t>(latest)] : none;
  for (int h = 1; h <= kMaxRunners; ++h) {
    const std::string& runner = slot.runners[static_cast<size_t>(h - 1)];
    if (HorseNumber(runner) == h) card.rows.push_back(MakeRow(runner, h, odds));
  }
  return card;
}

}  // namespace tw
