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

std::string SeasonFilter::Text() const {
  static const std::string dot = Sjis("・"), gap = Sjis("　");
  std::vector<std::string> parts;
  if (!upsetDegrees.empty()) {
    std::string part = Sjis("波乱度 ");
    for (size_t i = 0; i < upsetDegrees.size(); ++i) part += (i > 0 ? dot : std::string()) + upsetDegrees[i];
    parts.push_back(part);
  }
  if (!axisRules.empty()) {
    std::string part = Sjis("軸条件 ");
    for (size_t i = 0; i < axisRules.size(); ++i) part += (i > 0 ? dot : std::string()) + std::to_string(axisRules[i]);
    parts.push_back(part);
  }
  if (maxBets >= 0) parts.push_back(Sjis("買い目 ") + std::to_string(maxBets) + Sjis("点以下"));
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? gap : std::string()) + parts[i];
  return text;
}

}  // namespace tw
