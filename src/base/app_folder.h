// Which folder the program keeps its settings file, Data/ and ErrorLog.txt
// in. A program folder that is writable, or that already holds the settings
// file or Data/ (a data folder copied over from another machine), is the
// application folder as it has always been. An installed program's folder is
// not: it then uses the per-user data folder. All paths are Shift-JIS.
#pragma once

#include <string>

namespace tw {

struct AppFolderChoice {
  std::string folder;    // the application folder, no trailing separator
  bool perUser = false;  // the per-user data folder rather than the program's
  std::string error;     // UTF-8; why the per-user folder could not be made
};

// The folder of the running executable; `argv0` is used only when the
// platform cannot tell.
std::string ProgramFolder(const char* argv0);

// $XDG_DATA_HOME/turfwise (default ~/.local/share/turfwise); on Windows
// %LOCALAPPDATA%\Turfwise. Empty when the environment names no home.
std::string UserDataFolder();

// The application folder for a program in `programFolder` whose settings
// file is named `settingsFileName`. The per-user folder `userFolder` is
// created when it is chosen; when that fails, or it is empty, the program
// folder is kept and `error` says why.
AppFolderChoice ChooseAppFolder(const std::string& programFolder, const std::string& settingsFileName,
                                const std::string& userFolder);

// The user guide shipped with the program: guide/index.html beside it, or
// under share/turfwise/ of the prefix it is installed in. Empty when absent.
std::string UserGuideFile(const std::string& programFolder);

}  // namespace tw
