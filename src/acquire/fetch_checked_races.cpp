#include "acquire/fetch_checked_races.h"

#include <algorithm>

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
TW_TEXT(FetchDoneText, "データ作成が完了しました。")

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
    const std::string& race = c.model.slots[static_cast<size_t>(i)].race;
    view.SetProgressText(Sjis("データ読込み中:") + CourseName(CourseCode(race)) + PadNumber(RaceNumberText(race)) +
                         "R");
    c.ui.ProcessEvents();
    batch.FetchRace(RaceKey(race), "", "", tally);
    if (batch.saveFailed()) break;
  }
  batch.Finish(tally);
  hold.Release();
  view.SetProgress(100, 100);
  c.ui.Beep();
  c.ui.Inform(FetchDoneText());
  return tally;
}

}  // namespace tw

#undef TW_TEXT
