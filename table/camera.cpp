// The table camera, the seat camera and the 3 x 3 helpers of the shadow volume.
#include "table/camera.h"

#include <GL/gl.h>

#include <cmath>

#include "core/cg.h"
#include "engine/compositor.h"
#include "engine/engine_form.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/stacks.h"
#include "table/table_questions.h"

TMatrix16 tableMatrix{};

// [SECTION] matrices

TMatrix16 identityMatrix() {
  TMatrix16 m{};
  m[0] = m[5] = m[10] = m[15] = 1;
  return m;
}

namespace {

void multiplyRight(TMatrix16& m, const TMatrix16& r) {
  TMatrix16 out{};
  for (int c = 0; c < 4; c++)
    for (int row = 0; row < 4; row++) {
      double sum = 0;
      for (int k = 0; k < 4; k++) sum += m[k * 4 + row] * r[c * 4 + k];
      out[c * 4 + row] = sum;
    }
  m = out;
}

}  // namespace

void matTranslate(TMatrix16& m, double x, double y, double z) {
  TMatrix16 t = identityMatrix();
  t[12] = x;
  t[13] = y;
  t[14] = z;
  multiplyRight(m, t);
}

// The rotation glRotate builds (axis normalised).
void matRotate(TMatrix16& m, double degrees, double x, double y, double z) {
  const double len = std::sqrt(x * x + y * y + z * z);
  if (len == 0) return;
  x /= len;
  y /= len;
  z /= len;
  const double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a), k = 1 - c;
  TMatrix16 r = identityMatrix();
  r[0] = x * x * k + c;
  r[1] = y * x * k + z * s;
  r[2] = x * z * k - y * s;
  r[4] = x * y * k - z * s;
  r[5] = y * y * k + c;
  r[6] = y * z * k + x * s;
  r[8] = x * z * k + y * s;
  r[9] = y * z * k - x * s;
  r[10] = z * z * k + c;
  multiplyRight(m, r);
}

// [SECTION] the camera

TMatrix16 tableCameraMatrix() {
  TMatrix16 m = identityMatrix();
  if (vtl.cameraMode == 2) matTranslate(m, 0, 0, -3);
  // The dialogs' own projection has no tilt: the table must not tilt under it either.
  if (!scenePickFlag && screenMode != 0) {
    if (isViewFromSide()) {
      matRotate(m, -8, 1, 0, 0);
      matTranslate(m, 0, 0.7, 0);
    } else if (isViewFromAbove()) {
      matRotate(m, 20, 1, 0, 0);
      matTranslate(m, 0, -1.1, 0);
    }
    // The tutorial's shift (0, 0.2347418, 0) comes with the tutorial.
  }
  return m;
}

TMatrix16 seatCameraMatrix(int32_t seat) {
  TMatrix16 m = tableCameraMatrix();
  matTranslate(m, -1.196, -0.405, -2.6);
  matTranslate(m, 0, 0.12, 0);
  matRotate(m, 35, 1, 0, 0);
  if (seat < 1 || seat > stackCount) return m;
  const TSpieler& s = sp[seat];
  TCardPose p = s.gliding ? s.pose : s.restPose;
  const TGameId g = cg.gameId;
  if (g == gidCanasta && playerCount > 0) p.z = p.z - 20 - 60.0f * (playerCount - seat) / playerCount;
  if (g == gidSkat || g == gidDoppelkopf || g == gidSchafkopf || g == gidJass || g == gidHearts) p.y -= 180;
  const bool open = isSeatHandOpen(seat);
  matTranslate(m, (open ? p.x + 180 : p.x) / 502.0, -p.y / 502.0, p.z / 502.0);
  matRotate(m, -90, 1, 0, 0);
  if (!open) {
    matTranslate(m, 0, -0.12 * (1100 - p.x) / 502.0, 0);
    if (p.x < 800) matTranslate(m, 0.12 * (800 - p.x) / 502.0, 0, 0);
  }
  matTranslate(m, -0.318725, -0.358566, -0.179283);
  if (g == gidWar && seat == 2) matTranslate(m, 0.756972, 0, 0);
  return m;
}

void setupTableCamera() { glLoadMatrixd(tableCameraMatrix().data()); }

void setSeatCamera(int32_t seat) { glLoadMatrixd(seatCameraMatrix(seat).data()); }

void captureTableMatrix() { glGetDoublev(GL_MODELVIEW_MATRIX, tableMatrix.data()); }

// [SECTION] 3 x 3 helpers

void transformVector(const double* m, double* out, double x, double y, double z) {
  out[0] = m[0] * x + m[4] * y + m[8] * z;
  out[1] = m[1] * x + m[5] * y + m[9] * z;
  out[2] = m[2] * x + m[6] * y + m[10] * z;
}

bool invertMatrix3(const double* m, double* out) {
  const float a = float(m[0]), b = float(m[4]), c = float(m[8]);
  const float d = float(m[1]), e = float(m[5]), f = float(m[9]);
  const float g = float(m[2]), h = float(m[6]), i = float(m[10]);
  const float det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
  if (det == 0 || !std::isfinite(det)) return false;
  const float r = 1.0f / det;
  out[0] = (e * i - f * h) * r;
  out[4] = (c * h - b * i) * r;
  out[8] = (b * f - c * e) * r;
  out[1] = (f * g - d * i) * r;
  out[5] = (a * i - c * g) * r;
  out[9] = (c * d - a * f) * r;
  out[2] = (d * h - e * g) * r;
  out[6] = (b * g - a * h) * r;
  out[10] = (a * e - b * d) * r;
  return true;
}
