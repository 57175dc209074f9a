#include "acquire/stream_gate.h"

#include "text/sjis.h"

namespace tw {

const std::string& HeldBackText() {
  static const std::string kText = Sjis("データ取得中のため実行できません。取得が終わってから実行してください。");
  return kText;
}

}  // namespace tw
