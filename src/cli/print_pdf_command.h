// `turfwise-cli print --data DIR --day DAYNAME --pdf FILE`: loads one race
// day as the program does when the day is chosen and writes its whole
// analysis print-out, one A4 page per race, as a PDF file.
//
// The pages are laid out here; drawing them into a PDF needs the Qt part of
// the build, which installs its writer with SetPrintPdfWriter. A build
// without it reports that the command is not available.
#pragma once

#include <string>
#include <vector>

#include "cli/cli.h"
#include "print/page.h"

namespace tw {

inline constexpr const char* kPrintUsage =
    "--data DIR --day DAYNAME --pdf FILE\n"
    "      Loads the day DAYNAME from the data folder DIR and writes its analysis print-out,\n"
    "      one A4 page per race, as the PDF file FILE.";

// Writes the pages to the PDF file (UTF-8 path); false with a message.
using PrintPdfWriter = bool (*)(const std::vector<Page>& pages, const std::string& pdfFile, std::string& error);

// Installs the writer (nullptr removes it); returns the previous one.
PrintPdfWriter SetPrintPdfWriter(PrintPdfWriter writer);

// The entry of the command table.
int RunPrintCommand(const std::vector<std::string>& args, CliContext& context);

}  // namespace tw
