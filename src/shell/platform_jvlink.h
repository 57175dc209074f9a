// The JV-Link of this platform: on Windows the COM control when it is
// registered, and the local stand-in that serves a feed folder when the
// settings choose it; on platforms without COM always the stand-in.
#pragma once

#include <functional>
#include <memory>

#include "base/clock.h"
#include "jvlink/com_jvlink.h"
#include "jvlink/jvlink.h"
#include "standin/standin_jvlink.h"

namespace tw {

class PlatformJVLinkFactory : public JVLinkFactory {
 public:
  using ComControlCreator = std::function<std::unique_ptr<JVLink>()>;

  // The stand-in in the current folder with the machine's clock.
  PlatformJVLinkFactory();
  // `clock` must outlive every JV-Link created.
  PlatformJVLinkFactory(const Clock& clock, StandInOptions options);

  // Passed to the stand-in for JVSetUIProperties (the window layer's dialog).
  StandInJVLink::FolderChooser folderChooser;
  // False: never the COM control, always the stand-in.
  bool tryComControl = true;
  // Creates the COM control, nullptr when it is not installed. Empty where
  // there is no COM; set by default on Windows.
  ComControlCreator comControl;

  // nullptr when the COM control is missing and the settings file does not
  // choose the stand-in ("StandIn", "use"): JV-Link is not installed.
  std::unique_ptr<JVLink> Create() override;

 private:
  bool StandInChosen() const;

  const Clock& clock_;
  StandInOptions options_;
};

}  // namespace tw
