#include "season/season_courses.h"

#include <algorithm>

#include "codes/courses.h"
#include "records/day_files.h"
#include "text/files.h"

namespace tw {

std::vector<SeasonCourse> SeasonCoursesOf(const std::string& dataFolder) {
  static const std::string extension = ".jvSEr";
  constexpr size_t kNameLength = 4;
  std::vector<SeasonCourse> courses;
  for (const std::string& file : ListFolder(dataFolder, "*" + extension)) {
    if (file.size() != kDayNameLength + kNameLength + extension.size()) continue;
    const std::string name = file.substr(kDayNameLength, kNameLength);
    if (std::any_of(courses.begin(), courses.end(), [&](const SeasonCourse& c) { return c.name == name; })) continue;
    std::vector<std::string> codes = CourseCodesNamed(name);
    if (!codes.empty()) courses.push_back({name, std::move(codes)});
  }
  std::sort(courses.begin(), courses.end(),
            [](const SeasonCourse& a, const SeasonCourse& b) { return a.codes.front() < b.codes.front(); });
  return courses;
}

}  // namespace tw
