// The odds fetch window's run over the races the user ticked.
#pragma once

#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/odds_fetch.h"
#include "acquire/odds_window_view.h"

namespace tw {

// "ｵｯｽﾞを今すぐ取得": each ticked race (by slot, in list order) is fetched
// interactively; every failure is a dialog and the next race follows. Held
// back with a status text while another fetch holds the stream.
FetchTally FetchCheckedRaces(AcquisitionContext& c, OddsWindowView& view, const std::vector<bool>& ticked);

// Texts the run tells the user (Shift-JIS).
const std::string& NoRaceTickedText();  // "オッズ取得するレースをチェックしてください。"
const std::string& FetchDoneText();     // "データ作成が完了しました。"

}  // namespace tw
