// Layout of the race-day files: record lengths, line counts and the shortest
// records the store accepts.
//
// A record is stored as one line without its CR LF. Every line of a file,
// record or blank, has exactly the stored length of its record type, so that
// readers can read the files as fixed-length records of the length with the
// CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Stored line lengths (the record as received less its CR LF).
inline constexpr size_t kRaceLineLength = 1270;      // RA
inline constexpr size_t kRunnerLineLength = 553;     // SE
inline constexpr size_t kPayoutLineLength = 717;     // HR
inline constexpr size_t kWinOddsLineLength = 960;    // O1
inline constexpr size_t kQuinellaLineLength = 2040;  // O2

// Record lengths with their CR LF, as received and as the loader reads the
// stored files line by line.
inline constexpr size_t kLineEndLength = 2;
inline constexpr size_t kRaceRecordLength = kRaceLineLength + kLineEndLength;              // 1272
inline constexpr size_t kRunnerRecordLength = kRunnerLineLength + kLineEndLength;          // 555
inline constexpr size_t kPayoutRecordLength = kPayoutLineLength + kLineEndLength;          // 719
inline constexpr size_t kWinOddsRecordLength = kWinOddsLineLength + kLineEndLength;        // 962
inline constexpr size_t kQuinellaOddsRecordLength = kQuinellaLineLength + kLineEndLength;  // 2042

inline constexpr int kRacesPerCourse = 12;
inline constexpr int kRunnerSlots = 18;
inline constexpr int kDayRaceSlots = 36;
inline constexpr int kSnapshotsPerRace = 3;
inline constexpr size_t kRunnerFileLines = kRacesPerCourse * kRunnerSlots;   // 216
inline constexpr size_t kRaceFileFullLines = kDayRaceSlots;                  // 36
inline constexpr size_t kOddsFileLines = kDayRaceSlots * kSnapshotsPerRace;  // 108

// The most bytes a reader takes in of a day file of `lines` lines of
// `recordLength` bytes: the layout once more as room for damaged lines. A
// larger file is reported instead of loaded.
constexpr std::uintmax_t DayFileByteLimit(size_t lines, size_t recordLength) {
  return 2 * static_cast<std::uintmax_t>(lines) * recordLength;
}
inline constexpr std::uintmax_t kRaceFileByteLimit = DayFileByteLimit(kRaceFileFullLines, kRaceRecordLength);
inline constexpr std::uintmax_t kRunnerFileByteLimit = DayFileByteLimit(kRunnerFileLines, kRunnerRecordLength);
inline constexpr std::uintmax_t kPayoutFileByteLimit = DayFileByteLimit(kDayRaceSlots, kPayoutRecordLength);
inline constexpr std::uintmax_t kWinOddsFileByteLimit = DayFileByteLimit(kOddsFileLines, kWinOddsRecordLength);
inline constexpr std::uintmax_t kQuinellaOddsFileByteLimit =
    DayFileByteLimit(kOddsFileLines, kQuinellaOddsRecordLength);

// The shortest records that still carry every field their placement reads.
inline constexpr size_t kKeyedRecordMin = 27;   // race key up to position 27
inline constexpr size_t kRunnerRecordMin = 30;  // horse number at 29-30
inline constexpr size_t kOddsRecordMin = 35;    // announcement time at 28-35

// The record as the line to store: its final line end removed, then padded
// with spaces or cut to `length`. nullopt when the record is shorter than
// `minLength` (too short for the fields its placement reads) or carries a
// line break inside it (it would split the file's lines).
std::optional<std::string> StoredLine(std::string_view record, size_t length, size_t minLength);

// Every line padded with spaces or cut to `length`; at least `minLines` lines
// (blank lines appended).
void NormaliseLines(std::vector<std::string>& lines, size_t length, size_t minLines = 0);

}  // namespace tw
