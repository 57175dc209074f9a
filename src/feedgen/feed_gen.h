// Writes a synthetic sample feed for the local stand-in: a race weekend, or a
// season of consecutive weekends, with its race cards in the stages they are
// provided, the odds announcements of each day and the results with payouts
// (layout in docs/feed-format.md). Everything is made up; the same seed, date
// and number of weeks give the same bytes.
#pragma once

#include <cstdint>
#include <string>

#include "base/clock.h"

namespace tw {

// The longest season a feed holds: ten years of weekends.
inline constexpr int kMaxFeedWeeks = 520;

struct FeedGenOptions {
  std::string outFolder;  // the feed folder (its RACE and RT folders are replaced)
  DateTime date;          // the race weekend on or before this date, and the date itself
  uint64_t seed = 1;
  std::string timeSeriesFolder;  // also write the per-race announcement files here; empty: none
  int courses = 0;               // 0: two or three, by the seed
  int racesPerCourse = 12;
  // Consecutive weekends ending with the one of `date`, 1..kMaxFeedWeeks.
  int weeks = 1;
};

struct FeedGenSummary {
  int weekends = 0, days = 0, races = 0, storedFiles = 0, announcements = 0;
};

// False with a message (UTF-8) when a file could not be written, or when the
// weeks are out of range (then nothing is touched).
bool GenerateFeed(const FeedGenOptions& options, FeedGenSummary* summary, std::string* error);

}  // namespace tw
