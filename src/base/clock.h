// The program's clock. Every time decision asks an injected Clock, so tests
// and the command line (`--now`) can set the time.
#pragma once

#include <string>

namespace tw {

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// "yyyy/mm/dd hh:nn:ss"
std::string FormatDateTime(const DateTime& t);
// "hh:nn:ss"
std::string FormatTime(const DateTime& t);
// "yyyymmddhhnnss"
std::string FormatCompact(const DateTime& t);
// The day name of a date: yyyy年mm月dd日 (Shift-JIS, 14 bytes).
std::string DayNameOf(const DateTime& t);
// Parses "yyyy/mm/dd hh:nn:ss" (seconds optional); false when malformed.
bool ParseDateTime(const std::string& text, DateTime& out);
// Parses "yyyymmddhhnnss"; false when malformed.
bool ParseCompact(const std::string& text, DateTime& out);
// The time shifted by whole seconds (negative allowed), calendar-correct.
DateTime AddSeconds(const DateTime& t, long long seconds);
// Day of the week, 0 = Sunday.
int DayOfWeek(const DateTime& t);
// Seconds since 1970-01-01 00:00:00 of the civil time (no time zone).
long long ToEpochSeconds(const DateTime& t);
DateTime FromEpochSeconds(long long seconds);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

// The local time of the machine.
class SystemClock : public Clock {
 public:
  DateTime Now() const override;
};

// A clock that stands still until it is set or advanced; the offset form
// runs on from a given start (used by `--now`).
class ManualClock : public Clock {
 public:
  explicit ManualClock(DateTime t = {2024, 1, 1, 0, 0, 0}) : now_(t) {}
  DateTime Now() const override { return now_; }
  void Set(const DateTime& t) { now_ = t; }
  void Advance(long long seconds) { now_ = AddSeconds(now_, seconds); }

 private:
  DateTime now_;
};

// The system clock shifted so that it started at a given time.
class OffsetClock : public Clock {
 public:
  explicit OffsetClock(const DateTime& start);
  DateTime Now() const override;

 private:
  long long offset_ = 0;
};

}  // namespace tw
