#include "base/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <utility>

#include "base/settings_keys.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

// Keys of the file's syntax that the program does not use.
SettingKey Number(const char* section, const char* key, int def) { return {section, key, SettingType::kInteger, def}; }
SettingKey Text(const char* section, const char* key) { return {section, key, SettingType::kText}; }

std::string Upper(std::string text) {
  for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return text;
}

class SettingsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.file("turfwise.ini");
  Settings settings{path};

  void Store(const std::string& text) { test::WriteBytes(path, text); }
};

TEST_F(SettingsTest, MissingFileOrKeyGivesDefaults) {
  EXPECT_EQ(settings.ReadInteger(setting::kMainWindowTop), 10);
  EXPECT_FALSE(settings.ReadBool(setting::kCloseDataListAfterLoad));
  EXPECT_EQ(settings.ReadString(setting::kTimeSeriesFolder), "");
  EXPECT_EQ(settings.ReadString(setting::kDownloadFromTime, "2024/05/04 10:00:00"), "2024/05/04 10:00:00");
  EXPECT_FALSE(FileExists(path));  // reading never creates the file
  Store("[Time]\r\ndelay=3\r\n");
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 15);
  EXPECT_EQ(settings.ReadInteger(Number("locate", "delay", 5)), 5);  // same key, other section
  EXPECT_EQ(settings.ReadInteger(setting::kFetchDelay), 3);
}

TEST_F(SettingsTest, IntegersThatAreNotIntegersGiveTheDefault) {
  Store("[Time]\ndelay=abc\nAutoRdataGet=12x\nempty=\nneg=-7\nspaced=  42  \nplus=+8\nhuge=99999999999\n");
  EXPECT_EQ(settings.ReadInteger(setting::kFetchDelay), 5);
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 15);
  EXPECT_EQ(settings.ReadInteger(Number("Time", "empty", 4)), 4);
  EXPECT_EQ(settings.ReadInteger(Number("Time", "neg", 0)), -7);
  EXPECT_EQ(settings.ReadInteger(Number("Time", "spaced", 0)), 42);
  EXPECT_EQ(settings.ReadInteger(Number("Time", "plus", 0)), 8);
  EXPECT_EQ(settings.ReadInteger(Number("Time", "huge", 1)), 1);
}

TEST_F(SettingsTest, ReadsKeepAValueEditedByHandWithinTheRange) {
  // A result interval of 0 would fetch results back to back all day.
  Store("[Time]\r\ndelay=40\r\nAutoRdataGet=0\r\n[locate]\r\ntop=2147483647\r\nleft=-2147483648\r\n");
  EXPECT_EQ(settings.ReadInteger(setting::kFetchDelay), 15);
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 5);
  EXPECT_EQ(settings.ReadInteger(setting::kMainWindowTop), 32767);
  EXPECT_EQ(settings.ReadInteger(setting::kMainWindowLeft), -32768);
  Store("[Time]\r\ndelay=-3\r\nAutoRdataGet=2147483647\r\n");
  EXPECT_EQ(settings.ReadInteger(setting::kFetchDelay), 0);
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 59);
}

TEST_F(SettingsTest, AnUnreadableFileIsNeverReplaced) {
  std::filesystem::create_directory(path);  // exists, but reads fail
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 15);
  std::string error;
  EXPECT_FALSE(settings.WriteRaw(setting::kResultInterval, "20", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SettingsTest, AnEditWhileRunningIsReadAndAWriteIsSeenAtOnce) {
  Store("[Time]\r\nAutoRdataGet=20\r\n");
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 20);
  Store("[Time]\r\nAutoRdataGet=30\r\n");  // the same size: the time tells
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 30);
  Store("[Time]\r\nAutoRdataGet=7\r\n");  // another size
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 7);
  ASSERT_TRUE(settings.WriteInteger(setting::kResultInterval, 9));
  EXPECT_EQ(settings.ReadInteger(setting::kResultInterval), 9);
  Settings other(path);
  ASSERT_TRUE(other.WriteInteger(setting::kFetchDelay, 4));
  EXPECT_EQ(settings.ReadInteger(setting::kFetchDelay), 4);
}

TEST_F(SettingsTest, WritesKeepNumbersWithinTheirRange) {
  ASSERT_TRUE(settings.WriteInteger(setting::kFetchDelay, 16));
  ASSERT_TRUE(settings.WriteInteger(setting::kResultInterval, 4));
  ASSERT_TRUE(settings.WriteInteger(setting::kMainWindowTop, -40000));
  EXPECT_EQ(test::ReadBytes(path), "[Time]\r\ndelay=15\r\nAutoRdataGet=5\r\n\r\n[locate]\r\ntop=-32768\r\n");
}

TEST_F(SettingsTest, BooleansAreOneAndZero) {
  ASSERT_TRUE(settings.WriteBool(setting::kCloseDataListAfterLoad, true));
  EXPECT_EQ(settings.ReadRaw(setting::kCloseDataListAfterLoad), "1");
  EXPECT_TRUE(settings.ReadBool(setting::kCloseDataListAfterLoad));
  ASSERT_TRUE(settings.WriteBool(setting::kCloseDataListAfterLoad, false));
  EXPECT_EQ(settings.ReadRaw(setting::kCloseDataListAfterLoad), "0");
  EXPECT_FALSE(settings.ReadBool(setting::kCloseDataListAfterLoad));
}

TEST_F(SettingsTest, StringsInCornerBracketsOrQuotes) {
  const std::string open = "\xA2", close = "\xA3";
  Store("[Dir]\r\nbracketed=" + open + " abc " + close + "\r\nquotes=\"\"\r\nbrackets=" + open + close +
        "\r\nquoted=\"x y\"\r\nplain=C:\\odds\\Data\r\nhalf=\"abc\r\none=\"\r\n");
  EXPECT_EQ(settings.ReadString(Text("Dir", "bracketed"), "d"), " abc ");
  EXPECT_EQ(settings.ReadString(Text("Dir", "quotes"), "d"), "");
  EXPECT_EQ(settings.ReadString(Text("Dir", "brackets"), "d"), "");
  EXPECT_EQ(settings.ReadString(Text("Dir", "quoted"), "d"), "x y");
  EXPECT_EQ(settings.ReadString(Text("Dir", "plain"), "d"), "C:\\odds\\Data");
  EXPECT_EQ(settings.ReadString(Text("Dir", "half"), "d"), "\"abc");
  EXPECT_EQ(settings.ReadString(Text("Dir", "one"), "d"), "\"");
  // A default with spaces comes back with them.
  EXPECT_EQ(settings.ReadString(Text("Dir", "missing"), "  x "), "  x ");
}

TEST_F(SettingsTest, StringsAreWrittenUnchanged) {
  std::string folder = Sjis("C:\\競馬\\時系列\\Data");
  ASSERT_TRUE(settings.WriteString(setting::kTimeSeriesFolder, folder));
  EXPECT_EQ(settings.ReadRaw(setting::kTimeSeriesFolder), folder);
  EXPECT_EQ(settings.ReadString(setting::kTimeSeriesFolder), folder);
}

TEST_F(SettingsTest, WritesKeepEverythingElse) {
  Store("; settings\r\n[locate]\r\ntop=20\r\n; window\r\nleft=30\r\n\r\n[Time]\r\ndelay=5\r\n");
  ASSERT_TRUE(settings.WriteInteger(setting::kMainWindowLeft, 99));
  ASSERT_TRUE(settings.WriteInteger(setting::kMainWindowWidth, 640));
  ASSERT_TRUE(settings.WriteInteger(setting::kResultInterval, 20));
  ASSERT_TRUE(settings.WriteInteger(setting::kPrintZoom, 2));
  EXPECT_EQ(test::ReadBytes(path),
            "; settings\r\n[locate]\r\ntop=20\r\n; window\r\nleft=99\r\nwidth=640\r\n\r\n[Time]\r\ndelay=5\r\n"
            "AutoRdataGet=20\r\n\r\n[PrintZoom]\r\nratio=2\r\n");
}

TEST_F(SettingsTest, NamesCompareWithoutCase) {
  Store("[LOCATE]\r\nTOP=25\r\n");
  EXPECT_EQ(settings.ReadInteger(setting::kMainWindowTop), 25);
  ASSERT_TRUE(settings.WriteInteger(Number("Locate", "Top", 10), 26));
  EXPECT_EQ(test::ReadBytes(path), "[LOCATE]\r\nTop=26\r\n");
}

TEST_F(SettingsTest, FailedWriteReportsIt) {
  Settings nowhere(dir.file("missing/turfwise.ini"));
  std::string error;
  EXPECT_FALSE(nowhere.WriteRaw(setting::kFetchDelay, "5", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(nowhere.WriteInteger(setting::kFetchDelay, 5));
}

TEST_F(SettingsTest, FolderInPlaceOfTheFileGivesDefaults) {
  Settings folder(dir.str());
  EXPECT_EQ(folder.ReadInteger(setting::kMainWindowTop), 10);
  EXPECT_EQ(folder.ReadString(setting::kTimeSeriesFolder, "d"), "d");
  EXPECT_FALSE(folder.WriteInteger(setting::kMainWindowTop, 1));
}

TEST(SettingKeys, EachKeyOnceWithADefaultOfItsType) {
  std::set<std::pair<std::string, std::string>> seen;
  for (const SettingKey* key : kSettingKeys) {
    EXPECT_TRUE(seen.insert({Upper(key->section), Upper(key->key)}).second) << key->section << key->key;
    if (key->HasRange()) {
      EXPECT_EQ(key->type, SettingType::kInteger) << key->key;
      EXPECT_GE(key->defaultNumber, key->min) << key->key;
      EXPECT_LE(key->defaultNumber, key->max) << key->key;
    }
    if (key->type == SettingType::kBool) {
      EXPECT_TRUE(key->defaultNumber == 0 || key->defaultNumber == 1) << key->key;
    }
    if (key->type != SettingType::kText) {
      EXPECT_EQ(key->defaultText, nullptr) << key->key;
    }
  }
}

// Every key the program reads or writes is one of the table: no source file
// outside it makes a key of its own.
TEST(SettingKeys, NoKeyIsMadeOutsideTheTable) {
  const std::filesystem::path src = std::filesystem::path(TURFWISE_SOURCE_DIR) / "src";
  ASSERT_TRUE(std::filesystem::is_directory(src));
  for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file() || entry.path().filename() == "settings_keys.h") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text.find("SettingType::"), std::string::npos) << entry.path();
    EXPECT_EQ(text.find("SettingKey{"), std::string::npos) << entry.path();
  }
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
