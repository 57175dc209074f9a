#include "codes/numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "text/fields.h"
#include "text/format.h"

namespace tw {

std::string PadNumber(const std::string& s) {
  long long v = IntValue(s);
  if (v == 0) return std::string(s.size(), ' ');
  // What "%*lld" writes, without a format parse per field: race list and
  // status texts pad several numbers each.
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  const auto n = static_cast<size_t>(end - digits);
  std::string out(n < s.size() ? s.size() - n : 0, ' ');
  out.append(digits, n);
  return out;
}

std::string TenthsText(const std::string& s) {
  int width = static_cast<int>(s.size()) + 1;
  long long v = IntValue(s);
  if (v == 0) return std::string(s.size(), ' ');
  return Format("%*.1f", width, static_cast<double>(v) / 10.0);
}

std::string Overwrite(const std::string& s, const std::string& p, int k) {
  // Positions before the start overwrite from the first character; past the
  // end the piece is appended.
  size_t at = static_cast<size_t>(std::clamp(k, 1, static_cast<int>(s.size()) + 1) - 1);
  std::string out = s;
  out.replace(at, std::min(p.size(), out.size() - at), p);
  return out;
}

std::string HhmmText(int hour, int minute) { return Format("%02d%02d", hour, minute); }

std::string AddMinutes(const std::string& t, int m) {
  if (IsBlank(t)) return {};
  long long total = IntValue(Field(t, 1, 2)) * 60 + IntValue(Field(t, 3, 2)) + m;
  // A time before midnight keeps its sign in front ("-0005"), so it sorts
  // before every time of the day and never equals one.
  long long a = std::llabs(total);
  // "%s%02lld%02lld" of the sign, the hours and the minutes, without printf:
  // every day load works out three fetch times per race.
  std::string out = total < 0 ? "-" : "";
  for (const long long part : {a / 60, a % 60}) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, part).ptr;
    if (end - digits < 2) out += '0';
    out.append(digits, static_cast<size_t>(end - digits));
  }
  return out;
}

}  // namespace tw
