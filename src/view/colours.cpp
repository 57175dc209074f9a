#include "view/colours.h"

namespace tw {

Colour OddsColour(double odds) {
  if (odds <= 10.0) return colour::kYellow;
  if (odds < 30.0) return colour::kAqua;
  if (odds < 100.0) return colour::kLime;
  return colour::kFuchsia;
}

std::optional<Colour> OddsColourOfTenths(long long tenths) {
  if (tenths <= 0) return std::nullopt;
  return OddsColour(static_cast<double>(tenths) / 10.0);
}

Colour ChangeRankColour(int firstRank, int rank, int climb) {
  return firstRank - rank >= climb ? colour::kRed : colour::kBlue;
}

}  // namespace tw
