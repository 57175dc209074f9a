#include "codes/race_card_codes.h"

#include "text/fields.h"
#include "text/sjis.h"

namespace tw {
namespace {

struct CodeText {
  const char* code;
  const char* text;
};

std::string Look(const CodeText* rows, size_t count, std::string_view code) {
  for (size_t i = 0; i < count; ++i)
    if (code == rows[i].code) return Sjis(rows[i].text);
  return {};
}

// The classes were renamed on 2019-06-01, the codes stayed.
constexpr long long kClassRenameDate = 20190601;

}  // namespace

std::string RaceAgeText(std::string_view typeCode) {
  static constexpr CodeText kTypes[] = {{"11", "２歳"},     {"12", "３歳"},         {"13", "３歳以上"},
                                        {"14", "４歳以上"}, {"18", "障害３歳以上"}, {"19", "障害４歳以上"}};
  return Look(kTypes, std::size(kTypes), typeCode);
}

std::string RaceClassText(std::string_view conditionCode, long long raceDate) {
  static constexpr CodeText kFixed[] = {{"701", "新馬"}, {"702", "未出走"}, {"703", "未勝利"}, {"999", "オープン"}};
  static constexpr CodeText kNow[] = {{"005", "１勝クラス"}, {"010", "２勝クラス"}, {"016", "３勝クラス"}};
  static constexpr CodeText kBefore[] = {{"005", "５００万下"}, {"010", "１０００万下"}, {"016", "１６００万下"}};
  if (std::string text = Look(kFixed, std::size(kFixed), conditionCode); !text.empty()) return text;
  return raceDate >= kClassRenameDate ? Look(kNow, std::size(kNow), conditionCode)
                                      : Look(kBefore, std::size(kBefore), conditionCode);
}

std::string SurfaceText(std::string_view trackCode) {
  if (!AllDigits(trackCode)) return {};
  const long long code = IntValue(trackCode);
  if (code >= 10 && code <= 22) return Sjis("芝");
  if (code >= 23 && code <= 29) return Sjis("ダート");
  if (code >= 51 && code <= 59) return Sjis("障害");
  return {};
}

std::string SexText(std::string_view sexCode) {
  static constexpr CodeText kSexes[] = {{"1", "牡"}, {"2", "牝"}, {"3", "セ"}};
  return Look(kSexes, std::size(kSexes), sexCode);
}

}  // namespace tw
