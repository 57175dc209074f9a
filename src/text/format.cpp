#include "text/format.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace tw {

std::string Format(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  va_list copy;
  va_copy(copy, ap);
  int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), fmt, ap);
    out.resize(static_cast<size_t>(n));
  }
  va_end(ap);
  return out;
}

double RoundedAsFormatted(double value, int decimals) {
  // The current rounding mode, to the nearest with ties to even, is the one
  // printf rounds an exact tie with.
  const double scale = std::pow(10.0, decimals);
  return std::nearbyint(value * scale) / scale;
}

std::string FormatZeros(double value, int digits) {
  long long v = std::llround(value);
  if (v < 0) return Format("-%0*lld", digits, -v);
  return Format("%0*lld", digits, v);
}

}  // namespace tw
