// Skin surfaces and the backgrounds of dialogs and elements: the choice of surface for a
// dialog of window style 4 and the nine-patch drawing.
// [SECTION] surfaces
// [SECTION] choice of surface
// [SECTION] nine-patch drawing
#include "engine/skins.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/fonts.h"
#include "engine/frames.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "engine/range_check.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "engine/textures.h"
#include "engine/window_shape.h"
#include "platform/paths.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"

LArray<int32_t, 0, kSurfaceCount - 1> surfaceTextures{};
uint32_t glassTexture = 0;

namespace {
constexpr float kPanelUnit = 0.00157f;   // GL units per unit of a background
constexpr int32_t kNoSlideDialog = 43;   // a right-hand dialog of the main window that never slides
constexpr float kScreenBottom = 607.0f;  // the glass stays on the screen: units
constexpr float kScreenRight43 = 807.0f;
}  // namespace

// [SECTION] surfaces

bool loadSurfaces() {
  for (int n = 0; n < kSurfaceCount; ++n) {
    const std::string file = programPath("\\data\\vitrel\\surface" + std::to_string(n) + ".bmp");
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) continue;  // the surface is drawn without a picture
    loadTextureCached(surfaceTextures[n], file, false, 0);
  }
  return true;
}

// [SECTION] choice of surface

float backgroundUnit(int32_t surface, int32_t dialog) {
  return surface != 0 && (dialog == 1 || dialog == 2) ? kPanelUnit * 1.45f : kPanelUnit;
}

TVTLBackgroundPlan planDialogBackground(int32_t surface, int32_t a, int32_t b, float x, float y, float width,
                                        float height, float alpha, int32_t dialog, bool slide) {
  TVTLBackgroundPlan p{surface, a, b, x, y, width, height, x, y, width, height, false, false, 0};
  if (surface != 0) return p;

  const int32_t number = std::abs(dialog);
  const bool box = dialog < 0 || (vtl.boxDialog != 0 && number == vtl.boxDialog);
  const float af = aspectFactor();
  auto glassInset = [&p](float dx, float dy) {
    p.glassX = p.x + dx, p.glassY = p.y + dy;
    p.glassWidth = p.width - 2 * dx, p.glassHeight = p.height - 2 * dy;
  };
  if (af * width > 100 && height > 160) glassInset(9, 11);

  if (y + height <= 38 || y >= 562) {  // a bar at the top or the bottom of the screen
    p.surface = 9;
    p.a = y >= 562 ? 20 : 38;
    p.b = y >= 562 ? 20 : 18;
    glassInset(3, 3);
  } else if (number != kNoSlideDialog && number > 2 && isRightDockedPanel(number)) {
    p.y = -10, p.height = 620;
    p.shift = slide ? getDialogShift(dialog, x + width / 2 < 380, alpha) : 0;
    p.x = x + float(p.shift);
    p.width = 360.0f / float(screenAspect / 4 * 3);
    p.glassX = p.x + 9, p.glassY = p.y;
    p.glassWidth = p.width - 9, p.glassHeight = p.height;
    p.surface = 8, p.a = 100, p.b = 120;
    p.thirds = true;
  } else if (af * width + height >= 840 && af * width * 0.75f + height >= 840 && !box) {
    // a large dialog keeps surface 0 and the corners passed in
  } else {
    p.surface = 10, p.a = 80, p.b = 70;
    const bool higher = (dlgGameList != 0 && number == dlgGameList) || height >= 420 ||
                        (dlgHelpPanel != 0 && number == dlgHelpPanel) ||
                        (dlgTutorialPanel != 0 && number == dlgTutorialPanel) ||
                        (dlgMessage != 0 && number == dlgMessage) || (box && x > 300);
    if (higher)
      p.y -= 7, p.height += 7;
    else if (box)
      p.y += 27, p.height -= 27;
    else if (height > 160)  // below the title
      p.y += 45, p.height -= 45;
    glassInset(6, 8);
  }
  if (p.height + p.width <= 250 && p.height <= 38) p.surface = 1, p.a = 5, p.b = 5;

  if (appopt.detailLevel >= 3 && vtl.glVersion >= 20) {
    const float right = kScreenRight43 * float(screenAspect) * 3 / 4;
    const float left = std::max(p.glassX, 0.0f), top = std::max(p.glassY, 0.0f);
    const float rightEdge = std::min(p.glassX + p.glassWidth, right);
    const float bottomEdge = std::min(p.glassY + p.glassHeight, kScreenBottom);
    p.glassX = left, p.glassY = top, p.glassWidth = rightEdge - left, p.glassHeight = bottomEdge - top;
    p.glass = true;
  }
  return p;
}

TVTLNinePatchCorners ninePatchCorners(int32_t surface, int32_t a, int32_t b, float width, float height, float d) {
  const int32_t A = roundEven(a / (screenAspect * 3 / 4));  // kept in proportion on wide screens
  float cornerA = float(A) * d, cornerB = float(b) * d;
  if (2 * cornerA > width * d) {
    cornerA = width * d / 2;
    cornerB = surface == 9 ? cornerA / 2 : cornerA / float(A) * float(b);
  } else if (2 * cornerB > height * d) {
    cornerB = height * d / 2;
    cornerA = surface == 9 ? 2 * cornerB : float(A) * cornerB / float(b);
  }
  return {cornerA, cornerB};
}

// [SECTION] nine-patch drawing

TVTLNinePatchTexture ninePatchTexture(const TVTLBackgroundPlan& p) {
  TVTLNinePatchTexture t{{0, 0.5f, 0.5f, 1}, {0, 0.5f, 0.5f, 1}};
  if (p.thirds) t.u[1] = 1.0f / 3, t.u[2] = 2.0f / 3;
  if (p.surface == 9) {
    // Each bar uses one half of its picture: a bottom bar the upper half, a top bar the lower.
    for (float& v : t.v) v = v / 2 + (p.y > 500 ? 0.5f : 0.0f);
    if (p.y >= 562) t.u[1] = 0.2f, t.u[2] = 0.8f;
  }
  return t;
}

namespace {

void drawNinePatch(const TVTLBackgroundPlan& p, float d, float alpha) {
  const float W = p.width * d, H = p.height * d;
  const TVTLNinePatchCorners c = ninePatchCorners(p.surface, p.a, p.b, p.width, p.height, d);
  const float xs[4] = {-W / 2, -W / 2 + c.cornerA, W / 2 - c.cornerA, W / 2};
  const float ys[4] = {-H / 2, -H / 2 + c.cornerB, H / 2 - c.cornerB, H / 2};
  const TVTLNinePatchTexture t = ninePatchTexture(p);
  const float* us = t.u;
  const float* vs = t.v;
  glColor4f(1, 1, 1, alpha);
  for (int row = 0; row < 3; ++row) {
    glBegin(GL_QUAD_STRIP);
    for (int col = 0; col < 4; ++col) {  // upper vertex first: the quads face the viewer
      glTexCoord2f(us[col], vs[row + 1]);
      glVertex3f(xs[col], ys[row + 1], 0);
      glTexCoord2f(us[col], vs[row]);
      glVertex3f(xs[col], ys[row], 0);
    }
    glEnd();
  }
}

}  // namespace

bool drawDialogBackground(int32_t surface, int32_t a, int32_t b, float x, float y, float width, float height, float alpha,
                          int32_t look, int32_t dialog) {
  if (width <= 0 || height <= 0 || surface < 0 || surface >= kSurfaceCount || !engineGLReady()) return true;
  const float d = backgroundUnit(surface, dialog);
  const bool bigDialog = d != kPanelUnit;
  if (bigDialog) {
    glTranslatef(width / 2 * d, -height / 2 * d, 0);
    if (dialog == 2) currentFont = 2;
  }
  const TVTLBackgroundPlan p = planDialogBackground(surface, a, b, x, y, width, height, alpha, dialog);
  if (p.glass && p.glassWidth > 0 && p.glassHeight > 0) {
    setTextOrigin(p.glassX + p.glassWidth / 2 + 1, p.glassY + p.glassHeight / 2 - 18.5f);
    drawGlassPanel(p.glassX, p.glassY, p.glassWidth, p.glassHeight, alpha);
  }
  int passes = 1;
  const bool atCallersMatrix = p.surface == 1 || p.surface == 2 || p.surface == 11;
  if (!atCallersMatrix) {
    setTextOrigin(p.x + p.width / 2 + 1, p.y + p.height / 2 - 18.5f);
    if (look == 1) glTranslatef(-0.0025f, 0.0025f, 0);
    if (look == 2) glTranslatef(0.0025f, -0.0025f, 0);
    passes = appopt.detailLevel <= 4 ? 2 : 1;
  }
  glEnable(GL_TEXTURE_2D);
  if (!blendDisabled) glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glBindTexture(GL_TEXTURE_2D, GLuint(surfaceTextures[p.surface]));
  const int32_t detail = appopt.detailLevel;
  for (int pass = 1; pass <= passes; ++pass) {
    const float passAlpha = pass == 1 ? alpha : alpha * (detail <= 2 ? 0.4f : detail == 3 ? 0.2f : 0.1f);
    drawNinePatch(p, d, passAlpha);
  }
  if (bigDialog) glTranslatef(-width / 2 * d, height / 2 * d, 0);
  return true;
}
