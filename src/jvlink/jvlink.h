// The JV-Link data interface: the eight calls the program makes and the out
// values it relies on. Records are handed over already converted to
// Shift-JIS, so positions count bytes. Implementations: the COM control on
// Windows, the local stand-in that serves a feed folder, and the scripted
// fake of the tests.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace tw {

// A failure of the call itself (not a JV-Link return code), for example a
// COM error. It ends the current command with the platform's message. Its
// text is Shift-JIS, like every text of this interface: the implementation
// converts the platform's message once, and callers show it as it is.
class JVLinkCallError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct JVOpenResult {
  int code = 0;                   // 0 opened, -1 nothing newer, other: failure
  int readCount = 0;              // files to read
  int downloadCount = 0;          // files still to download
  std::string lastFileTimestamp;  // "yyyymmddhhnnss"
};

struct JVReadResult {
  int code = 0;          // > 0 record length; 0 end; -1 next file; -2/-3 not ready; < -3 failure
  std::string record;    // Shift-JIS, with its CR LF
  std::string fileName;  // the file the record came from
};

class JVLink {
 public:
  virtual ~JVLink() = default;

  virtual int JVInit(const std::string& sid) = 0;
  virtual int JVSetUIProperties() = 0;
  virtual JVOpenResult JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) = 0;
  virtual int JVStatus() = 0;
  // `bufferSize` is in/out: 60000 before the first read.
  virtual JVReadResult JVRead(int& bufferSize) = 0;
  virtual int JVRTOpen(const std::string& dataSpec, const std::string& key) = 0;
  virtual int JVCancel() = 0;
  virtual int JVClose() = 0;
};

// Creates the platform's JV-Link. Returns nullptr when it cannot be created
// (JV-Link is not installed), which ends the program at start-up.
class JVLinkFactory {
 public:
  virtual ~JVLinkFactory() = default;
  virtual std::unique_ptr<JVLink> Create() = 0;
};

}  // namespace tw
