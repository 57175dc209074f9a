#include "text/sjis.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace tw {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

TEST(Sjis, JapaneseTextRoundTrips) {
  for (const char* text : {"2024年05月12日", "東京", "ｵｯｽﾞ取得", "ﾃﾞｰﾀを読み込んでください。", "（０分～１５分）",
                           "ＣＤ －ＲＯＭ", "【エラー】", "澳門", "abc 123", ""}) {
    std::string sjis = Utf8ToSjis(text);
    EXPECT_EQ(SjisToUtf8(sjis), text);
  }
}

TEST(Sjis, ByteWidths) {
  EXPECT_EQ(Sjis("2024年05月12日").size(), 14u);
  EXPECT_EQ(Sjis("東京"), "\x93\x8C\x8B\x9E");
  EXPECT_EQ(Sjis("ｵｯｽﾞ"), "\xB5\xAF\xBD\xDE");  // half-width katakana are single bytes
  EXPECT_EQ(Sjis("｢｣"), "\xA2\xA3");
  EXPECT_EQ(Sjis("～"), "\x81\x60");
  EXPECT_EQ(Sjis("\\~"), "\\~");  // ASCII stays ASCII in file paths
}

TEST(Sjis, BadBytesBecomeReplacementCharacters) {
  // 0x81 followed by a byte that cannot trail: one replacement, then the byte.
  EXPECT_EQ(SjisToUtf8("a\x81 b"), "a" + kReplacement + " b");
  EXPECT_EQ(SjisToUtf8(std::string("\xFF", 1)), kReplacement);
  // Text after a bad byte still converts.
  std::string text = "\xFF";
  text += Sjis("東京");
  EXPECT_EQ(SjisToUtf8(text), kReplacement + "東京");
}

TEST(Sjis, UnassignedPairWithTheLowestTrailByteIsOneCharacter) {
  // 0x85 0x40 is a lead byte and a valid trail byte with no character: both
  // bytes become one replacement, and the 0x40 ("@") is not read again.
  EXPECT_EQ(SjisToUtf8("a\x85\x40z"), "a" + kReplacement + "z");
  EXPECT_EQ(SjisToUtf8("\x85\x40"), kReplacement);
  // The lowest trail byte of an assigned pair converts: 0x81 0x40 is the ideographic space.
  EXPECT_EQ(SjisToUtf8("\x81\x40"), "\xE3\x80\x80");
  // 0x3F is below the trail range: one replacement, then the "?".
  EXPECT_EQ(SjisToUtf8("\x85\x3F"), kReplacement + "?");
}

TEST(Sjis, TruncatedLeadByteAtTheEnd) {
  EXPECT_EQ(SjisToUtf8("ab\x93"), "ab" + kReplacement);
  EXPECT_EQ(SjisToUtf8(Sjis("東京").substr(0, 3)), "東" + kReplacement);
  EXPECT_EQ(SjisToUtf8("\x81"), kReplacement);
}

TEST(Sjis, ACutOffTextLeavesNothingForTheNextConversion) {
  // Conversions share one descriptor per direction and thread: a text that
  // ends inside a character must not carry its lead byte into the next one.
  const std::string tokyo = Sjis("東京");
  EXPECT_EQ(SjisToUtf8(tokyo.substr(0, 1)), kReplacement);
  EXPECT_EQ(SjisToUtf8(tokyo), "東京");
  EXPECT_EQ(Utf8ToSjis("\xE6\x9D"), "?");
  EXPECT_EQ(Utf8ToSjis("東京"), tokyo);
}

TEST(Sjis, ThreadsConvertAlike) {
  const std::string text = Sjis("2024年05月12日 ｵｯｽﾞ取得");
  std::vector<std::string> results(4);
  {
    std::vector<std::jthread> threads;
    for (size_t k = 0; k < results.size(); ++k) {
      threads.emplace_back([&results, &text, k] {
        for (int i = 0; i < 200; ++i) results[k] = Utf8ToSjis(SjisToUtf8(text));
      });
    }
  }
  for (const std::string& r : results) EXPECT_EQ(r, text);
}

TEST(Sjis, CharactersWithoutShiftJisFormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToSjis("a\xF0\x9F\x90\x8E"
                       "b"),
            "a?b");                            // an emoji
  EXPECT_EQ(Utf8ToSjis("x\xC3\xA9y"), "x?y");  // é
  EXPECT_EQ(Utf8ToSjis("\xE6\x9D"), "?");      // truncated UTF-8
}

TEST(Sjis, LeadBytes) {
  EXPECT_TRUE(IsSjisLeadByte(0x81));
  EXPECT_TRUE(IsSjisLeadByte(0x9F));
  EXPECT_TRUE(IsSjisLeadByte(0xE0));
  EXPECT_TRUE(IsSjisLeadByte(0xFC));
  EXPECT_FALSE(IsSjisLeadByte(0x80));
  EXPECT_FALSE(IsSjisLeadByte(0xA2));  // half-width katakana range
  EXPECT_FALSE(IsSjisLeadByte(0xDF));
  EXPECT_FALSE(IsSjisLeadByte('A'));
}

}  // namespace
}  // namespace tw
