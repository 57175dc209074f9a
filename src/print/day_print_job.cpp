#include "print/day_print_job.h"

#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

std::optional<AnalysisPrintout> PrepareDayPrintout(const std::string& dayText, const RaceDayModel& model,
                                                   const std::vector<int>& rowSlots, UserPort& port) {
  static const std::string kNoDay = Sjis("ﾃﾞｰﾀを読み込んでください。");
  if (IsBlank(dayText)) {
    port.Beep();
    port.Inform(kNoDay);
    return std::nullopt;
  }
  return BuildAnalysisPrintout(model, rowSlots);
}

bool PageHasOdds(const AnalysisPrintout& printout, const RaceDayModel& model, int page) {
  if (page < 1 || page > static_cast<int>(printout.pageSlots.size())) return false;
  const int slot = printout.pageSlots[page - 1];
  return slot >= 0 && slot < kMaxRaces && model.slots[slot].analysis.snapshotCount > 0;
}

std::optional<int> PageInViewToPrint(const AnalysisPrintout& printout, const RaceDayModel& model, int page,
                                     UserPort& port) {
  static const std::string kNoOdds = Sjis("本レースはオッズ未取得なので印刷はできません。");
  if (PageHasOdds(printout, model, page)) return page;
  port.Beep();
  port.Inform(kNoOdds);
  return std::nullopt;
}

std::vector<int> CheckedPagesToPrint(const AnalysisPrintout& printout, const RaceDayModel& model,
                                     const std::vector<bool>& checked) {
  std::vector<int> pages;
  for (int k = 1; k <= static_cast<int>(checked.size()); ++k)
    if (checked[k - 1] && PageHasOdds(printout, model, k)) pages.push_back(k);
  return pages;
}

}  // namespace tw
