// The one option parser, the day-name rule and the texts every command
// writes for wrong arguments.
#include "cli/command_options.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/clock.h"
#include "cli/cli.h"
#include "cli/command_day.h"
#include "text/sjis.h"

namespace tw {
namespace {

const OptionSpec kSpec{{{"--data", "DIR"}, {"--day", "DAYNAME"}, {"--from"}}, {"--text"}};

TEST(CommandOptions, BothValueFormsAndFlagsInAnyOrder) {
  CommandOptions o;
  std::string error;
  ASSERT_TRUE(ParseCommandOptions({"--text", "--data=/d", "--day", "2024年05月12日"}, kSpec, o, error)) << error;
  EXPECT_EQ(o.Value("--data"), "/d");
  EXPECT_EQ(o.Value("--day"), "2024年05月12日");
  EXPECT_TRUE(o.Has("--text"));
  EXPECT_FALSE(o.Has("--from"));
  EXPECT_EQ(o.Value("--from"), "");
  // A value is taken as it is, even when it looks like an option.
  ASSERT_TRUE(ParseCommandOptions({"--data", "--text", "--day", "x", "--from="}, kSpec, o, error));
  EXPECT_EQ(o.Value("--data"), "--text");
  EXPECT_TRUE(o.Has("--from"));
}

TEST(CommandOptions, ListsTakeValuesUpToTheNextOption) {
  const OptionSpec spec{{{"--course", nullptr, "a course name", true}, {"--to"}}, {"--json"}};
  CommandOptions o;
  std::string error;
  ASSERT_TRUE(ParseCommandOptions({"--course", "東京", "中山", "--json", "--course=阪神", "--to", "x"}, spec, o, error))
      << error;
  EXPECT_EQ(o.Values("--course"), (std::vector<std::string>{"東京", "中山", "阪神"}));
  EXPECT_EQ(o.Value("--course"), "阪神");
  EXPECT_TRUE(o.Has("--json"));
  EXPECT_EQ(o.Values("--to"), (std::vector<std::string>{"x"}));
  EXPECT_TRUE(o.Values("--nothing").empty());
  // A value option that is no list takes one value; the next is an argument of its own.
  EXPECT_FALSE(ParseCommandOptions({"--to", "a", "b"}, spec, o, error));
  EXPECT_EQ(error, "unknown option 'b'");
  EXPECT_FALSE(ParseCommandOptions({"--course"}, spec, o, error));
  EXPECT_EQ(error, "--course needs a course name");
}

TEST(CommandOptions, WhatIsWrongInTheUsageWords) {
  auto errorOf = [](const std::vector<std::string>& args, const OptionSpec& spec) {
    CommandOptions o;
    std::string error;
    EXPECT_FALSE(ParseCommandOptions(args, spec, o, error));
    return error;
  };
  EXPECT_EQ(errorOf({"--data", "/d", "--day"}, kSpec), "--day needs a value");
  EXPECT_EQ(errorOf({"--day", "x"}, kSpec), "--data DIR is required");
  EXPECT_EQ(errorOf({"--data=/d", "--day="}, kSpec), "--day DAYNAME is required");
  EXPECT_EQ(errorOf({"--json"}, kSpec), "unknown option '--json'");
  OptionSpec bare = kSpec;
  bare.quoteUnknown = false;
  EXPECT_EQ(errorOf({"--json"}, bare), "unknown option --json");
  const OptionSpec named{{{"--pdf", ""}, {"--now", nullptr, "a time"}}, {}};
  EXPECT_EQ(errorOf({}, named), "--pdf is required");
  EXPECT_EQ(errorOf({"--now"}, named), "--now needs a time");
}

TEST(CommandDay, OnlyTheNamesTheStoreGivesADay) {
  std::string sjis, error;
  ASSERT_TRUE(DayNameFromArgument("2024年05月12日", sjis, error));
  EXPECT_EQ(sjis, Sjis("2024年05月12日"));
  for (const char* bad : {"20240512", "2024-05-12", "../2024年05月12日", "2024年5月12日", "２０２４年05月12日", "",
                          "2024年05月12日x", "2024年05月1日日"}) {
    EXPECT_FALSE(DayNameFromArgument(bad, sjis, error)) << bad;
    EXPECT_EQ(error, std::string("not a day name (yyyy年mm月dd日): ") + bad);
  }
}

// The texts scripts see for wrong arguments.
TEST(CommandPrelude, UsageAndFailureTexts) {
  std::ostringstream out, err;
  ManualClock clock{DateTime{2024, 6, 1, 12, 0, 0}};
  CliContext context{out, err, &clock, ""};
  EXPECT_EQ(RunCli({"print", "--data", "nowhere", "--day", "2024年05月12日"}, context), kExitUsage);
  EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1), "turfwise-cli print: --pdf is required\n");
  EXPECT_NE(err.str().find("\nusage: turfwise-cli print --data DIR"), std::string::npos);
  err.str("");
  EXPECT_EQ(RunCli({"hits", "--app-dir", "nowhere", "--day", "2024年05月12日", "--all"}, context), kExitUsage);
  EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1), "turfwise-cli hits: unknown option '--all'\n");
  err.str("");
  EXPECT_EQ(RunCli({"download", "--app-dir", "nowhere", "--bogus"}, context), kExitUsage);
  EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1), "turfwise-cli download: unknown option --bogus\n");
  err.str("");
  EXPECT_EQ(RunCli({"fetch-odds", "--app-dir", "nowhere", "--day", "2024年05月12日", "--now", "12:00"}, context),
            kExitUsage);
  EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1),
            "turfwise-cli fetch-odds: --now: \"12:00\" is not a time \"yyyy/mm/dd hh:nn\"\n");
  err.str("");
  EXPECT_EQ(RunCli({"auto", "--app-dir", "nowhere", "--day", "2024年05月12日", "--now"}, context), kExitUsage);
  EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1),
            "turfwise-cli auto: --now needs a time \"yyyy/mm/dd hh:nn\"\n");
  err.str("");
  EXPECT_EQ(RunCli({"analyse", "--data", "nowhere", "--day", "2024-05-12"}, context), kExitFailure);
  EXPECT_EQ(err.str(), "turfwise-cli analyse: not a day name (yyyy年mm月dd日): 2024-05-12\n");
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace tw
