// The shadow volume of a card: a quad strip from its outline towards the far side of the
// light, counted into the stencil twice (front faces up, back faces down).
#include "table/shadows.h"

#include <GL/gl.h>

#include "table/camera.h"
#include "table/scene.h"
#include "table/table_questions.h"

TShadowOutline shadowOutlineA;
TShadowOutline shadowOutlineB;
TShadowOutline shadowOutlinePile;
uint8_t stencilActive = 0;

void clearShadowOutline(TShadowOutline& o) { o.count = 0; }

void addShadowPoint(TShadowOutline& o, float x, float y, float z) {
  if (o.count >= 40) return;
  o.points[o.count++] = {x, y, z};
}

TShadowPoint shadowFarPoint(const TShadowPoint& p, const double* dir) {
  return {float(11 * p.x + dir[0]), float(11 * p.y + dir[1]), float(11 * p.z + dir[2])};
}

bool shadowLightDirection(const double* mv, double* dir) {
  double inverse[16] = {};
  if (!invertMatrix3(mv, inverse)) return false;
  const double mx = mv[12], my = mv[13], mz = mv[14];
  transformVector(inverse, dir, -10 * (20 - mx), -10 * (20 - my), -10 * (40 - mz));
  return true;
}

namespace {

// The card faces the light when a step along its normal takes it away from the light.
bool facesLight() {
  auto lightDistance = [](double dz) {
    glTranslated(0, 0, dz);
    glGetDoublev(GL_MODELVIEW_MATRIX, tableMatrix.data());
    const double a = 10 - tableMatrix[12], b = 10 - tableMatrix[13], c = 20 - tableMatrix[14];
    return a * a + b * b + c * c;
  };
  const double d1 = lightDistance(0.1);
  const double d2 = lightDistance(-0.1);
  return d1 < d2;
}

void emit(const TShadowPoint& p, const double* dir, bool pile) {
  if (p.x == -10) return;
  TShadowPoint q = p;
  if (pile) q.y *= 0.99f;
  const TShadowPoint e = shadowFarPoint(q, dir);
  glVertex3f(q.x, q.y, q.z);
  glVertex3f(e.x, e.y, e.z);
}

}  // namespace

void drawShadowVolume(int32_t stack, int32_t index, bool resting) {
  if (shadowOutlineA.count == 0) return;
  const bool pile = isStockOrTrickPile(stack);
  if (pile && resting && index == 1) return;  // the bottom card's shadow is the table's
  double mv[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, mv);
  double dir[3];
  if (!shadowLightDirection(mv, dir)) return;
  const bool facing = facesLight();
  glCullFace((facing == (stencilActive == 1)) ? GL_FRONT : GL_BACK);
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  glDisable(GL_BLEND);
  glBegin(GL_QUAD_STRIP);
  for (int32_t i = 0; i < shadowOutlineA.count; i++) emit(shadowOutlineA.points[i], dir, pile);
  for (int32_t i = shadowOutlineB.count - 1; i >= 0; i--) emit(shadowOutlineB.points[i], dir, pile);
  emit(shadowOutlineA.points[0], dir, pile);
  glEnd();
  glDisable(GL_BLEND);
  enableGlCap(GL_CULL_FACE);
}
