// Sorted lists of horse keys and the two-decimal rounding that the changes
// and the judgement work on.
#pragma once

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace tw {

// The key K(x, h): x * 100 rounded to an integer with at least six digits,
// then the horse number as two digits. For the values the analysis forms
// (0 <= x < 10000) the keys have eight characters and sort like x.
std::string HorseSortKey(double x, int h);

// A non-negative integer's digits padded on the left with `fill` to at least
// `width` characters: "%*lld" with ' ', "%0*lld" with '0'. Keys are built by
// the thousand on every load, so this avoids printf.
std::string PaddedNumber(long long v, int width, char fill);

// The value as it reads back from its two-decimal text ("%.2f") by way of
// that text: the general case of RoundedTo2.
double RoundedTo2ByText(double value);

// The value as it reads back from its two-decimal text ("%.2f"). The
// analysis rounds thousands of values on every load, so the usual case is
// worked out inline.
inline double RoundedTo2(double value) {
  // Away from a half-way point the correctly rounded hundredths are the
  // nearest integer of value * 100, and n / 100.0 is the double that the
  // text "n/100" reads back as (the division is correctly rounded).
  const double scaled = value * 100.0;
  if (scaled < 1e12 && scaled > -1e12) {
    // The floor, which is 0.0 for -0.0: the result's sign comes from
    // `value` below.
    const double truncated = static_cast<double>(static_cast<long long>(scaled));
    const double floor = truncated > scaled ? truncated - 1.0 : truncated;
    const double fraction = scaled - floor;
    const double fromHalf = fraction - 0.5;
    if (fromHalf > 1e-6 || fromHalf < -1e-6) {
      const double result = (fraction < 0.5 ? floor : floor + 1.0) / 100.0;
      // "-0.00" reads back as -0.0.
      return result == 0.0 ? std::copysign(0.0, value) : result;
    }
  }
  return RoundedTo2ByText(value);
}

// A list of horse keys kept in text order (plain byte order), duplicates
// kept. Where every key's text sorts like a number (the usual case: K keys
// of 0 <= x < 10000, fixed keys of 0 <= x < 100000) the keys are compared as
// those numbers; otherwise the texts are formed and compared, so the order is
// always the order of the texts.
class HorseKeyList {
 public:
  // The key K(x, h).
  void Add(double x, int h) {
    // Six digits of hundredths then two of the horse: the number of the
    // text. Lists are built by the dozen on every analysis, so the usual
    // case, a key whose text sorts as its number, is added inline.
    const double hundredths = x * 100;
    if (hundredths > -0.5 && hundredths < 999999.5 && h >= 0 && h <= 99 && size_ < kInlineKeys && !byText_ &&
        (size_ == 0 || inline_[0].kind == Kind::kSortKey)) {
      // Rounded half away from zero, as below.
      long long v = static_cast<long long>(hundredths);
      if (hundredths - static_cast<double>(v) >= 0.5) ++v;
      AddInline(v * 100 + h, h, x, Kind::kSortKey);
      return;
    }
    AddAnySortKey(x, h);
  }
  // The key "%8.2f" of x followed by h as "%2d".
  void AddFixed(double x, int h) {
    // Right-aligned in eight characters, a non-negative value's text sorts
    // like its hundredths; "-0.00" and nine characters do not (see below).
    if (x >= 0.0 && !std::signbit(x) && x < 100000.0 && h >= 0 && h <= 99 && size_ < kInlineKeys && !byText_ &&
        (size_ == 0 || inline_[0].kind == Kind::kFixed)) {
      const double hundredths = RoundedTo2(x) * 100;
      long long v = static_cast<long long>(hundredths);
      if (hundredths - static_cast<double>(v) >= 0.5) ++v;
      if (v <= 9999999) {
        AddInline(v * 100 + h, h, x, Kind::kFixed);
        return;
      }
    }
    AddAnyFixedKey(x, h);
  }
  // Sorts the keys; call once after the last Add.
  void Sort();
  // Puts the last k keys of the sorted order in place, and only those: after
  // it, read HorseFromEnd(i) for i < k alone. Most judgements want only the
  // largest key or two of a list.
  void SortLast(int k);
  int Size() const { return static_cast<int>(size_); }
  bool Empty() const { return size_ == 0; }
  // Horse of the key at 0-based position i from the front (0 = first).
  int HorseAt(int i) const {
    return numbersSorted_ ? static_cast<int>(numbers_[static_cast<size_t>(i)] % 100) : Data()[i].horse;
  }
  // Horse of the key at 0-based position i counted from the end (0 = last).
  int HorseFromEnd(int i) const {
    const size_t at = size_ - 1 - static_cast<size_t>(i);
    return numbersSorted_ || i < lastInPlace_ ? static_cast<int>(numbers_[at] % 100) : Data()[at].horse;
  }

 private:
  enum class Kind : unsigned char { kSortKey, kFixed };
  struct Key {
    long long number;  // the text's order as a number; only when no key needs its text
    int horse;
    double x;
    Kind kind;
  };
  // The analysis forms at most one key per horse: lists of up to 18 keys
  // live in the list itself, larger ones move to the heap.
  static constexpr size_t kInlineKeys = 18;

  const Key* Data() const { return overflow_.empty() ? inline_.data() : overflow_.data(); }
  Key* Data() { return overflow_.empty() ? inline_.data() : overflow_.data(); }
  // A key whose text sorts as its number, while the list holds its keys.
  void AddInline(long long number, int h, double x, Kind kind) {
    numbers_[size_] = number;
    inline_[size_++] = {number, h, x, kind};
    numbersSorted_ = false;
    lastInPlace_ = 0;
  }
  void AddAnySortKey(double x, int h);
  void AddAnyFixedKey(double x, int h);
  std::string TextOf(const Key& key) const;
  void AddKey(const Key& key, bool sortsAsNumber);

  std::array<Key, kInlineKeys> inline_;  // keys 0 .. size_ - 1 while overflow_ is empty
  std::vector<Key> overflow_;            // every key, once there are more than kInlineKeys
  // The numbers of inline_'s keys, sorted on their own when no key needs its
  // text: a number ends in its horse's two digits, so it names its horse.
  std::array<long long, kInlineKeys> numbers_;
  size_t size_ = 0;
  bool byText_ = false;
  bool numbersSorted_ = false;
  int lastInPlace_ = 0;  // the last keys in place in numbers_ after SortLast
};

// The value with `decimals` decimals right-aligned in `width` characters,
// as "%*.*f" writes it, with a point whatever the locale.
std::string FixedText(double value, int width, int decimals);

}  // namespace tw
