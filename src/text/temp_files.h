// The temporary files of atomic saves: "<file>.tmp<digits>" beside the file
// they replace. A save that is killed before its rename leaves one behind;
// the next save into the same folder removes it, so they never pile up.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tw {

// A fresh temporary-file suffix, ".tmp" and up to nine digits.
std::string TemporarySuffix();

// True when the file name has the form of our temporary files.
bool IsTemporaryFileName(std::string_view name);

// Removes the temporary files of our naming in `folder`, once per folder and
// run of the program: the first save into a folder cleans it. Files that
// cannot be removed are left.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Forgets which folders were cleaned (for tests).
void ForgetCleanedFolders();

}  // namespace tw
