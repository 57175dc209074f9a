// The day list: the days of a data folder from its race files, newest first.
#include "store/day_list.h"

#include <gtest/gtest.h>

#include "store/store_records.h"
#include "text/fields.h"
#include "text/sjis.h"

namespace tw {
namespace {

TEST(DayList, NewestDayFirstFromTheRaceFilesOnly) {
  test::TempDir dir;
  for (const char* name : {"2006年07月16日.jvRA", "2006年07月22日.jvRA", "2006年07月15日.jvRA", "2006年07月29日.jvO1",
                           "2006年07月29日東京.jvSEr"}) {
    ASSERT_TRUE(SaveLines(JoinPath(dir.str(), Sjis(name)), {"x"}));
  }
  EXPECT_EQ(MakeDayList(dir.str()),
            (std::vector<std::string>{Sjis("2006年07月22日"), Sjis("2006年07月16日"), Sjis("2006年07月15日")}));
  EXPECT_TRUE(MakeDayList(JoinPath(dir.str(), "missing")).empty());
}

}  // namespace
}  // namespace tw
