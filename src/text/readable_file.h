// A day file opened for reading on POSIX systems, with the checks every
// whole-file reader makes first: it exists, it is a regular file (a folder
// or a FIFO in its place is refused without waiting), and how big it is.
#pragma once

#ifndef _WIN32

#include <cstdint>
#include <string_view>

#include "text/files.h"

namespace tw {

class ReadableFile {
 public:
  // kRead when the file is open for reading; kMissing, kUnreadable or
  // kTooLarge (more than `maxBytes`) otherwise, with no file open.
  ReadableFile(std::string_view sjisPath, std::uintmax_t maxBytes);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  ReadStatus status() const { return status_; }
  int descriptor() const { return fd_; }
  // The size when it was opened.
  std::uintmax_t size() const { return size_; }

 private:
  int fd_ = -1;
  std::uintmax_t size_ = 0;
  ReadStatus status_ = ReadStatus::kMissing;
};

}  // namespace tw

#endif
