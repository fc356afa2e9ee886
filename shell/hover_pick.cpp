// The hover pick of the frame handler: which hand card or pile lies under the pointer (or
// under the keyboard focus on #ipanel's invisible buttons). Picking redraws the table in
// selection mode, so it runs only every first to fourth frame by the frame rate, and below
// 40 frames per second only when the pointer has moved to another 2-pixel cell.
#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "platform/window.h"
#include "shell/channel_parts.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/picking.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_questions.h"

namespace {
constexpr int32_t kStock = 11, kCentre = 12;
constexpr float kEveryFrameRate = 40;  // from this frame rate on every d-th frame picks

// The pointer's 2-pixel cell at the last pick. cg.pointerCode folds the cell into one number
// that repeats once x reaches 128 ((128,0) and (0,2) give the same), so the change test
// compares the cell itself.
int32_t lastCellX = -1, lastCellY = -1;

// Nothing of the table may be hovered: a result or the in-game menu is shown, the stencil
// test is off, the game list is in front, or the menu of a network game is open.
bool tableHoverBlocked() {
  if (screenMode == 2 || appopt.stencilTest != 1) return true;
  if (screenMode != 1) return false;
  if (dlgGameList != 0 && vtl.topDialog == dlgGameList && isDialogOpen(dlgGameList)) return true;
  return isNetGame() && isDialogOpen(dlgGameMenu);
}

// #ipanel's invisible buttons stand for the hand cards (1..48), the stock (49) and the
// centre pile's four places (51..54) while the pointer, or the keyboard focus the user moves,
// rests on them.
int32_t pickFromIPanel(int32_t o) {
  if (dlgIPanel == 0) return o;
  for (int32_t k = 1; k <= 48; k++)
    if (pointerRestsOn(dlgIPanel, elActionButtons[k])) o = k;
  if (pointerRestsOn(dlgIPanel, elActionButtons[49]) && stackUsed(sp[kStock]) > 0) {
    pickedPile = kStock;
    pickedPileIndex = stackUsed(sp[kStock]);
    o = 0;
  }
  for (int32_t k = 51; k <= 54; k++) {
    if (!pointerRestsOn(dlgIPanel, elActionButtons[k]) || stackUsed(sp[kCentre]) == 0) continue;
    pickedPile = kCentre;
    pickedPileIndex = k - 50;
    o = 0;
  }
  return o;
}

void pickUnderPointer(int32_t screenX, int32_t screenY) {
  if (tableHoverBlocked()) {
    hoveredCard = 0;
    return;
  }
  int32_t o = 0;
  if (cg.gs.tutorialMode == 0) {
    const WindowRect window = winRect();
    o = pickAt(screenX - window.left, screenY - window.top);
  }
  if (cg.gs.bl.pilesSelectable == 0) pickedPileIndex = 0;
  // Rommé and Canasta show every hand card as hovered; they judge the cards themselves.
  if (cg.gameId == gidRomme || cg.gameId == gidCanasta) {
    hoveredCard = o;
    return;
  }
  if (pickedPileIndex == 0 && pointerRestsOn(dlgIPanel, elTableHotspot)) pickedPileIndex = stackUsed(sp[kStock]);
  if (o >= 1 && o <= stackUsed(sp[1]) && !isLegalCard(sp[1].slots[o].card)) o = 0;
  hoveredCard = pickFromIPanel(o);
}

}  // namespace

void resetPickMemory() { lastCellX = lastCellY = -1; }

int32_t pickDivisor(float fps) {
  if (fps > 105) return 4;
  if (fps > 65) return 3;
  if (fps > 45) return 2;
  return 1;
}

void hoverPick() {
  // Every frame, so the developer's autoPlay toggle hands seat 1 over at once.
  cg.seatRecords[1].kind = vtl.autoPlay ? seatKindComputer : seatKindUser;
  const float fps = vtlInfo.fps;
  if (cg.frameCount % pickDivisor(fps) != 0) return;
  int32_t x = 0, y = 0;
  winCursorPos(x, y);
  const int32_t cellX = x / 2, cellY = y / 2;
  cg.pointerCode = cellX + 64 * cellY;
  const bool moved = cellX != lastCellX || cellY != lastCellY;
  // The core clears lastPointerCode after a user step, which forces a new pick.
  if (fps < kEveryFrameRate && !moved && cg.pointerCode == cg.lastPointerCode) return;
  cg.lastPointerCode = cg.pointerCode;
  lastCellX = cellX;
  lastCellY = cellY;
  pickUnderPointer(x, y);
}
