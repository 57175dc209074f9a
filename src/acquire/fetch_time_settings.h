// The two settings of the automatic fetches' times, as their dialogs read
// and store them: the delay of the odds fetches and the interval of the
// result fetches, each kept within its range.
#pragma once

#include "base/settings.h"
#include "base/settings_keys.h"

namespace tw {

inline constexpr int kDelayMin = setting::kFetchDelay.min, kDelayMax = setting::kFetchDelay.max;
inline constexpr int kResultIntervalMin = setting::kResultInterval.min,
                     kResultIntervalMax = setting::kResultInterval.max;

int ReadFetchDelay(const Settings& settings);      // ("Time", "delay"), default 5
int ReadResultInterval(const Settings& settings);  // ("Time", "AutoRdataGet"), default 15
// Stores a dialog's value, kept within its range. False when the
// settings file could not be written.
bool StoreFetchDelay(Settings& settings, int minutes);
bool StoreResultInterval(Settings& settings, int minutes);

}  // namespace tw
