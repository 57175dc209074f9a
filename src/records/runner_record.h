// Fields of the SE runner record that the program reads.
#pragma once

#include <string>
#include <string_view>

namespace tw {

std::string HorseNumberText(std::string_view runner);  // 29-30: "00" before the draw
long long HorseNumber(std::string_view runner);        // 29-30 as an integer

}  // namespace tw
