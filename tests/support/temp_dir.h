// A fresh folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace tw::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as a Shift-JIS path for the core (ASCII here, so the same bytes).
  std::string str() const { return path_.string(); }
  // A path inside the folder.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Writes bytes to a file (test set-up, not atomic).
void WriteBytes(const std::string& path, const std::string& bytes);
// Reads a whole file; empty when missing.
std::string ReadBytes(const std::string& path);

}  // namespace tw::test
