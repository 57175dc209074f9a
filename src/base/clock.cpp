#include "base/clock.h"

#include <cstdio>
#include <ctime>

#include "text/format.h"
#include "text/sjis.h"

namespace tw {

std::string FormatDateTime(const DateTime& t) {
  return Format("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string FormatTime(const DateTime& t) { return Format("%02d:%02d:%02d", t.hour, t.minute, t.second); }

std::string FormatCompact(const DateTime& t) {
  return Format("%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string DayNameOf(const DateTime& t) {
  static const std::string kYear = Sjis("年"), kMonth = Sjis("月"), kDay = Sjis("日");
  return Format("%04d", t.year) + kYear + Format("%02d", t.month) + kMonth + Format("%02d", t.day) + kDay;
}

namespace {

bool Valid(const DateTime& t) {
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1) return false;
  if (t.day > kDays[t.month - 1]) return false;
  bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  if (t.month == 2 && t.day == 29 && !leap) return false;
  return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60;
}

bool Digits(const std::string& s, size_t pos, size_t n, int& out) {
  if (pos + n > s.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  out = v;
  return true;
}

// Days from civil, after H. Hinnant's public-domain algorithm.
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

}  // namespace

bool ParseDateTime(const std::string& text, DateTime& out) {
  DateTime t;
  if (text.size() < 16) return false;
  if (!Digits(text, 0, 4, t.year) || text[4] != '/' || !Digits(text, 5, 2, t.month) || text[7] != '/' ||
      !Digits(text, 8, 2, t.day) || text[10] != ' ' || !Digits(text, 11, 2, t.hour) || text[13] != ':' ||
      !Digits(text, 14, 2, t.minute))
    return false;
  if (text.size() > 16) {
    if (text.size() != 19 || text[16] != ':' || !Digits(text, 17, 2, t.second)) return false;
  }
  if (!Valid(t)) return false;
  out = t;
  return true;
}

bool ParseCompact(const std::string& text, DateTime& out) {
  DateTime t;
  if (text.size() != 14) return false;
  if (!Digits(text, 0, 4, t.year) || !Digits(text, 4, 2, t.month) || !Digits(text, 6, 2, t.day) ||
      !Digits(text, 8, 2, t.hour) || !Digits(text, 10, 2, t.minute) || !Digits(text, 12, 2, t.second))
    return false;
  if (!Valid(t)) return false;
  out = t;
  return true;
}

long long ToEpochSeconds(const DateTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
}

DateTime FromEpochSeconds(long long s) {
  long long days = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
  long long rest = s - days * 86400;
  DateTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest % 3600 / 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

DateTime AddSeconds(const DateTime& t, long long seconds) { return FromEpochSeconds(ToEpochSeconds(t) + seconds); }

int DayOfWeek(const DateTime& t) {
  long long days = DaysFromCivil(t.year, t.month, t.day);
  return static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
}

DateTime SystemClock::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &now);
#else
  localtime_r(&now, &tm);
#endif
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

OffsetClock::OffsetClock(const DateTime& start) {
  offset_ = ToEpochSeconds(start) - ToEpochSeconds(SystemClock().Now());
}

DateTime OffsetClock::Now() const { return AddSeconds(SystemClock().Now(), offset_); }

}  // namespace tw
