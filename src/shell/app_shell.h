// The core of the main window's life: the start-up steps that do not need a
// widget, the first showing (JV-Link initialisation) and closing. The GUI
// creates the widgets and calls these in order; tests call them with fakes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/clock.h"
#include "base/error_log.h"
#include "base/paths.h"
#include "base/settings.h"
#include "base/user_port.h"
#include "base/version.h"
#include "jvlink/jvlink.h"

namespace tw {

inline constexpr int kDesignedWidth = 851;
inline constexpr int kDesignedHeight = 617;

// Start-up step 3: creates JV-Link once to see that it is installed. When it
// cannot be created, beeps and tells the user where to get it; the caller
// then ends the program.
bool CheckJVLinkPresent(JVLinkFactory& factory, UserPort& ui);

struct WindowPosition {
  int top = 10;
  int left = 10;
};

class AppShell {
 public:
  AppShell(AppPaths paths, const Clock& clock, UserPort& ui, JVLinkFactory& factory);

  // Start-up steps 5–15 of the main window's creation, in order: companion
  // folder, current directory, window position, data folder, the data-list
  // option, error log. False when the data folder cannot be created
  // (`error()` says why); start-up stops then.
  bool Create(const std::function<std::string()>& registry = nullptr);

  // Step 17, on first showing: sets the version text and initialises
  // JV-Link with the software id; a failure is shown with its code. A
  // settings file that is not used (unreadable, too large) is told first.
  void FirstShow();

  // Closing: the window's edges and size go to the "locate" keys.
  void SaveWindowPosition(int top, int left, int width, int height);

  const AppPaths& paths() const { return paths_; }
  Settings& settings() { return settings_; }
  ErrorLog& errorLog() { return errorLog_; }
  const Clock& clock() const { return clock_; }
  UserPort& ui() { return ui_; }
  JVLink* jvlink() { return jvlink_.get(); }
  JVLinkFactory& factory() { return factory_; }

  WindowPosition position() const { return position_; }
  bool closeDataListAfterLoad() const { return closeDataListAfterLoad_; }
  void setCloseDataListAfterLoad(bool on);
  const std::string& versionText() const { return versionText_; }
  std::string SoftwareId() const;
  const std::string& error() const { return error_; }

 private:
  AppPaths paths_;
  const Clock& clock_;
  UserPort& ui_;
  JVLinkFactory& factory_;
  Settings settings_;
  ErrorLog errorLog_;
  std::unique_ptr<JVLink> jvlink_;
  WindowPosition position_;
  bool closeDataListAfterLoad_ = false;
  std::string versionText_;
  std::string error_;
};

}  // namespace tw
