#include "text/temp_files.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <set>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace tw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".turfwise-";
constexpr std::string_view kEnd = ".tmp";
constexpr size_t kMaxDigits = 20;
// A temporary file this old is stale even if its process id runs again.
constexpr auto kStaleAge = std::chrono::hours(24);

std::set<fs::path>& CleanedFolders() {
  static std::set<fs::path> folders;
  return folders;
}

std::mutex& CleanedMutex() {
  static std::mutex m;
  return m;
}

// Reads the digits ending at `end` backwards; their value, or nothing.
template <typename Char>
bool DigitsBefore(std::basic_string_view<Char> name, size_t& end, unsigned long long& value) {
  size_t start = end;
  while (start > 0 && name[start - 1] >= Char('0') && name[start - 1] <= Char('9')) --start;
  if (start == end || end - start > kMaxDigits) return false;
  value = 0;
  for (size_t i = start; i < end; ++i) value = value * 10 + static_cast<unsigned>(name[i] - Char('0'));
  end = start;
  return true;
}

template <typename Char>
bool EndsWithAscii(std::basic_string_view<Char> name, size_t end, std::string_view text) {
  if (end < text.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (name[end - text.size() + i] != Char(text[i])) return false;
  }
  return true;
}

// The owner's process id when the name is "<file>.turfwise-<pid>-<n>.tmp".
// The name's characters may be wide (Windows): only ASCII is compared.
template <typename Char>
unsigned long OwnerOf(std::basic_string_view<Char> name) {
  size_t end = name.size();
  unsigned long long counter = 0, pid = 0;
  if (!EndsWithAscii(name, end, kEnd)) return 0;
  end -= kEnd.size();
  if (!DigitsBefore(name, end, counter) || !EndsWithAscii(name, end, "-")) return 0;
  end -= 1;
  if (!DigitsBefore(name, end, pid) || !EndsWithAscii(name, end, kPrefix)) return 0;
  end -= kPrefix.size();
  if (end == 0 || pid == 0) return 0;  // a file of ours comes before the suffix
  return static_cast<unsigned long>(pid);
}

bool IsStale(const fs::directory_entry& entry, unsigned long owner) {
  if (!ProcessIsRunning(owner)) return true;
  std::error_code ec;
  auto written = entry.last_write_time(ec);
  return !ec && fs::file_time_type::clock::now() - written > kStaleAge;
}

}  // namespace

std::string TemporarySuffix() {
  // Days of a season report load side by side, and each load may save.
  static std::atomic<unsigned long long> counter{0};
  return std::string(kPrefix) + std::to_string(CurrentProcessId()) + "-" + std::to_string(++counter) +
         std::string(kEnd);
}

bool IsTemporaryFileName(std::string_view name) { return OwnerOf(name) != 0; }

unsigned long TemporaryFileOwner(std::string_view name) { return OwnerOf(name); }

unsigned long CurrentProcessId() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(::getpid());
#endif
}

bool ProcessIsRunning(unsigned long pid) {
  if (pid == CurrentProcessId()) return true;
#ifdef _WIN32
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
#else
  if (pid > static_cast<unsigned long>(INT32_MAX)) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

void RemoveStaleTemporaryFiles(const fs::path& folder) {
  const fs::path where = folder.empty() ? fs::path(".") : folder;
  std::lock_guard<std::mutex> lock(CleanedMutex());
  if (!CleanedFolders().insert(where).second) return;
  std::error_code ec;
  fs::directory_iterator it(where, ec);
  if (ec) return;
  for (const auto& entry : it) {
    std::error_code e2;
    if (!entry.is_regular_file(e2)) continue;
    const fs::path::string_type name = entry.path().filename().native();
    unsigned long owner = OwnerOf(std::basic_string_view<fs::path::value_type>(name));
    if (owner != 0 && IsStale(entry, owner)) fs::remove(entry.path(), e2);
  }
}

void ForgetCleanedFolders() {
  std::lock_guard<std::mutex> lock(CleanedMutex());
  CleanedFolders().clear();
}

}  // namespace tw
