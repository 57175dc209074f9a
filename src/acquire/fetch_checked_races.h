// The odds fetch window's run over the races the user ticked.
#pragma once

#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/odds_fetch.h"
#include "acquire/odds_window_view.h"

namespace tw {

// "ｵｯｽﾞを今すぐ取得": each ticked race (by slot, in list order) is fetched;
// a failure does not stop the run, and the run is told in one dialog at its
// end (see BatchSummaryText). The view's stop request ends it between races,
// keeping what was stored. Held back with a status text while another fetch
// holds the stream.
FetchTally FetchCheckedRaces(AcquisitionContext& c, OddsWindowView& view, const std::vector<bool>& ticked);

// Texts the run tells the user (Shift-JIS).
const std::string& NoRaceTickedText();  // "オッズ取得するレースをチェックしてください。"

}  // namespace tw
