// Colours of the race view as plain RGB values, and the font colour rule of
// displayed odds. The window turns them into its own colour type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tw {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colour {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kFuchsia{255, 0, 255};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kLightBlue{128, 128, 255};
}  // namespace colour

// A displayed text with the font colour set on it; no colour means the
// field's default.
struct ColouredText {
  std::string text;  // Shift-JIS
  std::optional<Rgb> colour;
};

// OddsColourRule: v <= 10 yellow, below 30 aqua, below 100 lime, else fuchsia.
Rgb OddsColour(double odds);

// A displayed field holds a value when its trimmed text is not empty and does
// not begin with "取消".
bool IsUsableField(const std::string& text);
// The number a displayed field reads as; 0 when it is not usable.
double FieldNumber(const std::string& text);

// The OddsColourRule colour of a displayed odds text; none for an empty field
// or "取消".
std::optional<Rgb> OddsFieldColour(const std::string& text);

}  // namespace tw
