#include "cli/download_command.h"

#include "acquire/race_card_download.h"
#include "cli/command_prelude.h"
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
  void SetStatusPolling(bool running) override { timer = running; }
  void ShowFromTime(const DateTime&) override {}

  bool timer = false;
  int stored = 0;

 private:
  ConsoleUserPort& ui_;
  std::string last_;
};

}  // namespace

int RunDownload(std::vector<std::string> args, CliContext& context, AcquireEnv& env) {
  CommandPrelude prelude("download", kDownloadUsage, context);
  CommandOptions parsed;
  const OptionSpec own{{{"--from"}}, {"--normal", "--this-week"}};
  if (!prelude.Parse(args, AcquireOptionSpec(false, own), parsed)) return kExitUsage;
  AcquireOptions options;
  std::string error;
  if (!AcquireOptionsOf(parsed, false, options, error)) return prelude.Usage(error);
  const bool from = parsed.Has("--from");
  DateTime fromTime;
  if (from && !ParseDateTime(parsed.Value("--from"), fromTime)) {
    return prelude.Usage("--from: not a time \"yyyy/mm/dd hh:nn:ss\"");
  }
  const bool normal = parsed.Has("--normal");
  if (normal && parsed.Has("--this-week")) return prelude.Usage("--normal and --this-week exclude each other");

  AcquireSession session(options, context, env);
  if (!session.Open(error)) return prelude.Fail(error);
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
    env.sleep(kStatusPollMillis);
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
