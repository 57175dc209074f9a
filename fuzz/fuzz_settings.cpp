// The settings reader over a file the input gives, then a write of one key.
// Segment 0 is the file; segment 1 picks the key (first byte), the kind of write
// (second byte) and holds the value. Every read must survive any file, and a
// write changes the written key only: every other key reads as before.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/settings.h"
#include "fuzz_support.h"

namespace {

using namespace tw;
using namespace tw::fuzz;

constexpr size_t kKeyCount = std::size(kSettingKeys);

std::string TrimSpacesAndTabs(const std::string& s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// Every key read every way; the raw values are returned.
std::vector<std::optional<std::string>> ReadAll(const Settings& settings) {
  std::vector<std::optional<std::string>> raw;
  for (const SettingKey* key : kSettingKeys) {
    raw.push_back(settings.ReadRaw(*key));
    if (key->type == SettingType::kInteger) {
      int v = settings.ReadInteger(*key);
      if (key->HasRange()) {
        StrictCheck(v >= key->min && v <= key->max,
                    std::string("integer read outside its range: ") + key->section + "/" + key->key);
      }
    } else if (key->type == SettingType::kBool) {
      (void)settings.ReadBool(*key);
    } else {
      (void)settings.ReadString(*key, "default");
    }
  }
  return raw;
}

int IntegerOf(const std::string& value) {
  uint32_t v = 0;
  for (size_t k = 0; k < value.size() && k < 4; ++k) v = v * 256 + static_cast<unsigned char>(value[k]);
  return static_cast<int32_t>(v);
}

// Dates the file an hour back (and `seconds` later), as if saved long ago.
void AgeFile(const std::string& path, int seconds) {
  std::error_code ec;
  const auto then =
      std::filesystem::file_time_type::clock::now() - std::chrono::hours(1) + std::chrono::seconds(seconds);
  std::filesystem::last_write_time(path, then, ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input = SplitInput(data, size);
  PhaseClock clock;
  ScratchFolder& scratch = EmptiedScratch();
  const std::string path = scratch.Sub("settings.ini");
  if (input.Has(0)) WriteFile(path, input.Part(0));
  // A file changed within the last two seconds is read again for every key;
  // one that looks older is read once and then kept. The first read and the
  // one after the write still read the file.
  AgeFile(path, 0);
  clock.Mark("set-up");
  Settings settings(path);
  const auto before = ReadAll(settings);
  clock.Mark("reads");

  const std::string& op = input.Part(1);
  if (op.size() < 2) return 0;
  const size_t index = static_cast<unsigned char>(op[0]) % kKeyCount;
  const SettingKey& key = *kSettingKeys[index];
  const int kind = static_cast<unsigned char>(op[1]) % 3;
  // Values come from one-line fields of the dialogs: no line breaks.
  std::string value = op.substr(2);
  value.erase(std::remove_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }), value.end());

  bool written = false;
  std::string expected;
  if (kind == 0) {
    written = settings.WriteRaw(key, value);
    expected = TrimSpacesAndTabs(value);
  } else if (kind == 1) {
    int number = IntegerOf(value);
    written = settings.WriteInteger(key, number);
    if (key.HasRange()) number = std::clamp(number, key.min, key.max);
    expected = std::to_string(number);
  } else {
    bool on = !value.empty() && (value[0] & 1);
    written = settings.WriteBool(key, on);
    expected = on ? "1" : "0";
  }
  Check(written, "the settings file could not be written");
  AgeFile(path, 1);
  clock.Mark("write");

  const Tree after = ReadTree(scratch.path());
  CheckOnlyIn(after, {""});
  Check(after.size() == 1, "the write left other files beside the settings file");
  const auto now = ReadAll(settings);
  for (size_t k = 0; k < kKeyCount; ++k) {
    if (k == index) continue;
    Check(now[k] == before[k], std::string("a write of ") + key.section + "/" + key.key + " changed " +
                                   kSettingKeys[k]->section + "/" + kSettingKeys[k]->key);
  }
  Check(now[index] == expected, std::string("the written key reads back differently: ") + key.section + "/" + key.key);
  clock.Mark("checks");
  return 0;
}
