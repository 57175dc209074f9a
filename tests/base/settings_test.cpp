#include "base/settings.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.file("turfwise.ini");
  Settings settings{path};

  void Store(const std::string& text) { test::WriteBytes(path, text); }
};

TEST_F(SettingsTest, MissingFileOrKeyGivesDefaults) {
  EXPECT_EQ(settings.ReadInteger("locate", "top", 10), 10);
  EXPECT_FALSE(settings.ReadBool("datalist", "close", false));
  EXPECT_EQ(settings.ReadString("Dir", "jikeiretu", ""), "");
  EXPECT_EQ(settings.ReadString("JvDataGet", "LastTime", "2024/05/04 10:00:00"), "2024/05/04 10:00:00");
  EXPECT_FALSE(FileExists(path));  // reading never creates the file
  Store("[Time]\r\ndelay=3\r\n");
  EXPECT_EQ(settings.ReadInteger("Time", "AutoRdataGet", 15), 15);
  EXPECT_EQ(settings.ReadInteger("locate", "delay", 5), 5);  // same key, other section
  EXPECT_EQ(settings.ReadInteger("Time", "delay", 5), 3);
}

TEST_F(SettingsTest, IntegersThatAreNotIntegersGiveTheDefault) {
  Store("[Time]\ndelay=abc\nAutoRdataGet=12x\nempty=\nneg=-7\nspaced=  42  \nplus=+8\nhuge=99999999999\n");
  EXPECT_EQ(settings.ReadInteger("Time", "delay", 5), 5);
  EXPECT_EQ(settings.ReadInteger("Time", "AutoRdataGet", 15), 15);
  EXPECT_EQ(settings.ReadInteger("Time", "empty", 4), 4);
  EXPECT_EQ(settings.ReadInteger("Time", "neg", 0), -7);
  EXPECT_EQ(settings.ReadInteger("Time", "spaced", 0), 42);
  EXPECT_EQ(settings.ReadInteger("Time", "plus", 0), 8);
  EXPECT_EQ(settings.ReadInteger("Time", "huge", 1), 1);
}

TEST_F(SettingsTest, BooleansAreOneAndZero) {
  ASSERT_TRUE(settings.WriteBool("datalist", "close", true));
  EXPECT_EQ(settings.ReadRaw("datalist", "close"), "1");
  EXPECT_TRUE(settings.ReadBool("datalist", "close", false));
  ASSERT_TRUE(settings.WriteBool("datalist", "close", false));
  EXPECT_EQ(settings.ReadRaw("datalist", "close"), "0");
  EXPECT_FALSE(settings.ReadBool("datalist", "close", true));
}

TEST_F(SettingsTest, StringsInCornerBracketsOrQuotes) {
  const std::string open = "\xA2", close = "\xA3";
  Store("[Dir]\r\nbracketed=" + open + " abc " + close + "\r\nquotes=\"\"\r\nbrackets=" + open + close +
        "\r\nquoted=\"x y\"\r\nplain=C:\\odds\\Data\r\nhalf=\"abc\r\none=\"\r\n");
  EXPECT_EQ(settings.ReadString("Dir", "bracketed", "d"), " abc ");
  EXPECT_EQ(settings.ReadString("Dir", "quotes", "d"), "");
  EXPECT_EQ(settings.ReadString("Dir", "brackets", "d"), "");
  EXPECT_EQ(settings.ReadString("Dir", "quoted", "d"), "x y");
  EXPECT_EQ(settings.ReadString("Dir", "plain", "d"), "C:\\odds\\Data");
  EXPECT_EQ(settings.ReadString("Dir", "half", "d"), "\"abc");
  EXPECT_EQ(settings.ReadString("Dir", "one", "d"), "\"");
  // A default with spaces comes back with them.
  EXPECT_EQ(settings.ReadString("Dir", "missing", "  x "), "  x ");
}

TEST_F(SettingsTest, StringsAreWrittenUnchanged) {
  std::string folder = Sjis("C:\\競馬\\時系列\\Data");
  ASSERT_TRUE(settings.WriteString("Dir", "jikeiretu", folder));
  EXPECT_EQ(settings.ReadRaw("Dir", "jikeiretu"), folder);
  EXPECT_EQ(settings.ReadString("Dir", "jikeiretu", ""), folder);
}

TEST_F(SettingsTest, WritesKeepEverythingElse) {
  Store("; settings\r\n[locate]\r\ntop=20\r\n; window\r\nleft=30\r\n\r\n[Time]\r\ndelay=5\r\n");
  ASSERT_TRUE(settings.WriteInteger("locate", "left", 99));
  ASSERT_TRUE(settings.WriteInteger("locate", "width", 640));
  ASSERT_TRUE(settings.WriteInteger("Time", "AutoRdataGet", 20));
  ASSERT_TRUE(settings.WriteInteger("PrintZoom", "ratio", 2));
  EXPECT_EQ(test::ReadBytes(path),
            "; settings\r\n[locate]\r\ntop=20\r\n; window\r\nleft=99\r\nwidth=640\r\n\r\n[Time]\r\ndelay=5\r\n"
            "AutoRdataGet=20\r\n\r\n[PrintZoom]\r\nratio=2\r\n");
}

TEST_F(SettingsTest, NamesCompareWithoutCase) {
  Store("[LOCATE]\r\nTOP=25\r\n");
  EXPECT_EQ(settings.ReadInteger("locate", "top", 10), 25);
  ASSERT_TRUE(settings.WriteInteger("Locate", "Top", 26));
  EXPECT_EQ(test::ReadBytes(path), "[LOCATE]\r\nTop=26\r\n");
}

TEST_F(SettingsTest, FailedWriteReportsIt) {
  Settings nowhere(dir.file("missing/turfwise.ini"));
  std::string error;
  EXPECT_FALSE(nowhere.WriteRaw("Time", "delay", "5", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(nowhere.WriteInteger("Time", "delay", 5));
}

TEST_F(SettingsTest, FolderInPlaceOfTheFileGivesDefaults) {
  Settings folder(dir.str());
  EXPECT_EQ(folder.ReadInteger("locate", "top", 10), 10);
  EXPECT_EQ(folder.ReadString("Dir", "jikeiretu", "d"), "d");
  EXPECT_FALSE(folder.WriteInteger("locate", "top", 1));
}

TEST(UnwrapSettingString, Rule) {
  EXPECT_EQ(UnwrapSettingString(""), "");
  EXPECT_EQ(UnwrapSettingString("\"\""), "");
  EXPECT_EQ(UnwrapSettingString("\xA2\xA3"), "");
  EXPECT_EQ(UnwrapSettingString("\xA2 \xA3"), " ");
  EXPECT_EQ(UnwrapSettingString("\"a\xA3"), "\"a\xA3");
  EXPECT_EQ(UnwrapSettingString("ab"), "ab");
}

}  // namespace
}  // namespace tw
