#include "standin/standin_feed.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

#include "records/layout.h"
#include "records/odds_record.h"
#include "records/record_header.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/format.h"
#include "text/sjis.h"

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

constexpr size_t kReadChunkBytes = 64 * 1024;

void NoteSkipped(const FeedRecordReader& reader, const std::string& path, std::vector<SkippedRecords>* skipped) {
  if (skipped && reader.skipped() > 0) skipped->push_back({path, reader.skipped()});
}

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

size_t FeedRecordLimit(std::string_view line) {
  const std::string type = RecordType(line);
  if (type == "RA") return kRaceRecordLength;
  if (type == "SE") return kRunnerRecordLength;
  if (type == "HR") return kPayoutRecordLength;
  if (type == "O1") return kWinOddsRecordLength;
  if (type == "O2") return kQuinellaOddsRecordLength;
  return kFeedLineByteLimit;
}

FeedRecordReader::FeedRecordReader(const std::string& path) : in_(OpenFileStream(path)), buffer_(kReadChunkBytes) {}

bool FeedRecordReader::Fill() {
  pos_ = end_ = 0;
  if (!*in_) return false;
  in_->read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  end_ = static_cast<size_t>(in_->gcount());
  return end_ > 0;
}

bool FeedRecordReader::Finish(std::string& line, bool overlong) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (overlong || line.size() + kLineEndLength > FeedRecordLimit(line)) {
    ++skipped_;
    line.clear();
    return false;
  }
  if (line.empty()) return false;
  line += "\r\n";
  return true;
}

bool FeedRecordReader::Next(std::string& record) {
  record.clear();
  bool overlong = false;
  while (pos_ < end_ || Fill()) {
    const char* start = buffer_.data() + pos_;
    const size_t available = end_ - pos_;
    const char* lineEnd = static_cast<const char*>(std::memchr(start, '\n', available));
    const size_t n = lineEnd ? static_cast<size_t>(lineEnd - start) : available;
    // Past the longest line of any record the rest of the line is only
    // counted through, so a huge line costs no memory.
    if (!overlong && record.size() + n > kFeedLineByteLimit) {
      overlong = true;
      record.clear();
      record.shrink_to_fit();
    }
    if (!overlong) record.append(start, n);
    pos_ += lineEnd ? n + 1 : n;
    if (!lineEnd) continue;
    if (Finish(record, overlong)) return true;
    overlong = false;
  }
  return Finish(record, overlong);  // a last line without its line end
}

std::vector<std::string> ReadFeedRecords(const std::string& path, std::vector<SkippedRecords>* skipped) {
  std::vector<std::string> records;
  FeedRecordReader reader(path);
  for (std::string rec; reader.Next(rec);) records.push_back(rec);
  NoteSkipped(reader, path, skipped);
  return records;
}

bool FileHasRaceDates(const std::string& path, const std::string& first, const std::string& last) {
  FeedRecordReader reader(path);
  for (std::string rec; reader.Next(rec);) {
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
                                std::string& fileName, std::vector<SkippedRecords>* skipped) {
  fileName = raceKey + ".jvd";
  const std::string path = JoinPath(JoinPath(JoinPath(feed, "RT"), "0B30"), fileName);
  const std::string nowStamp = FormatCompact(now);
  const int raceYear = static_cast<int>(IntValue(raceKey.substr(0, 4)));
  const int raceMonth = static_cast<int>(IntValue(raceKey.substr(4, 2)));
  // A final record has no announcement time: it counts from the end of the race day.
  const std::string dayEnd = raceKey.substr(0, 8) + "235959";

  std::string best[2], bestStamp[2];
  FeedRecordReader reader(path);
  for (std::string rec; reader.Next(rec);) {
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
  NoteSkipped(reader, path, skipped);
  std::vector<std::string> out;
  for (auto& rec : best)
    if (!rec.empty()) out.push_back(rec);
  return out;
}

std::vector<std::string> ResultsAt(const std::string& feed, const std::string& date, const DateTime& now,
                                   std::vector<SkippedRecords>* skipped) {
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
    for (std::string& rec : ReadFeedRecords(file.path, skipped)) out.push_back(std::move(rec));
  return out;
}

bool IsUsableFolderName(const std::string& folder) {
  for (char c : folder)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  static const std::string kNotConverted = "\xEF\xBF\xBD";  // U+FFFD: bytes that are not Shift-JIS
  return SjisToUtf8(folder).find(kNotConverted) == std::string::npos;
}

std::string FolderListingProblem(const std::string& folder) {
  std::error_code ec;
  std::filesystem::directory_iterator listing(ToFsPath(folder), ec);
  return ec ? ec.message() : std::string();
}

}  // namespace tw
