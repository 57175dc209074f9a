// Where Shift-JIS meets the screen: conversions between the core's
// Shift-JIS bytes and QString.
#pragma once

#include <QString>
#include <string>

#include "text/sjis.h"

namespace tw {

inline QString ToQt(const std::string& sjis) { return QString::fromStdString(SjisToUtf8(sjis)); }
inline std::string FromQt(const QString& text) { return Utf8ToSjis(text.toStdString()); }
// The widgets' own texts are written as UTF-8 literals in the sources.
inline QString FromUtf8(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace tw
