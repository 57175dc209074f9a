// The program's version as the windows show it and JV-Link is told it. The
// number comes from the build (the project version in CMakeLists.txt), so
// it is written in one place.
#pragma once

#ifndef TURFWISE_VERSION
#error "the build passes the project version as TURFWISE_VERSION"
#endif

namespace tw {

inline constexpr const char* kVersionText = "Ver." TURFWISE_VERSION;
// The software id JVInit is given: the registered ids and the version.
inline constexpr const char* kSoftwareIdPrefix = "SA100200/SD300400/TurfwisJDL/";

}  // namespace tw
