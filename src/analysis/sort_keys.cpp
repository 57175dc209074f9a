#include "analysis/sort_keys.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tw {

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

void HorseKeyList::Sort() {
  std::sort(keys_.begin(), keys_.end(), [](const HorseKey& a, const HorseKey& b) { return a.text < b.text; });
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

double RoundedTo2(double value) {
  // Fast path, away from a half-way point: the correctly rounded hundredths
  // are the nearest integer of value * 100, and n / 100.0 is the double that
  // the text "n/100" reads back as (the division is correctly rounded).
  const double scaled = value * 100.0;
  if (std::fabs(scaled) < 1e12) {
    const double floor = std::floor(scaled);
    const double fraction = scaled - floor;
    if (std::fabs(fraction - 0.5) > 1e-6) {
      const double result = (fraction < 0.5 ? floor : floor + 1.0) / 100.0;
      return result == 0.0 ? std::copysign(0.0, value) : result;  // "-0.00" reads back as -0.0
    }
  }
  // to_chars / from_chars round like "%.2f" but never depend on the locale.
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (written.ec != std::errc{}) return value;
  double result = 0.0;
  std::from_chars(buffer, written.ptr, result);
  return result;
}

}  // namespace tw
