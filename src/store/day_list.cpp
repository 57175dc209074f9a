#include "store/day_list.h"

#include "text/files.h"

namespace tw {

namespace {
constexpr size_t kDayNameBytes = 14;  // "yyyy年mm月dd日" in Shift-JIS
}

std::vector<std::string> MakeDayList(const std::string& dataFolder) {
  std::vector<std::string> names = ListFolder(dataFolder, "*.jvRA");
  std::vector<std::string> days;
  days.reserve(names.size());
  for (auto it = names.rbegin(); it != names.rend(); ++it) days.push_back(it->substr(0, kDayNameBytes));
  return days;
}

}  // namespace tw
