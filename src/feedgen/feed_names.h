// Made-up names for the sample feed, in Shift-JIS: horse names of katakana
// syllables, race names, people and owners. Never names of real horses or
// races except by chance.
#pragma once

#include <string>

#include "feedgen/feed_random.h"

namespace tw {

// 3 to 9 full-width katakana.
std::string MakeHorseName(FeedRandom& rng);
// A word of katakana syllables of `minChars`..`maxChars` characters.
std::string MakeSyllableWord(FeedRandom& rng, int minChars, int maxChars);
// A short person name of 2 to 4 kanji (jockeys and trainers).
std::string MakePersonName(FeedRandom& rng);
// An owner's name.
std::string MakeOwnerName(FeedRandom& rng);
// A silks description.
std::string MakeSilks(FeedRandom& rng);

// The first `chars` full-width characters of a Shift-JIS text of full-width characters.
std::string FirstChars(const std::string& sjis, int chars);

}  // namespace tw
