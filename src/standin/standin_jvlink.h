// A JV-Link that serves JV-Data from a local feed folder, so the program can
// be run and tried out without the data service. Its "now" is the program's
// clock: a replayed day gets the odds and results as they stood at that time.
// The feed folder is the setting ("StandIn", "feed"), by default the folder
// "Feed" in the application folder; docs/feed-format.md describes its layout.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/clock.h"
#include "jvlink/jvlink.h"
#include "standin/standin_faults.h"
#include "standin/standin_feed.h"

namespace tw {

struct StandInOptions {
  std::string appFolder = ".";  // default feed folder and download record live here
  std::string settingsFile;     // INI file with the feed setting; empty: <app>/turfwise.ini
  // Milliseconds JVStatus takes per file to "download", kept within the
  // setting's range; empty: the setting ("StandIn", "pace"), read at every JVOpen.
  std::optional<int> paceMillis;
  // Monotonic milliseconds; empty: the steady clock. Tests drive it by hand.
  std::function<long long()> millis;
  // Hears of feed records passed over as too long, one Shift-JIS line a
  // feed file; empty: the line goes to standard error and to the error log
  // of the application folder.
  std::function<void(const std::string& message)> report;
};

class StandInJVLink : public JVLink {
 public:
  // Asks the user for the feed folder, given the current one; nullopt when cancelled.
  using FolderChooser = std::function<std::optional<std::string>(const std::string& current)>;

  static constexpr const char* kDownloadRecord = "StandInDownloads.txt";
  // The exit status of a process ended by an injected "crash".
  static constexpr int kCrashExitStatus = 70;

  StandInJVLink(const Clock& clock, StandInOptions options);

  // The settings dialog of JVSetUIProperties (set by the window layer). Without
  // one, JVSetUIProperties changes nothing and answers 0.
  void SetFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }

  // The feed folder now configured (absolute, or relative to the application folder).
  std::string FeedFolder() const;

  int JVInit(const std::string& sid) override;
  int JVSetUIProperties() override;
  JVOpenResult JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) override;
  int JVStatus() override;
  JVReadResult JVRead(int& bufferSize) override;
  int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
  int JVCancel() override;
  int JVClose() override;

 private:
  enum class Stream { kNone, kStored, kRealTime };

  // The injected answer of this call, if any (throws for "throw" rules).
  std::optional<int> Injected(const std::string& call, const std::string& spec);
  int CountCall(const std::string& call);
  void LoadFaults();
  long long Millis() const;
  int PaceMillis() const;
  int Downloaded() const;  // files of the open download finished so far
  void RecordDownloads();
  std::set<std::string> LoadDownloadRecord() const;
  void EndStream();
  // Throws JVLinkCallError naming the feed folder when its name cannot be
  // used, or it does not exist or cannot be listed.
  void RequireFeedFolder() const;
  void RequireListable(const std::string& folder) const;
  void ReportSkipped(const std::vector<SkippedRecords>& skipped);

  const Clock& clock_;
  StandInOptions options_;
  FolderChooser chooser_;
  FaultPlan faults_;
  std::vector<std::pair<std::string, int>> callCounts_;
  bool initialised_ = false;

  Stream stream_ = Stream::kNone;
  std::string streamSpec_;
  // Stored-file download: the files to read, which of them must be downloaded first.
  std::vector<FeedFile> files_;
  std::vector<bool> needsDownload_;
  int downloadCount_ = 0;
  long long downloadStart_ = 0;
  int paceMillis_ = 0;  // of the open download
  // JVRead gave the end of the download: its files are recorded at the close.
  bool readToEnd_ = false;
  size_t fileIndex_ = 0;
  std::unique_ptr<FeedRecordReader> reader_;  // of the stored file being read
  std::vector<std::string> records_;          // of a real-time stream
  size_t recordIndex_ = 0;
  std::string fileName_;
};

}  // namespace tw
