// The courses a data folder has races at, for choosing which count: read
// from the names of the runner files ("2024年05月12日東京.jvSEr"), so that
// no day has to be loaded for it.
#pragma once

#include <string>
#include <vector>

namespace tw {

struct SeasonCourse {
  std::string name;                // as the program shows it, Shift-JIS
  std::vector<std::string> codes;  // the course codes of that name
};

// Every course with a runner file in `dataFolder`, once, in course-code order.
std::vector<SeasonCourse> SeasonCoursesOf(const std::string& dataFolder);

}  // namespace tw
