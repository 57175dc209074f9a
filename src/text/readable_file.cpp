#include "text/readable_file.h"

#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tw {

ReadableFile::ReadableFile(std::string_view sjisPath, std::uintmax_t maxBytes) {
  // Not blocking, so that a FIFO in the file's place is refused below
  // instead of waiting for a writer.
  fd_ = ::open(ToFsPath(sjisPath).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) {
    status_ = errno == ENOENT || errno == ENOTDIR ? ReadStatus::kMissing : ReadStatus::kUnreadable;
    return;
  }
  struct stat info {};
  // A folder opens for reading on POSIX but fails on the first read.
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    status_ = ReadStatus::kUnreadable;
  } else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    status_ = ReadStatus::kTooLarge;
  } else {
    size_ = static_cast<std::uintmax_t>(info.st_size);
    status_ = ReadStatus::kRead;
    return;
  }
  ::close(fd_);
  fd_ = -1;
}

ReadableFile::~ReadableFile() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace tw

#endif
