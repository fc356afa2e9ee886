// Fixture of the overlay's window tests: a real 1024 x 768 window under Xvfb with the engine's
// GL state, the fake clock, the generated engine pictures of the build's program folder when
// they exist, frames drawn as the frame step draws them, and pixels read back from the window
// at layout positions (no golden pictures: rasterisers differ, so checks take a tolerance).
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_options.h"
#include "engine/gl_setup.h"
#include "engine/message_box.h"
#include "engine/picture_primitives.h"
#include "engine/skins.h"
#include "engine/text_draw.h"
#include "engine/textures.h"
#include "engine/window_form.h"
#include "engine/window_layout.h"
#include "platform/paths.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

struct Rgb {
  int r, g, b;
};

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Within `tolerance` in every channel.
inline bool near(const Rgb& a, const Rgb& b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// The generated pictures of this build: <build>/app/data/vitrel beside the test program's
// <build>/tests/engine folder; empty when they are not there.
inline std::filesystem::path builtVitrelFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  const std::filesystem::path folder = exe.parent_path().parent_path().parent_path() / "app" / "data" / "vitrel";
  // The texture loading ends the program over a missing picture: the whole set must be there.
  for (const char* file : {"border.bmp", "load0.jpg", "load1.jpg", "loadback.bmp", "back.bmp", "titel.bmp", "elem.bmp",
                           "font.bmp", "detail.bmp"})
    if (!std::filesystem::exists(folder / file)) return {};
  return folder;
}

class UiFrame : public EngineTest {
 protected:
  static constexpr uint32_t kStart = 500000;

  void SetUp() override {
    EngineTest::SetUp();
    resetWindowLayout();
    useFakeTick(kStart);
    winSetBackend(WindowBackend::sdl);
    ASSERT_TRUE(winOpen("Skat", 1024, 768)) << winLastError();
    ASSERT_TRUE(winCreateContext()) << winLastError();
    glSetupContextState(TVTLGLChoices(), false);
    buildEngineDialogs();
    appopt.windowStyle = 1;
    appopt.detailLevel = 2;
    appopt.frameColours[1] = {0.8f, 0.0f, 0.0f, 1.0f};
    appopt.frameColours[2] = {0.0f, 0.0f, 0.8f, 1.0f};
    resize(1024, 768);
  }

  void TearDown() override {
    winClose();
    winSetBackend(WindowBackend::null);
    resetEngineTextures();
    resetTextureCache();  // the cached files lie in this test's folder, which goes now
    resetWindowLayout();
    useRealTick();
    EngineTest::TearDown();
  }

  // The engine's own dialogs numbered as the program has them (1 notice, 2 message box,
  // 3 first panel, 4 help line, 5 overlay panel, 6 options, 7 graphics/sound), with the box's
  // buttons; the options dialog the construction shows is closed and faded out again.
  void buildEngineDialogs() {
    createMessageDialogs();
    fullscr.create();
    createEngineDialogs();
    addMessageBoxButtons(0);
    closeDialog(appopt.opt.dialog);
    vtl.diags[appopt.opt.dialog].showAnim = TVTLAnimation{0, 0, 0, 0, 0, 0.0f};
  }

  // The window at a new client size, classified and with its viewport, as the resize hook
  // leaves it.
  void resize(int32_t width, int32_t height) {
    winSetSize(width, height);
    classifyAspect(width, height);
    setViewport(width, height);
    windowLayout.screenFrame = false;  // no screen glow unless a test asks for it
  }

  // Loads the engine's generated pictures; false when this build has not made the whole set.
  bool loadPictures() {
    const std::filesystem::path folder = builtVitrelFolder();
    if (folder.empty()) return false;
    loadEngineTextures(folder.string() + "/");
    return engineTextures.elementAtlas > 0;
  }

  // The program folder's data/vitrel points at the build's generated files, so fonts and
  // surfaces load as the first paint loads them; then the picture set when it is complete.
  // Returns loadPictures' answer.
  bool loadSkin() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path built = exe.parent_path().parent_path().parent_path() / "app" / "data" / "vitrel";
    if (!std::filesystem::exists(built / "f.cwi")) return false;
    std::filesystem::remove_all(folder_ / "data" / "vitrel");  // the fixture's zero-width stand-in
    std::filesystem::create_directory_symlink(built, folder_ / "data" / "vitrel", ec);
    appopt.vitrelFolder = programPath("\\data\\vitrel");
    loadFonts();
    loadSurfaces();
    return loadPictures();
  }

  // One frame as the frame step draws it, `ms` after the previous one: clear, animations,
  // overlay. The GL error state must be clean afterwards.
  void frameAfter(uint32_t ms) {
    advanceFakeTick(ms);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    updateDialogAnimations();
    drawUI();
    const GLenum error = glGetError();
    EXPECT_EQ(error, GLenum(GL_NO_ERROR)) << "GL error " << error << " after a frame";
  }

  // The pixel at window pixel (x, y from the top) of the frame just drawn.
  Rgb pixel(int32_t x, int32_t y) {
    int32_t w = 0, h = 0;
    winClientSize(w, h);
    unsigned char c[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, h - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c);
    return {c[0], c[1], c[2]};
  }

  // Window pixel of a point of the dialog plane given in layout units, through the overlay's
  // 4:3 frustum (spread over the wide viewport in the wide classes).
  void toPixel(double ux, double uy, int32_t& px, int32_t& py) {
    int32_t w = 0, h = 0;
    winClientSize(w, h);
    const double half = 1.9 * std::tan(35.25 / 2 * M_PI / 180);
    const double ndcX = (-0.803 + ux / 502) / (half * 4.0 / 3.0);
    const double ndcY = (0.605 - uy / 502) / half;
    double vx = 0, vw = windowLayout.viewWidth;
    if (wideProjectionClass()) {
      const TVTLWideViewport v = wideViewport(windowLayout.viewWidth, screenAspect);
      vx = v.x, vw = v.width;
    }
    px = int32_t(std::lround(vx + (ndcX + 1) / 2 * vw));
    py = int32_t(std::lround((1 - ndcY) / 2 * windowLayout.viewHeight)) + (h - windowLayout.viewHeight);
  }

  // A point of the picture plane (depth 1.5, units of 1/637), where elements draw, in the
  // dialog plane's units.
  Rgb atPicture(double px, double py) {
    const double k = 1.9 / 1.5;
    return at(((-0.635 + px / 637) * k + 0.803) * 502, (0.605 - (0.476 - py / 637) * k) * 502);
  }

  // Writes the frame just drawn as a binary PPM picture, for looking at a failure.
  void dump(const std::string& path) {
    int32_t w = 0, h = 0;
    winClientSize(w, h);
    std::vector<unsigned char> rgb(size_t(w) * size_t(h) * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", int(w), int(h));
    for (int32_t row = h - 1; row >= 0; row--) std::fwrite(&rgb[size_t(row) * size_t(w) * 3], 1, size_t(w) * 3, f);
    std::fclose(f);
  }

  // Sum of red, green and blue over a rectangle of window pixels (x, y from the top).
  long brightness(int32_t x, int32_t y, int32_t width, int32_t height) {
    int32_t w = 0, h = 0;
    winClientSize(w, h);
    std::vector<unsigned char> c(size_t(width) * size_t(height) * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, h - y - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE, c.data());
    long sum = 0;
    for (size_t i = 0; i < c.size(); i += 4) sum += c[i] + c[i + 1] + c[i + 2];
    return sum;
  }

  Rgb at(double ux, double uy) {
    int32_t px = 0, py = 0;
    toPixel(ux, uy, px, py);
    return pixel(px, py);
  }

  // A dialog without title (so no title label and no title band), open on top.
  int32_t plainDialog(int16_t x, int16_t y, int16_t width, int16_t height, bool popup) {
    const int32_t d = createDialog(x, y, width, height, popup, "", false, 0, 1.0f);
    openDialog(d);
    return d;
  }
};
