// The choice of surface, place and glass of a dialog background under window style 4, the
// nine-patch corners and texture split, and the background unit.
#include <gtest/gtest.h>

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/skins.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "tests/engine/engine_fixture.h"

namespace {

constexpr float d = 0.00157f;

class SkinBackgroundTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetWindowLayout();
    appopt.detailLevel = 2;  // no glass unless a test asks
    vtl.glVersion = 21;
  }
  void TearDown() override {
    dlgGameList = dlgHelpPanel = dlgTutorialPanel = dlgMessage = 0;
    resetWindowLayout();
    EngineTest::TearDown();
  }
  int32_t makeDialogs(int n) {
    int32_t last = 0;
    for (int i = 0; i < n; ++i) last = createDialog(100, 100, 300, 200, false, "#p", false, 0, 1.0f);
    return last;
  }
};

struct Rect {
  float x, y, w, h;
};

void expectRect(const char* what, Rect got, Rect want, const std::string& name) {
  EXPECT_FLOAT_EQ(got.x, want.x) << name << ": " << what << " x";
  EXPECT_FLOAT_EQ(got.y, want.y) << name << ": " << what << " y";
  EXPECT_FLOAT_EQ(got.w, want.w) << name << ": " << what << " width";
  EXPECT_FLOAT_EQ(got.h, want.h) << name << ": " << what << " height";
}

TEST_F(SkinBackgroundTest, SurfaceChoiceOfStyleFourDialogs) {
  const int32_t plain = makeDialogs(4);  // dialog 4, not docked
  struct Case {
    const char* name;
    float x, y, w, h;
    int32_t dialog;
    int32_t surface, a, b;
    Rect panel, glass;
  } cases[] = {
      {"bottom bar", 0, 570, 800, 30, plain, 9, 20, 20, {0, 570, 800, 30}, {3, 573, 794, 24}},
      {"top bar", 0, 0, 800, 38, plain, 9, 38, 18, {0, 0, 800, 38}, {3, 3, 794, 32}},
      {"small top bar is a plate", 10, 0, 200, 30, plain, 1, 5, 5, {10, 0, 200, 30}, {13, 3, 194, 24}},
      {"middle dialog below its title", 250, 200, 300, 200, plain, 10, 80, 70, {250, 245, 300, 155},
       {256, 253, 288, 139}},
      {"not higher than 160: no title", 250, 200, 300, 160, plain, 10, 80, 70, {250, 200, 300, 160},
       {256, 208, 288, 144}},
      {"420 high starts 7 higher", 100, 100, 300, 420, plain, 10, 80, 70, {100, 93, 300, 427}, {106, 101, 288, 411}},
      {"large dialog keeps surface 0", 0, 40, 640, 530, plain, 0, 160, 110, {0, 40, 640, 530}, {9, 51, 622, 508}},
      {"message box starts lower", 100, 100, 400, 300, -plain, 10, 80, 70, {100, 127, 400, 273},
       {106, 135, 388, 257}},
      {"large message box", 100, 40, 640, 530, -plain, 10, 80, 70, {100, 33, 640, 537}, {106, 41, 628, 521}},
      {"message box on the right", 350, 100, 300, 200, -plain, 10, 80, 70, {350, 93, 300, 207},
       {356, 101, 288, 191}},
  };
  for (const Case& c : cases) {
    const TVTLBackgroundPlan p = planDialogBackground(0, 160, 110, c.x, c.y, c.w, c.h, 1.0f, c.dialog);
    EXPECT_EQ(p.surface, c.surface) << c.name;
    EXPECT_EQ(p.a, c.a) << c.name;
    EXPECT_EQ(p.b, c.b) << c.name;
    expectRect("panel", {p.x, p.y, p.width, p.height}, c.panel, c.name);
    expectRect("glass", {p.glassX, p.glassY, p.glassWidth, p.glassHeight}, c.glass, c.name);
    EXPECT_FALSE(p.glass) << c.name << ": no glass at detail 2";
  }
}

TEST_F(SkinBackgroundTest, MainWindowPanelsStartHigher) {
  const int32_t last = makeDialogs(8);
  dlgGameList = last - 3, dlgHelpPanel = last - 2, dlgTutorialPanel = last - 1, dlgMessage = last;
  for (int32_t dialog : {dlgGameList, dlgHelpPanel, dlgTutorialPanel, dlgMessage}) {
    const TVTLBackgroundPlan p = planDialogBackground(0, 160, 110, 100, 100, 300, 200, 1.0f, dialog);
    EXPECT_EQ(p.surface, 10) << "dialog " << dialog;
    EXPECT_FLOAT_EQ(p.y, 93) << "dialog " << dialog;
    EXPECT_FLOAT_EQ(p.height, 207) << "dialog " << dialog;
  }
}

TEST_F(SkinBackgroundTest, RightSidePanelSlidesAndSpreadsInThirds) {
  const int32_t side = makeDialogs(4);
  vtl.diags[side].savedX = 450;
  vtl.diags[side].savedWidth = 351;  // reaches 801
  TVTLBackgroundPlan p = planDialogBackground(0, 160, 110, 450, 50, 350, 500, 1.0f, side);
  EXPECT_EQ(p.surface, 8);
  EXPECT_EQ(p.a, 100);
  EXPECT_EQ(p.b, 120);
  EXPECT_TRUE(p.thirds);
  expectRect("panel", {p.x, p.y, p.width, p.height}, {450, -10, 360, 620}, "shown");
  expectRect("glass", {p.glassX, p.glassY, p.glassWidth, p.glassHeight}, {459, -10, 351, 620}, "shown");
  const TVTLNinePatchTexture t = ninePatchTexture(p);
  EXPECT_FLOAT_EQ(t.u[1], 1.0f / 3);
  EXPECT_FLOAT_EQ(t.u[2], 2.0f / 3);

  p = planDialogBackground(0, 160, 110, 450, 50, 350, 500, 0.0f, side);  // appearing
  EXPECT_EQ(p.shift, 703);
  EXPECT_FLOAT_EQ(p.x, 450 + 703);
  // The message box passes its number negated: a side panel still, but it never slides.
  p = planDialogBackground(0, 160, 110, 450, 50, 350, 500, 0.0f, -side);
  EXPECT_EQ(p.surface, 8);
  EXPECT_EQ(p.shift, 0);

  screenAspect = 16.0 / 9.0;  // the panel keeps its width on the 4:3 plane
  p = planDialogBackground(0, 160, 110, 450, 50, 350, 500, 1.0f, side);
  EXPECT_FLOAT_EQ(p.width, 270);
}

TEST_F(SkinBackgroundTest, GlassNeedsDetailAndVersionAndStaysOnTheScreen) {
  const int32_t side = makeDialogs(4);
  struct Case {
    int32_t detail, glVersion;
    bool glass;
  } cases[] = {{3, 20, true}, {5, 30, true}, {2, 30, false}, {3, 15, false}};
  for (const Case& c : cases) {
    appopt.detailLevel = c.detail;
    vtl.glVersion = c.glVersion;
    EXPECT_EQ(planDialogBackground(0, 160, 110, 250, 200, 300, 200, 1, side).glass, c.glass)
        << "detail " << c.detail << " GL " << c.glVersion;
  }
  appopt.detailLevel = 3;
  vtl.glVersion = 20;
  vtl.diags[side].savedX = 450;
  vtl.diags[side].savedWidth = 351;
  TVTLBackgroundPlan p = planDialogBackground(0, 160, 110, 450, 50, 350, 500, 1.0f, side);
  expectRect("glass", {p.glassX, p.glassY, p.glassWidth, p.glassHeight}, {459, 0, 348, 607}, "side panel");
  vtl.diags[side].savedX = 0;
  p = planDialogBackground(0, 160, 110, -40, 100, 640, 530, 1.0f, side);
  expectRect("glass", {p.glassX, p.glassY, p.glassWidth, p.glassHeight}, {0, 111, 591, 496}, "left of the screen");
}

TEST_F(SkinBackgroundTest, OtherSurfacesAreDrawnAsAsked) {
  const TVTLBackgroundPlan p = planDialogBackground(7, 12, 12, 30, 40, 200, 20, 1.0f, 0);
  EXPECT_EQ(p.surface, 7);
  EXPECT_EQ(p.a, 12);
  EXPECT_FALSE(p.glass);
  expectRect("panel", {p.x, p.y, p.width, p.height}, {30, 40, 200, 20}, "list");
  EXPECT_FLOAT_EQ(backgroundUnit(5, 2), d * 1.45f);
  EXPECT_FLOAT_EQ(backgroundUnit(5, 1), d * 1.45f);
  EXPECT_FLOAT_EQ(backgroundUnit(0, 2), d);
  EXPECT_FLOAT_EQ(backgroundUnit(5, 3), d);
}

TEST_F(SkinBackgroundTest, CornersShrinkToFitSmallPanels) {
  struct Case {
    const char* name;
    int32_t surface, a, b;
    float w, h;
    double aspect;
    float cornerA, cornerB;  // units
  } cases[] = {
      {"fits", 10, 80, 70, 300, 200, 4.0 / 3, 80, 70},
      {"narrow: half the width", 10, 80, 70, 40, 200, 4.0 / 3, 20, 17.5f},
      {"low: half the height", 10, 80, 70, 300, 100, 4.0 / 3, 80.0f * 50 / 70, 50},
      {"narrow bar", 9, 38, 18, 40, 200, 4.0 / 3, 20, 10},
      {"low bar", 9, 20, 20, 800, 30, 4.0 / 3, 30, 15},
      {"wide screen keeps the corner's proportion", 10, 80, 70, 300, 200, 16.0 / 9, 60, 70},
  };
  for (const Case& c : cases) {
    screenAspect = c.aspect;
    const TVTLNinePatchCorners k = ninePatchCorners(c.surface, c.a, c.b, c.w, c.h, d);
    EXPECT_NEAR(k.cornerA / d, c.cornerA, 1e-3) << c.name;
    EXPECT_NEAR(k.cornerB / d, c.cornerB, 1e-3) << c.name;
  }
}

TEST_F(SkinBackgroundTest, BarsUseOneHalfOfTheirPicture) {
  const int32_t plain = makeDialogs(4);
  const TVTLNinePatchTexture bottom = ninePatchTexture(planDialogBackground(0, 160, 110, 0, 570, 800, 30, 1, plain));
  const TVTLNinePatchTexture top = ninePatchTexture(planDialogBackground(0, 160, 110, 0, 0, 800, 38, 1, plain));
  const float bottomV[4] = {0.5f, 0.75f, 0.75f, 1}, topV[4] = {0, 0.25f, 0.25f, 0.5f};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(bottom.v[i], bottomV[i]) << "bottom bar v " << i;
    EXPECT_FLOAT_EQ(top.v[i], topV[i]) << "top bar v " << i;
  }
  EXPECT_FLOAT_EQ(bottom.u[1], 0.2f);
  EXPECT_FLOAT_EQ(bottom.u[2], 0.8f);
  EXPECT_FLOAT_EQ(top.u[1], 0.5f);
}

}  // namespace
