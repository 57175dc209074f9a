// A save that fails on purpose, as on a full disk, for the tests of what the
// program does when a file cannot be written. Nothing installs one outside
// the tests; with none installed saves run as usual.
#pragma once

#include <string>
#include <string_view>

namespace tw {

enum class SaveFaultStage {
  kOpen,    // the temporary file cannot be created
  kWrite,   // half of the bytes reach the temporary file, then the disk is full
  kRename,  // the temporary file is complete but cannot replace the old file
};

// While it lives, every save of a path that ends with `pathSuffix`
// (Shift-JIS) fails at `stage`. One at a time; the program is single-threaded.
class ScopedSaveFault {
 public:
  explicit ScopedSaveFault(std::string pathSuffix, SaveFaultStage stage = SaveFaultStage::kWrite);
  ~ScopedSaveFault();
  ScopedSaveFault(const ScopedSaveFault&) = delete;
  ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;

  // How many saves failed because of it.
  int failures() const { return failures_; }

  // The fault that applies to a save of `sjisPath`, counting it; nullptr when
  // none does. For the file layer.
  static ScopedSaveFault* For(std::string_view sjisPath);
  SaveFaultStage stage() const { return stage_; }

 private:
  std::string suffix_;
  SaveFaultStage stage_;
  int failures_ = 0;
  ScopedSaveFault* previous_;
};

}  // namespace tw
