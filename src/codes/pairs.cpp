#include "codes/pairs.h"

#include <algorithm>
#include <vector>

#include "text/format.h"

namespace tw {
namespace {

std::string PairLabel(int i, int j) { return Format("%2d-%2d", i, j); }

// All labels in record order, index 1 first.
std::vector<std::string> MakeLabels(int maxNumber, bool samePairs) {
  std::vector<std::string> labels;
  for (int i = 1; i <= maxNumber; ++i)
    for (int j = samePairs ? i : i + 1; j <= maxNumber; ++j) labels.push_back(PairLabel(i, j));
  return labels;
}

const std::vector<std::string>& BracketLabels() {
  static const std::vector<std::string> labels = MakeLabels(8, true);
  return labels;
}

const std::vector<std::string>& QuinellaLabels() {
  static const std::vector<std::string> labels = MakeLabels(18, false);
  return labels;
}

std::string LabelAt(const std::vector<std::string>& labels, int index) {
  if (index < 1 || index > static_cast<int>(labels.size())) return {};
  return labels[static_cast<size_t>(index - 1)];
}

int IndexOf(const std::vector<std::string>& labels, const std::string& label) {
  auto it = std::find(labels.begin(), labels.end(), label);
  return it == labels.end() ? 0 : static_cast<int>(it - labels.begin()) + 1;
}

struct PairTable {
  std::array<std::string, kQuinellaPairs + 1> labels;
  PairNumbersTable numbers;
};

// Labels and numbers in record order, index 1 first.
PairTable MakeTable(int maxNumber, bool samePairs) {
  PairTable t;
  size_t index = 0;
  for (int i = 1; i <= maxNumber; ++i)
    for (int j = samePairs ? i : i + 1; j <= maxNumber; ++j) {
      ++index;
      t.labels[index] = PairLabel(i, j);
      t.numbers[index] = {i, j};
    }
  return t;
}

const PairTable& TableOf(PairKind kind) {
  static const PairTable quinella = MakeTable(18, false);
  static const PairTable bracket = MakeTable(8, true);
  return kind == PairKind::kQuinella ? quinella : bracket;
}

}  // namespace

std::string BracketPairLabel(int index) { return LabelAt(BracketLabels(), index); }
int BracketPairIndex(const std::string& label) { return IndexOf(BracketLabels(), label); }
std::string QuinellaPairLabel(int index) { return LabelAt(QuinellaLabels(), index); }
int QuinellaPairIndex(const std::string& label) { return IndexOf(QuinellaLabels(), label); }

int BracketPairIndexOf(int i, int j) {
  if (i < 1 || j < i || j > 8) return 0;
  return (i - 1) * 8 - (i - 1) * (i - 2) / 2 + (j - i + 1);
}

int QuinellaPairIndexOf(int i, int j) {
  if (i < 1 || j <= i || j > 18) return 0;
  return (i - 1) * 18 - (i - 1) * i / 2 + (j - i);
}

const std::string& PairLabelAt(PairKind kind, int j) { return TableOf(kind).labels[j]; }

const PairNumbers& PairNumbersAt(PairKind kind, int j) { return TableOf(kind).numbers[j]; }

const PairNumbersTable& PairNumbersOfTable(PairKind kind) { return TableOf(kind).numbers; }

int BracketOfHorse(int n, int h) {
  int bracket;
  if (n <= 16) {
    int c = (n - h) / 2;
    bracket = c >= n - 8 ? h : 8 - c;
  } else {
    bracket = 8 - (16 - h) / 2;
    if (h > 16) --bracket;
    if (h == 15 && n == 18) --bracket;
    if (h == 17) ++bracket;
  }
  // A horse number outside the field (a damaged record) must still give a
  // bracket the 1..8 tables can hold.
  return std::clamp(bracket, 1, 8);
}

}  // namespace tw
