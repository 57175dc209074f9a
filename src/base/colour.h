// A colour as plain red, green and blue values, and the named colours of the
// program's windows and pages. Each window or painter turns it into its own
// colour type.
#pragma once

#include <cstdint>

namespace tw {

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colour {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kSilver{192, 192, 192};
inline constexpr Colour kGrey{128, 128, 128};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kYellow{255, 255, 0};
inline constexpr Colour kLime{0, 255, 0};
inline constexpr Colour kAqua{0, 255, 255};
inline constexpr Colour kFuchsia{255, 0, 255};
inline constexpr Colour kOrange{255, 128, 0};
inline constexpr Colour kLightBlue{128, 128, 255};
}  // namespace colour

}  // namespace tw
