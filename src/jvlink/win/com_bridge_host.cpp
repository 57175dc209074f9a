// The bridge on Windows: JV-Link lives in this thread's single-threaded
// apartment, so every call is made here. A second thread only reads the
// program's requests and hands them over; meanwhile this thread keeps the
// window messages moving, which the control's own windows (its settings
// dialog, its download progress) need.
#include <windows.h>
// clang-format off
#include <objbase.h>
// clang-format on

#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "jvlink/bridge_protocol.h"
#include "jvlink/bridge_server.h"
#include "jvlink/bridge_stdio.h"
#include "jvlink/com_jvlink.h"
#include "text/sjis.h"

namespace tw {

namespace {

// Requests read by the reader thread, taken by the apartment's thread.
class RequestQueue {
 public:
  RequestQueue() : ready_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  ~RequestQueue() { CloseHandle(ready_); }
  HANDLE ready() const { return ready_; }

  void Push(std::string body) {
    std::lock_guard<std::mutex> lock(mutex_);
    bodies_.push_back(std::move(body));
    SetEvent(ready_);
  }
  void End(bool broken) {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
    broken_ = broken;
    SetEvent(ready_);
  }
  // The next request; false when none is waiting (`ended` says whether any will come).
  bool Pop(std::string& body, bool& ended, bool& broken) {
    std::lock_guard<std::mutex> lock(mutex_);
    ended = ended_ && bodies_.empty();
    broken = broken_;
    if (bodies_.empty()) return false;
    body = std::move(bodies_.front());
    bodies_.pop_front();
    return true;
  }

 private:
  HANDLE ready_;
  std::mutex mutex_;
  std::deque<std::string> bodies_;
  bool ended_ = false;
  bool broken_ = false;
};

}  // namespace

int ServeComJVLinkBridge() {
  // Texts handed to and from the control do not depend on the user's locale.
  SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT));
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 0;
  {
    std::string why;
    std::unique_ptr<JVLink> jv = CreateComJVLink(&why);
    BridgeServer server(jv.get(), Sjis("JV-Linkを作成できません。") + why);
    RequestQueue queue;
    std::thread reader([&queue] {
      std::string body;
      bool broken = false;
      while (ReadFrameBody(ReadStandardInput, body, broken)) queue.Push(body);
      queue.End(broken);
    });
    reader.detach();  // it ends with the process; a blocked read cannot be woken
    for (bool done = false; !done;) {
      HANDLE ready = queue.ready();
      const DWORD woke = MsgWaitForMultipleObjects(1, &ready, FALSE, INFINITE, QS_ALLINPUT);
      if (woke == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
        }
        continue;
      }
      std::string body;
      bool ended = false, broken = false;
      while (!done && queue.Pop(body, ended, broken)) {
        if (!body.empty() && static_cast<bridge::Kind>(body[0]) == bridge::Kind::kQuit) {
          done = true;
          break;
        }
        std::string reply = server.Handle(body, done);
        if (!reply.empty() && !WriteStandardOutput(reply)) {
          status = 1;
          done = true;
        }
      }
      if (ended) {
        if (broken) status = 1;
        done = true;
      }
    }
  }  // the control is released in its apartment
  if (SUCCEEDED(init)) CoUninitialize();
  return status;
}

}  // namespace tw
