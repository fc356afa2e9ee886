// Seat layout: each seat's place on the arc around the table and the fan of its hand.
//
// [SECTION] seat places
// [SECTION] the hand fan
// [SECTION] game offsets
#include <cmath>

#include "engine/window_shape.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/move_internal.h"
#include "table/table_game_hooks.h"
#include "table/table_layout.h"

namespace {

constexpr double pi = 3.14159;

// Rommé, Canasta and poker stand their seats on a wider arc than the other games.
bool isGroupM() { return gameIs(gidRomme) || gameIs(gidCanasta) || gameIs(gidPoker); }
bool isDoppelkopfFamily() {
  return gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) || gameIs(gidJass) || gameIs(gidHearts);
}

}  // namespace

int32_t seatSlot(int32_t s) {
  int32_t p = playerCount;
  if (p < 3) return 4;
  int32_t slot = 4;
  if (s == 2) slot = 2;
  if (s == 3 && p > 4) slot = 3;
  if (s == p) slot = 6;
  if (s == p - 1 && p > 4) slot = 5;
  return slot;
}

bool isWideScreen() { return screenAspect > 1.3433333; }

// [SECTION] seat places

namespace {

void placeUserSeat(TCardPose& r) {
  bool m = isGroupM();
  r = m ? TCardPose{510, 205, 345, -20, 10, 1} : TCardPose{470, 230, 345, -20, 10, 1};
  if (isViewFromAbove()) {
    r.y = -20;
    r.rotX = -42;
    r.z = m ? 240 : 250;
  }
}

// The arc parameter of seat s: -1 for seat 2, +1 for the last seat.
double arcStart(int32_t s) {
  int32_t p = playerCount;
  if (p <= 2) return 0;  // the parameter is set to 0 for two seats anyway
  return ((double(s) - 2) / (p - 2) - 0.5) * 2;
}

void placeSeatM(TCardPose& r, double t, bool open) {
  int32_t p = playerCount;
  if (gameIs(gidPoker)) t = 0.895 * t - 0.025;
  if (gameIs(gidCanasta)) {
    t = 0.9 * t - 0.08;
    if (open) t += 0.06;
    if (isWideScreen()) t *= 1.15;
  }
  if (gameIs(gidRomme)) {
    t = 0.85 * t - 0.06;
    if (open) t += 0.1;
  }
  if (p == 2) t = 0;
  if (p == 3) t *= 0.8;
  if (p == 4) t *= 0.9;
  r.rotX = 9;
  if (open) t -= 0.13;
  r.rotY = float(180 - 70 * t);
  t *= 0.98;
  r.rotZ = 0;
  double x = 1.3 * (1050 * std::sin(t) - 90 * t * t - 300 * t) + 770;
  r.x = float(x);
  r.z = float(1.3 * (120 * t - 1100 * std::cos(t)) - 160);
  r.y = 155;
  if (isViewFromAbove()) {
    r.z = float(1.3 * (135 * t - 1100 * std::cos(t)) - 160 + 270);
    r.rotY = float(175 - 100 * t);
    r.x = float(std::nearbyint(0.9 * x) + 30);
  }
}

struct TSeatCorrection {
  int32_t view;  // 1 from above, 2 from the side
  TGameId game;
  int32_t seat;
  float rotY, rotZ, x, y, z;
};

// Corrections of the seats of Skat and Hearts in the two other views.
constexpr TSeatCorrection seatCorrections[] = {
    {1, gidSkat, 2, 9, -10, 60, -25, -5},
    {1, gidSkat, 3, -14, 10, -70, 0, 110},
    {1, gidHearts, 2, 0, 0, 60, 0, 0},
    {1, gidHearts, 3, 0, 0, 0, 0, 80},
    {1, gidHearts, 4, 0, 0, -110, 0, 120},
    {2, gidSkat, 2, 10, 0, -110, 0, 0},
    {2, gidSkat, 3, -15, 0, 40, 0, 0},
    {2, gidHearts, 2, 0, 0, 20, 0, 320},
    {2, gidHearts, 4, 0, 0, -80, 0, 430},
};

void placeSeatO(TCardPose& r, int32_t s, double t, bool open) {
  int32_t p = playerCount;
  if (p <= 2) {
    t = 0;
  } else {
    t *= 0.98;
    if (p == 3) t *= 0.8;
    if (p == 4) t *= 0.9;
    if (gameIs(gidSkat) && p == 3) t *= 0.8;
    if (gameIs(gidDoppelkopf)) t *= 0.9;
    if (gameIs(gidSchafkopf)) t *= 0.94;
    if (gameIs(gidJass)) t *= 0.9;
    if (gameIs(gidHearts)) t *= 0.9;
    if (gameIs(gidBlackjack)) t -= 0.12;
  }
  r.rotX = 9;
  if (open) t -= 0.13;
  r.rotY = float(180 - 70 * t);
  if (isDoppelkopfFamily()) {
    r.rotY = float(180 - 90 * t);
    t -= 0.06;
  }
  r.rotZ = 0;
  if (gameIs(gidSkat)) {
    if (s == 3) r.rotY += 20;
    if (s == 2) r.rotY -= 6;
    if (s == 2 || s == 3) r.rotX = 7;
  }
  double arc = isDoppelkopfFamily() ? 1155 : 1050;
  r.x = float(arc * std::sin(t) + 720 - 90 * t * t - 300 * t + 50);
  r.z = float(-160 - 1100 * std::cos(t) + 120 * t);
  r.y = 125;
  int32_t view = isViewFromAbove() ? 1 : isViewFromSide() ? 2 : 0;
  for (const TSeatCorrection& c : seatCorrections) {
    if (c.view != view || !gameIs(c.game) || c.seat != s) continue;
    r.rotY += c.rotY;
    r.rotZ += c.rotZ;
    r.x += c.x;
    r.y += c.y;
    r.z += c.z;
  }
}

// Every seat but the user's turns toward the table's middle.
void turnTowardMiddle(TCardPose& r) {
  if (gameIs(gidMauMau) || gameIs(gidSchwimmen) || gameIs(gidRomme) || gameIs(gidCanasta) ||
      gameIs(gidPoker) || gameIs(gidHearts))
    r.rotY = 0.91f * r.rotY + 16.65f;
  if (gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) || gameIs(gidJass))
    r.rotY = 0.82f * r.rotY + 33.3f;
  if (isViewFromAbove()) r.z += 380;
}

}  // namespace

void placeSeat(TSpieler& stack, bool open, float n) {
  int32_t s = stack.stackNo;
  TCardPose& r = stack.restPose;
  if (s == 1) {
    placeUserSeat(r);
  } else {
    double t = arcStart(s);
    if (isGroupM()) placeSeatM(r, t, open);
    else placeSeatO(r, s, t, open);
    turnTowardMiddle(r);
  }
  if (gameIs(gidBlackjack)) {
    gamePlaceSeat(stack, open, n);
  } else {
    // Cards that land at once are never seen in their fan.
    if (!tableLandsAtOnce)
      for (int32_t i = 1; i <= stackUsed(stack); i++) placeHandCard(stack, i, n);
    if (gameIs(gidOldMaid) || gameIs(gidWar)) gamePlaceSeat(stack, open, n);
  }
  applyGameSeatOffsets(stack);
}

// [SECTION] the hand fan

namespace {

struct TFan {
  double b;
  TCardPose p;
  float extra2;
};

// Skat's and the side view's turn of the far seats' cards, by the number of cards.
struct TFanTurn {
  float maxCards, rotZ, rotYScale, rotYAdd;
};
constexpr TFanTurn skatAboveTurns[] = {
    {3, -40, 0.7f, 8}, {5, -42.5f, 0.8f, 6}, {7, -45, 0.9f, 4}, {8, -46.25f, 0.93f, 3},
    {1e9f, -47.5f, 0.95f, 2}};
constexpr TFanTurn skatSideTurns[] = {
    {3, -40, 0.7f, 8}, {4, -42.5f, 0.8f, 6}, {5, -45, 0.9f, 4}, {6, -47.5f, 0.95f, 2}};

template <size_t N>
void applyFanTurn(TFan& f, float n, const TFanTurn (&turns)[N]) {
  for (const TFanTurn& t : turns) {
    if (n > t.maxCards) continue;
    f.p.rotZ = float(t.rotZ * f.b);
    f.p.rotY = t.rotYScale * f.p.rotY + t.rotYAdd;
    return;
  }
}

double fanPlace(int32_t s, int32_t i, float n) {
  double b = 0.3;  // a fan of one card
  if (n != 1) {
    b = ((double(i) - 1) / (double(n) - 1) - 0.5) * 2;
    if (gameIs(gidSkat)) b *= s == 1 ? 1.1 : 1.4;
  }
  if (n == 3) b *= 0.8;
  if (n == 2) b *= 0.5;
  if (isViewFromAbove() && gameIs(gidSkat)) b -= 0.1;
  if (s != 1) b *= 0.5;
  if (gameIs(gidSchnapsen) && s == 1) b *= 0.7;
  return b;
}

void plainFan(TFan& f, float n) {
  double b = f.b;
  f.p.rotZ = float(-25 * b);
  f.p.rotY = float(-29 * b);
  f.p.rotX = float(b >= 0 ? 12 * b : 5 * b);
  f.p.x = float(120 * b);
  if (isViewFromAbove() && gameIs(gidSkat)) {
    f.p.x = float(130 * b + 50);
    f.p.rotY = 0.9f * f.p.rotY - 10;
    f.p.rotZ *= 0.75f;
  }
  if (gameIs(gidPoker)) {
    f.p.x = float(80 * b);
    f.p.rotZ = float(-15 * b);
    f.p.rotY = float(-17.4 * b);
  }
  double c = std::cos(0.8 * pi * b);
  f.p.y = float(-5 * c);
  double z = 25 * b * (n / 5.0 + 0.2) - c;
  if (b > 0) z += 60 * b * b;
  if (b < 0) z += 16 * b * b;
  f.p.z = float(z);
}

void canastaFan(TFan& f, float n) {
  double b = f.b * 1.15;
  if (n <= 10) b *= n / 20.0 + 0.5;
  double x = 200 * b, z = 80 * b, y = -20 * std::cos(0.5 * pi * b);
  if (n >= 30) {
    double m = std::fmin(20.0, (n - 30) / 2.0);
    x *= 1 + 0.022 * m;
    z *= 1 + 0.022 * m;
    y = 20 - 40 * std::cos(0.4 * pi * b - 0.03);
    if (screenAspect >= 1.6) {
      x = (1 + 0.033 * m) * x - 0.9 * m;
      z *= 1 + 0.033 * m;
      y = 40 - 60 * std::cos(0.3 * pi * b - 0.06);
    }
    if (isViewFromAbove()) {
      x *= 1 + 0.022 * m;
      z *= 1 + 0.022 * m;
      y = 40 - 60 * std::cos(0.3 * pi * b - 0.12);
    }
  }
  if (n <= 20) z *= n / 40.0 + 0.5;
  if (b > 0) z += 30 * b * b;
  f.b = b;
  f.p = TCardPose{float(x), float(y), float(z), float(3 * b), float(-12 * b), float(-12 * b)};
  f.extra2 = 3;
}

void farSeatFan(TFan& f, int32_t s, float n) {
  double b = f.b;
  bool romCanHearts = gameIs(gidRomme) || gameIs(gidCanasta) || gameIs(gidHearts);
  if (isViewFromAbove()) {
    f.p.rotX = 40;
    if (gameIs(gidSkat)) {
      f.extra2 *= 0.7f;
      f.p.rotY *= 0.4f;
      f.p.x = 1.05f * f.p.x - 10;
      applyFanTurn(f, n, skatAboveTurns);
      f.p.y = float(-80 * std::cos(0.5 * pi * b) - 20);
    } else if (romCanHearts) {
      f.p.rotX = 0;
      f.extra2 *= 0.8f;
      f.p.rotY *= 0.2f;
      f.p.rotZ = float(-50 * b);
      f.p.y = float(-80 * std::cos(0.5 * pi * b));
    }
  }
  if (s == 1 || !(isViewFromSide() || gameIs(gidCanasta))) return;
  if (gameIs(gidSkat)) {
    f.extra2 *= 0.8f;
    f.p.rotY *= 0.3f;
    f.p.x *= 0.5f;
    f.p.rotZ = float(-50 * b);
    applyFanTurn(f, n, skatSideTurns);
    f.p.y = float(-80 * std::cos(0.5 * pi * b));
  } else if (romCanHearts) {
    f.p.rotX = 0;
    f.extra2 *= 0.8f;
    f.p.rotY *= 0.3f;
    f.p.x *= 0.5f;
    f.p.rotZ = float(-50 * b);
    f.p.y = isViewFromSide() ? float(-80 * std::cos(0.5 * pi * b)) : -40.0f;
  }
}

}  // namespace

void placeHandCard(TSpieler& stack, int32_t i, float n) {
  if (i < 1 || i > slotCapacity) return;
  int32_t s = stack.stackNo;
  TFan f{fanPlace(s, i, n), TCardPose{}, 6};
  if (gameIs(gidCanasta)) {
    canastaFan(f, n);
  } else {
    plainFan(f, n);
  }
  if (gameIs(gidOldMaid) && playerCount <= 3 && s != 1) {
    f.extra2 = 4;
    f.p.x = float(144 * f.b);
    f.p.rotZ = float(-20 * f.b);
    f.p.rotY = float(-23.2 * f.b);
  }
  if (s != 1) farSeatFan(f, s, n);
  TCardSlot& slot = stack.slots[i];
  slot.pose = f.p;
  slot.poseFlag = 1;
  slot.poseExtra[0] = 0.4f;
  slot.poseExtra[1] = f.extra2;
}

// [SECTION] game offsets

namespace {

struct TStackOffset {
  TGameId game;
  int32_t stack;
  float x, y, z;
};

constexpr TStackOffset stackOffsets[] = {
    {gidMauMau, 1, 0, 35, 0},  {gidSkat, 1, 0, 35, 0},    {gidHearts, 1, 0, 35, 0},
    {gidMauMau, 12, 0, 0, -95}, {gidSkat, 12, 0, 0, -95}, {gidHearts, 12, 0, 0, -95},
    {gidRomme, 1, 0, 38, 0},   {gidCanasta, 1, 0, 48, 0}, {gidGoFish, 1, 0, 30, 0},
    {gidOldMaid, 1, 0, 30, 0}, {gidGoFish, 11, 0, 0, -15}, {gidMauMau, 13, -330, 0, -400},
};

}  // namespace

void applyGameSeatOffsets(TSpieler& stack) {
  for (const TStackOffset& o : stackOffsets) {
    if (!gameIs(o.game) || o.stack != stack.stackNo) continue;
    stack.restPose.x += o.x;
    stack.restPose.y += o.y;
    stack.restPose.z += o.z;
  }
}
