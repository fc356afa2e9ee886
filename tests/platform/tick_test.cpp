// The wrapping millisecond tick.
#include <gtest/gtest.h>

#include "platform/tick.h"

TEST(Tick, DifferencesSurviveTheWrap) {
  useFakeTick(0xFFFFFF00u);
  uint32_t before = getTickCount();
  advanceFakeTick(0x200);
  uint32_t after = getTickCount();
  EXPECT_LT(after, before);  // wrapped
  EXPECT_EQ(tickDiff(after, before), 0x200u);
  useFakeTick(1000);
}

TEST(Tick, RealClockMoves) {
  useRealTick();
  uint32_t a = getTickCount();
  uint32_t b = getTickCount();
  EXPECT_LT(tickDiff(b, a), 1000u);
  useFakeTick(1000);
}
