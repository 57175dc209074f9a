// turfwise-jvlink-bridge: hosts JV-Link for the program and serves its calls
// over standard input and output (docs/jvlink-bridge.md). JV-Link is a
// 32-bit in-process COM control that a 64-bit program cannot load; the
// program starts this small process, built 32-bit, and talks to it instead.
//
//   turfwise-jvlink-bridge                     the COM control (Windows)
//   turfwise-jvlink-bridge --standin DIR [--now "yyyy/mm/dd hh:nn"]
//                                              the stand-in of application folder DIR
//   turfwise-jvlink-bridge --help | --version
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/exit_status.h"
#include "base/version.h"
#include "cli/now_option.h"
#include "jvlink/bridge_server.h"
#include "jvlink/bridge_stdio.h"
#include "jvlink/com_jvlink.h"
#include "standin/standin_jvlink.h"
#include "text/command_line.h"
#include "text/sjis.h"

namespace {

constexpr const char* kUsage =
    "usage: turfwise-jvlink-bridge [--standin DIR [--now \"yyyy/mm/dd hh:nn\"]]\n"
    "       turfwise-jvlink-bridge --help | --version\n"
    "Hosts JV-Link for Turfwise and serves its calls on standard input and output\n"
    "(a binary protocol; the program starts it, people need not). Without options\n"
    "it creates the COM control JVDTLab.JVLink (Windows); --standin serves the local\n"
    "stand-in of the application folder DIR instead, its clock starting at --now.\n\n";

int Usage(const std::string& why) {
  std::fprintf(stderr, "turfwise-jvlink-bridge: %s\n", why.c_str());
  std::fputs(kUsage, stderr);
  std::fputs(tw::kShortExitStatusText, stderr);
  return tw::kExitUsage;
}

int Serve(tw::JVLink* jv, const std::string& why) {
  tw::BridgeServer server(jv, why);
  return tw::ServeBridge(server, tw::ReadStandardInput, tw::WriteStandardOutput) == 0 ? tw::kExitOk : tw::kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = tw::CommandLineArguments(argc, argv);
  std::string standIn;
  tw::NowOption now;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help") {
      std::fputs(kUsage, stdout);
      std::fputs(tw::kShortExitStatusText, stdout);
      return tw::kExitOk;
    }
    if (a == "--version") {
      std::printf("turfwise-jvlink-bridge %s\n", TURFWISE_VERSION);
      return tw::kExitOk;
    }
    if ((a == "--standin" || a == "--now") && i + 1 == args.size()) return Usage(a + " needs a value");
    if (a == "--standin") {
      standIn = tw::Utf8ToSjis(args[++i]);
    } else if (a == "--now") {
      auto start = tw::ParseNowOption(args[++i]);
      if (!start) return Usage("--now: not a time \"yyyy/mm/dd hh:nn\"");
      now = {true, *start};
    } else {
      return Usage("unknown argument " + a);
    }
  }
  if (now.given && standIn.empty()) return Usage("--now goes with --standin");
  if (!standIn.empty()) {
    std::unique_ptr<tw::Clock> clock = tw::MakeProgramClock(now);
    tw::StandInOptions options;
    options.appFolder = standIn;
    tw::StandInJVLink jv(*clock, options);
    return Serve(&jv, "");
  }
#ifdef _WIN32
  return tw::ServeComJVLinkBridge();
#else
  return Serve(nullptr, tw::Sjis("この環境には JV-Link（COM）がありません。--standin を指定してください。"));
#endif
}
