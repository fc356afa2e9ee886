// The loading screen and its plain-colour stand-ins for pictures that are not loaded.
#include "engine/loading_screen.h"

#include <GL/gl.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/compositor.h"
#include "engine/engine_form.h"
#include "engine/error_log.h"
#include "engine/frame_loop.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"
#include "engine/range_check.h"
#include "engine/window_layout.h"
#include "shell/env_param.h"

TVTLLoadingPictures loadingPictures;

namespace {
constexpr int32_t kBarPixels = 400;
constexpr int32_t kGlowFrameX = -2, kGlowFrameWidth = 813;  // the compositor's screen frame

// One picture of the screen in 800 x 600 layout units.
struct LoadingPicture {
  const char* file;
  int16_t TVTLLoadingPictures::*texture;
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

// The picture through the picture primitive (u across 0..fraction), or its plain colour in the
// layout space when it is not loaded.
void drawLoadingPicture(const LoadingPicture& p, const LayoutRect& r, float fraction = 1.0f) {
  const int32_t texture = loadingPictures.*p.texture;
  if (texture != 0) {
    if (!engineGLReady()) return;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    drawPicture(texture, roundEven(r.x), roundEven(r.y), roundEven(r.width), roundEven(r.height), 1.0f, 0, 0.0f, 0.0f,
                false, 0, fraction, 1.0f, 1.0f);
    glPopMatrix();
    return;
  }
  // The first frames come before the pictures are read: drawn plain, but only a picture that
  // could not be read is reported.
  if (loadingPictures.loaded) logMissing(p.file);
  if (!engineGLReady()) return;
  beginLayoutSpace();
  drawPlain(r, p.plain);
  endLayoutSpace();
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
  if (bar > 0) drawLoadingPicture(kBar, {200, 558, double(bar), 14}, float(bar) / kBarPixels);
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
  }
  // The side view while the pictures draw: the top view would tilt whole pictures.
  const int32_t perspective = envParam.perspective;
  if (mode == 1) envParam.perspective = 2;
  drawPictures(mode, bar);
  envParam.perspective = perspective;
  if (gl) {
    glDisable(GL_DEPTH_TEST);
    // The screen's glow frame over the picture, its right edge at 811 like the compositor's.
    if (mode == 0 && windowLayout.screenFrame && engineTextures.elementAtlas != 0) {
      glMatrixMode(GL_MODELVIEW);
      glPushMatrix();
      drawFrameGlow(kGlowFrameX, -1, kGlowFrameWidth, 609, true, false, true, 1.0f);
      glPopMatrix();
    }
    glEnable(GL_DEPTH_TEST);
  }
  swapBuffers();
}

void resetLoadingScreen() {
  loggedMissing.clear();
  loadingPictures = TVTLLoadingPictures();
}
