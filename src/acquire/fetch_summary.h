// How an odds batch is told when it ends: one dialog for the fetch window's
// run, one line on the status line (and in the error log when something
// failed) for the automatic and flash fetches.
#pragma once

#include <string>

#include "acquire/fetch_outcomes.h"
#include "base/clock.h"

namespace tw {

// The dialog (Shift-JIS, lines separated by "\n"): "データ作成が完了しました。"
// only when odds were stored, then the counts and the failures by text.
std::string BatchSummaryText(const FetchOutcomes& outcomes);

// "hh:mm <what>：" and what the batch came to, on one line (Shift-JIS).
std::string BatchStatusLine(const FetchOutcomes& outcomes, const std::string& what, const DateTime& now);

const std::string& FetchDoneText();  // "データ作成が完了しました。"

}  // namespace tw
