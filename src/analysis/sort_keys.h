// Sorted lists of horse keys and the two-decimal rounding that the changes
// and the judgement work on.
#pragma once

#include <string>
#include <vector>

namespace tw {

// The key K(x, h): x * 100 rounded to an integer with at least six digits,
// then the horse number as two digits. For the values the analysis forms
// (0 <= x < 10000) the keys have eight characters and sort like x.
std::string HorseSortKey(double x, int h);

// A key with the horse it was formed for.
struct HorseKey {
  std::string text;
  int horse = 0;
};

// A list of keys kept in text order (plain byte order), duplicates kept.
class HorseKeyList {
 public:
  void Add(double x, int h) { keys_.push_back({HorseSortKey(x, h), h}); }
  void AddText(std::string text, int h) { keys_.push_back({std::move(text), h}); }
  // Sorts the keys; call once after the last Add.
  void Sort();
  int Size() const { return static_cast<int>(keys_.size()); }
  bool Empty() const { return keys_.empty(); }
  const std::vector<HorseKey>& Keys() const { return keys_; }
  // Horse of the key at 0-based position i counted from the end (0 = last).
  int HorseFromEnd(int i) const { return keys_[keys_.size() - 1 - static_cast<size_t>(i)].horse; }

 private:
  std::vector<HorseKey> keys_;
};

// The value as it reads back from its two-decimal text ("%.2f").
double RoundedTo2(double value);

}  // namespace tw
