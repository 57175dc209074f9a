#include "view/results_panel.h"

#include "text/fields.h"
#include "text/format.h"

namespace tw {

namespace {

std::string Positive(long long v, const char* fmt) { return v > 0 ? Format(fmt, v) : std::string(); }

std::string PairText(long long a, long long b) {
  return a > 0 && b > 0 ? Format("%2lld-", a) + Format("%2lld", b) : std::string();
}

// A payout entry whose subject is one horse: horse (2), payout (9), popularity (2).
ResultEntry HorseEntry(const std::string& hr, int pos) {
  return {Positive(FieldInt(hr, pos, 2), "%2lld"), Positive(FieldInt(hr, pos + 11, 2), "%2lld"),
          Positive(FieldInt(hr, pos + 2, 9), "%8lld")};
}

}  // namespace

ResultsPanel BuildResultsPanel(const std::string& hr) {
  ResultsPanel p;
  for (int k = 0; k < 3; ++k) p.win[static_cast<size_t>(k)] = HorseEntry(hr, 103 + 13 * k);
  for (int k = 0; k < 5; ++k) p.place[static_cast<size_t>(k)] = HorseEntry(hr, 142 + 13 * k);
  for (int k = 0; k < 3; ++k) {
    const int pos = 207 + 13 * k;
    p.bracket[static_cast<size_t>(k)] = {PairText(FieldInt(hr, pos, 1), FieldInt(hr, pos + 1, 1)),
                                         Positive(FieldInt(hr, pos + 11, 2), "%2lld"),
                                         Positive(FieldInt(hr, pos + 2, 9), "%8lld")};
  }
  auto pairEntry = [&hr](int pos) {
    return ResultEntry{PairText(FieldInt(hr, pos, 2), FieldInt(hr, pos + 2, 2)),
                       Positive(FieldInt(hr, pos + 13, 3), "%3lld"), Positive(FieldInt(hr, pos + 4, 9), "%8lld")};
  };
  for (int k = 0; k < 3; ++k) p.quinella[static_cast<size_t>(k)] = pairEntry(246 + 16 * k);
  for (int k = 0; k < 7; ++k) p.wide[static_cast<size_t>(k)] = pairEntry(294 + 16 * k);
  return p;
}

HeaderPayouts BuildHeaderPayouts(const std::string& hr, bool quinellaMode) {
  HeaderPayouts h;
  auto fill = [&hr](int payoutPos, int pairPos, int digits, std::string& payout, std::string& result) {
    const long long yen = FieldInt(hr, payoutPos, 9);
    if (yen <= 0) return;
    payout = Format("%9lld", yen);
    result = PairText(FieldInt(hr, pairPos, digits), FieldInt(hr, pairPos + digits, digits));
  };
  if (quinellaMode) {
    fill(250, 246, 2, h.payout1, h.result1);
    fill(266, 262, 2, h.payout2, h.result2);
  } else {
    fill(209, 207, 1, h.payout1, h.result1);
    fill(222, 220, 1, h.payout2, h.result2);
  }
  return h;
}

}  // namespace tw
