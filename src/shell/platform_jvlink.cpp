#include "shell/platform_jvlink.h"

#include "base/app_folder.h"
#include "jvlink/bridge_jvlink.h"
#include "text/fields.h"
#include "text/files.h"

namespace tw {

namespace {

const Clock& MachineClock() {
  static const SystemClock clock;
  return clock;
}

constexpr const char* kBridgeProgram = "turfwise-jvlink-bridge.exe";

}  // namespace

PlatformJVLinkFactory::PlatformJVLinkFactory() : PlatformJVLinkFactory(MachineClock(), StandInOptions{}) {}

PlatformJVLinkFactory::PlatformJVLinkFactory(const Clock& clock, StandInOptions options)
    : clock_(clock), options_(std::move(options)) {
#ifdef _WIN32
  // JV-Link is a 32-bit in-process control: a 64-bit program reaches it
  // through the 32-bit bridge installed beside it.
  comControl = [this] { return StartBridge({JoinPath(ProgramFolder(nullptr), kBridgeProgram)}); };
#else
  (void)kBridgeProgram;
#endif
}

Settings PlatformJVLinkFactory::ReadSettings() const {
  return Settings(options_.settingsFile.empty() ? JoinPath(options_.appFolder, "turfwise.ini") : options_.settingsFile);
}

std::unique_ptr<JVLink> PlatformJVLinkFactory::StartBridge(const std::vector<std::string>& command) {
  BridgeOptions options;
  options.command = command;
  options.timeoutMillis = ReadSettings().ReadInteger(setting::kJVLinkTimeout) * 1000;
  options.whileWaiting = whileWaiting;
  std::string why;
  auto jv = BridgeJVLink::Start(std::move(options), &why);
  if (!jv) failure_ = why;
  return jv;
}

std::unique_ptr<JVLink> PlatformJVLinkFactory::Create() {
  failure_.clear();
  if (tryComControl) {
    Settings settings = ReadSettings();
    const std::string bridge = Trim(settings.ReadString(setting::kJVLinkBridge));
    std::unique_ptr<JVLink> jv;
    bool tried = false;
    if (!bridge.empty()) {
      jv = StartBridge(SplitCommandLine(bridge));
      tried = true;
    } else if (comControl) {
      jv = comControl();
      tried = true;
    }
    if (jv) return jv;
    if (tried && !settings.ReadBool(setting::kStandInUse)) return nullptr;
  }
  auto standIn = std::make_unique<StandInJVLink>(clock_, options_);
  if (folderChooser) standIn->SetFolderChooser(folderChooser);
  return standIn;
}

}  // namespace tw
