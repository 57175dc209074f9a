// What the commands that work on one day of an application folder share:
// their options (`--app-dir DIR --day DAYNAME` plus flags of their own), the
// load of the day as the window loads it, and the console form of messages.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "analysis/race_day_model.h"
#include "analysis/race_list.h"
#include "base/user_port.h"

namespace tw {

class Clock;

struct AppDayOptions {
  std::string appFolder;           // Shift-JIS
  std::string dayName;             // Shift-JIS, e.g. 2024年05月12日
  std::vector<std::string> flags;  // the flags given, as written
};

// Parses "--app-dir DIR" (or "--app-dir=DIR"), "--day DAYNAME" (or
// "--day=DAYNAME") and any of `allowedFlags`. False with a message for an
// unknown option, a missing value or option, or a name that cannot be a
// folder or a day name.
bool ParseAppDayOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowedFlags,
                        AppDayOptions& options, std::string& error);

bool HasFlag(const AppDayOptions& options, const std::string& flag);

// The settings file of the window program in the application folder.
std::string AppSettingsFile(const std::string& appFolder);

// Loads the day from the application folder's "Data" folder exactly as
// choosing it in the window does (missing odds files are created, payouts
// imported, every race analysed). False, with a message, when the day has no
// race file or it cannot be read.
bool LoadAppDay(const AppDayOptions& options, const Clock& clock, RaceDayModel& model, RaceList& list,
                std::string& error);

// Shift-JIS text with CR LF line breaks as UTF-8 with LF.
std::string ConsoleText(const std::string& sjis);

// A UserPort for unattended use: every message becomes a line of the stream
// in UTF-8; confirmations are answered No.
class StreamUserPort : public UserPort {
 public:
  explicit StreamUserPort(std::ostream& out) : out_(out) {}
  void Beep() override {}
  void Inform(const std::string& text) override { out_ << ConsoleText(text) << '\n'; }
  bool Confirm(const std::string& text) override {
    Inform(text);
    return false;
  }
  void SetStatus(const std::string& text) override { Inform(text); }
  void ProcessEvents() override {}
  void SetBusy(bool) override {}

 private:
  std::ostream& out_;
};

}  // namespace tw
