// The table scene: the backdrop, the table, the cards' mirror image through the stencil, the
// cards, the stencil shadow volumes and their darkening, and the seat decorations, in a fixed
// order of passes by mode.
//
// [SECTION] GL switches
// [SECTION] stencil set-ups
// [SECTION] layers
// [SECTION] the scene
#include "table/scene.h"

#include <GL/gl.h>

#include <string>

#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/text_draw.h"
#include "shell/env_param.h"
#include "shell/shell_state.h"
#include "table/camera.h"
#include "table/draw_card.h"
#include "table/draw_stacks.h"
#include "table/player_panels.h"
#include "table/shadows.h"
#include "table/table_globals.h"
#include "table/table_pictures.h"
#include "table/table_styles.h"

// [SECTION] GL switches

void enableGlCap(uint32_t cap) {
  if (cap == GL_LIGHTING && appopt.noLighting)
    glDisable(cap);
  else
    glEnable(cap);
}

TSceneEffects sceneEffects(int32_t mode) {
  // The developer switch for plain rendering turns both effects off.
  const bool plain = vtl.developerSwitch4;
  TSceneEffects e;
  e.mirror = !plain && (mode == 4 || mode == 5) && envParam.tableParamsLoaded && envParam.reflection != 0;
  e.shadows = !plain && (mode == 2 || mode == 5);
  return e;
}

namespace {

// [SECTION] stencil set-ups (each saves what it changes, the closing one restores it)

constexpr GLbitfield kSavedState = GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT;

void mirrorMark() {
  glPushAttrib(kSavedState);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glDepthMask(GL_FALSE);
  glClear(GL_STENCIL_BUFFER_BIT);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_ALWAYS, 1, 1);
  glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
}

void mirrorLimit() {
  glPopAttrib();
  glPushAttrib(kSavedState);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_NOTEQUAL, 0, 0xFF);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  glDepthFunc(GL_LEQUAL);
}

void mirrorEnd() {
  glDepthFunc(GL_LEQUAL);
  glDisable(GL_STENCIL_TEST);
  glPopAttrib();
}

void shadowSetup1() {
  glPushAttrib(kSavedState | GL_ENABLE_BIT | GL_LIGHTING_BIT);
  glDepthMask(GL_FALSE);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glClearStencil(0);  // restored with the stencil state
  glClear(GL_STENCIL_BUFFER_BIT);
  glFrontFace(GL_CW);
  glEnable(GL_CULL_FACE);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_ALWAYS, 0, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
  stencilActive = 1;
}

void shadowSetup2() {
  glStencilFunc(GL_ALWAYS, 0, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
  stencilActive = 0;
}

void shadowSetup3() {
  glPopAttrib();
  glPushAttrib(kSavedState | GL_ENABLE_BIT | GL_LIGHTING_BIT);
  glDepthFunc(GL_EQUAL);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_NOTEQUAL, 0, 0xFF);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  glDisable(GL_LIGHT0);
}

void shadowSetup4() {
  enableGlCap(GL_LIGHT0);
  glDisable(GL_STENCIL_TEST);
  glPopAttrib();
}

// [SECTION] layers

bool chipGame() { return cg.gameId == gidPoker || cg.gameId == gidBlackjack; }

void drawChips(int32_t pass) {
  (void)pass;
  if (chipGame()) logNotAvailable("drawChipStacks");
}

void drawCards(int32_t pass, uint8_t reduced) {
  reducedCardDetail = reduced;
  drawPass = pass;
  drawAllStacks();
}

void drawTableLayer(int32_t pass, bool markTable) {
  setupTableCamera();
  if (pass == 1) {
    glDisable(GL_LIGHTING);
    // The shading coat multiplies the first, doubled.
    enableGlCap(GL_TEXTURE_2D);
    enableGlCap(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_DEPTH_TEST);
  } else if (pass == 0 || pass == 8) {
    enableGlCap(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_BLEND);
  } else {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
  }
  if (pass != 6 && pass != 7) {
    const int32_t top = pass == 1 ? tableShadeTexture : tableTexture;
    if (top > 0)
      glBindTexture(GL_TEXTURE_2D, GLuint(top));
    else
      glDisable(GL_TEXTURE_2D);  // no picture: the table in its plain colour
  }
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  drawTableStyle(pass, markTable);
  glPopMatrix();
  enableGlCap(GL_LIGHTING);
  enableGlCap(GL_DEPTH_TEST);
}

void drawBenchmarkLayer() {
  setupTableCamera();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  std::string rest;
  drawTextBlock("1234567890", 0, 1, 0, 0, 0, 0, 0, 1, 0, false, "", -1, rest);
}

void drawDecorations(int32_t pass) {
  drawPass = pass == 4 ? 4 : 6;
  drawSeatDecorations();
}

}  // namespace

void drawSceneLayer(int32_t layer, int32_t pass, bool markTable, bool benchmark) {
  if (benchmark) {
    drawBenchmarkLayer();
    return;
  }
  glMatrixMode(GL_MODELVIEW);
  switch (layer) {
    case 1: drawTableLayer(pass, markTable); break;
    case 2:
      if (pass == 4) drawCards(4, appopt.effectLevelMedium);
      else if (pass == 2) drawCards(0, 0);
      else if (pass == 8) drawCards(3, 0);
      else if (pass == 6 || pass == 7) drawCards(1, 1);
      break;
    case 3: drawChips(pass); break;
    case 4:
      reducedCardDetail = appopt.effectLevelMedium;
      drawPass = 2;
      drawAllStacks();
      drawChips(2);
      break;
    case 5:
      if (screenMode != 0 && softShadowsAvailable())
        drawSoftShadowShade();
      else
        drawShadowShade();
      break;
    case 7: drawDecorations(pass); break;
    default: break;
  }
}

// [SECTION] the scene

namespace {

// The room picture over the whole window; in the view from above the floor, repeated.
void drawBackdrop() {
  const bool above = isViewFromAbove();
  const int32_t texture = above && floorTexture > 0 ? floorTexture : backdropTexture;
  const float zoom = !above ? 1 : envParam.roomNo == 2 ? 5 : envParam.roomNo == 4 ? 2 : 3;
  if (texture <= 0) return;  // no picture: the clear colour stays
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, 1, 0, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  glBegin(GL_QUADS);
  // Counter-clockwise, so face culling keeps it; the picture's first row at the top.
  glTexCoord2f(0, zoom);
  glVertex2f(0, 0);
  glTexCoord2f(zoom, zoom);
  glVertex2f(1, 0);
  glTexCoord2f(zoom, 0);
  glVertex2f(1, 1);
  glTexCoord2f(0, 0);
  glVertex2f(0, 1);
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void drawShadows(bool benchmark) {
  shadowSetup1();
  // The first count would replace the stencil with 0 where the clear has just left 0: it
  // changes no buffer, and its volumes cost as much filling as the second count's, so it is
  // not drawn.
  shadowSetup2();
  drawSceneLayer(4, 2, false, benchmark);
  shadowSetup3();
  glDisable(GL_DEPTH_TEST);
  const bool soft = softShadowsAvailable();
  if (soft) {
    glDrawBuffer(GL_AUX0);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 0);
  }
  drawSceneLayer(5, 2, false, benchmark);
  if (soft) glDrawBuffer(GL_BACK);
  enableGlCap(GL_DEPTH_TEST);
  shadowSetup4();
  if (soft) logNotAvailable("soft shadow blur");
}

}  // namespace

void drawTableScene(int32_t mode, bool benchmark) {
  const TSceneEffects effects = sceneEffects(mode);
  if (mode == 1) {
    drawSceneLayer(2, 7, false, benchmark);
    return;
  }
  glDepthMask(GL_FALSE);
  glColor4f(1, 1, 1, 1);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  drawBackdrop();
  glEnable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  if (!effects.mirror) {
    drawSceneLayer(1, 0, false, benchmark);
    drawSceneLayer(1, 1, false, benchmark);
  } else {
    glDepthMask(GL_FALSE);
    drawSceneLayer(1, 0, false, benchmark);
    drawSceneLayer(1, 1, false, benchmark);
    glDepthMask(GL_TRUE);
    mirrorMark();
    drawSceneLayer(1, 7, true, benchmark);
    mirrorLimit();
    drawSceneLayer(3, 4, false, benchmark);
    drawSceneLayer(2, 4, false, benchmark);
    mirrorEnd();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    drawSceneLayer(1, 6, false, benchmark);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  }
  drawSceneLayer(2, 2, false, benchmark);
  drawSceneLayer(3, 2, false, benchmark);
  if (effects.shadows) drawShadows(benchmark);
  if (vtl.uiOverlayOn) {
    glDepthFunc(GL_LEQUAL);
    drawSceneLayer(7, 2, false, benchmark);
  }
}
