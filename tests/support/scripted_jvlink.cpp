#include "support/scripted_jvlink.h"

namespace tw {

namespace {
template <typename T>
T Next(std::deque<T>& q, const T& def) {
  if (q.empty()) return def;
  T v = q.front();
  q.pop_front();
  return v;
}
}  // namespace

void ScriptedJVLink::QueueRecord(const std::string& text, const std::string& fileName) {
  std::string rec = text;
  if (rec.size() < 2 || rec.compare(rec.size() - 2, 2, "\r\n") != 0) rec += "\r\n";
  readResults.push_back({static_cast<int>(rec.size()), rec, fileName});
}

int ScriptedJVLink::JVInit(const std::string& sid) {
  calls.push_back("JVInit(" + sid + ")");
  if (initCallError) throw JVLinkCallError(*initCallError);
  return Next(initResults, defaultInit);
}

int ScriptedJVLink::JVSetUIProperties() {
  calls.push_back("JVSetUIProperties()");
  return Next(setUIResults, defaultSetUI);
}

JVOpenResult ScriptedJVLink::JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) {
  calls.push_back("JVOpen(" + dataSpec + "," + fromTime + "," + std::to_string(option) + ")");
  return Next(openResults, defaultOpen);
}

int ScriptedJVLink::JVStatus() {
  calls.push_back("JVStatus()");
  return Next(statusResults, defaultStatus);
}

JVReadResult ScriptedJVLink::JVRead(int& bufferSize) {
  calls.push_back("JVRead(" + std::to_string(bufferSize) + ")");
  return Next(readResults, defaultRead);
}

int ScriptedJVLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
  calls.push_back("JVRTOpen(" + dataSpec + "," + key + ")");
  return Next(rtOpenResults, defaultRTOpen);
}

int ScriptedJVLink::JVCancel() {
  calls.push_back("JVCancel()");
  return Next(cancelResults, 0);
}

int ScriptedJVLink::JVClose() {
  calls.push_back("JVClose()");
  return Next(closeResults, defaultClose);
}

std::unique_ptr<JVLink> ScriptedJVLinkFactory::Create() {
  if (!available) return nullptr;
  ++created;
  return std::make_unique<ScriptedJVLink>();
}

}  // namespace tw
