// Start-up: splash, the JV-Link presence check, the main window.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "base/app_folder.h"
#include "base/clock.h"
#include "base/exit_status.h"
#include "base/paths.h"
#include "gui/application_setup.h"
#include "gui/folder_dialog.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/qt_user_port.h"
#include "gui/report_actions.h"
#include "gui/splash.h"
#include "render/fonts.h"
#include "shell/app_shell.h"
#include "shell/platform_jvlink.h"
#include "store/data_folder_lock.h"
#include "text/command_line.h"
#include "text/files.h"
#include "text/sjis.h"

namespace {

constexpr const char* kUsage =
    "usage: turfwise [--help | --version] [--season] [Qt options such as -platform NAME]\n"
    "Starts Turfwise for JRA-VAN Data Lab. Its settings file turfwise.ini, Data/ and\n"
    "ErrorLog.txt are in the application folder: the program's folder when it is writable\n"
    "or already holds them, else the per-user data folder (--version tells which).\n"
    "--season opens the season report window (成績集計) on the data folder at start and counts every day.\n\n";

// The application folder, chosen once before anything is read or written.
tw::AppFolderChoice ChooseFolder(const std::string& programFolder, const std::string& exeName) {
  return tw::ChooseAppFolder(programFolder, tw::SettingsFileName(exeName), tw::UserDataFolder());
}

}  // namespace

int main(int argc, char** argv) {
  tw::ReportFileSizeLimitAsWriteFailure();
  tw::DataFolderLock::SetHolderName("Turfwise の画面");
  const std::string programFolder = tw::ProgramFolder(argc > 0 ? argv[0] : nullptr);
  const std::string exeName = argc > 0 ? tw::FromFsPath(std::filesystem::path(argv[0]).filename()) : "turfwise";
  // --help and --version answer without a window (or a display).
  bool openSeason = false;
  for (const std::string& arg : tw::CommandLineArguments(argc, argv)) {
    if (arg == "--season") openSeason = true;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      std::fputs(tw::kShortExitStatusText, stdout);
      return tw::kExitOk;
    }
    if (arg == "--version") {
      const tw::AppFolderChoice choice = ChooseFolder(programFolder, exeName);
      std::printf("turfwise %s\napplication folder: %s%s\n", TURFWISE_VERSION, tw::SjisToUtf8(choice.folder).c_str(),
                  choice.perUser ? " (per-user data folder)" : " (the program's folder)");
      return tw::kExitOk;
    }
  }
  QApplication app(argc, argv);
  tw::SetUpApplication(app);
  QGuiApplication::setDesktopFileName("org.turfwise.Turfwise");
  tw::SetUpFonts();

  tw::SplashScreen splash;
  splash.show();
  app.processEvents();

  tw::QtUserPort ui;
  const QFileInfo exe(QApplication::applicationFilePath());
  const tw::AppFolderChoice folder = ChooseFolder(programFolder, tw::FromQt(exe.fileName()));
  if (!folder.error.empty()) std::fprintf(stderr, "turfwise: %s\n", folder.error.c_str());
  tw::AppPaths paths(folder.folder, tw::FromQt(exe.fileName()));
  tw::SystemClock clock;

  tw::StandInOptions standIn;
  standIn.appFolder = paths.appFolder();
  standIn.settingsFile = paths.SettingsFile();
  tw::PlatformJVLinkFactory factory(clock, standIn);
  // A call through the JV-Link bridge keeps the windows answering while it waits.
  factory.whileWaiting = [&ui] { ui.ProcessEvents(); };
  // The stand-in's JVSetUIProperties lets the user choose its feed folder.
  factory.folderChooser = [](const std::string& current) -> std::optional<std::string> {
    tw::FolderDialog dialog(QApplication::activeWindow(), QString::fromUtf8("JV-Data フィードフォルダの指定"),
                            QString(), tw::ToQt(current));
    dialog.exec();
    const QString chosen = dialog.chosenFolder();
    if (chosen.isEmpty()) return std::nullopt;
    return tw::FromQt(chosen);
  };
  if (!tw::CheckJVLinkPresent(factory, ui)) {
    // Why, for whoever looks: the bridge could not start, or JV-Link not be created in it.
    if (!factory.failure().empty()) std::fprintf(stderr, "turfwise: %s\n", tw::SjisToUtf8(factory.failure()).c_str());
    return 1;
  }

  tw::AppShell shell(paths, clock, ui, factory);

  tw::MainWindow window(shell, ui);
  if (!window.created()) {
    splash.close();
    QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString::fromStdString(shell.error()));
    return 1;
  }
  window.show();
  splash.finish(&window);
  // Once the main window is up, as if "成績集計" had been pressed.
  if (openSeason) QTimer::singleShot(0, &window, [&window] { window.reportActions().OpenSeasonReportCounting(); });
  return app.exec();
}
