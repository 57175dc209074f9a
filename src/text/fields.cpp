#include "text/fields.h"

#include <cctype>

#include "text/sjis.h"

namespace tw {

std::string Field(std::string_view record, int pos, int width) {
  if (width <= 0) return {};
  const auto w = static_cast<size_t>(width);
  // The usual case, a field inside its record, copied in one go.
  if (pos >= 1 && static_cast<size_t>(pos - 1) <= record.size() && record.size() - static_cast<size_t>(pos - 1) >= w)
    return std::string(record.substr(static_cast<size_t>(pos - 1), w));
  std::string out(static_cast<size_t>(width), ' ');
  if (pos < 1) return out;
  size_t start = static_cast<size_t>(pos - 1);
  if (start >= record.size()) return out;
  size_t n = std::min(record.size() - start, static_cast<size_t>(width));
  out.replace(0, n, record.substr(start, n));
  return out;
}

long long IntValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (v < 100000000000000000LL) v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

std::string Trim(std::string_view text) {
  size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = text.find_last_not_of(' ');
  return std::string(text.substr(b, e - b + 1));
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string PadRight(std::string_view text, size_t width) {
  std::string out(text.substr(0, std::min(text.size(), width)));
  out.resize(width, ' ');
  return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x < 0x80 && y < 0x80) {
      if (std::tolower(x) != std::tolower(y)) return false;
    } else if (x != y) {
      return false;
    } else if (IsSjisLeadByte(x) && i + 1 < a.size()) {
      // The trail byte of a double-byte character may look like an ASCII
      // letter; it belongs to the character and compares exactly.
      ++i;
      if (a[i] != b[i]) return false;
    }
  }
  return true;
}

std::string_view StripLineEnd(std::string_view record) {
  if (!record.empty() && record.back() == '\n') record.remove_suffix(1);
  if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
  return record;
}

}  // namespace tw
