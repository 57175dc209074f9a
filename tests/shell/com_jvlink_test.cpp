// The JV-Link COM control on a Windows machine where it is not registered
// (the Windows build's tests run under Wine): creating it fails cleanly, the
// start-up check then tells the user where to get it, and the platform's
// factory uses the stand-in only when the settings choose it.
#include <gtest/gtest.h>

#ifdef _WIN32

#include "base/settings.h"
#include "jvlink/com_jvlink.h"
#include "shell/app_shell.h"
#include "shell/platform_jvlink.h"
#include "standin/standin_jvlink.h"
#include "support/fake_user_port.h"
#include "support/temp_dir.h"

namespace tw {
namespace {

// Only the COM control, as the program asks for it at start-up.
class ComOnlyFactory : public JVLinkFactory {
 public:
  std::unique_ptr<JVLink> Create() override { return CreateComJVLink(); }
};

TEST(ComJVLink, MissingControlFailsWithTheStartUpMessage) {
  if (auto installed = CreateComJVLink()) GTEST_SKIP() << "JV-Link is registered on this machine";
  EXPECT_EQ(CreateComJVLink(), nullptr);  // twice: COM set up and torn down cleanly

  test::FakeUserPort ui;
  ComOnlyFactory factory;
  EXPECT_FALSE(CheckJVLinkPresent(factory, ui));
  EXPECT_EQ(ui.events, (std::vector<std::string>{
                           "beep", "inform:JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"}));
}

TEST(ComJVLink, ThePlatformFactoryUsesTheStandInOnlyWhenChosen) {
  if (auto installed = CreateComJVLink()) GTEST_SKIP() << "JV-Link is registered on this machine";
  test::TempDir dir;
  SystemClock clock;
  StandInOptions options;
  options.appFolder = dir.str();
  options.settingsFile = dir.file("turfwise.ini");
  PlatformJVLinkFactory factory(clock, options);
  EXPECT_EQ(factory.Create(), nullptr) << "the start-up check then ends with its message";
  ASSERT_TRUE(Settings(options.settingsFile).WriteBool(setting::kStandInUse, true));
  auto link = factory.Create();
  ASSERT_NE(link, nullptr);
  EXPECT_NE(dynamic_cast<StandInJVLink*>(link.get()), nullptr);
}

}  // namespace
}  // namespace tw

#endif
