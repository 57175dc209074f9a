// turfwise-cli: the command-line program; see cli/cli.h.
#include <filesystem>
#include <iostream>

#include "base/clock.h"
#include "base/paths.h"
#include "cli/cli.h"
#include "cli/print_pdf_command.h"
#include "text/files.h"
#ifdef TURFWISE_WITH_PDF_EXPORT
#include "render/pdf_export.h"
#endif

int main(int argc, char** argv) {
  tw::ReportFileSizeLimitAsWriteFailure();
  std::vector<std::string> args(argv + 1, argv + argc);
  tw::SystemClock clock;
#ifdef TURFWISE_WITH_PDF_EXPORT
  tw::SetPrintPdfWriter(&tw::ExportPagesToPdf);
#endif
  // The settings file lies beside the executable and is named after it.
  std::filesystem::path exe = argc > 0 ? std::filesystem::path(argv[0]) : std::filesystem::path("turfwise-cli");
  std::string settings = tw::FromFsPath(exe.parent_path() / tw::SettingsFileName(exe.filename().string()));
  tw::CliContext context{std::cout, std::cerr, &clock, settings};
  return tw::RunCli(args, context);
}
