// The texts of the two dialogs that set the automatic fetches' times: the
// delay of the odds fetches and the interval of the result fetches
// (Shift-JIS).
#pragma once

#include <string>

namespace tw {

const std::string& DelayCaption();  // "オッズデータ取得時刻調整"
const std::string& DelayExplanation();
const std::string& DelayRangeText();  // "（０分～１５分までの任意の時間を指定）"
const std::string& ResultCaption();   // "データ取得時刻設定"
const std::string& ResultTitle();     // "結果情報自動取得時刻指定"
const std::string& ResultExplanation();

}  // namespace tw
