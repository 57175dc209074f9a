// The results command of the main window ("結果情報"): the day's results
// stream "0B12" stores race records with results, runner records with
// finishing data and payout records into the day's files, then the payouts
// are imported and the race on view is shown again. Failures go to the status
// label and the error log. The result timer runs it every few
// minutes on the race day.
#pragma once

#include <map>
#include <string>

#include "acquire/acquisition_context.h"
#include "acquire/jv_stream.h"

namespace tw {

class ResultFetcher {
 public:
  ResultFetcher(AcquisitionContext& context, AcquisitionHost& host) : c_(context), host_(host) {}

  // FetchResults. Does nothing without a selected race, a shown day or a
  // date key; held back with a status text while another fetch runs.
  FetchTally FetchResults();

  // OnResultTimerTick: until 18:00, from `resultFetchMinutes` + 30 minutes before
  // the first post time of the day, runs the results command unattended.
  // True when it ran the command.
  bool OnResultTimerTick();

  bool autoResultRunning() const { return autoResultRunning_; }
  // Everything the fetches did since this fetcher was made.
  const FetchTally& total() const { return total_; }

 private:
  // Stores one record of the results stream; the store's result.
  StoreResult StoreResultRecord(const std::string& record, FetchTally& tally,
                                std::map<std::string, int>& storedPerFile);

  AcquisitionContext& c_;
  AcquisitionHost& host_;
  bool autoResultRunning_ = false;
  FetchTally total_;
};

}  // namespace tw
