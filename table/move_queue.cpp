// movecard and the move queue: queuing, completing, the hover lift and the stack glide.
//
// [SECTION] queue state
// [SECTION] checks
// [SECTION] movecard
// [SECTION] completing a move
// [SECTION] lift and glide
#include "table/move_queue.h"

#include <string>

#include "core/cg.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "table/animation.h"
#include "table/move_internal.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"
#include "table/table_layout.h"
#include "table/table_messages.h"

// [SECTION] queue state

LArray<TPendingMove, 1, moveQueueCapacity> pendingMoves;
int32_t pendingMoveCount = 0;
TFinishedMoves finishedMoves;
TLastMove lastMove;
uint8_t blackjackOpeningDeal = 0;

int32_t animatedSeatTop() {
  int32_t top = playerCount;
  if (gameIs(gidHearts) || gameIs(gidWar)) top += 6;
  // Won piles of Hearts and War animate with the seats; never into the piles' own range,
  // where the pile walk would advance a card a second time in the same frame.
  return top < 0 ? 0 : top > 10 ? 10 : top;
}

int32_t animatedPileTop() {
  int32_t top = gameIs(gidWar) ? playerCount + 14 : pileCount + 10;
  return top > stackCount ? stackCount : top;
}

bool isTrickGame() {
  return gameIs(gidSkat) || gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) || gameIs(gidJass) ||
         gameIs(gidHearts);
}

bool stackAnimates(int32_t stack) {
  int32_t n = absStack(stack);
  bool seat = n >= 1 && n <= animatedSeatTop();
  if (stack < 0) return seat;
  return seat || (n >= 11 && n <= animatedPileTop());
}

namespace {

// [SECTION] checks

std::string place(int32_t stack, int32_t index) {
  return std::to_string(stack) + "." + std::to_string(index);
}

}  // namespace

// Every reason a move could never land, checked before anything changes: such a move would
// stay in the queue for ever and the core would wait for it.
bool moveCanLand(const TMoveArgs& a) {
  if (a.srcIndex < 1) {
    tableError("Fehler 0: movecard from zero index at spi" + place(a.srcStack, a.srcIndex) +
               ":spi" + place(a.dstStack, a.dstIndex));
    return false;
  }
  // The animation walks a seat's slots (and its layout copy's) up to the seat's count.
  bool walked = validStackNo(a.srcStack) && validSlotNo(a.srcIndex) && stackAnimates(a.srcStack) &&
                a.srcIndex <= stackUsed(sp[absStack(a.srcStack)]);
  if (!walked) {
    tableError("Fehler: Bereichsüberschreitung bei glu.movecard:" + place(a.srcStack, a.srcIndex));
    return false;
  }
  if (!validStackNo(a.dstStack) || !validSlotNo(a.dstIndex)) {
    tableError("Fehler: Bereichsüberschreitung bei glu.movecard:" + place(a.srcStack, a.srcIndex) +
               ":spi" + place(a.dstStack, a.dstIndex));
    return false;
  }
  // A card already in flight keeps its move: a second one would take the slot from the
  // first entry, which then never completes.
  const TCardSlot& slot = stackOf(a.srcStack).slots[a.srcIndex];
  bool inFlight = slot.moving && slot.animType != 1;
  if (inFlight || pendingMoveCount >= moveQueueCapacity) {
    tableError("Fehler: Bereichsüberschreitung bei glu.movecard:" + place(a.srcStack, a.srcIndex));
    return false;
  }
  return true;
}

namespace {

// [SECTION] movecard

// A face-down pile pose for a card about to land on the stock.
void prepareStockSlot(int32_t dstIndex) {
  TCardSlot& s = sp[11].slots[dstIndex];
  s.liftState = 3;
  s.flight.z = 0;
  s.pose.z = pileCardHeight(dstIndex);
  s.pose.rotX = 180;
  s.pose.rotZ = 20;
  s.poseFlag = 0;
  s.poseExtra[0] = 0;
  s.poseExtra[1] = 0;
}

float moveSpeed(const TMoveArgs& a) {
  if (a.kind == moveFace) return 1.0f;
  float speed = static_cast<float>(envParam.animSpeed);
  if (gameIs(gidCanasta) && (a.srcStack == 1 || a.srcStack == 11 || a.srcStack == 13) &&
      a.dstStack == -1 && cg.gs.phase != 1 && cg.gs.step == 1)
    speed *= 0.7f;
  speed *= gameSpeedFactor();
  if (a.dstStack >= 7 && a.dstStack <= 10) speed *= 0.8f;
  return speed;
}

bool drawsFromPile(const TMoveArgs& a) {
  if (a.srcStack < 11 || a.srcStack > 13) return false;
  if (absStack(a.dstStack) == a.srcStack) return false;
  int32_t n = sp[a.srcStack].count;
  return a.srcIndex == n || a.srcIndex == n - 1;
}

void startSlotMove(TCardSlot& slot, const TMoveArgs& a) {
  slot.liftState = 3;
  slot.animType = a.animType;
  slot.dstStack = a.dstStack;
  slot.dstIndex = a.dstIndex;
  slot.t = 0;
  slot.speed = moveSpeed(a);
  slot.startDelay = a.startDelay;
  slot.endHold = a.endHold;
  slot.option = a.option == -1 ? -1 : 0;
  slot.moveMark = 0;
  slot.reported = 0;
  slot.started = 0;
  chooseMotion(slot, a);
  // A lifted card starts its move from where it is shown now.
  if (slot.moving) {
    slot.pose.x += slot.flight.x;
    slot.pose.y += slot.flight.y;
    slot.pose.z += slot.flight.z;
  }
  slot.moving = 1;
  slot.srcStack = a.srcStack;
  slot.srcIndex = a.srcIndex;
  slot.queueIndex = pendingMoveCount;
}

}  // namespace

bool movecard(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex,
              uint8_t curved, uint8_t animType, uint8_t kind, float startDelay, int32_t option,
              float endHold) {
  TMoveArgs a{srcStack, srcIndex, dstStack, dstIndex, curved, animType, kind,
              startDelay, option, endHold};
  if (!moveCanLand(a)) return false;
  if (gameIs(gidBlackjack) || gameIs(gidWar))
    setCardTargetPositions(dstStack, dstIndex, 1, gameCardFaceUp(dstStack, dstIndex) ? 3 : 2,
                           animType);
  if (dstStack == 11 && !(kind == moveRelayout && srcStack == 11)) prepareStockSlot(dstIndex);
  inputState = 2;
  TCardSlot& slot = stackOf(srcStack).slots[srcIndex];
  if (dstStack == 12) {
    sp[14].count = 1;
    sp[14].slots[1].card.t = slot.card.t;
    sp[14].slots[1].card.f = slot.card.f;
  }
  pendingMoveCount++;
  pendingMoves[pendingMoveCount] = TPendingMove{kind, srcStack, srcIndex, dstStack, dstIndex, slot.card};
  if (drawsFromPile(a)) soundContainer.playEvent(soundCardDrawn, srcStack, srcIndex);
  startSlotMove(slot, a);
  return true;
}

void noteCoreMove(int32_t stack, int32_t slot) {
  cg.gs.pendingMove = 3;
  cg.gs.pendingStack = static_cast<int16_t>(stack);
  cg.gs.pendingSlot = static_cast<int16_t>(slot);
}

bool moveCardNoted(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex,
                   uint8_t curved, uint8_t animType, uint8_t kind, float startDelay,
                   int32_t option) {
  bool queued = movecard(srcStack, srcIndex, dstStack, dstIndex, curved, animType, kind,
                         startDelay, option, 0.0f);
  // The core waits until the noted move lands: a refused move must not take the note over.
  if (!queued) return false;
  cg.gs.pendingStack = static_cast<int16_t>(srcStack);
  cg.gs.pendingSlot = static_cast<int16_t>(srcIndex);
  return true;
}

// [SECTION] completing a move

namespace {

bool landingSounds(const TPendingMove& m) {
  if (m.dstStack <= 6 || m.dstStack == m.srcStack) return false;
  if (gameIs(gidSchwimmen) && (m.srcStack == 15 || m.dstStack == 15))
    return m.dstIndex == 1 || m.dstIndex == 4 || m.dstIndex == 5;
  if (gameIs(gidBlackjack)) {
    if (m.srcStack == 13 || m.dstStack == 13) return false;
    if (m.dstStack == 11) return m.dstIndex == 1 || m.dstIndex == 3;
  }
  return true;
}

}  // namespace

void completeQueuedMove(int32_t n) {
  if (n < 1 || n > pendingMoveCount) return;
  const TPendingMove m = pendingMoves[n];
  if (landingSounds(m)) soundContainer.playEvent(soundCardLands, m.dstStack, m.dstIndex);
  TCardSlot& src = stackOf(m.srcStack).slots[m.srcIndex];
  lastMove = TLastMove{src.card, m.dstStack, m.dstIndex, m.srcStack, m.srcIndex};
  src.moving = 0;
  src.motion = 0;
  src.moveMark = 0;
  for (int32_t i = n; i < pendingMoveCount; i++) {
    pendingMoves[i] = pendingMoves[i + 1];
    const TPendingMove& moved = pendingMoves[i];
    // Every queued move was checked to leave from a valid stack: no lookup per entry.
    TSpieler& from = moved.srcStack < 0 ? spLayout[-moved.srcStack] : sp[moved.srcStack];
    from.slots[moved.srcIndex].queueIndex = i;
  }
  pendingMoveCount--;
}

// [SECTION] lift and glide

void setCardLift(TCardSlot& slot, int32_t lower, int32_t stack, int32_t index) {
  // Lowering the hovered card may take a marriage partner with it; the lookup lifts that
  // partner through here again, which its guard keeps from looking once more.
  if (lower == 1 && index == prevHoveredCard && !gameMarriageBusy()) gameAnnounceMarriage(2, index);
  if (index == 0 && validStackNo(stack)) index = stackOf(stack).count;
  if (lower == 1 && !slot.moving) return;
  // A card in flight keeps its move: a lift would take its slot from the queue's entry.
  if (slot.moving && slot.animType != 1) return;
  slot.dstStack = slot.srcStack = stack;
  slot.dstIndex = slot.srcIndex = index;
  slot.moving = 1;
  slot.animType = 1;
  slot.speed = 3.0f;
  tableCardLifted = true;
  if (lower == 0) {
    slot.t = 0;
    slot.flight = TCardFlight{};
    slot.option = 0;
  }
  slot.liftState = static_cast<uint8_t>(lower);
}

void moveStackTo(const TCardPose& pose, int32_t stack) {
  if (stack < 1 || stack > stackCount) return;
  TSpieler& s = sp[stack];
  s.pose = s.restPose;
  s.glideTarget = pose;
  s.glideSpeed = static_cast<float>(envParam.animSpeed);
  s.glideT = 0;
  s.gliding = 1;
}
