// Files and folders named by Shift-JIS paths.
//
// Paths inside the program are Shift-JIS byte strings (day names and course
// names are part of file names). They are converted to the file system's
// encoding here and nowhere else: UTF-8 on POSIX, UTF-16 on Windows.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The folder separator of the platform, as text.
#ifdef _WIN32
inline constexpr char kPathSep = '\\';
#else
inline constexpr char kPathSep = '/';
#endif

// folder + separator + name (no separator added when folder is empty).
std::string JoinPath(std::string_view folder, std::string_view name);

// The Shift-JIS path as a file-system path, and back.
std::filesystem::path ToFsPath(std::string_view sjisPath);
std::string FromFsPath(const std::filesystem::path& path);

bool FileExists(std::string_view sjisPath);
bool FolderExists(std::string_view sjisPath);
// Anything has the name: a file, a folder, a FIFO or a link, even a broken one.
bool PathExists(std::string_view sjisPath);
// Creates the folder (and its parents). True when it exists afterwards.
bool EnsureFolder(std::string_view sjisPath, std::string* error = nullptr);

// Names (not paths) of the files in `folder` matching a wildcard pattern such
// as "*.jvRA" ('*' and '?', ASCII case-insensitive), in Shift-JIS, sorted
// ascending by byte order. A missing folder gives an empty list.
std::vector<std::string> ListFolder(std::string_view sjisFolder, std::string_view pattern);

// True when `name` matches the wildcard `pattern` (ASCII case-insensitive).
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The most a reader without a layout of its own takes in: far more than any
// settings file, log or report reaches, far less than would exhaust memory.
inline constexpr std::uintmax_t kReadLimitBytes = 64ull << 20;

enum class ReadStatus { kRead, kMissing, kUnreadable, kTooLarge };

// The whole file into `bytes` when it holds at most `maxBytes`; a larger file
// is not read (kTooLarge) and `bytes` stays empty.
ReadStatus ReadFileBounded(std::string_view sjisPath, std::uintmax_t maxBytes, std::string& bytes);

// The whole file as bytes; nullopt when it does not exist, cannot be read or
// is larger than `maxBytes`.
std::optional<std::string> ReadFileBytes(std::string_view sjisPath, std::uintmax_t maxBytes = kReadLimitBytes);

// Result of a save: ok, or the platform's message of what went wrong.
struct SaveResult {
  bool ok = true;
  std::string error;  // UTF-8, for the user
  explicit operator bool() const { return ok; }
};

// Writes the whole file atomically: a temporary file in the same folder is
// written and flushed, then renamed over the old one. On failure the old file
// is left as it was and the temporary file is removed.
SaveResult WriteFileAtomic(std::string_view sjisPath, std::string_view bytes);

// Creates the file whole and atomically unless there is one: a file another
// program made meanwhile is left as it is (`alreadyThere`, and ok).
SaveResult CreateFileAtomic(std::string_view sjisPath, std::string_view bytes, bool& alreadyThere);

// A stream of the file's bytes for readers that take it piece by piece; a
// missing or unreadable file gives a stream that fails at once.
std::unique_ptr<std::istream> OpenFileStream(std::string_view sjisPath);

// Splits file contents into lines. CR LF, a lone LF and a missing final line
// end are accepted; a final line end does not start an empty last line.
std::vector<std::string> SplitLines(std::string_view bytes);

// Joins lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The text file as lines; nullopt when it does not exist, cannot be read or
// is larger than `maxBytes`.
std::optional<std::vector<std::string>> LoadLines(std::string_view sjisPath, std::uintmax_t maxBytes = kReadLimitBytes);

// A file-size limit of the process (ulimit -f) makes a write fail like a full
// disk instead of ending the program by a signal. Called once at start.
void ReportFileSizeLimitAsWriteFailure();

// Saves the lines whole with CR LF, atomically.
SaveResult SaveLines(std::string_view sjisPath, const std::vector<std::string>& lines);

}  // namespace tw
