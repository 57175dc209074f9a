#include "standin/standin_feed.h"

#include <algorithm>
#include <map>

#include "records/odds_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/format.h"

namespace tw {

namespace {

// "<14 digits>-<label>.jvd" gives the time stamp; empty when the name is not of that form.
std::string TimestampOfName(const std::string& name) {
  if (name.size() < 20 || name[14] != '-') return {};
  if (!EqualsIgnoreCase(name.substr(name.size() - 4), ".jvd")) return {};
  std::string ts = name.substr(0, 14);
  return IsTimestamp(ts) ? ts : std::string();
}

std::vector<FeedFile> ListTimedFiles(const std::string& folder) {
  std::vector<FeedFile> files;
  for (const std::string& name : ListFolder(folder, "*.jvd")) {
    std::string ts = TimestampOfName(name);
    if (ts.empty()) continue;
    files.push_back({name, ts, JoinPath(folder, name)});
  }
  std::sort(files.begin(), files.end(), [](const FeedFile& a, const FeedFile& b) {
    return a.timestamp != b.timestamp ? a.timestamp < b.timestamp : a.name < b.name;
  });
  return files;
}

std::string DateOf(const DateTime& t) { return FormatCompact(t).substr(0, 8); }

}  // namespace

bool IsTimestamp(const std::string& text) {
  if (text.size() != 14 || !AllDigits(text)) return false;
  DateTime t;
  return ParseCompact(text, t);
}

bool IsDateKey(const std::string& key) { return key.size() == 8 && IsTimestamp(key + "000000"); }

bool IsRaceKey(const std::string& key) {
  if (key.size() != 16 || !IsDateKey(key.substr(0, 8))) return false;
  for (size_t i = 8; i < 10; ++i) {
    char c = key[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return AllDigits(key.substr(10, 6));
}

std::vector<FeedFile> ListStoredFiles(const std::string& feed) { return ListTimedFiles(JoinPath(feed, "RACE")); }

std::vector<std::string> ReadFeedRecords(const std::string& path) {
  std::vector<std::string> records;
  auto bytes = ReadFileBytes(path);
  if (!bytes) return records;
  for (std::string& line : SplitLines(*bytes)) {
    if (line.empty()) continue;
    records.push_back(std::move(line) + "\r\n");
  }
  return records;
}

bool FileHasRaceDates(const std::string& path, const std::string& first, const std::string& last) {
  for (const std::string& rec : ReadFeedRecords(path)) {
    std::string date = DateKey(rec);
    if (date >= first && date <= last) return true;
  }
  return false;
}

void MeetingWeekOf(const DateTime& now, std::string& first, std::string& last) {
  DateTime day{now.year, now.month, now.day, 0, 0, 0};
  int back = (DayOfWeek(day) - 2 + 7) % 7;  // days since Tuesday
  DateTime tuesday = AddSeconds(day, -86400LL * back);
  first = DateOf(tuesday);
  last = DateOf(AddSeconds(tuesday, 86400LL * 6));
}

std::vector<std::string> OddsAt(const std::string& feed, const std::string& raceKey, const DateTime& now,
                                std::string& fileName) {
  fileName = raceKey + ".jvd";
  const std::string path = JoinPath(JoinPath(JoinPath(feed, "RT"), "0B30"), fileName);
  const std::string nowStamp = FormatCompact(now);
  const int raceYear = static_cast<int>(IntValue(raceKey.substr(0, 4)));
  const int raceMonth = static_cast<int>(IntValue(raceKey.substr(4, 2)));
  // A final record has no announcement time: it counts from the end of the race day.
  const std::string dayEnd = raceKey.substr(0, 8) + "235959";

  std::string best[2], bestStamp[2];
  for (const std::string& rec : ReadFeedRecords(path)) {
    const std::string recordType = RecordType(rec);
    int type = recordType == "O1" ? 0 : recordType == "O2" ? 1 : -1;
    if (type < 0) continue;
    std::string mmddhhmm = AnnouncementText(rec);
    std::string stamp;
    if (mmddhhmm == "00000000") {
      stamp = dayEnd;
    } else {
      int month = static_cast<int>(IntValue(mmddhhmm.substr(0, 2)));
      int year = month - raceMonth > 6 ? raceYear - 1 : raceYear;
      stamp = Format("%04d", year) + mmddhhmm + "00";
    }
    if (stamp > nowStamp) continue;
    if (best[type].empty() || stamp >= bestStamp[type]) {
      best[type] = rec;
      bestStamp[type] = stamp;
    }
  }
  std::vector<std::string> out;
  for (auto& rec : best)
    if (!rec.empty()) out.push_back(rec);
  return out;
}

std::vector<std::string> ResultsAt(const std::string& feed, const std::string& date, const DateTime& now) {
  const std::string folder = JoinPath(JoinPath(JoinPath(feed, "RT"), "0B12"), date);
  const std::string nowStamp = FormatCompact(now);
  std::map<std::string, FeedFile> latest;  // race code -> its latest stage so far
  for (const FeedFile& f : ListTimedFiles(folder)) {
    if (f.timestamp > nowStamp) continue;
    std::string code = f.name.substr(15, f.name.size() - 15 - 4);
    latest[code] = f;  // files come in time order, so the last one wins
  }
  std::vector<std::string> out;
  for (const auto& [code, file] : latest)
    for (std::string& rec : ReadFeedRecords(file.path)) out.push_back(std::move(rec));
  return out;
}

}  // namespace tw
