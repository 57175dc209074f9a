// JV-Data code tables the race card shows: the age group of the race type
// (競走種別コード), the class of the race condition (競走条件コード), the
// surface of the track (トラックコード) and the sex of a horse (性別コード).
// Texts are Shift-JIS; an unknown code gives an empty text, so a card of a
// damaged record shows a gap rather than a guess.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// "２歳", "３歳以上", "障害４歳以上" … from the race type code (11-14, 18, 19).
std::string RaceAgeText(std::string_view typeCode);
// "新馬", "未勝利", "１勝クラス" … from the condition code. The classes
// were named by prize money ("５００万下") before June 2019; `raceDate` is
// yyyymmdd.
std::string RaceClassText(std::string_view conditionCode, long long raceDate);
// "芝", "ダート" or "障害" from the track code (10-22 turf, 23-29 dirt,
// 51-59 steeplechase).
std::string SurfaceText(std::string_view trackCode);
// "牡", "牝" or "セ".
std::string SexText(std::string_view sexCode);

}  // namespace tw
