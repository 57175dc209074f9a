// JV-Data records of the sample feed, built field by field at the positions
// of the public record layouts, each with its exact length and CR LF:
// RA 1272, SE 555, HR 719, O1 962, O2 2042 bytes.
#pragma once

#include <string>

#include "feedgen/feed_market.h"
#include "feedgen/feed_plan.h"
#include "records/layout.h"

namespace tw {

// The record lengths with CR LF, under the short names the builders use.
inline constexpr size_t kRaLength = kRaceRecordLength, kSeLength = kRunnerRecordLength, kHrLength = kPayoutRecordLength,
                        kO1Length = kWinOddsRecordLength, kO2Length = kQuinellaOddsRecordLength;

// Which stage of a race the record shows.
enum class RaceStage { kEntries, kCard, kResults };

// `kind` is the data kind (position 3), `created` the creation date yyyymmdd.
std::string BuildRaceRecord(const FeedRace& race, char kind, const std::string& created, RaceStage stage);
std::string BuildRunnerRecord(const FeedRace& race, const FeedRunner& runner, char kind, const std::string& created,
                              RaceStage stage, const MarketOdds& finalOdds);
std::string BuildPayoutRecord(const FeedRace& race, char kind, const std::string& created, const MarketOdds& finalOdds);
// Announcement k of a race (data kind 1, interim odds).
std::string BuildWinOddsRecord(const FeedRace& race, size_t k, const MarketOdds& odds);
std::string BuildQuinellaOddsRecord(const FeedRace& race, size_t k, const MarketOdds& odds);

}  // namespace tw
