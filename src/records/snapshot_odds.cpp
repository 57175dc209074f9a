#include "records/snapshot_odds.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "records/odds_record.h"

// Two fields at once in the 128-bit registers every x86-64 processor has.
#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define TW_ODDS_TWO_AT_ONCE 1
#endif

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

// A field of digits, from its value and its bytes as ReadFieldAt below loads them.
inline OddsNumber DigitsNumber(std::uint32_t value, std::uint64_t bytes) {
  OddsNumber number{};
  number.value = static_cast<std::int32_t>(value);
  number.state = value == 0 ? OddsState::kNoVotes : OddsState::kOdds;
  number.textOrder = ByteSwap(bytes);
  return number;
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
    return DigitsNumber(static_cast<std::uint32_t>(v), x);
  }
  OddsNumber number{};
  number.textOrder = ByteSwap(x);
  if (x == (kOnes * ' ') << unused) {
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

#ifdef TW_ODDS_TWO_AT_ONCE
// The fields at `p` and `q` as ReadFieldAt reads them, the digits of both
// checked and combined together, one field in each half of the register.
template <int width>
#if defined(__GNUC__)
[[gnu::always_inline]]
#endif
inline void
ReadFieldPair(const char* p, const char* q, OddsNumber& a, OddsNumber& b) {
  constexpr int unused = 8 * (8 - width);
  const std::uint64_t xa = LoadLittleEndian(p) << unused;
  const std::uint64_t xb = LoadLittleEndian(q) << unused;
  const __m128i x = _mm_set_epi64x(static_cast<long long>(xb), static_cast<long long>(xa));
  // Signed comparisons: bytes from 0x80 up are below '0'.
  const __m128i isDigit =
      _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(x, _mm_set1_epi8('9' + 1)));
  const int digits = _mm_movemask_epi8(isDigit);
  constexpr int used = (0xFF << (8 - width)) & 0xFF;  // the field's bytes, on top of each half
  // Digit values (the unused bytes stay 0, leading zeros); the first digit of
  // each pair is the lower byte: pairs, then fours, then all eight.
  const __m128i d = _mm_subs_epu8(x, _mm_set1_epi8('0'));
  const __m128i pairs = _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(d, _mm_set1_epi16(0x00FF)), _mm_set1_epi16(10)),
                                      _mm_srli_epi16(d, 8));
  const __m128i fours = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00010064));  // first x 100 + second
  const __m128i eights = _mm_add_epi64(_mm_mul_epu32(fours, _mm_set1_epi32(10000)), _mm_srli_epi64(fours, 32));
  const auto va = static_cast<std::uint32_t>(_mm_cvtsi128_si32(eights));
  const auto vb = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(eights, eights)));
  a = (digits & used) == used ? DigitsNumber(va, xa) : ReadFieldAt<width>(p);
  b = ((digits >> 8) & used) == used ? DigitsNumber(vb, xb) : ReadFieldAt<width>(q);
}
#endif

// Fields 1..count of a table whose field j starts at first + (j - 1) * stride
// into out[1..count]; 8 bytes must be readable at every field.
template <int width>
void ReadTable(const char* first, int stride, int count, OddsNumber* out) {
  int j = 1;
#ifdef TW_ODDS_TWO_AT_ONCE
  for (; j + 1 <= count; j += 2) ReadFieldPair<width>(first + (j - 1) * stride, first + j * stride, out[j], out[j + 1]);
#endif
  for (; j <= count; ++j) out[j] = ReadFieldAt<width>(first + (j - 1) * stride);
}

}  // namespace

SnapshotOdds::SnapshotOdds(std::string_view winOdds, std::string_view quinellaOdds, Pairs pairs) : pairs(pairs) {
  win_[0] = pairs_[0] = OddsNumber{};
  // A record of its full length holds 8 readable bytes at every field; a
  // shorter one is read field by field with its missing bytes as spaces.
  if (winOdds.size() >= kWinOddsLineLength) {
    ReadTable<kWinOddsWidth>(winOdds.data() + WinOddsPosition(1) - 1, WinOddsPosition(2) - WinOddsPosition(1),
                             kRunnerSlots, win_.data());
  } else {
    for (int h = 1; h <= kRunnerSlots; ++h)
      win_[static_cast<size_t>(h)] = ReadOddsNumberAt(winOdds, WinOddsPosition(h), kWinOddsWidth);
  }
  if (pairs == Pairs::kBracket) {
    if (winOdds.size() >= kWinOddsLineLength) {
      ReadTable<kBracketOddsWidth>(winOdds.data() + BracketOddsPosition(1) - 1,
                                   BracketOddsPosition(2) - BracketOddsPosition(1), kBracketPairs, pairs_.data());
    } else {
      for (int j = 1; j <= kBracketPairs; ++j)
        pairs_[static_cast<size_t>(j)] = ReadOddsNumberAt(winOdds, BracketOddsPosition(j), kBracketOddsWidth);
    }
    for (size_t j = kBracketPairs + 1; j < pairs_.size(); ++j) pairs_[j] = OddsNumber{};
  } else if (quinellaOdds.size() >= kQuinellaLineLength) {
    ReadTable<kQuinellaOddsWidth>(quinellaOdds.data() + QuinellaOddsPosition(1) - 1,
                                  QuinellaOddsPosition(2) - QuinellaOddsPosition(1), kQuinellaPairs, pairs_.data());
  } else {
    for (int j = 1; j <= kQuinellaPairs; ++j)
      pairs_[static_cast<size_t>(j)] = ReadOddsNumberAt(quinellaOdds, QuinellaOddsPosition(j), kQuinellaOddsWidth);
  }
}

}  // namespace tw
