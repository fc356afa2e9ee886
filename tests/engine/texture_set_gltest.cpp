// The engine texture set on a real context: every picture gets a number of 40 or more, the
// optional ones stay 0 when missing, the cached ones come back after a new context, and the
// loading screen shows the loaded pictures where its table puts them.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "engine/frame_rate.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "engine/textures.h"
#include "shell/env_param.h"
#include "tests/engine/picture_fixtures.h"
#include "tests/engine/ui_fixture.h"

namespace {
picfix::Rgb solidA(int32_t, int32_t) { return {200, 40, 40}; }    // loadback.bmp
picfix::Rgb solidB(int32_t, int32_t) { return {40, 40, 200}; }    // back.bmp
picfix::Rgb solidC(int32_t, int32_t) { return {230, 230, 40}; }   // titel.bmp
picfix::Rgb grey(int32_t, int32_t) { return {128, 128, 128}; }

class TextureSetGL : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    resetTextureCache();
    resetEngineTextures();
    vitrel_ = folder_ / "pictures";
    std::filesystem::create_directories(vitrel_);
    put("border.bmp", grey);
    put("loadback.bmp", solidA);
    put("back.bmp", solidB);
    put("titel.bmp", solidC);
    put("elem.bmp", grey);
    put("font.bmp", grey);
    put("detail.bmp", grey);
    std::filesystem::copy_file(picfix::fixturePath("grey.jpg"), vitrel_ / "load0.jpg");
    std::filesystem::copy_file(picfix::fixturePath("colour.jpg"), vitrel_ / "load1.jpg");
    vtl.suppressTextureEvent = true;
  }
  void TearDown() override {
    resetTextureCache();
    UiFrame::TearDown();
  }
  void put(const char* name, picfix::Rgb (*pixel)(int32_t, int32_t)) const {
    picfix::writeBytes((vitrel_ / name).string(), picfix::makeBmp({.width = 8, .height = 8, .pixel = pixel}));
  }
  // The screen is drawn without presenting it (the frame loop's fast mode holds the swap
  // back), so the back buffer still holds it.
  void showHeldBack(int32_t percent, int32_t mode) {
    textTables.fastMode = true;
    frameClock.frameCount200 = 1;
    showLoadingProgress(percent, mode);
    textTables.fastMode = false;
  }
  std::filesystem::path vitrel_;
};
}  // namespace

TEST_F(TextureSetGL, TheSetLoadsFromFortyAndTheOptionalPicturesStayZero) {
  loadEngineTextures(vitrel_.string());
  const TVTLLoadingPictures& lp = loadingPictures;
  for (int32_t n : {int32_t(lp.loadBack), int32_t(lp.back), int32_t(lp.barFrame), int32_t(lp.bar), int32_t(lp.title),
                    engineTextures.elementAtlas, engineTextures.fontTexture, int32_t(engineTextures.detailStrip)})
    EXPECT_GE(n, 40);
  EXPECT_EQ(lp.titleCopy, lp.title);
  EXPECT_EQ(engineTextures.shineTexture, 0);
  EXPECT_EQ(engineTextures.logoTexture[1], 0);
  EXPECT_EQ(engineTextures.logoTexture[2], 0);
  EXPECT_EQ(textureCache.count, 6) << "five loading pictures and the detail strip are cached";

  // Again after a new context: the cached numbers stay, nothing new is cached.
  const int16_t title = lp.title, strip = engineTextures.detailStrip;
  winDestroyContext();
  ASSERT_TRUE(winCreateContext()) << winLastError();
  glSetupContextState(TVTLGLChoices(), false);
  resize(1024, 768);
  loadEngineTextures(vitrel_.string());
  EXPECT_EQ(lp.title, title);
  EXPECT_EQ(engineTextures.detailStrip, strip);
  EXPECT_EQ(textureCache.count, 6);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureSetGL, TheLoadingScreenShowsItsPictures) {
  loadEngineTextures(vitrel_.string());
  envParam.perspective = 1;  // the view from above must not tilt the loading pictures
  showHeldBack(50, 1);
  EXPECT_EQ(envParam.perspective, 1) << "the view is put back";
  struct Probe {
    const char* what;
    double x, y;
    Rgb want;
  };
  const Probe mode1[] = {
      {"title", 400, 275, {230, 230, 40}},
      {"background left of the title", 100, 275, {200, 40, 40}},
      {"background above the title", 400, 50, {200, 40, 40}},
  };
  for (const Probe& p : mode1) {
    const Rgb got = atPicture(p.x, p.y);
    EXPECT_TRUE(near(got, p.want, 12)) << p.what << ": expected " << p.want << ", got " << got;
  }
  // The bar at 50 % covers x 200..400 of the frame; the frame shows on beyond it.
  const Rgb bar = atPicture(210, 565), frame = atPicture(590, 565);
  EXPECT_GT(bar.r - bar.b, 30) << "the bar's left end shows the red and green left column of its picture, got " << bar;
  EXPECT_TRUE(std::abs(frame.r - frame.g) < 12 && std::abs(frame.g - frame.b) < 12) << "grey frame, got " << frame;

  showHeldBack(50, 0);
  const Rgb back = atPicture(100, 275);
  EXPECT_TRUE(near(back, {40, 40, 200}, 12)) << "mode 0 draws back.bmp, got " << back;
  envParam.perspective = 0;
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
