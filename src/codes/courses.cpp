#include "codes/courses.h"

#include <map>

#include "text/sjis.h"

namespace tw {
namespace {

struct CourseRow {
  const char* code;
  const char* name;  // two full-width characters, or 4 spaces
};

// JV-Data 競馬場コード: JRA 01-10, local courses 30-61, overseas A0-M2.
constexpr CourseRow kCourses[] = {
    {"01", "札幌"}, {"02", "函館"}, {"03", "福島"}, {"04", "新潟"}, {"05", "東京"}, {"06", "中山"}, {"07", "中京"},
    {"08", "京都"}, {"09", "阪神"}, {"10", "小倉"}, {"30", "門別"}, {"31", "北見"}, {"32", "岩見"}, {"33", "帯広"},
    {"34", "旭川"}, {"35", "盛岡"}, {"36", "水沢"}, {"37", "上山"}, {"38", "三条"}, {"39", "足利"}, {"40", "宇都"},
    {"41", "高崎"}, {"42", "浦和"}, {"43", "船橋"}, {"44", "大井"}, {"45", "川崎"}, {"46", "金沢"}, {"47", "笠松"},
    {"48", "名古"}, {"49", "紀三"}, {"50", "園田"}, {"51", "姫路"}, {"52", "益田"}, {"53", "福山"}, {"54", "高知"},
    {"55", "佐賀"}, {"56", "荒尾"}, {"57", "中津"}, {"58", "札幌"}, {"59", "函館"}, {"60", "新潟"}, {"61", "中京"},
    {"A0", "他外"}, {"A2", "日本"}, {"A4", "アメ"}, {"A6", "イギ"}, {"A8", "フラ"}, {"B0", "イン"}, {"B2", "アイ"},
    {"B4", "ニュ"}, {"B6", "オー"}, {"B8", "カナ"}, {"C0", "イタ"}, {"C2", "ドイ"}, {"C4", "    "}, {"C5", "オマ"},
    {"C6", "イラ"}, {"C7", "ア首"}, {"C8", "シリ"}, {"D0", "スウ"}, {"D2", "ハン"}, {"D4", "ポル"}, {"D6", "ロシ"},
    {"D8", "ウル"}, {"E0", "ペル"}, {"E2", "アル"}, {"E4", "ブラ"}, {"E6", "ベル"}, {"E8", "トル"}, {"F0", "韓国"},
    {"F1", "中国"}, {"F2", "チリ"}, {"F4", "    "}, {"F6", "    "}, {"F8", "パナ"}, {"G0", "香港"}, {"G2", "スペ"},
    {"G4", "    "}, {"G6", "    "}, {"G8", "    "}, {"H0", "西独"}, {"H2", "南ア"}, {"H4", "スイ"}, {"H6", "モナ"},
    {"H8", "フィ"}, {"I0", "プエ"}, {"I2", "コロ"}, {"I4", "チェ"}, {"I6", "チェ"}, {"I8", "スロ"}, {"J0", "エク"},
    {"J2", "ギリ"}, {"J4", "マレ"}, {"J6", "メキ"}, {"J8", "モロ"}, {"K0", "パキ"}, {"K2", "ポー"}, {"K4", "パラ"},
    {"K6", "サウ"}, {"K8", "キプ"}, {"L0", "タイ"}, {"L2", "ウク"}, {"L4", "ベネ"}, {"L6", "ユー"}, {"L8", "デン"},
    {"M0", "シン"}, {"M2", "澳門"},
};

// The overseas codes that the race list groups as "海外" (C5 and the codes
// after H2 have no group).
constexpr const char* kOverseasGroup[] = {
    "A0", "A2", "A4", "A6", "A8", "B0", "B2", "B4", "B6", "B8", "C0", "C2", "C4",
    "C6", "C7", "C8", "D0", "D2", "D4", "D6", "D8", "E0", "E2", "E4", "E6", "E8",
    "F0", "F1", "F2", "F4", "F6", "F8", "G0", "G2", "G4", "G6", "G8", "H0", "H2",
};

using NameMap = std::map<std::string, std::string>;

const NameMap& CourseNames() {
  static const NameMap names = [] {
    NameMap m;
    for (const CourseRow& row : kCourses) m.emplace(row.code, Sjis(row.name));
    return m;
  }();
  return names;
}

const NameMap& CourseGroups() {
  static const NameMap groups = [] {
    NameMap m;
    const std::string pad = "  ";
    // The JRA courses are their own group; their names are the course names.
    for (int i = 0; i < 10; ++i) m.emplace(kCourses[i].code, Sjis(kCourses[i].name) + pad);
    const std::string local = Sjis("地方") + pad;
    for (int code = 30; code <= 61; ++code) m.emplace(std::to_string(code), local);
    const std::string overseas = Sjis("海外") + pad;
    for (const char* code : kOverseasGroup) m.emplace(code, overseas);
    return m;
  }();
  return groups;
}

std::string Lookup(const NameMap& map, const std::string& code, size_t blankWidth) {
  auto it = map.find(code);
  return it != map.end() ? it->second : std::string(blankWidth, ' ');
}

}  // namespace

std::string CourseName(const std::string& code) { return Lookup(CourseNames(), code, 4); }

bool IsKnownCourse(const std::string& code) { return CourseNames().count(code) > 0; }

std::vector<std::string> CourseCodesNamed(const std::string& name) {
  std::vector<std::string> codes;
  if (name.find_first_not_of(' ') == std::string::npos) return codes;
  for (const CourseRow& row : kCourses) {
    if (CourseName(row.code) == name) codes.push_back(row.code);
  }
  return codes;
}

std::string CourseGroupName(const std::string& code) { return Lookup(CourseGroups(), code, 6); }

}  // namespace tw
