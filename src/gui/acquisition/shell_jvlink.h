// The JV-Link the main window's fetches use: the shell's, looked up at every
// call (it is created at start-up and may be missing; a call without one
// fails like a broken call would). When the program is to end in the middle
// of a fetch the stream is cancelled: from then on every call that would
// read or open fails, so the running read loop ends and closes its stream.
#pragma once

#include "jvlink/jvlink.h"

namespace tw {

class AppShell;

class ShellJVLink : public JVLink {
 public:
  explicit ShellJVLink(AppShell& shell) : shell_(shell) {}

  // JVCancel on the running stream; later reads and opens fail.
  void CancelStream();
  bool cancelled() const { return cancelled_; }

  int JVInit(const std::string& sid) override;
  int JVSetUIProperties() override;
  JVOpenResult JVOpen(const std::string& spec, const std::string& from, int option) override;
  int JVStatus() override;
  JVReadResult JVRead(int& size) override;
  int JVRTOpen(const std::string& spec, const std::string& key) override;
  int JVCancel() override;
  int JVClose() override;

 private:
  JVLink& Get();
  // Get() for the calls a cancelled stream refuses.
  JVLink& Reading();

  AppShell& shell_;
  bool cancelled_ = false;
};

}  // namespace tw
