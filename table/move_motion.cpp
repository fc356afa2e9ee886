// The motion code and variation of a queued move, by its kind: which curves, lifts, flips
// and flutters the animation adds to the card's path.
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/move_internal.h"
#include "table/stack_ops.h"

namespace {

float rnd() { return static_cast<float>(tableRandomReal()); }

// With probability 1/2 add 0x80 (the flutter runs the other way), then with 1/2 add 1.
int32_t coinFlips(int32_t code) {
  if (rnd() < 0.5f) code += 0x80;
  if (rnd() < 0.5f) code += 1;
  return code;
}

bool isWonPileOfSeat(int32_t stack) {
  return (stack >= 7 && stack <= 10) || (stack >= 15 && stack <= playerCount + 14);
}

bool schwimmenExchange() { return gameIs(gidSchwimmen) && cg.gs.phase == 4 && cg.gs.step == 4; }

void drawMotion(TCardSlot& slot, const TMoveArgs& a) {
  if (gameIs(gidSchnapsen) && a.dstStack == 11) slot.motion = 0x12141;
  else slot.motion = a.option == 0 ? coinFlips(0x2021) : 0x12121;
  slot.variation = a.option == 0 ? rnd() : 0.5f;
}

void stockMauMotion(TCardSlot& slot, const TMoveArgs& a) {
  int32_t code = a.dstStack == 11 ? 0x13331 : 0x3231;
  slot.motion = a.option == 0 ? coinFlips(code) : code;
  slot.variation = a.option == 0 ? rnd() : 0.5f;
}

void dealMotion(TCardSlot& slot, const TMoveArgs& a) {
  if (gameIs(gidWar)) {
    slot.motion = 0x2020;
    return;
  }
  int32_t code;
  if (isWonPileOfSeat(a.srcStack)) {
    if (gameIs(gidHearts) && cg.gs.subState == 0) code = a.dstStack == -1 ? 0x101 : 0x2020;
    else code = a.srcStack == 7 || a.srcStack == 15 ? 0xD08 : 0x60;
  } else {
    code = a.dstStack == -1 ? 0xD09 : 0x201;
  }
  if (a.option == 0) {
    code = coinFlips(code);
  } else {
    code += 1;
    slot.option = a.option;
  }
  if (schwimmenExchange() && a.srcStack == 16) code = a.dstStack == -1 ? 0 : 0x1230;
  if (gameIs(gidBlackjack)) code = 0x2021;
  slot.motion = code;
  slot.variation = a.option == 0 ? 1.0f : 0.8f;
}

void curvedMotion(TCardSlot& slot, const TMoveArgs& a) {
  int32_t d = a.dstStack;
  if (gameIs(gidHearts) && ((d >= 8 && d <= playerCount + 6) || (d >= 15 && d <= playerCount + 14))) {
    slot.motion = 0x2020;
    return;
  }
  if (d == 11) {
    if (a.srcStack == 1) slot.motion = 0x161;
    else if (gameIs(gidSkat) && a.srcStack == 2 && isViewFromAbove()) slot.motion = 0x8889;
    else slot.motion = 0x8C89;
    return;
  }
  if (a.srcStack == 1) {
    slot.motion = gameIs(gidCanasta) ? 0x3091 : 0x1071;
  } else {
    slot.motion = coinFlips(gameIs(gidSkat) && sp[12].count > 0 ? 0x94F1 : 0x1471);
    slot.moveMark = 1;
  }
  slot.variation = rnd();
  if (schwimmenExchange()) {
    slot.variation = 0;
    slot.startDelay = 0.05f;
  }
}

}  // namespace

void chooseMotion(TCardSlot& slot, const TMoveArgs& a) {
  switch (a.kind) {
    case 8: slot.motion = 0x2020; return;
    case 7: drawMotion(slot, a); return;
    case 16: slot.motion = 0x12241; return;
    case 14:
      slot.motion = gameIs(gidSkat) && a.srcStack == 12 && a.dstStack == 7 && !isViewFromAbove()
                        ? 0x2120 : 0x2020;
      return;
    case 15: case 17: case 18: case 19: case 20: case 21: slot.motion = 0; return;
    case 5: slot.motion = 0x2020; return;
    case 4: stockMauMotion(slot, a); return;
    case 3: dealMotion(slot, a); return;
    default:
      if (a.curved) curvedMotion(slot, a);
      else slot.motion = 0;
      return;
  }
}
