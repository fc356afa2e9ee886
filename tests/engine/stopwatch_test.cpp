// The engine's stopwatch on a fake clock: slots add up between mark and elapsed, a new start
// clears the slots in use, and the report gives each slot's share of the total.
#include <gtest/gtest.h>

#include "engine/stopwatch.h"
#include "platform/errors.h"
#include "platform/tick.h"

namespace {

class StopwatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stopwatch = TVTLTimer{};
    useFakeTick(1000);
  }
  void TearDown() override {
    stopwatch = TVTLTimer{};
    useRealTick();
  }
  void measure(int32_t slot, uint32_t ms) {
    markStopwatch(slot);
    advanceFakeTick(ms);
    stopwatchElapsed(slot);
  }
};

TEST_F(StopwatchTest, ReportGivesEachSlotItsShare) {
  startStopwatch(3);
  measure(2, 500);
  advanceFakeTick(1500);
  EXPECT_EQ(stopwatchReportText(getTickCount()),
            "Zeit gesamt: 2000 ms\n\rNr. 1 : 0 %\n\rNr. 2 : 25 %\n\rNr. 3 : 0 %");
}

TEST_F(StopwatchTest, SharesRoundHalvesToEvenAndNamesShow) {
  startStopwatch(2);
  stopwatch.names[1] = "Spielschritt";
  measure(1, 5);   // 5 of 200: 2.5 -> 2
  measure(2, 7);   // 7 of 200: 3.5 -> 4
  advanceFakeTick(188);
  EXPECT_EQ(stopwatchReportText(getTickCount()), "Zeit gesamt: 200 ms\n\rNr. 1 Spielschritt: 2 %\n\rNr. 2 : 4 %");
}

TEST_F(StopwatchTest, NoTimeSinceTheStartGivesZeroPercent) {
  startStopwatch(1);
  stopwatch.totals[1] = 40;  // left from an earlier measurement that the report must not divide
  EXPECT_EQ(stopwatchReportText(getTickCount()), "Zeit gesamt: 0 ms\n\rNr. 1 : 0 %");
}

TEST_F(StopwatchTest, SlotsAddUpAndANewStartClearsThoseInUse) {
  startStopwatch(4);
  measure(3, 10);
  measure(3, 15);
  measure(4, 0);  // nothing to add
  EXPECT_EQ(stopwatch.totals[3], 25u);
  EXPECT_EQ(stopwatch.totals[4], 0u);
  measure(6, 9);  // a slot beyond the count still measures
  startStopwatch(4);
  EXPECT_EQ(stopwatch.totals[3], 0u);
  EXPECT_EQ(stopwatch.totals[6], 9u) << "slots beyond the count keep their totals";
}

TEST_F(StopwatchTest, MeasuresAcrossTheTickWrap) {
  useFakeTick(0xFFFFFFF0u);
  startStopwatch(1);
  measure(1, 0x20);
  EXPECT_EQ(stopwatch.totals[1], 0x20u);
  EXPECT_EQ(stopwatchReportText(getTickCount()), "Zeit gesamt: 32 ms\n\rNr. 1 : 100 %");
}

TEST_F(StopwatchTest, RangeErrors) {
  EXPECT_THROW(startStopwatch(21), ERangeError);
  EXPECT_THROW(startStopwatch(-1), ERangeError);
  EXPECT_THROW(markStopwatch(21), ERangeError);
  EXPECT_THROW(stopwatchElapsed(-1), ERangeError);
  startStopwatch(1);
  stopwatch.totals[1] = 0xFFFFFFF0u;
  markStopwatch(1);
  advanceFakeTick(0x20);
  EXPECT_THROW(stopwatchElapsed(1), ERangeError) << "a total beyond 32 bits";
  EXPECT_NO_THROW(startStopwatch(20));
}

}  // namespace
