// The font colours of the race view's fields: the odds by their value, the
// change ranks by the places climbed. Computed from the numbers (never from a
// displayed text); the window draws the colour it is given.
#pragma once

#include <optional>
#include <string>

#include "base/colour.h"

namespace tw {

// A displayed text with the font colour set on it; no colour means the
// field's default.
struct ColouredText {
  std::string text;  // Shift-JIS
  std::optional<Colour> colour;
};

// OddsColourRule: v <= 10 yellow, below 30 aqua, below 100 lime, else fuchsia.
Colour OddsColour(double odds);

// The OddsColourRule colour of odds given in tenths ("0123" is 123, 12.3);
// none for a field without odds (0 or below).
std::optional<Colour> OddsColourOfTenths(long long tenths);

// 付録: a change rank is red when the horse climbed at least `climb` places
// (three for the win, four for the quinella) from its first popularity rank,
// blue otherwise.
Colour ChangeRankColour(int firstRank, int rank, int climb);

}  // namespace tw
