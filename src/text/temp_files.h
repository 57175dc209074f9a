// The temporary files of atomic saves: "<file>.turfwise-<pid>-<n>.tmp" beside
// the file they replace, a name no user picks. A save that is killed before
// its rename leaves one behind; the first save into a folder removes those
// whose program has ended or that are more than a day old, and nothing else:
// another program's live save and a user's own "notes.tmp1" stay.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tw {

// A fresh temporary-file suffix of this process.
std::string TemporarySuffix();

// True when the file name has the form of our temporary files.
bool IsTemporaryFileName(std::string_view name);

// The process id in a temporary file's name; 0 when it has none.
unsigned long TemporaryFileOwner(std::string_view name);

// This process's id.
unsigned long CurrentProcessId();

// True while the process `pid` runs (this one included).
bool ProcessIsRunning(unsigned long pid);

// Removes the stale temporary files of our naming in `folder`, once per
// folder and run of the program. Files that cannot be removed are left.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Forgets which folders were cleaned (for tests).
void ForgetCleanedFolders();

}  // namespace tw
