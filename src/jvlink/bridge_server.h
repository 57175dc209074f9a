// The bridge's side of the protocol, for any JVLink: the COM control on
// Windows, the stand-in or a scripted fake elsewhere. It turns one request
// body into its reply body; the process around it moves the frames.
#pragma once

#include <functional>
#include <string>

#include "jvlink/jvlink.h"

namespace tw {

class BridgeServer {
 public:
  // `jv` null: JV-Link could not be created here; `why` says why, and the
  // handshake tells the program it is not installed.
  BridgeServer(JVLink* jv, std::string why) : jv_(jv), why_(std::move(why)) {}

  // The reply to one request body. `done` is set when the bridge should end
  // after sending it (a quit, a refused handshake); an empty reply sends nothing.
  std::string Handle(const std::string& body, bool& done);

 private:
  std::string Hello(const std::string& body, bool& done);
  std::string Call(const std::string& body);

  JVLink* jv_;
  std::string why_;
  bool greeted_ = false;
  std::string pendingFailure_;  // a read failure after records already read
};

// Serves requests until the program quits or its pipe ends. `readExact`
// fills the buffer or returns false at the end; `write` sends one frame.
// Returns 0 after a quit or the end of input, 1 after a broken frame.
int ServeBridge(BridgeServer& server, const std::function<bool(char*, size_t)>& readExact,
                const std::function<bool(const std::string&)>& write);

// One request body read from `readExact`; false at the end of input or for
// a frame that is empty or too large (`broken` then says which).
bool ReadFrameBody(const std::function<bool(char*, size_t)>& readExact, std::string& body, bool& broken);

}  // namespace tw
