// The conventions every turfwise-cli command follows: help on standard
// output with status 0, usage errors on standard error with status 2, the
// version with the application folder, day file problems with status 3.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "base/clock.h"
#include "cli/cli.h"
#include "cli/print_pdf_command.h"
#include "support/day_builder.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

class CliConventionsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 1, 12, 0, 0}};
  CliContext context{out, err, &clock, dir.file("turfwise-cli.ini"), dir.str()};

  int Run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return RunCli(args, context);
  }
};

TEST_F(CliConventionsTest, HelpGoesToStandardOutput) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}}) {
    EXPECT_EQ(Run(args), kExitOk) << args[0];
    EXPECT_EQ(out.str(), CliUsage());
    EXPECT_TRUE(err.str().empty());
  }
  EXPECT_NE(CliUsage().find("exit status: 0 done; 1 the work failed"), std::string::npos);
  EXPECT_NE(CliUsage().find("3 done, but some day files were damaged, missing or unreadable"), std::string::npos);
}

TEST_F(CliConventionsTest, EveryCommandHasHelp) {
  for (const CliCommand& command : CliCommands()) {
    EXPECT_EQ(Run({"help", command.name}), kExitOk) << command.name;
    const std::string help = out.str();
    EXPECT_EQ(help.rfind(std::string("usage: turfwise-cli ") + command.name + ' ', 0), 0u) << help;
    EXPECT_NE(help.find("exit status"), std::string::npos);
    EXPECT_EQ(Run({command.name, "--help"}), kExitOk) << command.name;
    EXPECT_EQ(out.str(), help);
    // Help wins over the other options, even malformed ones.
    EXPECT_EQ(Run({command.name, "--bogus", "-h"}), kExitOk) << command.name;
    EXPECT_EQ(out.str(), help);
    EXPECT_TRUE(err.str().empty());
  }
}

TEST_F(CliConventionsTest, UsageErrorsGoToStandardErrorWithTheUsageLine) {
  EXPECT_EQ(Run({"help", "frobnicate"}), kExitUsage);
  EXPECT_NE(err.str().find("turfwise-cli help: unknown command 'frobnicate'"), std::string::npos);
  EXPECT_TRUE(out.str().empty());
  for (const CliCommand& command : CliCommands()) {
    EXPECT_EQ(Run({command.name, "--bogus"}), kExitUsage) << command.name;
    EXPECT_NE(err.str().find(std::string("\nusage: turfwise-cli ") + command.name + ' '), std::string::npos)
        << err.str();
    EXPECT_TRUE(out.str().empty());
  }
}

TEST_F(CliConventionsTest, EveryCommandEndsAlikeOnTheSameDayFileProblem) {
  SetPrintPdfWriter([](const std::vector<Page>&, const std::string&, std::string&) { return true; });
  const struct {
    char harm;         // c cut short, r removed, e emptied to 0 bytes, f a FIFO in its place
    const char* file;  // an extension, or a course's runner file
    const char* told;
    int status[4];  // analyse, hits, print, season (whose day list holds regular files only)
  } cases[] = {
      {'-', ".jvRA", "", {0, 0, 0, 0}},
      {'r', ".jvHR", "", {0, 0, 0, 0}},  // none before the results
      {'c', ".jvRA", "壊れた行があります（1行）：", {3, 3, 3, 3}},
      {'r', "05", "ファイルがありません：", {3, 3, 3, 3}},
      {'e', ".jvO1", "ファイルが空です（0バイト）：", {3, 3, 3, 3}},
      {'e', ".jvRA", "ファイルが空です（0バイト）：", {3, 3, 1, 3}},  // no race to print
#ifndef _WIN32
      {'f', ".jvO1", "通常のファイルではないため読み込みませんでした：", {3, 3, 3, 3}},
      {'f', ".jvRA", "通常のファイルではないため読み込みませんでした：", {1, 1, 1, 0}},
#endif
  };
  for (const auto& c : cases) {
    const std::string app = dir.file(std::to_string(&c - cases)), data = JoinPath(app, "Data"), day = "2024年05月12日";
    std::filesystem::create_directories(data);
    test::DayBuilder builder(data);
    for (int r = 1; r <= 2; ++r) {
      const int slot = builder.AddRace("05", r, 10);
      builder.AddRunners(slot);
      builder.AddSampleSnapshot(slot, 1, 9, 30);
      builder.AddSamplePayout(slot);
    }
    builder.Write();
    const std::string file = c.file[0] == '.' ? builder.FilePath(c.file) : builder.RunnerFilePath(c.file);
    const std::string bytes = ReadFileBytes(file).value_or("");
    if (c.harm != '-') std::filesystem::remove(ToFsPath(file));
    if (c.harm == 'c' || c.harm == 'e') WriteFileAtomic(file, bytes.substr(0, c.harm == 'c' ? bytes.size() - 9 : 0));
#ifndef _WIN32
    if (c.harm == 'f') ::mkfifo(ToFsPath(file).c_str(), 0600);
#endif
    const std::vector<std::string> commands[] = {{"analyse", "--data", data, "--day", day},
                                                 {"hits", "--app-dir", app, "--day", day},
                                                 {"print", "--data", data, "--day", day, "--pdf", "x.pdf"},
                                                 {"season", "--data", data}};
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(Run(commands[k]), c.status[k]) << commands[k][0] << ' ' << c.file << '\n' << err.str();
      EXPECT_TRUE(c.status[k] == kExitOk || err.str().find(c.told + SjisToUtf8(file) + '\n') != std::string::npos);
    }
  }
  SetPrintPdfWriter(nullptr);
}

TEST_F(CliConventionsTest, VersionTellsTheApplicationFolder) {
  EXPECT_EQ(Run({"--version"}), kExitOk);
  EXPECT_EQ(out.str(), std::string("turfwise-cli ") + TURFWISE_VERSION + "\napplication folder: " + dir.str() +
                           " (the program's folder)\n");
  EXPECT_EQ(Run({"--version", "--app-dir", "/some/where"}), kExitOk);
  EXPECT_NE(out.str().find("application folder: /some/where (--app-dir)"), std::string::npos);
  EXPECT_EQ(Run({"--version", "--bogus"}), kExitUsage);
  EXPECT_NE(err.str().find("usage: turfwise-cli --version"), std::string::npos);
}

}  // namespace
}  // namespace tw
