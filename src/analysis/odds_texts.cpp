#include "analysis/odds_texts.h"

#include <array>

#include "codes/pairs.h"
#include "text/fields.h"

namespace tw {

namespace {

bool AllOf(std::string_view text, char c) { return text.find_first_not_of(c) == std::string_view::npos; }

struct PairTable {
  std::array<std::string, kQuinellaPairs + 1> labels;
  std::array<PairNumbers, kQuinellaPairs + 1> numbers;
};

const PairTable& TableOf(bool quinellaMode) {
  static const PairTable quinella = [] {
    PairTable t;
    for (int j = 1; j <= kQuinellaPairs; ++j) t.labels[j] = QuinellaPairLabel(j);
    for (int j = 1; j <= kQuinellaPairs; ++j) t.numbers[j] = PairNumbersOf(t.labels[j]);
    return t;
  }();
  static const PairTable bracket = [] {
    PairTable t;
    for (int j = 1; j <= kBracketPairs; ++j) t.labels[j] = BracketPairLabel(j);
    for (int j = 1; j <= kBracketPairs; ++j) t.numbers[j] = PairNumbersOf(t.labels[j]);
    return t;
  }();
  return quinellaMode ? quinella : bracket;
}

}  // namespace

bool IsValidOddsText(std::string_view text) {
  // Blank, or all zeros once the spaces are trimmed (which means no spaces).
  if (AllOf(text, ' ') || AllOf(text, '0')) return false;
  return !AllOf(text, '-') && !AllOf(text, '*');
}

double ShareOfOdds(std::string_view text, double numerator) {
  if (!IsValidOddsText(text)) return 0.0;
  const double x = static_cast<double>(IntValue(text));
  if (x - 1 <= 0) return 0.0;
  return numerator / (x - 1);
}

long long OddsValue(std::string_view text) { return IsValidOddsText(text) ? IntValue(text) : 0; }

PairNumbers PairNumbersOf(std::string_view label) {
  return {static_cast<int>(IntValue(Field(label, 1, 2))), static_cast<int>(IntValue(Field(label, 4, 2)))};
}

const std::string& PairLabelAt(bool quinellaMode, int j) { return TableOf(quinellaMode).labels[j]; }

const PairNumbers& PairNumbersAt(bool quinellaMode, int j) { return TableOf(quinellaMode).numbers[j]; }

}  // namespace tw
