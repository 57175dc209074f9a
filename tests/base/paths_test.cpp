#include "base/paths.h"

#include <gtest/gtest.h>

#include "text/files.h"

namespace tw {
namespace {

TEST(AppPaths, FilesBesideTheProgram) {
  AppPaths paths("/opt/tw/", "turfwise.exe");
  EXPECT_EQ(paths.appFolder(), "/opt/tw");
  EXPECT_EQ(paths.DataFolder(), JoinPath("/opt/tw", "Data"));
  EXPECT_EQ(paths.ErrorLogFile(), JoinPath("/opt/tw", "ErrorLog.txt"));
  EXPECT_EQ(paths.HelpFile(), JoinPath("/opt/tw", "TWjdl.chm"));
  EXPECT_EQ(paths.SettingsFile(), JoinPath("/opt/tw", "turfwise.ini"));
  EXPECT_EQ(paths.UploadFolder(), JoinPath("/opt/tw", "HPupload"));
}

TEST(AppPaths, SettingsFileName) {
  EXPECT_EQ(SettingsFileName("TWjdl.exe"), "TWjdl.ini");
  EXPECT_EQ(SettingsFileName("turfwise"), "turfwise.ini");
  EXPECT_EQ(SettingsFileName("my.tool.exe"), "my.tool.ini");
  EXPECT_EQ(SettingsFileName(".hidden"), ".hidden.ini");
}

}  // namespace
}  // namespace tw
