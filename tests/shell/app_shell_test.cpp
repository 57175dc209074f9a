#include "shell/app_shell.h"

#include <gtest/gtest.h>

#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

using test::FakeUserPort;
using test::TempDir;

// A factory whose JV-Link answers JVInit with a chosen code.
class InitFactory : public JVLinkFactory {
 public:
  int initCode = 0;
  bool available = true;
  std::unique_ptr<JVLink> Create() override {
    if (!available) return nullptr;
    auto link = std::make_unique<ScriptedJVLink>();
    link->defaultInit = initCode;
    last = link.get();
    return link;
  }
  ScriptedJVLink* last = nullptr;
};

TEST(AppShell, MissingJVLinkStopsBeforeAnythingIsCreated) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  factory.available = false;
  EXPECT_FALSE(CheckJVLinkPresent(factory, ui));
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0], "beep");
  EXPECT_EQ(ui.events[1], "inform:JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。");
  // The caller ends the program: no data folder, no log.
  EXPECT_FALSE(FolderExists(JoinPath(dir.str(), "Data")));
  EXPECT_FALSE(FileExists(JoinPath(dir.str(), "ErrorLog.txt")));
}

TEST(AppShell, FirstRunCreatesDataFolderAndLogAtDefaultPosition) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock({2024, 5, 12, 9, 5, 7});
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  ASSERT_TRUE(CheckJVLinkPresent(factory, ui));
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  EXPECT_EQ(shell.position().top, 10);
  EXPECT_EQ(shell.position().left, 10);
  EXPECT_FALSE(shell.closeDataListAfterLoad());
  EXPECT_TRUE(FolderExists(JoinPath(dir.str(), "Data")));
  const std::string log = test::ReadBytes(dir.file("ErrorLog.txt"));
  EXPECT_EQ(SjisToUtf8(log), "ソフト起動：2024/05/12 09:05:07\r\n" + dir.str() + "\r\n");
  // jikeiretu stays absent without a registry value.
  EXPECT_FALSE(shell.settings().ReadRaw(setting::kTimeSeriesFolder).has_value());
  EXPECT_TRUE(ui.events.empty());
}

TEST(AppShell, PositionFromSettingsAndSizeStaysAsDesigned) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock;
  test::WriteBytes(dir.file("turfwise.ini"),
                   "[locate]\r\ntop=120\r\nleft=abc\r\nwidth=300\r\nheight=200\r\n[datalist]\r\nclose=1\r\n");
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  EXPECT_EQ(shell.position().top, 120);
  EXPECT_EQ(shell.position().left, 10);  // not an integer: the default
  EXPECT_TRUE(shell.closeDataListAfterLoad());
}

TEST(AppShell, ExistingDataFolderIsLeftAsItIs) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock;
  ASSERT_TRUE(EnsureFolder(JoinPath(dir.str(), "Data")));
  test::WriteBytes(JoinPath(JoinPath(dir.str(), "Data"), "x.jvRA"), "keep");
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  EXPECT_EQ(test::ReadBytes(JoinPath(JoinPath(dir.str(), "Data"), "x.jvRA")), "keep");
}

TEST(AppShell, DataFolderThatCannotBeCreatedStopsStartUp) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock;
  test::WriteBytes(dir.file("Data"), "a file where the folder should be");
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  EXPECT_FALSE(shell.Create([] { return std::string(); }));
  EXPECT_NE(shell.error().find("data folder"), std::string::npos);
}

TEST(AppShell, FirstShowInitialisesJVLinkWithTheSoftwareId) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock;
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  shell.FirstShow();
  EXPECT_EQ(shell.versionText(), "Ver.1.28");
  ASSERT_NE(factory.last, nullptr);
  ASSERT_EQ(factory.last->calls.size(), 1u);
  EXPECT_EQ(factory.last->calls[0], "JVInit(SA100200/SD300400/TurfwisJDL/Ver.1.28)");
  EXPECT_TRUE(ui.events.empty());
}

TEST(AppShell, FailedInitIsShownWithItsCodeAndTheWindowGoesOn) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  factory.initCode = -103;
  ManualClock clock;
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  shell.FirstShow();
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0], "beep");
  EXPECT_EQ(ui.events[1], "inform:JVInitエラーが発生しました。：-103");
}

TEST(AppShell, ClosingWritesTheLocateKeys) {
  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock;
  AppShell shell(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  shell.SaveWindowPosition(33, 44, 851, 617);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowTop), 33);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowLeft), 44);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowWidth), 851);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowHeight), 617);
}

}  // namespace
}  // namespace tw
