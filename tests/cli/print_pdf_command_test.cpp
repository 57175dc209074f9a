#include "cli/print_pdf_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/clock.h"
#include "cli/cli.h"
#include "support/day_builder.h"
#include "support/page_query.h"
#include "support/temp_dir.h"
#include "text/sjis.h"

namespace tw {
namespace {

// What the fake writer was given.
std::vector<Page> gWrittenPages;
std::string gWrittenFile;

bool FakeWriter(const std::vector<Page>& pages, const std::string& file, std::string&) {
  gWrittenPages = pages;
  gWrittenFile = file;
  return true;
}

bool FailingWriter(const std::vector<Page>&, const std::string&, std::string& error) {
  error = "disk full";
  return false;
}

class PrintPdfCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetPrintPdfWriter(&FakeWriter);
    gWrittenPages.clear();
    gWrittenFile.clear();
  }
  void TearDown() override { SetPrintPdfWriter(previous_); }

  int Run(const std::vector<std::string>& args) { return RunCli(args, context); }
  std::string DayUtf8() { return SjisToUtf8(day.dayName()); }

  // Two courses of 12 races; every third race without odds.
  void BuildDay() {
    for (const char* course : {"05", "08"}) {
      for (int r = 1; r <= 12; ++r) {
        const int s = day.AddRace(course, r, 8 + (r % 3) * 4, "1500");
        day.AddRunners(s);
        if (r % 3 == 0) continue;
        day.AddSampleSnapshot(s, 1, 9, 15);
        day.AddSampleSnapshot(s, 2, 10, 15);
        day.AddSampleSnapshot(s, 3, 12, 15);
        day.AddSamplePayout(s);
      }
    }
    day.Write();
  }

  test::TempDir dir;
  test::DayBuilder day{dir.str()};
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 1, 12, 0, 0}};
  CliContext context{out, err, &clock, dir.file("turfwise-cli.ini")};
  PrintPdfWriter previous_ = nullptr;
};

TEST_F(PrintPdfCommandTest, WritesOnePagePerRace) {
  BuildDay();
  ASSERT_EQ(Run({"print", "--data", dir.str(), "--day", DayUtf8(), "--pdf=/tmp/out.pdf"}), kExitOk) << err.str();
  ASSERT_EQ(gWrittenPages.size(), 24u);
  EXPECT_EQ(gWrittenFile, "/tmp/out.pdf");
  EXPECT_NE(out.str().find("wrote 24 pages"), std::string::npos);
  // Race 1 of the first course has odds; race 3 has none and shows the note.
  EXPECT_FALSE(test::TextOps(gWrittenPages[0], "馬番別投票率グラフ(馬連人気順)").empty());
  EXPECT_EQ(test::Utf8TextAt(gWrittenPages[2], 220, 375), "本レースはオッズが未取得です。");
  EXPECT_EQ(test::Utf8TextAt(gWrittenPages[12], 200, 95), "京都");
}

TEST_F(PrintPdfCommandTest, UsageAndFailures) {
  EXPECT_EQ(Run({"print", "--data", dir.str(), "--day", DayUtf8()}), kExitUsage);
  EXPECT_NE(err.str().find("--pdf is required"), std::string::npos);
  EXPECT_EQ(Run({"print", "--bogus"}), kExitUsage);

  err.str("");
  EXPECT_EQ(Run({"print", "--data", dir.str(), "--day", DayUtf8(), "--pdf", "x.pdf"}), kExitFailure);
  EXPECT_NE(err.str().find("no race day"), std::string::npos);

  BuildDay();
  SetPrintPdfWriter(&FailingWriter);
  err.str("");
  EXPECT_EQ(Run({"print", "--data", dir.str(), "--day", DayUtf8(), "--pdf", "x.pdf"}), kExitFailure);
  EXPECT_NE(err.str().find("disk full"), std::string::npos);

  SetPrintPdfWriter(nullptr);
  err.str("");
  EXPECT_EQ(Run({"print", "--data", dir.str(), "--day", DayUtf8(), "--pdf", "x.pdf"}), kExitFailure);
  EXPECT_NE(err.str().find("no PDF writer"), std::string::npos);
}

}  // namespace
}  // namespace tw
