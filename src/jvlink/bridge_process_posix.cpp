// The bridge process on POSIX systems: posix_spawn with two pipes, poll()
// for reads with a time limit.
#ifndef _WIN32

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "jvlink/bridge_process.h"
#include "text/sjis.h"

extern char** environ;

namespace tw {

namespace {

class PosixBridgeProcess : public BridgeProcess {
 public:
  PosixBridgeProcess(pid_t pid, int in, int out) : pid_(pid), in_(in), out_(out) {}
  ~PosixBridgeProcess() override { Kill(); }

  bool Write(const std::string& bytes) override {
    size_t done = 0;
    while (in_ >= 0 && done < bytes.size()) {
      ssize_t n = ::write(in_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<size_t>(n);
    }
    return in_ >= 0;
  }

  int ReadSome(char* buffer, int capacity, int waitMillis) override {
    if (out_ < 0) return -1;
    pollfd p{out_, POLLIN, 0};
    int ready = ::poll(&p, 1, waitMillis);
    if (ready < 0) return errno == EINTR ? 0 : -1;
    if (ready == 0) return 0;
    ssize_t n = ::read(out_, buffer, static_cast<size_t>(capacity));
    if (n < 0) return errno == EINTR || errno == EAGAIN ? 0 : -1;
    return n == 0 ? -1 : static_cast<int>(n);
  }

  void Kill() override {
    CloseInput();
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      Reap(true);
    }
    CloseOutput();
  }

  void Finish(int graceMillis) override {
    CloseInput();
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMillis);
    while (pid_ > 0 && !Reap(false) && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    Kill();
  }

 private:
  // True once the process has ended and been waited for.
  bool Reap(bool block) {
    int status = 0;
    pid_t r;
    do {
      r = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0) return false;
    pid_ = -1;
    return true;
  }
  void CloseInput() {
    if (in_ >= 0) ::close(in_);
    in_ = -1;
  }
  void CloseOutput() {
    if (out_ >= 0) ::close(out_);
    out_ = -1;
  }

  pid_t pid_;
  int in_;
  int out_;
};

}  // namespace

std::unique_ptr<BridgeProcess> BridgeProcess::Start(const std::vector<std::string>& argv, std::string& error) {
  if (argv.empty()) {
    error = "no command";
    return nullptr;
  }
  // A bridge that ended must show as a failed write, not end the program.
  ::signal(SIGPIPE, SIG_IGN);
  int toChild[2], fromChild[2];
  if (::pipe2(toChild, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  if (::pipe2(fromChild, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    ::close(toChild[0]);
    ::close(toChild[1]);
    return nullptr;
  }
  std::vector<std::string> words;
  for (const std::string& a : argv) words.push_back(SjisToUtf8(a));
  std::vector<char*> args;
  for (std::string& w : words) args.push_back(w.data());
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
  posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
  pid_t pid = -1;
  const int rc = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(toChild[0]);
  ::close(fromChild[1]);
  if (rc != 0) {
    error = words[0] + ": " + std::strerror(rc);
    ::close(toChild[1]);
    ::close(fromChild[0]);
    return nullptr;
  }
  return std::make_unique<PosixBridgeProcess>(pid, toChild[1], fromChild[0]);
}

}  // namespace tw

#endif
