// Writing recorded print pages as an A4 PDF without a window: the command
// line's print command uses it, on Qt's offscreen platform when no display
// is set.
#pragma once

#include <string>
#include <vector>

#include "print/page.h"

namespace tw {

// Writes the pages to `pdfFile` (a UTF-8 path), one A4 portrait page each.
// False with a message when the file cannot be written.
bool ExportPagesToPdf(const std::vector<Page>& pages, const std::string& pdfFile, std::string& error);

}  // namespace tw
