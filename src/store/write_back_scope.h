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

  // Saves what was read so far and goes on writing back (a JV-Link file ended).
  std::vector<StoreResult> Flush() {
    return finished_ || !store_.writingBack() ? std::vector<StoreResult>{} : store_.Flush();
  }
  // Ends the scope; the outermost one saves. The saves that failed.
  std::vector<StoreResult> Finish() {
    if (finished_) return {};
    finished_ = true;
    return store_.EndWriteBack();
  }

 private:
  RaceDayStore& store_;
  bool finished_ = false;
};

}  // namespace tw
