// A JV-Link that plays back scripted results and records every call, for
// tests of the code that drives JV-Link.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "jvlink/jvlink.h"

namespace tw {

class ScriptedJVLink : public JVLink {
 public:
  // Results handed out in order; when a queue is empty the default is used.
  std::deque<int> initResults, setUIResults, statusResults, rtOpenResults, cancelResults, closeResults;
  std::deque<JVOpenResult> openResults;
  std::deque<JVReadResult> readResults;

  int defaultInit = 0;
  int defaultSetUI = 0;
  JVOpenResult defaultOpen{-1, 0, 0, ""};
  int defaultStatus = 0;
  JVReadResult defaultRead{0, "", ""};
  int defaultRTOpen = -1;
  int defaultClose = 0;

  // When set, JVInit fails as a call (a COM error) with this Shift-JIS text.
  std::optional<std::string> initCallError;

  // Every call with its arguments, e.g. "JVOpen(RACE,20240501000000,1)".
  std::vector<std::string> calls;

  // Plays a record of the given text (its CR LF added when missing).
  void QueueRecord(const std::string& text, const std::string& fileName = "");

  int JVInit(const std::string& sid) override;
  int JVSetUIProperties() override;
  JVOpenResult JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) override;
  int JVStatus() override;
  JVReadResult JVRead(int& bufferSize) override;
  int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
  int JVCancel() override;
  int JVClose() override;
};

// A factory that hands out a prepared JV-Link, or none (creation failed).
class ScriptedJVLinkFactory : public JVLinkFactory {
 public:
  bool available = true;
  int created = 0;
  std::unique_ptr<JVLink> Create() override;
};

}  // namespace tw
