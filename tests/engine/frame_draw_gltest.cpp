// Frames, panels and skin backgrounds in a real window: each window style draws its frame
// without a GL error, a frame, panel or background of no size draws nothing, and the skin
// surfaces of window style 4 show where the dialog lies.
#include <GL/gl.h>

#include "engine/frames.h"
#include "engine/skins.h"
#include "tests/engine/ui_fixture.h"

namespace {

class FrameDraw : public UiFrame {
 protected:
  // Clears the frame, puts the matrix at the middle of the dialog plane, runs `draw` and
  // returns the brightness of the whole window.
  template <typename Draw>
  long drawnAlone(Draw draw) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTranslatef(-0.803f + 300 / 502.0f, 0.605f - 200 / 502.0f, -1.9f);
    draw();
    glEnable(GL_DEPTH_TEST);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    return brightness(0, 0, 1024, 768);
  }
};

TEST_F(FrameDraw, EveryStyleDrawsItsFrameAndNothingWithoutASize) {
  for (int32_t style : {1, 2, 3, 4}) {
    appopt.windowStyle = style;
    for (int32_t detail : {1, 3, 5}) {
      appopt.detailLevel = detail;
      const std::string at = "style " + std::to_string(style) + " detail " + std::to_string(detail);
      EXPECT_GT(drawnAlone([] { drawElementFrame(0, false, 1.0f, 20, 105, 300); }), 0) << at;
      EXPECT_GT(drawnAlone([] { drawElementFrame(0, false, 1.0f, 20, 22, 80); }), 0) << at;
      // No size: nothing, and no division by the missing width.
      EXPECT_EQ(drawnAlone([] { drawElementFrame(0, false, 1.0f, 20, 105, 0); }), 0) << at;
      EXPECT_EQ(drawnAlone([] { drawElementFrame(0, false, 1.0f, 20, 0, 300); }), 0) << at;
      EXPECT_EQ(drawnAlone([] { drawElementFrame(0, false, 1.0f, 20, -53, 300); }), 0) << at;
    }
  }
}

TEST_F(FrameDraw, PanelsAndBackgroundsOfNoSizeDrawNothing) {
  appopt.detailLevel = 3;
  EXPECT_GT(drawnAlone([] { drawTexturedPanel(0, 100, 100, 400, 300, 1.0f); }), 0);
  EXPECT_GT(drawnAlone([] { drawTexturedPanel(0, 100, 100, 400, 500, 1.0f); }), 0);
  EXPECT_GT(drawnAlone([] { drawTexturedPanel(1, 100, 100, 400, 30, 1.0f); }), 0);
  EXPECT_EQ(drawnAlone([] { drawTexturedPanel(0, 100, 100, -400, -300, 1.0f); }), 0) << "both negative";
  EXPECT_EQ(drawnAlone([] { drawTexturedPanel(1, 100, 100, 400, 0, 1.0f); }), 0);
  EXPECT_GT(drawnAlone([] { drawDialogBackground(7, 12, 12, 100, 100, 300, 200, 1.0f, 0, 0); }), 0);
  EXPECT_EQ(drawnAlone([] { drawDialogBackground(7, 12, 12, 100, 100, 0, 200, 1.0f, 0, 0); }), 0);
  EXPECT_EQ(drawnAlone([] { drawDialogBackground(0, 160, 110, 100, 100, 300, -1, 1.0f, 0, 9); }), 0);
  EXPECT_EQ(drawnAlone([] { drawDialogBackground(2, 26, 26, 0, 0, -50, 40, 1.0f, 0, 2); }), 0);
}

TEST_F(FrameDraw, StyleFourDialogsLieOnTheirSkin) {
  if (!loadSkin()) GTEST_SKIP() << "this build has not generated the engine's pictures";
  ASSERT_GT(surfaceTextures[10], 0) << "surface 10 loaded at the first paint's step";
  appopt.windowStyle = 4;
  vtl.glVersion = 14;  // no glass: the skin alone
  plainDialog(250, 150, 300, 300, false);
  const int32_t bar = plainDialog(0, 570, 800, 36, false);
  frameAfter(0);
  frameAfter(kAnimationMs);
  // The dialog's skin (surface 10) starts below its title; the bar lies at the bottom.
  EXPECT_GT(brightness(512 - 40, 400 - 40, 80, 80), 80L * 80 * 3 * 10) << "the dialog's skin";
  int32_t px = 0, py = 0;
  toPixel(400, 588, px, py);
  EXPECT_GT(brightness(px - 20, py - 5, 40, 10), 40L * 10 * 3 * 10) << "the bottom bar";
  toPixel(400, 100, px, py);
  EXPECT_EQ(brightness(px - 20, py - 5, 40, 10), 0) << "nothing above the dialog";
  (void)bar;
}

}  // namespace
