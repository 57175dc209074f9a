// The JV-Link of this platform: on Windows the COM control when it is
// registered, otherwise (and on every other platform) the local stand-in
// that serves a feed folder.
#pragma once

#include <memory>

#include "base/clock.h"
#include "jvlink/com_jvlink.h"
#include "jvlink/jvlink.h"
#include "standin/standin_jvlink.h"

namespace tw {

class PlatformJVLinkFactory : public JVLinkFactory {
 public:
  // The stand-in in the current folder with the machine's clock.
  PlatformJVLinkFactory();
  // `clock` must outlive every JV-Link created.
  PlatformJVLinkFactory(const Clock& clock, StandInOptions options);

  // Passed to the stand-in for JVSetUIProperties (the window layer's dialog).
  StandInJVLink::FolderChooser folderChooser;
  // False: never the COM control, always the stand-in.
  bool tryComControl = true;

  std::unique_ptr<JVLink> Create() override;

 private:
  const Clock& clock_;
  StandInOptions options_;
};

}  // namespace tw
