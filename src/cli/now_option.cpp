#include "cli/now_option.h"

namespace tw {

std::optional<DateTime> ParseNowOption(const std::string& text) {
  // The exact shape first: ParseDateTime alone would also take other spacing.
  const std::string shape = "dddd/dd/dd dd:dd";
  if (text.size() != shape.size() && text.size() != shape.size() + 3) return std::nullopt;
  for (size_t i = 0; i < text.size(); ++i) {
    char want = i < shape.size() ? shape[i] : (i == shape.size() ? ':' : 'd');
    bool digit = text[i] >= '0' && text[i] <= '9';
    if (want == 'd' ? !digit : text[i] != want) return std::nullopt;
  }
  DateTime t;
  if (!ParseDateTime(text, t)) return std::nullopt;
  return t;
}

std::unique_ptr<Clock> MakeProgramClock(const NowOption& now) {
  if (now.given) return std::make_unique<OffsetClock>(now.start);
  return std::make_unique<SystemClock>();
}

}  // namespace tw
