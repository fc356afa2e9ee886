// gethand, playCardToTrick and scatterTrickCard: the games' dealing, drawing and playing.
//
// [SECTION] gethand
// [SECTION] playCardToTrick
// [SECTION] scatterTrickCard
#include "table/deal_moves.h"

#include <cmath>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_callbacks.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/move_internal.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"
#include "table/table_layout.h"
#include "table/table_messages.h"
#include "table/table_questions.h"

// [SECTION] gethand

namespace {

// The seat's cards in slot order with the new cards in front, last taken first; seat 1's
// sorted by the game's card value. Each card carries its origin tag, so equal cards of
// several decks stay apart when their places are looked up.
TSpieler& gatherHand(int32_t seat, int32_t count, int32_t offset, int32_t srcStack,
                     int32_t first) {
  static TSpieler scratch;
  scratch.count = 0;
  TSpieler& hand = sp[seat];
  for (int32_t k = 1; k <= stackUsed(hand); k++) {
    hand.slots[k].tag = seat * 50 + k;
    addCardToSpieler(scratch, hand.slots[k], false);
  }
  TSpieler& src = sp[srcStack];
  for (int32_t j = 1; j <= count; j++) {
    TCardSlot& c = src.slots[first - j + 1];
    c.tag = srcStack * 50 + (src.count - offset - j + 1);
    addCardToSpieler(scratch, c, true);
  }
  if (seat == 1 && !gameIs(gidWar)) {
    if (gameIs(gidHearts)) sortSlotsByValueN0(scratch, 1, 0, false);
    else sortSlotsByValue(scratch, 1, 0, false);
  }
  return scratch;
}

// Blackjack's opening deal holds a card back when the seat's first two cards lie
// differently, so the reveal reads.
float openingDealDelay(int32_t seat, int32_t target, float delay) {
  if (!gameIs(gidBlackjack) || !blackjackOpeningDeal) return delay;
  bool mixed = gameCardFaceUp(seat, 1) != gameCardFaceUp(seat, 2);
  bool grows = target == 2 && (mixed || (blackjackIs17und4() && seat == 1));
  return delay + (grows ? 0.25f : 0.05f);
}

void dealNewCards(int32_t seat, int32_t count, float delay, int32_t srcStack, int32_t first,
                  const TSpieler& order) {
  for (int32_t j = 1; j <= count; j++) {
    int32_t idx = first - j + 1;
    const TCardSlot& c = sp[srcStack].slots[idx];
    int32_t target = seat == 1 ? findCardInSpieler(c, order) : j;
    if (gameIs(gidBlackjack)) {
      target = sp[seat].count + j;
      if (validSlotNo(target)) sp[seat].slots[target].card = noCard();
    }
    if ((gameIs(gidSkat) || gameIs(gidSchwimmen)) && c.card.t > 8) tableError("getcardtyp fehler");
    delay = openingDealDelay(seat, target, delay);
    uint8_t kind = srcStack <= playerCount && target <= playerCount ? moveStraight : moveDeal;
    movecard(srcStack, idx, -seat, target, 1, 2, kind, delay, count - j + 1, 0.0f);
  }
}

// The seat's earlier cards glide to their new places in the freshly laid out layout copy.
void resortOldCards(int32_t seat, float delay, const TSpieler& order) {
  for (int32_t k = 1; k <= stackUsed(sp[seat]); k++) {
    int32_t target = findCardInSpieler(sp[seat].slots[k], order);
    if (!validSlotNo(target)) continue;
    spLayout[seat].slots[target].card = sp[seat].slots[k].card;
    movecard(seat, k, -seat, target, 0, 2, moveRelayout, delay, 0, 0.0f);
  }
}

void layOutCopy(int32_t stack, int32_t count) {
  TSpieler& l = spLayout[stack];
  l.count = count;
  l.stackNo = stack;
  placeSeat(l, false, float(count));
}

// The stack a single card was taken from closes the gap in its layout copy.
void closeGap(int32_t stack, int32_t taken) {
  TSpieler& l = spLayout[stack];
  const TSpieler& s = sp[stack];
  int32_t n = stackUsed(s);
  l.hand.anz = static_cast<int16_t>(n);
  for (int32_t i = 1; i <= n; i++) {
    l.hand.k[i] = s.slots[i].card;
    l.hand.k[i].hi = static_cast<int16_t>(i);
  }
  deleteCardAt(l.hand, taken);
  syncSlotsFromHand(l);
  layOutCopy(stack, l.count);
  noteCoreMove(stack, taken);
  for (int32_t k = 1; k <= n; k++) {
    if (k == taken) continue;
    int32_t target = k < taken ? k : k - 1;
    l.slots[target].card = s.slots[k].card;
    if (movecard(stack, k, -stack, target, 0, 2, moveRelayout, 0.0f, 0, 0.0f))
      cg.gs.pendingSlot = static_cast<int16_t>(k);
  }
}

// Without new cards: the seat is laid out for its count and its cards move to their places.
void relayoutSeat(int32_t seat, int32_t count, int32_t pos, float delay) {
  layOutCopy(seat, sp[seat].count + count);
  for (int32_t k = 1; k <= stackUsed(sp[seat]); k++) {
    int32_t target = k < pos ? k : k + count;
    if (!validSlotNo(target)) continue;
    spLayout[seat].slots[target].card = sp[seat].slots[k].card;
    movecard(seat, k, -seat, target, 0, 2, moveRelayout, delay, 0, 0.0f);
  }
}

std::string sortintoError(int32_t seat, int32_t srcIndex, int32_t offset) {
  return "Error in gethand.sortinto, spni:" + std::to_string(seat) + " geti:" +
         std::to_string(srcIndex) + " sub:" + std::to_string(offset);
}

}  // namespace

void gethand(int32_t seat, int32_t count, int32_t offset, float delay, int32_t srcStack,
             int32_t srcIndex) {
  if (seat < 1 || seat > stackCount || srcStack < 1 || srcStack > stackCount) {
    tableError(sortintoError(seat, srcIndex, offset));
    return;
  }
  pickedPileIndex = 0;
  prevPickedPileIndex = 0;
  if (srcIndex == 0) srcIndex = sp[srcStack].count;
  int32_t first = srcIndex - offset;
  // The cards to take must lie in the source: a card that is not there would never land.
  int32_t lowest = count >= 1 ? first - count + 1 : first;
  if (count >= 1 && (lowest < 1 || first > stackUsed(sp[srcStack]))) {
    tableError(sortintoError(seat, srcIndex, offset));
    return;
  }
  int32_t pos = 1;
  if (seat == 1 && validSlotNo(first)) pos = sortinto(seat, sp[srcStack].slots[first]);
  if (gameIs(gidBlackjack) || gameIs(gidWar)) pos = sp[seat].count + 1;
  if (count < 1) {
    relayoutSeat(seat, count, pos, delay);
    return;
  }
  if (!gameIs(gidWar) && srcStack == 11) sortSlotsByValue(sp[11], lowest, count, true);
  const TSpieler& order = gatherHand(seat, count, offset, srcStack, first);
  dealNewCards(seat, count, delay, srcStack, first, order);
  spLayout[seat].count = sp[seat].count + count;
  if (seat != 15 && !gameIs(gidBlackjack)) {
    layOutCopy(seat, spLayout[seat].count);
    resortOldCards(seat, delay, order);
  }
  if (count == 1 && srcStack < 11) closeGap(srcStack, first);
}

// [SECTION] playCardToTrick

namespace {

bool hidesPlayedSlot(int32_t seat, int32_t dstStack, int32_t dstIndex) {
  bool trickGame = gameIs(gidSkat) || gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) ||
                   gameIs(gidJass) || gameIs(gidHearts);
  return dstIndex == 0 && trickGame && dstStack == 12 && seat != 1 && !isSeatHandOpen(seat);
}

// A hidden computer hand plays from a random slot, so the slot tells nothing of the card.
// The slot draws from the players' generator, not the table's: the swap changes the hand's
// order, which the computer player reads.
int32_t hidePlayedSlot(int32_t seat, int32_t index) {
  TSpieler& s = sp[seat];
  int32_t n = stackUsed(s);
  if (n < 1 || index < 1 || index > n) return index;
  int32_t r = 1 + randomBelow(n);
  syncHandFromSlots(s);
  swapCards(s.hand.k[index], s.hand.k[r]);
  syncSlotsFromHand(s);
  syncHandFromSlots(s);
  return r;
}

void layTrickCard(int32_t seat, int32_t target, int32_t dstIndex, bool givenAsMinusOne) {
  if (!validSlotNo(dstIndex)) return;
  TCardSlot& slot = sp[target].slots[dstIndex];
  // A card that lands at once is never seen lying in the trick: it is not scattered.
  const bool scatter = !tableLandsAtOnce;
  bool schwimmen = gameIs(gidSchwimmen) && (target == 12 || target == 16);
  if (schwimmen && !givenAsMinusOne) {
    if (scatter) setPlacement(slot, scatterTrickCard(seat, seat));
    slot.pose.z = -97;
  }
  if (isTrickGame() && target == 12) {
    if (scatter) setPlacement(slot, scatterTrickCard(seat, seat));
    if (gameIs(gidJass) || gameIs(gidHearts)) slot.pose.z = float(gameTrickPosition() - 97);
  }
}

// Moves that land at once show nothing of the hand closing up: a game that never reads the
// closing hand's finished moves has its cards take their places at once instead of queuing a
// move each, unless one of them is on its way already (the played card at index lands by
// itself and sees its slot refilled).
bool closesAtOnce(int32_t seat, int32_t index) {
  if (!tableLandsAtOnce || tableCardLifted) return false;
  const TGameCallbacks* t = registeredGameCallbacks(cg.gameId);
  if (!(t && t->handClosesWithoutMoves)) return false;
  const TSpieler& s = sp[seat];
  for (int32_t k = 1; k <= stackUsed(s); k++)
    if (k != index && s.slots[k].moving) return false;
  return true;
}

// The rest of the hand moves together in its layout copy.
void closeHand(int32_t seat, int32_t index) {
  TSpieler& s = sp[seat];
  layOutCopy(seat, s.count - 1);
  if (seat >= 11) return;
  THand rest;
  bool jassSorted = gameIs(gidJass) && seat == 1;
  if (jassSorted) {
    syncHandFromSlots(s);
    rest = s.hand;
    deleteCardAt(rest, index);
    sortHandByValueN0(rest, 1, 0, false);
  }
  if (!jassSorted && closesAtOnce(seat, index)) {
    // Slot by slot upwards: each target lies at or below its source, whose card is still there.
    for (int32_t k = 1; k <= stackUsed(s); k++) {
      if (k == index) continue;
      int32_t target = k < index ? k : k - 1;
      spLayout[seat].slots[target].card = s.slots[k].card;
      landRelayoutAtOnce(seat, k, target);
    }
    return;
  }
  for (int32_t k = 1; k <= stackUsed(s); k++) {
    if (k == index) continue;
    int32_t target = jassSorted ? indexOfCard(rest, s.slots[k].card) : k < index ? k : k - 1;
    if (!validSlotNo(target)) continue;
    spLayout[seat].slots[target].card = s.slots[k].card;
    movecard(seat, k, -seat, target, 0, 2, moveRelayout, 0.0f, 0, 0.0f);
  }
}

}  // namespace

int32_t playCardToTrick(int32_t seat, int32_t index, int32_t dstStack, int32_t dstIndex) {
  if (seat < 1) seat = 1;
  if (seat > stackCount) return 0;
  if (hidesPlayedSlot(seat, dstStack, dstIndex)) index = hidePlayedSlot(seat, index);
  bool givenAsMinusOne = dstStack == -1;
  int32_t target = givenAsMinusOne ? 12 : dstStack;
  if (target < 1 || target > stackCount) {
    tableError("Fehler: Bereichsüberschreitung bei glu.movecard:" + std::to_string(seat) + "." +
               std::to_string(index));
    return 0;
  }
  if (dstIndex == 0) dstIndex = sp[target].count + 1;
  uint8_t animType = seat == 11 ? 3 : 2;
  TMoveArgs play{seat, index, target, dstIndex, 1, animType, movePlay, 0.0f, 0, 0.0f};
  // Refused before the trick slot is laid out: nothing changes for a card that cannot go.
  if (!moveCanLand(play)) return 0;
  layTrickCard(seat, target, dstIndex, givenAsMinusOne);
  if (!movecard(seat, index, target, dstIndex, 1, animType, movePlay, 0.0f, 0, 0.0f)) return 0;
  closeHand(seat, index);
  return index;
}

// [SECTION] scatterTrickCard

namespace {

constexpr double pi = 3.14159;

float rnd() { return static_cast<float>(tableRandomReal()); }

double minusTurns(double angle, int32_t turns) { return turns > 1 ? angle - 360.0 * turns : angle; }

// Doppelkopf, Schafkopf, Schnapsen, Jass, Hearts and Skat lay the trick in front of each seat.
void seatTrickPlace(TPlacementBlock& b, int32_t seat, double c, int32_t turns, bool skat) {
  b.pose.z = float(0.5 * handUsed(trickCards) - 97);
  if (skat) {
    if (seat == 1) b.pose.y -= 10;
    if (seat == 2) b.pose.y -= 100, b.pose.x -= 120;
    if (seat == 3) b.pose.y -= 100, b.pose.x += 120;
  } else {
    if (seat == 1) b.pose.y -= 10;
    if (seat == 2) b.pose.y -= 90, b.pose.x -= 140;
    if (seat == 4) b.pose.y -= 90, b.pose.x += 140;
    if (seat == 3) b.pose.y -= 160;
  }
  b.pose.rotZ = float(minusTurns(90 * rnd() + 245 - 180 * c, turns));
  b.poseExtra[0] = 0;
  b.poseExtra[1] = 0;
}

}  // namespace

TPlacementBlock scatterTrickCard(int32_t seat, int32_t turns) {
  TPlacementBlock b = placementOf(sp[12].slots[1]);
  double c = seat == 1 ? 1.02 : (-(seat - 1) - 0.5) * pi / 2 - 0.18;
  b.pose.x = float(12 * std::sin(pi * c) + 40 * rnd() - 20);
  b.pose.y = float(-12 * std::cos(pi * c) + 40 * rnd() + 20);
  bool keepsZ = gameIs(gidSkat) || gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) ||
                gameIs(gidSchnapsen) || gameIs(gidBlackjack) || gameIs(gidJass) ||
                gameIs(gidHearts);
  if (!keepsZ) b.pose.z = float(-120 - 10 * seat);
  b.pose.rotX = 0;
  b.pose.rotY = 0;
  b.pose.rotZ = float(minusTurns(100 * rnd() + 290 - 180 * c, turns));
  b.poseFlag = rnd() < 0.5f ? 1 : 0;
  b.poseExtra[0] = rnd();
  b.poseExtra[1] = rnd();
  bool trickFamily = gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) || gameIs(gidSchnapsen) ||
                     gameIs(gidJass) || gameIs(gidHearts);
  if (trickFamily) seatTrickPlace(b, seat, c, turns, false);
  if (gameIs(gidJass)) b.pose.x *= 1.3f, b.pose.y *= 1.3f, b.pose.rotZ *= 0.3f;
  if (gameIs(gidHearts)) b.pose.x *= 1.15f, b.pose.y *= 1.15f, b.pose.rotZ *= 0.6f;
  if (gameIs(gidSkat)) seatTrickPlace(b, seat, c, turns, true);
  if (gameIs(gidSchnapsen) || gameIs(gidOldMaid)) gameTrickLayout();
  if (gameIs(gidSkat) || gameIs(gidHearts)) {
    b.pose.rotZ = 0;
    b.pose.y += gameIs(gidSkat) ? 150 : 140;
  }
  return b;
}
