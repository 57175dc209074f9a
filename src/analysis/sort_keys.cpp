#include "analysis/sort_keys.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "text/format.h"

namespace tw {

std::string HorseSortKey(double x, int h) { return FormatZeros(x * 100, 6) + Format("%02d", h); }

void HorseKeyList::Sort() {
  std::stable_sort(keys_.begin(), keys_.end(), [](const HorseKey& a, const HorseKey& b) { return a.text < b.text; });
}

double RoundedTo2(double value) {
  // to_chars / from_chars round like "%.2f" but never depend on the locale.
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (written.ec != std::errc{}) return value;
  double result = 0.0;
  std::from_chars(buffer, written.ptr, result);
  return result;
}

}  // namespace tw
