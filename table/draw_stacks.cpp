// Drawing the stacks: the walk over piles and seats per pass and sweep, and the face rules
// that decide each card's sides, texture, name and shade request.
//
// [SECTION] small questions
// [SECTION] order
// [SECTION] front texture
// [SECTION] sides of pile cards
// [SECTION] sides of seat cards
// [SECTION] the request
// [SECTION] the walk
#include "table/draw_stacks.h"

#include <cmath>
#include <initializer_list>

#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/draw_card.h"
#include "table/shadows.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_pictures.h"
#include "table/table_questions.h"

namespace {

// [SECTION] small questions

bool gameIn(std::initializer_list<TGameId> games) {
  for (TGameId g : games)
    if (cg.gameId == g) return true;
  return false;
}

bool validCard(const TCardSlot& c) { return c.card.t >= 1 && c.card.t <= 99; }

// The decision panel accepts a pile or table click.
bool decisionOpen() { return cg.gs.bl.pilesSelectable || cg.gs.bl.tableSelectable; }

// The seats whose cards a pick may find: in Old Maid the other hands, elsewhere the user's.
bool seatTakesPicks(int32_t seat) {
  if (cg.gameId == gidOldMaid) return seat >= 2 && seat <= playerCount;
  return seat == 1;
}

// "Effekte Detail" at its two lowest levels, and at its lowest.
bool effectsLow() { return appopt.effectLevelMedium; }
bool effectsLowest() { return appopt.effectLevelLow; }

// A slot beyond the stack's count counts as resting: nothing moves there.
bool slotResting(int32_t stack, int32_t index) {
  if (index < 1 || index > stackUsed(sp[stack])) return true;
  return !sp[stack].slots[index].moving;
}

int32_t faceTexture(const TCard& card) {
  if (card.f < 1 || card.f > 4 || card.t < 1 || card.t > 32) return 0;
  return cardFaceTextures[card.f][card.t];
}

}  // namespace

// [SECTION] order

bool drawsStackReversed(int32_t stack, int32_t sweep) {
  bool reversed;
  if (stack >= 11)
    reversed = false;
  else if (cg.gameId == gidWar)
    reversed = !((stack >= 1 && stack <= playerCount) || (stack >= 7 && stack <= playerCount + 6));
  else if (cg.gameId == gidBlackjack)
    reversed = !(stack >= 1 && stack <= playerCount);
  else
    reversed = stack != 1;
  const bool handGame = gameIn({gidMauMau, gidSkat, gidRomme, gidCanasta, gidHearts, gidGoFish, gidOldMaid});
  if (handGame && stack >= 1 && stack <= playerCount) {
    if (drawPass == 4) reversed = !reversed;
    if (isSeatHandOpen(stack) && !(cg.gameId == gidSkat && isViewFromAbove())) reversed = !reversed;
  } else if (sweep == 2 && drawPass == 4) {
    reversed = !reversed;
  }
  return reversed;
}

bool hidesPassedCardFace(int32_t stack, int32_t index) {
  if (cg.gameId != gidHearts || cg.gs.step == 99) return false;
  if (stack < 1 || stack > stackCount || index < 1 || index > stackUsed(sp[stack])) return false;
  const TCardSlot& c = sp[stack].slots[index];
  if (!c.moving) return false;
  const int32_t pc = playerCount;
  auto wonPile = [pc](int32_t s) { return s >= 8 && s <= pc + 6; };
  auto opponent = [pc](int32_t s) { return s >= 2 && s <= pc; };
  if ((c.srcStack == 11 || wonPile(c.srcStack)) && opponent(c.dstStack)) return true;
  if (opponent(c.srcStack) && (c.dstStack == 11 || wonPile(c.dstStack))) return true;
  return wonPile(c.srcStack) && c.dstStack >= -pc && c.dstStack <= -2;
}

namespace {

// [SECTION] front texture

int32_t pileFrontTexture(int32_t stack, int32_t index, const TCardSlot& c) {
  int32_t tex = faceTexture(c.card);
  const int32_t pass = drawPass;
  if (c.moving) {
    if (c.dstStack >= -10 && c.dstStack <= -2 && c.srcStack != 12 && c.srcStack != 13 && c.srcStack != 16 &&
        cg.gameId != gidBlackjack)
      tex = plainCardTexture;
    auto closed = [](int32_t s) { return s == 11 || s == 15; };
    if (cg.gameId == gidSkat && pass == 4 && closed(c.dstStack) && closed(c.srcStack)) tex = plainCardTexture;
    if (c.dstStack == c.srcStack && c.dstStack != 12 && c.dstStack != 13) tex = plainCardTexture;
  }
  if (pass == 4) {
    // The mirror must not show the underside of a closed card: a plain card, and the stock's
    // bottom card nothing at all while the user is to act.
    if (stack == 11 && !decisionOpen() && inputState == 1)
      tex = index == 1 ? 0 : plainCardTexture;
    else if (!c.moving)
      tex = plainCardTexture;
    if (gameIn({gidGoFish, gidOldMaid}) && stack == 12) tex = faceTexture(c.card);
    if ((cg.gameId == gidSkat || cg.gameId == gidCanasta) && isViewFromSide() && (stack == 12 || c.dstStack == 12))
      tex = faceTexture(c.card);
  }
  if (hidesPassedCardFace(stack, index)) tex = plainCardTexture;
  return tex;
}

int32_t seatFrontTexture(int32_t stack, int32_t index, const TCardSlot& c, TDrawRequest& r) {
  int32_t tex = faceTexture(c.card);
  const int32_t pass = drawPass;
  if (pass == 4) {
    if (isStockOrTrickPile(stack)) tex = plainCardTexture;
    if (cg.gameId == gidSkat && c.moving && c.dstStack == 11) tex = plainCardTexture;
  }
  if (hidesPassedCardFace(stack, index)) tex = plainCardTexture;
  if (pass == 4 && cg.gameId == gidSkat && isViewFromAbove() && (stack == 2 || stack == 3) &&
      (!c.moving || c.animType == 2) && !isSeatHandOpen(stack)) {
    tex = plainCardTexture;
    r.front = true;
  }
  if (pass == 4 && (cg.gameId == gidSkat || cg.gameId == gidCanasta) && isViewFromSide() && c.dstStack == 12)
    tex = faceTexture(c.card);
  return tex;
}

// [SECTION] sides of pile cards

void pileSides(int32_t stack, int32_t index, int32_t sweep, const TCardSlot& c, TDrawRequest& r) {
  const int32_t pass = drawPass;
  const int32_t count = stackUsed(sp[stack]);
  if (!c.moving) {
    if (stack == 11 || stack == 15)
      r.front = false;  // the stock and the skat lie face down
    else
      r.back = false;
  }
  if (pass == 2) {
    r.front = true;
    r.back = false;
  } else if (pass == 4) {
    std::swap(r.front, r.back);  // the mirror shows the underside
  }
  bool marked = false;
  const bool quiet = (r.front || r.back) && !c.moving && slotResting(stack, index + 1);
  if (quiet && effectsLow()) {
    marked = true;
    if (pass == 2 && !isTopVisibleCard(stack, index)) r.front = r.back = false;
    if (stack == 12 && pass == 4) {
      r.back = c.animType == 4;
      r.front = false;
    } else if (stack == 12 && pass == 2) {
      r.front = c.animType == 4 || gameIn({gidSkat, gidHearts, gidWar, gidGoFish, gidOldMaid});
      r.back = false;
    }
    if ((pass == 1 || pass == 4) && isStockOrTrickPile(stack) && index != 1 && index != count && index % 4 != 0)
      r.front = r.back = false;
    if (pass == 0 && isStockOrTrickPile(stack) && index > 1 && index < count - 1 && index % 2 != 0)
      r.front = r.back = false;
  } else if (quiet && stack == 12 && pass == 4) {
    marked = true;
    r.back = c.animType == 4;
    r.front = false;
  }
  if (pass == 4) {
    r.back = r.back && sweep == 1;
    r.front = r.front && sweep == 2;
    if (stack != 11 && !isStockOrTrickPile(stack) && !c.moving && !marked) {
      r.back = sweep == 2;
      r.front = false;
    }
  }
  if (pass == 3 && stack == 12) r.front = false;
  if (pass == 4 && isViewFromSide() && c.moving && c.dstStack == -1 && c.t > 0.9f) r.front = r.back = false;
  if (pass == 4 && cg.gameId == gidSkat && isViewFromSide() && (stack == 12 || c.dstStack == 12))
    r.front = r.back = true;
}

// [SECTION] sides of seat cards

void seatSides(int32_t stack, int32_t index, int32_t sweep, const TCardSlot& c, TDrawRequest& r) {
  const int32_t pass = drawPass;
  const int32_t count = stackUsed(sp[stack]);
  const bool still = !c.moving || c.animType == 1;
  if (still) {
    // Hands are held face toward their owner.
    if (stack == 1)
      r.back = false;
    else
      r.front = false;
  }
  if (sp[stack].gliding) {
    r.front = r.back = true;
  } else if (isSeatHandOpen(stack)) {
    r.front = true;
    r.back = false;
  }
  if (pass == 2) {
    r.front = true;
    r.back = false;
  }
  if (pass == 4 && stack == 1 && still) r.front = r.back = false;
  if (pass == 4) {
    r.back = r.back && sweep == 1;
    r.front = r.front && sweep == 2;
    if (isStockOrTrickPile(stack)) {
      r.front = sweep == 1;
      r.back = false;
    }
  }
  const bool anything = r.front || r.back;
  const TCardSlot* next = index + 1 <= count ? &sp[stack].slots[index + 1] : nullptr;
  const bool bothResting = !c.moving && (next == nullptr || !next->moving);
  const bool oneDealt = c.animType == 2 || (next != nullptr && next->animType == 2);
  if (appopt.detailLevel <= 3 && anything && (bothResting || oneDealt)) {
    if (isStockOrTrickPile(stack) && !isTopVisibleCard(stack, index) &&
        ((pass == 4 && index % 2 == 1) || (pass == 2 && index % 3 != 0)))
      r.front = r.back = false;
    if (stack == 1 && pass == 4 && effectsLowest()) r.front = r.back = false;
    if (stack != 1 && pass == 2 && cg.gameId != gidSkat && count >= 10 && index != 1 && index != count &&
        index % 2 == 1)
      r.front = r.back = false;
  }
  if (pass == 4 && isViewFromSide() && stack == 1) r.front = r.back = false;
  if (stack == 14 && index == 1 && pass == 2) r.front = r.back = false;
}

bool takesPart(int32_t stack, int32_t index, const TCardSlot& c) {
  if (!validCard(c)) return false;
  const bool pile = stack >= 11;
  if (pile) {
    if (drawPass == 1 && !decisionOpen() && index != 1 && index != stackUsed(sp[stack])) return false;
    if (pickNamesMode && !(decisionOpen() && (cg.gs.bl.pileA == stack || cg.gs.bl.pileB == stack))) return false;
    return true;
  }
  if (pickNamesMode && !seatTakesPicks(stack)) return false;
  if (drawPass == 1 && !isLegalCard(c.card)) return false;
  return true;
}

}  // namespace

// [SECTION] the request

TDrawRequest cardDrawRequest(int32_t stack, int32_t index, int32_t sweep) {
  TDrawRequest r;
  if (stack < 1 || stack > stackCount || index < 1 || index > stackUsed(sp[stack])) return r;
  const TCardSlot& c = sp[stack].slots[index];
  if (!takesPart(stack, index, c)) return r;
  r.front = r.back = true;
  const bool pile = stack >= 11;
  if (pile) {
    r.pickName = stack * 200 + (index >= 200 ? 1 : index);
    r.frontTexture = pileFrontTexture(stack, index, c);
    pileSides(stack, index, sweep, c, r);
  } else {
    r.pickName = stack * 100 + index;
    seatSides(stack, index, sweep, c, r);
    r.frontTexture = seatFrontTexture(stack, index, c, r);
    if (drawPass == 4 && cg.gameId == gidSkat && c.moving && c.dstStack == 12) r.front = r.back = true;
  }
  if (cg.gameId == gidMauMau && stack == 11 && sp[14].count == 1) r.shade = true;
  if (stack == 1 && shadesUnplayableCards(1)) r.shade = true;
  return r;
}

// [SECTION] the walk

namespace {

void drawSide(int32_t stack, int32_t index, const TDrawRequest& r) {
  const TCardSlot& c = sp[stack].slots[index];
  currentPickName = r.pickName;
  const float b = c.poseExtra[1], g = c.poseExtra[0];
  const TCardPose& p = c.pose;
  if (r.front)
    drawCard(r.frontTexture, c.poseFlag, 0, p.x, p.y, p.z, cardModelWidth, cardModelHeight, 5, b, g, p.rotX,
             p.rotY, p.rotZ, 0, stack, index, r.shade);
  if (r.back)
    drawCard(cardBackTexture, c.poseFlag, 1, std::nearbyint(p.x), p.y, p.z, cardModelWidth, cardModelHeight, 5, b,
             g, p.rotX, p.rotY, p.rotZ, 0, stack, index, r.shade);
}

void drawStack(int32_t stack, int32_t sweep) {
  clearShadowOutline(shadowOutlinePile);
  const int32_t count = stackUsed(sp[stack]);
  const bool reversed = stack >= 11 ? sweep == 1 : drawsStackReversed(stack, sweep);
  for (int32_t j = 1; j <= count; j++) {
    const int32_t index = reversed ? count + 1 - j : j;
    const TDrawRequest r = cardDrawRequest(stack, index, sweep);
    // The developer switch that hides every card.
    if ((r.front || r.back) && !vtl.developerSwitch7) drawSide(stack, index, r);
  }
}

int32_t lastSeat() {
  int32_t last = cg.seatCount;
  if (gameIn({gidDoppelkopf, gidSchafkopf, gidSchnapsen, gidBlackjack, gidJass, gidHearts})) last = playerCount + 6;
  if (gameIn({gidWar, gidGoFish, gidOldMaid})) last = playerCount + 14;
  return last < stackCount ? last : stackCount;
}

}  // namespace

void drawAllStacks() {
  const TDecisionBlock& bl = cg.gs.bl;
  if (drawPass == 1 && !(cg.gs.akspieler == 1 || (decisionOpen() && bl.pileA == cg.gs.akspieler))) return;
  int32_t first = 1, last = lastSeat();
  if (drawPass == 1) first = last = cg.lastActiveSeat();
  pileCount = 6;
  const int32_t firstSweep = drawPass == 4 ? 1 : 2;
  static constexpr int32_t kPiles[] = {16, 15, 13, 12, 11};  // 14, the copy of pile 12's card, never
  for (int32_t sweep = firstSweep; sweep <= 2; sweep++)
    for (int32_t stack : kPiles) drawStack(stack, sweep);
  for (int32_t sweep = firstSweep; sweep <= 2; sweep++)
    for (int32_t seat = first; seat <= last; seat++)
      if (seat >= 1) drawStack(seat, sweep);
}
