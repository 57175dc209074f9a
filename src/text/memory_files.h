// Day files kept in memory instead of on disk, for the fuzz targets: while a
// ScopedMemoryFiles lives on a thread, the file functions of this layer
// (existence, listing, the bounded readers, the atomic saves) and the
// readers built on them find, read and save the files of its map. The
// parsing above them is the same code either way. Nothing installs one in
// the program; with none installed the file system is used as always.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

class ScopedMemoryFiles {
 public:
  // Shift-JIS path, as the program builds it with JoinPath -> bytes.
  using Files = std::map<std::string, std::string, std::less<>>;

  ScopedMemoryFiles();
  ~ScopedMemoryFiles();
  ScopedMemoryFiles(const ScopedMemoryFiles&) = delete;
  ScopedMemoryFiles& operator=(const ScopedMemoryFiles&) = delete;

  Files& files() { return files_; }
  const Files& files() const { return files_; }

  // The one installed on this thread; nullptr when files are on disk.
  static ScopedMemoryFiles* Active();

  // The file's bytes; nullptr when there is none.
  const std::string* Find(std::string_view sjisPath) const;
  // A folder exists when a file lies below it.
  bool HasFolder(std::string_view sjisFolder) const;
  // Names of the files directly in the folder, ascending by byte order.
  std::vector<std::string> NamesIn(std::string_view sjisFolder) const;
  void Save(std::string_view sjisPath, std::string_view bytes);
  // Takes the bytes over instead of copying them.
  void Save(std::string_view sjisPath, std::string&& bytes);

 private:
  Files files_;
  ScopedMemoryFiles* previous_;
};

}  // namespace tw
