#include "records/odds_number.h"

#include <algorithm>
#include <cstring>

#include "text/fields.h"

namespace tw {

namespace {

bool AllOf(std::string_view text, char c) { return text.find_first_not_of(c) == std::string_view::npos; }

constexpr size_t kMaxFieldWidth = 8;

}  // namespace

OddsState OddsStateOf(std::string_view text) {
  if (AllOf(text, ' ')) return OddsState::kNotRegistered;
  if (AllOf(text, '0')) return OddsState::kNoVotes;
  if (AllOf(text, '-')) return OddsState::kCancelledBeforeSales;
  if (AllOf(text, '*')) return OddsState::kCancelledAfterSales;
  return OddsState::kOdds;
}

OddsNumber ReadOddsNumber(std::string_view text) {
  OddsNumber field{};
  text = text.substr(0, std::min(text.size(), kMaxFieldWidth));
  std::uint64_t order = 0;
  // Only meaningful when every byte is a digit; unsigned, so that other
  // bytes merely wrap it.
  std::uint32_t digitsValue = 0;
  bool allDigits = !text.empty();
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    order = order << 8 | byte;
    const std::uint32_t digit = byte - std::uint32_t{'0'};
    if (digit > 9) allDigits = false;
    digitsValue = digitsValue * 10 + digit;
  }
  field.textOrder = order;
  // Stored odds are digits only; everything else takes the general rules.
  if (allDigits) {
    field.value = static_cast<std::int32_t>(digitsValue);
    field.state = digitsValue == 0 ? OddsState::kNoVotes : OddsState::kOdds;
    return field;
  }
  field.state = OddsStateOf(text);
  if (field.state == OddsState::kOdds) field.value = static_cast<std::int32_t>(IntValue(text));
  return field;
}

OddsNumber ReadOddsNumberAt(std::string_view record, int pos, int width) {
  const size_t start = pos < 1 ? record.size() : static_cast<size_t>(pos - 1);
  const size_t size = std::min(static_cast<size_t>(std::max(width, 0)), kMaxFieldWidth);
  if (start <= record.size() && record.size() - start >= size) return ReadOddsNumber(record.substr(start, size));
  char padded[kMaxFieldWidth];
  std::memset(padded, ' ', size);
  if (start < record.size()) std::memcpy(padded, record.data() + start, record.size() - start);
  return ReadOddsNumber(std::string_view(padded, size));
}

}  // namespace tw
