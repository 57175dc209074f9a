// The framed protocol between the program and turfwise-jvlink-bridge, the
// small process that hosts JV-Link (docs/jvlink-bridge.md). Every message is
// a frame: its body's length (4 bytes, little-endian), then the body, whose
// first byte says what it is. Numbers are 4-byte little-endian integers,
// texts a length and their bytes; record texts stay Shift-JIS throughout.
// Both sides check every length against what the frame holds, so a broken
// or hostile peer gives an error, never a read past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw::bridge {

inline constexpr uint32_t kVersion = 1;
inline constexpr std::string_view kMagic = "TWJB";
// No frame is larger: a read batch stops adding records well before it.
inline constexpr uint32_t kMaxFrameBytes = 4u << 20;
// A read batch holds at most this many results, and stops adding records
// once its texts pass kReadBatchBytes.
inline constexpr int kMaxReadBatch = 256;
inline constexpr size_t kReadBatchBytes = 1u << 20;

enum class Kind : uint8_t {
  kHello = 0,
  kInit = 1,
  kSetUIProperties = 2,
  kOpen = 3,
  kStatus = 4,
  kRead = 5,
  kRTOpen = 6,
  kCancel = 7,
  kClose = 8,
  kQuit = 9,
  kCallFailed = 0x7F,  // the call itself failed; a text follows
  kReplyBit = 0x80,    // a reply's kind is its request's with this bit
};

// What the bridge says of its JV-Link at the handshake.
enum class HostState : int32_t { kReady = 0, kNotInstalled = 1, kVersionMismatch = 2 };

// The JV-Link call a kind stands for ("JVRead"), or "?".
const char* CallName(Kind kind);

// Builds one frame's body field by field.
class FrameWriter {
 public:
  explicit FrameWriter(Kind kind) : kind_(kind) { body_.push_back(static_cast<char>(kind)); }
  Kind kind() const { return kind_; }
  FrameWriter& Int(int32_t v);
  FrameWriter& Text(std::string_view s);
  FrameWriter& Bytes(std::string_view s);  // raw, no length
  size_t size() const { return body_.size(); }
  // The frame: length, then body.
  std::string Frame() const;

 private:
  Kind kind_;
  std::string body_;
};

// Reads one body field by field; a field past the end sets `ok` false and
// reads as 0 or empty, so a reply is checked once at its end.
class FrameReader {
 public:
  explicit FrameReader(std::string_view body) : body_(body) {}
  uint8_t KindByte();
  int32_t Int();
  std::string Text();
  std::string_view Bytes(size_t n);
  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ == body_.size(); }

 private:
  std::string_view body_;
  size_t pos_ = 0;
  bool ok_ = true;
};

// The body length a frame header announces; nullopt beyond kMaxFrameBytes
// or for an empty body.
std::optional<uint32_t> BodyLength(const unsigned char (&header)[4]);

// The handshake the program sends first: the magic and its version.
std::string ClientHello();

}  // namespace tw::bridge
