// What each race of an odds batch came to, gathered while the batch runs so
// that the batch is told once when it ends: the races whose odds were
// stored, those with nothing newer, and the failures grouped by their text.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tw {

struct RaceFetchOutcome {
  std::string label;                         // "東京 1R" (Shift-JIS)
  std::map<std::string, int> storedPerFile;  // records stored, by file
  std::vector<std::string> failures;         // dialog texts
};

// One failure text and the races it befell, in batch order.
struct FailureGroup {
  std::string text;
  std::vector<std::string> labels;
};

class FetchOutcomes {
 public:
  // A race the batch turns to; the reference stays valid until the next call.
  RaceFetchOutcome& BeginRace(const std::string& label);
  // A failure of the batch as a whole (a file that could not be saved).
  void AddBatchFailure(const std::string& text) { batchFailures_.push_back(text); }
  // The records stored into `file` were lost with its failed save.
  void DropFile(const std::string& file);
  // The batch was stopped with `left` races not fetched.
  void SetStopped(int left) {
    stopped_ = true;
    notFetched_ = left;
  }

  int racesStored() const;
  // Races without a failure that stored nothing: no newer odds were there.
  int racesWithoutNewData() const;
  int racesFailed() const;
  const std::vector<RaceFetchOutcome>& races() const { return races_; }
  // The failures of races, grouped by text in the order first met.
  std::vector<FailureGroup> FailureGroups() const;
  const std::vector<std::string>& batchFailures() const { return batchFailures_; }
  bool stopped() const { return stopped_; }
  int notFetched() const { return notFetched_; }

 private:
  std::vector<RaceFetchOutcome> races_;
  std::vector<std::string> batchFailures_;
  bool stopped_ = false;
  int notFetched_ = 0;
};

}  // namespace tw
