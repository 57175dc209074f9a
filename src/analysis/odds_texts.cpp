#include "analysis/odds_texts.h"

#include "text/fields.h"

namespace tw {

namespace {

struct PairTable {
  std::array<std::string, kQuinellaPairs + 1> labels;
  PairNumbersTable numbers;
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

bool IsValidOddsText(std::string_view text) { return OddsStateOf(text) == OddsState::kOdds; }

PairNumbers PairNumbersOf(std::string_view label) {
  return {static_cast<int>(IntValue(Field(label, 1, 2))), static_cast<int>(IntValue(Field(label, 4, 2)))};
}

const std::string& PairLabelAt(bool quinellaMode, int j) { return TableOf(quinellaMode).labels[j]; }

const PairNumbers& PairNumbersAt(bool quinellaMode, int j) { return TableOf(quinellaMode).numbers[j]; }

const PairNumbersTable& PairNumbersOfTable(bool quinellaMode) { return TableOf(quinellaMode).numbers; }

}  // namespace tw
