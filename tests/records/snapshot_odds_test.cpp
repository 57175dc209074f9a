#include "records/snapshot_odds.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "records/odds_record.h"
#include "support/day_builder.h"
#include "text/fields.h"

namespace tw {
namespace {

// Texts a field can hold: odds, the layout's fill forms, and damaged ones.
std::string RandomFieldText(std::mt19937& random, int width) {
  // Bytes next to the digits, and high bytes that carry when 6 is added.
  static const std::vector<std::string> kDamaged = {" 12",   "-01",       "+9",       "1 2",   "--1", "\x82\xa0",
                                                    "0 0",   "*-",        "A0",       ":0",    "/9",  "9\xFA" "1",
                                                    "\xFF" "9", "0\xFC\xFF", "\xF9\xF9", "12345:"};
  switch (random() % 8) {
    case 0:
      return std::string(static_cast<size_t>(width), ' ');
    case 1:
      return std::string(static_cast<size_t>(width), '0');
    case 2:
      return std::string(static_cast<size_t>(width), '-');
    case 3:
      return std::string(static_cast<size_t>(width), '*');
    case 4:
      return PadRight(kDamaged[random() % kDamaged.size()], static_cast<size_t>(width));
    default: {
      std::string digits;
      for (int i = 0; i < width; ++i) digits += static_cast<char>('0' + random() % 10);
      return digits;
    }
  }
}

// An O1 and an O2 record with random texts in every odds field and random
// bytes around them.
void RandomRecords(std::mt19937& random, std::string& o1, std::string& o2) {
  auto noise = [&](size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>(' ' + random() % 95);
    return text;
  };
  o1 = noise(kWinOddsRecordLength);
  o2 = noise(kQuinellaOddsRecordLength);
  for (int h = 1; h <= kRunnerSlots; ++h) {
    test::Put(o1, WinOddsPosition(h), RandomFieldText(random, kWinOddsWidth));
    test::Put(o1, PlaceLowestOddsPosition(h), RandomFieldText(random, kPlaceOddsWidth));
    test::Put(o1, PlaceHighestOddsPosition(h), RandomFieldText(random, kPlaceOddsWidth));
  }
  for (int j = 1; j <= kBracketPairs; ++j) test::Put(o1, BracketOddsPosition(j), RandomFieldText(random, 5));
  for (int j = 1; j <= kQuinellaPairs; ++j) test::Put(o2, QuinellaOddsPosition(j), RandomFieldText(random, 6));
}

void ExpectSame(const OddsNumber& number, const std::string& text, const std::string& where) {
  const OddsNumber expected = ReadOddsNumber(text);
  EXPECT_EQ(number.state, expected.state) << where << " \"" << text << '"';
  EXPECT_EQ(number.value, expected.value) << where << " \"" << text << '"';
  EXPECT_EQ(number.textOrder, expected.textOrder) << where << " \"" << text << '"';
}

using Pairs = SnapshotOdds::Pairs;

// Every field of both readings of the records against the reading of its
// text; the table a reading leaves unread holds no odds.
void ExpectFieldsOfTheTexts(std::string_view o1, std::string_view o2) {
  const SnapshotOdds quinella(o1, o2, Pairs::kQuinella);
  const SnapshotOdds bracket(o1, o2, Pairs::kBracket);
  for (const SnapshotOdds* odds : {&quinella, &bracket}) {
    for (int h = 1; h <= kRunnerSlots; ++h) ExpectSame(odds->Win(h), WinOddsOf(o1, h), "win " + std::to_string(h));
  }
  for (int j = 1; j <= kBracketPairs; ++j) {
    ExpectSame(bracket.Bracket(j), BracketOddsOf(o1, j), "bracket");
    ExpectSame(bracket.Pair(j), BracketOddsOf(o1, j), "bracket pair");
    EXPECT_EQ(quinella.Bracket(j).state, OddsState::kNotRegistered);
  }
  for (int j = 1; j <= kQuinellaPairs; ++j) {
    ExpectSame(quinella.Quinella(j), QuinellaOddsOf(o2, j), "quinella");
    ExpectSame(quinella.Pair(j), QuinellaOddsOf(o2, j), "quinella pair");
    EXPECT_EQ(bracket.Quinella(j).state, OddsState::kNotRegistered);
  }
}

TEST(SnapshotOdds, EveryFieldReadsAsItsText) {
  std::mt19937 random(2024);
  for (int round = 0; round < 40; ++round) {
    std::string o1, o2;
    RandomRecords(random, o1, o2);
    ExpectFieldsOfTheTexts(o1, o2);
    // Stored lines without their CR LF hold every field as well.
    ExpectFieldsOfTheTexts(std::string_view(o1).substr(0, kWinOddsLineLength),
                           std::string_view(o2).substr(0, kQuinellaLineLength));
    if (HasFailure()) return;
  }
}

TEST(SnapshotOdds, ShortRecordsReadAsSpacesPastTheirEnd) {
  std::mt19937 random(5);
  for (int round = 0; round < 40; ++round) {
    std::string o1, o2;
    RandomRecords(random, o1, o2);
    // Cut anywhere, also inside a field.
    o1.resize(random() % kWinOddsLineLength);
    o2.resize(random() % kQuinellaLineLength);
    ExpectFieldsOfTheTexts(o1, o2);
    if (HasFailure()) return;
  }
}

TEST(SnapshotOdds, BlankAndMissingRecordsHoldNoOdds) {
  const std::string o1(kWinOddsRecordLength, ' ');
  const std::string o2(kQuinellaOddsRecordLength, ' ');
  const SnapshotOdds blank(o1, o2, Pairs::kQuinella);
  const SnapshotOdds blankBrackets(o1, o2, Pairs::kBracket);
  const SnapshotOdds missing("", "", Pairs::kQuinella);
  for (const SnapshotOdds* odds : {&blank, &blankBrackets, &missing}) {
    for (int h = 1; h <= kRunnerSlots; ++h) EXPECT_EQ(odds->Win(h).state, OddsState::kNotRegistered);
    for (int j = 1; j <= kQuinellaPairs; ++j) EXPECT_FALSE(odds->Pair(j).HasOdds());
  }
  EXPECT_EQ(SnapshotOdds().Bracket(36).state, OddsState::kNotRegistered);
  EXPECT_EQ(SnapshotOdds().Quinella(153).state, OddsState::kNotRegistered);
}

}  // namespace
}  // namespace tw
