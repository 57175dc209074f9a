// Number formatting with the printf-style format strings the program uses
// ("%6.2f", "%7.1f", "%2d", "%9d", …) and the picture format "000000".
#pragma once

#include <string>

// Lets GCC and Clang check the arguments of a printf-style function against
// its format string; other compilers (MSVC) take the declaration as it is.
#if defined(__GNUC__) || defined(__clang__)
#define TW_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define TW_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

namespace tw {

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) TW_PRINTF_FORMAT(1, 2);

// `value` rounded to `decimals` places as Format("%.<decimals>f") shows it:
// to the nearest, an exact tie to the even last digit.
double RoundedAsFormatted(double value, int decimals);

// A picture format of zeros, e.g. "000000": the value rounded to an integer
// (half away from zero) with at least `digits` digits, a minus sign in front
// when negative.
std::string FormatZeros(double value, int digits);

}  // namespace tw
