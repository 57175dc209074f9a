#include "feedgen/feed_names.h"

#include <algorithm>
#include <vector>

#include "text/sjis.h"

namespace tw {

namespace {

// Full-width characters of a UTF-8 text, each as its two Shift-JIS bytes.
std::vector<std::string> SjisChars(const char* utf8) {
  std::string s = Sjis(utf8);
  std::vector<std::string> out;
  for (size_t i = 0; i + 1 < s.size(); i += 2) out.push_back(s.substr(i, 2));
  return out;
}

const std::vector<std::string>& Syllables() {
  static const std::vector<std::string> k = SjisChars(
      "アカサタナハマヤラワイキシチニヒミリウクスツヌフムユルエケセテネヘメレオコソトノホモヨロ"
      "ガギグゲゴザジズゼゾダデドバビブベボパピプペポ");
  return k;
}
const std::vector<std::string>& Tails() {  // may follow a syllable, never start a name
  static const std::vector<std::string> k = SjisChars("ンーッ");
  return k;
}
const std::vector<std::string>& NameKanji() {
  static const std::vector<std::string> k =
      SjisChars("田中山川木村松井本藤原野小高石森池岡内西橋上谷島崎宮北坂沢浜林長大竹");
  return k;
}

std::string Pick(FeedRandom& rng, const std::vector<std::string>& from) {
  return from[static_cast<size_t>(rng.Int(0, static_cast<int>(from.size()) - 1))];
}

}  // namespace

std::string MakeSyllableWord(FeedRandom& rng, int minChars, int maxChars) {
  const std::vector<std::string>& tails = Tails();
  const int target = rng.Int(minChars, maxChars);
  std::string word;
  for (int chars = 0; chars < target;) {
    std::string next = Pick(rng, Syllables());
    // "ン", "ー" and "ッ" only after a syllable, never twice in a row, and "ッ" never last.
    if (chars > 0 && rng.Chance(0.22)) {
      std::string t = Pick(rng, tails);
      bool afterTail = std::find(tails.begin(), tails.end(), word.substr(word.size() - 2)) != tails.end();
      if (!afterTail && !(t == tails[2] && chars + 1 == target)) next = t;
    }
    word += next;
    ++chars;
  }
  return word;
}

std::string MakeHorseName(FeedRandom& rng) { return MakeSyllableWord(rng, 3, 9); }

std::string MakePersonName(FeedRandom& rng) {
  int n = rng.Int(2, 4);
  std::string name;
  for (int i = 0; i < n; ++i) name += Pick(rng, NameKanji());
  return name;
}

std::string MakeOwnerName(FeedRandom& rng) {
  static const std::vector<std::string> kSuffix = {Sjis("ファーム"), Sjis("レーシング"), Sjis("商事"), Sjis("牧場"),
                                                   Sjis("ホースクラブ")};
  return MakeSyllableWord(rng, 3, 6) + Pick(rng, kSuffix);
}

std::string MakeSilks(FeedRandom& rng) {
  static const std::vector<std::string> kColours = SjisChars("黒白赤青黄緑桃紫橙水茶");
  static const std::vector<std::string> kPattern = {Sjis("袖"), Sjis("一本輪"), Sjis("山形一本輪"), Sjis("縦縞"),
                                                    Sjis("襷"), Sjis("元袖"),   Sjis("星散"),       Sjis("菱山形")};
  return Pick(rng, kColours) + Sjis("，") + Pick(rng, kColours) + Pick(rng, kPattern);
}

std::string FirstChars(const std::string& sjis, int chars) {
  size_t bytes = static_cast<size_t>(chars) * 2;
  return sjis.size() <= bytes ? sjis : sjis.substr(0, bytes);
}

}  // namespace tw
