// The odds streams of several races, one after another, into the day's odds
// files. Every race's stream changes the same two files, so they are kept in
// memory and saved once when the batch ends (and before it returns however
// it ends); a failed save is told once per file.
#pragma once

#include <map>
#include <set>
#include <string>

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

 private:
  void TellFailedSave(JVStream& stream, const StoreResult& result);

  AcquisitionContext& c_;
  ReportMode mode_;
  WriteBackScope writeBack_;
  std::set<std::string> toldFiles_;
  std::map<std::string, int> storedPerFile_;
};

}  // namespace tw
