// JV-Link reached through turfwise-jvlink-bridge, a small process that
// hosts the COM control (a 32-bit control cannot be loaded into a 64-bit
// program) or, for tests, the stand-in. Every call is one request and one
// reply (docs/jvlink-bridge.md); records are read in batches.
//
// A bridge that ends, answers garbage or does not answer within the limit
// fails the call with JVLinkCallError, which ends the current stream with
// its message; the bridge is started again, and JVInit repeated, for the
// next call. While a call waits, `whileWaiting` runs every few tens of
// milliseconds, so a window stays responsive.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "jvlink/bridge_process.h"
#include "jvlink/bridge_protocol.h"
#include "jvlink/jvlink.h"

namespace tw {

struct BridgeOptions {
  std::vector<std::string> command;  // the bridge's command line, split (Shift-JIS)
  // How long a call may take before JV-Link counts as not answering.
  // JVSetUIProperties has none: the user is working in JV-Link's own dialog.
  int timeoutMillis = 300000;
  // Runs every kWaitSliceMillis while a call waits (the window's events).
  std::function<void()> whileWaiting;
  // Monotonic milliseconds; empty: the steady clock.
  std::function<long long()> millis;
  // Records asked for in one read request.
  int readBatch = 64;
};

class BridgeJVLink : public JVLink {
 public:
  static constexpr int kWaitSliceMillis = 50;

  // Starts the bridge and shakes hands. nullptr when it cannot be started or
  // JV-Link cannot be created in it (not installed); `why` says which.
  static std::unique_ptr<BridgeJVLink> Start(BridgeOptions options, std::string* why = nullptr);
  // The same over a process already running (the fuzz target's scripted
  // peer); a restart starts `options.command`.
  static std::unique_ptr<BridgeJVLink> Attach(std::unique_ptr<BridgeProcess> process, BridgeOptions options,
                                              std::string* why = nullptr);
  ~BridgeJVLink() override;

  int JVInit(const std::string& sid) override;
  int JVSetUIProperties() override;
  JVOpenResult JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) override;
  int JVStatus() override;
  JVReadResult JVRead(int& bufferSize) override;
  int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
  int JVCancel() override;
  int JVClose() override;

  // Whether a bridge process is running now (it is started again on demand).
  bool running() const { return process_ != nullptr; }
  // Whether the last call ran out of time: JV-Link may be waiting for the
  // user in a window of its own, which unattended work cannot answer.
  bool notAnswering() const { return notAnswering_; }

 private:
  explicit BridgeJVLink(BridgeOptions options) : options_(std::move(options)) {}

  // Starts the bridge and reads its greeting; the failure's text otherwise.
  std::optional<std::string> Launch();
  // Shakes hands with the running bridge; the failure's text otherwise.
  std::optional<std::string> Greet();
  // Sends one request and returns the reply's body, starting the bridge
  // first when it is not running. Throws JVLinkCallError.
  std::string Exchange(const bridge::FrameWriter& request, bool timed = true);
  // The reply body, or a thrown JVLinkCallError after the bridge was stopped.
  std::string ReadReply(const char* call, bool timed);
  [[noreturn]] void Fail(const std::string& message);
  // A call whose reply is its result alone.
  int SimpleCall(const bridge::FrameWriter& request, bool timed = true);
  long long Millis() const;

  BridgeOptions options_;
  std::unique_ptr<BridgeProcess> process_;
  std::optional<std::string> sid_;  // repeated after a restart
  std::deque<JVReadResult> readAhead_;
  int readAheadSize_ = 0;  // the buffer size the last batch left
  bool inCall_ = false;
  bool cancelPending_ = false;
  bool notAnswering_ = false;
};

}  // namespace tw
