#include "acquire/result_fetch.h"

#include "acquire/jv_stream.h"
#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/race_record.h"
#include "records/record_header.h"
#include "records/runner_record.h"
#include "store/write_back_scope.h"
#include "text/fields.h"
#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

// Clears the flag however the command ends.
class AutoRunFlag {
 public:
  explicit AutoRunFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~AutoRunFlag() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

StoreResult ResultFetcher::StoreResultRecord(const std::string& record, FetchTally& tally,
                                             std::map<std::string, int>& storedPerFile) {
  std::string type = RecordType(record);
  long long race = RaceNumber(record);
  StoreResult result;
  if (race <= 0) return result;
  if (type == "RA") {
    result = c_.store.UpdateRaceRecord(record);
  } else if (type == "SE") {
    if (HorseNumber(record) <= 0) return result;
    result = c_.store.UpdateRunnerRecord(record);
  } else if (type == "HR") {
    result = c_.store.StorePayoutRecord(record, RecordSource::kResultFetch);
  } else {
    return result;
  }
  if (result.stored) {
    ++tally.stored;
    ++storedPerFile[result.file];
  }
  return result;
}

FetchTally ResultFetcher::FetchResults() {
  FetchTally tally;
  if (!host_.RaceSelected() || IsBlank(host_.DayText())) return tally;
  std::string dateKey = DateKey(c_.model.slots[0].race);
  if (IntValue(dateKey) <= 0) return tally;
  StreamHold hold(c_.gate);
  if (!hold.acquired()) {
    c_.ui.SetStatus(HeldBackText());
    tally.heldBack = true;
    return tally;
  }
  int shown = c_.model.selectedRace >= 0 && c_.model.selectedRace < kMaxRaces ? c_.model.selectedRace : 0;
  const std::string& race = c_.model.slots[static_cast<size_t>(shown)].race;
  std::string label = CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race));
  StreamReporting reporting;
  reporting.mode = ReportMode::kStatusLine;
  reporting.beepOnReadOrCloseFailure = false;
  reporting.beepWhenClosed = !autoResultRunning_;  // the result timer runs it silently
  reporting.closeEndsBusyCursor = false;
  JVStream stream(c_.jv, c_.ui, &c_.log, reporting);
  {
    // A day's results rewrite each runner file many times: saved once, at the end.
    WriteBackScope writeBack(c_.store);
    std::map<std::string, int> storedPerFile;
    std::vector<StoreResult> failedSaves;
    stream.RunRealTime("0B12", dateKey, Sjis("払戻データ取得中"), label + Sjis("R:払戻データ取得エラー："),
                       [&](const std::string& record) {
                         StoreResult result = StoreResultRecord(record, tally, storedPerFile);
                         if (!result.failed()) return true;
                         failedSaves.push_back(std::move(result));
                         return false;  // a failed save ends the fetch
                       });
    for (StoreResult& failed : writeBack.Finish()) {
      tally.stored -= storedPerFile[failed.file];  // counted when kept, not on disk after all
      failedSaves.push_back(std::move(failed));
    }
    if (!failedSaves.empty()) {
      std::string text = SaveFailureText(failedSaves);
      stream.Report(text, text, false);  // no beep
    }
  }
  tally.failures += stream.failures();
  tally.noNewData += stream.noNewData();
  hold.Release();
  total_ += tally;
  host_.ImportPayouts();
  host_.ShowRaceAgain();
  return tally;
}

bool ResultFetcher::OnResultTimerTick() {
  const DateTime t = c_.clock.Now();
  std::string now = HhmmText(t.hour, t.minute);
  if (now > "1800") return false;
  std::string post = PostTime(c_.model.slots[0].race);
  std::string start = IsBlank(post) ? std::string() : AddMinutes(post, -(c_.model.resultFetchMinutes + 30));
  if (!start.empty() && !(now > start)) return false;
  AutoRunFlag running(autoResultRunning_);
  FetchResults();
  return true;
}

}  // namespace tw
