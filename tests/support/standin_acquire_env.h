// The fetch commands' surroundings for in-process runs: the stand-in without
// pacing serves the application folder's feed, and the commands' waits move
// the test's clock on instead of sleeping.
#pragma once

#include <memory>

#include "base/clock.h"
#include "cli/acquire_session.h"
#include "standin/standin_jvlink.h"

namespace tw::test {

inline AcquireEnv StandInAcquireEnv(ManualClock& clock) {
  AcquireEnv env;
  env.makeJVLink = [](const std::string& app, const std::string& settings, const Clock& c) {
    StandInOptions o;
    o.appFolder = app;
    o.settingsFile = settings;
    o.paceMillis = 0;
    return std::unique_ptr<JVLink>(std::make_unique<StandInJVLink>(c, o));
  };
  env.sleep = [&clock](int millis) { clock.Advance(millis >= 1000 ? millis / 1000 : 1); };
  return env;
}

}  // namespace tw::test
