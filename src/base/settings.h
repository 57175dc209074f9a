// The settings file: an INI file beside the executable, read and written key
// by key. Every read looks at the file, so an edit made while the program
// runs counts at once; the parsed lines are kept only while the file's size
// and modification time stay the same. Every write rewrites the file at once
// (atomically), keeping other sections, keys and comments as they were. A
// file that exists but cannot be read, or is larger than kSettingsByteLimit,
// is not used: every key reads as its default, LoadProblem() says why, and
// no write replaces the file. Section and key names compare ASCII
// case-insensitively; values are Shift-JIS text (any bytes, NUL too, are
// read without harm). Every key is one of base/settings_keys.h.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/settings_keys.h"
#include "text/files.h"

namespace tw {

// The most a settings file holds: far more than every key of
// base/settings_keys.h with long folder names and comments.
inline constexpr std::uintmax_t kSettingsByteLimit = 1u << 20;

class Settings {
 public:
  explicit Settings(std::string sjisPath) : path_(std::move(sjisPath)) {}

  const std::string& path() const { return path_; }

  // Why the file's settings are not in use, for the user (Shift-JIS, naming
  // the file): it exists but cannot be read, or is too large. Empty when it
  // was read or does not exist.
  std::string LoadProblem() const;

  // The value as stored, spaces around it trimmed; nullopt when the file,
  // the section or the key is missing.
  std::optional<std::string> ReadRaw(const SettingKey& key) const;
  // Writes key=value; false when the file could not be saved.
  bool WriteRaw(const SettingKey& key, const std::string& value, std::string* error = nullptr);

  // A missing key, or one that is not a decimal integer, gives the key's
  // default. Reads and writes are kept within the key's range, when it has
  // one.
  int ReadInteger(const SettingKey& key) const;
  bool WriteInteger(const SettingKey& key, int value);

  // Stored as 1 and 0; any non-zero integer reads as true.
  bool ReadBool(const SettingKey& key) const;
  bool WriteBool(const SettingKey& key, bool value);

  // The default is looked up wrapped in the half-width corner brackets, so a
  // missing key returns it unwrapped; a value in double quotes or corner
  // brackets loses them; two quotes or two brackets alone read as empty.
  // The first form reads with the key's default, the second with the
  // reader's, for keys whose default depends on the clock or the folder.
  std::string ReadString(const SettingKey& key) const;
  std::string ReadString(const SettingKey& key, const std::string& def) const;
  // Written unchanged, without brackets or quotes.
  bool WriteString(const SettingKey& key, const std::string& value);

 private:
  // The file as last parsed.
  struct Parsed {
    bool valid = false;
    ReadStatus status = ReadStatus::kMissing;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Parsed& Current() const;

  std::string path_;
  mutable Parsed parsed_;
};

// The string rule applied to a raw value (exposed for tests).
std::string UnwrapSettingString(const std::string& raw);

}  // namespace tw
