#include "shell/app_shell.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>

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
  std::optional<std::string> initCallError;  // Shift-JIS
  bool available = true;
  bool throws = false;
  std::unique_ptr<JVLink> Create() override {
    if (throws) throw std::runtime_error("class not registered");
    if (!available) return nullptr;
    auto link = std::make_unique<ScriptedJVLink>();
    link->defaultInit = initCode;
    link->initCallError = initCallError;
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

TEST(AppShell, JVLinkThatFailsToBeCreatedCountsAsMissing) {
  FakeUserPort ui;
  InitFactory factory;
  factory.throws = true;
  EXPECT_FALSE(CheckJVLinkPresent(factory, ui));
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0], "beep");
  EXPECT_EQ(ui.events[1], "inform:JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。");
}

// An empty application folder, a fake screen, a scripted JV-Link and a
// stopped clock: the start-up of every test below.
class StartUp : public ::testing::Test {
 protected:
  // The shell created over the folder as it is now (write files first).
  AppShell& Shell() {
    shell_ = std::make_unique<AppShell>(AppPaths(dir.str(), "turfwise"), clock, ui, factory);
    return *shell_;
  }
  // The shell after a successful creation.
  AppShell& Created() {
    AppShell& shell = Shell();
    EXPECT_TRUE(shell.Create([] { return std::string(); }));
    return shell;
  }
  std::string DataFile(const std::string& name) const { return JoinPath(JoinPath(dir.str(), "Data"), name); }

  TempDir dir;
  FakeUserPort ui;
  InitFactory factory;
  ManualClock clock{{2024, 5, 12, 9, 5, 7}};

 private:
  std::unique_ptr<AppShell> shell_;
};

TEST_F(StartUp, FirstRunCreatesDataFolderAndLogAtDefaultPosition) {
  AppShell& shell = Shell();
  ASSERT_TRUE(CheckJVLinkPresent(factory, ui));
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  EXPECT_EQ(shell.position().top, 10);
  EXPECT_EQ(shell.position().left, 10);
  EXPECT_FALSE(shell.closeDataListAfterLoad());
  EXPECT_TRUE(FolderExists(JoinPath(dir.str(), "Data")));
  const std::string log = test::ReadBytes(dir.file("ErrorLog.txt"));
  EXPECT_EQ(SjisToUtf8(log), "ソフト起動：2024/05/12 09:05:07\r\n" + dir.str() + "\r\n");
  // Without a registry value the companion viewer's folder stays unset.
  EXPECT_FALSE(shell.settings().ReadRaw(setting::kTimeSeriesFolder).has_value());
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(StartUp, PositionFromSettingsAndSizeStaysAsDesigned) {
  test::WriteBytes(dir.file("turfwise.ini"),
                   "[locate]\r\ntop=120\r\nleft=abc\r\nwidth=300\r\nheight=200\r\n[datalist]\r\nclose=1\r\n");
  AppShell& shell = Created();
  EXPECT_EQ(shell.position().top, 120);
  EXPECT_EQ(shell.position().left, 10);  // not an integer: the default
  EXPECT_TRUE(shell.closeDataListAfterLoad());
}

TEST_F(StartUp, ExistingDataFolderIsLeftAsItIs) {
  ASSERT_TRUE(EnsureFolder(JoinPath(dir.str(), "Data")));
  test::WriteBytes(DataFile("x.jvRA"), "keep");
  Created();
  EXPECT_EQ(test::ReadBytes(DataFile("x.jvRA")), "keep");
}

TEST_F(StartUp, DataFolderThatCannotBeCreatedStopsStartUp) {
  test::WriteBytes(dir.file("Data"), "a file where the folder should be");
  AppShell& shell = Shell();
  EXPECT_FALSE(shell.Create([] { return std::string(); }));
  EXPECT_NE(shell.error().find("data folder"), std::string::npos);
}

TEST_F(StartUp, FirstShowInitialisesJVLinkWithTheSoftwareId) {
  AppShell& shell = Created();
  shell.FirstShow();
  EXPECT_EQ(shell.versionText(), "Ver.1.28");
  ASSERT_NE(factory.last, nullptr);
  ASSERT_EQ(factory.last->calls.size(), 1u);
  EXPECT_EQ(factory.last->calls[0], "JVInit(SA100200/SD300400/TurfwisJDL/Ver.1.28)");
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(StartUp, FailedInitIsShownWithItsCodeAndTheWindowGoesOn) {
  factory.initCode = -103;
  AppShell& shell = Created();
  shell.FirstShow();
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0], "beep");
  EXPECT_EQ(ui.events[1], "inform:JVInitエラーが発生しました。：-103");
}

// A COM error of JVInit comes as Shift-JIS text and is shown as it is, not
// converted a second time; the window goes on as after a failure code.
TEST_F(StartUp, JVInitCallErrorIsShownInItsJapaneseText) {
  const std::string message = "JVInit: クラスが登録されていません。 (0x80040154)";
  factory.initCallError = Sjis(message);
  AppShell& shell = Created();
  shell.FirstShow();
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0], "beep");
  EXPECT_EQ(ui.events[1], "inform:" + message);
  EXPECT_EQ(shell.versionText(), "Ver.1.28");
  ASSERT_NE(shell.jvlink(), nullptr);
  ASSERT_EQ(factory.last->calls.size(), 1u);
  EXPECT_EQ(factory.last->calls[0], "JVInit(SA100200/SD300400/TurfwisJDL/Ver.1.28)");
}

TEST_F(StartUp, JVLinkThatCannotBeCreatedForTheWindowShowsTheInitFailure) {
  AppShell& shell = Shell();
  factory.throws = true;
  ASSERT_TRUE(shell.Create([] { return std::string(); }));
  EXPECT_EQ(shell.jvlink(), nullptr);
  shell.FirstShow();
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[1], "inform:JVInitエラーが発生しました。：-1");
}

TEST_F(StartUp, ClosingWritesTheLocateKeys) {
  AppShell& shell = Created();
  shell.SaveWindowPosition(33, 44, 851, 617);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowTop), 33);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowLeft), 44);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowWidth), 851);
  EXPECT_EQ(shell.settings().ReadInteger(setting::kMainWindowHeight), 617);
}

}  // namespace
}  // namespace tw
