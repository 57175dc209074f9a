// A command's key in its tool tip, where a tool-bar user looks for it; menus
// show it themselves.
#pragma once

#include <QKeySequence>
#include <QString>

namespace tw {

// "tip (key)", or the tip alone when there is no key.
inline QString WithKey(const QString& tip, const QKeySequence& key) {
  return key.isEmpty() ? tip : tip + QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText));
}

}  // namespace tw
