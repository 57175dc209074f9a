#include "view/fetch_time_dialog_texts.h"

#include "text/sjis.h"

// A fixed program text, converted once.
#define TW_TEXT(name, literal)                      \
  const std::string& name() {                       \
    static const std::string kText = Sjis(literal); \
    return kText;                                   \
  }

namespace tw {

TW_TEXT(DelayCaption, "オッズデータ取得時刻調整")
TW_TEXT(DelayExplanation,
        "オッズを自動取得するときに指定時刻に何分かのディレイ（遅延）を発生させ、実際に取得されるオッズの時刻を調整す"
        "ることができます。下のボックスにて発生させたいディレイの長さを指定してください。")
TW_TEXT(DelayRangeText, "（０分～１５分までの任意の時間を指定）")
TW_TEXT(ResultCaption, "データ取得時刻設定")
TW_TEXT(ResultTitle, "結果情報自動取得時刻指定")
TW_TEXT(ResultExplanation, "随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか指定します。")

}  // namespace tw

#undef TW_TEXT
