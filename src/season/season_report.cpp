#include "season/season_report.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "store/day_list.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

// One day's model and race list, reused from day to day.
struct SeasonReport::Workspace {
  std::unique_ptr<RaceDayModel> model = std::make_unique<RaceDayModel>();
  RaceList list;
};

std::vector<std::string> SeasonDayNames(const SeasonOptions& options) {
  const bool open = options.from.empty() && options.to.empty();
  std::vector<std::pair<std::string, std::string>> days;  // date, name
  for (std::string& name : MakeDayList(options.dataFolder)) {
    std::string date = DateOfDayName(name);
    if (date.empty()) {
      if (!open) continue;
    } else if ((!options.from.empty() && date < options.from) || (!options.to.empty() && date > options.to)) {
      continue;
    }
    days.emplace_back(std::move(date), std::move(name));
  }
  // Names that are no day come first; a day with two race files (a name
  // longer than a day's) is loaded once, by its own name.
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  std::vector<std::string> names;
  names.reserve(days.size());
  for (auto& day : days) names.push_back(std::move(day.second));
  return names;
}

int DefaultSeasonWorkers() {
  const unsigned cores = std::thread::hardware_concurrency();
  return static_cast<int>(std::clamp(cores, 1u, 4u));
}

SeasonReport::SeasonReport(SeasonOptions options) : options_(std::move(options)), dayNames_(SeasonDayNames(options_)) {
  options_.workers = std::max(1, options_.workers);
}

SeasonReport::~SeasonReport() = default;

SeasonDay SeasonReport::LoadDay(int index, Workspace& workspace) const {
  const std::string& name = dayNames_[static_cast<size_t>(index)];
  try {
    SeasonDay day = LoadSeasonDay(options_.dataFolder, name, options_.courseCodes, *workspace.model, workspace.list);
    if (!options_.filter.empty())
      std::erase_if(day.races, [this](const SeasonRace& race) { return !options_.filter.Passes(race); });
    return day;
  } catch (const std::exception& e) {
    // Out of memory, say: the day is skipped and the season goes on.
    SeasonDay day;
    day.dayName = name;
    day.date = DateOfDayName(name);
    day.outcome = SeasonDayOutcome::kSkipped;
    day.reasons.push_back(Sjis("読み込み中に失敗しました（") + Utf8ToSjis(e.what()) + Sjis("）：") +
                          JoinPath(options_.dataFolder, name));
    return day;
  }
}

std::vector<SeasonDay> SeasonReport::Step() {
  const int count = std::min(options_.workers, dayCount() - next_);
  if (count <= 0) return {};
  while (static_cast<int>(workspaces_.size()) < count) workspaces_.push_back(std::make_unique<Workspace>());

  std::vector<SeasonDay> days(static_cast<size_t>(count));
  {
    std::vector<std::jthread> helpers;
    for (int k = 1; k < count; ++k) {
      helpers.emplace_back([this, &days, k] {
        days[static_cast<size_t>(k)] = LoadDay(next_ + k, *workspaces_[static_cast<size_t>(k)]);
      });
    }
    days[0] = LoadDay(next_, *workspaces_[0]);
  }  // the helpers are joined here
  for (const SeasonDay& day : days) totals_.AddDay(day);
  next_ += count;
  return days;
}

}  // namespace tw
