#include "base/app_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "text/files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tw {

namespace {

namespace fs = std::filesystem;

// A file can be made in the folder (and is removed again at once).
bool FolderWritable(const std::string& folder) {
  std::random_device random;
  const fs::path probe = ToFsPath(JoinPath(folder, ".turfwise-write-test-" + std::to_string(random())));
  {
    std::ofstream file(probe, std::ios::binary);
    if (!file) return false;
  }
  std::error_code ec;
  fs::remove(probe, ec);
  return true;
}

// `<prefix>/bin` beside `<prefix>/share/turfwise`: installed, even where the
// user (root, say) could write to the folder.
bool InstalledLayout(const std::string& programFolder) {
  const fs::path folder = ToFsPath(programFolder);
  std::error_code ec;
  return folder.filename() == "bin" && fs::is_directory(folder.parent_path() / "share" / "turfwise", ec);
}

}  // namespace

std::string ProgramFolder(const char* argv0) {
  std::error_code ec;
#ifdef _WIN32
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0) break;
    if (n < name.size()) {
      name.resize(n);
      return FromFsPath(fs::path(name).parent_path());
    }
    name.resize(name.size() * 2);
  }
#else
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.is_absolute()) return FromFsPath(exe.parent_path());
#endif
  fs::path given = argv0 ? fs::path(argv0) : fs::path();
  fs::path absolute = fs::absolute(given, ec);
  return FromFsPath((ec ? given : absolute).lexically_normal().parent_path());
}

std::string UserDataFolder() {
#ifdef _WIN32
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') return {};
  return FromFsPath(fs::path(local) / "Turfwise");
#else
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && fs::path(data).is_absolute()) return FromFsPath(fs::path(data) / "turfwise");
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return {};
  return FromFsPath(fs::path(home) / ".local" / "share" / "turfwise");
#endif
}

AppFolderChoice ChooseAppFolder(const std::string& programFolder, const std::string& settingsFileName,
                                const std::string& userFolder) {
  AppFolderChoice choice{programFolder, false, {}};
  if (FileExists(JoinPath(programFolder, settingsFileName)) || FolderExists(JoinPath(programFolder, "Data"))) {
    return choice;
  }
  if (!InstalledLayout(programFolder) && FolderWritable(programFolder)) return choice;
  if (userFolder.empty()) {
    choice.error = "no per-user data folder: neither HOME nor XDG_DATA_HOME is set";
    return choice;
  }
  std::string why;
  if (!EnsureFolder(userFolder, &why)) {
    choice.error = "cannot create the per-user data folder: " + why;
    return choice;
  }
  choice.folder = userFolder;
  while (choice.folder.size() > 1 && (choice.folder.back() == '/' || choice.folder.back() == '\\')) {
    choice.folder.pop_back();
  }
  choice.perUser = true;
  return choice;
}

std::string UserGuideFile(const std::string& programFolder) {
  const fs::path folder = ToFsPath(programFolder);
  for (const fs::path& guide :
       {folder / "guide" / "index.html", folder.parent_path() / "share" / "turfwise" / "guide" / "index.html"}) {
    std::error_code ec;
    if (fs::is_regular_file(guide, ec)) return FromFsPath(guide.lexically_normal());
  }
  return {};
}

}  // namespace tw
