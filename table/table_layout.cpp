// The table layout of the piles, the view corrections, and the card places of Blackjack and
// War. The seats' places and hand fans are in seat_layout.cpp.
//
// [SECTION] helpers
// [SECTION] piles
// [SECTION] buildTableLayout
// [SECTION] view corrections
// [SECTION] single card places
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/deal_moves.h"
#include "table/move_internal.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"
#include "table/table_layout.h"

namespace {

constexpr double pi = 3.14159;

// [SECTION] helpers

float rnd() { return static_cast<float>(tableRandomReal()); }
float randomInt(int32_t n) { return static_cast<float>(tableRandomBelow(n)); }
uint8_t coinFlag() { return rnd() < 0.5f ? 1 : 0; }

void setPosition(TCardPose& p, float x, float y, float z) {
  p.x = x;
  p.y = y;
  p.z = z;
}
void setAngles(TCardPose& p, float rx, float ry, float rz) {
  p.rotX = rx;
  p.rotY = ry;
  p.rotZ = rz;
}
void clearDisplay(TCardSlot& s) {
  s.poseFlag = 0;
  s.poseExtra[0] = 0;
  s.poseExtra[1] = 0;
}
void clearCardPose(TCardSlot& s) {
  s.pose = TCardPose{};
  s.poseFlag = 0;
  for (float& e : s.poseExtra) e = 0;
}

// The seat's layout copy. Moves that land at once read the slots either stack has in use
// only, so then the copy skips the rest of the some 33 KB of a stack.
void copyToLayout(const TSpieler& from, TSpieler& to) {
  static_assert(std::is_standard_layout_v<TSpieler> && std::is_trivially_copyable_v<TSpieler>);
  if (!tableLandsAtOnce) {
    to = from;
    return;
  }
  const int32_t n = std::max(stackUsed(from), stackUsed(to));
  for (int32_t i = 1; i <= n; i++) to.slots[i] = from.slots[i];
  constexpr size_t rest = offsetof(TSpieler, count);
  std::memcpy(reinterpret_cast<char*>(&to) + rest, reinterpret_cast<const char*>(&from) + rest, sizeof(TSpieler) - rest);
}

// [SECTION] piles

// Piles 7 to 9 off the table: cards won into them fly out of view.
void placeWonPilesAway() {
  if (isViewFromAbove()) setPosition(sp[7].restPose, -300, 274, 690);
  else setPosition(sp[7].restPose, -300, 474, 890);
  setPosition(sp[8].restPose, -1900, -26, -3110);
  setPosition(sp[9].restPose, 2500, -26, -3110);
  for (int32_t k = 7; k <= 9; k++) sp[k].stackNo = k;
}

void resetPiles(bool fresh) {
  pileCount = 6;
  for (int32_t k = 11; k <= 16; k++) {
    TSpieler& p = sp[k];
    p.stackNo = k;
    p.restPose = TCardPose{520, 50, -600, -80, -6, 0};
    // Cards that land at once are never seen lying on a pile: no scatter is drawn for them.
    for (TCardSlot& s : p.slots) {
      if (tableLandsAtOnce) break;
      s.poseFlag = coinFlag();
      s.poseExtra[0] = rnd();
      s.poseExtra[1] = (rnd() - 0.5f) * 3;
      setPosition(s.pose, 0, 0, 0);
      s.pose.rotZ = rnd() - 20.5f;
    }
    if (fresh && !(k == 11 && isNetGame())) p.count = 0;
  }
}

void placeStock() {
  TCardPose& r = sp[11].restPose;
  setPosition(r, 40, 274, -310);
  if (gameIs(gidSchwimmen)) r.z += 80;
  if (gameIs(gidBlackjack)) {
    r.z += 190;
    if (blackjackShoeDecks() == 3) r.z += 60;
    r.x += 70;
    r.rotZ = -30;
  }
  for (int32_t i = 1; i <= slotCapacity; i++) {
    TCardSlot& s = sp[11].slots[i];
    s.pose.rotX = 180;
    s.pose.rotZ = 20;
    s.pose.z = pileCardHeight(i);
    clearDisplay(s);
  }
}

void placePile15() {
  TCardPose& r = sp[15].restPose;
  r = TCardPose{-160, 274, -470, -89, -5, 0};
  if (gameIs(gidSkat) || gameIs(gidSchwimmen)) setAngles(r, -80, -6, 0);
  if (gameIs(gidSkat)) setPosition(r, 360, 274, -360);
  if (gameIs(gidSchwimmen)) setPosition(r, -160, 274, -550);
  for (int32_t i = 1; i <= slotCapacity; i++) {
    TCardSlot& s = sp[15].slots[i];
    s.pose.rotX = 180;
    s.pose.rotZ = 2.0f * i - 60;
    s.pose.z = 2.0f * i;
    clearDisplay(s);
  }
}

void placePile14() {
  sp[14].restPose = TCardPose{264, -125, 140, -37, -5, 0};
  int32_t last = stackUsed(sp[14]) + 20;
  for (int32_t i = 1; i <= last && i <= slotCapacity; i++) {
    TCardPose& p = sp[14].slots[i].pose;
    p.y = -50;
    p.z = 300;
    p.rotX = 0;
    p.rotZ = 0;
  }
}

// Three open places side by side (War, Go Fish, Old Maid; Skat and Hearts seen from the side).
void trickInARow(TSpieler& p) {
  for (TCardSlot& s : p.slots) {
    s.pose.z = -97;
    s.pose.rotX = 0;
    s.pose.rotY = 0;
    s.pose.rotZ = randomInt(6) - 3;
  }
  setPosition(p.slots[1].pose, 0, 0, p.slots[1].pose.z);
  setPosition(p.slots[2].pose, -200, 0, p.slots[2].pose.z);
  setPosition(p.slots[3].pose, 200, 0, p.slots[3].pose.z);
  p.restPose.rotX = 0;
  p.restPose.y = -50;
  p.restPose.z = -580;
}

void pokerBoard(TSpieler& p) {
  p.restPose.x += 90;
  p.restPose.z += 100;
  for (TCardSlot& s : p.slots) {
    s.pose.z = -97;
    s.pose.rotX = 0;
    s.pose.rotY = 0;
    s.pose.rotZ = randomInt(4) - 2;
  }
  const float xs[5] = {-370, -190, -10, 170, 350};
  const float ys[5] = {randomInt(6) - 5, -5 - randomInt(6), randomInt(6) - 5, -5 - randomInt(12),
                       -5 - randomInt(12)};
  for (int32_t i = 1; i <= 5; i++) {
    p.slots[i].pose.x = xs[i - 1];
    p.slots[i].pose.y = ys[i - 1];
  }
  for (TCardSlot& s : p.slots) {
    s.pose.x += 20;
    s.pose.y += 140;
  }
}

void schwimmenMiddle(TSpieler& p) {
  for (TCardSlot& s : p.slots) {
    s.pose.z = -97;
    s.pose.rotX = 0;
    s.pose.rotY = 0;
    s.pose.rotZ = randomInt(20) - 10;
  }
  const float xs[4] = {-310, -80, 150, 370};
  for (int32_t i = 1; i <= 4; i++) {
    p.slots[i].pose.x = xs[i - 1];
    p.slots[i].pose.y = i % 2 == 1 ? randomInt(20) - 10 : -10 - randomInt(20);
  }
}

void placeTrickPile(bool fresh) {
  TSpieler& p = sp[12];
  setPosition(p.restPose, 550, 177, -780);
  // Cards that land at once are never seen lying in the trick: no scatter is drawn for them.
  for (int32_t i = 1; i <= 156 && !tableLandsAtOnce; i++) {
    TCardSlot& s = p.slots[i];
    TPlacementBlock b = scatterTrickCard(1, 1);
    s.pose = b.pose;
    s.poseFlag = b.poseFlag;
    for (int32_t e = 0; e < 8; e++) s.poseExtra[e] = b.poseExtra[e];
    s.pose.z = float(i - 98);
    clearDisplay(s);
  }
  bool side = isViewFromSide() && (gameIs(gidSkat) || gameIs(gidHearts));
  if (gameIs(gidWar) || gameIs(gidGoFish) || gameIs(gidOldMaid) || side) trickInARow(p);
  else if (gameIs(gidPoker)) pokerBoard(p);
  else if (gameIs(gidSchwimmen)) schwimmenMiddle(p);
  if (fresh) p.count = 0;
}

void placePile16(bool fresh) {
  sp[16].restPose = sp[12].restPose;
  sp[16].pose = sp[12].pose;
  for (int32_t i = 1; i <= 10; i++) copyCardPose(sp[12].slots[i], sp[16].slots[i]);
  if (fresh) sp[16].count = 0;
}

// The discard pile's fan. A pile of one card spreads its places as a pile of two would:
// its fan has no width to divide.
void placeDiscardPile(bool fresh) {
  TSpieler& p = sp[13];
  setPosition(p.restPose, 550, 174, -380);
  if (fresh) p.count = 0;
  double c = p.count - 1;
  if (c == 0) c = 1;
  for (int32_t i = 1; i <= 10; i++) {
    TCardSlot& s = p.slots[i];
    double t = i == 1 ? 1.02 : ((i - 1) / c - 0.5) * pi / 2 - 0.18;
    s.pose.x = 20 * rnd() - 10;
    s.pose.y = 20 * rnd() - 10;
    s.pose.z = float(i - 100);
    s.pose.rotZ = float(40 * rnd() + 160 - 180 * t);
    s.poseFlag = coinFlag();
    s.poseExtra[1] = rnd();
    s.poseExtra[0] = rnd();
  }
}

void pokerStock(bool fresh) {
  if (fresh) sp[11].count = 0;
  setPosition(sp[11].restPose, 85, 274, -350);
  for (TCardSlot& s : sp[11].slots) s.pose.rotZ = 12;
}

void meldGameStock(bool fresh) {
  bool canasta = gameIs(gidCanasta);
  if (fresh && !isNetGame()) sp[11].count = 0;
  TCardPose& r = sp[11].restPose;
  setPosition(r, -18, 274, -210);
  if (isViewFromSide()) r.z += 170, r.x += 80;
  if (isViewFromAbove()) r.rotZ -= 15, r.z += 40, r.x -= 35;
  if (canasta) r.x -= 8, r.z += 10;
  for (int32_t i = 1; i <= slotCapacity; i++) {
    TCardSlot& s = sp[11].slots[i];
    s.pose.rotZ = canasta ? 28 : 38;
    if (canasta && canastaPackCount() == 3) s.pose.z = 1.45f * i;
  }
}

void meldGameDiscard() {
  float m = float(meldTableRowOffset());
  TCardPose& r = sp[13].restPose;
  r = TCardPose{212 - 18 * m, 274, -240 - 16 * m, -80, -6, 0};
  if (isViewFromSide()) r.z += 100, r.x += 85;
  if (isViewFromAbove()) r.z += 40, r.x -= 10;
  for (int32_t i = 1; i <= slotCapacity; i++) {
    TCardSlot& s = sp[13].slots[i];
    clearCardPose(s);
    s.pose = TCardPose{randomInt(12) - 10, randomInt(16) - 10, 2.0f * i - 1, 0, 0,
                       randomInt(10) + 5};
    if (gameIs(gidCanasta) && s.card.t == rank2) s.pose.rotZ += 90;  // a wild two lies crosswise
  }
}

bool hasWonPilesOnTable() {
  return gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) || gameIs(gidSchnapsen) ||
         gameIs(gidBlackjack) || gameIs(gidJass) || gameIs(gidHearts) || gameIs(gidWar) ||
         gameIs(gidGoFish) || gameIs(gidOldMaid);
}

// Each won trick lies turned toward the seat that won it.
void placeWonPilesOnTable() {
  bool high = gameIs(gidWar) || gameIs(gidGoFish) || gameIs(gidOldMaid);
  const TCardPose places[4] = {
      {-20, 274, -380, 0, 0, 0}, {180, 274, -1200, 0, 0, 0}, {780, 274, -1240, 0, 0, 0},
      {1100, 274, -820, 0, 0, 0}};
  for (int32_t seat = 1; seat <= 4; seat++) {
    int32_t k = seat + (high ? 14 : 6);
    TSpieler& p = sp[k];
    p.restPose = places[seat - 1];
    setAngles(p.restPose, -80, -6, 0);
    p.stackNo = k;
    float r = sp[seat].restPose.rotY;
    for (int32_t i = 1; i <= slotCapacity; i++)
      p.slots[i].pose = TCardPose{0, 0, 2.0f * i, 180, 0, 1.08f * r - 30};
  }
  TSpieler& first = sp[high ? 15 : 7];
  first.restPose.rotZ += 55;
  if (gameIs(gidBlackjack)) first.restPose.x += 160, first.restPose.z -= 60;
}

// [SECTION] view corrections

void correctPilesForView() {
  if (isViewFromSide()) {
    sp[11].restPose.z += 150;
    sp[13].restPose.z += 150;
    sp[12].restPose.z += 500;
  }
  if (isViewFromAbove()) {
    sp[11].restPose.z += 105;
    sp[12].restPose.z += 340;
    sp[12].restPose.x -= 35;
    sp[13].restPose.z += 150;
    if (gameIs(gidHearts))
      for (int32_t k = 7; k <= 10; k++) sp[k].restPose.z += 220;
  }
}

void canastaSeatsFromAbove() {
  for (int32_t s = 2; s <= playerCount && s <= 6; s++) {
    TCardPose& r = sp[s].restPose;
    int32_t slot = seatSlot(s);
    r = TCardPose{0, 155, 0, 35, 185, 0};
    if (slot >= 3 && slot <= 5) {
      r.x = float((slot - 3) * 560 + 95);
      r.y = 200;
      r.z = -1130;
      if (slot == 3) r.rotY += 10;
      if (slot == 4) r.z -= 10;
      if (slot == 5) r.z += 55, r.rotY -= 10;
    }
    if (slot == 2) {
      r = TCardPose{-135, 125, -650, 20, 285, -10};
      if (isWideScreen()) r.x -= 110;
    }
    if (slot == 6) {
      r = TCardPose{1300, 155, -450, 20, 87, -10};
      if (isWideScreen()) r.x += 110;
    }
  }
}

void tutorialTables() {
  if (gameIs(gidCanasta)) {
    for (int32_t k = 11; k <= 13; k++) {
      sp[k].restPose.z = 1.4f * sp[k].restPose.z - 150;
      sp[k].restPose.x += 60;
    }
    sp[1].restPose.y -= 47;
    sp[1].restPose.rotX += 20;
    sp[2].restPose.z += 550;
  }
  if (gameIs(gidSkat)) {
    sp[2].restPose.z += 305;
    sp[3].restPose.z += 305;
    if (cg.gs.phase != 9) {
      placeSeat(sp[1], true, float(sp[1].count));
      sp[1].restPose.y -= 50;
      sp[1].restPose.rotX += 5;
    }
  }
}

}  // namespace

// [SECTION] buildTableLayout

void buildTableLayout(bool fresh) {
  if (gameIs(gidBlackjack)) fresh = false;
  if (!gameIs(gidBlackjack)) placeWonPilesAway();
  resetPiles(fresh);
  for (int32_t s = 1; s <= playerCount && s <= 6; s++) {
    sp[s].stackNo = s;
    placeSeat(sp[s], false, float(sp[s].count));
    copyToLayout(sp[s], spLayout[s]);
  }
  placeStock();
  placePile15();
  placePile14();
  placeTrickPile(fresh);
  placePile16(fresh);
  placeDiscardPile(fresh);
  if (gameIs(gidPoker)) pokerStock(fresh);
  if (gameIs(gidRomme) || gameIs(gidCanasta)) {
    meldGameStock(fresh);
    meldGameDiscard();
  }
  if (hasWonPilesOnTable()) placeWonPilesOnTable();
  gameTableLayout();
  if (cg.gs.tutorialMode && cg.gs.phase == 9) tutorialDealCards();
  correctPilesForView();
  for (int32_t k = 11; k <= 13; k++) applyGameSeatOffsets(sp[k]);
  adjustSeatsForView(fresh);
}

void adjustSeatsForView(bool) {
  if (gameIs(gidCanasta) && isViewFromAbove()) canastaSeatsFromAbove();
  if (cg.gs.tutorialMode) tutorialTables();
}

float pileCardHeight(int32_t n) {
  if (!gameIs(gidBlackjack)) return 2.0f * n;
  bool three = blackjackShoeDecks() == 3;
  if (blackjackIs17und4()) return three ? 1.8f * n : 2.0f * n;
  return three ? 1.4f * n : 1.8f * n;
}

float tableScaleFactor(bool request) {
  double f = 1;
  if (gameIs(gidBlackjack)) f = isWideScreen() ? 1.2544 : 1.12;
  if (request) f *= 1.04;
  if (isViewFromSide()) f *= 1.1;
  if (isViewFromAbove()) f *= 1.28;
  if (cg.gs.tutorialMode) f *= 0.945;
  return float(f);
}

// [SECTION] single card places

namespace {

void warLayoutCard(int32_t stack, int32_t j) {
  TCardSlot& s = spLayout[stack].slots[j];
  copyCardPose(sp[stack].slots[j], s);
  if (!gameCardFaceUp(stack, j)) {
    s.pose.rotX += 180;
    s.pose.z += 200;
    s.pose.y -= 500;
  } else if (j != 1) {
    s.pose.y += 500;
    s.pose.z += 240;
    s.pose.rotX += 95;
  }
  s.poseFlag = 0;
}

void blackjackLayoutCard(int32_t stack, int32_t j) {
  TCardSlot& s = spLayout[stack].slots[j];
  copyCardPose(sp[stack].slots[j], s);
  if (!gameCardFaceUp(stack, j)) {
    int32_t mirrored = sp[stack].count + 1 - j;
    if (blackjackIs17und4() && validSlotNo(mirrored)) s.pose = sp[stack].slots[mirrored].pose;
    s.pose.rotY += 180;
    s.pose.z += 120;
  } else {
    if (stack == 1) {
      s.pose.z += 250;
    } else {
      s.pose.rotZ += 30;
      s.pose.rotX += 30;
      s.pose.z += 120;
      s.pose.y += 400;
    }
    s.poseExtra[1] = 1.5f;
  }
  s.poseFlag = 0;
}

TCardPose rowOrFanPose(int32_t stack, int32_t start, int32_t j, int32_t kind) {
  if (kind == 1) return TCardPose{180.0f * j - 500, 150, -97, 0, 0, 0};
  TCardPose p{};
  float rx = start == 1 ? 0.0f : 2.0f;
  if (stack == 1) {
    p.rotX = start >= 3 ? -1.3f : -1.0f;
    p.x = 30 * (rnd() - 0.5f) + 50;
    p.y = 150 - 60.0f * (j - 1) + (start == 1 ? 20 : 0);
    p.z = start >= 3 ? 4.5f + 1.2f * j : 4.5f;
  } else if (gameIs(gidBlackjack) && stack == blackjackDealerSeat()) {
    p.rotX = rx;
    p.x = 50.0f * j - 30;
    p.z = 0.3f * j + 1;
  } else {
    p.rotX = rx;
    p.z = 0.3f * j + 1;
    p.x = 30 * (rnd() - 0.5f);
    p.y = 120 + 60.0f * (j - 1);
    int32_t off = gameSeatOffset(stack);
    if (off == 1 || off == 2) p.x -= 200, p.y -= 85;
    else p.x -= 240, p.y -= 145;
  }
  if (kind == 2) p.rotY = -180;
  return p;
}

}  // namespace

void setCardTargetPositions(int32_t stack, int32_t start, int32_t n, int32_t kind, int32_t mode) {
  stack = absStack(stack);
  if (stack < 1 || stack > stackCount) return;
  for (int32_t j = start; j < start + n; j++) {
    if (!validSlotNo(j)) continue;
    if (gameIs(gidWar)) {
      if (mode == 6) warLayoutCard(stack, j);
      continue;
    }
    if (stack > playerCount) continue;
    if (mode == 6) {
      if (gameIs(gidBlackjack)) blackjackLayoutCard(stack, j);
      continue;
    }
    TCardPose p = rowOrFanPose(stack, start, j, kind);
    for (TSpieler* s : {&sp[stack], &spLayout[stack]}) {
      TCardSlot& slot = s->slots[j];
      slot.pose = p;
      clearDisplay(slot);
    }
  }
}
