#include "store/fixed_record_file.h"

#include <fstream>

#include "text/files.h"

namespace tw {

bool ReadWholeFile(std::string_view sjisPath, std::string& bytes) {
  bytes.clear();
  std::error_code ec;
  auto path = ToFsPath(sjisPath);
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  std::streamoff size = in.tellg();
  if (size < 0) return false;
  bytes.resize(static_cast<size_t>(size));
  in.seekg(0);
  if (size > 0 && !in.read(bytes.data(), size)) {
    // The file shrank while it was read: keep what arrived.
    bytes.resize(static_cast<size_t>(in.gcount()));
  }
  return true;
}

FixedRecordFile::FixedRecordFile(std::string_view sjisPath, int recordLength) : recordLength_(recordLength) {
  exists_ = ReadWholeFile(sjisPath, bytes_);
  if (!exists_ || recordLength_ <= 2) return;
  size_t length = static_cast<size_t>(recordLength_);
  size_t whole = bytes_.size() / length;
  size_t rest = bytes_.size() % length;
  if (rest == length - 2) {
    // The writer left off the line end of the last line only: give the
    // record its CR LF so that it reads like every other one.
    bytes_.append("\r\n");
    ++whole;
  }
  count_ = static_cast<int>(whole);
}

std::string_view FixedRecordFile::Record(int n) const {
  if (n < 0 || n >= count_) return {};
  return std::string_view(bytes_).substr(static_cast<size_t>(n) * recordLength_, recordLength_);
}

}  // namespace tw
