// The payout entries of the HR record. Several entries of one bet type mean
// dead heats (or the paying wide pairs); an entry of spaces or zeros pays
// nothing. Entries are numbered from 1.
#pragma once

#include <string_view>

namespace tw {

inline constexpr int kWinPayoutEntries = 3;
inline constexpr int kPlacePayoutEntries = 5;
inline constexpr int kBracketPayoutEntries = 3;
inline constexpr int kQuinellaPayoutEntries = 3;
inline constexpr int kWidePayoutEntries = 7;

// A win or place entry: horse (2), payout in yen per 100 yen (9), popularity (2).
struct HorsePayout {
  long long horse = 0;
  long long yen = 0;
  long long popularity = 0;
};

// A pair entry. Bracket quinella: two one-digit brackets, payout (9),
// popularity (2). Quinella and wide: two two-digit horses, payout (9),
// popularity (3).
struct PairPayout {
  long long first = 0;
  long long second = 0;
  long long yen = 0;
  long long popularity = 0;
};

HorsePayout WinPayout(std::string_view payout, int e);      // 103 + 13(e - 1), e 1..3
HorsePayout PlacePayout(std::string_view payout, int e);    // 142 + 13(e - 1), e 1..5
PairPayout BracketPayout(std::string_view payout, int e);   // 207 + 13(e - 1), e 1..3
PairPayout QuinellaPayout(std::string_view payout, int e);  // 246 + 16(e - 1), e 1..3
PairPayout WidePayout(std::string_view payout, int e);      // 294 + 16(e - 1), e 1..7
// The payout of an entry alone, as the entry's `yen`: a reader looking for
// the entries that pay reads the rest of those only.
long long QuinellaPayoutYen(std::string_view payout, int e);
long long WidePayoutYen(std::string_view payout, int e);

}  // namespace tw
