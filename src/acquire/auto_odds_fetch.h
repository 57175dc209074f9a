// The odds fetch schedule: the odds fetch window's contents (the race check
// list and the schedule grid with its colours, as data), its run over the
// ticked races, automatic fetching (the automatic-fetch box and its 40-second tick),
// and the ranges of the delay and result-interval dialogs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "acquire/acquisition_context.h"
#include "acquire/odds_fetch.h"

namespace tw {

// ---- the schedule grid ----

enum class CellColour {
  kFixed,    // the header row: the grid's fixed-row colour
  kToolTip,  // column 0: the system's tool-tip background
  kWhite,    // column 1: the post time
  kPlanned,  // columns 2, 4, 6: red 193, green 255, blue 255
  kFetched,  // columns 3, 5, 7: red 252, green 205, blue 238
};

struct CellRgb {
  int red, green, blue;
};
inline constexpr CellRgb kPlannedRgb{193, 255, 255};
inline constexpr CellRgb kFetchedRgb{252, 205, 238};

struct ScheduleCell {
  std::string text;  // Shift-JIS, centred, 2 pixels below the cell's top
  CellColour colour = CellColour::kWhite;
};

inline constexpr int kScheduleColumns = 8;

struct ScheduleGrid {
  std::string dayLabel;                                          // the day selector's text, above the grid
  std::vector<std::string> raceLabels;                           // the check list, one per race slot 0..raceCount-1
  std::vector<std::array<ScheduleCell, kScheduleColumns>> rows;  // header row, then one per race
  std::array<int, kScheduleColumns> columnWidths{100, 70, 70, 70, 70, 70, 70, 70};
};

// The race label of a race record: course name, meeting "回", day "日", race "R".
std::string ScheduleRaceLabel(const std::string& race);
// "hh:mm" of an "hhmm" text; empty when blank.
std::string ClockText(const std::string& hhmm);
// The window's contents for the loaded day.
ScheduleGrid MakeScheduleGrid(const RaceDayModel& model, const std::string& dayText);

// Fixed texts of the window (Shift-JIS).
const std::string& ScheduleInstructionText();  // above the check list
const std::string& ScheduleTitleText();        // above the grid
const std::string& NoRaceTickedText();         // "オッズ取得するレースをチェックしてください。"
const std::string& FetchDoneText();            // "データ作成が完了しました。"

// ---- the odds fetch window's run ----

// What the run shows in the window.
class OddsWindowView {
 public:
  virtual ~OddsWindowView() = default;
  virtual void SetProgress(int position, int maximum) = 0;    // the progress bar
  virtual void SetProgressText(const std::string& text) = 0;  // the text beside the bar
};

// "ｵｯｽﾞを今すぐ取得": each ticked race (by slot, in list order) is fetched
// interactively; every failure is a dialog and the next race follows. Held
// back with a status text while another fetch holds the stream.
FetchTally FetchCheckedRaces(AcquisitionContext& c, OddsWindowView& view, const std::vector<bool>& ticked);

// ---- automatic fetching ----

class AutoOddsFetch {
 public:
  AutoOddsFetch(AcquisitionContext& context, AcquisitionHost& host, OddsFetcher& fetcher)
      : c_(context), host_(host), fetcher_(fetcher) {}

  // SetAutoFetch: ticked, the day must be shown, be today and have a
  // final race card (each failure a dialog, the box cleared again); then the
  // flags are cleared, the schedule ticks and the manual command is disabled.
  // Cleared: the ticks stop and the manual command is enabled. True when
  // automatic fetching is on afterwards.
  bool SetAutoFetch(bool checked);

  // OnScheduleTick: the races whose planned fetch time equals the current time
  // less the delay, and that were not queued for that time yet, are fetched
  // by the unattended batch. Returns the race keys queued by this tick.
  std::vector<std::string> OnScheduleTick();

  bool on() const { return on_; }
  // True when the planned time k (1..3) of the slot was already queued.
  bool fetched(int slot, int k) const { return queuedTimes_[static_cast<size_t>(slot)][static_cast<size_t>(k - 1)]; }

 private:
  AcquisitionContext& c_;
  AcquisitionHost& host_;
  OddsFetcher& fetcher_;
  bool on_ = false;
  std::array<std::array<bool, 3>, kMaxRaces> queuedTimes_{};
};

inline constexpr int kScheduleTickMillis = 40000;

// ---- the delay and result-interval dialogs ----

inline constexpr int kDelayMin = setting::kFetchDelay.min, kDelayMax = setting::kFetchDelay.max;
inline constexpr int kResultIntervalMin = setting::kResultInterval.min,
                     kResultIntervalMax = setting::kResultInterval.max;

int ReadFetchDelay(const Settings& settings);      // ("Time", "delay"), default 5
int ReadResultInterval(const Settings& settings);  // ("Time", "AutoRdataGet"), default 15
// Stores a dialog's value, kept within its range. False when the
// settings file could not be written.
bool StoreFetchDelay(Settings& settings, int minutes);
bool StoreResultInterval(Settings& settings, int minutes);

// Texts of the two dialogs (Shift-JIS).
const std::string& DelayCaption();  // "オッズデータ取得時刻調整"
const std::string& DelayExplanation();
const std::string& DelayRangeText();  // "（０分～１５分までの任意の時間を指定）"
const std::string& ResultCaption();   // "データ取得時刻設定"
const std::string& ResultTitle();     // "結果情報自動取得時刻指定"
const std::string& ResultExplanation();

}  // namespace tw
