#include "text/file_bytes.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw {
namespace {

// Bytes of every value, so that no byte is read as text.
std::string BinaryBytes(size_t n) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
  return bytes;
}

TEST(FileBytes, ReadsWholeFilesOfAnySizeAndShiftJisNames) {
  test::TempDir dir;
  FileBytes file;
  for (size_t n : {size_t{0}, size_t{1}, size_t{4095}, size_t{70000}, size_t{300001}}) {
    const std::string bytes = BinaryBytes(n);
    test::WriteBytes(dir.file("f"), bytes);
    ASSERT_EQ(file.Read(dir.file("f"), n), ReadStatus::kRead) << n;
    EXPECT_EQ(file.view(), bytes) << n;
  }
  const std::string sjisName = JoinPath(dir.str(), Sjis("2024年05月12日.jvRA"));
  ASSERT_TRUE(WriteFileAtomic(sjisName, "race").ok);
  ASSERT_EQ(file.Read(sjisName, 100), ReadStatus::kRead);
  EXPECT_EQ(file.view(), "race");
}

TEST(FileBytes, RefusesWhatIsNoReadableFileAndLeavesNothing) {
  test::TempDir dir;
  FileBytes file;
  test::WriteBytes(dir.file("f"), std::string(1000, 'x'));
  ASSERT_EQ(file.Read(dir.file("f"), 1000), ReadStatus::kRead);
  EXPECT_EQ(file.Read(dir.file("f"), 999), ReadStatus::kTooLarge);
  EXPECT_EQ(file.size(), 0u);
  EXPECT_EQ(file.Read(dir.file("none"), 1000), ReadStatus::kMissing);
  EXPECT_EQ(file.Read(dir.file("f") + "/below", 1000), ReadStatus::kMissing);
  EXPECT_EQ(file.Read(dir.str(), 1000), ReadStatus::kUnreadable);
#ifndef _WIN32
  // A FIFO in a day file's place is refused at once, not waited on.
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  EXPECT_EQ(file.Read(dir.file("fifo"), 1000), ReadStatus::kUnreadable);
  if (::geteuid() != 0) {
    std::filesystem::permissions(dir.file("f"), std::filesystem::perms::none);
    EXPECT_EQ(file.Read(dir.file("f"), 1000), ReadStatus::kUnreadable);
  }
#endif
}

TEST(FileBytes, AppendsOnlyWithinTheSpareRoom) {
  test::TempDir dir;
  test::WriteBytes(dir.file("f"), "abc");
  FileBytes file;
  ASSERT_EQ(file.Read(dir.file("f"), 10, 2), ReadStatus::kRead);
  EXPECT_TRUE(file.Append("\r\n"));
  EXPECT_EQ(file.view(), "abc\r\n");
  EXPECT_FALSE(file.Append(std::string(4096, 'x')));
  EXPECT_EQ(file.view(), "abc\r\n");
}

}  // namespace
}  // namespace tw
