#include "cli/print_pdf_command.h"

#include <filesystem>
#include <memory>

#include "analysis/load_race_day.h"
#include "base/clock.h"
#include "base/settings.h"
#include "cli/cli_args.h"
#include "print/analysis_page.h"
#include "text/files.h"
#include "text/sjis.h"

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

bool ParsePrintOptions(const std::vector<std::string>& args, PrintOptions& options, std::string& error) {
  struct Known {
    const char* name;
    std::string* value;
  };
  const Known known[] = {{"--data", &options.dataFolder}, {"--day", &options.dayName}, {"--pdf", &options.pdfFile}};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool matched = false;
    for (const Known& k : known) {
      const std::string name = k.name;
      if (arg == name) {
        if (i + 1 >= args.size()) {
          error = name + " needs a value";
          return false;
        }
        *k.value = args[++i];
        matched = true;
      } else if (arg.rfind(name + "=", 0) == 0) {
        *k.value = arg.substr(name.size() + 1);
        matched = true;
      }
      if (matched) break;
    }
    if (!matched) {
      error = "unknown option " + arg;
      return false;
    }
  }
  for (const Known& k : known) {
    if (k.value->empty()) {
      error = std::string(k.name) + " is required";
      return false;
    }
  }
  return true;
}

int RunPrint(const PrintOptions& options, CliContext& context) {
  auto fail = [&](const std::string& message) {
    context.err << "turfwise-cli print: " << message << '\n';
    return kExitFailure;
  };
  const PrintPdfWriter writer = InstalledWriter();
  if (!writer) return fail("this build has no PDF writer (it comes with the Qt part of the build)");

  auto model = std::make_unique<RaceDayModel>();
  RaceList list;
  std::string day, loadError;
  if (!LoadCommandLineDay(options.dataFolder, options.dayName, context, *model, list, day, loadError)) {
    return fail(loadError);
  }
  if (list.rows() == 0) return fail("the day " + options.dayName + " has no race");

  const AnalysisPrintout printout = BuildAnalysisPrintout(*model, list.slots);
  std::string error;
  if (!writer(printout.pages, options.pdfFile, error)) return fail("cannot write " + options.pdfFile + ": " + error);
  context.out << "wrote " << printout.pages.size() << " pages to " << options.pdfFile << '\n';
  return kExitOk;
}

int RunPrintCommand(const std::vector<std::string>& args, CliContext& context) {
  PrintOptions options;
  std::string error;
  if (!ParsePrintOptions(args, options, error)) {
    context.err << "turfwise-cli print: " << error << "\nusage: turfwise-cli print " << kPrintUsage << '\n';
    return kExitUsage;
  }
  return RunPrint(options, context);
}

}  // namespace tw
