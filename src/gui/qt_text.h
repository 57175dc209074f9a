// Where Shift-JIS meets the screen: conversions between the core's
// Shift-JIS bytes and QString.
#pragma once

#include <QString>
#include <string>

#include "text/sjis.h"

namespace tw {

inline QString ToQt(const std::string& sjis) { return QString::fromStdString(SjisToUtf8(sjis)); }
inline std::string FromQt(const QString& text) { return Utf8ToSjis(text.toStdString()); }

}  // namespace tw
