#include "records/odds_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "text/fields.h"

namespace tw {
namespace {

// The validity rule as the layout states it: after trimming spaces not empty
// and not all zeros, and untrimmed neither all dashes nor all asterisks.
bool HoldsOddsByTheLayout(const std::string& text) {
  const std::string trimmed = Trim(text);
  return !trimmed.empty() && trimmed != std::string(text.size(), '0') && text != std::string(text.size(), '-') &&
         text != std::string(text.size(), '*');
}

// Every four-byte text over digits, the fill characters, a sign and bytes
// that are no ASCII at all (a Shift-JIS lead byte).
std::vector<std::string> AllFourByteTexts() {
  const std::string alphabet = " 0159-*+A\x82";
  std::vector<std::string> texts;
  for (char a : alphabet)
    for (char b : alphabet)
      for (char c : alphabet)
        for (char d : alphabet) texts.push_back({a, b, c, d});
  return texts;
}

TEST(OddsNumber, EachFormOfTheLayoutHasItsState) {
  EXPECT_EQ(ReadOddsNumber("    ").state, OddsState::kNotRegistered);
  EXPECT_EQ(ReadOddsNumber("0000").state, OddsState::kNoVotes);
  EXPECT_EQ(ReadOddsNumber("----").state, OddsState::kCancelledBeforeSales);
  EXPECT_EQ(ReadOddsNumber("****").state, OddsState::kCancelledAfterSales);
  EXPECT_EQ(ReadOddsNumber("000000").state, OddsState::kNoVotes);
  EXPECT_EQ(ReadOddsNumber("-----").state, OddsState::kCancelledBeforeSales);
  EXPECT_EQ(ReadOddsNumber("******").state, OddsState::kCancelledAfterSales);
  EXPECT_EQ(ReadOddsNumber("").state, OddsState::kNotRegistered);
  EXPECT_EQ(OddsNumber{}.state, OddsState::kNotRegistered);
  for (const char* text : {"    ", "0000", "----", "****"}) EXPECT_EQ(ReadOddsNumber(text).value, 0) << text;

  const OddsNumber odds = ReadOddsNumber("0056");
  EXPECT_TRUE(odds.HasOdds());
  EXPECT_EQ(odds.value, 56);
  EXPECT_EQ(ReadOddsNumber("9999").value, 9999);
  EXPECT_EQ(ReadOddsNumber("999999").value, 999999);
}

TEST(OddsNumber, TextsOutsideTheLayoutReadAsTheTextRulesReadThem) {
  // Mixed fill characters hold odds by the rule, whatever their value.
  EXPECT_TRUE(ReadOddsNumber("--12").HasOdds());
  EXPECT_EQ(ReadOddsNumber("--12").value, 0);
  EXPECT_EQ(ReadOddsNumber("-012").value, -12);
  EXPECT_EQ(ReadOddsNumber("+012").value, 12);
  EXPECT_EQ(ReadOddsNumber(" 12 ").value, 12);
  EXPECT_EQ(ReadOddsNumber("1 2 ").value, 1);
  EXPECT_TRUE(ReadOddsNumber(" 000").HasOdds());
  EXPECT_EQ(ReadOddsNumber(" 000").value, 0);
  EXPECT_EQ(ReadOddsNumber("0001").value, 1);
}

TEST(OddsNumber, AgreesWithTheLayoutAndIntValueOnEveryFourByteText) {
  for (const std::string& text : AllFourByteTexts()) {
    const OddsNumber odds = ReadOddsNumber(text);
    ASSERT_EQ(odds.HasOdds(), HoldsOddsByTheLayout(text)) << '"' << text << '"';
    ASSERT_EQ(odds.state == OddsState::kOdds, OddsStateOf(text) == OddsState::kOdds) << '"' << text << '"';
    ASSERT_EQ(odds.value, IntValue(text)) << '"' << text << '"';
  }
}

TEST(OddsNumber, TextOrderSortsLikeTheTexts) {
  std::vector<std::string> texts = AllFourByteTexts();
  std::mt19937 random(7);
  std::shuffle(texts.begin(), texts.end(), random);
  std::vector<std::string> byOrder = texts;
  std::sort(byOrder.begin(), byOrder.end(), [](const std::string& a, const std::string& b) {
    return ReadOddsNumber(a).textOrder < ReadOddsNumber(b).textOrder;
  });
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(byOrder, texts);
  EXPECT_LT(ReadOddsNumber("000095").textOrder, ReadOddsNumber("000100").textOrder);
}

TEST(OddsNumber, FieldsPastTheEndOfAShortRecordAreSpaces) {
  const std::string record = "xx0123004";
  EXPECT_EQ(ReadOddsNumberAt(record, 3, 4).value, 123);
  // "004" and a space: the digits up to the space.
  const OddsNumber cut = ReadOddsNumberAt(record, 7, 4);
  EXPECT_TRUE(cut.HasOdds());
  EXPECT_EQ(cut.value, 4);
  EXPECT_EQ(cut.textOrder, ReadOddsNumber("004 ").textOrder);
  EXPECT_EQ(ReadOddsNumberAt(record, 10, 4).state, OddsState::kNotRegistered);
  EXPECT_EQ(ReadOddsNumberAt(record, 40, 6).state, OddsState::kNotRegistered);
  EXPECT_EQ(ReadOddsNumberAt(record, 0, 4).state, OddsState::kNotRegistered);
  EXPECT_EQ(ReadOddsNumberAt("", 1, 5).textOrder, ReadOddsNumber("     ").textOrder);
}

TEST(OddsNumber, ValidityRule) {
  EXPECT_TRUE(IsValidOddsText("0123"));
  EXPECT_TRUE(IsValidOddsText("0001"));
  EXPECT_TRUE(IsValidOddsText(" 000"));
  EXPECT_FALSE(IsValidOddsText("0000"));
  EXPECT_FALSE(IsValidOddsText("    "));
  EXPECT_FALSE(IsValidOddsText("----"));
  EXPECT_FALSE(IsValidOddsText("****"));
  EXPECT_TRUE(IsValidOddsText("--12"));
  EXPECT_FALSE(IsValidOddsText("00000"));
  EXPECT_FALSE(IsValidOddsText("-----"));
  EXPECT_FALSE(IsValidOddsText("******"));
  EXPECT_FALSE(IsValidOddsText("000000"));
  EXPECT_TRUE(IsValidOddsText("00000 "));
}

}  // namespace
}  // namespace tw
