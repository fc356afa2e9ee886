// The per-frame animation: the walk over the animated stacks, stack glides, move timing,
// the hover lift and the in-place shuffle. The move's path is in move_path.cpp, its
// landing in move_landing.cpp.
//
// [SECTION] frame
// [SECTION] glides
// [SECTION] moves
// [SECTION] lift
// [SECTION] shuffle
#include "table/animation.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/frame_rate.h"
#include "shell/env_param.h"
#include "sound/sound_events.h"
#include "table/animation_internal.h"
#include "table/move_internal.h"
#include "table/move_queue.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"
#include "table/table_questions.h"

bool tableLandsAtOnce = false;
bool tableCardLifted = false;
float frameStep = 0;
float wobblePhase = 0;

namespace {
constexpr double pi = 3.14159;
}

float tableFrameRate() { return vtlInfo.fps >= 1 ? vtlInfo.fps : 60.0f; }

// [SECTION] frame

namespace {

// Whether a queued move leaves from the stack (or its layout copy).
bool hasQueuedMoveFrom(int32_t stack) {
  for (int32_t q = 1; q <= pendingMoveCount; q++)
    if (absStack(pendingMoves[q].srcStack) == stack) return true;
  return false;
}

// Moves that land at once leave nothing to show between them: a stack none of whose cards
// is queued has no slot to advance, and only a gliding stack needs its pose. A lifted card is
// in no queue, so once one was lifted every slot is walked again.
bool walkSkips(int32_t stack) {
  if (!tableLandsAtOnce || tableCardLifted) return false;
  if (sp[stack].gliding) updateStackGlide(stack);
  return !hasQueuedMoveFrom(stack);
}

}  // namespace

void animationStep() {
  float fps = tableFrameRate();
  frameStep = 1.0f / fps / 10.0f;
  bool chips = gameIs(gidPoker) || gameIs(gidBlackjack);
  if (chips) {
    gameAnimateChips();
  } else {
    wobblePhase += 30.0f / fps;
    if (wobblePhase > 360) wobblePhase = 0;
  }
  if (meldTablePlacing()) meldTableAdvancePlacement(frameStep * meldTablePlacingSpeed());
  if (!gameFastPlay()) {
    const int32_t seatTop = animatedSeatTop();
    for (int32_t s = 1; s <= seatTop; s++) {
      if (walkSkips(s)) continue;
      updateStackGlide(s);
      int32_t n = stackUsed(sp[s]);  // landings below change the count; this frame walks n
      for (int32_t i = 1; i <= n; i++) {
        animateCard(sp[s].slots[i]);
        animateCard(spLayout[s].slots[i]);
      }
    }
  }
  const int32_t pileTop = animatedPileTop();
  for (int32_t s = 11; s <= pileTop; s++) {
    if (walkSkips(s)) continue;
    updateStackGlide(s);
    int32_t n = stackUsed(sp[s]);
    for (int32_t i = 1; i <= n; i++) animateCard(sp[s].slots[i]);
  }
}

// [SECTION] glides

void updateStackGlide(int32_t stack) {
  if (stack < 1 || stack > stackCount) return;
  TSpieler& s = sp[stack];
  if (s.gliding && s.glideT < 0.99999f) {
    s.glideT = std::min(s.glideT + frameStep * s.glideSpeed, 1.0f);
    float w = s.glideT;
    auto lerp = [w](float a, float b) { return a * (1 - w) + b * w; };
    s.pose = TCardPose{lerp(s.restPose.x, s.glideTarget.x), lerp(s.restPose.y, s.glideTarget.y),
                       lerp(s.restPose.z, s.glideTarget.z), lerp(s.restPose.rotX, s.glideTarget.rotX),
                       lerp(s.restPose.rotY, s.glideTarget.rotY),
                       lerp(s.restPose.rotZ, s.glideTarget.rotZ)};
  } else {
    if (s.gliding) {
      s.gliding = 0;
      s.restPose = s.pose;
    }
    s.pose = s.restPose;
  }
  spLayout[stack].restPose = s.restPose;
  spLayout[stack].pose = s.pose;
}

// [SECTION] moves

namespace {

void appendFinished(const TCardSlot& slot, uint8_t kind) {
  if (finishedMoves.count >= moveQueueCapacity) return;
  finishedMoves.count++;
  finishedMoves.moves[finishedMoves.count] = TFinishedMove{
      absStack(slot.srcStack), absStack(slot.dstStack), slot.srcIndex, slot.dstIndex, kind};
}

uint8_t queuedKind(const TCardSlot& slot) {
  int32_t q = slot.queueIndex;
  return q >= 1 && q <= pendingMoveCount ? pendingMoves[q].kind : 0;
}

// Start delay, progress, the hold at the target, the report and the landing.
void advanceMove(TCardSlot& slot, const TMoveLanding& f) {
  if (tableLandsAtOnce) {
    slot.startDelay = 0;
    slot.endHold = 0;
    slot.started = 1;
    slot.t = 1;
  } else if (slot.startDelay > 0) {
    float speed = gameIs(gidRomme) && meldTablePlacing() ? meldTablePlacingSpeed() : slot.speed;
    slot.startDelay -= frameStep * speed;
  } else {
    slot.started = 1;
    slot.t = std::min(slot.t + frameStep * slot.speed, 1.0f);
  }
  if (slot.t > 0.99999f && slot.endHold > 0) {
    slot.endHold = std::max(slot.endHold - frameStep * slot.speed, 0.0f);
    slot.t = 0.99998f;
  }
  if (slot.t > 0.99999f && !slot.reported) {
    slot.reported = 1;
    appendFinished(slot, f.kind);
  }
  if (slot.t > 0.99999f) landCard(slot, f);
}

}  // namespace

TMoveFrame moveFrameOf(const TCardSlot& slot) {
  TMoveFrame f{};
  f.kind = queuedKind(slot);
  f.s = slot.t;
  if (isCanastaSideView() && slot.animType != 1) {
    if (absStack(slot.dstStack) == 12) f.s = std::min(1.5f * slot.t, 1.0f);
    else if (absStack(slot.srcStack) == 12) f.s = std::max(1.5f * slot.t - 0.5f, 0.0f);
  }
  if (slot.animType == 6) {
    int32_t n = absStack(slot.srcStack);
    getCardRecord(n, slot.srcIndex, 0, f.r0);
    getCardRecord(-n, slot.srcIndex, 1, f.r1);
    return f;
  }
  getCardRecord(slot.srcStack, slot.srcIndex, 0, f.r0);
  // Only a flight path reads the target record.
  if (tableLandsAtOnce) return f;
  int32_t dst = slot.dstStack;
  if (dst == slot.srcStack && dst != 11) dst = -dst;
  getCardRecord(dst, slot.dstIndex, 1, f.r1);
  return f;
}

namespace {

// The landing's facts without the frame's records, which only a flight path reads: the
// card's own slot as moveFrameOf would copy it. A meld table's pile answers through the
// records.
TMoveLanding landingAtOnce(const TCardSlot& slot) {
  const int32_t stack = slot.animType == 6 ? absStack(slot.srcStack) : slot.srcStack;
  const bool plain = validStackNo(stack) && validSlotNo(slot.srcIndex) &&
                     !(cg.gs.meldTableInUse && absStack(stack) == 12);
  if (!plain) return landingOf(moveFrameOf(slot));
  const TCardSlot& r0 = stackOf(stack).slots[slot.srcIndex];
  return TMoveLanding{queuedKind(slot), r0.card, r0.meldNo, r0.meldPos};
}

void shuffleEffect(TCardSlot& slot);
void liftCard(TCardSlot& slot);

}  // namespace

void animateCard(TCardSlot& slot) {
  if (slot.moving != 1) return;
  switch (slot.animType) {
    case 1: liftCard(slot); return;
    case 2: case 3: case 6: {
      if (tableLandsAtOnce) {
        advanceMove(slot, landingAtOnce(slot));
        return;
      }
      TMoveFrame f = moveFrameOf(slot);
      computeMovePath(slot, f);
      advanceMove(slot, landingOf(f));
      return;
    }
    case 5: shuffleEffect(slot); return;
    default: return;
  }
}

// [SECTION] lift

namespace {

constexpr float liftHeight = 40;

float liftHeightOf(const TCardSlot& slot) {
  bool lower = gameIs(gidSchnapsen) && slot.srcStack == 1 && slot.srcIndex != hoveredCard;
  return lower ? 26.0f : liftHeight;
}

// Pile cards and the cards of the stack the decision works on rise along z, hand cards up.
bool liftsAlongZ(const TCardSlot& slot) {
  return (slot.srcStack >= 11 && slot.srcStack <= 13) || slot.srcStack == cg.gs.bl.pileA;
}

float handTilt(float sn, int32_t cards) {
  if (gameIs(gidCanasta)) return cards >= 30 ? -0.6f * sn - 0.2f : -sn - 0.2f;
  if (gameIs(gidOldMaid)) {
    float f = cards >= 10 ? 0.6f : cards >= 8 ? 0.9f : cards >= 6 ? 1.2f : cards >= 4 ? 1.5f : 2.0f;
    return -f * sn - 0.2f;
  }
  return -2 * sn - 0.2f;
}

void setLiftOffset(TCardSlot& slot, float offset) {
  bool canastaSidePile = isCanastaSideView() && slot.srcStack == 12;
  if (liftsAlongZ(slot) && !canastaSidePile) {
    slot.flight.z = offset;
  } else {
    slot.flight.y = -offset;
  }
}

void rockRaised(TCardSlot& slot, float fps) {
  slot.flight.wobble += 5.0f / fps;
  float sn = std::sin(slot.flight.wobble);
  if (liftsAlongZ(slot)) {
    float tilt = -4 * sn - 0.2f;
    if (gameIs(gidWar)) slot.flight.rotY = tilt;
    else slot.flight.rotX = tilt;
  } else {
    int32_t cards = validStackNo(slot.srcStack) ? stackOf(slot.srcStack).count : 0;
    slot.flight.rotX = handTilt(sn, cards);
  }
}

// The raised cards of the stack the decision works on rock together.
void joinRocking(TCardSlot& slot) {
  if (!cg.gs.bl.meldingMode || !validStackNo(slot.srcStack)) return;
  const TSpieler& s = stackOf(slot.srcStack);
  for (int32_t i = stackUsed(s); i >= 1; i--) {
    const TCardSlot& other = s.slots[i];
    if (&other == &slot || !other.moving) continue;
    slot.flight.wobble = other.flight.wobble;
    return;
  }
}

void liftCard(TCardSlot& slot) {
  float fps = tableFrameRate();
  float h = liftHeightOf(slot);
  float step = 8.0f / fps;
  switch (slot.liftState) {
    case 2:  // raised: rocks at full height
      rockRaised(slot, fps);
      setLiftOffset(slot, h);
      return;
    case 0:  // rising
      slot.t = std::min(slot.t + step, 1.0f);
      setLiftOffset(slot, h * slot.t);
      break;
    case 1: {  // falling: the tilt and the display values settle on the way down
      slot.t = std::max(slot.t - step, 0.0f);
      setLiftOffset(slot, h * slot.t);
      float toward = 1.0f / fps;
      float rx = slot.flight.rotX;
      rx = rx > 0 ? std::max(rx - toward, 0.0f) : std::min(rx + toward, 0.0f);
      slot.flight.rotX = rx * (slot.t < 0.2f ? 0.0f : slot.t);
      slot.flight.display1 = slot.flight.display1 < 0 ? slot.flight.display1 + toward : 0;
      slot.flight.display2 = 0;
      break;
    }
    default:
      return;
  }
  if (slot.t > 0.99999f) {
    slot.t = 1;
    if (slot.liftState == 0) {
      slot.liftState = 2;
      joinRocking(slot);
    }
  }
  if (slot.t < 0.00001f) {
    slot.t = 0;
    if (slot.liftState == 1) slot.moving = 0;
  }
}

// [SECTION] shuffle

// The pile splits in three, the parts swing apart and fall back together.
void shuffleOffset(TCardSlot& slot, float s) {
  constexpr float d = 0.04f;
  float cv = std::cos(slot.variation), sv = 1.5f * std::sin(slot.variation);
  int32_t part = slot.srcIndex % 3;
  float sign = part == 0 ? 1.0f : part == 1 ? -1.0f : 0.0f;
  if (s > d && s <= 0.5f) {
    float a = (s - d) / (0.5f - d), b = 1 - a;
    float k = gameIs(gidWar) ? 320.0f : 220.0f;
    float amp = (a * float(std::sin(pi * a / 2)) + a * b) * k;
    slot.flight.x += sign * cv * amp;
    slot.flight.y += sign * sv * amp;
  } else if (s > 0.5f && s <= 1 - d) {
    float a = (s - 0.5f) / (0.5f - d), b = 1 - a;
    float amp = (b * float(std::sin(pi * b / 2)) + a * b) * 220;
    float n = float(validStackNo(slot.srcStack) ? stackOf(slot.srcStack).count : 0);
    float i = float(slot.srcIndex);
    float up = float(std::sin(pi * a));
    slot.flight.x += sign * cv * amp;
    slot.flight.y += sign * sv * amp;
    if (part == 0) slot.flight.z += 200 * up + (2.0f / 3) * (n - i) * a - (2.0f / 3) * i * a;
    if (part == 1) slot.flight.z += 10 * up - (4.0f / 3) * i * a;
    if (part == 2) slot.flight.z += 400 * up + (4.0f / 3) * (n - i) * a;
    if (n > 0) slot.flight.z += 30 * up * i / n;
  }
}

void shuffleEffect(TCardSlot& slot) {
  slot.flight = TCardFlight{};
  slot.t = std::min(slot.t + frameStep * slot.speed, 1.0f);
  shuffleOffset(slot, slot.t);
  if (slot.t <= 0.99999f) return;
  if (slot.srcIndex >= 1 && slot.srcIndex <= 3)
    soundContainer.playEvent(soundCardLands, 12, pickedPileIndex);
  slot.moving = 0;
  appendFinished(slot, queuedKind(slot));
  completeQueuedMove(slot.queueIndex);
}

}  // namespace
