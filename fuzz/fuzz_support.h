// What every fuzz target shares: a scratch folder under the temporary
// folder, the split of an input into the files it stands for, snapshots of a
// folder tree and the invariant checks.
//
// An input is a mode byte followed by parts separated by kPartMark. In the
// fitted mode (mode bit 0 set) the harness pads or cuts every line of a day
// file to its stored length, so that short seeds reach the deep paths; in
// the raw mode the parts are written as they are, as a hostile user would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tw::fuzz {

inline constexpr std::string_view kPartMark = "\xFE\xFE";

struct FuzzInput {
  bool fitted = false;
  unsigned mode = 0;
  std::vector<std::string> parts;
  // The part, or empty when the input has fewer parts.
  const std::string& Part(size_t index) const;
  bool Has(size_t index) const { return index < parts.size(); }
};

FuzzInput SplitInput(const uint8_t* data, size_t size);
// The input bytes of a mode and parts (for the seed generator).
std::string JoinInput(unsigned mode, const std::vector<std::string>& parts);

// Every line of `bytes` padded with spaces or cut to `length`, each ended by
// CR LF.
std::string FitLines(const std::string& bytes, size_t length);
// How many line breaks (CR or LF) the bytes hold.
size_t CountLineBreaks(const std::string& bytes);

// A fresh folder under TMPDIR (or /tmp), removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::string Sub(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The one scratch folder of a run, made at the first call and removed at
// exit; emptied before it is handed out, so every input starts from nothing
// without a folder made anew.
ScratchFolder& EmptiedScratch();

// Where a target's time goes. Each Mark adds the time since the previous
// mark (or since Start) to the phase it names; with TURFWISE_FUZZ_PHASES=1
// the shares are printed at exit, with the time libFuzzer spends between
// inputs.
class PhaseClock {
 public:
  PhaseClock();
  void Mark(const char* phase);

 private:
  long long last_;
};

// Every regular file below `root`: path relative to root -> bytes.
using Tree = std::map<std::string, std::string>;
Tree ReadTree(const std::filesystem::path& root);
// The same into `tree`, whose entries of files still there keep their
// buffers: a target that reads the folder after every write reads the same
// files again and again.
void ReadTree(const std::filesystem::path& root, Tree& tree);

void WriteFile(const std::string& path, const std::string& bytes);

// The files of a ScopedMemoryFiles map below `root` (Shift-JIS), as ReadTree
// gives those of a folder: relative UTF-8 path -> bytes. The map is taken by
// value: a last look moves the files instead of copying them.
Tree MemoryTree(std::map<std::string, std::string, std::less<>> files, const std::string& root);

// Aborts with the message when `ok` is false: libFuzzer keeps the input.
void Check(bool ok, const std::string& what);
// A check of a rule the code does not keep yet: enforced only when the
// environment sets TURFWISE_FUZZ_STRICT=1 (fuzz/README.md lists them).
void StrictCheck(bool ok, const std::string& what);
bool StrictChecks();

// True when every line of `bytes` is exactly `length` bytes and ends with
// CR LF (an empty file passes).
bool FixedLines(const std::string& bytes, size_t length);
// The fixed-length record `index` of `bytes` (record length with CR LF);
// empty past the end.
std::string_view FixedRecord(const std::string& bytes, size_t recordLength, size_t index);

// Every path of `after` lies in one of `allowed` (relative folder names,
// "" for the root itself) and no name looks like a temporary file.
void CheckOnlyIn(const Tree& after, const std::vector<std::string>& allowed);
// The files of `before` in `folder` are unchanged in `after`.
void CheckUnchanged(const Tree& before, const Tree& after, const std::string& what);

}  // namespace tw::fuzz
