// Fields of the RA race record that the program reads.
#pragma once

#include <string>
#include <string_view>

namespace tw {

std::string RaceName(std::string_view race);       // 33-92: the race name, 30 full-width characters
std::string ShortRaceName(std::string_view race);  // 593-604: the short name of 6 characters
std::string PostTime(std::string_view race);       // 874-877: hhmm
// The race card's conditions: race type (617-618: age group, flat or
// steeplechase), the condition of the youngest age (635-637: class), the
// distance in metres (698-701) and the track (706-707: surface).
std::string RaceTypeCode(std::string_view race);
std::string YoungestConditionCode(std::string_view race);
long long DistanceMetres(std::string_view race);
std::string TrackCode(std::string_view race);
std::string PostHour(std::string_view race);    // 874-875
std::string PostMinute(std::string_view race);  // 876-877

// The registered runners (登録頭数, 882-883).
//
// RunnerCountText gives the field as stored (headings show it so), and
// StoredRunnerCount its integer value, unchecked (-9..99 from two bytes): the
// pair mode is decided on it. RunnerSlotCount is the number of horse slots it
// covers, held to 0..18 so that a damaged count never reads past the 18
// horses of a race.
std::string RunnerCountText(std::string_view race);
int StoredRunnerCount(std::string_view race);
int RunnerSlotCount(std::string_view race);

}  // namespace tw
