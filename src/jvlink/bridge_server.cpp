#include "jvlink/bridge_server.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "jvlink/bridge_protocol.h"

namespace tw {

using bridge::FrameReader;
using bridge::FrameWriter;
using bridge::Kind;

namespace {

std::string Failed(const std::string& message) { return FrameWriter(Kind::kCallFailed).Text(message).Frame(); }

FrameWriter Reply(Kind kind) {
  return FrameWriter(static_cast<Kind>(static_cast<uint8_t>(kind) | static_cast<uint8_t>(Kind::kReplyBit)));
}

}  // namespace

std::string BridgeServer::Handle(const std::string& body, bool& done) {
  done = false;
  if (!greeted_) return Hello(body, done);
  return Call(body);
}

std::string BridgeServer::Hello(const std::string& body, bool& done) {
  FrameReader in(body);
  const bool hello = in.KindByte() == static_cast<uint8_t>(Kind::kHello) && in.Bytes(4) == bridge::kMagic;
  const int32_t version = in.Int();
  FrameWriter out(Kind::kHello);
  out.Int(static_cast<int32_t>(bridge::kVersion));
  if (!hello || !in.ok() || version != static_cast<int32_t>(bridge::kVersion)) {
    done = true;
    return out.Int(static_cast<int32_t>(bridge::HostState::kVersionMismatch))
        .Text("turfwise-jvlink-bridge speaks protocol version " + std::to_string(bridge::kVersion))
        .Frame();
  }
  greeted_ = true;
  if (!jv_) {
    done = true;
    return out.Int(static_cast<int32_t>(bridge::HostState::kNotInstalled)).Text(why_).Frame();
  }
  return out.Int(static_cast<int32_t>(bridge::HostState::kReady)).Text("").Frame();
}

std::string BridgeServer::Call(const std::string& body) {
  FrameReader in(body);
  const auto kind = static_cast<Kind>(in.KindByte());
  if (kind != Kind::kRead && kind != Kind::kStatus) pendingFailure_.clear();  // a new or ended stream
  try {
    switch (kind) {
      case Kind::kInit: {
        const std::string sid = in.Text();
        if (!in.ok()) break;
        return Reply(kind).Int(jv_->JVInit(sid)).Frame();
      }
      case Kind::kSetUIProperties:
        return Reply(kind).Int(jv_->JVSetUIProperties()).Frame();
      case Kind::kOpen: {
        const std::string spec = in.Text();
        const std::string from = in.Text();
        const int32_t option = in.Int();
        if (!in.ok()) break;
        JVOpenResult r = jv_->JVOpen(spec, from, option);
        return Reply(kind).Int(r.code).Int(r.readCount).Int(r.downloadCount).Text(r.lastFileTimestamp).Frame();
      }
      case Kind::kStatus:
        return Reply(kind).Int(jv_->JVStatus()).Frame();
      case Kind::kRead: {
        int size = in.Int();
        const int32_t wanted = std::clamp(in.Int(), 1, bridge::kMaxReadBatch);
        if (!in.ok()) break;
        // Records up to the batch's size; anything else ends the batch, so
        // nothing is read past the end, a failure or a file still downloading.
        // A call that fails after some records hands those over first and
        // fails the next read, as it would have failed in the program itself.
        if (!pendingFailure_.empty()) return Failed(std::exchange(pendingFailure_, {}));
        std::vector<JVReadResult> results;
        size_t bytes = 0;
        while (static_cast<int>(results.size()) < wanted && bytes < bridge::kReadBatchBytes) {
          try {
            results.push_back(jv_->JVRead(size));
          } catch (const JVLinkCallError& e) {
            if (results.empty()) throw;
            pendingFailure_ = e.what();
            break;
          }
          const JVReadResult& r = results.back();
          bytes += r.record.size() + r.fileName.size();
          if (r.code <= 0 && r.code != -1) break;
        }
        FrameWriter out = Reply(kind);
        out.Int(size).Int(static_cast<int32_t>(results.size()));
        for (const JVReadResult& r : results) out.Int(r.code).Text(r.record).Text(r.fileName);
        return out.Frame();
      }
      case Kind::kRTOpen: {
        const std::string spec = in.Text();
        const std::string key = in.Text();
        if (!in.ok()) break;
        return Reply(kind).Int(jv_->JVRTOpen(spec, key)).Frame();
      }
      case Kind::kCancel:
        return Reply(kind).Int(jv_->JVCancel()).Frame();
      case Kind::kClose:
        return Reply(kind).Int(jv_->JVClose()).Frame();
      default:
        break;
    }
  } catch (const JVLinkCallError& e) {
    return Failed(e.what());
  }
  return Failed("turfwise-jvlink-bridge: a request it cannot read");
}

bool ReadFrameBody(const std::function<bool(char*, size_t)>& readExact, std::string& body, bool& broken) {
  broken = false;
  unsigned char header[4];
  if (!readExact(reinterpret_cast<char*>(header), 4)) return false;
  auto n = bridge::BodyLength(header);
  if (!n) {
    broken = true;
    return false;
  }
  body.resize(*n);
  if (readExact(body.data(), *n)) return true;
  broken = true;
  return false;
}

int ServeBridge(BridgeServer& server, const std::function<bool(char*, size_t)>& readExact,
                const std::function<bool(const std::string&)>& write) {
  std::string body;
  for (;;) {
    bool broken = false;
    if (!ReadFrameBody(readExact, body, broken)) return broken ? 1 : 0;
    if (!body.empty() && static_cast<Kind>(body[0]) == Kind::kQuit) return 0;
    bool done = false;
    std::string reply = server.Handle(body, done);
    if (!reply.empty() && !write(reply)) return 1;
    if (done) return 0;
  }
}

}  // namespace tw
