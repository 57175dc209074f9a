#include "text/temp_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/temp_dir.h"
#include "text/files.h"

namespace tw {
namespace {

TEST(TemporaryFiles, OnlyOurNamingCounts) {
  std::string fresh = "x";
  fresh += TemporarySuffix();
  EXPECT_TRUE(IsTemporaryFileName(fresh));
  EXPECT_TRUE(ProcessIsRunning(TemporaryFileOwner(fresh)));
  EXPECT_EQ(TemporaryFileOwner("2024.jvRA.turfwise-4711-3.tmp"), 4711u);
  for (const char* name : {".turfwise-4711-3.tmp", "a.turfwise-4711.tmp", "a.turfwise-0-1.tmp", "a.turfwise--1.tmp",
                           "a.turfwise-12-x.tmp", "mynotes.tmp1", "a.tmp12", "notes.txt"})
    EXPECT_FALSE(IsTemporaryFileName(name)) << name;
}

TEST(TemporaryFiles, TheFirstSaveRemovesOnlyStaleFilesOfOurs) {
  ForgetCleanedFolders();
  test::TempDir dir;
  // A process id above any the system hands out has ended; our own runs.
  const std::string ended = dir.file("2024.jvRA.turfwise-4000000000-1.tmp");
  const std::string live = dir.file(std::string("2024.jvO1") + TemporarySuffix());
  const std::string old = dir.file(std::string("2024.jvO2") + TemporarySuffix());
  const std::string userFile = dir.file("mynotes.tmp1"), oldForm = dir.file("2024.jvRA.tmp4711");
  for (const auto& path : {ended, live, old, userFile, oldForm}) test::WriteBytes(path, "left over");
  std::filesystem::last_write_time(std::filesystem::path(old),
                                   std::filesystem::file_time_type::clock::now() - std::chrono::hours(25));
  ASSERT_TRUE(SaveLines(dir.file("2024.jvHR"), {"HR"}));
  EXPECT_FALSE(std::filesystem::exists(ended));
  EXPECT_FALSE(std::filesystem::exists(old));
  for (const auto& path : {live, userFile, oldForm}) EXPECT_TRUE(std::filesystem::exists(path)) << path;

  // Later saves into the cleaned folder do not list it again.
  test::WriteBytes(ended, "another run's");
  ASSERT_TRUE(SaveLines(dir.file("2024.jvHR"), {"HR"}));
  EXPECT_TRUE(std::filesystem::exists(ended));
  ForgetCleanedFolders();
}

TEST(TemporaryFiles, NeverReadAsDayFiles) {
  test::TempDir dir;
  test::WriteBytes(dir.file(std::string("2024年05月12日.jvRA") + TemporarySuffix()), "RA");
  EXPECT_TRUE(ListFolder(dir.str(), "*.jvRA").empty());
}

}  // namespace
}  // namespace tw
