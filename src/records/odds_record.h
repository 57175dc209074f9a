// Fields of the O1 (win and bracket-quinella) and O2 (quinella) odds records.
// Odds fields carry one implied decimal ("0056" is 5.6); "----" and "****"
// mark a scratched horse or an unsold pair, spaces a slot without a horse.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// The announcement time of interim odds, MMDDhhmm (28-35); "00000000" in
// final records.
std::string AnnouncementText(std::string_view odds);
long long AnnouncementTime(std::string_view odds);        // 28-35 as an integer
std::string AnnouncementMonthDay(std::string_view odds);  // 28-31: mmdd
std::string AnnouncementHour(std::string_view odds);      // 32-33
std::string AnnouncementMinute(std::string_view odds);    // 34-35

// A stored snapshot line is blank until odds are fetched into it: its race
// year (12-15) tells whether it holds a snapshot.
bool HoldsSnapshot(std::string_view odds);

// Odds field positions: win odds and the lowest and highest place odds of
// horse h (1..18) and bracket-quinella odds of bracket pair j (1..36) in O1,
// quinella odds of pair j (1..153) in O2.
inline constexpr int kWinOddsWidth = 4;
inline constexpr int kPlaceOddsWidth = 4;
inline constexpr int kBracketOddsWidth = 5;
inline constexpr int kQuinellaOddsWidth = 6;
constexpr int WinOddsPosition(int h) { return 46 + 8 * (h - 1); }
constexpr int PlaceLowestOddsPosition(int h) { return 270 + 12 * (h - 1); }
constexpr int PlaceHighestOddsPosition(int h) { return 274 + 12 * (h - 1); }
constexpr int BracketOddsPosition(int j) { return 606 + 9 * (j - 1); }
constexpr int QuinellaOddsPosition(int j) { return 45 + 13 * (j - 1); }

std::string WinOddsOf(std::string_view winOdds, int h);
// The win popularity of horse h, 2 bytes after its odds.
std::string WinPopularityOf(std::string_view winOdds, int h);
std::string BracketOddsOf(std::string_view winOdds, int j);
std::string QuinellaOddsOf(std::string_view quinellaOdds, int j);

}  // namespace tw
