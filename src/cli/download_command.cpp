#include "cli/download_command.h"

#include "acquire/race_card_download.h"
#include "text/sjis.h"

namespace tw {

namespace {

// The window's parts as lines of standard output.
class ConsoleDownloadView : public DownloadView {
 public:
  explicit ConsoleDownloadView(ConsoleUserPort& ui) : ui_(ui) {}
  void SetProgressText(const std::string& text) override {
    // The download counter changes every few milliseconds; show each value once.
    if (text != last_) ui_.Line(text);
    last_ = text;
  }
  void SetDownloadBar(int, int) override {}
  void SetReadBar(int, int) override {}
  void ClearList() override { stored = 0; }
  void AddListLine(const std::string& text) override {
    ++stored;
    ui_.Line(text);
  }
  void SetStatusTimer(bool running) override { timer = running; }
  void ShowFromTime(const DateTime&) override {}

  bool timer = false;
  int stored = 0;

 private:
  ConsoleUserPort& ui_;
  std::string last_;
};

int Usage(CliContext& context, const std::string& error) {
  context.err << "turfwise-cli download: " << error << "\nusage: turfwise-cli download " << kDownloadUsage << '\n';
  return kExitUsage;
}

}  // namespace

int RunDownload(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  AcquireOptions options;
  std::string error;
  if (!TakeAcquireOptions(args, false, options, error)) return Usage(context, error);
  auto from = TakeValue(args, "--from", error);
  if (!error.empty()) return Usage(context, error);
  DateTime fromTime;
  if (from && !ParseDateTime(*from, fromTime)) return Usage(context, "--from: not a time \"yyyy/mm/dd hh:nn:ss\"");
  bool normal = TakeFlag(args, "--normal");
  bool thisWeek = TakeFlag(args, "--this-week");
  if (normal && thisWeek) return Usage(context, "--normal and --this-week exclude each other");
  if (!args.empty()) return Usage(context, "unknown option " + args.front());

  AcquireSession session(options, context, env);
  if (!session.Open(error)) {
    context.err << "turfwise-cli download: " << error << '\n';
    return kExitFailure;
  }
  ConsoleDownloadView view(session.ui());
  RaceCardDownload download(session.jv(), session.store(), session.settings(), session.clock(), session.ui(),
                            session.gate(), view);
  if (from) download.SetFromTime(fromTime);
  download.normalData = normal;
  download.StartDownload();
  while (download.running() && view.timer) {
    if (env.interrupted && env.interrupted()) {
      download.Abort();
      break;
    }
    env.sleep(kStatusTimerMillis);
    download.PollDownloadStatus();
  }
  session.ui().Line(Sjis("作成済み ") + std::to_string(view.stored) + Sjis(" 件"));
  switch (download.outcome()) {
    case DownloadOutcome::kCompleted:
    case DownloadOutcome::kNoNewData:
      return kExitOk;
    default:
      return kExitFailure;
  }
}

int RunDownloadCommand(const std::vector<std::string>& args, CliContext& context) {
  AcquireEnv env = DefaultAcquireEnv();
  return RunDownload(args, context, env);
}

}  // namespace tw
