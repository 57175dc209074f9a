#include "acquire/auto_odds_fetch.h"

#include "acquire/fetch_time_settings.h"
#include "acquire/odds_stream.h"
#include "codes/numbers.h"
#include "records/record_header.h"
#include "text/fields.h"

namespace tw {

bool AutoOddsFetch::SetAutoFetch(bool checked) {
  if (!checked) {
    on_ = false;
    host_.SetScheduleTimerEnabled(false);
    host_.SetManualFetchEnabled(true);
    return false;
  }
  auto fail = [&](const std::string& text) {
    c_.ui.Beep();
    c_.ui.Inform(text);
    host_.SetAutoFetchChecked(false);
    return false;
  };
  std::string day = Trim(host_.DayText());
  if (day.empty()) return fail(NoDayText());
  if (day != DayNameOf(c_.clock.Now())) return fail(NotTodayText());
  if (HasProvisionalCard(c_.model)) return fail(CardNotFinalText());
  for (auto& flags : queuedTimes_) flags.fill(false);
  on_ = true;
  host_.SetScheduleTimerEnabled(true);
  host_.SetManualFetchEnabled(false);
  return true;
}

std::vector<std::string> AutoOddsFetch::OnScheduleTick() {
  std::vector<std::string> workList;
  if (IsBlank(host_.DayText())) return workList;
  DateTime t = c_.clock.Now();
  std::string now = HhmmText(t.hour, t.minute);
  int delay = ReadFetchDelay(c_.settings);
  if (delay > 0) now = AddMinutes(now, -delay);
  for (int i = 0; i < kMaxRaces; ++i) {
    const RaceSlot& slot = c_.model.slots[static_cast<size_t>(i)];
    auto& flags = queuedTimes_[static_cast<size_t>(i)];
    bool due = false;
    int first = -1;
    for (int k = 1; k <= kSnapshots; ++k) {
      std::string planned = Trim(slot.analysis.fetchTimes[k]);
      if (planned.empty() || planned != now) continue;
      if (first < 0) first = k;
      if (!flags[static_cast<size_t>(k - 1)]) due = true;
    }
    if (!due) continue;
    // The flag of the first matching time, as planned: with two equal times
    // the second tick of that minute queues the race once more.
    flags[static_cast<size_t>(first - 1)] = true;
    workList.push_back(RaceKey(slot.race));
  }
  if (!workList.empty() || (!fetcher_.pending().empty() && !c_.gate.busy())) fetcher_.FetchQueuedRaces(workList);
  return workList;
}

}  // namespace tw
