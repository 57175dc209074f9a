#include "base/companion_folder.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/files.h"

namespace tw {
namespace {

class CompanionFolderTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  Settings settings{dir.file("turfwise.ini")};
  int registryReads = 0;
  std::function<std::string()> Registry(std::string value) {
    return [this, value] {
      ++registryReads;
      return value;
    };
  }
};

TEST_F(CompanionFolderTest, ValueAlreadySetIsNeverReplaced) {
  ASSERT_TRUE(settings.WriteString(setting::kTimeSeriesFolder, "/mine"));
  FindCompanionFolder(settings, Registry("/opt/viewer"));
  EXPECT_EQ(settings.ReadString(setting::kTimeSeriesFolder), "/mine");
  EXPECT_EQ(registryReads, 0);
}

TEST_F(CompanionFolderTest, AbsentEverywhereStaysAbsent) {
  ASSERT_TRUE(settings.WriteInteger(setting::kFetchDelay, 5));
  FindCompanionFolder(settings, Registry(""));
  EXPECT_FALSE(settings.ReadRaw(setting::kTimeSeriesFolder).has_value());
  FindCompanionFolder(settings, Registry("   "));
  EXPECT_FALSE(settings.ReadRaw(setting::kTimeSeriesFolder).has_value());
  EXPECT_EQ(test::ReadBytes(settings.path()), "[Time]\r\ndelay=5\r\n");
}

TEST_F(CompanionFolderTest, NoRegistryAtAllLeavesTheFileAlone) {
  FindCompanionFolder(settings, nullptr);
  EXPECT_FALSE(FileExists(settings.path()));
}

TEST_F(CompanionFolderTest, RegistryFolderGetsTheDataFolderAppended) {
  FindCompanionFolder(settings, Registry("/opt/viewer"));
  EXPECT_EQ(settings.ReadString(setting::kTimeSeriesFolder), JoinPath("/opt/viewer", "Data"));
  EXPECT_EQ(registryReads, 1);
}

TEST_F(CompanionFolderTest, BlankValueIsFilledFromTheRegistry) {
  ASSERT_TRUE(settings.WriteString(setting::kTimeSeriesFolder, "  "));
  FindCompanionFolder(settings, Registry(" /opt/viewer "));
  EXPECT_EQ(settings.ReadString(setting::kTimeSeriesFolder), JoinPath("/opt/viewer", "Data"));
}

}  // namespace
}  // namespace tw
