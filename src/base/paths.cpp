#include "base/paths.h"

#include "text/files.h"

namespace tw {

AppPaths::AppPaths(std::string appFolder, std::string exeName)
    : appFolder_(std::move(appFolder)), exeName_(std::move(exeName)) {
  while (appFolder_.size() > 1 && (appFolder_.back() == '/' || appFolder_.back() == '\\')) appFolder_.pop_back();
}

std::string AppPaths::DataFolder() const { return JoinPath(appFolder_, "Data"); }
std::string AppPaths::ErrorLogFile() const { return JoinPath(appFolder_, "ErrorLog.txt"); }
std::string AppPaths::HelpFile() const { return JoinPath(appFolder_, "TWjdl.chm"); }
std::string AppPaths::SettingsFile() const { return JoinPath(appFolder_, SettingsFileName(exeName_)); }
std::string AppPaths::UploadFolder() const { return JoinPath(appFolder_, "HPupload"); }

std::string SettingsFileName(const std::string& exeName) {
  size_t dot = exeName.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return exeName + ".ini";
  return exeName.substr(0, dot) + ".ini";
}

}  // namespace tw
