#include "season/season_courses.h"

#include <gtest/gtest.h>

#include "support/season_days.h"
#include "support/temp_dir.h"
#include "text/files.h"
#include "text/sjis.h"

namespace tw {
namespace {

std::vector<std::string> Names(const std::vector<SeasonCourse>& courses) {
  std::vector<std::string> names;
  for (const SeasonCourse& c : courses) names.push_back(SjisToUtf8(c.name));
  return names;
}

TEST(SeasonCourses, TheCoursesOfTheRunnerFilesInCodeOrder) {
  test::TempDir dir;
  const std::string data = dir.file("Data");
  test::WriteHandWorkedSeason(data);  // 東京 on four days, 中山 on one
  // A course that comes before both in code order, and names of no course.
  for (const char* name :
       {"2024年07月06日札幌.jvSEr", "2024年07月06日東京X.jvSEr", "2024年07月06日ABCD.jvSEr", "2024年07月06日京都.jvRA"})
    ASSERT_TRUE(WriteFileAtomic(JoinPath(data, Sjis(name)), ""));
  const std::vector<SeasonCourse> courses = SeasonCoursesOf(data);
  EXPECT_EQ(Names(courses), (std::vector<std::string>{"札幌", "東京", "中山"}));
  EXPECT_EQ(courses[1].codes, (std::vector<std::string>{"05"}));
  EXPECT_TRUE(SeasonCoursesOf(dir.file("nowhere")).empty());
}

}  // namespace
}  // namespace tw
