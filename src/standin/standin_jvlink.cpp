#include "standin/standin_jvlink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "base/error_log.h"
#include "base/paths.h"
#include "base/settings.h"
#include "text/fields.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {

namespace {

// JV-Data data specs that JVOpen knows; the stand-in serves only RACE.
const char* const kKnownSpecs[] = {"TOKU", "RACE", "DIFF", "BLOD", "SNAP", "SLOP", "WOOD", "YSCH",
                                   "HOSE", "HOYU", "COMM", "MING", "TCOV", "RCOV", "TCVN", "RCVN"};
// Those that may be opened with option 2 (this week's data).
const char* const kThisWeekSpecs[] = {"TOKU", "RACE", "TCOV", "RCOV", "SNAP", "TCVN", "RCVN"};

template <size_t N>
bool Contains(const char* const (&list)[N], const std::string& id) {
  return std::any_of(std::begin(list), std::end(list), [&](const char* s) { return id == s; });
}

// The data spec split into its four-character ids; empty when malformed.
std::vector<std::string> SpecIds(const std::string& spec) {
  std::vector<std::string> ids;
  if (spec.empty() || spec.size() % 4 != 0) return {};
  for (size_t i = 0; i < spec.size(); i += 4) ids.push_back(spec.substr(i, 4));
  return ids;
}

bool IsAbsolute(const std::string& path) {
  if (!path.empty() && (path[0] == '/' || path[0] == '\\')) return true;
  return path.size() >= 2 && path[1] == ':';
}

}  // namespace

StandInJVLink::StandInJVLink(const Clock& clock, StandInOptions options) : clock_(clock), options_(std::move(options)) {
  if (options_.settingsFile.empty()) options_.settingsFile = JoinPath(options_.appFolder, "turfwise.ini");
}

namespace {

const char* const kChooseFeed = "（JVLink設定か設定ファイルの [StandIn] feed= で指定してください）";

// The folder's name as it can be shown: control characters as '?'.
std::string Shown(std::string folder) {
  for (char& c : folder)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return folder;
}

}  // namespace

void StandInJVLink::RequireFeedFolder() const {
  // Without it every open would answer "nothing newer", and a wrong setting
  // would look like a quiet day.
  const std::string folder = FeedFolder();
  if (!IsUsableFolderName(folder))
    throw JVLinkCallError(Sjis("フィードフォルダの名前に使えない文字があります：") + Shown(folder) + Sjis(kChooseFeed));
  if (!FolderExists(folder)) throw JVLinkCallError(Sjis("フィードフォルダがありません：") + folder + Sjis(kChooseFeed));
  RequireListable(folder);
}

void StandInJVLink::RequireListable(const std::string& folder) const {
  const std::string why = FolderListingProblem(folder);
  if (!why.empty())
    throw JVLinkCallError(Sjis("フィードフォルダを読めません：") + folder + Sjis("（") + Utf8ToSjis(why) + Sjis("）"));
}

void StandInJVLink::ReportSkipped(const std::vector<SkippedRecords>& skipped) {
  for (const SkippedRecords& s : skipped) {
    const std::string message =
        Sjis("フィードの長すぎるレコード ") + std::to_string(s.count) + Sjis(" 件を読み飛ばしました：") + s.path;
    if (options_.report) {
      options_.report(message);
      continue;
    }
    std::fprintf(stderr, "JV-Link stand-in: %s\n", SjisToUtf8(message).c_str());
    SilentUserPort silent;
    ErrorLog(AppPaths(options_.appFolder, "turfwise").ErrorLogFile(), clock_, silent).Append(message);
  }
}

std::string StandInJVLink::FeedFolder() const {
  const std::string def = JoinPath(options_.appFolder, "Feed");
  std::string folder = Trim(Settings(options_.settingsFile).ReadString(setting::kStandInFeed, def));
  if (folder.empty()) return def;
  return IsAbsolute(folder) ? folder : JoinPath(options_.appFolder, folder);
}

long long StandInJVLink::Millis() const {
  if (options_.millis) return options_.millis();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int StandInJVLink::PaceMillis() const {
  const SettingKey& key = setting::kStandInPace;
  if (options_.paceMillis) return std::clamp(*options_.paceMillis, key.min, key.max);
  return Settings(options_.settingsFile).ReadInteger(key);
}

void StandInJVLink::LoadFaults() {
  auto text = ReadFileBytes(JoinPath(FeedFolder(), FaultPlan::kFileName));
  faults_ = text ? FaultPlan::Parse(*text) : FaultPlan();
}

int StandInJVLink::CountCall(const std::string& call) {
  for (auto& [name, n] : callCounts_)
    if (name == call) return ++n;
  callCounts_.emplace_back(call, 1);
  return 1;
}

std::optional<int> StandInJVLink::Injected(const std::string& call, const std::string& spec) {
  int n = CountCall(call);
  if (faults_.empty()) return std::nullopt;
  auto rule = faults_.Find(call, spec, n);
  if (!rule) return std::nullopt;
  switch (rule->action) {
    case FaultRule::Action::kThrow:
      throw JVLinkCallError(call + Sjis(" の呼び出しに失敗しました。（障害の注入）"));
    case FaultRule::Action::kHang:
      for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
    case FaultRule::Action::kCrash:
      std::_Exit(kCrashExitStatus);
    case FaultRule::Action::kCode:
      break;
  }
  return rule->code;
}

int StandInJVLink::JVInit(const std::string& sid) {
  LoadFaults();
  callCounts_.clear();
  if (auto code = Injected("JVInit", "")) return *code;
  if (sid.empty()) return -101;
  if (sid.size() >= 64) return -102;
  if (sid[0] == ' ') return -103;
  initialised_ = true;
  return 0;
}

int StandInJVLink::JVSetUIProperties() {
  if (auto code = Injected("JVSetUIProperties", "")) return *code;
  if (!chooser_) return 0;
  std::optional<std::string> chosen = chooser_(FeedFolder());
  if (!chosen) return 0;  // cancelled: nothing changes
  if (!FolderExists(*chosen)) return -100;
  Settings settings(options_.settingsFile);
  return settings.WriteString(setting::kStandInFeed, *chosen) ? 0 : -100;
}

JVOpenResult StandInJVLink::JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) {
  LoadFaults();
  if (auto code = Injected("JVOpen", dataSpec)) return {*code, 0, 0, ""};
  if (!initialised_) return {-201, 0, 0, ""};
  if (stream_ != Stream::kNone) return {-202, 0, 0, ""};
  std::vector<std::string> ids = SpecIds(dataSpec);
  if (ids.empty()) return {-111, 0, 0, ""};
  for (const std::string& id : ids)
    if (!Contains(kKnownSpecs, id)) return {-111, 0, 0, ""};
  if (!IsTimestamp(fromTime)) return {-112, 0, 0, ""};
  if (option < 1 || option > 4) return {-115, 0, 0, ""};
  if (option == 2)
    for (const std::string& id : ids)
      if (!Contains(kThisWeekSpecs, id)) return {-116, 0, 0, ""};

  RequireFeedFolder();
  const DateTime now = clock_.Now();
  const std::string nowStamp = FormatCompact(now);
  std::string weekFirst, weekLast;
  MeetingWeekOf(now, weekFirst, weekLast);
  const bool setup = option >= 3;  // setup data: everything provided so far

  std::vector<FeedFile> files;
  if (std::find(ids.begin(), ids.end(), "RACE") != ids.end()) {
    const std::string stored = JoinPath(FeedFolder(), "RACE");
    if (FolderExists(stored)) RequireListable(stored);
    for (FeedFile& f : ListStoredFiles(FeedFolder())) {
      if (f.timestamp > nowStamp) continue;  // not provided yet
      if (!setup && f.timestamp <= fromTime) continue;
      if (option == 2 && !FileHasRaceDates(f.path, weekFirst, weekLast)) continue;
      files.push_back(std::move(f));
    }
  }
  if (files.empty()) return {-1, 0, 0, ""};

  const std::set<std::string> done = LoadDownloadRecord();
  files_ = std::move(files);
  needsDownload_.assign(files_.size(), false);
  downloadCount_ = 0;
  for (size_t i = 0; i < files_.size(); ++i) {
    needsDownload_[i] = done.count(files_[i].name) == 0;
    downloadCount_ += needsDownload_[i] ? 1 : 0;
  }
  stream_ = Stream::kStored;
  streamSpec_ = dataSpec;
  downloadStart_ = Millis();
  paceMillis_ = PaceMillis();
  readToEnd_ = false;
  fileIndex_ = 0;
  reader_.reset();
  records_.clear();
  recordIndex_ = 0;
  std::erase_if(callCounts_, [](const auto& c) { return c.first == "JVRead" || c.first == "JVStatus"; });
  std::string last = files_.front().timestamp;
  for (const FeedFile& f : files_) last = std::max(last, f.timestamp);
  return {0, static_cast<int>(files_.size()), downloadCount_, last};
}

int StandInJVLink::Downloaded() const {
  if (paceMillis_ <= 0) return downloadCount_;
  long long elapsed = Millis() - downloadStart_;
  if (elapsed < 0) elapsed = 0;
  return static_cast<int>(std::min<long long>(downloadCount_, elapsed / paceMillis_));
}

int StandInJVLink::JVStatus() {
  if (auto code = Injected("JVStatus", streamSpec_)) return *code;
  if (!initialised_) return -201;
  if (stream_ != Stream::kStored) return -203;
  // The downloads are recorded when a stream read to its end is closed,
  // after the program saved what it read: a run that dies, fails to save or
  // cancels before that downloads them again, just as it reads them again.
  return Downloaded();
}

JVReadResult StandInJVLink::JVRead(int& bufferSize) {
  (void)bufferSize;  // records are handed over whole; the size is left as given
  if (auto code = Injected("JVRead", streamSpec_)) return {*code, "", ""};
  if (!initialised_) return {-201, "", ""};
  if (stream_ == Stream::kNone) return {-203, "", ""};

  if (stream_ == Stream::kRealTime) {
    if (recordIndex_ >= records_.size()) return {0, "", ""};
    const std::string& rec = records_[recordIndex_++];
    return {static_cast<int>(rec.size()), rec, fileName_};
  }

  if (fileIndex_ >= files_.size()) {
    readToEnd_ = true;
    return {0, "", ""};
  }
  const FeedFile& file = files_[fileIndex_];
  if (!reader_) {
    if (needsDownload_[fileIndex_]) {
      // The file's turn in the download: it can be read once that many files are done.
      int ordinal = static_cast<int>(std::count(needsDownload_.begin(), needsDownload_.begin() + fileIndex_ + 1, true));
      if (ordinal > Downloaded()) return {-3, "", file.name};
    }
    if (!FileExists(file.path)) return {-503, "", file.name};
    reader_ = std::make_unique<FeedRecordReader>(file.path);
    fileName_ = file.name;
  }
  std::string rec;
  if (reader_->Next(rec)) return {static_cast<int>(rec.size()), std::move(rec), fileName_};
  // The file is done: -1 when another follows, 0 after the last.
  if (reader_->skipped() > 0) ReportSkipped({{file.path, reader_->skipped()}});
  reader_.reset();
  ++fileIndex_;
  if (fileIndex_ < files_.size()) return {-1, "", fileName_};
  readToEnd_ = true;
  return {0, "", ""};
}

int StandInJVLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
  LoadFaults();
  if (auto code = Injected("JVRTOpen", dataSpec)) return *code;
  if (!initialised_) return -201;
  if (stream_ != Stream::kNone) return -202;
  RequireFeedFolder();
  const DateTime now = clock_.Now();
  std::vector<std::string> records;
  std::vector<SkippedRecords> skipped;
  std::string fileName;
  if (dataSpec == "0B30") {
    if (!IsRaceKey(key)) return -114;
    records = OddsAt(FeedFolder(), key, now, fileName, &skipped);
  } else if (dataSpec == "0B12") {
    if (!IsDateKey(key)) return -114;
    records = ResultsAt(FeedFolder(), key, now, &skipped);
    fileName = key;
  } else if (dataSpec.size() == 4 && dataSpec.compare(0, 2, "0B") == 0 && AllDigits(dataSpec.substr(2))) {
    return -1;  // a real-time spec the feed has no data for
  } else {
    return -111;
  }
  ReportSkipped(skipped);
  if (records.empty()) return -1;
  stream_ = Stream::kRealTime;
  streamSpec_ = dataSpec;
  records_ = std::move(records);
  recordIndex_ = 0;
  fileName_ = fileName;
  std::erase_if(callCounts_, [](const auto& c) { return c.first == "JVRead" || c.first == "JVStatus"; });
  return 0;
}

int StandInJVLink::JVCancel() {
  // Nothing of the stream is recorded: the program cancels what it did not
  // save, so its files download again next time.
  auto code = Injected("JVCancel", streamSpec_);
  EndStream();
  return code.value_or(0);
}

int StandInJVLink::JVClose() {
  auto code = Injected("JVClose", streamSpec_);
  if (stream_ == Stream::kStored && readToEnd_) RecordDownloads();
  EndStream();
  return code.value_or(0);
}

void StandInJVLink::EndStream() {
  stream_ = Stream::kNone;
  streamSpec_.clear();
  files_.clear();
  needsDownload_.clear();
  downloadCount_ = 0;
  records_.clear();
  recordIndex_ = 0;
  fileIndex_ = 0;
  reader_.reset();
  readToEnd_ = false;
}

std::set<std::string> StandInJVLink::LoadDownloadRecord() const {
  std::set<std::string> names;
  if (auto lines = LoadLines(JoinPath(options_.appFolder, kDownloadRecord)))
    for (const std::string& l : *lines)
      if (!IsBlank(l)) names.insert(Trim(l));
  return names;
}

void StandInJVLink::RecordDownloads() {
  std::set<std::string> names = LoadDownloadRecord();
  size_t before = names.size();
  // Read to its end, every file of the stream was downloaded.
  for (size_t i = 0; i < files_.size(); ++i)
    if (needsDownload_[i]) names.insert(files_[i].name);
  if (names.size() == before) return;
  // The record only spares repeated "downloads"; failing to save it is harmless.
  SaveLines(JoinPath(options_.appFolder, kDownloadRecord), std::vector<std::string>(names.begin(), names.end()));
}

}  // namespace tw
