// The bridge process on Windows: CreateProcess with two anonymous pipes. An
// anonymous pipe cannot be read with a time limit, so a thread of its own
// reads the bridge's output as it comes and the calls wait on it.
#include <windows.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "jvlink/bridge_process.h"
#include "text/sjis.h"

namespace tw {

namespace {

// One word of a command line, quoted as CommandLineToArgvW reads it back.
std::wstring Quoted(const std::wstring& word) {
  if (!word.empty() && word.find_first_of(L" \t\"") == std::wstring::npos) return word;
  std::wstring q = L"\"";
  size_t slashes = 0;
  for (wchar_t c : word) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    q.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    q += c;
  }
  q.append(slashes * 2, L'\\');
  return q + L"\"";
}

std::string LastErrorText(const char* what) { return std::string(what) + " (" + std::to_string(GetLastError()) + ")"; }

class WinBridgeProcess : public BridgeProcess {
 public:
  WinBridgeProcess(HANDLE process, HANDLE in, HANDLE out) : process_(process), in_(in), out_(out) {
    reader_ = std::thread([this] { ReadLoop(); });
  }
  ~WinBridgeProcess() override { Kill(); }

  bool Write(const std::string& bytes) override {
    size_t done = 0;
    while (in_ && done < bytes.size()) {
      DWORD n = 0;
      if (!WriteFile(in_, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr) || n == 0)
        return false;
      done += n;
    }
    return in_ != nullptr;
  }

  int ReadSome(char* buffer, int capacity, int waitMillis) override {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait_for(lock, std::chrono::milliseconds(waitMillis), [this] { return !bytes_.empty() || ended_; });
    if (bytes_.empty()) return ended_ ? -1 : 0;
    int n = 0;
    while (n < capacity && !bytes_.empty()) {
      buffer[n++] = bytes_.front();
      bytes_.pop_front();
    }
    return n;
  }

  void Kill() override {
    if (process_) TerminateProcess(process_, 1);
    End();
  }

  void Finish(int graceMillis) override {
    CloseInput();
    if (process_ && WaitForSingleObject(process_, static_cast<DWORD>(graceMillis)) == WAIT_OBJECT_0) {
      End();
      return;
    }
    Kill();
  }

 private:
  void ReadLoop() {
    char chunk[64 * 1024];
    for (;;) {
      DWORD n = 0;
      const bool ok = ReadFile(out_, chunk, sizeof chunk, &n, nullptr) && n > 0;
      std::lock_guard<std::mutex> lock(mutex_);
      if (!ok) {
        ended_ = true;
        arrived_.notify_all();
        return;
      }
      bytes_.insert(bytes_.end(), chunk, chunk + n);
      arrived_.notify_all();
    }
  }
  void CloseInput() {
    if (in_) CloseHandle(in_);
    in_ = nullptr;
  }
  // Once the process has ended its pipe breaks and the reader returns.
  void End() {
    CloseInput();
    if (process_) {
      WaitForSingleObject(process_, INFINITE);
      CloseHandle(process_);
      process_ = nullptr;
    }
    if (reader_.joinable()) reader_.join();
    if (out_) CloseHandle(out_);
    out_ = nullptr;
  }

  HANDLE process_;
  HANDLE in_;
  HANDLE out_;
  std::thread reader_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<char> bytes_;
  bool ended_ = false;
};

}  // namespace

std::unique_ptr<BridgeProcess> BridgeProcess::Start(const std::vector<std::string>& argv, std::string& error) {
  if (argv.empty()) {
    error = "no command";
    return nullptr;
  }
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE childIn = nullptr, parentIn = nullptr, parentOut = nullptr, childOut = nullptr;
  if (!CreatePipe(&childIn, &parentIn, &inherit, 0)) {
    error = LastErrorText("CreatePipe");
    return nullptr;
  }
  if (!CreatePipe(&parentOut, &childOut, &inherit, 0)) {
    error = LastErrorText("CreatePipe");
    CloseHandle(childIn);
    CloseHandle(parentIn);
    return nullptr;
  }
  // Only the child's ends are inherited.
  SetHandleInformation(parentIn, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(parentOut, HANDLE_FLAG_INHERIT, 0);
  std::wstring line;
  for (const std::string& word : argv) line += (line.empty() ? L"" : L" ") + Quoted(SjisToWide(word));
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = childIn;
  si.hStdOutput = childOut;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi{};
  const BOOL started =
      CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
  const DWORD startError = GetLastError();
  CloseHandle(childIn);
  CloseHandle(childOut);
  if (!started) {
    error = argv[0] + " (" + std::to_string(startError) + ")";
    CloseHandle(parentIn);
    CloseHandle(parentOut);
    return nullptr;
  }
  CloseHandle(pi.hThread);
  return std::make_unique<WinBridgeProcess>(pi.hProcess, parentIn, parentOut);
}

}  // namespace tw
