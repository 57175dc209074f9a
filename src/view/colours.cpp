#include "view/colours.h"

#include <cstdlib>

#include "text/fields.h"
#include "text/sjis.h"

namespace tw {

Rgb OddsColour(double odds) {
  if (odds <= 10.0) return colour::kYellow;
  if (odds < 30.0) return colour::kAqua;
  if (odds < 100.0) return colour::kLime;
  return colour::kFuchsia;
}

bool IsUsableField(const std::string& text) {
  static const std::string kScratched = Sjis("取消");
  const std::string t = Trim(text);
  return !t.empty() && t.rfind(kScratched, 0) != 0;
}

double FieldNumber(const std::string& text) {
  if (!IsUsableField(text)) return 0.0;
  return std::strtod(Trim(text).c_str(), nullptr);
}

std::optional<Rgb> OddsFieldColour(const std::string& text) {
  if (!IsUsableField(text)) return std::nullopt;
  return OddsColour(FieldNumber(text));
}

}  // namespace tw
