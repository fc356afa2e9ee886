// The table's styles: placeTable, the rectangle (0), the round table (1), the curved strips
// (2) and the ovals (3 to 6), and the shadow darkening of layer 5.
//
// [SECTION] segment counts
// [SECTION] placement
// [SECTION] rectangle and round table
// [SECTION] curved strips
// [SECTION] ovals
// [SECTION] shadow darkening
#include "table/table_styles.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/engine_options.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"
#include "shell/env_param.h"
#include "table/camera.h"
#include "table/scene.h"
#include "table/table_layout.h"
#include "table/table_pictures.h"

// [SECTION] segment counts

namespace {

constexpr int32_t kRoundNarrow[] = {30, 44, 60, 80, 104};
constexpr int32_t kRoundWide[] = {40, 54, 68, 88, 110};
constexpr int32_t kStrips[] = {10, 16, 22, 30, 40};
constexpr int32_t kOval[] = {30, 44, 60, 80, 104};

int32_t levelIndex(int32_t level) { return level >= 1 && level <= 5 ? level - 1 : 2; }

}  // namespace

int32_t tableSegmentCount(int32_t style, int32_t detailLevel, bool narrow) {
  const int32_t i = levelIndex(detailLevel);
  if (style == 1) return narrow ? kRoundNarrow[i] : kRoundWide[i];
  if (style == 2) return kStrips[i];
  return kOval[i];
}

int32_t ovalRingCount(int32_t detailLevel) { return kOval[levelIndex(detailLevel)] / 16 + 3; }

namespace {

// The inputs of one table drawing, set by drawTableStyle.
struct TTablePass {
  int32_t pass;
  bool markTable;
  bool textured;     // not passes 6 and 7
  bool markOrShine;  // passes 7 and 8
  float tileX, tileY;
  int32_t edgeTexture;
};

// Base rectangle of placeTable.
constexpr float kX0 = 0, kY0 = 0.02f, kW = 3.3f, kD = -3.625f, kZ = 0;

bool narrowScreen() { return aspectState.aspect43 || aspectState.aspect54; }

void texCoord(const TTablePass& t, float u, float v) {
  if (t.textured) glTexCoord2f(u, v);
}

void bindTexture(const TTablePass& t, int32_t texture) {
  if (!t.textured) return;
  if (texture > 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  } else {
    glDisable(GL_TEXTURE_2D);  // a picture that failed to load: the surface in its colour
  }
}

// [SECTION] placement

void placeTable(const TTablePass& t) {
  setupTableCamera();
  glTranslatef(0, 0.12f, 0);
  glRotatef(-55, 1, 0, 0);
  glTranslatef(0, 2.4f, 0.2f);
  glTranslatef(-1.62f, 3.15f, -2.57f);
  if (t.pass != 1 && envParam.transparency > 0) {
    enableGlCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1 - float(envParam.transparency) / 99);
  }
  if (cg.gameId == gidBlackjack) glTranslatef(-0.08f, 0.12f, 0);
}

// [SECTION] rectangle and round table

void drawTableRect(const TTablePass& t) {
  const float w = kW * 1.065f, d = kD * 0.935f, y0 = kY0 - 0.16f;
  glRotatef(3, 0, 0, 1);
  glTranslatef(-0.2f, -0.2f, 0);
  glBegin(GL_TRIANGLE_FAN);
  texCoord(t, t.tileX / 2, t.tileY / 2);
  glVertex3f(kX0 + w / 2, y0 + d / 2, kZ);
  const float corners[5][4] = {{kX0, y0, 0, 0},
                               {kX0, y0 + d, 0, t.tileY},
                               {kX0 + w, y0 + d, t.tileX, t.tileY},
                               {kX0 + w, y0, t.tileX, 0},
                               {kX0, y0, 0, 0}};
  for (const auto& c : corners) {
    texCoord(t, c[2], c[3]);
    glVertex3f(c[0], c[1], kZ);
  }
  glEnd();
  if (t.edgeTexture <= 0 || t.markTable) return;
  bindTexture(t, t.edgeTexture);
  const float y = y0 + d, r = float(envParam.edgeRepeat);
  glBegin(GL_QUADS);
  texCoord(t, 0, 0);
  glVertex3f(kX0, y, kZ - 0.2f);
  texCoord(t, r, 0);
  glVertex3f(kX0 + w, y, kZ - 0.2f);
  texCoord(t, r, 1);
  glVertex3f(kX0 + w, y, kZ);
  texCoord(t, 0, 1);
  glVertex3f(kX0, y, kZ);
  glEnd();
}

void drawTableRound(const TTablePass& t) {
  const float cx = 1.68f, cy = -2.1f;
  const int32_t n = tableSegmentCount(1, appopt.detailLevel, narrowScreen());
  const float o = t.pass == 1 ? 0.018f : 0;
  const float r = tableScaleFactor(false) * 1.8f;
  const float trans = float(envParam.transparency);
  const bool side = isViewFromSide();
  if (cg.gameId == gidBlackjack) glTranslatef(0.06f, 0, 0);
  glTranslatef(-0.0336f, 0, 0);
  if (side) glTranslatef(0, -0.45f, 0);
  auto angle = [n](int32_t j) { return float(j) / float(n) * 2 * 3.1406f - 2.7f; };
  // The rim dips in the side view between 5 % and 35 % of the circle.
  auto rimZ = [n, side](int32_t i) {
    const float f = float(i) / float(n);
    if (!side || f <= 0.05f || f >= 0.35f) return kZ;
    const float q = (f - 0.2f) / 0.15f;
    return kZ - 35.0f / 639 * (1 - q * q);
  };
  glBegin(GL_TRIANGLE_FAN);
  if (trans > 10) {
    // The centre takes the alpha of a rim point at the middle depth (sin 0).
    const float a = side ? 0.65f - (trans / 150) / 1.2f : 0.75f - 0.8f * (trans / 150) / 1.2f;
    glColor4f(1, 1, 1, a);
  }
  texCoord(t, 0.48f * t.tileX + o, side ? 0.48f * 0.4f * t.tileY : 0.48f * t.tileY);
  glVertex3f(cx, side ? 1.6f * cy : cy, kZ);
  for (int32_t i = 0; i <= n; i++) {
    const int32_t j = i == n ? 0 : i;
    if (j % 2 == 1 && float(j) > float(n) / 2.75f) continue;
    const float c = std::cos(angle(j)), s = std::sin(angle(j));
    if (trans > 10) glColor4f(1, 1, 1, 1 - (trans / 150) / (0.8f * s + 1.2f));
    texCoord(t, (c + 1) / 2 * 0.96f * t.tileX + o, (s + 1) / 2 * 0.96f * t.tileY);
    glVertex3f(cx + r * c, cy + r * s, rimZ(i));
  }
  glEnd();
  if (t.edgeTexture <= 0 || t.markTable) return;
  bindTexture(t, t.edgeTexture);
  float band = 0.18f;
  if (trans > 10) {
    band = 0.06f;
    glColor4f(1, 1, 1, 1 - (trans / 99) / 2);
  }
  glBegin(GL_QUAD_STRIP);
  for (int32_t i = 0; i <= n && float(i) <= float(n) / 2.75f; i++) {
    const float c = std::cos(angle(i)), s = std::sin(angle(i)), u = float(i) / float(n) * float(envParam.edgeRepeat);
    texCoord(t, u + o, 0.01f);
    glVertex3f(cx + r * c, cy + r * s, rimZ(i));
    texCoord(t, u + o, 0.99f);
    glVertex3f(cx + r * c, cy + r * s, kZ - band);
  }
  glEnd();
}

// [SECTION] curved strips

float wavyEdgeY(int32_t side, float t, float depth) {
  const float phi = (t / 2 + 0.25f) * 3.14159f, q = std::sin(phi) * std::sin(phi);
  float e, f;
  if (side == 0) {
    e = t < 0.3f ? 0.3f - t : t > 0.7f ? t - 0.7f : 0;
    f = 1.2f - q;
  } else {
    e = t < 0.08f ? 1 - (0.08f - t) : t > 0.92f ? 1 - (t - 0.92f) : 1;
    f = q - 0.2f;
  }
  return -0.15f + depth * (0.6f * e + 0.3f * f + 0.27f * float(side));
}

float wavyLift(float x) { return (0.0125f - std::sin(3000 * x) / 80) / 2; }

void drawTableWavy(const TTablePass& t) {
  glRotatef(7, 0, 0, 1);
  glTranslatef(-1.3f, -1.12f, 0);
  glRotatef(30, 0, 0, 1);
  const int32_t n = tableSegmentCount(2, appopt.detailLevel, narrowScreen());
  if (cg.gameId == gidBlackjack) glTranslatef(-0.25f, 0.2f, 0);
  const float w = kW * tableScaleFactor(true), d = kD * tableScaleFactor(true);
  for (int32_t i = 0; i < n; i++) {
    const float a = float(i) / float(n), b = float(i + 1) / float(n);
    const float xa = a * w * 1.06f, xb = b * w * 1.06f;
    const float ya0 = wavyEdgeY(0, a, d), ya1 = wavyEdgeY(1, a, d), yb0 = wavyEdgeY(0, b, d),
                yb1 = wavyEdgeY(1, b, d);
    glBegin(GL_TRIANGLE_FAN);
    texCoord(t, (a + b) / 2 * t.tileX, t.tileY / 2);
    glVertex3f((xa + xb) / 2, (ya0 + ya1 + yb0 + yb1) / 4, kZ - wavyLift(xa + xb));
    const float pts[5][4] = {{xa, ya0, a, 0}, {xa, ya1, a, 1}, {xb, yb1, b, 1}, {xb, yb0, b, 0}, {xa, ya0, a, 0}};
    for (const auto& p : pts) {
      texCoord(t, p[2] * t.tileX, p[3] * t.tileY);
      glVertex3f(p[0], p[1], kZ - wavyLift(p[0]));
    }
    glEnd();
  }
}

// [SECTION] ovals

struct TOval {
  int32_t n;
  float cx, cy, r;
};

void ovalPoint(const TOval& o, int32_t j, float& c, float& s) {
  const float phi = float(j) / float(o.n) * 6.2812f - 1.4f;
  c = 0.8f * std::cos(phi);
  s = 0.8f * std::sin(phi);
}

// Every vertex near the start and end of the circle, every second one between.
template <class F>
void forOvalPoints(const TOval& o, F&& f) {
  for (int32_t i = 0; i <= o.n; i++) {
    const int32_t j = i == o.n ? 0 : i;
    if (j % 2 == 0 || float(j) <= 0.2f * float(o.n) || float(j) >= 0.8f * float(o.n)) f(j);
  }
}

float rimShade(float h, float v, float w) {
  float g = 8 * h;
  if (w < 0.5f && v > 0.55f) g += (v - 0.55f) * (v - 0.55f) * (1 - v) * 30;
  if (w > 0.5f && v < 0.45f) g += (0.45f - v) * (0.45f - v) * v * 30;
  return g;
}

float bead(float v) { return v <= 0.07f ? v : 0.07f + (v - 0.07f) * 0.3f; }

void ovalTop(const TTablePass& t, const TOval& o, int32_t style) {
  float k = 0.9f, fx = 1, fy = 1, off = t.pass == 1 ? 0.016f : 0;
  const bool full = t.pass == 1 || style == 6;
  if (!full) {
    if (style == 5) glColor4f(1, 1, 1, 1);
    bindTexture(t, tableTexture2);
    k = style == 4 ? 0.2f : 2.4f;
    fx = 0.65f * 1.19f;
    fy = 0.65f;
    off = 0;
  }
  glBegin(GL_TRIANGLE_FAN);
  if (t.pass == 1)
    texCoord(t, 0.48f * t.tileX + off, 0.48f * t.tileY);
  else
    texCoord(t, k * 0.48f * t.tileX, k * 0.48f * t.tileY);
  glVertex3f(o.cx, o.cy, kZ);
  forOvalPoints(o, [&](int32_t j) {
    float c, s;
    ovalPoint(o, j, c, s);
    if (t.pass == 1)
      texCoord(t, (1 + k * c) / 2 * 0.96f * t.tileX + off, (1 + k * s) / 2 * 0.96f * t.tileY);
    else
      texCoord(t, k * (c + 1) / 2 * 0.96f * t.tileX, k * (s + 1) / 2 * 0.96f * t.tileY);
    glVertex3f(o.cx + o.r * c * fx, o.cy + o.r * s * fy, kZ);
  });
  glEnd();
}

void ovalRing(const TTablePass& t, const TOval& o, int32_t style) {
  float k = 1;
  if (style == 4) glColor4f(1, 1, 1, 1);
  if (style == 5) {
    glColor4f(1, 1, 1, 1 - float(envParam.transparency) / 99);
    k = 0.2f;
  }
  bindTexture(t, tableTexture);
  glBegin(GL_TRIANGLE_STRIP);
  forOvalPoints(o, [&](int32_t j) {
    float c, s;
    ovalPoint(o, j, c, s);
    const float ci = c * 0.7735f, si = s * 0.65f;
    texCoord(t, k * (ci + 1) / 2 * 0.96f * t.tileX, k * (si + 1) / 2 * 0.96f * t.tileY);
    glVertex3f(o.cx + o.r * ci, o.cy + o.r * si, kZ);
    texCoord(t, k * (c + 1) / 2 * 0.96f * t.tileX, k * (s + 1) / 2 * 0.96f * t.tileY);
    glVertex3f(o.cx + o.r * c, o.cy + o.r * s, kZ);
  });
  glEnd();
}

void ovalRim(const TTablePass& t, const TOval& o) {
  bindTexture(t, tableEdgeTexture);
  enableGlCap(GL_LIGHTING);
  const float k = 6;
  const int32_t m = ovalRingCount(appopt.detailLevel);
  glBegin(GL_TRIANGLE_STRIP);
  for (int32_t ring = 0; ring < m; ring++) {
    const float v0 = float(ring) / float(m), v1 = float(ring + 1) / float(m);
    const float u0 = v0 * 0.15f, u1 = v1 * 0.15f;
    const float h0 = bead(std::sin(v0 * 3.141f) * 0.1f), h1 = bead(std::sin(v1 * 3.141f) * 0.1f);
    forOvalPoints(o, [&](int32_t j) {
      float c, s;
      ovalPoint(o, j, c, s);
      const float w = float(j) / float(o.n);
      const float xi = c * (1 + u0), yi = s * (1 + 1.4f * u0), xo = c * (1 + u1), yo = s * (1 + 1.4f * u1);
      const float g0 = rimShade(h0, v0, w), g1 = rimShade(h1, v1, w);
      glColor4f(g0, g0, g0, 1);
      texCoord(t, k * (xi + 1) / 2 * 0.96f * t.tileX, k * (yi + 1) / 2 * 0.96f * t.tileY);
      glVertex3f(o.cx + o.r * xi, o.cy + o.r * yi, kZ + h0);
      glColor4f(g1, g1, g1, 1);
      texCoord(t, k * (xo + 1) / 2 * 0.96f * t.tileX, k * (yo + 1) / 2 * 0.96f * t.tileY);
      glVertex3f(o.cx + o.r * xo, o.cy + o.r * yo, kZ + h1);
    });
  }
  glEnd();
  glEnable(GL_TEXTURE_2D);
}

void drawTableOval(const TTablePass& t, int32_t style) {
  glTranslatef(-0.0891f, 0, 0);
  glTranslatef(-0.256651f, 0, 0);
  TOval o{tableSegmentCount(style, appopt.detailLevel, narrowScreen()), 1.97f, -2.1f, tableScaleFactor(true) * 2.16f};
  if (cg.gameId == gidBlackjack) glTranslatef(0.07f, 0, 0);
  if (cg.gameId == gidRomme || cg.gameId == gidCanasta) o.r *= 1.05f;
  if (!t.markOrShine || style == 4) ovalTop(t, o, style);
  const bool ringMarks = style == 3 || style == 5;
  if (t.pass != 1 && style != 6 && (!t.markOrShine || ringMarks)) ovalRing(t, o, style);
  if (!t.markOrShine) ovalRim(t, o);
}

}  // namespace

void drawTableStyle(int32_t pass, bool markTable) {
  TTablePass t;
  t.pass = pass;
  t.markTable = markTable;
  t.textured = pass != 6 && pass != 7;
  t.markOrShine = pass == 7 || pass == 8;
  t.tileX = pass == 1 ? 1 : float(envParam.tableWidth);
  t.tileY = pass == 1 ? 1 : float(envParam.tableHeight);
  t.edgeTexture = pass == 1 ? 0 : tableEdgeTexture;
  placeTable(t);
  switch (envParam.tableStyle) {
    case 0: drawTableRect(t); break;
    case 1: drawTableRound(t); break;
    case 2: drawTableWavy(t); break;
    case 3:
    case 4:
    case 5:
    case 6: drawTableOval(t, envParam.tableStyle); break;
    default: break;  // no table: the backdrop and the cards only
  }
}

// [SECTION] shadow darkening

namespace {

void shadeFan(float x, float y, float w, float d) {
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(x + w / 2, y + d / 2, 0);
  glVertex3f(x, y, 0);
  glVertex3f(x, y + d, 0);
  glVertex3f(x + w, y + d, 0);
  glVertex3f(x + w, y, 0);
  glVertex3f(x, y, 0);
  glEnd();
}

void shadeTranslations() {
  glTranslatef(-0.44f, -3.6f, -2.6f);
  glTranslatef(0, 2.4f, 0.2f);
  glTranslatef(-1.62f, 3.15f, -2.57f);
}

bool wideClass() { return aspectState.aspect169 || aspectState.aspect1610 || aspectState.aspectFree; }

}  // namespace

void drawShadowShade() {
  setupTableCamera();
  enableGlCap(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(0, 0, 0, float(envParam.grayLevel) / 99);
  glDisable(GL_TEXTURE_2D);
  shadeTranslations();
  float x = -0.02772f, w = 4.19496f, d = -4.35f;
  if (isViewFromAbove()) d *= 1.2f;
  if (wideClass()) {
    w *= pickByAspect(1, 1.3f, 1.35f);
    x -= pickByAspect(0, 0.12f, 0.126f) * w;
  }
  shadeFan(x, 0.02f, w, d);
}

void drawSoftShadowShade() {
  glLoadIdentity();
  enableGlCap(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_TEXTURE_2D);
  glColor4f(0, 0, 0, 0.05f);
  shadeTranslations();
  float w = 6.468f, d = -6.525f;
  float x = -0.2f * w, y = 0.02f - 0.2f * d;
  if (wideClass()) {
    w *= 2;
    x -= 0.12f * w * 3;
    y -= 0.1f * d;
  }
  shadeFan(x, y, w, d);
}
