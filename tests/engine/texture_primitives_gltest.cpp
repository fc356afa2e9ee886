// The picture primitives on a real context: a whole texture fills its rectangle, a strip shows
// the half it is asked for, the bar's flag draws plain red, the black look darkens, and the
// view from above during a game turns and doubles whole pictures.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>

#include "engine/textures.h"
#include "shell/env_param.h"
#include "shell/shell_state.h"
#include "tests/engine/picture_fixtures.h"
#include "tests/engine/ui_fixture.h"

namespace {
// Rows from the top: the upper half blue, the lower half red.
picfix::Rgb halves(int32_t, int32_t y) { return y < 4 ? picfix::Rgb{30, 30, 220} : picfix::Rgb{220, 30, 30}; }
picfix::Rgb white(int32_t, int32_t) { return {255, 255, 255}; }

class PicturePrimitivesGL : public UiFrame {
 protected:
  int32_t texture(const char* name, picfix::Rgb (*pixel)(int32_t, int32_t)) {
    const std::string path = (folder_ / name).string();
    picfix::writeBytes(path, picfix::makeBmp({.width = 8, .height = 8, .pixel = pixel}));
    int32_t number = 0;
    loadTextureFile(number, path, "", false, false);
    return number;
  }
  void clear() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
  }
};
}  // namespace

TEST_F(PicturePrimitivesGL, WholeTexturesStripsBarsAndLooks) {
  const int32_t split = texture("split.bmp", halves), plain = texture("white.bmp", white);
  ASSERT_GE(split, 40);
  struct Probe {
    const char* what;
    std::function<void()> draw;
    double x, y;
    Rgb want;
  };
  const Probe probes[] = {
      {"whole texture, upper part", [&] { drawPicture(split, 100, 100, 200, 200, 1, 0, 0, 0, false, 0); }, 200, 130,
       {30, 30, 220}},
      {"whole texture, lower part", [&] { drawPicture(split, 100, 100, 200, 200, 1, 0, 0, 0, false, 0); }, 200, 270,
       {220, 30, 30}},
      {"outside the rectangle", [&] { drawPicture(split, 100, 100, 200, 200, 1, 0, 0, 0, false, 0); }, 330, 200,
       {0, 0, 0}},
      {"strip, lower half", [&] { drawStripPicture(split, 100, 100, 200, 100, 1, 0, 0, 1, 1); }, 200, 150,
       {220, 30, 30}},
      {"strip, upper half", [&] { drawStripPicture(split, 100, 100, 200, 100, 1, 0, 0, 1, 2); }, 200, 150,
       {30, 30, 220}},
      {"bar with the flag", [&] { drawBarPicture(5, 100, 100, 40, 200, 1, true); }, 120, 200, {255, 0, 0}},
      {"black look over white", [&] {
         drawPicture(plain, 100, 100, 200, 200, 1, 0, 0, 0, false, 0);
         drawPicture(-1, 100, 100, 200, 200, 1, 1, 0, 0, false, 0);
       }, 200, 200, {153, 153, 153}},
  };
  for (const Probe& p : probes) {
    clear();
    p.draw();
    const Rgb got = atPicture(p.x, p.y);
    EXPECT_TRUE(near(got, p.want, 14)) << p.what << ": expected " << p.want << ", got " << got;
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(PicturePrimitivesGL, TheViewFromAboveTurnsAndDoublesWholePicturesDuringAGame) {
  const int32_t plain = texture("white.bmp", white);
  const TEnvParam savedEnv = envParam;
  const uint8_t savedMode = screenMode;
  envParam.perspective = 1;
  struct Case {
    uint8_t screenMode;
    bool covered;  // a point just outside the rectangle is covered
  };
  for (const Case& c : {Case{0, false}, Case{1, true}}) {
    screenMode = c.screenMode;
    clear();
    drawPicture(plain, 300, 250, 100, 100, 1, 0, 0, 0, false, 0);
    const Rgb got = atPicture(350, 240);  // above the rectangle's top edge, on its axis
    EXPECT_EQ(got.r > 128, c.covered) << "screenMode " << int(c.screenMode) << ": got " << got;
  }
  envParam = savedEnv;
  screenMode = savedMode;
}
