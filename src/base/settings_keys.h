// Every key of the settings file, with its type, its default when the key is
// missing and, for numbers a dialog sets, the range a write is kept within.
// Reads and writes name one of these keys instead of a section and key text,
// so each key is spelled once and has one default.
#pragma once

namespace tw {

enum class SettingType { kInteger, kBool, kText };

struct SettingKey {
  const char* section;
  const char* key;
  SettingType type;
  int defaultNumber = 0;  // integer keys; boolean keys 0 or 1
  // Integer keys: reads and writes are kept within min..max, so that a value
  // edited by hand can neither stop a timer nor overflow; no range when
  // min > max.
  int min = 0;
  int max = -1;
  // Text keys: the default; null when it depends on the clock or the folder
  // and the reader gives it.
  const char* defaultText = nullptr;

  constexpr bool HasRange() const { return min <= max; }
};

namespace setting {

// The main window's edges; its width and height are stored but never read,
// since the window keeps its designed size.
// Screen coordinates stay within what a window system can place.
inline constexpr int kScreenMin = -32768, kScreenMax = 32767;
inline constexpr SettingKey kMainWindowTop{"locate", "top", SettingType::kInteger, 10, kScreenMin, kScreenMax};
inline constexpr SettingKey kMainWindowLeft{"locate", "left", SettingType::kInteger, 10, kScreenMin, kScreenMax};
inline constexpr SettingKey kMainWindowWidth{"locate", "width", SettingType::kInteger, 0, 0, kScreenMax};
inline constexpr SettingKey kMainWindowHeight{"locate", "height", SettingType::kInteger, 0, 0, kScreenMax};

// The print window's place, size and zoom choice.
inline constexpr SettingKey kPrintWindowTop{"Printlocate", "top", SettingType::kInteger, 10, kScreenMin, kScreenMax};
inline constexpr SettingKey kPrintWindowLeft{"Printlocate", "left", SettingType::kInteger, 10, kScreenMin, kScreenMax};
inline constexpr SettingKey kPrintWindowWidth{"Printlocate", "width", SettingType::kInteger, 630, 1, kScreenMax};
inline constexpr SettingKey kPrintWindowHeight{"Printlocate", "height", SettingType::kInteger, 450, 1, kScreenMax};
inline constexpr SettingKey kPrintZoom{"PrintZoom", "ratio", SettingType::kInteger, 1};

// The time the next race-card download asks from, "yyyy/mm/dd hh:nn:ss";
// by default eight days before now, which the reader works out.
inline constexpr SettingKey kDownloadFromTime{"JvDataGet", "LastTime", SettingType::kText};

// The time-series viewer's data folder. Start-up treats a missing key as
// empty; the import commands read it with the application folder instead.
inline constexpr SettingKey kTimeSeriesFolder{"Dir", "jikeiretu", SettingType::kText, 0, 0, -1, ""};

// Minutes added to every planned odds fetch, and minutes between automatic
// result fetches.
inline constexpr SettingKey kFetchDelay{"Time", "delay", SettingType::kInteger, 5, 0, 15};
inline constexpr SettingKey kResultInterval{"Time", "AutoRdataGet", SettingType::kInteger, 15, 5, 59};

// The share of quinella and wide stakes the organiser pays back on average,
// in tenths of a percent: the season report's return-rate chart draws it as
// the line a way of betting has to beat.
inline constexpr SettingKey kTakeoutLine{"Season", "takeout", SettingType::kInteger, 775, 0, 1000};

// Whether the data list closes after a day is loaded.
inline constexpr SettingKey kCloseDataListAfterLoad{"datalist", "close", SettingType::kBool, 0};

// The feed folder the JV-Link stand-in serves; by default the application
// folder's "Feed", which the reader works out.
inline constexpr SettingKey kStandInFeed{"StandIn", "feed", SettingType::kText};

// Whether the stand-in takes the place of JV-Link where the COM control is
// not installed; without it start-up tells the user to install JV-Link. On
// platforms without COM the stand-in is the JV-Link whatever this says.
inline constexpr SettingKey kStandInUse{"StandIn", "use", SettingType::kBool, 0};

// Milliseconds the stand-in takes to "download" each stored file, so the
// download's progress bar moves; 0 downloads at once (benchmarks, tests).
inline constexpr SettingKey kStandInPace{"StandIn", "pace", SettingType::kInteger, 120, 0, 10000};

// The command line that starts the JV-Link bridge (turfwise-jvlink-bridge),
// for example "wine64 C:/Turfwise/turfwise-jvlink-bridge.exe" where JV-Link
// is installed in a Wine prefix. Empty: on Windows the bridge beside the
// program, elsewhere the stand-in.
inline constexpr SettingKey kJVLinkBridge{"JVLink", "bridge", SettingType::kText, 0, 0, -1, ""};

// Seconds a JV-Link call through the bridge may take before the user is told
// that JV-Link is not answering. Generous: a set-up download's JVOpen and
// JVRead can be slow.
inline constexpr SettingKey kJVLinkTimeout{"JVLink", "timeout", SettingType::kInteger, 300, 1, 3600};

}  // namespace setting

// The whole table, in the order above.
inline constexpr const SettingKey* kSettingKeys[] = {
    &setting::kMainWindowTop,    &setting::kMainWindowLeft,
    &setting::kMainWindowWidth,  &setting::kMainWindowHeight,
    &setting::kPrintWindowTop,   &setting::kPrintWindowLeft,
    &setting::kPrintWindowWidth, &setting::kPrintWindowHeight,
    &setting::kPrintZoom,        &setting::kDownloadFromTime,
    &setting::kTimeSeriesFolder, &setting::kFetchDelay,
    &setting::kResultInterval,   &setting::kCloseDataListAfterLoad,
    &setting::kStandInFeed,      &setting::kStandInUse,
    &setting::kStandInPace,      &setting::kJVLinkBridge,
    &setting::kJVLinkTimeout,
};

}  // namespace tw
