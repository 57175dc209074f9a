// Where the program keeps its files: everything lives beside the executable.
// All paths are Shift-JIS.
#pragma once

#include <string>

namespace tw {

class AppPaths {
 public:
  AppPaths() = default;
  // `appFolder` without a trailing separator; `exeName` the executable's file name.
  AppPaths(std::string appFolder, std::string exeName);

  const std::string& appFolder() const { return appFolder_; }
  std::string DataFolder() const;    // <app>/Data
  std::string ErrorLogFile() const;  // <app>/ErrorLog.txt
  std::string HelpFile() const;      // <app>/TWjdl.chm
  std::string SettingsFile() const;  // <app>/<exe name>.ini
  std::string UploadFolder() const;  // <app>/HPupload

 private:
  std::string appFolder_;
  std::string exeName_ = "turfwise";
};

// The executable's name with its extension (if any) replaced by ".ini".
std::string SettingsFileName(const std::string& exeName);

}  // namespace tw
