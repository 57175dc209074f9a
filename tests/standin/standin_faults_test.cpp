#include "standin/standin_faults.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(FaultPlan, ParsesRulesAndSkipsWhatDoesNotParse) {
  FaultPlan plan = FaultPlan::Parse(
      "# comment\r\n; other comment\r\n\r\nJVRTOpen=-303\r\n JVRead @ 3 = -502 \r\nJVRTOpen(0B12)=-1\r\n"
      "JVClose=throw\r\nJVRead@0=-1\r\nJVRead@x=-1\r\n=5\r\nJVOpen=abc\r\nJVOpen(RACE=-1\r\n");
  EXPECT_EQ(plan.Find("JVRTOpen", "0B30", 1)->code, -303);
  EXPECT_EQ(plan.Find("JVRTOpen", "0B12", 7)->code, -303);  // the first rule that matches wins
  EXPECT_FALSE(plan.Find("JVRead", "RACE", 2));
  EXPECT_EQ(plan.Find("JVRead", "RACE", 3)->code, -502);
  EXPECT_EQ(plan.Find("JVClose", "", 1)->action, FaultRule::Action::kThrow);
  EXPECT_FALSE(plan.Find("JVOpen", "RACE", 1));
}

TEST(FaultPlan, SpecLimitsARule) {
  FaultPlan plan = FaultPlan::Parse("JVRTOpen(0B12)=-1\njvread@2=-403\n");
  EXPECT_FALSE(plan.Find("JVRTOpen", "0B30", 1));
  EXPECT_EQ(plan.Find("JVRTOpen", "0B12", 1)->code, -1);
  EXPECT_EQ(plan.Find("JVRead", "0B30", 2)->code, -403);  // call names ignore case
  EXPECT_TRUE(FaultPlan::Parse("").empty());
}

TEST(FaultPlan, RangesAndProcessFaults) {
  FaultPlan plan = FaultPlan::Parse("JVRead@2-4=-3\nJVRead@5=hang\nJVStatus=crash\nJVRead@4-2=-1\nJVRead@3-x=-1\n");
  EXPECT_FALSE(plan.Find("JVRead", "RACE", 1));
  for (int n : {2, 3, 4}) EXPECT_EQ(plan.Find("JVRead", "RACE", n)->code, -3) << n;
  EXPECT_EQ(plan.Find("JVRead", "RACE", 5)->action, FaultRule::Action::kHang);
  EXPECT_FALSE(plan.Find("JVRead", "RACE", 6));
  EXPECT_EQ(plan.Find("JVStatus", "RACE", 9)->action, FaultRule::Action::kCrash);
}

}  // namespace
}  // namespace tw
