#include "store/data_folder_lock.h"

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

#include "text/files.h"
#include "text/sjis.h"
#include "text/temp_files.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace tw {

namespace {

#ifdef _WIN32
using Handle = HANDLE;
const Handle kNoHandle = INVALID_HANDLE_VALUE;
#else
using Handle = int;
constexpr Handle kNoHandle = -1;
#endif

// The holder's name stays readable: the lock covers one byte far past it.
constexpr size_t kHolderBytes = 256;
constexpr int kRetryMillis = 25;

std::atomic<int> waitMillis{kDataFolderLockWaitMillis};

std::mutex& RegistryMutex() {
  static std::mutex m;
  return m;
}

// The lock files this process holds and how many takes share each.
std::map<std::string, std::pair<Handle, int>>& Held() {
  static std::map<std::string, std::pair<Handle, int>> held;
  return held;
}

std::string& HolderName() {
  static std::string name = "Turfwise";
  return name;
}

// Opens (creating) the lock file; kNoHandle with `why` (UTF-8) on failure.
Handle OpenLockFile(const std::string& path, std::string& why) {
#ifdef _WIN32
  Handle h = CreateFileW(ToFsPath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) why = std::system_category().message(static_cast<int>(GetLastError()));
  return h;
#else
  Handle fd = ::open(ToFsPath(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) why = std::strerror(errno);
  return fd;
#endif
}

bool TryLock(Handle h) {
#ifdef _WIN32
  OVERLAPPED at{};
  at.Offset = 0x7FFFFFFF;
  return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
#else
  return ::flock(h, LOCK_EX | LOCK_NB) == 0;
#endif
}

void Close(Handle h) {
#ifdef _WIN32
  OVERLAPPED at{};
  at.Offset = 0x7FFFFFFF;
  UnlockFileEx(h, 0, 1, 0, &at);
  CloseHandle(h);
#else
  ::close(h);  // releases the flock
#endif
}

void WriteHolder(Handle h, const std::string& text) {
#ifdef _WIN32
  SetFilePointer(h, 0, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  DWORD written = 0;
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
#else
  if (::ftruncate(h, 0) == 0 && ::pwrite(h, text.data(), text.size(), 0) < 0) return;
#endif
}

std::string ReadHolder(Handle h) {
  char buffer[kHolderBytes] = {};
#ifdef _WIN32
  SetFilePointer(h, 0, nullptr, FILE_BEGIN);
  DWORD got = 0;
  if (!ReadFile(h, buffer, sizeof buffer, &got, nullptr)) got = 0;
  std::string text(buffer, got);
#else
  ssize_t got = ::pread(h, buffer, sizeof buffer, 0);
  std::string text(buffer, got > 0 ? static_cast<size_t>(got) : 0);
#endif
  // Another program's bytes: only printable ones reach the message.
  std::string shown;
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) shown += c;
  }
  return shown;
}

}  // namespace

void DataFolderLock::SetHolderName(const std::string& utf8Name) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  HolderName() = utf8Name;
}

void DataFolderLock::SetWaitMillis(int millis) { waitMillis = millis; }

DataFolderLock::DataFolderLock(const std::string& dataFolder) : path_(JoinPath(dataFolder, kFileName)) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  if (auto it = Held().find(path_); it != Held().end()) {
    ++it->second.second;
    held_ = true;
    return;
  }
  std::string why;
  Handle h = OpenLockFile(path_, why);
  if (h == kNoHandle) {
    error_ = Sjis("データフォルダに書き込めません：") + path_ + Sjis("（") + Utf8ToSjis(why) + Sjis("）");
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMillis.load());
  while (!TryLock(h)) {
    if (std::chrono::steady_clock::now() >= deadline) {
      std::string holder = ReadHolder(h);
      error_ = Sjis("別の処理がこのデータフォルダに書き込んでいます") +
               (holder.empty() ? std::string() : Sjis("（") + Utf8ToSjis(holder) + Sjis("）"));
      busy_ = true;
      Close(h);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(kRetryMillis));
  }
  WriteHolder(h, HolderName() + "\xE3\x80\x81pid " + std::to_string(CurrentProcessId()));
  Held()[path_] = {h, 1};
  held_ = true;
}

DataFolderLock::~DataFolderLock() {
  if (!held_) return;
  std::lock_guard<std::mutex> lock(RegistryMutex());
  auto it = Held().find(path_);
  if (it == Held().end() || --it->second.second > 0) return;
  Close(it->second.first);
  Held().erase(it);
}

}  // namespace tw
