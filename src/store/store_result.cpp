#include "store/store_result.h"

#include "text/sjis.h"

namespace tw {

namespace {

// A set-up download may leave hundreds of files unsaved: the first few tell.
constexpr size_t kNamesShown = 8;

}  // namespace

std::string SaveFailureText(const std::vector<StoreResult>& failed) {
  if (failed.empty()) return {};
  const StoreResult& first = failed.front();
  std::string text = first.busy
                         ? first.error
                         : Sjis("ファイルを保存できません：") + first.name + Sjis("（") + first.error + Sjis("）");
  text += Sjis("。この日のデータは不完全です");
  // A busy folder saved none of them; a failed save saved the ones before it.
  size_t from = first.busy ? 0 : 1;
  if (failed.size() > from) {
    text += Sjis("（保存されなかったファイル：");
    for (size_t i = from; i < failed.size() && i < from + kNamesShown; ++i) {
      if (i > from) text += Sjis("、");
      text += failed[i].name;
    }
    if (failed.size() - from > kNamesShown)
      text += Sjis("、ほか") + std::to_string(failed.size() - from - kNamesShown) + Sjis("件");
    text += Sjis("）");
  }
  return text + Sjis("。");
}

}  // namespace tw
