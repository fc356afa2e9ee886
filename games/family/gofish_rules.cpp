// Go Fish's rules and the card table's hooks for its layout.
//
// [SECTION] seats and counts
// [SECTION] books and the end
// [SECTION] the card table's hooks
#include "games/family/gofish_rules.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/family/war_rules.h"
#include "shell/shell_globals.h"

// [SECTION] seats and counts

TGoFishArea& goFishArea() { return gameArea<TGoFishArea>(cg.gs.goFish); }

int32_t goFishSeats() { return std::clamp(playerCount, 2, 6); }

namespace {
int32_t wrapSeat(int32_t s) {
  int32_t n = goFishSeats();
  return ((s - 1) % n + n) % n + 1;
}
}  // namespace

int32_t goFishSeatFromCurrent(int32_t k) {
  int32_t s = cg.gs.akspieler;
  return wrapSeat(goFishArea().fishSeatOrder == 2 ? s - k : s + k);
}

int32_t goFishSeatBack(int32_t k) {
  int32_t s = cg.gs.akspieler;
  return wrapSeat(goFishArea().fishSeatOrder == 2 ? s + k : s - k);
}

int32_t goFishCardCount(int32_t seat) { return seat >= 1 && seat <= 6 ? stackUsed(sp[seat]) : 0; }

int32_t goFishParseLimit(const std::string& text) { return warParseLimit(text); }

void goFishInitSortKeys() {
  // Rank position by rank code: 7, 8, 9, jack, queen, king, ten, ace, 2..6, joker.
  static constexpr int32_t position[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};
  static constexpr int32_t weight[5] = {0, 4, 1, 2, 3};  // clubs, spades, hearts, diamonds
  for (int f = 1; f <= 4; f++)
    for (int t = 1; t <= 14; t++) cardValues[f][t] = cardValues0[f][t] = (30 - position[t]) * 4 + weight[f];
}

int32_t goFishFitDealCount(int32_t dealCount, int32_t seats) {
  if (dealCount < 5 || dealCount > 9) dealCount = 7;
  return seats >= 6 ? std::min(dealCount, 8) : dealCount;
}

// [SECTION] books and the end

int32_t goFishFindBooks() {
  TGoFishArea& a = goFishArea();
  a.bookSize = a.pairsVariant ? 2 : 4;
  a.bookCards.anz = 0;
  int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > 6) return 0;
  const TSpieler& hand = sp[seat];
  for (int32_t i = 1; i <= stackUsed(hand); i++) {
    int32_t rank = hand.slots[i].card.t;
    int32_t held = 0;
    for (int32_t j = 1; j <= stackUsed(hand); j++) held += hand.slots[j].card.t == rank ? 1 : 0;
    if (rank == 0 || held < a.bookSize) continue;
    for (int32_t j = 1; j <= stackUsed(hand) && a.bookCards.anz < a.bookSize; j++) {
      if (hand.slots[j].card.t != rank) continue;
      TCard c = hand.slots[j].card;
      c.hi = static_cast<int16_t>(j);
      handaddk(a.bookCards, c);
    }
    return rank;
  }
  return 0;
}

int32_t goFishBookCount(int32_t k) {
  int32_t pile = k < 14 ? k + 14 : k;
  if (pile < 1 || pile > stackCount) return 0;
  return stackUsed(sp[pile]) / (goFishArea().pairsVariant ? 2 : 4);
}

bool goFishOthersHaveNoCards() {
  for (int32_t s = 1; s <= goFishSeats(); s++)
    if (s != cg.gs.akspieler && goFishCardCount(s) > 0) return false;
  return true;
}

bool goFishAllHandsEmpty() {
  for (int32_t s = 1; s <= goFishSeats(); s++)
    if (goFishCardCount(s) > 0) return false;
  return true;
}

bool goFishIsOver() { return stackUsed(sp[11]) == 0 && goFishAllHandsEmpty(); }

// [SECTION] the card table's hooks

void goFishTableLayout() {
  TCardPose& stock = sp[11].restPose;
  stock.x += 570;
  stock.z -= 440;
  stock.rotZ = 60;
  sp[11].pose = stock;
  goFishLayoutSeatPiles();
}

void goFishLayoutSeatPiles() {
  const int32_t n = std::clamp(playerCount, 1, 6);
  const TSpieler& stock = sp[11];
  for (int32_t s = 1; s <= n; s++) {
    TSpieler& pile = sp[s + 14];
    TCardPose p = sp[s].restPose;
    if (s == 1) {
      p.x -= 420;
      p.z -= 200;
    } else {
      p.x = 0.94f * p.x + 0.06f * stock.restPose.x;
      p.z = 0.9f * p.z + 0.1f * stock.restPose.z;
    }
    p.rotZ = p.rotY + 70;
    p.rotX = stock.restPose.rotX;
    p.rotY = stock.restPose.rotY;
    p.y = stock.restPose.y;
    pile.restPose = p;
    pile.pose = p;
    for (int32_t j = 1; j <= 52; j++) {
      TCardSlot& c = pile.slots[j];
      const TCardSlot& from = stock.slots[j];
      c.pose = from.pose;
      c.poseFlag = from.poseFlag;
      std::copy(std::begin(from.poseExtra), std::end(from.poseExtra), std::begin(c.poseExtra));
      c.poseExtra[0] = 130.0f - float(s - 1) / float(n) * 70.0f;
    }
  }
}
