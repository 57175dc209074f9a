#include "analysis/sort_keys.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tw {

namespace {

// Below this size every double with a fraction is exactly its integer part
// plus that fraction.
constexpr double kExactFractions = 4503599627370496.0;  // 2^52

// std::llround (halves away from zero) without the library call.
long long RoundHalfAway(double y) {
  if (!(std::fabs(y) < kExactFractions)) return std::llround(y);
  long long n = static_cast<long long>(y);  // toward zero
  const double rest = y - static_cast<double>(n);
  if (rest >= 0.5) ++n;
  if (rest <= -0.5) --n;
  return n;
}

}  // namespace

std::string PaddedNumber(long long v, int width, char fill) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  const auto digits = static_cast<size_t>(end - buffer);
  std::string out(digits < static_cast<size_t>(width) ? static_cast<size_t>(width) - digits : 0, fill);
  out.append(buffer, digits);
  return out;
}

// The same text as FormatZeros(x * 100, 6) followed by "%02d" of h.
std::string HorseSortKey(double x, int h) {
  const long long v = std::llround(x * 100);
  std::string key = PaddedNumber(v < 0 ? -v : v, 6, '0');
  if (v < 0) key.insert(key.begin(), '-');
  key += PaddedNumber(h, 2, '0');
  return key;
}

void HorseKeyList::AddAnySortKey(double x, int h) {
  const long long v = RoundHalfAway(x * 100);
  const bool sortsAsNumber = v >= 0 && v <= 999999 && h >= 0 && h <= 99;
  AddKey({sortsAsNumber ? v * 100 + h : 0, h, x, Kind::kSortKey}, sortsAsNumber);
}

void HorseKeyList::AddAnyFixedKey(double x, int h) {
  const bool inRange = x >= 0.0 && !std::signbit(x) && x < 100000.0;
  const long long v = inRange ? RoundHalfAway(RoundedTo2(x) * 100) : -1;
  const bool sortsAsNumber = v >= 0 && v <= 9999999 && h >= 0 && h <= 99;
  AddKey({sortsAsNumber ? v * 100 + h : 0, h, x, Kind::kFixed}, sortsAsNumber);
}

void HorseKeyList::AddKey(const Key& key, bool sortsAsNumber) {
  // Numbers of the two kinds do not compare with each other.
  if (!sortsAsNumber || (size_ > 0 && Data()[0].kind != key.kind)) byText_ = true;
  numbersSorted_ = false;
  lastInPlace_ = 0;
  if (size_ < kInlineKeys && overflow_.empty()) {
    numbers_[size_] = key.number;
    inline_[size_++] = key;
    return;
  }
  if (overflow_.empty()) overflow_.assign(inline_.begin(), inline_.begin() + static_cast<std::ptrdiff_t>(size_));
  overflow_.push_back(key);
  ++size_;
}

std::string HorseKeyList::TextOf(const Key& key) const {
  if (key.kind == Kind::kSortKey) return HorseSortKey(key.x, key.horse);
  std::string text = FixedText(key.x, 8, 2);
  text += PaddedNumber(key.horse, 2, ' ');
  return text;
}

void HorseKeyList::Sort() {
  Key* keys = Data();
  if (!byText_ && size_ > kInlineKeys) {
    std::sort(keys, keys + size_, [](const Key& a, const Key& b) { return a.number < b.number; });
    return;
  }
  if (!byText_) {
    // The numbers alone: equal numbers name the same horse.
    std::sort(numbers_.begin(), numbers_.begin() + static_cast<std::ptrdiff_t>(size_));
    numbersSorted_ = true;
    return;
  }
  std::vector<std::pair<std::string, Key>> texts;
  texts.reserve(size_);
  for (size_t i = 0; i < size_; ++i) texts.emplace_back(TextOf(keys[i]), keys[i]);
  std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < size_; ++i) keys[i] = texts[i].second;
}

void HorseKeyList::SortLast(int k) {
  if (byText_ || !overflow_.empty() || k < 0 || static_cast<size_t>(k) * 4 > size_) {
    Sort();
    return;
  }
  // The largest of the rest moved to the end, k times; equal numbers name
  // the same horse, so which of them moves does not matter.
  for (size_t end = size_; end > size_ - static_cast<size_t>(k); --end) {
    size_t largest = 0;
    for (size_t i = 1; i < end; ++i) {
      if (numbers_[i] > numbers_[largest]) largest = i;
    }
    std::swap(numbers_[largest], numbers_[end - 1]);
  }
  lastInPlace_ = k;
}

std::string FixedText(double value, int width, int decimals) {
  char buffer[400];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (written.ec != std::errc{}) return {};
  const auto length = static_cast<size_t>(written.ptr - buffer);
  std::string out(length < static_cast<size_t>(width) ? static_cast<size_t>(width) - length : 0, ' ');
  out.append(buffer, length);
  return out;
}

double RoundedTo2ByText(double value) {
  // to_chars / from_chars round like "%.2f" but never depend on the locale.
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (written.ec != std::errc{}) return value;
  double result = 0.0;
  std::from_chars(buffer, written.ptr, result);
  return result;
}

}  // namespace tw
