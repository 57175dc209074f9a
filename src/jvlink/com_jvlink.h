// The COM control "JVDTLab.JVLink" as a JVLink, on Windows only.
#pragma once

#include <memory>

#include "jvlink/jvlink.h"

namespace tw {

#ifdef _WIN32
// nullptr when the control is not registered on this machine.
std::unique_ptr<JVLink> CreateComJVLink();
#endif

}  // namespace tw
