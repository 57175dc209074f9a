#include "text/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "text/save_fault.h"
#include "text/sjis.h"

namespace tw {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, LineEnds) {
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb\r\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("\r\n\r\nx"), (Lines{"", "", "x"}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("   \r\n"), Lines{"   "});  // blank snapshot lines keep their spaces
}

TEST(SplitLines, ShiftJisLinesStayWhole) {
  std::string text = Sjis("ソフト起動：2024/05/12 09:00:00") + "\r\n" + Sjis("ｵｯｽﾞ") + "\r\n";
  Lines lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(SjisToUtf8(lines[0]), "ソフト起動：2024/05/12 09:00:00");
  EXPECT_EQ(SjisToUtf8(lines[1]), "ｵｯｽﾞ");
}

TEST(SaveLines, WritesCrLfAndLoadsBack) {
  test::TempDir dir;
  std::string path = dir.file("a.txt");
  ASSERT_TRUE(SaveLines(path, {"one", "", Sjis("東京")}));
  EXPECT_EQ(test::ReadBytes(path), "one\r\n\r\n" + Sjis("東京") + "\r\n");
  EXPECT_EQ(LoadLines(path), (Lines{"one", "", Sjis("東京")}));
  ASSERT_TRUE(SaveLines(path, {}));
  EXPECT_EQ(test::ReadBytes(path), "");
  EXPECT_EQ(LoadLines(path), Lines{});
}

TEST(CreateFileAtomic, NeverReplacesAFileAnotherProgramMade) {
  test::TempDir dir;
  std::string path = dir.file("a.jvO1");
  bool alreadyThere = true;
  ASSERT_TRUE(CreateFileAtomic(path, "first", alreadyThere));
  EXPECT_FALSE(alreadyThere);
  ASSERT_TRUE(CreateFileAtomic(path, "second", alreadyThere));
  EXPECT_TRUE(alreadyThere);
  EXPECT_EQ(test::ReadBytes(path), "first");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
}

TEST(LoadLines, MissingOrUnreadableFile) {
  test::TempDir dir;
  EXPECT_FALSE(LoadLines(dir.file("none.txt")).has_value());
  EXPECT_FALSE(ReadFileBytes(dir.file("none.txt")).has_value());
  // A folder where a file is expected is not readable (and must not crash).
  EXPECT_FALSE(ReadFileBytes(dir.str()).has_value());
  EXPECT_FALSE(LoadLines(dir.str()).has_value());
}

TEST(ReadFileBytes, LargeAndBinaryFiles) {
  test::TempDir dir;
  std::string bytes(200000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  test::WriteBytes(dir.file("big"), bytes);
  EXPECT_EQ(ReadFileBytes(dir.file("big")), bytes);
  test::WriteBytes(dir.file("empty"), "");
  EXPECT_EQ(ReadFileBytes(dir.file("empty")), "");
}

TEST(ReadFileBounded, ALargerFileIsNotRead) {
  test::TempDir dir;
  test::WriteBytes(dir.file("f"), std::string(1000, 'x'));
  std::string bytes = "old";
  EXPECT_EQ(ReadFileBounded(dir.file("f"), 999, bytes), ReadStatus::kTooLarge);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(ReadFileBounded(dir.file("f"), 1000, bytes), ReadStatus::kRead);
  EXPECT_EQ(bytes.size(), 1000u);
  EXPECT_EQ(ReadFileBounded(dir.file("none"), 1000, bytes), ReadStatus::kMissing);
  EXPECT_EQ(ReadFileBounded(dir.str(), 1000, bytes), ReadStatus::kUnreadable);
  EXPECT_FALSE(LoadLines(dir.file("f"), 10).has_value());
}

TEST(WriteFileAtomic, ReplacesWholeAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  std::string path = dir.file("f.jvO1");
  test::WriteBytes(path, "old contents that are longer");
  ASSERT_TRUE(WriteFileAtomic(path, "new"));
  EXPECT_EQ(test::ReadBytes(path), "new");
  EXPECT_EQ(ListFolder(dir.str(), "*"), Lines{"f.jvO1"});
}

TEST(WriteFileAtomic, MissingFolderReportsFailure) {
  test::TempDir dir;
  SaveResult r = WriteFileAtomic(dir.file("missing/f.txt"), "x");
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error.empty());
  EXPECT_FALSE(FileExists(dir.file("missing/f.txt")));
}

TEST(WriteFileAtomic, DirectoryAsTargetKeepsItAndCleansUp) {
  test::TempDir dir;
  std::string target = dir.file("sub");
  std::filesystem::create_directory(target);
  test::WriteBytes(dir.file("sub/inner.txt"), "kept");
  SaveResult r = SaveLines(target, {"x"});
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
  EXPECT_TRUE(FolderExists(target));
  EXPECT_EQ(test::ReadBytes(dir.file("sub/inner.txt")), "kept");
  EXPECT_EQ(ListFolder(dir.str(), "*"), Lines{});  // no temporary file left behind
}

TEST(WriteFileAtomic, FailedSaveLeavesTheOldFileIntactAtEveryStage) {
  for (SaveFaultStage stage : {SaveFaultStage::kOpen, SaveFaultStage::kWrite, SaveFaultStage::kRename}) {
    test::TempDir dir;
    std::string path = dir.file("day.jvO1");
    test::WriteBytes(path, "old\r\n");
    ScopedSaveFault fault(".jvO1", stage);
    SaveResult r = SaveLines(path, {"new", "lines"});
    EXPECT_FALSE(r.ok) << static_cast<int>(stage);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(fault.failures(), 1);
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    EXPECT_EQ(ListFolder(dir.str(), "*"), Lines{"day.jvO1"}) << "no temporary file left behind";
  }
}

TEST(WriteFileAtomic, FaultTouchesOnlyTheFilesItNames) {
  test::TempDir dir;
  ScopedSaveFault fault(".jvO2");
  EXPECT_TRUE(SaveLines(dir.file("day.jvO1"), {"kept"}).ok);
  EXPECT_FALSE(SaveLines(dir.file("day.jvO2"), {"lost"}).ok);
  EXPECT_EQ(test::ReadBytes(dir.file("day.jvO1")), "kept\r\n");
  EXPECT_FALSE(FileExists(dir.file("day.jvO2")));
}

TEST(ListFolder, WildcardCaseInsensitiveSorted) {
  test::TempDir dir;
  for (const char* name : {"b.jvRA", "a.JVRA", "c.jvra.bak", "d.jvSEr", "e.jvRAx"})
    test::WriteBytes(dir.file(name), "");
  std::filesystem::create_directory(dir.path() / "f.jvRA");  // folders are not listed
  EXPECT_EQ(ListFolder(dir.str(), "*.jvRA"), (Lines{"a.JVRA", "b.jvRA"}));
  EXPECT_EQ(ListFolder(dir.str(), "?.jvser"), Lines{"d.jvSEr"});
  EXPECT_EQ(ListFolder(dir.str(), "*.none"), Lines{});
  EXPECT_EQ(ListFolder(dir.file("missing"), "*"), Lines{});
}

TEST(ListFolder, ShiftJisNames) {
  test::TempDir dir;
  std::string day = Sjis("2024年05月12日");
  ASSERT_TRUE(SaveLines(JoinPath(dir.str(), day + ".jvRA"), {"RA"}));
  ASSERT_TRUE(SaveLines(JoinPath(dir.str(), day + Sjis("東京") + ".jvSEr"), {"SE"}));
  ASSERT_TRUE(SaveLines(JoinPath(dir.str(), Sjis("2024年05月11日.jvRA")), {"RA"}));
  EXPECT_EQ(ListFolder(dir.str(), "*.jvRA"), (Lines{Sjis("2024年05月11日.jvRA"), day + ".jvRA"}));
  EXPECT_EQ(ListFolder(dir.str(), day + "*"), (Lines{day + ".jvRA", day + Sjis("東京") + ".jvSEr"}));
  EXPECT_TRUE(FileExists(JoinPath(dir.str(), day + ".jvRA")));
  EXPECT_EQ(LoadLines(JoinPath(dir.str(), day + ".jvRA")), Lines{"RA"});
  // On disk the name is the UTF-8 form of the Shift-JIS name.
  EXPECT_TRUE(std::filesystem::exists(dir.path() / std::filesystem::path(u8"2024年05月12日.jvRA")));
}

TEST(WildcardMatch, Patterns) {
  EXPECT_TRUE(WildcardMatch("*", ""));
  EXPECT_TRUE(WildcardMatch("*.jvO1", "X.JVO1"));
  EXPECT_TRUE(WildcardMatch("a*b*c", "aXXbYYc"));
  EXPECT_FALSE(WildcardMatch("a*b*c", "aXXbYY"));
  EXPECT_FALSE(WildcardMatch("?", ""));
  EXPECT_FALSE(WildcardMatch("abc", "abcd"));
}

TEST(WildcardMatch, ShiftJisCharactersCompareWhole) {
  // 年 is 94 4E and 馬 is 94 6E: their trail bytes differ only in ASCII case.
  EXPECT_FALSE(WildcardMatch(Sjis("*年*"), Sjis("馬")));
  EXPECT_FALSE(WildcardMatch(Sjis("年"), Sjis("馬")));
  EXPECT_TRUE(WildcardMatch(Sjis("*年*"), Sjis("2024年")));
  // '?' stands for one character, whether it takes one byte or two.
  EXPECT_TRUE(WildcardMatch("?.jvRA", Sjis("東.jvRA")));
  EXPECT_TRUE(WildcardMatch("?.jvRA", Sjis("ｵ.jvRA")));
  EXPECT_FALSE(WildcardMatch("??.jvRA", Sjis("東.jvRA")));
  // A trail byte is never taken for an ASCII pattern character.
  EXPECT_FALSE(WildcardMatch("*N", Sjis("年")));
}

TEST(JoinPath, Separators) {
  EXPECT_EQ(JoinPath("", "a"), "a");
  EXPECT_EQ(JoinPath("x", "a"), std::string("x") + kPathSep + "a");
  EXPECT_EQ(JoinPath("x/", "a"), "x/a");
}

}  // namespace
}  // namespace tw
