#include "text/memory_files.h"

namespace tw {

namespace {

thread_local ScopedMemoryFiles* t_active = nullptr;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The folder with one separator after it, the start of every path below it.
std::string FolderPrefix(std::string_view folder) {
  std::string prefix(folder);
  if (!prefix.empty() && !IsSeparator(prefix.back())) prefix += '/';
  return prefix;
}

}  // namespace

ScopedMemoryFiles::ScopedMemoryFiles() : previous_(t_active) { t_active = this; }

ScopedMemoryFiles::~ScopedMemoryFiles() { t_active = previous_; }

ScopedMemoryFiles* ScopedMemoryFiles::Active() { return t_active; }

const std::string* ScopedMemoryFiles::Find(std::string_view sjisPath) const {
  auto it = files_.find(sjisPath);
  return it == files_.end() ? nullptr : &it->second;
}

bool ScopedMemoryFiles::HasFolder(std::string_view sjisFolder) const {
  const std::string prefix = FolderPrefix(sjisFolder);
  auto it = files_.lower_bound(prefix);
  return it != files_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> ScopedMemoryFiles::NamesIn(std::string_view sjisFolder) const {
  const std::string prefix = FolderPrefix(sjisFolder);
  std::vector<std::string> names;
  for (auto it = files_.lower_bound(prefix); it != files_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
       ++it) {
    std::string_view name = std::string_view(it->first).substr(prefix.size());
    if (name.find_first_of("/\\") == std::string_view::npos) names.emplace_back(name);
  }
  return names;
}

void ScopedMemoryFiles::Save(std::string_view sjisPath, std::string_view bytes) {
  // A file saved again keeps its buffer, as a file on disk keeps its blocks.
  auto it = files_.find(sjisPath);
  if (it != files_.end()) {
    it->second.assign(bytes);
  } else {
    files_.emplace(std::string(sjisPath), std::string(bytes));
  }
}

void ScopedMemoryFiles::Save(std::string_view sjisPath, std::string&& bytes) {
  files_.insert_or_assign(std::string(sjisPath), std::move(bytes));
}

}  // namespace tw
