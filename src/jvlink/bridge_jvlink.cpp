#include "jvlink/bridge_jvlink.h"

#include <algorithm>
#include <chrono>

#include "jvlink/bridge_protocol.h"
#include "text/sjis.h"

namespace tw {

using bridge::FrameReader;
using bridge::FrameWriter;
using bridge::Kind;

namespace {

constexpr int kFinishGraceMillis = 2000;

std::string NotAnsweringText(const char* call, int timeoutMillis) {
  return Sjis("JV-Linkが応答しません（") + call + Sjis("、") + std::to_string((timeoutMillis + 999) / 1000) +
         Sjis("秒）。JV-Linkの画面（更新のお知らせなど）が開いていないか確かめてください。");
}

std::string EndedText(const char* call) {
  return Sjis("JV-Linkの中継プログラムが終了しました（") + call + Sjis("）。次の操作で起動し直します。");
}

std::string GarbageText(const char* call) {
  return Sjis("JV-Linkの中継プログラムの応答が正しくありません（") + call + Sjis("）。次の操作で起動し直します。");
}

// A reply must be the reply to its request, read to its end.
bool IsReplyTo(FrameReader& in, Kind request) {
  return in.KindByte() == (static_cast<uint8_t>(request) | static_cast<uint8_t>(Kind::kReplyBit));
}

}  // namespace

std::unique_ptr<BridgeJVLink> BridgeJVLink::Start(BridgeOptions options, std::string* why) {
  std::unique_ptr<BridgeJVLink> jv(new BridgeJVLink(std::move(options)));
  if (auto failure = jv->Launch()) {
    if (why) *why = *failure;
    return nullptr;
  }
  return jv;
}

std::unique_ptr<BridgeJVLink> BridgeJVLink::Attach(std::unique_ptr<BridgeProcess> process, BridgeOptions options,
                                                   std::string* why) {
  std::unique_ptr<BridgeJVLink> jv(new BridgeJVLink(std::move(options)));
  jv->process_ = std::move(process);
  if (auto failure = jv->Greet()) {
    if (why) *why = *failure;
    return nullptr;
  }
  return jv;
}

BridgeJVLink::~BridgeJVLink() {
  if (!process_) return;
  process_->Write(FrameWriter(Kind::kQuit).Frame());
  process_->Finish(kFinishGraceMillis);
}

long long BridgeJVLink::Millis() const {
  if (options_.millis) return options_.millis();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::optional<std::string> BridgeJVLink::Launch() {
  std::string error;
  process_ = BridgeProcess::Start(options_.command, error);
  if (!process_) return Sjis("JV-Linkの中継プログラムを起動できません：") + error;
  return Greet();
}

std::optional<std::string> BridgeJVLink::Greet() {
  std::string body;
  try {
    if (!process_->Write(bridge::ClientHello())) Fail(EndedText("JVInit"));
    body = ReadReply("JVInit", true);
  } catch (const JVLinkCallError& e) {
    return std::string(e.what());
  }
  FrameReader in(body);
  const bool hello = in.KindByte() == static_cast<uint8_t>(Kind::kHello);
  const int32_t version = in.Int();
  const auto state = static_cast<bridge::HostState>(in.Int());
  const std::string message = in.Text();
  if (!hello || !in.ok() || !in.AtEnd()) {
    process_->Kill();
    process_.reset();
    return GarbageText("JVInit");
  }
  if (version != static_cast<int32_t>(bridge::kVersion) || state != bridge::HostState::kReady) {
    process_->Finish(kFinishGraceMillis);
    process_.reset();
    if (state == bridge::HostState::kNotInstalled) return message;
    return Sjis("JV-Linkの中継プログラムの版が合いません（") + std::to_string(version) + Sjis("）：") + message;
  }
  return std::nullopt;
}

void BridgeJVLink::Fail(const std::string& message) {
  if (process_) process_->Kill();
  process_.reset();
  readAhead_.clear();
  throw JVLinkCallError(message);
}

std::string BridgeJVLink::ReadReply(const char* call, bool timed) {
  unsigned char header[4];
  std::string body;
  bool inHeader = true;
  size_t have = 0, want = sizeof header;
  const long long deadline = Millis() + options_.timeoutMillis;
  for (;;) {
    char* into = inHeader ? reinterpret_cast<char*>(header) + have : body.data() + have;
    const int n = process_->ReadSome(into, static_cast<int>(want - have), kWaitSliceMillis);
    if (n < 0) Fail(EndedText(call));
    if (n == 0) {
      if (timed && Millis() >= deadline) {
        notAnswering_ = true;
        Fail(NotAnsweringText(call, options_.timeoutMillis));
      }
      if (options_.whileWaiting) options_.whileWaiting();
      continue;
    }
    have += static_cast<size_t>(n);
    if (have < want) continue;
    if (!inHeader) {
      notAnswering_ = false;
      return body;
    }
    auto length = bridge::BodyLength(header);
    if (!length) Fail(GarbageText(call));
    inHeader = false;
    body.resize(*length);
    have = 0;
    want = *length;
  }
}

std::string BridgeJVLink::Exchange(const FrameWriter& request, bool timed) {
  const char* call = bridge::CallName(request.kind());
  if (inCall_) throw JVLinkCallError(Sjis("JV-Linkは前の呼び出しを処理中です（") + call + Sjis("）。"));
  inCall_ = true;
  struct Leave {
    bool& flag;
    ~Leave() { flag = false; }
  } leave{inCall_};
  if (!process_) {
    if (auto failure = Launch()) throw JVLinkCallError(*failure);
    // A new JV-Link knows nothing of the software id the program gave.
    if (sid_) {
      process_->Write(FrameWriter(Kind::kInit).Text(*sid_).Frame());
      ReadReply("JVInit", true);
    }
  }
  if (!process_->Write(request.Frame())) Fail(EndedText(call));
  std::string body = ReadReply(call, timed);
  if (cancelPending_) {
    cancelPending_ = false;
    readAhead_.clear();
    if (!process_->Write(FrameWriter(Kind::kCancel).Frame())) Fail(EndedText("JVCancel"));
    ReadReply("JVCancel", true);
  }
  if (!body.empty() && static_cast<Kind>(body[0]) == Kind::kCallFailed) {
    FrameReader in(body);
    in.KindByte();
    std::string message = in.Text();
    if (!in.ok() || !in.AtEnd()) Fail(GarbageText(call));
    throw JVLinkCallError(message);
  }
  return body;
}

int BridgeJVLink::SimpleCall(const FrameWriter& request, bool timed) {
  const std::string body = Exchange(request, timed);
  FrameReader in(body);
  const bool reply = IsReplyTo(in, request.kind());
  const int32_t code = in.Int();
  if (!reply || !in.ok() || !in.AtEnd()) Fail(GarbageText(bridge::CallName(request.kind())));
  return code;
}

int BridgeJVLink::JVInit(const std::string& sid) {
  const int code = SimpleCall(FrameWriter(Kind::kInit).Text(sid));
  sid_ = sid;
  return code;
}

int BridgeJVLink::JVSetUIProperties() { return SimpleCall(FrameWriter(Kind::kSetUIProperties), false); }

JVOpenResult BridgeJVLink::JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) {
  readAhead_.clear();
  const std::string body = Exchange(FrameWriter(Kind::kOpen).Text(dataSpec).Text(fromTime).Int(option));
  FrameReader in(body);
  JVOpenResult r;
  const bool reply = IsReplyTo(in, Kind::kOpen);
  r.code = in.Int();
  r.readCount = in.Int();
  r.downloadCount = in.Int();
  r.lastFileTimestamp = in.Text();
  if (!reply || !in.ok() || !in.AtEnd()) Fail(GarbageText("JVOpen"));
  return r;
}

int BridgeJVLink::JVStatus() { return SimpleCall(FrameWriter(Kind::kStatus)); }

JVReadResult BridgeJVLink::JVRead(int& bufferSize) {
  if (readAhead_.empty()) {
    const std::string body = Exchange(FrameWriter(Kind::kRead).Int(bufferSize).Int(options_.readBatch));
    FrameReader in(body);
    const bool reply = IsReplyTo(in, Kind::kRead);
    readAheadSize_ = in.Int();
    const int32_t count = in.Int();
    if (!reply || !in.ok() || count < 1 || count > bridge::kMaxReadBatch) Fail(GarbageText("JVRead"));
    for (int32_t i = 0; i < count; ++i) {
      JVReadResult r;
      r.code = in.Int();
      r.record = in.Text();
      r.fileName = in.Text();
      // A record that came through empty would read as the end of the data.
      if (r.code > 0 && r.record.empty()) Fail(GarbageText("JVRead"));
      readAhead_.push_back(std::move(r));
    }
    if (!in.ok() || !in.AtEnd()) Fail(GarbageText("JVRead"));
  }
  JVReadResult r = std::move(readAhead_.front());
  readAhead_.pop_front();
  bufferSize = readAheadSize_;
  return r;
}

int BridgeJVLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
  readAhead_.clear();
  return SimpleCall(FrameWriter(Kind::kRTOpen).Text(dataSpec).Text(key));
}

int BridgeJVLink::JVCancel() {
  // The cancel button pressed while a call waits: sent once that call is answered.
  if (inCall_) {
    cancelPending_ = true;
    return 0;
  }
  readAhead_.clear();
  if (!process_) return 0;  // nothing runs in a bridge that is gone
  return SimpleCall(FrameWriter(Kind::kCancel));
}

int BridgeJVLink::JVClose() {
  readAhead_.clear();
  if (!process_) return 0;
  return SimpleCall(FrameWriter(Kind::kClose));
}

}  // namespace tw
