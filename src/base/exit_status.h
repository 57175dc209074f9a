// The exit statuses of every program, and the lines their usage texts end with.
#pragma once

namespace tw {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work could not be done, or only part of it
inline constexpr int kExitUsage = 2;    // no, unknown or malformed arguments
// The work was done, but some day files it read were damaged, missing or
// unreadable; each was told on standard error.
inline constexpr int kExitDayFileProblems = 3;

// The exit status of work that was done: kExitDayFileProblems when day files
// had problems, else kExitOk.
constexpr int DoneExitStatus(bool dayFileProblems) { return dayFileProblems ? kExitDayFileProblems : kExitOk; }

// turfwise-cli, whose commands read race days.
inline constexpr const char* kExitStatusText =
    "exit status: 0 done; 1 the work failed (nothing, or only part of it, was done);\n"
    "  2 a usage error (the usage line goes to standard error);\n"
    "  3 done, but some day files were damaged, missing or unreadable (each is on standard error).\n";

// The programs that read no race day: the window, the sample feed, the bridge.
inline constexpr const char* kShortExitStatusText =
    "exit status: 0 done, 1 the work failed, 2 a usage error (the usage line goes to standard error).\n";

}  // namespace tw
