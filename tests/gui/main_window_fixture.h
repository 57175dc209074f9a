// The set-up every main-window test starts from: a fresh application folder,
// a clock at 2024-05-12 09:00, the scripted JV-Link and the shell; the window
// is opened when the test has put its files in place.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "gui/main_window.h"
#include "gui/qt_user_port.h"
#include "shell/app_shell.h"
#include "support/fake_user_port.h"
#include "support/scripted_jvlink.h"

namespace tw::test {

struct MainWindowFixture {
  QTemporaryDir dir;
  ManualClock clock{{2024, 5, 12, 9, 0, 0}};
  QtUserPort qtPort;  // the window's own port: dialogs and the status label
  FakeUserPort port;  // what the shell asks and tells, recorded
  ScriptedJVLinkFactory factory;
  std::unique_ptr<AppShell> shell;
  std::unique_ptr<MainWindow> window;

  // With `shellUsesWindowPort` the shell talks through the window's port, as
  // in the program, instead of the recording one.
  explicit MainWindowFixture(bool shellUsesWindowPort = false) {
    UserPort& shellPort = shellUsesWindowPort ? static_cast<UserPort&>(qtPort) : port;
    shell = std::make_unique<AppShell>(AppPaths(dir.path().toStdString(), "turfwise"), clock, shellPort, factory);
  }
  MainWindow& OpenWindow() {
    window = std::make_unique<MainWindow>(*shell, qtPort);
    return *window;
  }
  MainWindow& w() { return *window; }
};

}  // namespace tw::test
