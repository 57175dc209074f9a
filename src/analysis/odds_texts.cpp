#include "analysis/odds_texts.h"

#include "text/fields.h"

namespace tw {

std::string WinOddsText(const RaceSlot& slot, int s, int h) { return Field(slot.winOdds[s], 46 + 8 * (h - 1), 4); }

std::string BracketOddsText(const RaceSlot& slot, int s, int j) { return Field(slot.winOdds[s], 606 + 9 * (j - 1), 5); }

std::string QuinellaOddsText(const RaceSlot& slot, int s, int j) {
  return Field(slot.quinellaOdds[s], 45 + 13 * (j - 1), 6);
}

std::string PairOddsText(const RaceSlot& slot, bool quinellaMode, int s, int j) {
  return quinellaMode ? QuinellaOddsText(slot, s, j) : BracketOddsText(slot, s, j);
}

bool IsValidOddsText(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty() || trimmed == std::string(text.size(), '0')) return false;
  return text != std::string(text.size(), '-') && text != std::string(text.size(), '*');
}

double ShareOfOdds(const std::string& text, double numerator) {
  if (!IsValidOddsText(text)) return 0.0;
  const double x = static_cast<double>(IntValue(text));
  if (x - 1 <= 0) return 0.0;
  return numerator / (x - 1);
}

long long OddsValue(const std::string& text) { return IsValidOddsText(text) ? IntValue(text) : 0; }

PairNumbers PairNumbersOf(const std::string& label) {
  return {static_cast<int>(IntValue(Field(label, 1, 2))), static_cast<int>(IntValue(Field(label, 4, 2)))};
}

}  // namespace tw
