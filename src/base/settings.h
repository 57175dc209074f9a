// The settings file: an INI file beside the executable, read and written key
// by key. There is no copy in memory: every read reads the file and every
// write rewrites it at once (atomically), keeping other sections, keys and
// comments as they were. Section and key names compare ASCII
// case-insensitively; values are Shift-JIS text.
#pragma once

#include <optional>
#include <string>

namespace tw {

class Settings {
 public:
  explicit Settings(std::string sjisPath) : path_(std::move(sjisPath)) {}

  const std::string& path() const { return path_; }

  // The value as stored, spaces around it trimmed; nullopt when the file,
  // the section or the key is missing.
  std::optional<std::string> ReadRaw(const std::string& section, const std::string& key) const;
  // Writes key=value; false when the file could not be saved.
  bool WriteRaw(const std::string& section, const std::string& key, const std::string& value,
                std::string* error = nullptr);

  // A missing key, or one that is not a decimal integer, gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool WriteInteger(const std::string& section, const std::string& key, int value);

  // Stored as 1 and 0; any non-zero integer reads as true.
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  bool WriteBool(const std::string& section, const std::string& key, bool value);

  // The default is looked up wrapped in the half-width corner brackets, so a
  // missing key returns it unwrapped; a value in double quotes or corner
  // brackets loses them; two quotes or two brackets alone read as empty.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // Written unchanged, without brackets or quotes.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);

 private:
  std::string path_;
};

// The string rule applied to a raw value (exposed for tests).
std::string UnwrapSettingString(const std::string& raw);

}  // namespace tw
