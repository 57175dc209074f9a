// Every file of a folder with its bytes, to compare two data folders whole;
// the writer's lock file is no data.
#pragma once

#include <map>
#include <string>

#include "store/data_folder_lock.h"
#include "text/files.h"

namespace tw::test {

inline std::map<std::string, std::string> FolderContents(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const std::string& name : ListFolder(folder, "*")) {
    const std::string path = JoinPath(folder, name);
    if (FolderExists(path) || name == DataFolderLock::kFileName) continue;
    files[name] = ReadFileBytes(path).value_or("<unreadable>");
  }
  return files;
}

}  // namespace tw::test
