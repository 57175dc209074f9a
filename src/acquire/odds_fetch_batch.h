// The odds streams of several races, one after another, into the day's odds
// files. Every race's stream changes the same two files, so they are kept in
// memory and saved once when the batch ends (and before it returns however
// it ends). What each race came to is gathered, not told race by race: the
// caller tells the batch once (see fetch_summary.h). A failed save ends the
// batch.
#pragma once

#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/fetch_outcomes.h"
#include "acquire/jv_stream.h"
#include "store/write_back_scope.h"

namespace tw {

class OddsFetchBatch {
 public:
  // On the status line (`mode`) each race shows its status text while it runs.
  OddsFetchBatch(AcquisitionContext& context, ReportMode mode);

  // Fetches the odds of the race `raceKey` (16 characters), named `label`
  // ("東京 1R") in the outcomes, from open to close; `statusText` shows on the
  // status line while it runs. False when a JV-Link call itself failed. The
  // caller holds the stream gate.
  bool FetchRace(const std::string& raceKey, const std::string& label, const std::string& statusText,
                 FetchTally& tally);

  // Saves the odds files; records of a file that could not be saved no
  // longer count as stored.
  void Finish(FetchTally& tally);

  // A save failed: the caller fetches no more races in this batch.
  bool saveFailed() const { return !failedSaves_.empty(); }
  FetchOutcomes& outcomes() { return outcomes_; }

 private:
  AcquisitionContext& c_;
  ReportMode mode_;
  WriteBackScope writeBack_;
  std::vector<StoreResult> failedSaves_;
  FetchOutcomes outcomes_;
};

}  // namespace tw
