#include "text/temp_files.h"

#include <mutex>
#include <random>
#include <set>
#include <system_error>

namespace tw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarker = ".tmp";
constexpr size_t kMaxDigits = 9;

std::set<fs::path>& CleanedFolders() {
  static std::set<fs::path> folders;
  return folders;
}

std::mutex& CleanedMutex() {
  static std::mutex m;
  return m;
}

// The name's characters may be wide (Windows): only ASCII is compared.
template <typename Char>
bool HasTemporaryForm(std::basic_string_view<Char> name) {
  size_t digits = 0;
  while (digits < name.size() && name[name.size() - 1 - digits] >= Char('0') &&
         name[name.size() - 1 - digits] <= Char('9'))
    ++digits;
  if (digits == 0 || digits > kMaxDigits) return false;
  size_t marker = name.size() - digits;
  if (marker <= kMarker.size()) return false;  // a name before the marker
  for (size_t i = 0; i < kMarker.size(); ++i) {
    if (name[marker - kMarker.size() + i] != Char(kMarker[i])) return false;
  }
  return true;
}

}  // namespace

std::string TemporarySuffix() {
  // Days of a season report load side by side, and each load may save.
  static std::mutex m;
  static std::mt19937_64 rng{std::random_device{}()};
  std::lock_guard<std::mutex> lock(m);
  return std::string(kMarker) + std::to_string(rng() % 1000000000ULL);
}

bool IsTemporaryFileName(std::string_view name) { return HasTemporaryForm(name); }

void RemoveStaleTemporaryFiles(const fs::path& folder) {
  const fs::path where = folder.empty() ? fs::path(".") : folder;
  // Held through the scan: a save beside it in the same folder waits here
  // instead of having its own temporary file taken for a stale one.
  std::lock_guard<std::mutex> lock(CleanedMutex());
  if (!CleanedFolders().insert(where).second) return;
  std::error_code ec;
  fs::directory_iterator it(where, ec);
  if (ec) return;
  for (const auto& entry : it) {
    std::error_code e2;
    if (!entry.is_regular_file(e2)) continue;
    const fs::path::string_type name = entry.path().filename().native();
    if (HasTemporaryForm(std::basic_string_view<fs::path::value_type>(name))) fs::remove(entry.path(), e2);
  }
}

void ForgetCleanedFolders() {
  std::lock_guard<std::mutex> lock(CleanedMutex());
  CleanedFolders().clear();
}

}  // namespace tw
