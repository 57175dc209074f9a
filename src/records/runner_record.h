// Fields of the SE runner record that the program reads.
#pragma once

#include <string>
#include <string_view>

namespace tw {

std::string HorseNumberText(std::string_view runner);  // 29-30: "00" before the draw
long long HorseNumber(std::string_view runner);        // 29-30 as an integer
// The race card's fields; texts as stored (names padded with full-width
// spaces).
std::string BracketNumberText(std::string_view runner);  // 28
std::string HorseName(std::string_view runner);          // 41-76: 18 full-width characters
std::string SexCode(std::string_view runner);            // 79: 1 colt, 2 filly, 3 gelding
std::string AgeText(std::string_view runner);            // 83-84
std::string TrainerShortName(std::string_view runner);   // 91-98
long long WeightCarriedTenths(std::string_view runner);  // 289-291: kg in tenths
std::string JockeyShortName(std::string_view runner);    // 307-314

}  // namespace tw
