#include "support/acquire_fixture.h"

#include "acquire/fetch_time_settings.h"
#include "text/files.h"

namespace tw::test {

AcquireFixture::AcquireFixture()
    : data(JoinPath(dir.str(), "Data")),
      settings(dir.file("turfwise.ini")),
      clock(DateTime{2024, 5, 12, 9, 0, 0}),
      log(dir.file("ErrorLog.txt"), clock, ui),
      store(data),
      day(data),
      ctx{jv, store, settings, log, clock, ui, model, gate} {
  EnsureFolder(data);
  host.dayText = day.dayName();
  host.onReload = [this] { Load(); };
}

void AcquireFixture::Load() {
  LoadRaceDay(model, list, data, host.dayText, ReadResultInterval(settings), DayNameOf(clock.Now()));
}

std::vector<std::string> AcquireFixture::LogLines() const {
  std::vector<std::string> out;
  for (const auto& line : LoadLines(log.path()).value_or(std::vector<std::string>{})) out.push_back(U(line));
  return out;
}

std::vector<std::string> AcquireFixture::DataLines(const std::string& name) const {
  return LoadLines(JoinPath(data, name)).value_or(std::vector<std::string>{});
}

std::vector<std::string> AcquireFixture::Opened() const {
  std::vector<std::string> keys;
  for (const auto& call : jv.calls)
    if (call.rfind("JVRTOpen", 0) == 0) keys.push_back(call.substr(14, 16));
  return keys;
}

bool AcquireFixture::StreamsNeverOverlap() const {
  bool open = false;
  for (const auto& call : jv.calls) {
    if (call.rfind("JVRTOpen", 0) == 0 || call.rfind("JVOpen", 0) == 0) {
      if (open) return false;
      open = true;
    } else if (call == "JVClose()") {
      open = false;
    }
  }
  return !open;
}

}  // namespace tw::test
