// A file read whole into a buffer of its own that is not cleared first: the
// day files are read on every day load, and clearing the buffer would touch
// every byte once more before the read overwrites it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "text/files.h"

namespace tw {

class FileBytes {
 public:
  // Reads the file when it holds at most `maxBytes` (also when it grows
  // while it is read), with room for `spare` more bytes after them. On any
  // status but kRead the buffer is empty.
  ReadStatus Read(std::string_view sjisPath, std::uintmax_t maxBytes, std::size_t spare = 0);

  std::string_view view() const { return {data_.get(), size_}; }
  std::size_t size() const { return size_; }
  // Appends within the spare room that Read left; false when it does not fit.
  bool Append(std::string_view more);

 private:
  void Clear();
  // Read from a file kept in memory (text/memory_files.h).
  ReadStatus ReadKept(const std::string* file, std::uintmax_t maxBytes, std::size_t spare);
  // Room for at least `capacity` bytes, keeping the first `size_`.
  void Reserve(std::size_t capacity);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace tw
