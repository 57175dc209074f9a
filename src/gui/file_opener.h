// Opening a file of the program (a report, the user guide) with the
// desktop's application, and what the user is told when nothing opens it (a
// desktop without a document opener or a browser): where the file is, with
// what they need to reach it on the clipboard.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "base/user_port.h"

namespace tw {

// Opens the file (a Shift-JIS path); false when nothing opened it.
using FileOpener = std::function<bool(const std::string&)>;

// Opens `path` with `opener`, or with the desktop's application when it is
// empty. When nothing opens it, puts `clipboardText` on the clipboard, beeps
// and tells `told` followed by the path; false then.
bool OpenFileOrTellWhere(const std::string& path, const FileOpener& opener, const QString& clipboardText,
                         const std::string& told, UserPort& ui);

}  // namespace tw
