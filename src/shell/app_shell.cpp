#include "shell/app_shell.h"

#include <filesystem>
#include <system_error>

#include "base/companion_folder.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

bool CheckJVLinkPresent(JVLinkFactory& factory, UserPort& ui) {
  static const std::string kGetIt = Sjis("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。");
  std::unique_ptr<JVLink> probe;
  try {
    probe = factory.Create();
  } catch (const std::exception&) {
    probe.reset();
  }
  if (probe) return true;  // released at once; the main window makes its own
  ui.Beep();
  ui.Inform(kGetIt);
  return false;
}

AppShell::AppShell(AppPaths paths, const Clock& clock, UserPort& ui, JVLinkFactory& factory)
    : paths_(std::move(paths)),
      clock_(clock),
      ui_(ui),
      factory_(factory),
      settings_(paths_.SettingsFile()),
      errorLog_(paths_.ErrorLogFile(), clock, ui) {}

bool AppShell::Create(const std::function<std::string()>& registry) {
  // The companion viewer's folder comes first, before anything else reads settings.
  if (registry) {
    FindCompanionFolder(settings_, registry);
  } else {
    FindCompanionFolder(settings_);
  }
  std::error_code ec;
  std::filesystem::current_path(ToFsPath(paths_.appFolder()), ec);

  position_.top = settings_.ReadInteger(setting::kMainWindowTop);
  position_.left = settings_.ReadInteger(setting::kMainWindowLeft);

  std::string why;
  if (!EnsureFolder(paths_.DataFolder(), &why)) {
    error_ = "Cannot create the data folder " + SjisToUtf8(paths_.DataFolder()) + ": " + why;
    return false;
  }
  closeDataListAfterLoad_ = settings_.ReadBool(setting::kCloseDataListAfterLoad);

  // The main window's own JV-Link, used by every download for the whole run.
  try {
    jvlink_ = factory_.Create();
  } catch (const std::exception&) {
    jvlink_.reset();
  }

  errorLog_.Start(paths_.appFolder());
  return true;
}

std::string AppShell::SoftwareId() const { return std::string(kSoftwareIdPrefix) + versionText_; }

void AppShell::FirstShow() {
  static const std::string kInitFailed = Sjis("JVInitエラーが発生しました。：");
  versionText_ = kVersionText;
  // A settings file that is not used is told once; the program goes on with the defaults.
  if (const std::string problem = settings_.LoadProblem(); !problem.empty()) ui_.Inform(problem);
  int code = -1;
  if (jvlink_) {
    try {
      code = jvlink_->JVInit(SoftwareId());
    } catch (const JVLinkCallError& e) {
      ui_.Beep();
      ui_.Inform(e.what());  // already Shift-JIS
      return;
    }
  }
  if (code != 0) {
    ui_.Beep();
    ui_.Inform(kInitFailed + std::to_string(code));
  }
}

void AppShell::SaveWindowPosition(int top, int left, int width, int height) {
  settings_.WriteInteger(setting::kMainWindowTop, top);
  settings_.WriteInteger(setting::kMainWindowLeft, left);
  settings_.WriteInteger(setting::kMainWindowWidth, width);
  settings_.WriteInteger(setting::kMainWindowHeight, height);
}

void AppShell::setCloseDataListAfterLoad(bool on) {
  closeDataListAfterLoad_ = on;
  settings_.WriteBool(setting::kCloseDataListAfterLoad, on);
}

}  // namespace tw
