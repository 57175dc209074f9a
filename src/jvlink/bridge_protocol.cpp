#include "jvlink/bridge_protocol.h"

namespace tw::bridge {

const char* CallName(Kind kind) {
  switch (kind) {
    case Kind::kInit:
      return "JVInit";
    case Kind::kSetUIProperties:
      return "JVSetUIProperties";
    case Kind::kOpen:
      return "JVOpen";
    case Kind::kStatus:
      return "JVStatus";
    case Kind::kRead:
      return "JVRead";
    case Kind::kRTOpen:
      return "JVRTOpen";
    case Kind::kCancel:
      return "JVCancel";
    case Kind::kClose:
      return "JVClose";
    default:
      return "?";
  }
}

FrameWriter& FrameWriter::Int(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) body_.push_back(static_cast<char>((u >> shift) & 0xFF));
  return *this;
}

FrameWriter& FrameWriter::Text(std::string_view s) {
  Int(static_cast<int32_t>(s.size()));
  body_.append(s);
  return *this;
}

FrameWriter& FrameWriter::Bytes(std::string_view s) {
  body_.append(s);
  return *this;
}

std::string FrameWriter::Frame() const {
  std::string frame;
  frame.reserve(body_.size() + 4);
  const auto n = static_cast<uint32_t>(body_.size());
  for (int shift = 0; shift < 32; shift += 8) frame.push_back(static_cast<char>((n >> shift) & 0xFF));
  frame += body_;
  return frame;
}

uint8_t FrameReader::KindByte() {
  std::string_view b = Bytes(1);
  return b.empty() ? 0 : static_cast<uint8_t>(b[0]);
}

int32_t FrameReader::Int() {
  std::string_view b = Bytes(4);
  if (b.size() != 4) return 0;
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(b[static_cast<size_t>(i)]);
  return static_cast<int32_t>(u);
}

std::string FrameReader::Text() {
  const int32_t n = Int();
  if (n < 0) {
    ok_ = false;
    return {};
  }
  return std::string(Bytes(static_cast<size_t>(n)));
}

std::string_view FrameReader::Bytes(size_t n) {
  if (!ok_ || n > body_.size() - pos_) {
    ok_ = false;
    return {};
  }
  std::string_view b = body_.substr(pos_, n);
  pos_ += n;
  return b;
}

std::optional<uint32_t> BodyLength(const unsigned char (&header)[4]) {
  const uint32_t n = header[0] | (header[1] << 8) | (header[2] << 16) | (static_cast<uint32_t>(header[3]) << 24);
  if (n == 0 || n > kMaxFrameBytes) return std::nullopt;
  return n;
}

std::string ClientHello() {
  return FrameWriter(Kind::kHello).Bytes(kMagic).Int(static_cast<int32_t>(kVersion)).Frame();
}

}  // namespace tw::bridge
