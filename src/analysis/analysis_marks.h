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

}  // namespace tw
