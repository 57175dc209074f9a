// What the season report was asked for, as its text and JSON repeat it.
#pragma once

#include <string>
#include <vector>

namespace tw {

struct SeasonHeading {
  std::string dataFolder;            // UTF-8, as given
  std::string from, to;              // yyyymmdd; empty: open
  std::vector<std::string> courses;  // UTF-8 names as given; empty: every course
  std::string filter;                // Shift-JIS, what SeasonFilter::Text says; empty: every race
};

}  // namespace tw
