#include "records/snapshot_odds.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "records/odds_record.h"

namespace tw {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

std::uint64_t ByteSwap(std::uint64_t x) {
#if defined(__GNUC__)
  return __builtin_bswap64(x);
#else
  std::uint64_t swapped = 0;
  for (int i = 0; i < 8; ++i) swapped = swapped << 8 | ((x >> (8 * i)) & 0xFF);
  return swapped;
#endif
}

// The 8 bytes from `p` as a number whose lowest byte is p[0].
std::uint64_t LoadLittleEndian(const char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  if constexpr (std::endian::native == std::endian::big) x = ByteSwap(x);
  return x;
}

// The field of `width` (4..6) bytes at `p`, where 8 bytes may be read, all
// bytes at once: digits (as stored odds are) and the forms of one character
// over the whole field; anything else as ReadOddsNumber reads it.
template <int width>
#if defined(__GNUC__)
[[gnu::always_inline]]  // one call per field would cost as much as the field
#endif
inline OddsNumber
ReadFieldAt(const char* p) {
  static_assert(width >= 1 && width <= 8);
  constexpr int unused = 8 * (8 - width);
  const std::uint64_t x = LoadLittleEndian(p) << unused;  // the field's bytes on top, zeros below
  constexpr std::uint64_t digitBytes = (kOnes * '0') << unused;
  constexpr std::uint64_t highNibbles = (kOnes * 0xF0) << unused;
  constexpr std::uint64_t sixes = (kOnes * 0x06) << unused;
  constexpr std::uint64_t threes = (kOnes * 0x33) << unused;
  OddsNumber number{};
  number.textOrder = ByteSwap(x);
  // Every byte 0x30..0x3F, and still so with 6 added: the digits 0-9. Both
  // tests in one comparison, each byte's second high nibble moved down into
  // its own low nibble; a carry out of a byte only follows a byte that fails.
  if (((x & highNibbles) | (((x + sixes) & highNibbles) >> 4)) == threes) {
    // The digits as values, first digit in the lowest byte, the unused bytes
    // as leading zeros; pairs of digits combined, then all of them at once.
    std::uint64_t v = x - digitBytes;
    v = v * 10 + (v >> 8);
    constexpr std::uint64_t lanes = 0x000000FF000000FFULL;
    v = ((v & lanes) * (100 + (1000000ULL << 32)) + ((v >> 16) & lanes) * (1 + (10000ULL << 32))) >> 32;
    number.value = static_cast<std::int32_t>(v);
    number.state = v == 0 ? OddsState::kNoVotes : OddsState::kOdds;
  } else if (x == (kOnes * ' ') << unused) {
    number.state = OddsState::kNotRegistered;
  } else if (x == (kOnes * '-') << unused) {
    number.state = OddsState::kCancelledBeforeSales;
  } else if (x == (kOnes * '*') << unused) {
    number.state = OddsState::kCancelledAfterSales;
  } else {
    return ReadOddsNumber(std::string_view(p, static_cast<size_t>(width)));
  }
  return number;
}

}  // namespace

SnapshotOdds::SnapshotOdds(std::string_view winOdds, std::string_view quinellaOdds, Pairs pairs) : pairs(pairs) {
  win_[0] = pairs_[0] = OddsNumber{};
  // A record of its full length holds 8 readable bytes at every field; a
  // shorter one is read field by field with its missing bytes as spaces.
  if (winOdds.size() >= kWinOddsLineLength) {
    const char* o1 = winOdds.data();
    for (int h = 1; h <= kRunnerSlots; ++h)
      win_[static_cast<size_t>(h)] = ReadFieldAt<kWinOddsWidth>(o1 + WinOddsPosition(h) - 1);
  } else {
    for (int h = 1; h <= kRunnerSlots; ++h)
      win_[static_cast<size_t>(h)] = ReadOddsNumberAt(winOdds, WinOddsPosition(h), kWinOddsWidth);
  }
  if (pairs == Pairs::kBracket) {
    if (winOdds.size() >= kWinOddsLineLength) {
      const char* o1 = winOdds.data();
      for (int j = 1; j <= kBracketPairs; ++j)
        pairs_[static_cast<size_t>(j)] = ReadFieldAt<kBracketOddsWidth>(o1 + BracketOddsPosition(j) - 1);
    } else {
      for (int j = 1; j <= kBracketPairs; ++j)
        pairs_[static_cast<size_t>(j)] = ReadOddsNumberAt(winOdds, BracketOddsPosition(j), kBracketOddsWidth);
    }
    for (size_t j = kBracketPairs + 1; j < pairs_.size(); ++j) pairs_[j] = OddsNumber{};
  } else if (quinellaOdds.size() >= kQuinellaLineLength) {
    const char* o2 = quinellaOdds.data();
    for (int j = 1; j <= kQuinellaPairs; ++j)
      pairs_[static_cast<size_t>(j)] = ReadFieldAt<kQuinellaOddsWidth>(o2 + QuinellaOddsPosition(j) - 1);
  } else {
    for (int j = 1; j <= kQuinellaPairs; ++j)
      pairs_[static_cast<size_t>(j)] = ReadOddsNumberAt(quinellaOdds, QuinellaOddsPosition(j), kQuinellaOddsWidth);
  }
}

}  // namespace tw
