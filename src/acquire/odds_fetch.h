// Odds fetches of the main window: the manual command's checks, the
// unattended batch that the automatic timer starts, and the flash odds of
// the race on view. Each batch entry and the flash odds open the real-time
// stream "0B30" for one race and store its O1 and O2 records as the race's
// next snapshot; the day is reloaded afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"

namespace tw {

class FetchOutcomes;
class OddsFetchBatch;

// Whole days from the day named `dayText` (yyyy年mm月dd日) to the date of
// `today`; positive for past days. nullopt when the text is not a day name.
std::optional<int> DaysBeforeToday(const std::string& dayText, const DateTime& today);

// True when a race or runner record of the loaded day has data kind "1" (the
// early race card, not yet final).
bool HasProvisionalCard(const RaceDayModel& model);

// The check texts (Shift-JIS).
const std::string& NoDayText();         // "ﾃﾞｰﾀを読み込んでください。"
const std::string& NotRecentDayText();  // "本日または直近日のﾃﾞｰﾀを読み込んでください。"
const std::string& NotTodayText();      // "本日のﾃﾞｰﾀを読み込んでください。"
const std::string& CardNotFinalText();  // "出走表データが最新でありません。…"

class OddsFetcher {
 public:
  OddsFetcher(AcquisitionContext& context, AcquisitionHost& host) : c_(context), host_(host) {}

  // The manual command "ｵｯｽﾞ手動取得": a day is shown, it is today or one of
  // the seven days before, and its race card is final; then the odds fetch
  // window opens. A card that is not final also clears the automatic-fetch
  // box. True when the window was opened.
  bool OpenOddsFetchWindow();

  // The unattended batch: every race key (first 16 characters of each entry)
  // is fetched in order, then the day is reloaded. A failure does not stop
  // the batch; the batch ends with one line on the status line saying what
  // it stored, which also goes to the error log when something failed.
  // The batch works on its own copy of the queue: keys that arrive while it
  // (or any other fetch) runs are held and fetched after the running queue,
  // never mixed into it, and never in a second stream.
  FetchTally FetchQueuedRaces(const std::vector<std::string>& workList);

  // Flash odds ("速報ｵｯｽﾞ") of the race on view, unattended and told like
  // the batch, then the day is reloaded. Held back with a status text while
  // another fetch runs.
  FetchTally FetchFlashOdds();

  // True while the batch runs.
  bool batchRunning() const { return batchRunning_; }
  // Everything the batches and flash odds did since this fetcher was made.
  const FetchTally& total() const { return total_; }
  // Race keys waiting for the stream (arrived while it was taken).
  const std::vector<std::string>& pending() const { return pending_; }

 private:
  // One race of the batch; false when a JV-Link call itself failed.
  bool FetchBatchEntry(OddsFetchBatch& batch, const std::string& entry, FetchTally& tally);
  // The one line of a finished batch (`what` names it).
  void TellBatch(const FetchOutcomes& outcomes, const std::string& what);

  AcquisitionContext& c_;
  AcquisitionHost& host_;
  bool batchRunning_ = false;
  std::vector<std::string> pending_;
  FetchTally total_;
};

}  // namespace tw
