// Tglapp.checkupdownmoves: raises the hand card or pile card the pointer (or the keyboard
// focus) rests on and lowers the one it left. Called every frame by the frame handler and by
// the core after automatic moves. Slot numbers kept from the previous frame may name a card
// that has left the stack since, so every slot is checked against the stack's present count.
//
// [SECTION] slots
// [SECTION] piles
// [SECTION] hand cards
#include "core/cg.h"
#include "shell/shell_services.h"
#include "sound/sound_events.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_questions.h"

namespace {
constexpr int32_t kStock = 11, kCentre = 12, kDiscard = 13;
constexpr uint8_t kAnimLift = 1;

// [SECTION] slots

// Slot `index` of stack `stack` when the stack holds it now, else nullptr.
TCardSlot* slotAt(int32_t stack, int32_t index) {
  if (stack < 1 || stack > stackCount || index < 1 || index > stackUsed(sp[stack])) return nullptr;
  return &sp[stack].slots[index];
}

void raise(int32_t stack, int32_t index) {
  if (TCardSlot* slot = slotAt(stack, index)) setCardLift(*slot, 0, stack, index);
}

void lower(int32_t stack, int32_t index) {
  if (TCardSlot* slot = slotAt(stack, index)) setCardLift(*slot, 1, stack, index);
}

bool isMoving(int32_t stack, int32_t index) {
  const TCardSlot* slot = slotAt(stack, index);
  return slot && slot->moving != 0;
}

// [SECTION] piles

bool pileAccepted(int32_t pile) {
  const TDecisionBlock& bl = cg.gs.bl;
  return pile != 0 && (pile == bl.pileA || pile == bl.pileB);
}

bool isOpenPile(int32_t pile) { return (pile == kStock || pile == kDiscard) && pileAccepted(pile); }

// Step 1: the stock's and the discard pile's top card follow the pointer.
void stockAndDiscard() {
  if (pickedPile == prevPickedPile) return;
  if (isOpenPile(pickedPile) && pickedPileIndex >= 1 && pickedPileIndex <= slotCapacity) {
    try {
      const int32_t top = stackUsed(sp[pickedPile]);
      if (top >= 1) {
        if (!isMoving(pickedPile, top)) soundContainer.playEvent(soundCardRaised, pickedPile, top);
        raise(pickedPile, top);
      }
    } catch (...) {
      // a failed lift leaves the card where it is; the frame goes on
    }
  }
  if (isOpenPile(prevPickedPile)) lower(prevPickedPile, stackUsed(sp[prevPickedPile]));
}

// Step 3: the centre pile's card under the pointer.
void centrePile() {
  // With the meld table in use whole melds go up and down; the meld table comes with
  // Canasta and Rommé.
  if (cg.gs.meldTableInUse != 0) return;
  const int32_t now = pickedPileIndex, before = prevPickedPileIndex;
  if (now == before) return;
  if (now != 0 && !isMoving(kCentre, now) && slotAt(kCentre, now))
    soundContainer.playEvent(soundTrickCardRaised, kCentre, now);
  if (before != 0) lower(kCentre, before);
  if (now != 0) raise(kCentre, now);
}

// [SECTION] hand cards

void handCards(int32_t seat) {
  if (hoveredCard == prevHoveredCard) return;
  if (prevHoveredCard != 0) lower(prevPickedPile != 0 ? prevPickedPile : seat, prevHoveredCard);
  const TCardSlot* slot = slotAt(seat, hoveredCard);
  if (slot == nullptr || !isLegalCard(slot->card)) return;
  raise(seat, hoveredCard);
  // Schnapsen asks about a marriage here once it is built.
  soundContainer.playEvent(soundCardRaised, seat, hoveredCard);
}

// No input awaited: every lifted card of the own hand comes down.
void lowerAllLifted(int32_t seat) {
  hoveredCard = 0;
  prevHoveredCard = 0;
  if (seat < 1 || seat > stackCount) return;
  for (int32_t i = 1; i <= stackUsed(sp[seat]); i++) {
    const TCardSlot& slot = sp[seat].slots[i];
    if (slot.moving && slot.animType == kAnimLift) lower(seat, i);
  }
}

}  // namespace

void checkupdownmoves(int flag) {
  (void)flag;
  const int32_t seat = cg.lastActiveSeat();
  if (inputState == 1) {
    stockAndDiscard();
    if (cg.gs.bl.pileA == kCentre || cg.gameId == gidHearts) {
      // Hearts, Rommé and Canasta copy the user's selection into the game state here once
      // they are built.
      centrePile();
    }
    if (cg.gs.bl.meldingMode == 0) handCards(seat);
  } else {
    lowerAllLifted(seat);
  }
  prevHoveredCard = hoveredCard;
}
