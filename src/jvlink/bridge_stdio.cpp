#include "jvlink/bridge_stdio.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include <cerrno>
#endif

namespace tw {

#ifdef _WIN32

bool ReadStandardInput(char* buffer, size_t size) {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  size_t done = 0;
  while (done < size) {
    DWORD n = 0;
    if (!ReadFile(in, buffer + done, static_cast<DWORD>(size - done), &n, nullptr) || n == 0) return false;
    done += n;
  }
  return true;
}

bool WriteStandardOutput(const std::string& bytes) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr) || n == 0)
      return false;
    done += n;
  }
  return true;
}

#else

bool ReadStandardInput(char* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::read(0, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool WriteStandardOutput(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(1, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

#endif

}  // namespace tw
