// The odds streams of several races, one after another, into the day's odds
// files. Every race's stream changes the same two files, so they are kept in
// memory and saved once when the batch ends (and before it returns however
// it ends). A failed save ends the batch: it is told once, with the files
// left unsaved.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/jv_stream.h"
#include "store/write_back_scope.h"

namespace tw {

class OddsFetchBatch {
 public:
  OddsFetchBatch(AcquisitionContext& context, ReportMode mode);

  // Fetches the odds of the race `raceKey` (16 characters) from open to
  // close. On the status line `statusText` shows while it runs and an open
  // failure is told after `openFailurePrefix`. False when a JV-Link call
  // itself failed (the stream is closed and the failure told). The caller
  // holds the stream gate.
  bool FetchRace(const std::string& raceKey, const std::string& statusText, const std::string& openFailurePrefix,
                 FetchTally& tally);

  // Saves the odds files; records of a file that could not be saved no
  // longer count as stored.
  void Finish(FetchTally& tally);

  // A save failed: the caller fetches no more races in this batch.
  bool saveFailed() const { return !failedSaves_.empty(); }

 private:
  AcquisitionContext& c_;
  ReportMode mode_;
  WriteBackScope writeBack_;
  std::vector<StoreResult> failedSaves_;
  std::map<std::string, int> storedPerFile_;
};

}  // namespace tw
