// The display-mode list and the full-screen switch on the null window.
#include <gtest/gtest.h>

#include "engine/display_modes.h"
#include "platform/window.h"

namespace {
class DisplayModesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winSetBackend(WindowBackend::null);
    winNullReset();
  }
  void TearDown() override {
    fullscr.destroy();
    winClose();
    winNullReset();
  }
};

std::string modesText(const std::vector<TVTLDisplayMode>& modes) {
  std::string s;
  for (const auto& m : modes) s += std::to_string(m.width) + "x" + std::to_string(m.height) + "x" + std::to_string(m.bits) + " ";
  return s;
}
}  // namespace

TEST_F(DisplayModesTest, ListKeepsUsableModesOnceInSystemOrder) {
  const std::vector<DisplayMode> listed = {
      {640, 480, 16}, {640, 480, 16}, {640, 480, 16},  // three refresh rates
      {320, 240, 16},                                  // too narrow
      {1600, 1200, 8},                                 // 8 bits
      {800, 600, 32}, {800, 600, 24},                  // 24 bits packed
      {640, 480, 16},                                  // equal to an earlier, not the one before
      {4096, 2160, 32},                                // too wide
      {512, 384, 32}, {4000, 3000, 16},                // the bounds themselves count
  };
  EXPECT_EQ(modesText(filterDisplayModes(listed)),
            "640x480x16 800x600x32 640x480x16 512x384x32 4000x3000x16 ");
}

TEST_F(DisplayModesTest, FindModeNumbersFromOne) {
  winNullSetDisplay({1280, 1024, 32}, {{640, 480, 16}, {800, 600, 32}, {1280, 1024, 32}});
  fullscr.create();
  EXPECT_EQ(fullscr.resolutionscount, 3);
  EXPECT_EQ(fullscr.findMode(800, 600, 32), 2);
  EXPECT_EQ(fullscr.findMode(1024, 768, 32), 0);
  EXPECT_TRUE(fullscr.hasMode(tFullScreen::makeMode(640, 480, 16)));
  EXPECT_FALSE(fullscr.hasMode(tFullScreen::makeMode(640, 480, 32)));
  EXPECT_EQ(fullscr.mode(3).width, 1280);
}

TEST_F(DisplayModesTest, SwitchKeepsTheWindowRectangleAndRestoresIt) {
  winNullSetDisplay({1280, 1024, 32}, {{800, 600, 32}, {1024, 768, 32}});
  fullscr.create();
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  winSetPosition(50, 60);
  EXPECT_FALSE(fullscr.setMode(tFullScreen::makeMode(1280, 1024, 32), true));  // not listed
  EXPECT_FALSE(fullscr.switched);
  ASSERT_TRUE(fullscr.setMode(tFullScreen::makeMode(800, 600, 32), true));
  EXPECT_TRUE(fullscr.switched);
  ASSERT_TRUE(fullscr.setMode(tFullScreen::makeMode(1024, 768, 32), true));
  EXPECT_EQ(fullscr.savedWindowRect.left, 50);  // from before the first switch
  EXPECT_EQ(fullscr.savedWindowRect.width, 640);
  fullscr.restore();
  EXPECT_FALSE(fullscr.switched);
  EXPECT_FALSE(winDisplaySwitched());
  EXPECT_EQ(winRect().left, 50);
  EXPECT_EQ(winRect().width, 640);
}

TEST_F(DisplayModesTest, FailedSwitchIsNotSwitched) {
  winNullSetDisplay({1280, 1024, 32}, {{800, 600, 32}});
  fullscr.create();
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  winNullFailSwitch(true);
  EXPECT_FALSE(fullscr.setMode(tFullScreen::makeMode(800, 600, 32), false));
  EXPECT_FALSE(fullscr.switched);
}

TEST_F(DisplayModesTest, DestroyRestoresASwitchedDisplay) {
  winNullSetDisplay({1280, 1024, 32}, {{800, 600, 32}});
  fullscr.create();
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  ASSERT_TRUE(fullscr.setMode(tFullScreen::makeMode(800, 600, 32), true));
  fullscr.destroy();
  EXPECT_FALSE(winDisplaySwitched());
  EXPECT_EQ(fullscr.resolutionscount, 0);
}
