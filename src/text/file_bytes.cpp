#include "text/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "text/memory_files.h"

#ifdef _WIN32
#include <fstream>
#else
#include <unistd.h>

#include "text/readable_file.h"
#endif

namespace tw {

namespace fs = std::filesystem;

namespace {

// Reads grow the buffer by at least this much when a file grows while it is
// read.
constexpr std::size_t kGrowStep = 1 << 16;

}  // namespace

void FileBytes::Clear() { size_ = 0; }

void FileBytes::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(grown.get(), data_.get(), size_);
  data_ = std::move(grown);
  capacity_ = capacity;
}

ReadStatus FileBytes::ReadKept(const std::string* file, std::uintmax_t maxBytes, std::size_t spare) {
  if (file == nullptr) return ReadStatus::kMissing;
  if (file->size() > maxBytes) return ReadStatus::kTooLarge;
  Reserve(file->size() + 1 + spare);
  if (!file->empty()) std::memcpy(data_.get(), file->data(), file->size());
  size_ = file->size();
  return ReadStatus::kRead;
}

bool FileBytes::Append(std::string_view more) {
  if (more.size() > capacity_ - size_) return false;
  std::memcpy(data_.get() + size_, more.data(), more.size());
  size_ += more.size();
  return true;
}

#ifdef _WIN32

ReadStatus FileBytes::Read(std::string_view sjisPath, std::uintmax_t maxBytes, std::size_t spare) {
  Clear();
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active())
    return ReadKept(memory->Find(sjisPath), maxBytes, spare);
  const fs::path path = ToFsPath(sjisPath);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::status_known(status)) return ReadStatus::kUnreadable;
  if (!fs::exists(status)) return ReadStatus::kMissing;
  if (!fs::is_regular_file(status)) return ReadStatus::kUnreadable;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && size > maxBytes) return ReadStatus::kTooLarge;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadStatus::kUnreadable;
  // As below: one byte more than the size, for the read that finds the end.
  Reserve(static_cast<std::size_t>(ec ? 0 : size) + 1 + spare);
  while (in) {
    if (capacity_ - size_ <= spare) Reserve(size_ + kGrowStep + spare);
    in.read(data_.get() + size_, static_cast<std::streamsize>(capacity_ - spare - size_));
    size_ += static_cast<std::size_t>(in.gcount());
    if (size_ > maxBytes) {
      Clear();
      return ReadStatus::kTooLarge;
    }
  }
  if (in.bad()) {
    Clear();
    return ReadStatus::kUnreadable;
  }
  return ReadStatus::kRead;
}

#else

ReadStatus FileBytes::Read(std::string_view sjisPath, std::uintmax_t maxBytes, std::size_t spare) {
  Clear();
  if (const ScopedMemoryFiles* memory = ScopedMemoryFiles::Active())
    return ReadKept(memory->Find(sjisPath), maxBytes, spare);
  const ReadableFile file(sjisPath, maxBytes);
  if (file.status() != ReadStatus::kRead) return file.status();
  // One byte more than the size, so that the read that finds the end needs
  // no second buffer; the limit holds for a file that grows while it is read.
  Reserve(static_cast<std::size_t>(file.size()) + 1 + spare);
  for (;;) {
    if (capacity_ - size_ <= spare) Reserve(size_ + kGrowStep + spare);
    const ssize_t n = ::read(file.descriptor(), data_.get() + size_, capacity_ - spare - size_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      Clear();
      return ReadStatus::kUnreadable;
    }
    if (n == 0) break;
    const bool shortRead = static_cast<std::size_t>(n) < capacity_ - spare - size_;
    size_ += static_cast<std::size_t>(n);
    if (size_ > maxBytes) {
      Clear();
      return ReadStatus::kTooLarge;
    }
    // A regular file reads short only at its end: one that still has the
    // size it had when opened needs no second read to find it.
    if (shortRead && size_ == file.size()) break;
  }
  return ReadStatus::kRead;
}

#endif

}  // namespace tw
