#include "store/record_scatter.h"

#include <gtest/gtest.h>

#include <random>

#include "store/fixed_record_file.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

constexpr int kLength = 12;  // ten bytes and CR LF

// A file of `records` lines of the record length, some damaged, and a tail.
std::string RandomFile(std::mt19937& random, int records) {
  std::string bytes;
  for (int n = 0; n < records; ++n) {
    std::string line(kLength - 2, static_cast<char>('a' + n % 26));
    if (random() % 7 == 0) line[random() % line.size()] = '\0';
    bytes += line;
    bytes += random() % 9 == 0 ? "\n\n" : "\r\n";
  }
  switch (random() % 4) {
    case 0:
      break;
    case 1:  // the last line without its CR LF
      if (!bytes.empty()) bytes.resize(bytes.size() - 2);
      break;
    default:  // a cut-off line
      bytes += std::string(random() % (kLength - 1), 'z');
  }
  return bytes;
}

// Reads the file into targets for every other record (and as many as there
// are records, give or take a few), then checks every target against the
// buffered reading of the same file.
void ExpectSameAsTheBufferedReading(const std::string& path, std::mt19937& random, std::uintmax_t limit) {
  const FixedRecordFile file(path, kLength, limit);
  const size_t slots = static_cast<size_t>(std::max(0, file.count() + static_cast<int>(random() % 7) - 3));
  std::vector<std::string> texts(slots, std::string(kLength, '#'));
  if (slots > 0) texts[0] = "short";  // a target of another length is made one of the record length
  std::vector<std::string*> targets(slots, nullptr);
  for (size_t n = 0; n < slots; ++n) {
    if (n % 2 == 0 || random() % 3 == 0) targets[n] = &texts[n];
  }
  const ScatteredRecords read = ReadRecordsInto(path, kLength, limit, targets);
  ASSERT_EQ(read.status, file.status());
  ASSERT_EQ(read.count, file.count());
  ASSERT_EQ(read.damaged, file.damagedRecords());
  for (size_t n = 0; n < slots && static_cast<int>(n) < read.count; ++n) {
    if (targets[n] == nullptr) continue;
    EXPECT_EQ(texts[n], file.Record(static_cast<int>(n))) << n;
  }
}

TEST(RecordScatter, ReadsWhatTheBufferedReadingReads) {
  test::TempDir dir;
  std::mt19937 random(77);
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomFile(random, static_cast<int>(random() % 40));
    test::WriteBytes(dir.file("f"), bytes);
    // Now and then a limit the file passes.
    const std::uintmax_t limit = random() % 10 == 0 ? bytes.size() / 2 : 4096;
    ExpectSameAsTheBufferedReading(dir.file("f"), random, limit);
    if (HasFailure()) return;
  }
}

TEST(RecordScatter, MissingFoldersAndEmptyFilesHoldNoRecords) {
  test::TempDir dir;
  std::string text(kLength, '#');
  const std::vector<std::string*> targets{&text};
  EXPECT_EQ(ReadRecordsInto(dir.file("none"), kLength, 4096, targets).status, ReadStatus::kMissing);
  EXPECT_EQ(ReadRecordsInto(dir.str(), kLength, 4096, targets).status, ReadStatus::kUnreadable);
  test::WriteBytes(dir.file("empty"), "");
  const ScatteredRecords empty = ReadRecordsInto(dir.file("empty"), kLength, 4096, targets);
  EXPECT_EQ(empty.status, ReadStatus::kRead);
  EXPECT_EQ(empty.count, 0);
  EXPECT_EQ(text, std::string(kLength, '#'));
}

}  // namespace
}  // namespace tw
