// War's rules and the card table's hooks for its layout.
//
// [SECTION] helpers and options
// [SECTION] comparison and wars
// [SECTION] refill and shuffle
// [SECTION] the card table's hooks
#include "games/family/war_rules.h"

#include <algorithm>
#include <cctype>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "games/casino/chip_jitter.h"
#include "platform/random.h"
#include "shell/shell_state.h"
#include "table/move_queue.h"

// [SECTION] helpers and options

TWarArea& warArea() { return gameArea<TWarArea>(cg.gs.war); }

int32_t warDeckSize() { return warArea().jokerWars ? 54 : 52; }

int32_t warDealCount(int32_t seat) {
  int32_t n = warSeats, d = warDeckSize();
  return d / n + (d % n >= seat ? 1 : 0);
}

namespace {
int32_t wrapSeat(int32_t s) {
  int32_t n = warSeats;
  return ((s - 1) % n + n) % n + 1;
}
}  // namespace

int32_t warSeatFromCurrent(int32_t k) {
  int32_t s = cg.gs.akspieler;
  return wrapSeat(warArea().warSeatOrder == 1 ? s + k : s - k);
}

int32_t warSeatBack(int32_t k) {
  int32_t s = cg.gs.akspieler;
  return wrapSeat(warArea().warSeatOrder == 1 ? s - k : s + k);
}

int32_t warParseLimit(const std::string& text) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return warNoLimit;
  size_t blank = text.rfind(' ');
  std::string number = text.substr(0, blank == std::string::npos ? text.size() : blank);
  int32_t v = 0;
  for (char c : number) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return warNoLimit;
    v = std::min(v * 10 + (c - '0'), warNoLimit);
  }
  return v;
}

void warRankValueTable() {
  // Indexed by rank code: 7, 8, 9, jack, queen, king, ten, ace, 2..6, joker.
  static constexpr int32_t values[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};
  for (int f = 1; f <= 4; f++)
    for (int t = 1; t <= 14; t++) cardValues[f][t] = values[t];
}

int32_t warHandCount(int32_t seat) { return stackUsed(sp[seat]); }
int32_t warWonCount(int32_t seat) { return stackUsed(sp[seat + 6]); }
int32_t warPotCount(int32_t seat) { return stackUsed(sp[seat + 14]); }
bool warSeatIsOut(int32_t seat) { return warHandCount(seat) + warWonCount(seat) == 0; }

// [SECTION] comparison and wars

namespace {
TCard topOf(int32_t stack) {
  int n = stackUsed(sp[stack]);
  return n > 0 ? sp[stack].slots[n].card : noCard();
}
}  // namespace

bool warSameRank(int32_t potA, int32_t potB) {
  if (potA == potB) return false;
  TCard a = topOf(potA), b = topOf(potB);
  if (a.t == 0 || b.t == 0) return false;
  if (a.t == b.t) return true;
  return warArea().jokerWars && (a.t == rankJoker || b.t == rankJoker);
}

int32_t warRoundWinner() {
  int32_t best = 1;
  TCard bestCard = topOf(15);
  int32_t bestHand = warHandCount(1);
  for (int32_t s = 2; s <= warSeats; s++) {
    TCard c = topOf(s + 14);
    bool higher = c.t != 0 && (bestCard.t == 0 || mehrwertn(c, bestCard));
    if (higher || (c.t != 0 && c.t == bestCard.t && warHandCount(s) > bestHand)) {
      best = s;
      bestCard = c;
      bestHand = warHandCount(s);
    }
  }
  return best;
}

bool warIsWar() {
  if (warPotCount(1) == 0) return false;
  int32_t w = warRoundWinner() + 14;
  bool tie = false;
  for (int32_t s = 15; s <= warSeats + 14; s++) tie = tie || warSameRank(s, w);
  if (!tie) return false;
  for (int32_t s = 15; s <= warSeats + 14; s++)
    if (warSameRank(s, w) && warSeatIsOut(s - 14)) return false;
  return true;
}

int32_t warFindWinner() {
  int32_t result = 0;
  const TWarArea& a = warArea();
  for (int32_t s = 1; s <= warSeats; s++) {
    if (warHandCount(s) + warPotCount(s) + warWonCount(s) == 0) result = -s;
    if (a.warsToWin > 0 && a.warsWon[s] >= a.warsToWin) result = s;
  }
  return result;
}

int32_t warPointsForCollection(int32_t movedCards) {
  if (movedCards <= warSeats) return 0;
  int32_t k = ((movedCards + 2) / 4) / warSeats;
  return k > 1 ? k : 1;
}

// [SECTION] refill and shuffle

bool warCollectCards(int32_t seat, int32_t need) {
  TGameState& gs = cg.gs;
  TWarArea& a = warArea();
  int32_t hand = warHandCount(seat), won = warWonCount(seat);
  if (hand < need && won > 0) {
    for (int32_t k = 0; k < won; k++)
      moveCardNoted(seat + 6, won - k, seat, hand + k + 1, 1, 3, moveCount, float(k) * 0.002f, 0);
    gs.warCollectDelay = 3;
    a.savedSeat = seat;
  } else if (hand >= need && gs.warCollectDelay > 0) {
    int32_t s = std::clamp(a.savedSeat, 1, warSeats);
    float r = float(randomReal() * 0.2 + (gs.warCollectDelay == 1 ? 1.47 : -0.1));
    int32_t n = warHandCount(s);
    for (int32_t j = 1; j <= n; j++)
      if (movecard(s, j, s, j, 0, 5, moveStraight, 0, 0, 0)) sp[s].slots[j].variation = r;
    if (n > 0) noteCoreMove(s, n);
    if (--gs.warCollectDelay == 0) shuffleStack(sp[s]);
  }
  return warHandCount(seat) >= need && gs.warCollectDelay == 0 && gs.pendingMove == 0;
}

// [SECTION] the card table's hooks

bool warIsCardFaceUp(int32_t stack, int32_t slot) {
  if (cg.gs.subState == 7 && cg.gs.step == 2) return true;
  int32_t s = std::abs(stack);
  if (s > 14) s -= 14;
  if (s < 1 || s > 20 || slot < 1 || slot > warPotSlots) return true;
  return warArea().potFaceUp[s][slot] != 0;
}

namespace {
// The display data of a slot: its pose block, copied from the stock's neat pile.
void copyDisplay(const TCardSlot& from, TCardSlot& to) {
  to.pose = from.pose;
  to.poseFlag = from.poseFlag;
  std::copy(std::begin(from.poseExtra), std::end(from.poseExtra), std::begin(to.poseExtra));
}

constexpr int32_t templateSlots = 54;

void layoutHandAndWon(int32_t i) {
  TSpieler& hand = sp[i];
  TSpieler& won = sp[i + 6];
  const TCardPose& stock = sp[11].restPose;
  hand.restPose = TCardPose{i == 1 ? 240.0f : 410.0f, stock.y, i == 1 ? -240.0f : -1640.0f, stock.rotX, stock.rotY, 45};
  won.restPose = hand.restPose;
  if (i == 1) {
    won.restPose.x += 880, won.restPose.z += 10, won.restPose.rotZ += 110;
  } else {
    won.restPose.x += 60, won.restPose.z += 200, won.restPose.rotZ += 90;
  }
  for (int32_t j = 1; j <= templateSlots; j++) {
    copyDisplay(sp[11].slots[j], hand.slots[j]);
    TCardSlot& w = won.slots[j];
    copyDisplay(sp[11].slots[j], w);
    w.pose.rotZ = float(hashJitter(j, i, 13 * j) * 20 - 10 + hashJitter(i, j, 7 * j) * 7);
    w.pose.x = float(hashJitter(i, j, j + 300 - i) * 20 - 10);
    w.pose.y = float(hashJitter(j, i, 100 - j + 3 * i) * 30 - 15);
  }
}

void layoutPot(int32_t i, int32_t potStack, int32_t newSlot) {
  TSpieler& pot = sp[i + 14];
  pot.restPose = sp[i].restPose;
  pot.restPose.z = 0.14f * pot.restPose.z - 590;
  pot.restPose.rotZ = 0;
  pot.restPose.x = i == 1 ? 375.0f : 525.0f;
  int32_t top = warPotCount(i);
  for (int32_t j = 1; j <= templateSlots; j++) {
    TCardSlot& s = pot.slots[j];
    copyDisplay(sp[11].slots[j], s);
    s.pose.x += float(j - 1) * 45 * (i == 1 ? -1 : 1);
    s.pose.z = 0.2f * float(j) + 2;
    bool up = j % 4 == 1 || (j == newSlot && potStack == i + 14) || (j == top && warSeatIsOut(i));
    if (up) s.pose.rotX = 0;
    warArea().potFaceUp[i][j] = up ? 1 : 0;
  }
}
}  // namespace

bool warTableLayout(int32_t potStack, int32_t newSlot) {
  for (int32_t i = 1; i <= warSeats; i++) {
    layoutHandAndWon(i);
    layoutPot(i, potStack, newSlot);
  }
  return true;
}

void warPlaceSeat(TSpieler& stack) {
  for (int32_t j = 1; j <= templateSlots; j++) copyDisplay(sp[11].slots[j], stack.slots[j]);
}

void warPanelText(int32_t seat, std::string& text) {
  int32_t won = seat >= 1 && seat <= 20 ? warArea().warsWon[seat] : 0;
  text = coreLookupText("f_war_wars") + " " + std::to_string(won);
}
