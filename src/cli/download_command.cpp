#include "cli/download_command.h"

#include "acquire/race_card_download.h"
#include "cli/acquire_command_opening.h"
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
  AcquireCommandOpening opening("download", kDownloadUsage, context, env);
  DateTime fromTime;
  auto check = [&fromTime](const CommandOptions& parsed) -> std::string {
    if (parsed.Has("--from") && !ParseDateTime(parsed.Value("--from"), fromTime))
      return "--from: not a time \"yyyy/mm/dd hh:nn:ss\"";
    if (parsed.Has("--normal") && parsed.Has("--this-week")) return "--normal and --this-week exclude each other";
    return {};
  };
  const OptionSpec own{{{"--from"}}, {"--normal", "--this-week"}};
  if (std::optional<int> failed = opening.Open(args, false, own, check)) return *failed;
  AcquireSession& session = opening.session();
  const bool from = opening.options().Has("--from");
  const bool normal = opening.options().Has("--normal");
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

}  // namespace tw
