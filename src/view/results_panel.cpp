#include "view/results_panel.h"

#include "records/payout_record.h"
#include "text/format.h"

namespace tw {

namespace {

std::string Positive(long long v, const char* fmt) { return v > 0 ? Format(fmt, v) : std::string(); }

std::string PairText(long long a, long long b) {
  return a > 0 && b > 0 ? Format("%2lld-", a) + Format("%2lld", b) : std::string();
}

ResultEntry HorseEntry(const HorsePayout& e) {
  return {Positive(e.horse, "%2lld"), Positive(e.popularity, "%2lld"), Positive(e.yen, "%8lld")};
}

// Quinella and wide popularities have three digits, bracket ones two.
ResultEntry PairEntry(const PairPayout& e, const char* popularityFormat) {
  return {PairText(e.first, e.second), Positive(e.popularity, popularityFormat), Positive(e.yen, "%8lld")};
}

}  // namespace

ResultsPanel BuildResultsPanel(const std::string& hr) {
  ResultsPanel p;
  for (int e = 1; e <= kWinPayoutEntries; ++e) p.win[static_cast<size_t>(e - 1)] = HorseEntry(WinPayout(hr, e));
  for (int e = 1; e <= kPlacePayoutEntries; ++e) p.place[static_cast<size_t>(e - 1)] = HorseEntry(PlacePayout(hr, e));
  for (int e = 1; e <= kBracketPayoutEntries; ++e)
    p.bracket[static_cast<size_t>(e - 1)] = PairEntry(BracketPayout(hr, e), "%2lld");
  for (int e = 1; e <= kQuinellaPayoutEntries; ++e)
    p.quinella[static_cast<size_t>(e - 1)] = PairEntry(QuinellaPayout(hr, e), "%3lld");
  for (int e = 1; e <= kWidePayoutEntries; ++e)
    p.wide[static_cast<size_t>(e - 1)] = PairEntry(WidePayout(hr, e), "%3lld");
  return p;
}

HeaderPayouts BuildHeaderPayouts(const std::string& hr, PairKind pairKind) {
  HeaderPayouts h;
  auto fill = [](const PairPayout& e, std::string& payout, std::string& result) {
    if (e.yen <= 0) return;
    payout = Format("%9lld", e.yen);
    result = PairText(e.first, e.second);
  };
  if (pairKind == PairKind::kQuinella) {
    fill(QuinellaPayout(hr, 1), h.payout1, h.result1);
    fill(QuinellaPayout(hr, 2), h.payout2, h.result2);
  } else {
    fill(BracketPayout(hr, 1), h.payout1, h.result1);
    fill(BracketPayout(hr, 2), h.payout2, h.result2);
  }
  return h;
}

}  // namespace tw
