#include "text/temp_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "text/files.h"

namespace tw {
namespace {

TEST(TemporaryFiles, OnlyOurNamingCounts) {
  EXPECT_TRUE(IsTemporaryFileName("2024.jvRA.tmp123456789"));
  EXPECT_TRUE(IsTemporaryFileName("a.tmp0"));
  std::string fresh = "x";
  fresh += TemporarySuffix();
  EXPECT_TRUE(IsTemporaryFileName(fresh));
  EXPECT_FALSE(IsTemporaryFileName(".tmp12"));  // no file of ours before it
  EXPECT_FALSE(IsTemporaryFileName("a.tmp"));
  EXPECT_FALSE(IsTemporaryFileName("a.tmp1234567890"));
  EXPECT_FALSE(IsTemporaryFileName("a.tmp12x"));
  EXPECT_FALSE(IsTemporaryFileName("notes.txt"));
}

TEST(TemporaryFiles, TheFirstSaveIntoAFolderRemovesThoseAKillLeft) {
  ForgetCleanedFolders();
  test::TempDir dir;
  const std::string stale = dir.file("2024.jvRA.tmp4711"), other = dir.file("2024.jvRA.tmp"),
                    kept = dir.file("user.tmp12.txt");
  for (const auto& path : {stale, other, kept}) test::WriteBytes(path, "left over");
  ASSERT_TRUE(SaveLines(dir.file("2024.jvHR"), {"HR"}));
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(other));
  EXPECT_TRUE(std::filesystem::exists(kept));

  // Later saves into the cleaned folder do not list it again.
  test::WriteBytes(stale, "another run's");
  ASSERT_TRUE(SaveLines(dir.file("2024.jvHR"), {"HR"}));
  EXPECT_TRUE(std::filesystem::exists(stale));
  ForgetCleanedFolders();
}

TEST(TemporaryFiles, NeverReadAsDayFiles) {
  test::TempDir dir;
  test::WriteBytes(dir.file("2024年05月12日.jvRA.tmp12"), "RA");
  EXPECT_TRUE(ListFolder(dir.str(), "*.jvRA").empty());
}

}  // namespace
}  // namespace tw
