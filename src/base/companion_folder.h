// The folder of the companion time-series odds viewer.
#pragma once

#include <functional>
#include <string>

#include "base/settings.h"

namespace tw {

// Reads the install folder that the companion viewer's installer recorded in
// the Windows registry; empty where there is no registry or no such value.
std::string ReadCompanionInstallFolder();

// At start-up: when the time-series folder setting is blank, takes the registry's
// install folder and, if there is one, stores it followed by the data folder
// name. A value already set is never replaced. `registry` is injectable for tests.
void FindCompanionFolder(Settings& settings, const std::function<std::string()>& registry = ReadCompanionInstallFolder);

}  // namespace tw
