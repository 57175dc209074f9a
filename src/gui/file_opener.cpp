#include "gui/file_opener.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QUrl>

#include "gui/qt_text.h"

namespace tw {

bool OpenFileOrTellWhere(const std::string& path, const FileOpener& opener, const QString& clipboardText,
                         const std::string& told, UserPort& ui) {
  const bool opened = opener ? opener(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(path)));
  if (opened) return true;
  QApplication::clipboard()->setText(clipboardText);
  ui.Beep();
  ui.Inform(told + path);
  return false;
}

}  // namespace tw
