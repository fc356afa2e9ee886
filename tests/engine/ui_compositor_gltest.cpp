// The compositor in a real window: dialog backgrounds in their frame colour, the fade after
// closing, the layer order, the 16:9 overlay and what it leaves behind, the glow frames.
#include <GL/gl.h>

#include "tests/engine/ui_fixture.h"

namespace {
const Rgb kBlack{0, 0, 0};
const Rgb kDefaultFrame{0, 0, 204};  // "Border 2 (def)" of the fixture
const Rgb kUpperFrame{204, 0, 0};    // "Border 1 (oben)" of the fixture

// A texture of one colour, as a dialog's back picture.
int32_t solidTexture(unsigned char r, unsigned char g, unsigned char b) {
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  const unsigned char texels[4 * 3] = {r, g, b, r, g, b, r, g, b, r, g, b};
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  return int32_t(t);
}
}  // namespace

TEST_F(UiFrame, APlainDialogShowsItsFrameColourInsideOnly) {
  plainDialog(200, 150, 400, 300, false);
  frameAfter(0);
  frameAfter(kAnimationMs);
  EXPECT_PRED3(near, at(400, 300), kDefaultFrame, 3) << at(400, 300);
  EXPECT_PRED3(near, at(210, 160), kDefaultFrame, 3) << at(210, 160);
  EXPECT_PRED3(near, at(150, 300), kBlack, 0) << "left of the dialog: " << at(150, 300);
  EXPECT_PRED3(near, at(400, 500), kBlack, 0) << "below the dialog: " << at(400, 500);
}

TEST_F(UiFrame, AClosedDialogIsHalfFadedAfter175MsAndGoneAfter350) {
  const int32_t d = plainDialog(200, 150, 400, 300, false);
  frameAfter(0);
  EXPECT_PRED3(near, at(400, 300), kBlack, 1) << "the first frame starts the fade-in";
  frameAfter(kAnimationMs);
  ASSERT_PRED3(near, at(400, 300), kDefaultFrame, 3);
  closeDialog(d);
  frameAfter(0);
  EXPECT_PRED3(near, at(400, 300), kDefaultFrame, 3) << "closing starts the fade-out";
  frameAfter(175);
  EXPECT_PRED3(near, at(400, 300), (Rgb{0, 0, 102}), 3) << at(400, 300);
  frameAfter(175);
  EXPECT_PRED3(near, at(400, 300), kBlack, 0) << at(400, 300);
  frameAfter(1000);
  EXPECT_PRED3(near, at(400, 300), kBlack, 0) << "never drawn again";
}

TEST_F(UiFrame, PopupsLieAboveNormalDialogsAndHigherNumbersAboveLower) {
  // The popup is made first, so it has the lower number, and is still drawn above.
  const int32_t popup = createDialog(250, 200, 300, 200, true, "", false, 0, 1.0f);
  const int32_t lower = createDialog(100, 100, 300, 250, false, "", false, 0, 1.0f);
  const int32_t higher = createDialog(150, 150, 300, 250, false, "", false, 0, 1.0f);
  vtl.diags[popup].backPicture = int16_t(solidTexture(0, 255, 0));
  vtl.diags[lower].backPicture = int16_t(solidTexture(255, 0, 0));
  vtl.diags[higher].backPicture = int16_t(solidTexture(255, 255, 0));
  for (int32_t d : {popup, lower, higher}) vtl.diags[d].open = 1;
  vtl.topDialog = popup;
  frameAfter(0);
  frameAfter(kAnimationMs);
  EXPECT_PRED3(near, at(120, 120), (Rgb{255, 0, 0}), 3) << "the lower dialog alone";
  EXPECT_PRED3(near, at(200, 300), (Rgb{255, 255, 0}), 3) << "the higher number above the lower";
  EXPECT_PRED3(near, at(350, 300), (Rgb{0, 255, 0}), 3) << "the popup above both";
}

TEST_F(UiFrame, APopupThatLosesTheTopFadesOutAndBackIn) {
  const int32_t first = plainDialog(200, 150, 400, 300, true);
  frameAfter(0);
  frameAfter(kAnimationMs);
  ASSERT_PRED3(near, at(400, 300), kDefaultFrame, 3);
  const int32_t second = plainDialog(50, 50, 100, 100, true);
  frameAfter(0);
  frameAfter(175);
  // Half faded, and in the colour of a popup below the top.
  EXPECT_PRED3(near, at(400, 300), (Rgb{102, 0, 0}), 3) << at(400, 300);
  frameAfter(175);
  EXPECT_PRED3(near, at(400, 300), kBlack, 0);
  closeDialog(second);
  openDialog(first);
  frameAfter(0);
  frameAfter(kAnimationMs);
  EXPECT_PRED3(near, at(400, 300), kDefaultFrame, 3);
}

TEST_F(UiFrame, WithBlendingOffTheDialogsAreOpaque) {
  const int32_t d = plainDialog(200, 150, 400, 300, false);
  frameAfter(0);
  frameAfter(kAnimationMs);
  closeDialog(d);
  blendDisabled = true;
  frameAfter(0);
  frameAfter(175);
  blendDisabled = false;
  EXPECT_PRED3(near, at(400, 300), kDefaultFrame, 3) << "half faded but not blended";
}

TEST_F(UiFrame, A169WindowSpreadsTheOverlayAndRestoresTheScene) {
  resize(1024, 576);
  ASSERT_TRUE(aspectState.aspect169);
  // A centred dialog as the relayout places it at 16:9 (x = 400 - width * 0.505).
  const int16_t width = 300;
  const int16_t x = int16_t(std::lround(400 - width * 0.505));
  plainDialog(x, 200, width, 200, false);
  frameAfter(0);
  frameAfter(kAnimationMs);
  EXPECT_PRED3(near, pixel(512, 288), kDefaultFrame, 3) << "the centred dialog covers the window's middle";
  // Its edges where the 4:3 frustum spread over a viewport a third wider than the window puts them.
  int32_t left = 0, top = 0, right = 0;
  toPixel(x, 200, left, top);
  toPixel(x + width * 502.0 / 497.0, 200, right, top);
  EXPECT_PRED3(near, pixel(left + 3, 300), kDefaultFrame, 3) << "just inside the left edge at " << left;
  EXPECT_PRED3(near, pixel(left - 3, 300), kBlack, 0) << "just outside the left edge at " << left;
  EXPECT_PRED3(near, pixel(right - 3, 300), kDefaultFrame, 3) << "just inside the right edge at " << right;
  EXPECT_PRED3(near, pixel(right + 3, 300), kBlack, 0) << "just outside the right edge at " << right;
  // The scene gets its own viewport and projection back.
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[0], 0);
  EXPECT_EQ(vp[2], windowLayout.viewWidth);
  GLdouble m[16];
  glGetDoublev(GL_PROJECTION_MATRIX, m);
  EXPECT_NEAR(m[5] / m[0], 16.0 / 9.0, 1e-3);
  EXPECT_FALSE(scenePickFlag);
  GLint depthFunc = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
  EXPECT_EQ(depthFunc, GL_LEQUAL);
}

TEST_F(UiFrame, GlowFramesAroundADialogAndTheScreen) {
  loadPictures();  // the glow comes from the atlas when this build has it, else plain
  const int32_t d = createDialog(200, 150, 400, 300, false, "Titel", true, 0, 1.0f);
  vtl.diags[d].elements[1].caption = "_";  // the title label is not what this test looks at
  openDialog(d);
  appopt.frameColours[2] = {0.0f, 0.0f, 0.0f, 1.0f};  // a black dialog: only the glow shows
  frameAfter(0);
  frameAfter(kAnimationMs);
  // The frame's strips lie on the dialog's edges in the picture plane (units of 1/637).
  // A point of the picture plane (depth 1.505) seen through the dialog plane (depth 1.9).
  auto glowAt = [&](double px, double py) {
    const double k = 1.9 / 1.505;
    const double ux = ((-0.635 + px / 637) * k + 0.803) * 502, uy = (0.605 - (0.476 - py / 637) * k) * 502;
    return at(ux, uy);
  };
  const TVTLGlowRect g = dialogGlowRect(vtl.diags[d]);
  // The strips are brightest at their outer edge.
  const Rgb top = glowAt(g.x + g.width / 2.0, g.y + 0.6);
  EXPECT_GT(top.r + top.g + top.b, 60) << "top strip " << top;
  const Rgb band = glowAt(g.x + g.width / 2.0, g.y + 8);
  EXPECT_GT(band.r + band.g + band.b, 30) << "title band " << band;
  const Rgb inside = glowAt(g.x + g.width / 2.0, g.y + g.height / 2.0);
  EXPECT_LT(inside.r + inside.g + inside.b, 10) << "inside the dialog " << inside;
  // The screen frame runs along the window's edges when not in full screen.
  closeDialog(d);
  frameAfter(kAnimationMs);
  frameAfter(0);
  const long withoutFrame = brightness(0, 0, 1024, 4);
  windowLayout.screenFrame = true;
  frameAfter(0);
  const long withFrame = brightness(0, 0, 1024, 4);
  EXPECT_GT(withFrame, withoutFrame + 255 * 100) << "the top rows of the window";
  EXPECT_PRED3(near, pixel(512, 384), kBlack, 0);
}
