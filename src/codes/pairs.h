// Bracket-quinella and quinella combinations: labels like " 1- 2" and their
// index in the JV-Data O1 and O2 records.
#pragma once

#include <string>

namespace tw {

inline constexpr int kBracketPairs = 36;
inline constexpr int kQuinellaPairs = 153;

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

// The bracket number 1..8 of horse h in a field of n runners (JRA rule).
int BracketOfHorse(int n, int h);

}  // namespace tw
