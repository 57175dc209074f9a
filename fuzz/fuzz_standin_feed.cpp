// The stand-in's feed reader over a feed folder the input gives, its files
// kept in memory. Segment 0 is
// the time now (14 digits) and a race key (16 bytes), segment 1 the race's odds
// announcements, segment 2 faults.txt; every further segment is one feed file: a
// byte choosing the stored files or the result stages, its name up to the
// first line feed, then its bytes. The reader never writes, hands out whole
// records only, and nothing provided later than now.
#include <algorithm>
#include <cstdint>

#include "base/clock.h"
#include "fuzz_support.h"
#include "records/record_header.h"
#include "standin/standin_faults.h"
#include "standin/standin_feed.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/memory_files.h"

namespace {

using namespace tw;
using namespace tw::fuzz;

constexpr size_t kMaxNameLength = 64;

// Only plain names reach the folder: other bytes become '_'.
std::string PlainName(const std::string& text) {
  std::string name = text.substr(0, std::min(text.size(), kMaxNameLength));
  for (char& c : name) {
    bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.';
    if (!plain) c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = "_";
  return name;
}

void CheckRecords(const std::vector<std::string>& records, const std::string& what) {
  for (const std::string& r : records) {
    Check(r.size() > 2 && r.compare(r.size() - 2, 2, "\r\n") == 0, what + ": record without its CR LF");
    Check(r.find('\n') == r.size() - 1, what + ": record holding a line break");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input = SplitInput(data, size);
  const std::string& head = input.Part(0);
  DateTime now{2024, 5, 12, 15, 0, 0};
  if (head.size() >= 14 && IsTimestamp(head.substr(0, 14))) ParseCompact(head.substr(0, 14), now);
  std::string raceKey = head.size() >= 30 ? head.substr(14, 16) : std::string("2024051205020611");
  if (!IsRaceKey(raceKey)) raceKey = "2024051205020611";
  const std::string date = raceKey.substr(0, 8);

  // The feed's files are kept in memory; the root is never made.
  PhaseClock clock;
  ScopedMemoryFiles memory;
  static const std::string root = EmptiedScratch().Sub("memory");
  const std::string feed = JoinPath(root, "Feed");
  const std::string oddsPath = JoinPath(JoinPath(JoinPath(feed, "RT"), "0B30"), raceKey + ".jvd");
  const std::string stages = JoinPath(JoinPath(JoinPath(feed, "RT"), "0B12"), date);
  if (input.Has(1)) memory.Save(oddsPath, input.Part(1));
  for (size_t k = 3; k < input.parts.size() && k < 40; ++k) {
    const std::string& part = input.parts[k];
    if (part.empty()) continue;
    size_t eol = part.find('\n', 1);
    std::string name = PlainName(part.substr(1, eol == std::string::npos ? std::string::npos : eol - 1));
    std::string bytes = eol == std::string::npos ? std::string() : part.substr(eol + 1);
    memory.Save(JoinPath((part[0] & 1) ? stages : JoinPath(feed, "RACE"), name), bytes);
  }

  const Tree before = MemoryTree(memory.files(), root);
  clock.Mark("set-up");
  const std::string nowStamp = FormatCompact(now);

  std::vector<FeedFile> stored = ListStoredFiles(feed);
  for (size_t k = 0; k < stored.size(); ++k) {
    const FeedFile& f = stored[k];
    Check(IsTimestamp(f.timestamp) && f.name.compare(0, 14, f.timestamp) == 0, "stored file with a bad time stamp");
    Check(f.path == JoinPath(JoinPath(feed, "RACE"), f.name) && FileExists(f.path), "stored file not in RACE");
    if (k > 0) {
      const FeedFile& p = stored[k - 1];
      Check(p.timestamp < f.timestamp || (p.timestamp == f.timestamp && p.name < f.name), "stored files out of order");
    }
    CheckRecords(ReadFeedRecords(f.path), "stored file");
  }
  std::string first, last;
  MeetingWeekOf(now, first, last);
  Check(first <= last, "meeting week ends before it starts");
  for (const FeedFile& f : stored) (void)FileHasRaceDates(f.path, first, last);

  std::string fileName;
  std::vector<std::string> odds = OddsAt(feed, raceKey, now, fileName);
  Check(fileName == raceKey + ".jvd", "odds file name");
  Check(odds.size() <= 2, "more than two odds records");
  CheckRecords(odds, "odds");
  const std::vector<std::string> announced = ReadFeedRecords(oddsPath);
  for (const std::string& r : odds) {
    Check(std::find(announced.begin(), announced.end(), r) != announced.end(), "odds record not from the feed");
  }
  if (odds.size() == 2) Check(RecordType(odds[0]) == "O1" && RecordType(odds[1]) == "O2", "odds records out of order");

  std::vector<std::string> results = ResultsAt(feed, date, now);
  CheckRecords(results, "results");
  std::vector<std::string> provided;
  for (const std::string& name : ListFolder(stages, "*.jvd")) {
    if (name.size() >= 14 && name.substr(0, 14) <= nowStamp) {
      for (std::string& r : ReadFeedRecords(JoinPath(stages, name))) provided.push_back(std::move(r));
    }
  }
  for (const std::string& r : results) {
    Check(std::find(provided.begin(), provided.end(), r) != provided.end(), "result record not provided by now");
  }

  FaultPlan plan = FaultPlan::Parse(input.Part(2));
  for (const char* call : {"JVOpen", "JVRTOpen", "JVRead", "JVStatus", "JVInit"}) {
    for (int n = 1; n <= 3; ++n) {
      auto rule = plan.Find(call, "0B30", n);
      if (!rule) continue;
      Check(EqualsIgnoreCase(rule->call, call), "fault rule of another call");
      Check(rule->nth == 0 || rule->nth == n, "fault rule of another call number");
      Check(rule->spec.empty() || rule->spec == "0B30", "fault rule of another data spec");
    }
  }

  clock.Mark("reads");
  Check(MemoryTree(std::move(memory.files()), root) == before, "the feed reader changed the feed folder");
  Check(!std::filesystem::exists(root), "the feed reader wrote to the disk");
  clock.Mark("checks");
  return 0;
}
