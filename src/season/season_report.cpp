#include "season/season_report.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
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

// The workers of a report of more than one: worker k loads days k, k + n,
// k + 2n, ... in order, each on its own model, and keeps at most kAhead of
// them until the report takes them. Threads started once, not per step,
// spend their time loading rather than waiting to be scheduled.
class SeasonReport::Workers {
 public:
  Workers(const SeasonReport& report, int count) : queues_(static_cast<size_t>(count)) {
    for (int k = 0; k < count; ++k) threads_.emplace_back([this, &report, k, count] { Run(report, k, count); });
  }
  ~Workers() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    threads_.clear();  // joins
  }

  // Day `index`, once its worker has loaded it; days are taken in order.
  SeasonDay Take(int index) {
    std::deque<SeasonDay>& queue = queues_[static_cast<size_t>(index) % queues_.size()];
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !queue.empty(); });
    SeasonDay day = std::move(queue.front());
    queue.pop_front();
    lock.unlock();
    changed_.notify_all();
    return day;
  }

 private:
  static constexpr size_t kAhead = 2;

  void Run(const SeasonReport& report, int k, int count) {
    Workspace workspace;
    std::deque<SeasonDay>& queue = queues_[static_cast<size_t>(k)];
    for (int index = k; index < report.dayCount(); index += count) {
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || queue.size() < kAhead; });
        if (stop_) return;
      }
      SeasonDay day = report.LoadDay(index, workspace);
      {
        std::lock_guard lock(mutex_);
        queue.push_back(std::move(day));
      }
      changed_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::deque<SeasonDay>> queues_;
  bool stop_ = false;
  std::vector<std::jthread> threads_;  // last: joined before the rest goes
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
  std::vector<SeasonDay> days;
  days.reserve(static_cast<size_t>(count));
  if (options_.workers == 1) {
    if (workspaces_.empty()) workspaces_.push_back(std::make_unique<Workspace>());
    days.push_back(LoadDay(next_, *workspaces_[0]));
  } else {
    if (!workers_) workers_ = std::make_unique<Workers>(*this, std::min(options_.workers, dayCount()));
    for (int k = 0; k < count; ++k) days.push_back(workers_->Take(next_ + k));
  }
  for (const SeasonDay& day : days) totals_.AddDay(day);
  next_ += count;
  return days;
}

}  // namespace tw
