// The dialog placement helpers and the decisions of the element frame: skinning a dialog, the
// slide of right-hand panels, big frames and the passes drawn per 3D detail.
#include <gtest/gtest.h>

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frames.h"
#include "tests/engine/engine_fixture.h"

namespace {

class FramePlacementTest : public EngineTest {
 protected:
  // n dialogs; returns the last.
  int32_t makeDialogs(int n) {
    int32_t d = 0;
    for (int i = 0; i < n; ++i) d = createDialog(100, 100, 300, 200, false, "#panel", false, 0, 1.0f);
    return d;
  }
  void dock(int32_t d, int32_t savedX, int32_t savedWidth) {
    vtl.diags[d].savedX = savedX;
    vtl.diags[d].savedWidth = savedWidth;
  }
};

TEST_F(FramePlacementTest, SkinNameMovesTitleAndElementsButNotTheDialog) {
  const int32_t d = createDialog(85, 38, 640, 530, false, "Optionen", false, 0, 1.0f);
  addSimpleElement(ekButton, 10, 100, "A");
  addSimpleElement(ekButton, 10, 200, "B");
  ASSERT_EQ(vtl.diags[d].count, 3);
  const int16_t titleY = vtl.diags[d].elements[1].y;
  vtl.diags[d].backPicture = 77;

  setDialogScale(d, 10, "menu2.jpg", 1.8f, false);
  const TVTLDialog& r = vtl.diags[d];
  EXPECT_EQ(r.panelLevel, 10);
  EXPECT_EQ(r.backPicture, 0);
  EXPECT_FLOAT_EQ(r.elements[1].textScale, 1.8f);
  EXPECT_EQ(r.elements[1].y, titleY + 15);
  EXPECT_EQ(r.elements[2].y, 110);
  EXPECT_EQ(r.elements[3].y, 210);
  EXPECT_EQ(r.height, 530);
}

TEST_F(FramePlacementTest, EmptySkinNameOnlySetsThePanelLevel) {
  const int32_t d = createDialog(85, 38, 640, 530, false, "Optionen", false, 0, 1.0f);
  addSimpleElement(ekButton, 10, 100, "A");
  vtl.diags[d].backPicture = 77;
  const int16_t titleY = vtl.diags[d].elements[1].y;
  setDialogScale(d, 4, "", 1.8f, true);
  const TVTLDialog& r = vtl.diags[d];
  EXPECT_EQ(r.panelLevel, 4);
  EXPECT_EQ(r.backPicture, 77);
  EXPECT_EQ(r.glowFrame, 0);
  EXPECT_EQ(r.elements[1].y, titleY);
  EXPECT_EQ(r.elements[2].y, 100);
}

TEST_F(FramePlacementTest, TitleScaleRoundsHalvesToEven) {
  // c = nearest(0.5 * 12) = 6, the title moves nearest(9) = 9; at 1.125 c = nearest(1.5) = 2
  // and the title nearest(3) = 3; at 1.0 nothing moves.
  struct Case {
    float scale;
    int title, others;
  } cases[] = {{1.5f, 9, 6}, {1.125f, 3, 2}, {1.0f, 0, 0}, {0.5f, -9, -6}};
  for (const Case& c : cases) {
    resetEngineModel();
    const int32_t d = createDialog(85, 38, 640, 530, false, "T", false, 0, 1.0f);
    addSimpleElement(ekButton, 10, 100, "A");
    const int16_t titleY = vtl.diags[d].elements[1].y;
    setDialogScale(d, 10, "menu2.jpg", c.scale, false);
    EXPECT_EQ(vtl.diags[d].elements[1].y - titleY, c.title) << "scale " << c.scale;
    EXPECT_EQ(vtl.diags[d].elements[2].y - 100, c.others) << "scale " << c.scale;
  }
}

TEST_F(FramePlacementTest, RightDockedPanelsSlideIn) {
  const int32_t d = makeDialogs(4);
  struct Case {
    int32_t savedX, savedWidth;
    bool fromLeft;
    float progress;
    int32_t shift;
  } cases[] = {
      {450, 400, false, 0.0f, 703},   // 1.1 GL units from outside the screen
      {450, 400, false, 1.0f, 0},     // fully shown
      {450, 400, true, 0.0f, -703},   // from the left
      {450, 400, false, 0.5f, 351},   // 0.55 * 639 = 351.45
      {401, 400, false, 0.0f, 703},   // reaches 801: docked
      {401, 399, false, 0.0f, 0},     // reaches 800: not docked
      {519, 300, false, 0.0f, 703},
      {400, 500, false, 0.0f, 0},     // starts left of 401
      {520, 300, false, 0.0f, 0},     // starts right of 519
      {200, 400, false, 0.0f, 0},     // a centred dialog
  };
  for (const Case& c : cases) {
    dock(d, c.savedX, c.savedWidth);
    EXPECT_EQ(getDialogShift(d, c.fromLeft, c.progress), c.shift)
        << "saved x " << c.savedX << " width " << c.savedWidth << " progress " << c.progress;
  }
}

TEST_F(FramePlacementTest, EngineDialogsAndLowNumbersNeverSlide) {
  const int32_t last = makeDialogs(43);
  for (int32_t d = 1; d <= last; ++d) dock(d, 450, 400);
  vtl.overlayPanel = 5;
  vtl.firstPanel = 3;
  for (int32_t d : {-4, 0, 1, 2, 3, 5, 43}) EXPECT_EQ(getDialogShift(d, false, 0.0f), 0) << "dialog " << d;
  for (int32_t d : {4, 6, 42}) EXPECT_EQ(getDialogShift(d, false, 0.0f), 703) << "dialog " << d;
  EXPECT_EQ(getDialogShift(44, false, 0.0f), 0) << "a dialog that does not exist";
}

TEST_F(FramePlacementTest, BigFramesAndPassesByDetail) {
  struct Case {
    int32_t height;
    bool flag;
    bool big;
    int32_t passes[5];  // at detail 1..5
  } cases[] = {
      {53, false, true, {3, 4, 4, 4, 4}},
      {52, false, false, {2, 2, 3, 3, 3}},
      {77, false, true, {3, 4, 4, 4, 4}},
      {100, false, true, {3, 4, 4, 4, 4}},
      {99, false, false, {2, 2, 3, 3, 3}},
      {100, true, false, {2, 2, 3, 3, 3}},  // the flag makes every frame small
      {22, false, false, {2, 2, 3, 3, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isBigFrame(c.height, c.flag), c.big) << "height " << c.height << " flag " << c.flag;
    for (int detail = 1; detail <= 5; ++detail)
      EXPECT_EQ(framePassCount(c.height, c.flag, detail), c.passes[detail - 1])
          << "height " << c.height << " flag " << c.flag << " detail " << detail;
  }
}

TEST_F(FramePlacementTest, CurvedPanelShape) {
  struct Case {
    int32_t variant, height, detail;
    bool isShort;
    int32_t segments;
    float heightGL;
  } cases[] = {
      {1, 497, 3, true, 7, -1.0f},           // variant 1 is always short
      {0, 360, 2, true, 5, -370.0f / 497},   // short variant 0 reaches 10 further
      {0, 361, 1, false, 7, -1.2112f},       // taller: the whole screen
      {0, 500, 5, false, 12, -1.2112f},
  };
  for (const Case& c : cases) {
    const TVTLPanelShape s = panelShape(c.variant, c.height, c.detail);
    EXPECT_EQ(s.isShort, c.isShort) << "variant " << c.variant << " height " << c.height;
    EXPECT_EQ(s.segments, c.segments) << "variant " << c.variant << " height " << c.height;
    EXPECT_NEAR(s.heightGL, c.heightGL, 1e-6) << "variant " << c.variant << " height " << c.height;
  }
}

TEST_F(FramePlacementTest, PanelColourWeightsAddUpToOne) {
  for (bool isShort : {true, false})
    for (int k = 0; k <= 40; ++k) {
      const float t = float(k) / 40;
      const TVTLPanelWeights w = panelWeights(t, isShort);
      EXPECT_NEAR(w.w2 + w.w3 + w.w4, 1.0f, 1e-5) << "t " << t << " short " << isShort;
      EXPECT_GE(w.w2, 0.0f);
      EXPECT_GE(w.w3, 0.0f);
      EXPECT_GE(w.w4, 0.0f);
    }
  // The top rows lean on frame colour 4, the bottom rows too; the middle is 2 and 3.
  EXPECT_FLOAT_EQ(panelWeights(0, true).w4, 1.0f);
  EXPECT_FLOAT_EQ(panelWeights(1, true).w4, 1.0f);
  EXPECT_FLOAT_EQ(panelWeights(0.5f, true).w3, 0.5f);
  EXPECT_NEAR(panelWeights(1, false).w4, 0.3f, 1e-6);
}

TEST_F(FramePlacementTest, PictureQuadShiftsTheWindowAndSqueezesTheAtlas) {
  const TVTLTexWindow icon13{0.625f, 0.2f, 0.125f, 0.2f};
  float u, v;
  windowFrameTexCoord(0, 0, icon13, false, 40, u, v);
  EXPECT_NEAR(u, 0.627f, 1e-6);
  EXPECT_NEAR(v, 0.005f, 1e-6);
  windowFrameTexCoord(1, 1, icon13, false, 40, u, v);
  EXPECT_NEAR(u, 0.625f + 0.125f * 0.9801f + 0.002f, 1e-6);
  EXPECT_NEAR(v, 0.2f + 0.2f * 0.9801f - 0.195f, 1e-6);
  // The atlas squeeze keeps the texel density: a button twice 170 wide reads twice as far.
  const TVTLTexWindow button{0.0f, 0.0f, 0.5f, 0.2f};
  windowFrameTexCoord(1, 0, button, true, 340, u, v);
  EXPECT_NEAR(u, (0.5f * 0.9801f + 0.002f) * 2, 1e-6);
  windowFrameTexCoord(1, 0, {0.75f, 0, 0.25f, 0.2f}, true, 85, u, v);
  EXPECT_NEAR(u, 1 - (1 - (0.75f + 0.25f * 0.9801f + 0.002f)) * 0.5f, 1e-6);
}

}  // namespace
