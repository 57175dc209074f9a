#include "cli/print_pdf_command.h"

#include <memory>

#include "analysis/load_race_day.h"
#include "base/settings.h"
#include "cli/command_prelude.h"
#include "print/analysis_page.h"

namespace tw {
namespace {

PrintPdfWriter& InstalledWriter() {
  static PrintPdfWriter writer = nullptr;
  return writer;
}

}  // namespace

PrintPdfWriter SetPrintPdfWriter(PrintPdfWriter writer) {
  PrintPdfWriter previous = InstalledWriter();
  InstalledWriter() = writer;
  return previous;
}

int RunPrintCommand(const std::vector<std::string>& args, CliContext& context) {
  static const OptionSpec spec{{{"--data", ""}, {"--day", ""}, {"--pdf", ""}}, {}, false};
  CommandPrelude prelude("print", kPrintUsage, context);
  CommandOptions options;
  if (!prelude.Parse(args, spec, options)) return kExitUsage;
  const PrintPdfWriter writer = InstalledWriter();
  if (!writer) return prelude.Fail("this build has no PDF writer (it comes with the Qt part of the build)");

  LoadedCommandDay loaded;
  std::string error;
  if (!LoadDataFolderDay(options, context, prelude.clock(), loaded, error)) return prelude.Fail(error);
  if (loaded.list.rows() == 0) return prelude.Fail("the day " + options.Value("--day") + " has no race");

  const AnalysisPrintout printout = BuildAnalysisPrintout(*loaded.model, loaded.list.slots);
  const std::string pdfFile = options.Value("--pdf");
  if (!writer(printout.pages, pdfFile, error)) return prelude.Fail("cannot write " + pdfFile + ": " + error);
  context.out << "wrote " << printout.pages.size() << " pages to " << pdfFile << '\n';
  return DoneExitStatus(loaded.dayFileProblems);
}

}  // namespace tw
