#include "base/app_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "text/files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tw {
namespace {

namespace fs = std::filesystem;

class AppFolderTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  // An installed program: <prefix>/bin beside <prefix>/share/turfwise.
  std::string InstalledBin() {
    fs::create_directories(dir.path() / "usr" / "bin");
    fs::create_directories(dir.path() / "usr" / "share" / "turfwise");
    return dir.file("usr/bin");
  }
  std::string UserFolder() const { return dir.file("home/.local/share/turfwise"); }
};

TEST_F(AppFolderTest, AWritableProgramFolderIsTheApplicationFolder) {
  const AppFolderChoice choice = ChooseAppFolder(dir.str(), "turfwise.ini", UserFolder());
  EXPECT_EQ(choice.folder, dir.str());
  EXPECT_FALSE(choice.perUser);
  EXPECT_FALSE(FolderExists(UserFolder()));
  // The probe file it wrote is gone again.
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(AppFolderTest, AnInstalledProgramUsesTheCreatedPerUserFolder) {
  const AppFolderChoice choice = ChooseAppFolder(InstalledBin(), "turfwise.ini", UserFolder());
  EXPECT_EQ(choice.folder, UserFolder());
  EXPECT_TRUE(choice.perUser);
  EXPECT_TRUE(choice.error.empty());
  EXPECT_TRUE(FolderExists(UserFolder()));
}

TEST_F(AppFolderTest, SettingsOrDataBesideTheProgramKeepItsFolder) {
  const std::string bin = InstalledBin();
  test::WriteBytes(JoinPath(bin, "turfwise.ini"), "[locate]\r\n");
  EXPECT_EQ(ChooseAppFolder(bin, "turfwise.ini", UserFolder()).folder, bin);
  fs::remove(ToFsPath(JoinPath(bin, "turfwise.ini")));
  fs::create_directory(ToFsPath(JoinPath(bin, "Data")));
  EXPECT_EQ(ChooseAppFolder(bin, "turfwise.ini", UserFolder()).folder, bin);
  EXPECT_FALSE(FolderExists(UserFolder()));
}

TEST_F(AppFolderTest, WithoutAPerUserFolderTheProgramFolderStaysWithAReason) {
  const std::string bin = InstalledBin();
  const AppFolderChoice choice = ChooseAppFolder(bin, "turfwise.ini", "");
  EXPECT_EQ(choice.folder, bin);
  EXPECT_FALSE(choice.perUser);
  EXPECT_FALSE(choice.error.empty());
}

#ifndef _WIN32
TEST_F(AppFolderTest, AReadOnlyProgramFolderUsesThePerUserFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes to read-only folders";
  fs::create_directory(dir.path() / "ro");
  fs::permissions(dir.path() / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  const AppFolderChoice choice = ChooseAppFolder(dir.file("ro"), "turfwise.ini", UserFolder());
  fs::permissions(dir.path() / "ro", fs::perms::owner_all);
  EXPECT_EQ(choice.folder, UserFolder());
  EXPECT_TRUE(choice.perUser);
}

TEST(UserDataFolder, FollowsXdgDataHomeElseHome) {
  const char* savedData = std::getenv("XDG_DATA_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string data = savedData ? savedData : "", home = savedHome ? savedHome : "";
  setenv("XDG_DATA_HOME", "/x/data", 1);
  EXPECT_EQ(UserDataFolder(), "/x/data/turfwise");
  setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(UserDataFolder(), "/home/u/.local/share/turfwise");
  if (savedData)
    setenv("XDG_DATA_HOME", data.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  if (savedHome)
    setenv("HOME", home.c_str(), 1);
  else
    unsetenv("HOME");
}
#endif

TEST_F(AppFolderTest, TheGuideBesideTheProgramOrUnderItsPrefix) {
  const std::string bin = InstalledBin();
  EXPECT_EQ(UserGuideFile(bin), "");
  fs::create_directories(dir.path() / "usr" / "share" / "turfwise" / "guide");
  test::WriteBytes(dir.file("usr/share/turfwise/guide/index.html"), "<html></html>");
  EXPECT_EQ(ToFsPath(UserGuideFile(bin)), dir.path() / "usr" / "share" / "turfwise" / "guide" / "index.html");
  fs::create_directories(dir.path() / "usr" / "bin" / "guide");
  test::WriteBytes(dir.file("usr/bin/guide/index.html"), "<html></html>");
  EXPECT_EQ(ToFsPath(UserGuideFile(bin)), dir.path() / "usr" / "bin" / "guide" / "index.html");
}

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable) {
  const fs::path folder = ToFsPath(ProgramFolder(nullptr));
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(fs::is_directory(folder));
}

}  // namespace
}  // namespace tw
