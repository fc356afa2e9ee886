// The loading screen and its plain-colour stand-ins for pictures that are not loaded.
#include "engine/loading_screen.h"

#include <GL/gl.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/engine_form.h"
#include "engine/error_log.h"
#include "engine/frame_loop.h"
#include "engine/gl_context.h"
#include "engine/range_check.h"
#include "engine/window_layout.h"

TVTLLoadingPictures loadingPictures;

namespace {
constexpr int32_t kBarPixels = 400;

// One picture of the screen in 800 x 600 layout units.
struct LoadingPicture {
  const char* file;
  int32_t TVTLLoadingPictures::*texture;
  TVTLPlainColour plain;
};

struct LayoutRect {
  double x, y, width, height;
};

std::set<std::string> loggedMissing;  // pictures already reported in this run

void logMissing(const char* file) {
  if (!loggedMissing.insert(file).second) return;
  logErrorLine(std::string("Loading picture not loaded, drawn plain: ") + file);
}

// Layout space on the window: the perspective planes show about 808 x 606 units around the
// layout's centre, wider by the projection's aspect.
void beginLayoutSpace() {
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glDisable(GL_FOG);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  const double halfWidth = 303.0 * screenAspect;
  glOrtho(404.0 - halfWidth, 404.0 + halfWidth, 603.0, -3.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void endLayoutSpace() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}

void drawPlain(const LayoutRect& r, TVTLPlainColour c) {
  glColor3ub(c.r, c.g, c.b);
  glBegin(GL_QUADS);
  glVertex2d(r.x, r.y);
  glVertex2d(r.x, r.y + r.height);
  glVertex2d(r.x + r.width, r.y + r.height);
  glVertex2d(r.x + r.width, r.y);
  glEnd();
}

// The picture, or its plain colour when it is not loaded. Drawing the loaded texture comes
// with the engine's picture primitive.
void drawLoadingPicture(const LoadingPicture& p, const LayoutRect& r) {
  if (loadingPictures.*p.texture != 0) return;
  logMissing(p.file);
  if (engineGLReady()) drawPlain(r, p.plain);
}

void drawPictures(int32_t mode, int32_t bar) {
  const double a = windowLayout.wideMarginX, b = windowLayout.wideMarginY, c = windowLayout.wideShiftY;
  static const LoadingPicture kLoadBack{"loadback.bmp", &TVTLLoadingPictures::loadBack, kLoadingBackColour};
  static const LoadingPicture kBack{"back.bmp", &TVTLLoadingPictures::back, kLoadingBackColour};
  static const LoadingPicture kFrame{"load0.jpg", &TVTLLoadingPictures::barFrame, kLoadingFrameColour};
  static const LoadingPicture kBar{"load1.jpg", &TVTLLoadingPictures::bar, kLoadingBarColour};
  static const LoadingPicture kTitle{"titel.bmp", &TVTLLoadingPictures::title, kLoadingTitleColour};
  if (mode == 1)
    drawLoadingPicture(kLoadBack, {-a, -b, 808 + 2 * a, 608 + 2 * b});
  else
    drawLoadingPicture(kBack, {-a, c - b, 808 + 2 * a, 608 + 2 * b});
  drawLoadingPicture(kFrame, {200, 558, double(kBarPixels), 14});
  if (bar > 0) drawLoadingPicture(kBar, {200, 558, double(bar), 14});
  if (mode == 1) drawLoadingPicture(kTitle, {220, 100, 365, 350});
}
}  // namespace

void setLoadingText(std::string_view text) { vtl.loadingText = std::string(text); }

int32_t loadingBarWidth(int32_t percent) { return roundEven(std::min(percent, 100) * double(kBarPixels) / 100); }

void showLoadingProgress(int32_t percent, int32_t mode) {
  vtl.loadingPercent = std::min(percent, 100);
  const int32_t bar = loadingBarWidth(vtl.loadingPercent);
  const bool gl = engineGLReady();
  if (gl) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    if (mode == 1) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    beginLayoutSpace();
  }
  drawPictures(mode, bar);
  if (gl) endLayoutSpace();
  // The glow frame of mode 0 needs the element atlas, which comes with the engine textures.
  swapBuffers();
}

void resetLoadingScreen() {
  loggedMissing.clear();
  loadingPictures = TVTLLoadingPictures();
}
