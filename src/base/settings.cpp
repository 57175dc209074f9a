#include "base/settings.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

const char kOpenBracket = '\xA2';   // half-width "｢" in Shift-JIS
const char kCloseBracket = '\xA3';  // half-width "｣"

std::string TrimWhite(const std::string& s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// The section name of a "[name]" line, or nullopt.
std::optional<std::string> SectionOf(const std::string& line) {
  std::string t = TrimWhite(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return TrimWhite(t.substr(1, close - 1));
}

bool IsComment(const std::string& t) { return !t.empty() && (t[0] == ';' || t[0] == '#'); }

// The key of a "key=value" line (trimmed), or nullopt.
std::optional<std::string> KeyOf(const std::string& line) {
  std::string t = TrimWhite(line);
  if (t.empty() || IsComment(t)) return std::nullopt;
  size_t eq = t.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return TrimWhite(t.substr(0, eq));
}

}  // namespace

const Settings::Parsed& Settings::Current() const {
  namespace fs = std::filesystem;
  const fs::path path = ToFsPath(path_);
  std::error_code sizeError, timeError;
  const std::uintmax_t size = fs::file_size(path, sizeError);
  const fs::file_time_type time = fs::last_write_time(path, timeError);
  const bool stated = !sizeError && !timeError;
  const bool same =
      parsed_.valid && stated && parsed_.status == ReadStatus::kRead && size == parsed_.size && time == parsed_.time;
  // A file changed within the last moments may have changed again within
  // the same tick of the file system's clock: its bytes are compared.
  const bool settled = same && fs::file_time_type::clock::now() - time > std::chrono::seconds(2);
  if (settled) return parsed_;
  std::string bytes;
  const ReadStatus status = ReadFileBounded(path_, kSettingsByteLimit, bytes);
  if (same && status == ReadStatus::kRead && bytes == parsed_.bytes) return parsed_;
  parsed_ = Parsed{};
  parsed_.status = status;
  if (status == ReadStatus::kRead) {
    parsed_.lines = SplitLines(bytes);
    parsed_.bytes = std::move(bytes);
  }
  parsed_.valid = stated;
  parsed_.size = size;
  parsed_.time = time;
  return parsed_;
}

std::string Settings::LoadProblem() const {
  static const std::string kUnreadable =
      Sjis("設定ファイルを読み込めないため、既定の設定で動きます。設定ファイルは書き換えません：");
  static const std::string kTooLarge =
      Sjis("設定ファイルが 1 MiB を超えるため読み込まず、既定の設定で動きます。設定ファイルは書き換えません：");
  switch (Current().status) {
    case ReadStatus::kUnreadable:
      return kUnreadable + path_;
    case ReadStatus::kTooLarge:
      return kTooLarge + path_;
    case ReadStatus::kRead:
    case ReadStatus::kMissing:
      break;
  }
  return {};
}

std::optional<std::string> Settings::ReadRaw(const SettingKey& setting) const {
  const std::string section = setting.section, key = setting.key;
  const Parsed& file = Current();
  if (file.status != ReadStatus::kRead) return std::nullopt;
  bool inSection = false;
  for (const auto& line : file.lines) {
    if (auto s = SectionOf(line)) {
      inSection = EqualsIgnoreCase(*s, section);
      continue;
    }
    if (!inSection) continue;
    auto k = KeyOf(line);
    if (k && EqualsIgnoreCase(*k, key)) {
      size_t eq = line.find('=');
      return TrimWhite(line.substr(eq + 1));
    }
  }
  return std::nullopt;
}

bool Settings::WriteRaw(const SettingKey& setting, const std::string& value, std::string* error) {
  const std::string section = setting.section, key = setting.key;
  const Parsed& file = Current();
  if (file.status == ReadStatus::kUnreadable || file.status == ReadStatus::kTooLarge) {
    // Writing the one key would lose every other setting of the file.
    if (error)
      *error = file.status == ReadStatus::kTooLarge
                   ? "the settings file is larger than 1 MiB and was not read, so it is left as it is"
                   : "the settings file cannot be read, so it is left as it is";
    return false;
  }
  std::vector<std::string> lines = file.lines;
  const std::string entry = key + "=" + value;
  bool inSection = false;
  bool sectionFound = false;
  size_t insertAt = lines.size();
  bool done = false;
  for (size_t i = 0; i < lines.size() && !done; ++i) {
    if (auto s = SectionOf(lines[i])) {
      if (inSection) break;  // end of our section: insert after its last entry
      inSection = EqualsIgnoreCase(*s, section);
      if (inSection) {
        sectionFound = true;
        insertAt = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    if (!TrimWhite(lines[i]).empty()) insertAt = i + 1;
    auto k = KeyOf(lines[i]);
    if (k && EqualsIgnoreCase(*k, key)) {
      lines[i] = entry;
      done = true;
    }
  }
  if (!done) {
    if (sectionFound) {
      lines.insert(lines.begin() + static_cast<long>(insertAt), entry);
    } else {
      if (!lines.empty() && !TrimWhite(lines.back()).empty()) lines.emplace_back();
      lines.push_back("[" + section + "]");
      lines.push_back(entry);
    }
  }
  SaveResult r = SaveLines(path_, lines);
  parsed_.valid = false;  // read again next time, whatever the clock's resolution
  if (!r && error) *error = r.error;
  return r.ok;
}

int Settings::ReadInteger(const SettingKey& key) const {
  const int def = key.defaultNumber;
  auto raw = ReadRaw(key);
  if (!raw || raw->empty()) return def;
  const std::string& s = *raw;
  size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
  if (i == s.size()) return def;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return def;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return def;
  }
  if (s[0] == '-') v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return def;
  int value = static_cast<int>(v);
  return key.HasRange() ? std::clamp(value, key.min, key.max) : value;
}

bool Settings::WriteInteger(const SettingKey& key, int value) {
  if (key.HasRange()) value = std::clamp(value, key.min, key.max);
  return WriteRaw(key, std::to_string(value));
}

bool Settings::ReadBool(const SettingKey& key) const { return ReadInteger(key) != 0; }

bool Settings::WriteBool(const SettingKey& key, bool value) { return WriteRaw(key, value ? "1" : "0"); }

std::string UnwrapSettingString(const std::string& raw) {
  const std::string brackets{kOpenBracket, kCloseBracket};
  if (raw.size() == 2 && (raw == "\"\"" || raw == brackets)) return {};
  if (raw.size() > 2 &&
      ((raw.front() == '"' && raw.back() == '"') || (raw.front() == kOpenBracket && raw.back() == kCloseBracket)))
    return raw.substr(1, raw.size() - 2);
  return raw;
}

std::string Settings::ReadString(const SettingKey& key) const {
  return ReadString(key, key.defaultText ? key.defaultText : "");
}

std::string Settings::ReadString(const SettingKey& key, const std::string& def) const {
  std::string wrapped = std::string(1, kOpenBracket) + def + std::string(1, kCloseBracket);
  return UnwrapSettingString(ReadRaw(key).value_or(wrapped));
}

bool Settings::WriteString(const SettingKey& key, const std::string& value) { return WriteRaw(key, value); }

}  // namespace tw
