// The conventions every turfwise-cli command follows: help on standard
// output with status 0, usage errors on standard error with status 2, the
// version with the application folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/clock.h"
#include "cli/cli.h"
#include "support/temp_dir.h"

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
  EXPECT_NE(CliUsage().find("exit status: 0 done, 1 the work failed, 2 a usage error"), std::string::npos);
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
