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

double RoundHalfAway(double value, int decimals) {
  double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

std::string FormatZeros(double value, int digits) {
  long long v = std::llround(value);
  if (v < 0) return Format("-%0*lld", digits, -v);
  return Format("%0*lld", digits, v);
}

std::string FormatThousands2(double value) {
  std::string s = Format("%.2f", std::fabs(value));
  size_t dot = s.find('.');
  std::string whole = s.substr(0, dot);
  std::string grouped;
  int count = 0;
  for (size_t i = whole.size(); i > 0; --i) {
    grouped.insert(grouped.begin(), whole[i - 1]);
    if (++count % 3 == 0 && i > 1) grouped.insert(grouped.begin(), ',');
  }
  std::string out = grouped + s.substr(dot);
  if (value < 0 && out != "0.00") out.insert(out.begin(), '-');
  return out;
}

}  // namespace tw
