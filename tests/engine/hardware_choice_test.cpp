// The first-start test's arithmetic: memory classes, the memory shortcut, the benchmark
// fix-ups, the tier table and the display mode of the chosen tier.
#include <gtest/gtest.h>

#include "engine/hardware_test.h"
#include "platform/tick.h"
#include "platform/window.h"

namespace {
class HardwareChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winSetBackend(WindowBackend::null);
    winNullReset();
  }
  void TearDown() override {
    fullscr.destroy();
    winNullReset();
  }
  void listModes(const std::vector<DisplayMode>& modes) {
    winNullSetDisplay({1920, 1080, 32}, modes);
    fullscr.create();
  }
};

const std::vector<DisplayMode> kCommonModes = {
    {640, 480, 16}, {640, 480, 32}, {800, 600, 16}, {800, 600, 32}, {1024, 768, 16}, {1024, 768, 32},
};
}  // namespace

TEST_F(HardwareChoiceTest, MemoryBands) {
  struct Case {
    int32_t mb;
    bool c64, c128, c256;
  };
  const Case cases[] = {
      {61, false, false, false}, {62, true, false, false},   {68, true, false, false},
      {100, false, false, false}, {134, true, true, false},  {253, true, true, true},
      {300, false, false, false}, {2112, true, true, true},  {2113, false, false, false},
      {0, false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isVideoMemory64(c.mb), c.c64) << c.mb;
    EXPECT_EQ(isVideoMemory128(c.mb), c.c128) << c.mb;
    EXPECT_EQ(isVideoMemory256(c.mb), c.c256) << c.mb;
  }
}

TEST_F(HardwareChoiceTest, MemoryFigureComesFromThePlatformInMillionsOfBytes) {
  winNullSetVideoMemory(134217728);  // 128 MiB
  EXPECT_EQ(videoMemoryMB(), 134);
  winNullSetVideoMemory(kUnknownVideoMemory);
  EXPECT_EQ(videoMemoryMB(), 0);
}

TEST_F(HardwareChoiceTest, A128MegabyteCardSkipsTheBenchmarkIntoTierTwo) {
  listModes(kCommonModes);
  TVTLBenchCounts counts;
  const int32_t found = hwMemoryShortcut(134, fullscr, counts);
  EXPECT_EQ(found, fullscr.findMode(1024, 768, 32));
  EXPECT_EQ(counts.S, 120);
  const TVTLGraphicsChoice c = hwChooseTier(counts, false, 1920, 1080);
  EXPECT_EQ(c.tier, 2);
  EXPECT_EQ(c.detail3D, 3);
  EXPECT_EQ(c.effectsDetail, 1);
  EXPECT_TRUE(c.effects);
  EXPECT_TRUE(c.softShadows);
  EXPECT_EQ(c.width, 1024);
  EXPECT_EQ(hwFindChoiceMode(c, fullscr), fullscr.findMode(1024, 768, 32));
}

TEST_F(HardwareChoiceTest, MemoryOutsideEveryClassRunsTheBenchmark) {
  listModes(kCommonModes);
  TVTLBenchCounts counts;
  EXPECT_EQ(hwMemoryShortcut(300, fullscr, counts), 0);
  EXPECT_EQ(counts.S, 0);
  // A class whose modes are all missing finds nothing either (its S still counts).
  fullscr.destroy();
  listModes({{1024, 768, 32}});
  EXPECT_EQ(hwMemoryShortcut(66, fullscr, counts), 0);
  EXPECT_EQ(counts.S, 60);
}

TEST_F(HardwareChoiceTest, HighShadowCountMeansTopTier) {
  TVTLBenchCounts counts{300, 90, 200, 45};
  hwAfterBenchmark(counts);
  EXPECT_EQ(counts.S, 200);
  const TVTLGraphicsChoice c = hwChooseTier(counts, true, 1920, 1080);
  EXPECT_EQ(c.tier, 1);
  EXPECT_EQ(c.detail3D, 5);
  EXPECT_EQ(c.effectsDetail, 2);
  EXPECT_TRUE(c.softShadowsChosen);
  EXPECT_FALSE(c.softShadows);  // no auxiliary buffers
  EXPECT_EQ(c.width, 1920);
  EXPECT_EQ(c.height, 1080);
}

TEST_F(HardwareChoiceTest, MissingSixteenBitModeCountsTheOthers) {
  TVTLBenchCounts counts{0, 30, 40, 5};
  hwFillMissingA(counts);
  EXPECT_EQ(counts.A, 75);
  EXPECT_EQ(hwChooseTier(counts, false, 1024, 768).tier, 7);
  TVTLBenchCounts ran{12, 30, 40, 5};  // the 16-bit mode ran: nothing changes
  hwFillMissingA(ran);
  EXPECT_EQ(ran.A, 12);
}

TEST_F(HardwareChoiceTest, TierTable) {
  struct Case {
    TVTLBenchCounts counts;
    int32_t tier, depth, width, detail3D, effectsDetail;
    bool effects;
  };
  const Case cases[] = {
      {{0, 150, 0, 0}, 1, 32, 1920, 4, 2, true},  {{0, 180, 0, 0}, 1, 32, 1920, 5, 2, true},
      {{0, 130, 0, 0}, 2, 32, 1024, 4, 2, true},  {{0, 100, 0, 0}, 2, 32, 1024, 3, 1, true},
      {{0, 50, 0, 0}, 3, 32, 800, 2, 1, true},    {{0, 49, 160, 0}, 4, 32, 1024, 4, 1, false},
      {{0, 0, 80, 0}, 5, 32, 800, 3, 1, false},   {{90, 0, 79, 0}, 6, 16, 800, 4, 1, false},
      {{30, 0, 0, 0}, 7, 16, 640, 2, 1, false},   {{29, 0, 0, 0}, 8, 16, 640, 1, 1, false},
  };
  for (const Case& c : cases) {
    const TVTLGraphicsChoice g = hwChooseTier(c.counts, false, 1920, 1080);
    SCOPED_TRACE("A " + std::to_string(c.counts.A) + " S " + std::to_string(c.counts.S) + " P " +
                 std::to_string(c.counts.P));
    EXPECT_EQ(g.tier, c.tier);
    EXPECT_EQ(g.colourDepth, c.depth);
    EXPECT_EQ(g.width, c.width);
    EXPECT_EQ(g.detail3D, c.detail3D);
    EXPECT_EQ(g.effectsDetail, c.effectsDetail);
    EXPECT_EQ(g.effects, c.effects);
    EXPECT_EQ(g.softShadowsChosen, c.tier <= 2);
  }
}

TEST_F(HardwareChoiceTest, ModeFallsBackThroughSmallerSizesAndDepths) {
  TVTLGraphicsChoice top = hwChooseTier({0, 200, 0, 0}, false, 1920, 1080);
  listModes({{800, 600, 32}, {1024, 768, 32}});
  EXPECT_EQ(hwFindChoiceMode(top, fullscr), fullscr.findMode(1024, 768, 32));
  fullscr.destroy();
  listModes({{800, 600, 32}});
  EXPECT_EQ(hwFindChoiceMode(top, fullscr), fullscr.findMode(800, 600, 32));
  fullscr.destroy();
  listModes({{800, 600, 16}, {640, 480, 16}});
  EXPECT_EQ(hwFindChoiceMode(top, fullscr), fullscr.findMode(800, 600, 16));
  fullscr.destroy();
  listModes({{640, 480, 16}});
  EXPECT_EQ(hwFindChoiceMode(top, fullscr), fullscr.findMode(640, 480, 16));
  fullscr.destroy();
  listModes({{1024, 768, 32}});
  // Tier 5 asks for 800 x 600: never upwards to 1024 x 768.
  EXPECT_EQ(hwFindChoiceMode(hwChooseTier({0, 0, 80, 0}, false, 1920, 1080), fullscr), 0);
}

TEST(HardwareFrames, SpanEndsAtTheFirstCheckPastItsLength) {
  useFakeTick(5000);
  int32_t drawn = 0;
  const int32_t frames = hwCountFrames(1000, [&] {
    drawn++;
    advanceFakeTick(100);
  });
  EXPECT_EQ(frames, 11);  // after 10 frames exactly 1,000 ms passed: one more
  EXPECT_EQ(drawn, 11);
  useFakeTick(1000);
}
