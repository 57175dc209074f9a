// The JV-Link of this platform. Until a data source is configured, Linux gets
// a placeholder that initialises and never has data.
#pragma once

#include <memory>

#include "jvlink/jvlink.h"

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
  std::unique_ptr<JVLink> Create() override;
};

}  // namespace tw
