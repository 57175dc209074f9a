#include "acquire/fetch_summary.h"

#include <vector>

#include "text/format.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

// A status line stays one line.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

// The races a failure befell; "全36レース" when it befell every race of the
// batch, which a long list would only hide.
std::string RacesOf(const FailureGroup& group, const FetchOutcomes& outcomes, const std::string& separator) {
  const size_t all = outcomes.races().size();
  if (all > 1 && group.labels.size() == all) return Sjis("全") + std::to_string(all) + Sjis("レース");
  return Joined(group.labels, separator);
}

}  // namespace

const std::string& FetchDoneText() {
  static const std::string kText = Sjis("データ作成が完了しました。");
  return kText;
}

std::string BatchSummaryText(const FetchOutcomes& outcomes) {
  const int stored = outcomes.racesStored();
  const int failed = outcomes.racesFailed();
  const bool anyFailure = failed > 0 || !outcomes.batchFailures().empty();
  std::vector<std::string> lines;
  if (outcomes.stopped()) {
    lines.push_back(Sjis("取得を中止しました。"));
  } else if (stored > 0) {
    lines.push_back(FetchDoneText());
  } else {
    lines.push_back(Sjis(anyFailure ? "オッズを取得できませんでした。" : "新しいオッズはありませんでした。"));
  }
  if (stored > 0) lines.push_back(Sjis("オッズを保存したレース：") + std::to_string(stored));
  if (int none = outcomes.racesWithoutNewData(); none > 0)
    lines.push_back(Sjis("新しいオッズがなかったレース：") + std::to_string(none));
  if (failed > 0) lines.push_back(Sjis("取得できなかったレース：") + std::to_string(failed));
  for (const FailureGroup& group : outcomes.FailureGroups())
    lines.push_back(Sjis("　") + RacesOf(group, outcomes, Sjis("、")) + Sjis("：") + group.text);
  for (const std::string& text : outcomes.batchFailures()) lines.push_back(text);
  if (outcomes.stopped() && outcomes.notFetched() > 0)
    lines.push_back(Sjis("中止したため取得しなかったレース：") + std::to_string(outcomes.notFetched()));
  return Joined(lines, "\n");
}

std::string BatchStatusLine(const FetchOutcomes& outcomes, const std::string& what, const DateTime& now) {
  // A batch of one race (the flash odds) names it instead of counting.
  const bool one = outcomes.races().size() == 1;
  const std::string subject = one ? outcomes.races().front().label : "";
  std::vector<std::string> parts;
  if (int stored = outcomes.racesStored(); stored > 0)
    parts.push_back(one ? subject + Sjis("のｵｯｽﾞを保存") : std::to_string(stored) + Sjis("レースのｵｯｽﾞを保存"));
  if (int none = outcomes.racesWithoutNewData(); none > 0)
    parts.push_back(one ? subject + Sjis(" 新しいｵｯｽﾞなし")
                        : Sjis("新しいｵｯｽﾞなし") + std::to_string(none) + Sjis("レース"));
  for (const FailureGroup& group : outcomes.FailureGroups())
    parts.push_back(RacesOf(group, outcomes, Sjis("・")) + ":" + group.text);
  for (const std::string& text : outcomes.batchFailures()) parts.push_back(text);
  if (outcomes.stopped()) parts.push_back(Sjis("中止"));
  return OneLine(Format("%02d:%02d ", now.hour, now.minute) + what + Sjis("：") + Joined(parts, Sjis("、")));
}

}  // namespace tw
