// turfwise-cli: the command-line program; see cli/cli.h.
#include <filesystem>
#include <iostream>

#include "base/app_folder.h"
#include "base/clock.h"
#include "base/paths.h"
#include "cli/cli.h"
#include "cli/print_pdf_command.h"
#include "store/data_folder_lock.h"
#include "text/command_line.h"
#include "text/files.h"
#ifdef TURFWISE_WITH_PDF_EXPORT
#include "render/pdf_export.h"
#endif

int main(int argc, char** argv) {
  tw::ReportFileSizeLimitAsWriteFailure();
  tw::SetUpConsole();
  const std::vector<std::string> args = tw::CommandLineArguments(argc, argv);
  // Another program kept out of the data folder is told which command holds it.
  tw::DataFolderLock::SetHolderName(args.empty() ? "turfwise-cli" : "turfwise-cli " + args.front());
  tw::SystemClock clock;
#ifdef TURFWISE_WITH_PDF_EXPORT
  tw::SetPrintPdfWriter(&tw::ExportPagesToPdf);
#endif
  // The settings file lies beside the executable and is named after it.
  const std::string folder = tw::ProgramFolder(argc > 0 ? argv[0] : nullptr);
  const std::string exeName = argc > 0 ? tw::FromFsPath(std::filesystem::path(argv[0]).filename()) : "turfwise-cli";
  const std::string settings = tw::JoinPath(folder, tw::SettingsFileName(exeName));
  tw::CliContext context{std::cout, std::cerr, &clock, settings, folder};
  return tw::RunCli(args, context);
}
