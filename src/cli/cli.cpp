#include "cli/cli.h"

#include "cli/analyse_command.h"
#include "cli/auto_command.h"
#include "cli/download_command.h"
#include "cli/fetch_odds_command.h"
#include "cli/hits_command.h"
#include "cli/import_command.h"
#include "cli/print_pdf_command.h"
#include "cli/results_command.h"

namespace tw {

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"analyse", kAnalyseUsage, &RunAnalyseCommand},
      {"hits", kHitsUsage, &RunHitsCommand},
      {"import-timeseries", kImportTimeSeriesUsage, &RunImportTimeSeriesCommand},
      {"download", kDownloadUsage, &RunDownloadCommand},
      {"fetch-odds", kFetchOddsUsage, &RunFetchOddsCommand},
      {"results", kResultsUsage, &RunResultsCommand},
      {"auto", kAutoUsage, &RunAutoCommand},
      {"print", kPrintUsage, &RunPrintCommand},
  };
  return commands;
}

std::string CliUsage() {
  std::string text = "usage: turfwise-cli <command> [options]\n\ncommands:\n";
  for (const auto& command : CliCommands()) {
    text += "  ";
    text += command.name;
    text += ' ';
    text += command.usage;
    text += '\n';
  }
  return text;
}

int RunCli(const std::vector<std::string>& args, CliContext& context) {
  if (!args.empty()) {
    for (const auto& command : CliCommands()) {
      if (args[0] == command.name) {
        return command.run(std::vector<std::string>(args.begin() + 1, args.end()), context);
      }
    }
    context.err << "turfwise-cli: unknown command '" << args[0] << "'\n";
  }
  context.err << CliUsage();
  return kExitUsage;
}

}  // namespace tw
