// Sorted lists of horse keys and the two-decimal rounding that the changes
// and the judgement work on.
#pragma once

#include <array>
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

// A list of horse keys kept in text order (plain byte order), duplicates
// kept. Where every key's text sorts like a number (the usual case: K keys
// of 0 <= x < 10000, fixed keys of 0 <= x < 100000) the keys are compared as
// those numbers; otherwise the texts are formed and compared, so the order is
// always the order of the texts.
class HorseKeyList {
 public:
  // The key K(x, h).
  void Add(double x, int h);
  // The key "%8.2f" of x followed by h as "%2d".
  void AddFixed(double x, int h);
  // Sorts the keys; call once after the last Add.
  void Sort();
  int Size() const { return static_cast<int>(size_); }
  bool Empty() const { return size_ == 0; }
  // Horse of the key at 0-based position i from the front (0 = first).
  int HorseAt(int i) const { return Data()[i].horse; }
  // Horse of the key at 0-based position i counted from the end (0 = last).
  int HorseFromEnd(int i) const { return Data()[size_ - 1 - static_cast<size_t>(i)].horse; }

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
  std::string TextOf(const Key& key) const;
  void AddKey(const Key& key, bool sortsAsNumber);

  std::array<Key, kInlineKeys> inline_;  // keys 0 .. size_ - 1 while overflow_ is empty
  std::vector<Key> overflow_;            // every key, once there are more than kInlineKeys
  size_t size_ = 0;
  bool byText_ = false;
};

// The value as it reads back from its two-decimal text ("%.2f").
double RoundedTo2(double value);

// The value with `decimals` decimals right-aligned in `width` characters,
// as "%*.*f" writes it, with a point whatever the locale.
std::string FixedText(double value, int width, int decimals);

}  // namespace tw
