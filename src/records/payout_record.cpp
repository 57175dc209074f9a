#include "records/payout_record.h"

#include "text/fields.h"

namespace tw {

namespace {

HorsePayout HorseEntryAt(std::string_view payout, int pos) {
  return {FieldInt(payout, pos, 2), FieldInt(payout, pos + 2, 9), FieldInt(payout, pos + 11, 2)};
}

// A pair of two `digits`-digit numbers, then the payout and a popularity of
// `popularityWidth` digits.
PairPayout PairEntryAt(std::string_view payout, int pos, int digits, int popularityWidth) {
  const int yenAt = pos + 2 * digits;
  return {FieldInt(payout, pos, digits), FieldInt(payout, pos + digits, digits), FieldInt(payout, yenAt, 9),
          FieldInt(payout, yenAt + 9, popularityWidth)};
}

}  // namespace

HorsePayout WinPayout(std::string_view payout, int e) { return HorseEntryAt(payout, 103 + 13 * (e - 1)); }
HorsePayout PlacePayout(std::string_view payout, int e) { return HorseEntryAt(payout, 142 + 13 * (e - 1)); }
PairPayout BracketPayout(std::string_view payout, int e) { return PairEntryAt(payout, 207 + 13 * (e - 1), 1, 2); }
PairPayout QuinellaPayout(std::string_view payout, int e) { return PairEntryAt(payout, 246 + 16 * (e - 1), 2, 3); }
PairPayout WidePayout(std::string_view payout, int e) { return PairEntryAt(payout, 294 + 16 * (e - 1), 2, 3); }
long long QuinellaPayoutYen(std::string_view payout, int e) { return FieldInt(payout, 246 + 16 * (e - 1) + 4, 9); }
long long WidePayoutYen(std::string_view payout, int e) { return FieldInt(payout, 294 + 16 * (e - 1) + 4, 9); }

}  // namespace tw
