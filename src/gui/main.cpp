// Start-up: splash, the JV-Link presence check, the main window.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <optional>

#include "base/clock.h"
#include "gui/application_setup.h"
#include "gui/folder_dialog.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"
#include "gui/splash.h"
#include "render/fonts.h"
#include "shell/app_shell.h"
#include "shell/platform_jvlink.h"
#include "text/files.h"

int main(int argc, char** argv) {
  tw::ReportFileSizeLimitAsWriteFailure();
  QApplication app(argc, argv);
  tw::SetUpApplication(app);
  tw::SetUpFonts();

  tw::SplashScreen splash;
  splash.show();
  app.processEvents();

  tw::QtUserPort ui;
  const QFileInfo exe(QApplication::applicationFilePath());
  tw::AppPaths paths(tw::FromQt(QApplication::applicationDirPath()), tw::FromQt(exe.fileName()));
  tw::SystemClock clock;

  tw::StandInOptions standIn;
  standIn.appFolder = paths.appFolder();
  standIn.settingsFile = paths.SettingsFile();
  tw::PlatformJVLinkFactory factory(clock, standIn);
  // The stand-in's JVSetUIProperties lets the user choose its feed folder.
  factory.folderChooser = [](const std::string& current) -> std::optional<std::string> {
    tw::FolderDialog dialog(QApplication::activeWindow(), QString::fromUtf8("JV-Data フィードフォルダの指定"),
                            QString(), tw::ToQt(current));
    dialog.exec();
    const QString chosen = dialog.chosenFolder();
    if (chosen.isEmpty()) return std::nullopt;
    return tw::FromQt(chosen);
  };
  if (!tw::CheckJVLinkPresent(factory, ui)) return 1;

  tw::AppShell shell(paths, clock, ui, factory);

  tw::MainWindow window(shell, ui);
  if (!window.created()) {
    splash.close();
    QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString::fromStdString(shell.error()));
    return 1;
  }
  window.show();
  splash.finish(&window);
  return app.exec();
}
