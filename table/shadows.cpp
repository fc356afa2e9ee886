// The shadow volume of a card: a quad strip from its outline towards the far side of the
// light, counted into the stencil twice (front faces up, back faces down). A closed pile on
// low effects casts one block with side walls instead of a volume per card.
#include "table/shadows.h"

#include <GL/gl.h>

#include "engine/engine_options.h"
#include "table/camera.h"
#include "table/scene.h"
#include "table/table_questions.h"

TShadowOutline shadowOutlineA;
TShadowOutline shadowOutlineB;
TShadowOutline shadowOutlinePile;
uint8_t stencilActive = 0;

namespace {
constexpr float kCardUnit = 497.0f, kPositionUnit = 502.0f;
}

void clearShadowOutline(TShadowOutline& o) { o.count = 0; }

void addShadowPoint(TShadowOutline& o, float x, float y, float z) {
  if (o.count >= shadowOutlineCapacity) return;
  o.points[o.count++] = {x, y, z};
}

void addPileOutline(TShadowOutline& pile, float w, float h, float first) {
  if (pile.count > 4) return;
  const float right = w / kCardUnit;
  const float upper = (first + 0.1f) * h / kCardUnit, lower = (first + 0.9f) * h / kCardUnit;
  addShadowPoint(pile, 0, upper, 0);
  addShadowPoint(pile, right, upper, 0);
  addShadowPoint(pile, 0, lower, 0);
  addShadowPoint(pile, right, lower, 0);
}

std::vector<TShadowPoint> pileWallPoints(const TShadowOutline& pile, float restingZ) {
  static constexpr int32_t kOrder[] = {1, 2, 2, 1, 1, 3, 4, 4, 3, 3};
  std::vector<TShadowPoint> wall;
  if (pile.count != 8) return wall;
  for (int32_t k = 0; k < 10; k++) {
    const TShadowPoint& p = pile.points[kOrder[k] - 1];
    const bool raised = k == 2 || k == 3 || k == 7 || k == 8;
    wall.push_back({p.x, p.y, raised ? restingZ / kPositionUnit : 0.0f});
  }
  return wall;
}

std::vector<TShadowPoint> shadowVolumeRing(const TShadowOutline& a, const TShadowOutline& b) {
  std::vector<TShadowPoint> ring;
  if (a.count == 0) return ring;
  ring.assign(a.points, a.points + a.count);
  for (int32_t i = b.count - 1; i >= 0; i--) ring.push_back(b.points[i]);
  ring.push_back(a.points[0]);
  return ring;
}

double lightDistanceSq(const double* m) {
  const double dx = 10 - m[12], dy = 10 - m[13], dz = 20 - m[14];
  return dx * dx + dy * dy + dz * dz;
}

bool shadowCullsFrontFaces(bool facesLight, uint8_t stencil) { return facesLight == (stencil == 1); }

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

// The card faces the light when a step along its normal takes it towards the light.
bool facesLight() {
  auto lightDistance = [](double dz) {
    glTranslated(0, 0, dz);
    glGetDoublev(GL_MODELVIEW_MATRIX, tableMatrix.data());
    return lightDistanceSq(tableMatrix.data());
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

void drawShadowVolume(int32_t stack, int32_t index, bool resting, float restingZ) {
  if (shadowOutlineA.count == 0) return;
  const bool pile = isStockOrTrickPile(stack) && appopt.effectLevelMedium;
  if (isStockOrTrickPile(stack) && resting && index == 1) return;  // the bottom card's shadow is the table's
  double mv[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, mv);
  double dir[3];
  if (!shadowLightDirection(mv, dir)) return;
  glCullFace(shadowCullsFrontFaces(facesLight(), stencilActive) ? GL_FRONT : GL_BACK);
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  glDisable(GL_BLEND);
  glBegin(GL_QUAD_STRIP);
  for (const TShadowPoint& p : shadowVolumeRing(shadowOutlineA, shadowOutlineB)) emit(p, dir, pile);
  if (pile && resting && index > 1) {
    const std::vector<TShadowPoint> wall = pileWallPoints(shadowOutlinePile, restingZ);
    for (size_t k = 0; k < wall.size(); k++) {
      if (k == 0 || k == 5) {  // each wall is a strip of its own
        glEnd();
        glBegin(GL_QUAD_STRIP);
      }
      emit(wall[k], dir, pile);
    }
  }
  glEnd();
  glDisable(GL_BLEND);
  enableGlCap(GL_CULL_FACE);
}
