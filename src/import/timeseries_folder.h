// The folder of the companion time-series odds viewer: the setting
// ("Dir", "jikeiretu") and the texts of the folder picker.
#pragma once

#include <string>

namespace tw {

class Settings;

// Picker caption and prompt, Shift-JIS.
const std::string& TimeSeriesFolderCaption();
const std::string& TimeSeriesFolderPrompt();

// The stored folder, with the application folder as the default; a value
// equal to the application folder means that no folder was chosen.
std::string TimeSeriesFolder(const Settings& settings, const std::string& appFolder);

// Whether a folder was chosen: the setting differs from the application
// folder (exact comparison).
bool IsTimeSeriesFolderSet(const Settings& settings, const std::string& appFolder);

// Stores the folder the user confirmed in the picker; false when the
// settings file could not be written.
bool StoreTimeSeriesFolder(Settings& settings, const std::string& folder);

}  // namespace tw
