// The landing of a moving card: the card is written into its target by the queued kind,
// the queued move completes, and Blackjack's card counting and the card-AI object hear of
// it.
//
// [SECTION] by kind
// [SECTION] landCard
#include <algorithm>
#include <cstdint>

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "shell/shell_globals.h"
#include "table/animation_internal.h"
#include "table/move_internal.h"
#include "table/move_queue.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"
#include "table/table_questions.h"

namespace {

// The facts of the move the landing needs after completeQueuedMove cleared the slot's move.
struct TLanding {
  int32_t src, srcIndex, dst, dstIndex;
  int32_t moveMark, option;
  uint8_t kind;
  TCard card;  // R0's card unless replaced
  int32_t meldNo, meldPos;  // R0's place in the meld table
  TCard started;  // the card as the move started
  // Another card of the hand closed the gap and came into the source slot before this card
  // arrived: the card is the one that started, and the slot keeps the one that came.
  bool refilled;
};

bool isMeldVariantGame() { return gameIs(gidCanasta) || (gameIs(gidRomme) && rommeIsGinVariant()); }

TSpieler& srcStackOf(const TLanding& l) { return stackOf(l.src); }
TSpieler& dstStackOf(const TLanding& l) { return sp[absStack(l.dst)]; }

void setRankSuit(TCard& to, const TCard& from) {
  to.t = from.t;
  to.f = from.f;
}

// [SECTION] by kind

void landFace(const TLanding& l) { setRankSuit(dstStackOf(l).slots[l.dstIndex].card, l.card); }

void landMauMauPile(const TLanding& l) {
  TSpieler& dst = dstStackOf(l);
  TSpieler& src = srcStackOf(l);
  dst.count++;
  setRankSuit(dst.slots[l.dstIndex].card, l.card);
  src.count--;
  src.slots[l.srcIndex].card.t = 0;
  // An empty trick pile takes the last card of the discard pile back.
  if (sp[12].count == 0 && sp[13].count == 1) movecard(13, 1, 12, 1, 1, 3, moveRefillMau, 0, 0, 0);
}

bool anotherPlayMoving() {
  for (int32_t q = 1; q <= pendingMoveCount; q++) {
    const TPendingMove& m = pendingMoves[q];
    if (m.kind == movePlay && stackOf(m.srcStack).slots[m.srcIndex].moving) return true;
  }
  return false;
}

void landPlayed(const TLanding& l) {
  TSpieler& dst = dstStackOf(l);
  TSpieler& src = srcStackOf(l);
  TCardSlot& target = dst.slots[l.dstIndex];
  dst.count++;
  bool placed = false;
  if (cg.gs.meldTableInUse && meldTablePlacing() && absStack(l.dst) == 12 && !anotherPlayMoving()) {
    meldTablePlaceSelection();
    placed = true;
  }
  if (placed || meldTablePlacing()) {
    if (l.srcIndex >= 1 && l.srcIndex <= handCapacity) target.card = src.hand.k[l.srcIndex];
  } else {
    TCard card = l.card;
    if (gameIs(gidJass)) gameStoredPlayCard(card);
    target.card = card;
    if (!(gameIs(gidJass) && l.srcIndex <= src.count) && !l.refilled) src.slots[l.srcIndex].card.t = 0;
  }
  bool seatSource = l.src >= 1 && l.src <= 6;
  if (isMeldVariantGame() && seatSource && absStack(l.dst) == 12) {
    if (spLayout[l.src].count == 0 && pendingMoveCount == 0) src.count = 0;
  } else if (l.src >= 11 || gameIs(gidWar)) {
    // A pile keeps no layout copy of its count (only a hand does): it loses the one card.
    src.count--;
  } else if (l.option != -1) {
    src.count = spLayout[absStack(l.src)].count;
  }
  meldMarkedCardLeaves(target.card, l.srcIndex);
}

void landIntoLayout(const TLanding& l) {
  int32_t n = -l.dst;
  TCardSlot& into = sp[n].slots[l.dstIndex];
  const TCardSlot& lay = spLayout[n].slots[l.dstIndex];
  setPlacement(into, placementOf(lay));
  into.card = lay.card;
  if (gameIs(gidRomme) && !rommeIsGinVariant() && cg.gs.step != 1 && cg.gs.step != 2)
    meldMarkedCardFollows(l.srcIndex, l.dstIndex);
  if (l.option == -1) sp[absStack(l.src)].count = spLayout[absStack(l.src)].count;
  if (gameIs(gidMauMau) && l.dst == -1)
    showHandCardHighlight(l.dstIndex, isLegalFollow(sp[1].slots[l.dstIndex].card, sp[14].slots[1].card));
}

void landRelayout(const TLanding& l) {
  if (l.dst < 0) {
    landIntoLayout(l);
    return;
  }
  TCardSlot& src = srcStackOf(l).slots[l.srcIndex];
  setPlacement(src, placementOf(dstStackOf(l).slots[l.dstIndex]));
}

// In-place effects end in the layout copy's place of the card.
void landInPlace(const TLanding& l) {
  TCardSlot& src = srcStackOf(l).slots[l.srcIndex];
  const TCardPose& lay = spLayout[absStack(l.src)].slots[l.srcIndex].pose;
  if (l.kind == moveArc) {
    src.pose.rotX = lay.rotX;
    src.pose.rotY = lay.rotY;
    src.pose.rotZ = lay.rotZ;
    return;
  }
  src.pose = lay;
  if (l.kind == moveFan) src.pose.z -= 120;
}

void landPile(const TLanding& l) {
  TSpieler& dst = dstStackOf(l);
  dst.slots[l.dstIndex].card = l.card;
  srcStackOf(l).count--;
  dst.count++;
}

bool isSeatStack(int32_t s) { return absStack(s) >= 1 && absStack(s) <= 6; }

// A hand counts what its layout copy holds once none of its cards is on the way; until then it
// keeps the slots cards still leave from, which the animation walks only up to the count.
void settleHandCount(int32_t stack) {
  int32_t top = 0;
  for (int32_t q = 1; q <= pendingMoveCount; q++)
    if (pendingMoves[q].srcStack == stack) top = std::max(top, pendingMoves[q].srcIndex);
  sp[stack].count = std::max(spLayout[stack].count, top);
}

bool isWonPileSource(int32_t s) {
  return (s >= 7 && s <= 11) || (s >= 15 && s <= playerCount + 14);
}

void landDealt(TLanding l) {
  int32_t n = absStack(l.dst);  // a dealt card always targets a layout copy
  const TCardSlot& lay = spLayout[n].slots[l.dstIndex];
  // A Joker going back from a meld: the card that took its place may have landed in its slot
  // first, so the hand gets the card that left, not the slot's present one.
  TCard exchange{};
  const bool jokerBack = cg.gs.meldTableInUse && l.src == 12 && meldTableJokerReturning(l.srcIndex, exchange);
  if (jokerBack && l.started.t != 0) l.card = l.started;
  if (l.card.t == 0) l.card = lay.card;
  TCardSlot& into = sp[n].slots[l.dstIndex];
  into.card = l.card;
  setPlacement(into, placementOf(lay));
  TSpieler& src = srcStackOf(l);
  TCardSlot& from = src.slots[l.srcIndex];
  // A card taken from a hand (Old Maid draws so): the slot keeps a card that came into it
  // meanwhile, or this card when it stayed in its place.
  if (isSeatStack(l.src)) {
    if (!l.refilled && &into != &from) from.card.t = 0;
    settleHandCount(absStack(l.src));
    if (absStack(l.src) != n) settleHandCount(n);
    if (l.dst == -1) showHandCardHighlight(l.dstIndex, true);
    return;
  }
  if (l.moveMark >= 4) {
    from.card.t = 0;
    if (isMeldVariantGame() && l.dst < 0) sp[n].count = spLayout[n].count;
    return;
  }
  if (jokerBack)
    from.card = exchange;
  else
    from.card.t = 0;
  src.count--;
  if (isWonPileSource(l.src)) sp[n].count++;
  else sp[n].count = spLayout[n].count;
  if (l.dst == -1) showHandCardHighlight(l.dstIndex, true);
  if (l.src == 12 && cg.gs.meldTableInUse && isMeldVariantGame()) {
    meldTableRemoveFromMeld(l.meldNo, l.meldPos);
  }
  if (l.src == 12 && cg.gs.meldTableInUse && (gameIs(gidCanasta) || gameIs(gidRomme)))
    meldTableWriteSlotLocations();
}

void landByKind(const TLanding& l) {
  if (l.kind == moveDeal || (gameIs(gidOldMaid) && l.dst < 0)) {
    landDealt(l);
    return;
  }
  switch (l.kind) {
    case moveFace: landFace(l); return;
    case moveToStockMau: case moveRefillMau: landMauMauPile(l); return;
    case movePlay: case moveDraw: landPlayed(l); return;
    case moveRelayout: landRelayout(l); return;
    case moveHop: case moveLift: case moveFan: case moveArc: landInPlace(l); return;
    case moveCollect: case movePileToPile: case moveCount: landPile(l); return;
    default: return;  // 17 and the others leave the stacks as they are
  }
}

// Blackjack's computer players count the cards they see land.
void observeForBlackjack(const TLanding& l) {
  if (!gameIs(gidBlackjack)) return;
  int32_t src = absStack(l.src), dst = absStack(l.dst);
  bool stock = src == 11 || dst == 11;
  bool kind3to19 = l.kind == moveDeal || (l.kind >= 16 && l.kind <= 19);
  bool observed = (kind3to19 && stock) || (l.kind >= 17 && l.kind <= 19);
  if (!observed) return;
  int32_t what = -1;
  if (cg.gs.phase == 1) what = 0;
  else if (stock) what = 1;
  else if (l.kind == 16) what = 2;
  else if (l.kind == 18 || l.kind == 19) what = 3;
  else if (l.kind == 17) what = 4;
  gameObserveCard(src, l.srcIndex, dst, l.dstIndex, l.card, gameCardFaceUp(dst, l.dstIndex), what);
}

}  // namespace

// [SECTION] landCard

void landRelayoutAtOnce(int32_t seat, int32_t srcIndex, int32_t dstIndex) {
  if (!validStackNo(seat) || !validSlotNo(srcIndex) || !validSlotNo(dstIndex)) return;
  const TCard card = sp[absStack(seat)].slots[srcIndex].card;
  landIntoLayout(TLanding{seat, srcIndex, -seat, dstIndex, 0, 0, moveRelayout, card, 0, 0, card, false});
}

void landCard(TCardSlot& slot, const TMoveLanding& f) {
  slot.t = 1;
  slot.moving = 0;
  const bool queued = slot.queueIndex >= 1 && slot.queueIndex <= pendingMoveCount;
  TLanding l{slot.srcStack, slot.srcIndex, slot.dstStack, slot.dstIndex,
             slot.moveMark, slot.option, f.kind, f.card, f.meldNo, f.meldPos,
             queued ? pendingMoves[slot.queueIndex].card : noCard(), false};
  l.refilled = isSeatStack(l.src) && l.started.t != 0 && !cardsEqual(l.card, l.started);
  if (l.refilled) l.card = l.started;
  // A card re-laid within a pile (any but the stock) goes into the layout copy's slot, which
  // holds it; into the pile itself it would keep its old slot and be lost above the count.
  bool pile = l.src >= 12 && l.src <= stackCount;
  if (l.kind == moveRelayout && pile && l.dst == l.src) l.dst = -l.src;
  completeQueuedMove(slot.queueIndex);
  // Every branch writes inside the arrays; a damaged record lands nowhere.
  if (validStackNo(l.src) && validStackNo(l.dst) && validSlotNo(l.srcIndex) && validSlotNo(l.dstIndex))
    landByKind(l);
  observeForBlackjack(l);
  if (absStack(l.src) != absStack(l.dst)) notifyCardAIMoved(absStack(l.src), absStack(l.dst), l.card);
  hoveredCard = 0;
  prevHoveredCard = 0;
}
