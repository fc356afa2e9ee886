// Window points of resting cards, from their poses.
#include "table/card_window_points.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/window_shape.h"
#include "platform/window.h"
#include "table/camera.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_pictures.h"

namespace card_window {

namespace {

std::array<double, 4> apply(const TMatrix16& m, double x, double y, double z) {
  std::array<double, 4> out{};
  for (int r = 0; r < 4; r++) out[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r];
  return out;
}

// The model-view matrix of the card's mesh corner, for card `index` of seat `stack` at rest.
TMatrix16 restingCardMatrix(int32_t stack, int32_t index, double& w, double& h) {
  const double scale = cg.gs.tableScale > 0 ? cg.gs.tableScale : 1;
  w = cardModelWidth * scale * 0.99;
  h = cardModelHeight * scale * 0.87;
  const TSpieler& s = sp[stack];
  const TCardPose& p = s.gliding ? s.pose : s.restPose;
  const TCardPose& c = s.slots[index].pose;
  TMatrix16 m = tableCameraMatrix();
  matTranslate(m, -1.196, -0.285, -2.6);
  matRotate(m, 35, 1, 0, 0);
  matTranslate(m, p.x / 502.0, -p.y / 502.0, p.z / 502.0);
  matRotate(m, p.rotX - 10, 1, 0, 0);
  matRotate(m, p.rotY + 6, 0, 1, 0);
  matRotate(m, p.rotZ, 0, 0, 1);
  matTranslate(m, (c.x + w / 2) / 502, -(c.y + h / 2) / 502, c.z / 502);
  matRotate(m, c.rotZ, 0, 0, 1);
  matRotate(m, c.rotX, 1, 0, 0);
  matRotate(m, c.rotY, 0, 1, 0);
  matTranslate(m, 0, 0.65 * h / 502, 0);  // a seat's card rises by 0.65 of its height
  matTranslate(m, -w / 2 / 497, -h / 2 / 497, 0);
  return m;
}

}  // namespace

TPoint windowPoint(const TMatrix16& modelView, double x, double y, double z) {
  const auto eye = apply(modelView, x, y, z);
  GLdouble identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPerspective(47.0 * 3 / 4, screenAspect, 1, 50);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble wx = 0, wy = 0, wz = 0;
  gluProject(eye[0], eye[1], eye[2], identity, projection, viewport, &wx, &wy, &wz);
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  return {wx, height - wy};
}

TPoint cardPoint(int32_t stack, int32_t index, double u, double v) {
  double w = 0, h = 0;
  const TMatrix16 m = restingCardMatrix(stack, index, w, h);
  const TCardSlot& slot = sp[stack].slots[index];
  const double taper = slot.poseExtra[0], bend = slot.poseExtra[1];
  double bx = 0, by = 0, bz = 0;
  if (slot.poseFlag == 0) {
    const double k = (1 - taper * u) * bend, s = 2 * (v - 0.5);
    by = -s * s * s * k * k / 6400;
    bz = s * s * k / 100;
  } else {
    const double k = (1 - taper * v) * bend * w / h, s = 2 * (u - 0.5);
    bx = -s * s * s * k * k / 6400;
    bz = s * s * k / 100;
  }
  return windowPoint(m, u * w / 497 + bx, v * h / 497 + by, bz);
}

TQuad cardQuad(int32_t stack, int32_t index) {
  return {cardPoint(stack, index, 0, 0), cardPoint(stack, index, 1, 0), cardPoint(stack, index, 1, 1),
          cardPoint(stack, index, 0, 1)};
}

double depthInside(const TQuad& q, TPoint p) {
  double area = 0;
  for (int i = 0; i < 4; i++) area += q[i].x * q[(i + 1) % 4].y - q[(i + 1) % 4].x * q[i].y;
  const double orient = area >= 0 ? 1 : -1;
  double depth = 1e9;
  for (int i = 0; i < 4; i++) {
    const TPoint a = q[i], b = q[(i + 1) % 4];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (len == 0) continue;
    depth = std::min(depth, orient * ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / len);
  }
  return depth;
}

TPoint deepestPoint(const std::vector<TQuad>& in, const std::vector<TQuad>& out, double& margin) {
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  TPoint best{-1, -1};
  margin = -1e9;
  for (int32_t y = 0; y < height; y += 2)
    for (int32_t x = 0; x < width; x += 2) {
      const TPoint p{double(x), double(y)};
      double m = std::min({double(x), double(y), double(width - 1 - x), double(height - 1 - y)});
      for (const TQuad& q : in) m = std::min(m, depthInside(q, p));
      for (const TQuad& q : out) m = std::min(m, -depthInside(q, p));
      if (m > margin) margin = m, best = p;
    }
  return best;
}

}  // namespace card_window
