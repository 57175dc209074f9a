#include "shell/platform_jvlink.h"

#include "base/settings.h"
#include "text/files.h"

namespace tw {

namespace {

const Clock& MachineClock() {
  static const SystemClock clock;
  return clock;
}

PlatformJVLinkFactory::ComControlCreator PlatformComControl() {
#ifdef _WIN32
  return [] { return CreateComJVLink(); };
#else
  return {};
#endif
}

}  // namespace

PlatformJVLinkFactory::PlatformJVLinkFactory() : comControl(PlatformComControl()), clock_(MachineClock()) {}

PlatformJVLinkFactory::PlatformJVLinkFactory(const Clock& clock, StandInOptions options)
    : comControl(PlatformComControl()), clock_(clock), options_(std::move(options)) {}

bool PlatformJVLinkFactory::StandInChosen() const {
  const std::string file =
      options_.settingsFile.empty() ? JoinPath(options_.appFolder, "turfwise.ini") : options_.settingsFile;
  return Settings(file).ReadBool(setting::kStandInUse);
}

std::unique_ptr<JVLink> PlatformJVLinkFactory::Create() {
  if (tryComControl && comControl) {
    if (auto com = comControl()) return com;
    if (!StandInChosen()) return nullptr;
  }
  auto standIn = std::make_unique<StandInJVLink>(clock_, options_);
  if (folderChooser) standIn->SetFolderChooser(folderChooser);
  return standIn;
}

}  // namespace tw
