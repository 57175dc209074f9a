// The JV-Link of this platform: JV-Link through the bridge process that
// hosts it (on Windows the bridge beside the program; anywhere the command
// line of the setting ("JVLink", "bridge")), and the local stand-in that
// serves a feed folder when the settings choose it or, on platforms without
// COM and no bridge set, always.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/settings.h"
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
  PlatformJVLinkFactory(const PlatformJVLinkFactory&) = delete;
  PlatformJVLinkFactory& operator=(const PlatformJVLinkFactory&) = delete;

  // Passed to the stand-in for JVSetUIProperties (the window layer's dialog).
  StandInJVLink::FolderChooser folderChooser;
  // Runs while a call through the bridge waits (the window's pending events).
  std::function<void()> whileWaiting;
  // False: never JV-Link, always the stand-in.
  bool tryComControl = true;
  // Creates the COM control (through the bridge beside the program),
  // nullptr when it is not installed. Empty where there is no COM; set by
  // default on Windows.
  ComControlCreator comControl;

  // nullptr when JV-Link cannot be created and the settings file does not
  // choose the stand-in ("StandIn", "use"): JV-Link is not installed.
  std::unique_ptr<JVLink> Create() override;

  // Why the last Create could not reach JV-Link (Shift-JIS); empty when it did.
  const std::string& failure() const { return failure_; }

  // JV-Link through the bridge started by `command`, with the settings'
  // time limit; nullptr (and `failure`) when it cannot be started.
  std::unique_ptr<JVLink> StartBridge(const std::vector<std::string>& command);

 private:
  Settings ReadSettings() const;

  const Clock& clock_;
  StandInOptions options_;
  std::string failure_;
};

}  // namespace tw
