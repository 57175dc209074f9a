#include "shell/platform_jvlink.h"

#include <gtest/gtest.h>

#include <memory>

#include "shell/app_shell.h"
#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

using test::FakeUserPort;
using test::TempDir;

const char* const kGetJVLink = "inform:JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。";

// The factory over an empty application folder, with a COM control that is
// installed or not.
class PlatformFactory : public ::testing::Test {
 protected:
  PlatformJVLinkFactory& Factory(bool comInstalled) {
    StandInOptions options;
    options.appFolder = dir.str();
    factory_ = std::make_unique<PlatformJVLinkFactory>(clock, options);
    factory_->comControl = [this, comInstalled]() -> std::unique_ptr<JVLink> {
      ++comAttempts;
      if (!comInstalled) return nullptr;
      return std::make_unique<ScriptedJVLink>();
    };
    return *factory_;
  }
  void StoreSettings(const std::string& text) { test::WriteBytes(dir.file("turfwise.ini"), text); }

  TempDir dir;
  ManualClock clock{{2024, 5, 12, 9, 0, 0}};
  FakeUserPort ui;
  int comAttempts = 0;

 private:
  std::unique_ptr<PlatformJVLinkFactory> factory_;
};

TEST_F(PlatformFactory, InstalledComControlIsTheJVLink) {
  StoreSettings("[StandIn]\r\nuse=1\r\n");
  auto link = Factory(true).Create();
  EXPECT_NE(dynamic_cast<ScriptedJVLink*>(link.get()), nullptr);
  EXPECT_EQ(comAttempts, 1);
}

TEST_F(PlatformFactory, MissingComControlEndsStartUpUnlessTheSettingsChooseTheStandIn) {
  EXPECT_EQ(Factory(false).Create(), nullptr);
  EXPECT_FALSE(CheckJVLinkPresent(Factory(false), ui));
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0], "beep");
  EXPECT_EQ(ui.events[1], kGetJVLink);

  StoreSettings("[StandIn]\r\nfeed=Feed\r\nuse=0\r\n");
  EXPECT_EQ(Factory(false).Create(), nullptr);
}

TEST_F(PlatformFactory, SettingsThatChooseTheStandInReplaceAMissingComControl) {
  StoreSettings("[standin]\r\nUSE=1\r\n");
  auto link = Factory(false).Create();
  EXPECT_NE(dynamic_cast<StandInJVLink*>(link.get()), nullptr);
  EXPECT_TRUE(CheckJVLinkPresent(Factory(false), ui));
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(PlatformFactory, TheChoiceIsReadFromTheSettingsFileNamedInTheOptions) {
  test::WriteBytes(dir.file("other.ini"), "[StandIn]\r\nuse=1\r\n");
  StandInOptions options;
  options.appFolder = dir.str();
  options.settingsFile = dir.file("other.ini");
  PlatformJVLinkFactory factory(clock, options);
  factory.comControl = [] { return std::unique_ptr<JVLink>(); };
  EXPECT_NE(dynamic_cast<StandInJVLink*>(factory.Create().get()), nullptr);
}

TEST_F(PlatformFactory, WithoutComTheStandInIsTheJVLinkWhateverTheSettingsSay) {
  StoreSettings("[StandIn]\r\nuse=0\r\n");
  PlatformJVLinkFactory& factory = Factory(false);
  factory.comControl = nullptr;
  EXPECT_NE(dynamic_cast<StandInJVLink*>(factory.Create().get()), nullptr);
}

TEST_F(PlatformFactory, TheStandInOnlyFactoryNeverTriesTheComControl) {
  PlatformJVLinkFactory& factory = Factory(true);
  factory.tryComControl = false;
  EXPECT_NE(dynamic_cast<StandInJVLink*>(factory.Create().get()), nullptr);
  EXPECT_EQ(comAttempts, 0);
}

TEST(PlatformFactoryDefaults, ComControlOnlyOnWindows) {
  PlatformJVLinkFactory factory;
#ifdef _WIN32
  EXPECT_TRUE(static_cast<bool>(factory.comControl));
#else
  EXPECT_FALSE(static_cast<bool>(factory.comControl));
  EXPECT_NE(factory.Create(), nullptr);
#endif
}

}  // namespace
}  // namespace tw
