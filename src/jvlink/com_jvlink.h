// The COM control "JVDTLab.JVLink" as a JVLink, on Windows only.
#pragma once

#include <memory>
#include <string>

#include "jvlink/jvlink.h"

namespace tw {

#ifdef _WIN32
// nullptr when the control cannot be created on this machine (not
// registered, or a 32-bit control in a 64-bit process); `why` says which.
std::unique_ptr<JVLink> CreateComJVLink(std::string* why = nullptr);

// The JV-Link bridge's work on Windows: creates the control on this thread
// (a single-threaded apartment, Japanese thread locale) and serves the
// bridge protocol on standard input and output, keeping the control's own
// windows working between requests. Returns the process's exit status.
int ServeComJVLinkBridge();
#endif

}  // namespace tw
