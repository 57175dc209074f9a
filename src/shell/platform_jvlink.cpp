#include "shell/platform_jvlink.h"

namespace tw {

namespace {
const Clock& MachineClock() {
  static const SystemClock clock;
  return clock;
}
}  // namespace

PlatformJVLinkFactory::PlatformJVLinkFactory() : clock_(MachineClock()) {}

PlatformJVLinkFactory::PlatformJVLinkFactory(const Clock& clock, StandInOptions options)
    : clock_(clock), options_(std::move(options)) {}

std::unique_ptr<JVLink> PlatformJVLinkFactory::Create() {
#ifdef _WIN32
  if (tryComControl)
    if (auto com = CreateComJVLink()) return com;
#endif
  auto standIn = std::make_unique<StandInJVLink>(clock_, options_);
  if (folderChooser) standIn->SetFolderChooser(folderChooser);
  return standIn;
}

}  // namespace tw
