#include "base/throttled_user_port.h"

#include <gtest/gtest.h>

#include "support/fake_user_port.h"

namespace tw {
namespace {

using test::FakeUserPort;

TEST(ThrottledUserPort, PendingEventsRunOncePerInterval) {
  FakeUserPort inner;
  long long now = 1000;
  ThrottledUserPort port(inner, 50, [&] { return now; });
  port.ProcessEvents();  // the first always runs
  EXPECT_EQ(inner.processEventsCalls, 1);
  for (int i = 0; i < 1000; ++i) port.ProcessEvents();
  EXPECT_EQ(inner.processEventsCalls, 1);
  now += 49;
  port.ProcessEvents();
  EXPECT_EQ(inner.processEventsCalls, 1);
  now += 1;
  port.ProcessEvents();
  port.ProcessEvents();
  EXPECT_EQ(inner.processEventsCalls, 2);
  // 1 ms a call: every 50th runs.
  for (int i = 0; i < 500; ++i) {
    ++now;
    port.ProcessEvents();
  }
  EXPECT_EQ(inner.processEventsCalls, 12);
  // A clock that goes back does not hold the events up.
  now -= 10000;
  port.ProcessEvents();
  EXPECT_EQ(inner.processEventsCalls, 13);
}

TEST(ThrottledUserPort, EverythingElseIsHandedOnAtOnce) {
  FakeUserPort inner;
  inner.answers = {false, true};
  ThrottledUserPort port(inner, 50, [] { return 0LL; });
  port.Beep();
  port.Inform("a");
  EXPECT_FALSE(port.Confirm("b"));
  EXPECT_TRUE(port.Confirm("c"));
  port.SetStatus("d");
  port.SetBusy(true);
  port.SetBusy(false);
  port.WaitProcessingEvents(30);
  EXPECT_EQ(inner.waitedMillis, 30);
  EXPECT_EQ(inner.events,
            (std::vector<std::string>{"beep", "inform:a", "confirm:b", "confirm:c", "status:d", "busy:1", "busy:0"}));
}

}  // namespace
}  // namespace tw
