// The marks and ratings of the judgement tables, Shift-JIS.
#pragma once

#include <string>

namespace tw {

const std::string& AxisMarkText();       // "◎" decided axis
const std::string& CandidateMarkText();  // "○" axis candidate, also the drift mark
const std::string& PartnerMarkText();    // "△" partner
const std::string& StruckMarkText();     // "×" partner struck out by its small win share
const std::string& ConfirmedMarkText();  // "▲" partner confirmed by the race rating

const std::string& SmallUpsetText();   // "小"
const std::string& MediumUpsetText();  // "中"
const std::string& LargeUpsetText();   // "大"

// Marks are set and compared thousands of times a load and are a character
// or two long: these stay inline where the general string calls would not.
inline bool HasMark(const std::string& text, const std::string& mark) {
  const size_t n = mark.size();
  if (text.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    if (text[i] != mark[i]) return false;
  }
  return true;
}

inline void SetMark(std::string& text, const std::string& mark) {
  if (HasMark(text, mark)) return;
  text.clear();
  for (const char c : mark) text.push_back(c);
}

}  // namespace tw
