#include "acquire/fetch_checked_races.h"

#include <algorithm>

#include "acquire/fetch_summary.h"
#include "acquire/odds_fetch_batch.h"
#include "codes/courses.h"
#include "codes/numbers.h"
#include "records/record_header.h"
#include "text/sjis.h"

// A fixed program text, converted once.
#define TW_TEXT(name, literal)                      \
  const std::string& name() {                       \
    static const std::string kText = Sjis(literal); \
    return kText;                                   \
  }

namespace tw {

TW_TEXT(NoRaceTickedText, "オッズ取得するレースをチェックしてください。")

FetchTally FetchCheckedRaces(AcquisitionContext& c, OddsWindowView& view, const std::vector<bool>& ticked) {
  FetchTally tally;
  if (std::find(ticked.begin(), ticked.end(), true) == ticked.end()) {
    c.ui.Beep();
    c.ui.Inform(NoRaceTickedText());
    return tally;
  }
  StreamHold hold(c.gate);
  if (!hold.acquired()) {
    view.SetProgressText(HeldBackText());
    tally.heldBack = true;
    return tally;
  }
  c.ui.SetBusy(true);
  int count = static_cast<int>(ticked.size());
  view.SetProgress(0, count);
  OddsFetchBatch batch(c, ReportMode::kDialog);
  for (int i = 0; i < count; ++i) {
    view.SetProgress(i + 1, count);
    c.ui.ProcessEvents();
    if (!ticked[static_cast<size_t>(i)] || i >= kMaxRaces) continue;
    if (view.StopRequested()) {
      batch.outcomes().SetStopped(static_cast<int>(std::count(ticked.begin() + i, ticked.end(), true)));
      break;
    }
    const std::string& race = c.model.slots[static_cast<size_t>(i)].race;
    const std::string label = CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race)) + "R";
    view.SetProgressText(Sjis("データ読込み中:") + label);
    c.ui.ProcessEvents();
    batch.FetchRace(RaceKey(race), label, "", tally);
    if (batch.saveFailed()) break;
  }
  batch.Finish(tally);
  hold.Release();
  c.ui.SetBusy(false);
  view.SetProgress(100, 100);
  view.RunEnded();
  c.ui.Beep();
  c.ui.Inform(BatchSummaryText(batch.outcomes()));
  return tally;
}

}  // namespace tw

#undef TW_TEXT
