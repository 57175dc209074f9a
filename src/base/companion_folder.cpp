#include "base/companion_folder.h"

#include "text/fields.h"
#include "text/files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tw {

std::string ReadCompanionInstallFolder() {
#ifdef _WIN32
  const char* kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Seriola for JRA-VAN Data Lab._is1";
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  char buf[1024];
  DWORD size = sizeof buf - 1;
  DWORD type = 0;
  std::string out;
  if (RegQueryValueExA(key, "Inno Setup: App Path", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
          ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    buf[size] = '\0';
    out = buf;
  }
  RegCloseKey(key);
  return out;
#else
  return {};
#endif
}

void FindCompanionFolder(Settings& settings, const std::function<std::string()>& registry) {
  if (!Trim(settings.ReadString(setting::kTimeSeriesFolder)).empty()) return;
  std::string folder = Trim(registry ? registry() : std::string());
  if (folder.empty()) return;
  settings.WriteString(setting::kTimeSeriesFolder, JoinPath(folder, "Data"));
}

}  // namespace tw
