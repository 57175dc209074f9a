#include "cli/cli.h"

#include <algorithm>

#include "base/app_folder.h"
#include "base/paths.h"
#include "base/version.h"
#include "cli/acquire_command_opening.h"
#include "cli/analyse_command.h"
#include "cli/auto_command.h"
#include "cli/command_options.h"
#include "cli/download_command.h"
#include "cli/fetch_odds_command.h"
#include "cli/hits_command.h"
#include "cli/import_command.h"
#include "cli/print_pdf_command.h"
#include "cli/results_command.h"
#include "cli/season_command.h"
#include "text/sjis.h"

namespace tw {

namespace {

const CliCommand* FindCommand(const std::string& name) {
  for (const auto& command : CliCommands()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

bool AsksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin() + 1, args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// "turfwise-cli 1.28" and the application folder: the one --app-dir names,
// else the one the program keeps its files in when started from its folder.
int WriteVersion(const std::vector<std::string>& args, CliContext& context) {
  static const OptionSpec spec{{{"--app-dir"}}, {}};
  CommandOptions options;
  std::string error;
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (!ParseCommandOptions(rest, spec, options, error)) {
    context.err << "turfwise-cli --version: " << error << "\nusage: turfwise-cli --version [--app-dir DIR]\n";
    return kExitUsage;
  }
  context.out << "turfwise-cli " << TURFWISE_VERSION << '\n';
  if (options.Has("--app-dir")) {
    context.out << "application folder: " << options.Value("--app-dir") << " (--app-dir)\n";
  } else if (!context.programFolder.empty()) {
    const AppFolderChoice choice =
        ChooseAppFolder(context.programFolder, SettingsFileName("turfwise"), UserDataFolder());
    context.out << "application folder: " << SjisToUtf8(choice.folder)
                << (choice.perUser ? " (per-user data folder)\n" : " (the program's folder)\n");
    if (!choice.error.empty()) context.out << "note: " << choice.error << '\n';
  }
  return kExitOk;
}

}  // namespace

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"analyse", kAnalyseUsage, &RunAnalyseCommand},
      {"hits", kHitsUsage, &RunHitsCommand},
      {"season", kSeasonUsage, &RunSeasonCommand},
      {"import-timeseries", kImportTimeSeriesUsage, &RunImportTimeSeriesCommand},
      {"download", kDownloadUsage, &RunWithDefaultAcquireEnv<&RunDownload>},
      {"fetch-odds", kFetchOddsUsage, &RunWithDefaultAcquireEnv<&RunFetchOdds>},
      {"results", kResultsUsage, &RunWithDefaultAcquireEnv<&RunResults>},
      {"auto", kAutoUsage, &RunWithDefaultAcquireEnv<&RunAuto>},
      {"print", kPrintUsage, &RunPrintCommand},
  };
  return commands;
}

std::string CliUsage() {
  std::string text =
      "usage: turfwise-cli <command> [options]\n"
      "       turfwise-cli help [<command>] | <command> --help | --help | --version [--app-dir DIR]\n\n"
      "commands:\n";
  for (const auto& command : CliCommands()) {
    text += "  ";
    text += command.name;
    text += ' ';
    text += command.usage;
    text += '\n';
  }
  text += '\n';
  text += kExitStatusText;
  return text;
}

std::string CommandUsage(const CliCommand& command) {
  return std::string("usage: turfwise-cli ") + command.name + ' ' + command.usage + "\n\n" + kExitStatusText;
}

int RunCli(const std::vector<std::string>& args, CliContext& context) {
  if (!args.empty()) {
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || (first == "help" && args.size() == 1)) {
      context.out << CliUsage();
      return kExitOk;
    }
    if (first == "--version") return WriteVersion(args, context);
    if (first == "help") {
      if (const CliCommand* command = FindCommand(args[1])) {
        context.out << CommandUsage(*command);
        return kExitOk;
      }
      context.err << "turfwise-cli help: unknown command '" << args[1] << "'\n";
    } else if (const CliCommand* command = FindCommand(first)) {
      if (AsksForHelp(args)) {
        context.out << CommandUsage(*command);
        return kExitOk;
      }
      return command->run(std::vector<std::string>(args.begin() + 1, args.end()), context);
    } else {
      context.err << "turfwise-cli: unknown command '" << first << "'\n";
    }
  }
  context.err << CliUsage();
  return kExitUsage;
}

}  // namespace tw
