#include "store/fixed_record_file.h"

namespace tw {

FixedRecordFile::FixedRecordFile(std::string_view sjisPath, int recordLength, std::uintmax_t maxBytes)
    : recordLength_(recordLength) {
  // Room for the CR LF that a last line may lack.
  status_ = bytes_.Read(sjisPath, maxBytes, 2);
  if (!exists() || recordLength_ <= 2) return;
  size_t length = static_cast<size_t>(recordLength_);
  size_t whole = bytes_.size() / length;
  size_t rest = bytes_.size() % length;
  if (rest == length - 2) {
    // The writer left off the line end of the last line only: give the
    // record its CR LF so that it reads like every other one.
    bytes_.Append("\r\n");
    ++whole;
  } else if (rest != 0) {
    ++damaged_;
  }
  count_ = static_cast<int>(whole);
  // One search of the whole file: a NUL byte is rare, and only then is each
  // record searched for its own.
  const bool anyNul = bytes_.view().find('\0') != std::string_view::npos;
  for (int n = 0; n < count_; ++n) {
    const std::string_view record = Record(n);
    if (anyNul ? IsDamagedRecord(record) : record.substr(length - 2) != "\r\n") ++damaged_;
  }
}

std::string_view FixedRecordFile::Record(int n) const {
  if (n < 0 || n >= count_) return {};
  return bytes_.view().substr(static_cast<size_t>(n) * recordLength_, recordLength_);
}

}  // namespace tw
