#include "acquire/fetch_time_settings.h"

#include <gtest/gtest.h>

#include "support/acquire_fixture.h"

namespace tw::test {
namespace {

class FetchTimeSettingsTest : public ::testing::Test, public AcquireFixture {};

TEST_F(FetchTimeSettingsTest, DialogValuesAreKeptWithinTheirRanges) {
  EXPECT_EQ(ReadFetchDelay(settings), 5);
  EXPECT_EQ(ReadResultInterval(settings), 15);
  StoreFetchDelay(settings, 20);
  StoreResultInterval(settings, 2);
  EXPECT_EQ(ReadFetchDelay(settings), 15);
  EXPECT_EQ(ReadResultInterval(settings), 5);
  StoreFetchDelay(settings, -3);
  StoreResultInterval(settings, 60);
  EXPECT_EQ(ReadFetchDelay(settings), 0);
  EXPECT_EQ(ReadResultInterval(settings), 59);
}

}  // namespace
}  // namespace tw::test
