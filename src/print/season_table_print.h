// The season report's tables on paper. A page is too narrow for every column
// at once, so each table is drawn twice: first its money (区分 … 回収率),
// then how sure and how risky that was (95%区間, 最長連敗, 最大DD, 最高配当).
// A table longer than the page goes on over the next pages between groups,
// its headings repeated.
#pragma once

#include <string>

#include "print/season_page_flow.h"
#include "season/season_table.h"

namespace tw {

// The page is laid out in tenths of a millimetre within this width.
inline constexpr int kSeasonPageLeft = 150;
inline constexpr int kSeasonPageRight = 1900;

void DrawSeasonTable(SeasonPageFlow& flow, const SeasonTable& table);

// The width of a Shift-JIS text in the monospaced print font: half an em a
// byte, so a double-byte character takes a whole one.
int SeasonTextWidth(const std::string& sjis, int points);

}  // namespace tw
