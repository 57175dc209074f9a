// One stream's write-back on the store, from its start to Finish. A scope
// left by an exception still ends the write-back and saves what was kept, so
// a failed JV-Link call never loses the records read before it.
#pragma once

#include <vector>

#include "store/race_day_store.h"

namespace tw {

class WriteBackScope {
 public:
  explicit WriteBackScope(RaceDayStore& store) : store_(store) { store_.BeginWriteBack(); }
  ~WriteBackScope() {
    if (!finished_) store_.EndWriteBack();
  }
  WriteBackScope(const WriteBackScope&) = delete;
  WriteBackScope& operator=(const WriteBackScope&) = delete;

  // Saves what was read so far and goes on writing back.
  std::vector<StoreResult> Flush() { return Active() ? store_.Flush() : std::vector<StoreResult>{}; }
  // A JV-Link file ended (see RaceDayStore::FileEnded).
  std::vector<StoreResult> FileEnded() { return Active() ? store_.FileEnded() : std::vector<StoreResult>{}; }
  // Ends the scope; the outermost one saves. The saves that failed.
  std::vector<StoreResult> Finish() {
    if (finished_) return {};
    finished_ = true;
    return store_.EndWriteBack();
  }

 private:
  bool Active() const { return !finished_ && store_.writingBack(); }

  RaceDayStore& store_;
  bool finished_ = false;
};

}  // namespace tw
