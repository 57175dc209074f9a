#include "records/layout.h"

#include "text/fields.h"

namespace tw {

std::optional<std::string> StoredLine(std::string_view record, size_t length, size_t minLength) {
  std::string_view line = StripLineEnd(record);
  if (line.size() < minLength) return std::nullopt;
  if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  return PadRight(line, length);
}

void NormaliseLines(std::vector<std::string>& lines, size_t length, size_t minLines) {
  for (auto& line : lines) {
    if (line.size() != length) line = PadRight(line, length);
  }
  if (lines.size() < minLines) lines.resize(minLines, std::string(length, ' '));
}

}  // namespace tw
