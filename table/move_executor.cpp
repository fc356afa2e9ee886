// amove: the games' higher-level moves over movecard, gethand and playCardToTrick.
//
// [SECTION] the core's note
// [SECTION] type 0: dealing and drawing
// [SECTION] types 1 and 2: playing
// [SECTION] type 3: laying the selection down
// [SECTION] type 4: laying off onto a meld
// [SECTION] amove
#include "table/move_executor.h"

#include <initializer_list>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/move_internal.h"
#include "table/move_queue.h"
#include "table/stack_ops.h"
#include "table/stack_sync.h"
#include "table/table_game_hooks.h"
#include "table/table_layout.h"
#include "table/table_messages.h"

namespace {

// [SECTION] the core's note

struct TNote {
  int32_t stack = 0, slot = 0;  // 0: the branch queued nothing to name
};

bool isQueuedSource(int32_t stack, int32_t slot) {
  for (int32_t q = 1; q <= pendingMoveCount; q++)
    if (absStack(pendingMoves[q].srcStack) == stack && pendingMoves[q].srcIndex == slot) return true;
  return false;
}

// The core waits for the noted move. A note must name a move that is in the queue, or the
// core would wait for ever: when the named one was refused, the last move this call queued
// from the same stack (else the last it queued at all) stands in; with none, no note.
void writeNote(int32_t queuedBefore, TNote n) {
  if (pendingMoveCount <= queuedBefore) return;
  if (!isQueuedSource(n.stack, n.slot)) {
    const TPendingMove* pick = nullptr;
    for (int32_t q = queuedBefore + 1; q <= pendingMoveCount; q++)
      if (!pick || absStack(pendingMoves[q].srcStack) == n.stack) pick = &pendingMoves[q];
    n = TNote{absStack(pick->srcStack), pick->srcIndex};
  }
  noteCoreMove(n.stack, n.slot);
}

bool in(int32_t v, std::initializer_list<int32_t> set) {
  for (int32_t x : set)
    if (v == x) return true;
  return false;
}

bool isSeatPile(int32_t s) { return s >= 15 && s <= playerCount + 14; }

void setRankSuitOf(TCard& to, const TCard& from) {
  to.t = from.t;
  to.f = from.f;
}

// [SECTION] type 0: dealing and drawing

// A single card from a pile into a hand; the cards above it close the gap. gethand closes
// the gap of a stack below 11 itself: queuing those cards a second time would be refused.
TNote takeOneFromPile(int32_t src, int32_t srcIndex, int32_t dst) {
  gethand(dst, 1, 0, 0.0f, src, srcIndex);
  if (src < 11) return TNote{src, srcIndex};
  TSpieler& s = sp[src];
  for (int32_t k = srcIndex; k <= s.count - 1; k++) {
    if (!validSlotNo(k) || !validSlotNo(k + 1)) break;
    TCardSlot& lay = spLayout[src].slots[k];
    lay.card = s.slots[k + 1].card;
    movecard(src, k + 1, src, k, 0, 2, moveRelayout, 0.0f, 0, 0.0f);
    setPlacement(lay, placementOf(s.slots[k]));
    lay.pose.z = -97;
  }
  return TNote{src, srcIndex};
}

TNote dealOrDraw(int32_t src, int32_t srcIndex, int32_t dst, int32_t dstIndex, int32_t count) {
  bool toHand = dst >= 1 && dst <= 10;
  if (src == 13 && toHand) {
    for (int32_t i = 0; i < count; i++)
      movecard(13, srcIndex + i, dst, dstIndex + i, 1, 2, moveCollect, 0.0f, 0, 0.0f);
    return TNote{src, srcIndex + count - 1};
  }
  if ((in(src, {7, 8, 9, 10, 12, 13, 16}) || isSeatPile(src)) && toHand) {
    if (count == 1) return takeOneFromPile(src, srcIndex, dst);
    for (int32_t i = 0; i < count; i++)
      movecard(src, srcIndex - i, -dst, dstIndex - i, 1, 2, moveDeal, 0.0f, 0, 0.0f);
    return TNote{src, srcIndex};
  }
  if (src == 11 && toHand) {
    gethand(dst, count, 0, 0.0f, 11, 0);
    return TNote{11, srcIndex - count + 1};
  }
  if (src == 11 && dst == 15) {
    for (int32_t i = 0; i < count; i++)
      movecard(11, srcIndex - i, 15, dstIndex - i, 1, 2, moveCollect, 0.0f, 0, 0.0f);
    return TNote{11, srcIndex - count + 1};
  }
  if (src >= 1 && src <= 10 && in(dst, {12, 13, 16})) {
    if (count < 2) {
      // A hidden hand may play from another slot; the note names the one played.
      int32_t played = playCardToTrick(src, srcIndex, dst == 13 ? 13 : 12, 0);
      if (played > 0) srcIndex = played;
    } else {
      for (int32_t i = 0; i < count; i++)
        movecard(src, srcIndex + i, dst, sp[dst].count + i + 1, 1, 2, movePlay, 0.0f, 0, 0.0f);
    }
    return TNote{src, srcIndex + count - 1};
  }
  if (in(src, {11, 15}) && dst == 12) {
    for (int32_t i = 0; i < count; i++)
      moveCardNoted(11, srcIndex - i, 12, dstIndex + i, 0, 3, moveDraw, 0.1f * i, count);
    return TNote{11, srcIndex - count + 1};
  }
  auto pileMoves = [&](uint8_t animType, uint8_t kind, int32_t option) {
    for (int32_t i = 0; i < count; i++)
      movecard(src, srcIndex - i, dst, dstIndex - i, 1, animType, kind, 0.0f, option, 0.0f);
    return TNote{src, srcIndex - count + 1};
  };
  if (in(src, {12, 13, 16}) && in(dst, {12, 13, 16})) return pileMoves(2, movePileToPile, 0);
  if (in(src, {11, 15}) && in(dst, {11, 15})) return pileMoves(2, moveCollect, 0);
  if (in(src, {12, 13, 16}) && in(dst, {11, 15})) return pileMoves(3, moveDraw, count);
  return TNote{};
}

// [SECTION] types 1 and 2: playing

// One card into pile dst at its sorted place: the cards above it move up by one first.
TNote playSorted(int32_t src, int32_t srcIndex, int32_t dst) {
  if (!validStackNo(src) || !validSlotNo(srcIndex) || dst < 1 || dst > stackCount) return TNote{};
  int32_t pos = sortedInsertPos(sp[dst], stackOf(src).slots[srcIndex].card);
  if (gameIs(gidSchwimmen)) gameNoteLaidSlot(pos);
  TSpieler& d = sp[dst];
  int32_t n = d.count;
  for (int32_t i = pos; i <= n; i++) {
    if (!validSlotNo(i + 1)) break;
    TCardSlot& lay = spLayout[dst].slots[i + 1];
    lay.card = d.slots[i].card;
    setPlacement(lay, placementOf(d.slots[i + 1]));
    int32_t k = n + pos - i;
    if (!validSlotNo(k + 1)) continue;
    spLayout[dst].slots[k + 1].pose.z = -97;
    d.slots[k + 1].pose.z = -97;
    movecard(dst, k, dst, k + 1, 0, 2, moveRelayout, 0.0f, 0, 0.0f);
  }
  playCardToTrick(src, srcIndex, -1, pos);
  return TNote{src, srcIndex};
}

TNote relayBlock(int32_t src, int32_t srcIndex, int32_t dst, int32_t dstIndex, int32_t count) {
  if (src < 1 || src > stackCount) return TNote{};
  sortSlotsByValue(sp[src], sp[src].count - 2, 3, false);
  for (int32_t i = 0; i < count; i++) {
    // Within its own stack the card lands from the layout copy's slot: it gets the card now.
    bool within = dst == src && validSlotNo(srcIndex - i) && validSlotNo(dstIndex - i);
    if (within) spLayout[src].slots[dstIndex - i].card = sp[src].slots[srcIndex - i].card;
    movecard(src, srcIndex - i, dst, dstIndex - i, 0, 2, moveRelayout, 0.0f, 0, 0.0f);
  }
  return TNote{src, srcIndex + count - 1};
}

// [SECTION] type 3: laying the selection down

THand selectionForMove() {
  THand sel{};
  bool takes = gameIs(gidRomme) || gameIs(gidCanasta) || gameIs(gidHearts) ||
               gameIs(gidGoFish) || gameIs(gidOldMaid);
  if (!takes) return sel;
  sel = cg.gs.bl.selhand;
  if (!gameIs(gidCanasta)) return sel;
  // Canasta lays the wild cards first, then the natural cards, each in selection order.
  THand ordered = sel;
  ordered.anz = 0;
  for (int32_t pass = 0; pass < 2; pass++)
    for (int32_t i = 1; i <= handUsed(sel); i++)
      if (canastaIsWildCard(sel.k[i]) == (pass == 0)) handaddk(ordered, sel.k[i]);
  return ordered;
}

// The seat's remaining cards move together in its layout copy, from slot `firstFree` on.
int32_t closeUp(int32_t src, const THand& sel, int32_t firstFree, float delay) {
  int32_t last = 0, skipped = 0;
  TSpieler& s = sp[src];
  for (int32_t k = 1; k <= stackUsed(s); k++) {
    TCard c = s.slots[k].card;
    c.hi = static_cast<int16_t>(k);
    if (hasCardExact(sel, c)) {
      skipped++;
      continue;
    }
    int32_t target = k - skipped + firstFree - 1;
    if (!validSlotNo(target)) continue;
    spLayout[src].slots[target].card = s.slots[k].card;
    if (movecard(src, k, -src, target, 0, 2, moveRelayout, delay, -1, 0.0f)) last = k;
  }
  return last;
}

void relayoutCopy(int32_t src, int32_t count) {
  TSpieler& l = spLayout[src];
  l.count = count;
  l.stackNo = src;
  placeSeat(l, false, float(count));
}

TNote laySelection(int32_t src, int32_t dst) {
  if (src < 1 || src > stackCount || dst < 1 || dst > stackCount) return TNote{};
  THand sel = selectionForMove();
  int32_t n = handUsed(sel);
  int32_t last = 0;
  if (gameIs(gidHearts)) {
    int32_t slot = sp[dst].count;
    for (int32_t i = 1; i <= n; i++) {
      slot++;
      if (movecard(src, sel.k[i].hi, dst, slot, 1, 2, movePlay, 0.0f, -1, 0.0f)) last = sel.k[i].hi;
      if (validSlotNo(slot)) setRankSuitOf(sp[dst].slots[slot].card, sel.k[i]);
    }
  } else {
    bool melds = gameIs(gidRomme) || gameIs(gidCanasta);
    int32_t meld = melds ? meldTableAddMeld(cg.gs.akspieler, n) : 0;
    // The cards go on top of what the stack holds (a seat's book pile grows book by book).
    int32_t base = melds ? sp[12].count : stackUsed(sp[dst]);
    for (int32_t i = 1; i <= n; i++) {
      int32_t slot = base + i;
      if (movecard(src, sel.k[i].hi, dst, slot, 1, 2, movePlay, 0.15f * (i - 1), -1, 0.0f))
        last = sel.k[i].hi;
      if (!melds || !validSlotNo(slot)) continue;
      TCardSlot& t = sp[dst].slots[slot];
      t.meldNo = meld;
      t.meldPos = i;
      setRankSuitOf(t.card, sel.k[i]);
    }
  }
  int32_t closed = closeUp(src, sel, 1, 0.15f * n);
  relayoutCopy(src, sp[src].count - n);
  return TNote{src, closed ? closed : last};
}

// [SECTION] type 4: laying off onto a meld

std::string layOffPlace(int32_t src, int32_t dst, int32_t dstIndex) {
  return "ERROR at amtAnlegen(" + std::to_string(src) + "->" + std::to_string(dst) + "." +
         std::to_string(dstIndex) + "): ";
}

// The formed meld's entry for a laid-off card: the last equal entry marked 444 (it takes a
// joker's place) wins over the first equal one; the entry found is used up.
int32_t takeMeldEntry(THand& formed, const TCard& c) {
  int32_t pos = indexOfCard(formed, c);
  for (int32_t j = 1; j <= handUsed(formed); j++)
    if (cardsEqual(formed.k[j], c) && formed.k[j].hi == 444) pos = j;
  if (pos >= 1) formed.k[pos].t = 0;
  return pos;
}

TNote layOff(int32_t src, int32_t dst, int32_t dstIndex) {
  bool romme = gameIs(gidRomme), canasta = gameIs(gidCanasta);
  if (!(romme || canasta) || src < 1 || src > 6) return TNote{};
  if (!validSlotNo(dstIndex) || dstIndex > sp[12].count) {
    tableError(layOffPlace(src, dst, dstIndex) + "meld slot");
    return TNote{};
  }
  THand sel = cg.gs.bl.selhand;
  TSpieler& seat = sp[src];
  syncHandFromSlots(seat);
  THand cards{};
  for (int32_t i = 1; i <= handUsed(sel); i++)
    if (validSlotNo(sel.k[i].hi) && sel.k[i].hi <= handUsed(seat.hand)) handaddk(cards, seat.hand.k[sel.k[i].hi]);
  if (handUsed(sel) == 0) tableError(layOffPlace(src, dst, dstIndex) + "cg.gs.bl.selhand.anz=0");
  int32_t meldNo = sp[12].slots[dstIndex].meldNo, meldPos = sp[12].slots[dstIndex].meldPos;
  THand formed{};
  meldTableFormLayOff(cards, meldNo, meldPos, formed);
  // A meld that is not valid is refused: nothing moves and nothing is noted.
  if (!gameIsValidMeld(formed)) {
    tableError(layOffPlace(src, dst, dstIndex) +
               (romme ? "isset(newh)=false" : "ismeldung(newh)=false"));
    return TNote{};
  }
  int32_t n = handUsed(sel), jokers = 0, last = 0;
  for (int32_t i = 1; i <= n; i++) {
    int32_t slot = sel.k[i].hi;
    int32_t f = sp[12].count + i - jokers;
    int32_t pos = takeMeldEntry(formed, sel.k[i]);
    if (romme && pos >= 1 && formed.k[pos].hi == 444) {
      jokers++;
      THand meld{};
      meldTableGetMeld(meldNo, meld);
      int32_t j = lastRankPosition(meld, rankJoker);
      if (j >= 1) f = meld.k[j].hi;
    }
    if (!validSlotNo(f)) continue;
    sp[12].slots[f].meldNo = meldNo;
    sp[12].slots[f].meldPos = pos;
    if (f > sp[12].count) setRankSuitOf(sp[12].slots[f].card, sel.k[i]);
    if (n == 1) moveSlotPose(src, slot, seat.count);
    if (movecard(src, slot, dst, f, 1, 2, movePlay, 0.0f, -1, 0.0f)) last = slot;
  }
  int32_t jokerSlot = 0;
  TCard joker{};
  bool back = meldTablePrepareLayOff(sel, cards, formed, meldNo, src, last, jokerSlot, joker);
  if (back && movecard(12, jokerSlot, -src, 1, 1, 2, moveDeal, 0.0f, 0, 0.0f))
    spLayout[src].slots[1].card = joker;
  int32_t closed = closeUp(src, sel, back ? 2 : 1, 0.0f);
  relayoutCopy(src, seat.count - n + (back ? 1 : 0));
  return TNote{src, closed ? closed : last};
}

}  // namespace

// [SECTION] amove

void amove(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex, int32_t count,
           uint8_t moveType) {
  int32_t before = pendingMoveCount;
  TNote note;
  switch (moveType) {
    case 0: note = dealOrDraw(srcStack, srcIndex, dstStack, dstIndex, count); break;
    case 1:
      playCardToTrick(srcStack, srcIndex, -1, 0);
      note = TNote{srcStack, srcIndex + count - 1};
      break;
    case 2:
      note = count == 1 ? playSorted(srcStack, srcIndex, dstStack)
                        : relayBlock(srcStack, srcIndex, dstStack, dstIndex, count);
      break;
    case 3: note = laySelection(srcStack, dstStack); break;
    case 4: note = layOff(srcStack, dstStack, dstIndex); break;
    case 5:
      if (srcStack != 13 || dstStack < 1 || dstStack > 9) return;
      gethand(dstStack, count, 0, 0.0f, 13, 0);
      note = TNote{13, srcIndex - count + 1};
      break;
    case 6:
      for (int32_t i = 0; i < count; i++)
        movecard(srcStack, srcIndex - i, dstStack, dstIndex + i, 1, 3, moveCount, 0.1f * i, 0, 0.0f);
      note = TNote{srcStack, 1};
      break;
    case 7:
      gethand(dstStack, count, 0, 0.0f, 13, 0);
      note = TNote{13, 1};
      break;
    default: return;
  }
  writeNote(before, note);
}
