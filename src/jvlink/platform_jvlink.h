// The JV-Link of this platform: on Windows the COM control when it is
// registered, otherwise (and on every other platform) the local stand-in
// that serves a feed folder.
#pragma once

#include <memory>

#include "app/clock.h"
#include "jvlink/jvlink.h"
#include "jvlink/standin_jvlink.h"

namespace tw {

// JV-Link that answers JVInit with 0 and every open with -1 (no data).
class NoDataJVLink : public JVLink {
 public:
  int JVInit(const std::string&) override { return 0; }
  int JVSetUIProperties() override { return 0; }
  JVOpenResult JVOpen(const std::string&, const std::string&, int) override { return {-1, 0, 0, ""}; }
  int JVStatus() override { return 0; }
  JVReadResult JVRead(int&) override { return {0, "", ""}; }
  int JVRTOpen(const std::string&, const std::string&) override { return -1; }
  int JVCancel() override { return 0; }
  int JVClose() override { return 0; }
};

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

#ifdef _WIN32
// The COM control "JVDTLab.JVLink"; nullptr when it is not registered (win/com_jvlink.cpp).
std::unique_ptr<JVLink> CreateComJVLink();
#endif

}  // namespace tw
