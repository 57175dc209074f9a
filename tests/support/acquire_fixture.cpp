#include "support/acquire_fixture.h"

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
  NullRaceDayView view;
  LoadRaceDay(model, list, data, host.dayText, settings, clock, view);
}

std::vector<std::string> AcquireFixture::LogLines() const {
  std::vector<std::string> out;
  for (const auto& line : LoadLines(log.path()).value_or(std::vector<std::string>{})) out.push_back(U(line));
  return out;
}

std::vector<std::string> AcquireFixture::DataLines(const std::string& name) const {
  return LoadLines(JoinPath(data, name)).value_or(std::vector<std::string>{});
}

}  // namespace tw::test
