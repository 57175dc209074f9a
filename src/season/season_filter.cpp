#include "season/season_filter.h"

#include <algorithm>

#include "text/sjis.h"

namespace tw {

bool SeasonFilter::Passes(const SeasonRace& race) const {
  if (!upsetDegrees.empty() &&
      std::find(upsetDegrees.begin(), upsetDegrees.end(), race.upsetDegree) == upsetDegrees.end())
    return false;
  if (!axisRules.empty() && std::find(axisRules.begin(), axisRules.end(), race.axisRule) == axisRules.end())
    return false;
  return maxBets < 0 || static_cast<int>(race.bets.size()) <= maxBets;
}

namespace {

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? separator : std::string()) + parts[i];
  return text;
}

}  // namespace

std::string SeasonFilter::Text() const {
  static const std::string dot = Sjis("・"), gap = Sjis("　");
  std::vector<std::string> parts;
  if (!upsetDegrees.empty()) parts.push_back(Sjis("波乱度 ") + Joined(upsetDegrees, dot));
  if (!axisRules.empty()) {
    std::vector<std::string> rules;
    for (int rule : axisRules) rules.push_back(std::to_string(rule));
    parts.push_back(Sjis("軸条件 ") + Joined(rules, dot));
  }
  if (maxBets >= 0) parts.push_back(Sjis("買い目 ") + std::to_string(maxBets) + Sjis("点以下"));
  return Joined(parts, gap);
}

}  // namespace tw
