// Number formatting with the printf-style format strings the program uses
// ("%6.2f", "%7.1f", "%2d", "%9d", …) and the picture format "000000".
#pragma once

#include <string>

namespace tw {

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A picture format of zeros, e.g. "000000": the value rounded to an integer
// (half away from zero) with at least `digits` digits, a minus sign in front
// when negative.
std::string FormatZeros(double value, int digits);

}  // namespace tw
