// Both sides of the JV-Link bridge protocol on hostile bytes. The input's
// first segment is what a broken or hostile bridge answers: the program shakes
// hands and makes a run of calls, each of which must return or fail with
// JVLinkCallError, and every record it hands out is a record. The segments
// after it are request bodies sent to the bridge's server over a JV-Link that
// answers every call: each gets one reply frame of its own kind or the
// failure kind.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "jvlink/bridge_jvlink.h"
#include "jvlink/bridge_protocol.h"
#include "jvlink/bridge_server.h"

namespace {

using namespace tw;
using namespace tw::fuzz;

// A bridge process whose output is the input, handed out in small pieces.
class ScriptedPeer : public BridgeProcess {
 public:
  explicit ScriptedPeer(std::string output) : output_(std::move(output)) {}
  bool Write(const std::string&) override { return !killed_; }
  int ReadSome(char* buffer, int capacity, int) override {
    if (killed_ || at_ >= output_.size()) return -1;
    const size_t n = std::min({static_cast<size_t>(capacity), output_.size() - at_, size_t{7919}});
    std::copy_n(output_.data() + at_, n, buffer);
    at_ += n;
    return static_cast<int>(n);
  }
  void Kill() override { killed_ = true; }
  void Finish(int) override { killed_ = true; }

 private:
  std::string output_;
  size_t at_ = 0;
  bool killed_ = false;
};

// Answers every call with the same record.
class EchoJVLink : public JVLink {
 public:
  int JVInit(const std::string&) override { return 0; }
  int JVSetUIProperties() override { return 0; }
  JVOpenResult JVOpen(const std::string&, const std::string&, int) override { return {0, 1, 0, "20240512000000"}; }
  int JVStatus() override { return 0; }
  JVReadResult JVRead(int&) override { return {++reads % 5 == 0 ? 0 : 4, "RA\r\n", "f"}; }
  int JVRTOpen(const std::string&, const std::string&) override { return 0; }
  int JVCancel() override { return 0; }
  int JVClose() override { return 0; }
  int reads = 0;
};

void RunProgramSide(const std::string& answers) {
  BridgeOptions options;
  options.timeoutMillis = 1000;
  auto jv = BridgeJVLink::Attach(std::make_unique<ScriptedPeer>(answers), options);
  if (!jv) return;
  auto call = [](auto&& f) {
    try {
      f();
    } catch (const JVLinkCallError&) {
      // told to the user as any failed call
    }
  };
  call([&] { jv->JVInit("SID"); });
  call([&] { jv->JVOpen("RACE", "20240501000000", 1); });
  for (int i = 0; i < 64; ++i) {
    call([&] {
      int size = 60000;
      JVReadResult r = jv->JVRead(size);
      Check(r.code <= 0 || !r.record.empty(), "a record result without a record");
    });
  }
  call([&] { jv->JVStatus(); });
  call([&] { jv->JVRTOpen("0B12", "20240512"); });
  call([&] { jv->JVClose(); });
}

void RunBridgeSide(const FuzzInput& input) {
  EchoJVLink jv;
  BridgeServer server(&jv, "");
  bool done = false;
  server.Handle(bridge::ClientHello().substr(4), done);
  for (size_t i = 1; i < input.parts.size(); ++i) {
    const std::string& body = input.parts[i];
    const std::string reply = server.Handle(body, done);
    if (!body.empty() && static_cast<bridge::Kind>(body[0]) == bridge::Kind::kQuit) continue;
    Check(reply.size() >= 5, "a request without its reply");
    const auto kind = static_cast<uint8_t>(reply[4]);
    Check(kind == static_cast<uint8_t>(bridge::Kind::kCallFailed) ||
              (!body.empty() && kind == (static_cast<uint8_t>(body[0]) | 0x80)),
          "a reply of another kind");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput input = SplitInput(data, size);
  RunProgramSide(input.Part(0));
  RunBridgeSide(input);
  return 0;
}
