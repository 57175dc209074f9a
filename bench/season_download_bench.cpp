// A season's set-up download: race weekends generated into one feed and
// downloaded through the stand-in without pacing, once through the
// download window's controller (day files kept for the stream), once the
// same way with the stand-in behind the JV-Link bridge process (as JV-Link
// is reached on Windows), and once through the per-record path it replaced
// (every record saves its day file). Reports stored records per second, the
// bytes written for every byte of the final data folder and, for the other
// two, how many times longer they took than the in-process download.
// Weeks: the benchmark's argument (default 8).
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "acquire/race_card_download.h"
#include "base/settings.h"
#include "feedgen/feed_gen.h"
#include "jvlink/bridge_jvlink.h"
#include "standin/standin_jvlink.h"
#include "support/fake_user_port.h"
#include "support/folder_contents.h"
#include "support/per_record_download.h"
#include "support/temp_dir.h"
#include "text/files.h"

namespace {

using tw::JoinPath;

// Bytes this process has passed to write() so far (the file saves dominate).
long long BytesWritten() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "wchar:") return value;
  return 0;
}

long long FolderBytes(const std::string& folder) {
  long long total = 0;
  for (const auto& [name, bytes] : tw::test::FolderContents(folder)) total += static_cast<long long>(bytes.size());
  return total;
}

class CountingView : public tw::DownloadView {
 public:
  long long lines = 0;
  void SetProgressText(const std::string&) override {}
  void SetDownloadBar(int, int) override {}
  void SetReadBar(int, int) override {}
  void ClearList() override {}
  void AddListLine(const std::string&) override { ++lines; }
  void SetStatusPolling(bool) override {}
  void ShowFromTime(const tw::DateTime&) override {}
};

// The feed of `weeks` weekends, made once per size.
std::string SeasonFeed(int weeks) {
  static std::map<int, std::unique_ptr<tw::test::TempDir>> feeds;
  auto& dir = feeds[weeks];
  if (!dir) {
    dir = std::make_unique<tw::test::TempDir>();
    tw::FeedGenOptions feed;
    feed.outFolder = dir->file("Feed");
    feed.date = {2026, 3, 8, 0, 0, 0};
    feed.weeks = weeks;
    std::string error;
    if (!tw::GenerateFeed(feed, nullptr, &error)) throw std::runtime_error(error);
  }
  return dir->file("Feed");
}

struct Download {
  long long stored = 0;
  long long written = 0;
  long long dataBytes = 0;
};

enum class Path { kWriteBack, kBridge, kPerRecord };

// The stand-in of `dir`, in this process or behind the bridge.
std::unique_ptr<tw::JVLink> StandIn(const tw::test::TempDir& dir, const tw::Clock& clock, bool bridge) {
  if (bridge) {
    tw::BridgeOptions options;
    options.command = {TURFWISE_BRIDGE, "--standin", dir.str(), "--now", "2026/03/10 00:00"};
    std::string why;
    auto jv = tw::BridgeJVLink::Start(options, &why);
    if (!jv) throw std::runtime_error(why);
    return jv;
  }
  tw::StandInOptions options;
  options.appFolder = dir.str();
  options.paceMillis = 0;
  return std::make_unique<tw::StandInJVLink>(clock, options);
}

// A fresh application folder on the feed, downloaded once.
Download DownloadSeason(int weeks, Path path) {
  tw::test::TempDir dir;
  const std::string data = dir.file("Data");
  tw::EnsureFolder(data);
  tw::Settings settings(dir.file("turfwise.ini"));
  settings.WriteString(tw::setting::kStandInFeed, SeasonFeed(weeks));
  settings.WriteString(tw::setting::kStandInPace, "0");
  tw::ManualClock clock({2026, 3, 10, 0, 0, 0});
  std::unique_ptr<tw::JVLink> jv = StandIn(dir, clock, path == Path::kBridge);
  jv->JVInit("UNKNOWN");
  tw::RaceDayStore store(data);
  Download result;
  const long long before = BytesWritten();
  if (path != Path::kPerRecord) {
    tw::test::FakeUserPort ui;
    tw::StreamGate gate;
    CountingView view;
    tw::RaceCardDownload download(*jv, store, settings, clock, ui, gate, view);
    download.normalData = true;
    download.SetFromTime({2020, 1, 1, 0, 0, 0});
    download.StartDownload();
    while (download.running()) download.PollDownloadStatus();
    result.stored = view.lines;
  } else {
    result.stored = tw::test::DownloadPerRecord(*jv, store, "20200101000000", 1).stored;
  }
  result.written = BytesWritten() - before;
  result.dataBytes = FolderBytes(data);
  return result;
}

double writeBackSeconds = 0;

// Downloads the season of range(0) weeks at every iteration and reports
// stored records per second, bytes written per byte of the data folder and,
// for the per-record path, how many times longer it took than the
// write-back download of the same run.
void MeasureSeasonDownload(benchmark::State& state, Path path) {
  const int weeks = static_cast<int>(state.range(0));
  SeasonFeed(weeks);
  Download last;
  long long stored = 0;
  double seconds = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    last = DownloadSeason(weeks, path);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    stored += last.stored;
  }
  const double perIteration = seconds / static_cast<double>(state.iterations());
  state.counters["records/s"] = benchmark::Counter(static_cast<double>(stored), benchmark::Counter::kIsRate);
  state.counters["written/stored"] =
      last.dataBytes > 0 ? static_cast<double>(last.written) / static_cast<double>(last.dataBytes) : 0;
  state.counters["data_MB"] = static_cast<double>(last.dataBytes) / 1e6;
  if (path == Path::kWriteBack) {
    writeBackSeconds = perIteration;
  } else if (writeBackSeconds > 0) {
    state.counters["x_write_back"] = perIteration / writeBackSeconds;
  }
}

void BM_SeasonDownloadWriteBack(benchmark::State& state) { MeasureSeasonDownload(state, Path::kWriteBack); }
// The same through the bridge protocol: at most 1.5 times the in-process time.
void BM_SeasonDownloadThroughBridge(benchmark::State& state) { MeasureSeasonDownload(state, Path::kBridge); }
// Much slower (one flushed save per record): one iteration is enough.
void BM_SeasonDownloadPerRecord(benchmark::State& state) { MeasureSeasonDownload(state, Path::kPerRecord); }

}  // namespace

BENCHMARK(BM_SeasonDownloadWriteBack)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_SeasonDownloadThroughBridge)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_SeasonDownloadPerRecord)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
