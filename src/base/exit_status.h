// The exit statuses of every program, and the line their usage texts end with.
#pragma once

namespace tw {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work could not be done
inline constexpr int kExitUsage = 2;    // no, unknown or malformed arguments

inline constexpr const char* kExitStatusText =
    "exit status: 0 done, 1 the work failed, 2 a usage error (the usage line goes to standard error).\n";

}  // namespace tw
