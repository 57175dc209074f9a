// Bracket-quinella and quinella combinations: labels like " 1- 2" and their
// index in the JV-Data O1 and O2 records.
#pragma once

#include <array>
#include <string>

namespace tw {

inline constexpr int kBracketPairs = 36;
inline constexpr int kQuinellaPairs = 153;

// Which odds stand for the pairs of a race: the bracket-quinella odds
// (bracket numbers standing for horse numbers) or the quinella odds.
enum class PairKind { kBracket, kQuinella };

// Label of bracket pair 1..36 (" 1- 1" … " 8- 8"); empty otherwise.
std::string BracketPairLabel(int index);
// Index 1..36 of a label equal to one of the 36; 0 otherwise.
int BracketPairIndex(const std::string& label);
// Label of quinella pair 1..153 (" 1- 2" … "17-18"); empty otherwise.
std::string QuinellaPairLabel(int index);
// Index 1..153 of a label; 0 otherwise.
int QuinellaPairIndex(const std::string& label);

// Index arithmetic (1 <= i <= j <= 8 for brackets, 1 <= i < j <= 18 for quinellas).
int BracketPairIndexOf(int i, int j);
int QuinellaPairIndexOf(int i, int j);

// The two numbers of a pair, " 1- 2" being {1, 2}.
struct PairNumbers {
  int first = 0;
  int second = 0;
  bool Contains(int h) const { return first == h || second == h; }
};

// Number of pairs in the table of a kind (153 or 36).
inline int PairCountOf(PairKind kind) { return kind == PairKind::kQuinella ? kQuinellaPairs : kBracketPairs; }
// Label and numbers of pair j of the quinella table (1..153) or the bracket
// table (1..36), looked up once.
const std::string& PairLabelAt(PairKind kind, int j);
const PairNumbers& PairNumbersAt(PairKind kind, int j);
// The numbers of every pair of a table, index j as above (0 unused).
using PairNumbersTable = std::array<PairNumbers, kQuinellaPairs + 1>;
const PairNumbersTable& PairNumbersOfTable(PairKind kind);

// The bracket number 1..8 of horse h in a field of n runners (JRA rule).
int BracketOfHorse(int n, int h);

}  // namespace tw
