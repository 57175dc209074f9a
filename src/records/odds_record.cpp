#include "records/odds_record.h"

#include "text/fields.h"

namespace tw {

std::string AnnouncementText(std::string_view odds) { return Field(odds, 28, 8); }
long long AnnouncementTime(std::string_view odds) { return FieldInt(odds, 28, 8); }
std::string AnnouncementMonthDay(std::string_view odds) { return Field(odds, 28, 4); }
std::string AnnouncementHour(std::string_view odds) { return Field(odds, 32, 2); }
std::string AnnouncementMinute(std::string_view odds) { return Field(odds, 34, 2); }

bool HoldsSnapshot(std::string_view odds) { return !IsBlank(Field(odds, 12, 4)); }

std::string WinOddsOf(std::string_view winOdds, int h) { return Field(winOdds, WinOddsPosition(h), kWinOddsWidth); }
std::string WinPopularityOf(std::string_view winOdds, int h) {
  return Field(winOdds, WinOddsPosition(h) + kWinOddsWidth, 2);
}
std::string BracketOddsOf(std::string_view winOdds, int j) {
  return Field(winOdds, BracketOddsPosition(j), kBracketOddsWidth);
}
std::string QuinellaOddsOf(std::string_view quinellaOdds, int j) {
  return Field(quinellaOdds, QuinellaOddsPosition(j), kQuinellaOddsWidth);
}

}  // namespace tw
