#include "acquire/fetch_time_settings.h"

namespace tw {

int ReadFetchDelay(const Settings& settings) { return settings.ReadInteger(setting::kFetchDelay); }

int ReadResultInterval(const Settings& settings) { return settings.ReadInteger(setting::kResultInterval); }

bool StoreFetchDelay(Settings& settings, int minutes) { return settings.WriteInteger(setting::kFetchDelay, minutes); }

bool StoreResultInterval(Settings& settings, int minutes) {
  return settings.WriteInteger(setting::kResultInterval, minutes);
}

}  // namespace tw
