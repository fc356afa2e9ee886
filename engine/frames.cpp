// Element frames, panels, the picture quad and the dialog placement helpers.
// [SECTION] dialog placement
// [SECTION] element frame
// [SECTION] curved panel
// [SECTION] picture quad
#include "engine/frames.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/gl_context.h"
#include "engine/quads.h"
#include "engine/picture_primitives.h"
#include "engine/range_check.h"
#include "engine/skins.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"

namespace {
constexpr float kFrameUnits = 497.0f;    // frame and panel units per GL unit
constexpr float kPictureUnits = 639.0f;  // picture and text units per GL unit
constexpr int32_t kNoSlideDialog = 43;   // a right-hand dialog of the main window that never slides
}  // namespace

// [SECTION] dialog placement

void setDialogScale(int32_t dialog, int16_t panelLevel, std::string_view skinName, float titleScale, bool glowFrame) {
  TVTLDialog& d = vtl.diags[dialog];
  d.panelLevel = panelLevel;
  if (skinName.empty()) return;
  d.backPicture = 0;
  d.glowFrame = glowFrame ? 1 : 0;
  if (d.count < 1) return;
  d.elements[1].textScale = titleScale;
  const int32_t c = roundEven((titleScale - 1.0) * 12.0);
  d.elements[1].y = toInt16(d.elements[1].y + roundEven(c * 1.5), "setDialogScale");
  for (int e = 2; e <= d.count; ++e) d.elements[e].y = toInt16(d.elements[e].y + c, "setDialogScale");
}

bool isRightDockedPanel(int32_t dialog) {
  if (!vtl.diags.valid(dialog)) return false;
  const TVTLDialog& d = vtl.diags[dialog];
  return d.savedX + d.savedWidth >= 801 && d.savedX >= 401 && d.savedX <= 519;
}

int32_t getDialogShift(int32_t dialog, bool fromLeft, float progress) {
  if (dialog < 3 || dialog == kNoSlideDialog) return 0;
  if ((vtl.overlayPanel != 0 && dialog == vtl.overlayPanel) || (vtl.firstPanel != 0 && dialog == vtl.firstPanel))
    return 0;
  if (!isRightDockedPanel(dialog)) return 0;
  float shift = (1.0f - progress) * 1.1f;
  if (fromLeft) shift = -shift;
  if (engineGLReady()) glTranslatef(shift, 0.0f, 0.0f);
  return roundEven(double(shift) * kPictureUnits);
}

// [SECTION] element frame

bool isBigFrame(int32_t height, bool flag) { return !flag && (height >= 100 || height == 77 || height == 53); }

int32_t framePassCount(int32_t height, bool flag, int32_t detailLevel) {
  const bool big = isBigFrame(height, flag);
  const int32_t b = big ? 0 : (detailLevel == 1 ? -1 : -2);
  const int32_t last = big ? 4 : 3;
  int32_t passes = 0;
  for (int32_t p = 1; p <= last && detailLevel - p + b >= -2; ++p) passes = p;
  return passes;
}

namespace {

// Corner steps of the rounded frame by the 3D detail.
int32_t frameCornerSteps(bool big, int32_t detail) {
  if (big) return detail == 3 ? 13 : detail == 2 ? 11 : detail == 1 ? 7 : 17;
  return (detail == 3 || detail == 2 ? 9 : detail == 1 ? 7 : 13) - 3;
}

// One point of the frame outline in the unit square, with the corner it belongs to.
struct TFramePoint {
  float x, y;  // 0..1, y upwards
  int cx, cy;  // the corner: 0 or 1 each
};

std::vector<TFramePoint> frameOutline(int32_t n, float rh, float rv) {
  std::vector<TFramePoint> pts;
  for (int corner = 0; corner < 4; ++corner) {
    for (int k = 0; k <= n; ++k) {
      const float t = float(k) / float(n) * float(k) / float(n);
      const float u = float(n - k) / float(n) * float(n - k) / float(n);
      switch (corner) {
        case 0: pts.push_back({t * rh, u * rv, 0, 0}); break;
        case 1: pts.push_back({1 - u * rh, t * rv, 1, 0}); break;
        case 2: pts.push_back({1 - t * rh, 1 - u * rv, 1, 1}); break;
        default: pts.push_back({u * rh, 1 - t * rv, 0, 1}); break;
      }
    }
  }
  return pts;
}

struct TRgba {
  float r, g, b, a;
};

TRgba mixFrameColours(float m) {
  const TVTLColour& c1 = appopt.frameColours[1];
  const TVTLColour& c2 = appopt.frameColours[2];
  return {c1.r * m + c2.r * (1 - m), c1.g * m + c2.g * (1 - m), c1.b * m + c2.b * (1 - m), c1.a * m + c2.a * (1 - m)};
}

// Vertex colour of a frame point by its part (0 fill, 1 light edge, 2 dark edge, 3 shadow
// start, 4 shadow end), from the point's place before any push.
TRgba framePartColour(int part, float x, float y, bool big, int32_t height, float alpha) {
  switch (part) {
    case 0: {
      float m = (x / 2 + y) / 1.5f;
      if (!big) m = m * 0.6f + 0.4f;
      TRgba c = mixFrameColours(m);
      const float byHeight = height == 105 ? 0.84f : height == 53 ? 0.9f : height > 60 ? 1.0f : 0.92f;
      c.a *= alpha * byHeight;
      return c;
    }
    case 1: {
      float t = ((1.5f * y + 0.5f - 0.6f * x) / 1.8f - 0.7f) * 1.48f;
      if (t < -0.8f)
        t = -(t + 0.8f) * 3.2f - 0.8f;
      else if (t > 0.52f)
        t = t + 3 * (t - 0.52f);
      const TRgba m = mixFrameColours(y);
      const float a = (t >= -0.5f && t <= 0.55f) ? alpha * 0.96f : alpha;
      return {(m.r + t) * 1.5f, (m.g + t) * 1.5f, (m.b + t) * 1.5f, a};
    }
    case 2: return {0, 0, 0, alpha};
    case 3: return {0, 0, 0, ((1 - y) * 0.2f + 0.38f + 0.16f * x) * alpha};
    default: return {0, 0, 0, 0};
  }
}

void drawRoundedFrame(bool flag, float alpha, int32_t cornerSize, int32_t height, int32_t width) {
  // The narrowing of wide panels tests the program window's left edge on the desktop, as the
  // frame knows no position of its own: the callers have already moved the matrix.
  if (height > 350 && height < 480 && width > 300 && aspectState.windowLeft + width / 2 > 550) {
    width = roundEven(width * 0.92);
    glTranslatef(float(roundEven(width * 0.12 * 0.5)) / kPictureUnits, 0, 0);
  }
  glTranslatef(0, -float(height) / kFrameUnits, 0);
  const bool big = isBigFrame(height, flag);
  const int32_t detail = appopt.detailLevel;
  const int32_t n = frameCornerSteps(big, detail);
  const float byAspect = width < 80 ? pickByAspect(1.0f, 0.85f, 0.78f) : pickByAspect(1.0f, 0.92f, 0.86f);
  const float rv = float(cornerSize) / (big ? 60.0f : 90.0f) * 0.25f * byAspect;
  const float rh = rv / float(width) * float(height) / float(screenAspect) * 4.0f / 3.0f;
  const float lower = height > 150 ? 0.0241f : 0.0f;
  const float su = big ? 2.2f / width : 1.8f / width;
  const float sv = big ? 2.2f / height : 1.6f / height;
  const float W = float(width) / kFrameUnits, H = float(height) / kFrameUnits;
  const std::vector<TFramePoint> pts = frameOutline(n, rh, rv);

  auto vertex = [&](float x, float y, const TRgba& c) {
    glColor4f(c.r, c.g, c.b, c.a);
    glVertex3f(x * W, (y - lower) * H, 0);
  };
  auto pushed = [&](const TFramePoint& p, float q, float& x, float& y) {
    x = p.x + q * 1.2f * su * float(2 * p.cx - 1);
    y = p.y + q * 1.2f * sv * float(2 * p.cy - 1);
  };

  glDisable(GL_TEXTURE_2D);
  const int32_t passes = framePassCount(height, flag, detail);
  for (int32_t pass = 1; pass <= passes; ++pass) {
    if (pass == 1) {
      glBegin(GL_POLYGON);
      for (const TFramePoint& p : pts) vertex(p.x, p.y, framePartColour(0, p.x, p.y, big, height, alpha));
      glEnd();
      continue;
    }
    glBegin(GL_TRIANGLE_STRIP);
    for (size_t i = 0; i <= pts.size(); ++i) {
      const TFramePoint& p = pts[i % pts.size()];  // the closing point is the first again
      float ix, iy, ox, oy;
      int innerPart, outerPart;
      if (pass == 2) {
        ix = p.x, iy = p.y, innerPart = 0;
        pushed(p, 1.3f, ox, oy), outerPart = 1;
      } else if (pass == 3) {
        pushed(p, 1.3f, ix, iy), innerPart = 1;
        pushed(p, 2.0f, ox, oy), outerPart = 2;
      } else {
        pushed(p, 2.0f, ix, iy), innerPart = 3;
        ox = p.x + 12 * su * float(3 * p.cx - 1);
        oy = p.y + 12 * sv * (2 * float(p.cy) - 1.2f);
        outerPart = 4;
      }
      vertex(ix, iy, framePartColour(innerPart, p.x, p.y, big, height, alpha));
      vertex(ox, oy, framePartColour(outerPart, p.x, p.y, big, height, alpha));
    }
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);
}

}  // namespace

void drawElementFrame(int32_t /*frameKind*/, bool flag, float alpha, int32_t cornerSize, int32_t height,
                      int32_t width) {
  if (width <= 0 || height <= 0 || !engineGLReady()) return;
  switch (appopt.windowStyle) {
    case 4:
      // Surface 1 is drawn at the caller's matrix: its position does not enter.
      drawDialogBackground(1, 10, 10, 0, 0, float(width), float(height), alpha, 0, 0);
      glTranslatef(0, -float(height) / kFrameUnits, 0);
      break;
    case 3:
      drawTexturedPanel(1, 0, 0, width, height, alpha);
      glTranslatef(0, -float(height) / kFrameUnits, 0);
      break;
    default: drawRoundedFrame(flag, alpha, cornerSize, height, width); break;
  }
}

// [SECTION] curved panel

TVTLPanelShape panelShape(int32_t variant, int32_t height, int32_t detailLevel) {
  TVTLPanelShape s{};
  s.isShort = variant == 1 || height <= 360;
  s.segments = detailLevel == 3 ? 10 : detailLevel == 2 ? 8 : detailLevel == 1 ? 7 : 12;
  if (s.isShort) s.segments -= 3;
  if (variant == 1)
    s.heightGL = -float(height) / kFrameUnits;
  else if (s.isShort)
    s.heightGL = -float(height + 10) / kFrameUnits;
  else
    s.heightGL = -1.2112f;
  return s;
}

TVTLPanelWeights panelWeights(float t, bool isShort) {
  TVTLPanelWeights w{};
  if (isShort ? t < 0.1f : 600 * t < 31) {
    w.w4 = isShort ? 0.4f + 0.6f * (0.1f - t) / 0.1f : 0.4f + 0.6f * (1 - 600 * t / 31);
    w.w2 = 1 - w.w4;
  } else if (isShort ? t <= 0.7f : 600 * t <= 500) {
    w.w3 = t;
    w.w2 = 1 - t;
  } else {
    w.w4 = isShort ? (t - 0.7f) / 0.3f : 0.3f * (600 * t - 500) / 100;
    w.w3 = 1 - w.w4;
  }
  return w;
}

void drawTexturedPanel(int32_t variant, int32_t /*x*/, int32_t y, int32_t width, int32_t height, float alpha) {
  if (width <= 0 || height <= 0 || !engineGLReady()) return;
  const TVTLPanelShape shape = panelShape(variant, height, appopt.detailLevel);
  const int32_t n = shape.segments;
  const float W = float(width) / kFrameUnits, H = shape.heightGL;
  if (shape.isShort && variant == 0) glTranslatef(0, 0.01206f, 0);
  if (!shape.isShort) glTranslatef(0, float(y) / kFrameUnits, 0);
  const bool logo = !shape.isShort && width >= 50 && height >= 50 && engineTextures.logoTexture[1] != 0;

  const TVTLColour c1 = appopt.frameColours[1], c2 = appopt.frameColours[2], c3 = appopt.frameColours[3],
                   c4 = appopt.frameColours[4];
  auto rowT = [&](int k) { return logo && (k == 1 || k == 2) ? 1.0f / 19.0f : float(k) / float(n); };

  glDisable(GL_TEXTURE_2D);
  for (int band = 0; band <= 3; ++band) {
    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k <= n; ++k) {
      const float t = rowT(k);
      const float p = shape.isShort ? 0.1f : std::sin(std::numbers::pi_v<float> * t) - 0.7f;
      const TVTLPanelWeights w = panelWeights(t, shape.isShort);
      const TVTLColour C{c2.r * w.w2 + c3.r * w.w3 + c4.r * w.w4, c2.g * w.w2 + c3.g * w.w3 + c4.g * w.w4,
                         c2.b * w.w2 + c3.b * w.w3 + c4.b * w.w4, c2.a * w.w2 + c3.a * w.w3 + c4.a * w.w4};
      const float yy = H * t;
      float xa = 0, xb = 0;
      TVTLColour ca{}, cb{};
      switch (band) {
        case 1:
          xa = W - 0.05f * p;
          xb = shape.isShort ? 0.05f * p : -0.05f * p;
          ca = {0.8f * C.r, 0.8f * C.g, 0.8f * C.b, C.a * alpha};
          cb = {1.2f * C.r, 1.2f * C.g, 1.2f * C.b, C.a * alpha};
          break;
        case 0:
          xa = W - 0.05f * (p - 0.2f);
          xb = W - 0.05f * p;
          ca = {0.4f * w.w3 + C.r / 2, 0.4f * w.w3 + C.g / 2, 0.4f * w.w3 + C.b / 2, 0.9f * alpha};
          cb = {C.r, C.g, C.b, C.a * alpha};
          break;
        case 2:
          xa = shape.isShort ? 0.05f * p : -0.05f * p;
          xb = shape.isShort ? 0.05f * (p - 0.2f) : -0.05f * (p + 0.2f);
          ca = {1.2f * C.r, 1.2f * C.g, 1.2f * C.b, 1.2f * C.a * alpha};
          cb = {2 * C.r + 0.1f + 0.6f * w.w2, 2 * C.g + 0.1f + 0.6f * w.w2, 2 * C.b + 0.1f + 0.6f * w.w2,
                0.3f * w.w2 + 0.35f * alpha};
          break;
        default:
          xa = W - 0.05f * (p - (shape.isShort ? 0.4f : 1.4f));
          xb = W - 0.05f * (p - 0.2f);
          ca = {0, 0, 0, 0};
          cb = {c1.r / 2, c1.g / 2, c1.b / 2, 0.54f * alpha};
          break;
      }
      // The first row of a panel with logo carries "logo2.bmp" on the body.
      const bool textured = logo && band == 1 && k <= 1;
      if (textured && k == 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, GLuint(engineTextures.logoTexture[2]));
      }
      if (textured) glTexCoord2f(0, 1 - 19 * t);
      glColor4f(ca.r, ca.g, ca.b, ca.a);
      glVertex3f(xa, yy, 0);
      if (textured) glTexCoord2f(1, 1 - 19 * t);
      glColor4f(cb.r, cb.g, cb.b, cb.a);
      glVertex3f(xb, yy, 0);
      if (textured && k == 1) glDisable(GL_TEXTURE_2D);
    }
    glEnd();
  }
  if (logo) drawQuad(engineTextures.logoTexture[1], width / 2 - 35, 3, 112, 86, alpha);
}

// [SECTION] picture quad

void windowFrameTexCoord(float x, float y, const TVTLTexWindow& window, bool atlasSqueeze, int32_t width, float& u,
                         float& v) {
  u = x * 0.9801f * window.du + window.u0 + 0.002f;
  v = y * 0.9801f * window.dv + window.v0 - 0.195f;
  if (atlasSqueeze) u = u < 0.5f ? u * float(width) / 170.0f : 1 - (1 - u) * float(width) / 170.0f;
}

namespace {

// One corner of the picture quad: its two points (the rounding is zero, so they meet).
void drawFrameCurve(float cx, float cy, const TVTLTexWindow& window, bool squeeze, int32_t width,
                    int32_t height, bool coloured, float alpha) {
  for (int i = 0; i < 2; ++i) {
    float u, v;
    windowFrameTexCoord(cx, cy, window, squeeze, width, u, v);
    if (coloured) {
      const TVTLColour& e = appopt.elementColour;
      glColor4f(e.r, e.g, e.b, e.a * alpha * (cy * (1 - cx) * 0.4f + 0.18f) * 2);
    }
    glTexCoord2f(u, v);
    glVertex3f(cx * float(width) / kPictureUnits, cy * float(height) / kPictureUnits, 0);
  }
}

}  // namespace

void drawWindowFrame(int32_t texture, int32_t a, bool shade, float alpha, int32_t /*corner*/, int32_t height,
                     int32_t width, const TVTLTexWindow& window, int32_t nudge) {
  if (width <= 0 || height <= 0 || !engineGLReady()) return;
  const bool coloured = a < 0 && shade;
  glTranslatef(-float(width) / 2 / kPictureUnits, -float(height) / 2 / kPictureUnits, 0);
  if (nudge == 1) glTranslatef(-0.0025f, 0.0025f, 0);
  const bool squeeze = nudge == -1 && texture != 0 && texture == engineTextures.elementAtlas;
  glBegin(GL_POLYGON);
  drawFrameCurve(0, 0, window, squeeze, width, height, coloured, alpha);
  drawFrameCurve(1, 0, window, squeeze, width, height, coloured, alpha);
  drawFrameCurve(1, 1, window, squeeze, width, height, coloured, alpha);
  drawFrameCurve(0, 1, window, squeeze, width, height, coloured, alpha);
  glEnd();
}
