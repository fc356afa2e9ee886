// Drawing a card: the two iterations, the pose (blended for a moving card), the transform
// chain from the table camera, and the bowed mesh with rounded corners.
//
// [SECTION] segment counts
// [SECTION] pose
// [SECTION] transform chain
// [SECTION] mesh
// [SECTION] drawCard
#include "table/draw_card.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/engine_options.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/camera.h"
#include "table/card_effects.h"
#include "table/card_light.h"
#include "table/scene.h"
#include "table/shadows.h"
#include "table/stack_ops.h"
#include "table/table_globals.h"
#include "table/table_pictures.h"
#include "table/table_questions.h"

uint8_t reducedCardDetail = 0;
int32_t currentPickName = 0;

// [SECTION] segment counts

TCardSegments cardSegments(int32_t stack, bool resting, bool liftedOrResting, bool stockBelowTop) {
  const int32_t level = appopt.detailLevel;
  const bool known = level >= 1 && level <= 5;
  const bool bigStack = stack == 1 || stack == 11;  // the user's hand and the stock are seen closely
  int32_t corner = known ? level : 4;
  if (screenMode == 0) corner++;
  if (reducedCardDetail) corner = std::min(corner, 2);
  if (corner > 1 && bigStack) corner++;
  if (stockBelowTop) corner = std::min(corner, 4);

  static constexpr int32_t kStrip[] = {1, 2, 4, 6, 8};
  int32_t strip = known ? kStrip[level - 1] : 4;
  if (cg.gameId == gidSkat || (cg.gameId == gidBlackjack && stack < 10)) strip = std::max(strip, 4);
  if (screenMode == 0) strip += 2;
  if (!(stack == 1 && drawPass == 2) && liftedOrResting && reducedCardDetail) {
    strip = std::min(strip, 3);
    if (appopt.effectLevelLow) strip = std::min(strip, 2);
  }
  if (strip > 1 && bigStack) strip++;
  const int32_t t = cg.gameId == gidWar ? 3 : 10;
  if (resting && (stack > t || isStockOrTrickPile(stack)) && !(isCanastaSideView() && drawPass == 4)) strip = 1;
  return {corner, strip};
}

namespace {

constexpr float kPoseUnit = 502;  // table units per GL unit
constexpr float kMeshUnit = 497;  // the card's own sizes per GL unit

// [SECTION] pose

struct TCardDraw {
  TCardPose pose;       // the card's pose within its stack
  TCardPose stackPose;  // P
  uint8_t flag;         // bows along its height (0) or width (1)
  float bend, taper;    // b and g
};

bool legalStackNo(int32_t s) { return s != 0 && s >= -stackCount && s <= stackCount; }

TCardPose stackPoseOf(int32_t stack, int32_t index) {
  TCardPose p{};
  if (legalStackNo(stack)) vtl_getplayerpos(stack, index, p);
  return p;
}

TCardPose blendPose(const TCardPose& a, const TCardPose& b, float wPos, float wRot) {
  auto mix = [](float from, float to, float w) { return to * w + from * (1 - w); };
  return {mix(a.x, b.x, wPos), mix(a.y, b.y, wPos), mix(a.z, b.z, wPos),
          mix(a.rotX, b.rotX, wRot), mix(a.rotY, b.rotY, wRot), mix(a.rotZ, b.rotZ, wRot)};
}

// A card that flies between stacks rides in a frame that turns from the source stack's to
// the target's once a fifth of the way is done.
TCardPose flightStackPose(const TCardSlot& c, float t) {
  const float w = t < 0.2f ? 0 : (t - 0.2f) / 0.8f;
  float wRot = w, wPos = w;
  if (c.motion >= 2056) {
    wRot = std::clamp(1.5f * (t - 0.2f) / 0.8f, 0.0f, 1.0f);
    if (c.motion < 4112) wPos = wRot;
  }
  return blendPose(stackPoseOf(c.srcStack, c.srcIndex), stackPoseOf(c.dstStack, c.dstIndex), wPos, wRot);
}

TCardDraw cardPose(const TCardDraw& rest, const TCardSlot& c, int32_t stack, int32_t index, int32_t k,
                   const TCardTilt& flightTilt) {
  TCardDraw d = rest;
  const bool free = index < 0;
  d.stackPose = free ? TCardPose{} : stackPoseOf(stack, index);
  if (!c.moving || k == 1) return d;
  if (c.animType == 2 || c.animType == 3 || c.animType == 6) {
    const TCardFlight& f = c.flight;
    d.pose = {f.x, f.y + flightTilt.y, f.z + flightTilt.z, f.rotX + flightTilt.rotX, f.rotY, f.rotZ};
    d.flag = f.flag;
    d.bend = f.display2 + flightTilt.bend;
    d.taper = f.display1;
    d.stackPose = flightStackPose(c, c.t);
    return d;
  }
  const TCardFlight& f = c.flight;
  d.pose.x += f.x;
  d.pose.y += f.y + flightTilt.y;
  d.pose.z += f.z + flightTilt.z;
  d.pose.rotX += f.rotX + flightTilt.rotX;
  d.pose.rotY += f.rotY;
  d.pose.rotZ += f.rotZ;
  d.taper += f.display1;
  d.bend += f.display2 + flightTilt.bend;
  return d;
}

// [SECTION] transform chain

// The share of 0.65 H a card is pushed along its stack's y before (first) and after (second)
// its own rotation: pile cards before, seat cards after, a card between them in between.
void pileOffsets(const TCardSlot& c, int32_t stack, float& first, float& second) {
  const int32_t t = cg.gameId == gidWar ? 3 : 10;
  const float u = std::clamp(2 * c.t, 0.0f, 1.0f);
  first = 0;
  second = 1;
  if (!c.moving) {
    if (stack > t) first = 1, second = 0;
    return;
  }
  const bool fromPile = c.srcStack > t, toPile = c.dstStack > t;
  if (fromPile && toPile) first = 1, second = 0;
  else if (fromPile) first = 1 - u, second = u;
  else if (toPile) first = u, second = 1 - u;
}

void mirrorTransform() {
  glRotatef(isViewFromSide() ? -65.0f : isViewFromAbove() ? -119.5f : -70.0f, 1, 0, 0);
  glRotatef(9.6f, 1, 0, 0);
  glTranslatef(0.003f, 0, -0.006f);
  glGetDoublev(GL_MODELVIEW_MATRIX, tableMatrix.data());
  tableMatrix[1] = -tableMatrix[1];
  tableMatrix[5] = -tableMatrix[5];
  tableMatrix[9] = -tableMatrix[9];
  glLoadMatrixd(tableMatrix.data());
}

void curvedSwing(const TCardSlot& c) {
  if (c.moveMark != 1 || c.t <= 0.2f || c.t > 1) return;
  if (c.srcStack < 1 || c.srcStack > stackCount) return;
  const float s = std::sin((c.t - 0.2f) / 4 * 5 * 3.14f);
  const TCardPose& src = sp[c.srcStack].restPose;
  glTranslatef(s * (620 - src.x) / 3 * (1.5f - c.t) / kPoseUnit, 0, 0);
  const float d = -s * (600 + src.z) / 1.5f * (1.5f - c.t);
  glTranslatef(0, -d / kPoseUnit / 4, d / kPoseUnit);
}

void transformChain(const TCardDraw& d, const TCardSlot& c, int32_t stack, int32_t index, int32_t pass,
                    float w, float h, uint8_t& backSide) {
  setupTableCamera();
  glTranslatef(-1.196f, -0.285f, -2.6f);
  if (pass == 4) {
    mirrorTransform();
    backSide = !backSide;  // the mirror shows the other side
  }
  curvedSwing(c);
  glRotatef(35, 1, 0, 0);
  if (pass == 4) glTranslatef(-0.008f, 1.105f, -0.02f);
  const TCardPose& p = d.stackPose;
  glTranslatef(p.x / kPoseUnit, -p.y / kPoseUnit, p.z / kPoseUnit);
  glRotatef(p.rotX - 10, 1, 0, 0);
  glRotatef(p.rotY + 6, 0, 1, 0);
  glRotatef(p.rotZ, 0, 0, 1);
  if (stack > 0 && index > 0 && sp[stack].slots[index].moving)
    glTranslatef(0, -sp[stack].slots[index].flight.o2 / kPoseUnit, 0);
  glTranslatef((d.pose.x + w / 2) / kPoseUnit, -(d.pose.y + h / 2) / kPoseUnit, d.pose.z / kPoseUnit);
  float first = 0, second = 1;
  if (index > 0) pileOffsets(c, stack, first, second);
  const float lift = 0.65f * h / kPoseUnit;
  if (first != 0) glTranslatef(0, lift * first, 0);
  glRotatef(d.pose.rotZ, 0, 0, 1);
  glRotatef(d.pose.rotX, 1, 0, 0);
  glRotatef(d.pose.rotY, 0, 1, 0);
  if (c.option > 0) {
    const float s = std::sin(float(M_PI) * c.t);
    glTranslatef(0, 0, -s * s * lift * float(c.option) / 14);
  }
  if (second != 0) glTranslatef(0, lift * second, 0);
  if (backSide) glRotatef(180, 0, 1, 0);
  if (cg.gameId == gidSkat && isViewFromAbove() && (stack == 2 || stack == 3) && isSeatHandOpen(stack))
    glRotatef(c.moving && c.dstStack == 12 ? (1 - c.t) * 198 : 198, 0, 1, 0);
  const float o1 = c.moving ? c.flight.o1 : 0;
  glTranslatef(-w / 2 / kMeshUnit, -(h + o1) / 2 / kMeshUnit, 0);
}

// [SECTION] mesh

struct TMesh {
  float w, h, d;        // the card's size and corner size
  uint8_t flag;         // bows along its height (0) or width (1)
  bool backSide;
  float bend, taper;
  bool rotated;         // the texture turned by 180 degrees
  int32_t pass;
  bool collect;         // the shadow pass: points go to the outline, nothing is drawn
  const TCardLight* light;  // the colour of each vertex; null draws no colour (the pick pass)
};

TShadowPoint meshPoint(const TMesh& m, float u, float v) {
  const float bu = m.backSide ? 1 - u : u;
  float bx = 0, by = 0, bz = 0;
  if (m.flag == 0) {
    const float k = (1 - m.taper * bu) * m.bend, w = 2 * (v - 0.5f);
    by = -w * w * w * k * k / 6400;
    bz = w * w * k / 100;
  } else {
    const float k = (1 - m.taper * v) * m.bend * m.w / m.h, w = 2 * (bu - 0.5f);
    bx = -w * w * w * k * k / 6400;
    bz = w * w * k / 100;
  }
  if (m.backSide) bz = -bz;
  return {u * m.w / kMeshUnit + bx, v * m.h / kMeshUnit + by, bz};
}

void vertex(const TMesh& m, float u, float v, TShadowOutline* outline) {
  const TShadowPoint p = meshPoint(m, u, v);
  if (m.collect) {
    if (outline != nullptr) addShadowPoint(*outline, p.x, p.y, p.z);
    return;
  }
  float tu = u, tv = v;
  if (m.rotated) tu = 1 - u, tv = 1 - v;
  else if (m.pass == 4) tu = 1 - u;
  glTexCoord2f(tu, tv);
  if (m.light != nullptr) {
    // The visible pass shades by the texture's corner, the mirror fades by the card's own height.
    const TShadeColour c = m.pass == 4 ? cardVertexColour(*m.light, u, v) : cardVertexColour(*m.light, tu, tv);
    glColor4f(c.r, c.g, c.b, c.a);
  }
  glVertex3f(p.x, p.y, p.z);
}

// The fan of corner (cu, cv) from the edge point of one side to that of the other.
void cornerFan(const TMesh& m, int32_t cu, int32_t cv, int32_t n) {
  const float ru = m.d / 100 * m.h / m.w, rv = m.d / 100;
  for (int32_t i = 0; i <= n; i++) {
    const float q0 = float(i * i) / float(n * n), q1 = float((n - i) * (n - i)) / float(n * n);
    float u, v;
    if (cu == 0 && cv == 0) u = ru * q0, v = rv * q1;
    else if (cu == 1 && cv == 0) u = 1 - ru * q1, v = rv * q0;
    else if (cu == 1 && cv == 1) u = 1 - ru * q0, v = 1 - rv * q1;
    else u = ru * q1, v = 1 - rv * q0;
    vertex(m, u, v, &shadowOutlineA);
  }
}

void beginPart(const TMesh& m, GLenum kind) {
  if (m.collect) return;
  glLoadName(GLuint(currentPickName));
  glBegin(kind);
}

void endPart(const TMesh& m) {
  if (!m.collect) glEnd();
}

void drawMesh(const TMesh& m, const TCardSegments& n) {
  const float rv = m.d / 100, ru = m.d / 100 * m.h / m.w;
  if (m.flag == 0) {
    beginPart(m, GL_POLYGON);
    cornerFan(m, 0, 0, n.corner);
    cornerFan(m, 1, 0, n.corner);
    endPart(m);
    beginPart(m, GL_TRIANGLE_STRIP);
    for (int32_t i = 0; i <= n.strip; i++) {
      const float v = rv + (1 - 2 * rv) * float(i) / float(n.strip);
      vertex(m, 0, v, &shadowOutlineB);
      vertex(m, 1, v, &shadowOutlineA);
    }
    endPart(m);
    beginPart(m, GL_POLYGON);
    cornerFan(m, 1, 1, n.corner);
    cornerFan(m, 0, 1, n.corner);
    endPart(m);
  } else {
    beginPart(m, GL_POLYGON);
    cornerFan(m, 0, 1, n.corner);
    cornerFan(m, 0, 0, n.corner);
    endPart(m);
    beginPart(m, GL_TRIANGLE_STRIP);
    for (int32_t i = 0; i <= n.strip; i++) {
      const float u = ru + (1 - 2 * ru) * float(i) / float(n.strip);
      vertex(m, u, 1, &shadowOutlineB);
      vertex(m, u, 0, &shadowOutlineA);
    }
    endPart(m);
    beginPart(m, GL_POLYGON);
    cornerFan(m, 1, 0, n.corner);
    cornerFan(m, 1, 1, n.corner);
    endPart(m);
  }
}

bool rotatedTexture(const TCardSlot& c, int32_t stack) {
  if (cg.gameId == gidGoFish) return false;
  if (cg.gameId == gidBlackjack && stack == 13) return true;
  if (c.moving && c.dstStack >= -6 && c.dstStack <= -2) return false;
  if (cg.gameId == gidOldMaid && c.moving && c.dstStack > 14) return false;
  if (stack == 11 || stack == 15) return true;
  return c.moving && cg.gameId != gidSkat && (c.dstStack == 11 || c.dstStack == 15);
}

// The texture a card side is drawn with, or 0; binds it.
int32_t bindCardTexture(int32_t texture, int32_t stack, int32_t pass) {
  if (pickNamesMode) {
    glDisable(GL_TEXTURE_2D);
    glLoadName(GLuint(currentPickName));
    return 0;
  }
  if (texture == 0) return 0;
  glLoadName(GLuint(currentPickName));
  enableGlCap(GL_TEXTURE_2D);
  // A computer seat's back in the mirror takes its design's reflection picture.
  if (pass == 4 && texture == cardBackTexture && stack >= 2 && stack <= playerCount && envParam.cardBack >= 0 &&
      envParam.cardBack <= 9 && cardBackReflectionTextures[envParam.cardBack] != 0 && envParam.reflectionOff <= 55)
    texture = cardBackReflectionTextures[envParam.cardBack];
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  return texture;
}

}  // namespace

// [SECTION] drawCard

void drawCard(int32_t texture, uint8_t poseFlag, uint8_t backSide, float x, float y, float z, float w, float h,
              float d, float b, float g, float rotX, float rotY, float rotZ, int32_t ignored, int32_t stack,
              int32_t index, bool shadeRequest) {
  (void)ignored;
  const TBlackjackTilt tilt = blackjackHandTilt(stack, index);
  if (!tilt.onFlight) {
    y += tilt.offsets.y;
    z += tilt.offsets.z;
    rotX += tilt.offsets.rotX;
    b += tilt.offsets.bend;
  }
  const TCardTilt flightTilt = tilt.onFlight ? tilt.offsets : TCardTilt{};
  const float scale = cg.gs.tableScale > 0 ? cg.gs.tableScale : 1;  // 0 before the first game
  w *= scale * 0.99f;
  h *= scale * 0.87f;
  if (index < 0) drawPass = 0;
  const int32_t pass = drawPass;
  if (appopt.detailLevel == 1) d /= 2;
  clearShadowOutline(shadowOutlineA);
  clearShadowOutline(shadowOutlineB);
  enableGlCap(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  texture = bindCardTexture(texture, stack, pass);
  if (texture == 0) {
    // Depth and name only, no colour.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ONE);
    glDisable(GL_TEXTURE_2D);
  }

  TCardSlot c{};
  if (stack > 0 && index > 0) getCardRecord(stack, index, 0, c);
  const TCardDraw rest{{x, y, z, rotX, rotY, rotZ}, {}, poseFlag, b, g};
  const bool resting = !c.moving;
  const bool stockBelowTop = stack == 11 && resting && !isTopVisibleCard(stack, index);
  const TCardSegments segments = cardSegments(stack, resting, resting || c.animType == 1, stockBelowTop);

  // Iteration 1 names a moving card at its resting place too, so a rising card keeps its
  // name under the pointer.
  for (int32_t k = 1; k <= 2; k++) {
    if (k == 1 && !(c.moving && pickNamesMode)) continue;
    takeMeldTablePlace(stack, index);
    const TCardDraw pose = cardPose(rest, c, stack, index, k, flightTilt);
    uint8_t side = backSide;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    transformChain(pose, c, stack, index, pass, w, h, side);
    float mw = w, mh = h;
    if (pass == 4) {
      glDisable(GL_LIGHTING);
    } else if (stack == 14) {
      mw = 0.36f * cardModelWidth;
      mh = 0.36f * cardModelHeight;
      glDisable(GL_LIGHTING);
      glDisable(GL_BLEND);
    } else {
      enableGlCap(GL_LIGHTING);
    }
    const bool colour = texture != 0 && (pass == 0 || pass == 4);
    TCardLight light = colour ? cardLight(pass, stack, index, side != 0, pose.pose, shadeRequest) : TCardLight{};
    applyCardHighlight(stack, index, light.highlight, light.highlightStrength);
    const TMesh mesh{mw, mh, d, pose.flag, side != 0, pose.bend, pose.taper, rotatedTexture(c, stack), pass,
                     pass == 2, colour ? &light : nullptr};
    // Only the face side casts a shadow.
    if (!(mesh.collect && side != 0)) {
      drawMesh(mesh, segments);
      if (mesh.collect && resting && isStockOrTrickPile(stack) && appopt.effectLevelMedium)
        addPileOutline(shadowOutlinePile, mw, mh, d / 100);
      if (pass == 0) drawCardLabels(stack, index, side != 0);
    }
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (pass == 2 && side == 0) drawShadowVolume(stack, index, resting, rest.pose.z);
    glPopMatrix();
  }
}
