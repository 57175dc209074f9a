#include "store/day_list.h"

#include "records/day_files.h"
#include "text/files.h"

namespace tw {

std::vector<std::string> MakeDayList(const std::string& dataFolder) {
  std::vector<std::string> names = ListFolder(dataFolder, "*.jvRA");
  std::vector<std::string> days;
  days.reserve(names.size());
  for (auto it = names.rbegin(); it != names.rend(); ++it) days.push_back(it->substr(0, kDayNameLength));
  return days;
}

}  // namespace tw
