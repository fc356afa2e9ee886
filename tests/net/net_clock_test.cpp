// The turn clock: warning stages per setting, the overrun sent with the sync state, and
// both across the tick's wrap.
#include <gtest/gtest.h>

#include "net/net_transport.h"
#include "platform/tick.h"

namespace {
struct ClockTable {
  explicit ClockTable(int32_t setting, uint32_t startTick = 1000) {
    useFakeTick(startTick);
    t.hooks.turnClockSetting = [setting] { return setting; };
    t.hooks.seatToActLocal = [] { return 2; };
    t.hooks.gamePhase = [] { return 5; };  // no announcement: nobody is connected
  }
  ~ClockTable() { useFakeTick(1000); }
  TNetz t;
};
}  // namespace

TEST(NetClock, SixtySecondWarningsAskedEveryTenthOfASecond) {
  ClockTable c(7);
  c.t.startTurnClock(0);
  std::vector<int32_t> answers;
  for (int step = 0; step <= 620; ++step) {
    const int32_t w = c.t.nextTurnClockWarning(true);
    if (answers.empty() || answers.back() != w) answers.push_back(w);
    advanceFakeTick(100);
  }
  EXPECT_EQ(answers, (std::vector<int32_t>{60, 57, -1, 20, -1, 17, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 100}));
}

TEST(NetClock, FiveSecondsWarnTenThenFive) {
  ClockTable c(2);
  c.t.startTurnClock(-1);
  EXPECT_EQ(c.t.clockDuration, 5000);
  EXPECT_TRUE(c.t.clockAuto);
  EXPECT_EQ(c.t.nextTurnClockWarning(true), 10);
  EXPECT_EQ(c.t.nextTurnClockWarning(true), 5);
  advanceFakeTick(1500);
  EXPECT_EQ(c.t.nextTurnClockWarning(false), 3) << "without advance: the whole seconds left";
}

TEST(NetClock, WhenNoClockStarts) {
  struct Case {
    const char* what;
    int32_t setting;
    bool resultShown;
    int32_t toAct;
    bool runs;
  } cases[] = {
      {"no limit", 1, false, 2, false},
      {"list over, the user to act", 3, true, 1, false},
      {"list over, another seat to act", 3, true, 2, true},
      {"a limit", 3, false, 1, true},
  };
  for (const Case& k : cases) {
    ClockTable c(k.setting);
    c.t.hooks.seatToActLocal = [&] { return k.toAct; };
    c.t.resultShown = k.resultShown;
    c.t.startTurnClock(0);
    EXPECT_EQ(c.t.clockRunning, k.runs) << k.what;
  }
  ClockTable c(7);
  c.t.startTurnClock(0);
  c.t.nextTurnClockWarning(true);
  advanceFakeTick(4000);
  c.t.nextTurnClockWarning(true);  // stage 0 now
  c.t.startTurnClock(2000);
  EXPECT_EQ(c.t.clockDuration, 60000) << "a running clock is left alone";
  EXPECT_EQ(c.t.clockStage, 0);
}

TEST(NetClock, AcrossTheTickWrap) {
  ClockTable c(3, 0xFFFFFFFFu - 2000);
  c.t.startTurnClock(0);
  struct Step {
    uint32_t advance;
    int64_t remaining;
    int32_t overrun;  // what sendSync carries as valueB
  } steps[] = {
      {4000, 6000, 0}, {6000, 0, 0}, {1499, -1499, -1}, {1001, -2500, -2}, {1000, -3500, -4},
  };
  for (const Step& s : steps) {
    advanceFakeTick(s.advance);
    EXPECT_EQ(c.t.clockRemainingMs(), s.remaining);
    EXPECT_EQ(c.t.clockOverrunSeconds(), s.overrun) << s.remaining;
  }
  ClockTable fresh(2, 0x7FFFFFFFu - 500);  // past 2^31 the clock still has its time
  fresh.t.startTurnClock(0);
  advanceFakeTick(1000);
  EXPECT_EQ(fresh.t.nextTurnClockWarning(true), 10);
  EXPECT_EQ(fresh.t.nextTurnClockWarning(false), 4);
  fresh.t.resultShown = true;
  EXPECT_EQ(fresh.t.clockOverrunSeconds(), 0);
  EXPECT_EQ(fresh.t.nextTurnClockWarning(true), -1);
}
