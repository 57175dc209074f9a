// Fixed-width formatting of numeric record fields, positional overwriting
// and clock-time arithmetic on hhmm texts. Shift-JIS in and out.
#pragma once

#include <string>

namespace tw {

// The integer value of s right-aligned in len(s) characters; len(s) spaces when 0.
std::string PadNumber(const std::string& s);

// The value of s in tenths with one decimal, right-aligned in len(s) + 1
// characters; len(s) spaces when 0.
std::string TenthsText(const std::string& s);

// s with characters k .. k + len(p) - 1 (1-based) replaced by p.
std::string Overwrite(const std::string& s, const std::string& p, int k);

// The hhmm text of a clock time, "0905" for 9:05.
std::string HhmmText(int hour, int minute);

// hhmm plus m minutes (may be negative), no wrap at 24 hours; empty when t is blank.
std::string AddMinutes(const std::string& t, int m);

}  // namespace tw
