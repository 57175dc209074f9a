#include "gui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tw {

bool SetUpApplication(QApplication& app) {
  QApplication::setApplicationName("Turfwise");
  // The program speaks Japanese whatever the system's language is: also the
  // calendar pop-up and the dates of Qt's dialogs, which follow the locale.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_ja"), folder)) {
    delete translator;
    return false;
  }
  QApplication::installTranslator(translator);
  return true;
}

}  // namespace tw
