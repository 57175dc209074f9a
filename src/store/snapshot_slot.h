// Where an odds snapshot goes: the race slot of an O1/O2 record and its
// snapshot line among the three of that slot, in order of announcement time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct RecordHeader;

// True for an O1 or O2 record that may be stored: data kind neither "0" nor
// "9" (deleted, cancelled) and a race number 1-12.
bool IsStorableOddsRecord(const RecordHeader& record);

// The first race slot 0..35 whose race text has the same positions 20-27
// (course, meeting, day, race number) as the odds record; the date is not
// compared. -1 when no race matches.
int FindSnapshotSlot(const RecordHeader& oddsRecord, const std::vector<std::string>& raceTexts);

// The snapshot (0, 1, 2 for snapshots 1-3) that the new line takes, given the
// slot's three snapshot lines, or -1 when nothing changes:
// snapshot 1 empty -> 1; else snapshot 2 empty -> 2 if strictly later than 1;
// else snapshot 3 empty -> 3 if strictly later than 2; else (all full) 3 is
// replaced if strictly later than 3.
int PlaceSnapshot(std::string_view first, std::string_view second, std::string_view third, std::string_view newLine);

}  // namespace tw
