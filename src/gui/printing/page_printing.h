// Printing recorded pages on the shared printer as one job, telling the
// user when there is no printer or the job does not start.
#pragma once

#include <QString>
#include <vector>

#include "base/user_port.h"
#include "print/page.h"

namespace tw {

class SharedPrinter;

// Prints the pages in their order; false (after telling why) when there is
// no printer to print on or the job did not start.
bool PrintPagesOn(SharedPrinter& printer, const std::vector<const Page*>& pages, const QString& documentName,
                  UserPort& port);

}  // namespace tw
