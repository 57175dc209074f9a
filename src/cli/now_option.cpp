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

NowOption TakeNowOption(std::vector<std::string>& args) {
  NowOption result;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string value;
    size_t used = 0;
    if (args[i] == "--now") {
      if (i + 1 >= args.size()) {
        result.given = true;
        result.error = "--now needs a time \"yyyy/mm/dd hh:nn\"";
        args.erase(args.begin() + static_cast<long>(i));
        return result;
      }
      value = args[i + 1];
      used = 2;
    } else if (args[i].rfind("--now=", 0) == 0) {
      value = args[i].substr(6);
      used = 1;
    } else {
      continue;
    }
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + used));
    result.given = true;
    if (auto t = ParseNowOption(value)) {
      result.start = *t;
    } else {
      result.error = "--now: \"" + value + "\" is not a time \"yyyy/mm/dd hh:nn\"";
    }
    return result;
  }
  return result;
}

std::unique_ptr<Clock> MakeProgramClock(const NowOption& now) {
  if (now.given && now.error.empty()) return std::make_unique<OffsetClock>(now.start);
  return std::make_unique<SystemClock>();
}

}  // namespace tw
