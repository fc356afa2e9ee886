// The engine's own dialogs drawn in a real window: the options dialog on both pages and the
// graphics dialog in every window style, a yes/no box and an OK box, the notice dialog, the
// glass behind a dialog of window style 4, and the loading screen's bar.
#include <GL/gl.h>

#include <cstdlib>
#include <vector>

#include "engine/gl_context.h"
#include "engine/loading_screen.h"
#include "engine/modal_wait.h"
#include "tests/engine/ui_fixture.h"

namespace {
class UiDialogs : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    loadSkin();
    readGLCapabilities(true);
  }
  void TearDown() override {
    setNestedFrameStep(nullptr);
    UiFrame::TearDown();
  }
  // Brightness of a rectangle given in layout units of the picture plane (where elements draw).
  long region(double x, double y, double width, double height) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    toPicturePixel(x, y, left, top);
    toPicturePixel(x + width, y + height, right, bottom);
    return brightness(left, top, std::max(1, right - left), std::max(1, bottom - top));
  }
  void toPicturePixel(double px, double py, int32_t& x, int32_t& y) {
    const double k = 1.9 / 1.5;
    toPixel(((-0.635 + px / 637) * k + 0.803) * 502, (0.605 - (0.476 - py / 637) * k) * 502, x, y);
  }
  // The RGBA bytes of a rectangle in layout units of the picture plane.
  std::vector<unsigned char> pixels(double x, double y, double width, double height) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    toPicturePixel(x, y, left, top);
    toPicturePixel(x + width, y + height, right, bottom);
    std::vector<unsigned char> c(size_t(right - left) * size_t(bottom - top) * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, 768 - bottom, right - left, bottom - top, GL_RGBA, GL_UNSIGNED_BYTE, c.data());
    return c;
  }
  const TVTLDialog& dialog(int32_t d) { return vtl.diags[d]; }
};

constexpr long kLit = 255L * 3 * 40;  // forty full-white pixels' worth of light
}  // namespace

TEST_F(UiDialogs, TheOptionsDialogOnBothPagesAndTheGraphicsDialogInEveryWindowStyle) {
  const int32_t options = appopt.opt.dialog, graphics = appopt.di_vtlgrafik;
  ASSERT_GT(options, 0);
  ASSERT_GT(graphics, 0);
  for (int32_t style = 1; style <= 4; style++) {
    SCOPED_TRACE("window style " + std::to_string(style));
    appopt.windowStyle = style;
    openDialog(options);
    selectPage(options, appopt.opt.pageGroup, 1);
    frameAfter(0);
    frameAfter(kAnimationMs);
    const TVTLDialog& o = dialog(options);
    EXPECT_GT(region(o.x, o.y, o.width, o.height), 255L * 3 * 2000) << "the dialog and its elements";
    // The page group's area shows other rows on page 2.
    const std::vector<unsigned char> page1 = pixels(o.x + 10, o.y + 85, 280, 245);
    selectPage(options, appopt.opt.pageGroup, 2);
    frameAfter(0);
    frameAfter(kAnimationMs);
    const std::vector<unsigned char> page2 = pixels(o.x + 10, o.y + 85, 280, 245);
    long changed = 0;
    for (size_t i = 0; i < page1.size(); i++) changed += std::abs(int(page1[i]) - int(page2[i])) > 40 ? 1 : 0;
    EXPECT_GT(changed, 300) << "bytes that changed between the pages";
    closeDialog(options);
    frameAfter(0);
    frameAfter(kAnimationMs);

    openDialog(graphics);
    frameAfter(0);
    frameAfter(kAnimationMs);
    const TVTLDialog& g = dialog(graphics);
    EXPECT_GT(region(g.x, g.y, g.width, g.height), 255L * 3 * 2000) << "the graphics dialog and its elements";
    closeDialog(graphics);
    frameAfter(0);
    frameAfter(kAnimationMs);
  }
}

TEST_F(UiDialogs, AYesNoBoxShowsItsTwoButtonsAndAnOkBoxItsOne) {
  for (int32_t style : {1, 4}) {
    SCOPED_TRACE("window style " + std::to_string(style));
    appopt.windowStyle = style;
    // What the box shows while it waits: the region of the "Nein" button, and its light.
    long noRegion = 0;
    long boxLight = 0;
    int steps = 0;
    setNestedFrameStep([&] {
      frameAfter(steps == 0 ? 0 : kAnimationMs);
      if (++steps < 2) return;
      const TVTLDialog& box = dialog(vtl.boxDialog);
      const TVTLElement& no = box.elements[vtl.boxNoButton];
      noRegion = region(box.x + no.x + 10, box.y + no.y + 5, no.width - 20, no.height - 10);
      boxLight = region(box.x, box.y, box.width, box.height);
      vtl.modalWait = false;
    });
    showMessage("Wollen Sie das Spiel wirklich beenden?", "Frage", kBoxYesNo);
    const long yesNo = noRegion;
    EXPECT_GT(boxLight, 255L * 3 * 500) << "the box, its text and buttons are drawn";
    EXPECT_TRUE(dialog(vtl.boxDialog).elements[vtl.boxYesButton].visible);
    steps = 0;
    showMessage("Das Spiel ist zu Ende.", "Hinweis", kBoxOk);
    EXPECT_GT(yesNo, noRegion + kLit) << "\"Nein\" " << yesNo << " against the OK box there " << noRegion;
    EXPECT_FALSE(dialog(vtl.boxDialog).elements[vtl.boxNoButton].visible);
    closeDialog(vtl.boxDialog);
    frameAfter(kAnimationMs);
    frameAfter(0);
  }
}

TEST_F(UiDialogs, TheNoticeDialogShowsItsTextAndButton) {
  frameAfter(0);
  const long empty = brightness(0, 0, 1024, 768);
  showError("Die Datei konnte nicht gelesen werden.");
  ASSERT_EQ(vtl.topDialog, vtl.noticeDialog);
  frameAfter(0);
  frameAfter(kAnimationMs);
  const TVTLDialog& n = dialog(vtl.noticeDialog);
  const TVTLElement& ok = n.elements[vtl.noticeOkButton];
  EXPECT_GT(region(n.x + ok.x, n.y + ok.y, ok.width, ok.height), kLit) << "the OK button";
  EXPECT_GT(brightness(0, 0, 1024, 768), empty + 255L * 3 * 500) << "the dialog, its title and text";
}

TEST_F(UiDialogs, GlassBlursTheSceneBehindADialogOfWindowStyle4) {
  appopt.windowStyle = 4;
  const int32_t d = plainDialog(150, 150, 500, 300, false);
  // A scene of fine vertical stripes, which the glass smears.
  auto frameOverStripes = [&](int32_t detail) {
    appopt.detailLevel = detail;
    advanceFakeTick(kAnimationMs);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 1024, 768, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    for (int x = 0; x < 1024; x += 8) glVertex2i(x, 0), glVertex2i(x, 768), glVertex2i(x + 4, 768), glVertex2i(x + 4, 0);
    glEnd();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    updateDialogAnimations();
    drawUI();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "detail " << detail;
    std::vector<unsigned char> rgb(200 * 3);
    int32_t px = 0, py = 0;
    toPixel(vtl.diags[d].x + 250, vtl.diags[d].y + 200, px, py);
    glReadPixels(px - 100, 768 - 1 - py, 200, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
  };
  frameOverStripes(2);
  const std::vector<unsigned char> plain = frameOverStripes(2), glass = frameOverStripes(5);
  ASSERT_GE(vtl.glVersion, 20);
  long difference = 0;
  for (size_t i = 0; i < plain.size(); i++) difference += std::abs(int(plain[i]) - int(glass[i]));
  EXPECT_GT(difference, 200 * 3 * 8) << "the glass changes the stripes behind the dialog";
}

TEST_F(UiDialogs, TheLoadingBarGrowsWithThePercentAndStopsAtFull) {
  auto barAt = [&](int32_t percent, double x) {
    showLoadingProgress(percent, 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    const int32_t px = int32_t(std::lround(x / 808 * 1024)), py = int32_t(std::lround((565 + 3) / 606.0 * 768));
    // Mesa's software renderer keeps the back buffer as it was presented.
    unsigned char c[3] = {0, 0, 0};
    glReadBuffer(GL_BACK);
    glReadPixels(px, 768 - 1 - py, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, c);
    return Rgb{c[0], c[1], c[2]};
  };
  const Rgb half25 = barAt(50, 300), half75 = barAt(50, 500);
  EXPECT_FALSE(near(half25, half75, 10)) << "half a bar: " << half25 << " against " << half75;
  const Rgb full25 = barAt(150, 300), full75 = barAt(150, 500);
  EXPECT_EQ(vtl.loadingPercent, 100);
  EXPECT_PRED3(near, full75, full25, 30) << "a full bar at 150 %";
  EXPECT_PRED3(near, full25, half25, 30);
}
