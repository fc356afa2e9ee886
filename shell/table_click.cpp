// A click on the 3D table: the pile and the hand card the last pick found become actions of
// the card-game core, or, while the core lets the user choose several cards, the card is
// raised or lowered. Only while the table waits for the user (inputState 1).
#include "core/cg.h"
#include "engine/elements.h"
#include "shell/channel_parts.h"
#include "shell/game_dialogs.h"
#include "sound/sound_events.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "table/table_globals.h"

namespace {

// The decision panel lets the user submit the chosen cards once one is raised.
void refreshSelectionControls() {
  // Hearts, Rommé (and Gin Rummy) and Canasta refresh their own controls once they are
  // built; every other game enables the first button of the two-option row.
  if (dlgInGame != 0 && elDecisionRow2[1] != 0) setElementEnabled(dlgInGame, elDecisionRow2[1], 1);
}

// Multi-selection: a card at rest goes up, a raised or moving card comes down.
void toggleCardLift() {
  const int32_t seat = cg.lastActiveSeat();
  if (seat < 1 || seat > stackCount || hoveredCard < 1 || hoveredCard > stackUsed(sp[seat])) return;
  TCardSlot& slot = sp[seat].slots[hoveredCard];
  // Go Fish keeps one raised card: its count of raised cards comes with the game.
  setCardLift(slot, slot.moving ? 1 : 0, seat, hoveredCard);
  soundContainer.playEvent(soundCardRaised, seat, hoveredCard);
  refreshSelectionControls();
}

}  // namespace

void tableClick() {
  if (pickedPileIndex != 0 && inputState == 1) {
    cg.submitAction(3, pickedPile, pickedPileIndex);
    pickedPile = 0;
    pickedPileIndex = 0;
  }
  // The chips' click comes with the chip games.
  if (hoveredCard == 0 || inputState != 1) return;
  if (cg.gs.bl.meldingMode == 0) {
    keepDialogOpen(dlgButtonPanel, false);
    // The gate closes before the card goes in: a game that refuses it shows the decision
    // again, which opens the gate anew; closing it afterwards would wait for ever.
    inputState = 2;
    cg.submitAction(0, pickedPile, hoveredCard);
  } else {
    toggleCardLift();
  }
}
