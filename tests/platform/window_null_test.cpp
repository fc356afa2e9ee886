// The null window backend that headless tests run the engine on.
#include <gtest/gtest.h>

#include "platform/window.h"

namespace {
class NullWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winSetBackend(WindowBackend::null);
    winNullReset();
  }
  void TearDown() override {
    winClose();
    winNullReset();
  }
  // Drains the queue and returns the kinds in order.
  static std::vector<WinEventKind> drain() {
    std::vector<WinEventKind> kinds;
    WinEvent e;
    while (winPollEvent(e)) kinds.push_back(e.kind);
    return kinds;
  }
};
}  // namespace

TEST_F(NullWindowTest, IsTheDefaultBackend) { EXPECT_EQ(winBackend(), WindowBackend::null); }

TEST_F(NullWindowTest, OpensCentredAsksForPaintAndReportsResizes) {
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  const WindowRect r = winRect();
  EXPECT_EQ(r.left, 192);
  EXPECT_EQ(r.top, 144);
  EXPECT_EQ(drain(), std::vector<WinEventKind>{WinEventKind::paint});
  winSetSize(800, 600);
  winSetSize(800, 600);  // unchanged: no second event
  WinEvent e;
  ASSERT_TRUE(winPollEvent(e));
  EXPECT_EQ(e.kind, WinEventKind::resize);
  EXPECT_EQ(e.x, 800);
  EXPECT_EQ(e.y, 600);
  EXPECT_FALSE(winPollEvent(e));
}

TEST_F(NullWindowTest, ContextNeedsTheWindow) {
  EXPECT_FALSE(winCreateContext());
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  ASSERT_TRUE(winCreateContext());
  EXPECT_EQ(winContextInfo().stencilBits, 8);
  EXPECT_TRUE(winContextInfo().doubleBuffer);
  winDestroyContext();
  EXPECT_FALSE(winHasContext());
}

TEST_F(NullWindowTest, DisplaySwitchOnlyToListedModesAndBack) {
  winNullSetDisplay({1280, 1024, 32}, {{800, 600, 16}, {800, 600, 32}, {1280, 1024, 32}});
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  winSetPosition(30, 40);
  EXPECT_FALSE(winSwitchDisplay({1024, 768, 32}));
  EXPECT_FALSE(winDisplaySwitched());
  ASSERT_TRUE(winSwitchDisplay({800, 600, 32}));
  EXPECT_TRUE(winDisplaySwitched());
  EXPECT_EQ(winDesktopMode().width, 800);
  EXPECT_EQ(winRect().width, 800);
  ASSERT_TRUE(winSwitchDisplay({800, 600, 16}));  // a second switch keeps the first rectangle
  winRestoreDisplay();
  EXPECT_FALSE(winDisplaySwitched());
  const WindowRect r = winRect();
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.width, 640);
  EXPECT_EQ(winDesktopMode().width, 1280);
  winNullFailSwitch(true);
  EXPECT_FALSE(winSwitchDisplay({800, 600, 32}));
}

TEST_F(NullWindowTest, CloseRequestsAndPushedInputArriveInOrder) {
  ASSERT_TRUE(winOpen("Skat", 640, 480));
  drain();
  WinEvent key;
  key.kind = WinEventKind::keyDown;
  key.key = 13;
  winNullPushEvent(key);
  winPostClose();
  EXPECT_EQ(drain(), (std::vector<WinEventKind>{WinEventKind::keyDown, WinEventKind::close}));
}

TEST_F(NullWindowTest, MessageBoxesAreRecordedNotShown) {
  winMessageBox("Error", "Text");
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_EQ(winNullMessageBoxes()[0], "Error|Text");
}

TEST_F(NullWindowTest, VideoMemoryIsUnknownUntilTold) {
  EXPECT_EQ(winVideoMemoryBytes(), kUnknownVideoMemory);
  winNullSetVideoMemory(134000000);
  EXPECT_EQ(winVideoMemoryBytes(), 134000000u);
}
