// Picking: the table drawn a second time, invisibly, in GL selection mode with a one-pixel
// pick region, every pickable card carrying its pick name (table/pick_names.h); the names hit
// become one answer in hoveredCard, or pickedPile and pickedPileIndex.
#include "table/picking.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/gl_context.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"
#include "platform/window.h"
#include "shell/game_dialogs.h"
#include "table/pick_names.h"
#include "table/scene.h"
#include "table/stacks.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"

namespace {
constexpr double kNearPlane = 1.0, kFarPlane = 50.0;
constexpr int32_t kPickPass = 1;
constexpr int32_t kMeldTable = 12;
constexpr int32_t kLastHandButton = 48, kLastButton = 54;

bool pickAllowed() {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > seatRecordCount || cg.seatRecords[seat].kind != seatKindUser) return false;
  if (inputState != 1) return false;
  const TDecisionBlock& bl = cg.gs.bl;
  return bl.pilesSelectable != 0 || bl.cardsSelectable != 0 || bl.tableSelectable != 0;
}

// The scene's own perspective, so the pick region sees what the frame shows.
void scenePerspective() {
  gluPerspective(fieldOfView * 3.0 / 4.0, screenAspect, kNearPlane, kFarPlane);
}

// Draws the pick pass around (x, y) and returns the names it hit. Without a real GL context
// nothing is drawn and nothing is hit.
std::vector<int32_t> runPickPass(int32_t x, int32_t y) {
  if (!engineGLReady()) return {};
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  static GLuint buffer[pickBufferWords];
  std::fill(std::begin(buffer), std::end(buffer), 0u);
  glSelectBuffer(pickBufferWords, buffer);
  glRenderMode(GL_SELECT);
  glColor4f(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  int32_t width = 0, height = 0;
  winClientSize(width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  viewport[1] = 0;  // y counts from the client area's bottom edge
  gluPickMatrix(x, height - y, 1, 1, viewport);
  scenePerspective();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glInitNames();
  glPushName(0);

  drawTableScene(kPickPass, false);
  glLoadName(0);
  const GLint hits = glRenderMode(GL_RENDER);
  return readPickHits(buffer, hits);
}

void restoreProjection() {
  if (!engineGLReady()) return;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  scenePerspective();
  glMatrixMode(GL_MODELVIEW);
}

// The keyboard focus resting on a hand card's button of the in-game panel stands for that card.
bool handButtonHovered() {
  if (dlgIPanel == 0 || !vtl.keyboardNavigation || vtl.focusDialog != dlgIPanel) return false;
  for (int32_t k = 1; k <= kLastHandButton; k++)
    if (elActionButtons[k] != 0 && vtl.focusElement == elActionButtons[k]) return true;
  return false;
}

void applyPendingHover() {
  if (pendingHoverCard == 0) return;
  hoveredCard = pendingHoverCard;
  pendingHoverCard = 0;
}
}  // namespace

int32_t applyPickHits(const std::vector<int32_t>& names) {
  prevPickedPileIndex = pickedPileIndex;
  pickedPileIndex = 0;
  prevPickedPile = pickedPile;
  pickedPile = 0;
  if (names.empty()) {
    lastPickedCard = 0;
    if (!handButtonHovered()) hoveredCard = 0;
    applyPendingHover();
    return hoveredCard;
  }
  pickDebugText = pickDebugLine(names);
  debugText = pickDebugText;
  const TPickAnswer answer = decodePickName(bestPickName(names, cg.gameId, isMeldCardNearer), cg.gameId);
  pickedPile = answer.pile;
  pickedPileIndex = answer.index;
  hoveredCard = answer.card;
  lastPickedCard = answer.card;
  applyPendingHover();
  return hoveredCard;
}

int32_t pickAt(int32_t x, int32_t y) {
  pickNamesMode = 1;
  if (pickAllowed()) {
    applyPickHits(runPickPass(x, y));
    restoreProjection();
  }
  pickNamesMode = 0;
  return hoveredCard;
}

bool isMeldCardNearer(int32_t a, int32_t b) {
  if (cg.gameId != gidCanasta || a <= 0 || b <= 0) return true;
  const TSpieler& table = sp[kMeldTable];
  if (a > stackUsed(table) || b > stackUsed(table)) return true;
  try {
    const TCardPose poseA = meldTableCardPose(table.slots[a].meldNo, 0, 0);
    const TCardPose poseB = meldTableCardPose(table.slots[b].meldNo, 0, 0);
    return poseA.z >= poseB.z;
  } catch (...) {
    return true;  // a meld table that cannot answer never hides a card
  }
}

int32_t handCardElement(int32_t n) { return elActionButtons[std::clamp(n, 0, kLastButton)]; }
