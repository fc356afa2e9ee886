// Blackjack's table layout, options, resume and highscore (see blackjack_table.h).
#include "games/casino/blackjack_table.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "core/highscores.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/casino/blackjack_ai.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/blackjack_step.h"
#include "games/casino/chips.h"
#include "shell/shell_globals.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/table_layout.h"

namespace {

TBlackjackState& area() { return blackjackArea(); }
int32_t seats() { return std::clamp(int(playerCount), 1, 6); }
int32_t distanceFromUser(int32_t s) { return std::min(s - 1, seats() - s + 1); }
bool isSeatStack(int32_t s) { return s >= 1 && s <= seats(); }
constexpr double kPi = 3.14159265358979323846;
double rad(double degrees) { return degrees * kPi / 180.0; }

bool choose17und4Lists() {
  return blackjackIs17und4Variant() || cg.gameId == gidSiebzehnUndVier || cg.gs.optionsGameId == gidSiebzehnUndVier;
}

constexpr int32_t kMinBets[6] = {0, 2, 4, 6, 8, 10};
constexpr int32_t kMaxBets[6] = {10, 20, 30, 40, 80, blackjackUnlimitedBet};
constexpr int32_t kMinBets17und4[5] = {1, 2, 3, 5, 10};
constexpr int32_t kMaxBets17und4[5] = {10, 15, 25, 40, 50};
constexpr int32_t kStartMoney[4] = {100, 200, 400, 800};
constexpr int32_t kDealerChange[4] = {-1, 3, 5, 10};

}  // namespace

// [SECTION] seat geometry

int32_t blackjackSeatOffset(int32_t stack) {
  if (stack == bjShoeStack || stack == area().dealerSeat || !isSeatStack(stack)) return 0;
  const int32_t d = distanceFromUser(stack);
  return stack > area().dealerSeat ? d : -d;
}

float blackjackSeatAngle(int32_t stack) {
  if (stack == bjShoeStack || stack == area().dealerSeat || !isSeatStack(stack)) return 95.0f;
  const int32_t d = distanceFromUser(stack);
  const double r = d == 1 ? (isWideScreen() ? 1.1 : 1.25) : d;
  const int32_t n = seats();
  const double t = n == 3 ? 3 : n == 5 ? 5 : std::max(1, n - 1);
  const double a = stack > area().dealerSeat ? 95 + 115 * r / t : 95 - 115 * r / t;
  return float(a);
}

void blackjackPlaceSeat(TSpieler& stack) {
  TCardPose& p = stack.restPose;
  const int32_t s = stack.stackNo;
  if (s == bjShoeStack) {
    p.x = 1000;
    p.z = -1510;
    p.rotZ = -80;
    return;
  }
  if (!isSeatStack(s)) return;
  p.y = 273;
  if (s == area().dealerSeat) {
    p.rotX = -80, p.rotY = -6, p.rotZ = 0;
    p.x = float(950 * std::cos(rad(97)) + 560);
    p.z = float(-1000 * std::sin(rad(97)) - 60);
    return;
  }
  const double a = blackjackSeatAngle(s);
  p.rotX = -80, p.rotY = -6;
  p.rotZ = float(95 - a - (s >= 2 ? 180 : 0));
  const double radius = isWideScreen() ? 1100 : 880;
  p.x = float(1.07 * radius * std::cos(rad(a)) + 540 - (s == 1 ? 30 : 0));
  p.z = float(1566 * std::sin(rad(a)) - 1880);
}

void blackjackRelayoutTable() {
  if (cg.gs.phase == 1 || cg.gs.pendingMove != 0) return;
  buildTableLayout(false);
  logNotAvailable("Blackjack chip anchors");
}

// [SECTION] options

int32_t blackjackRoundLimitOfText(const std::string& text) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return blackjackNoRoundLimit;
  const size_t blank = text.rfind(' ');
  const std::string number = text.substr(0, blank == std::string::npos ? text.size() : blank);
  int32_t n = 0;
  for (char c : number) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    n = std::min(n * 10 + (c - '0'), blackjackNoRoundLimit);
  }
  return n;
}

int32_t blackjackStartMoneyValue(int32_t position) {
  return position >= 1 && position <= 3 ? kStartMoney[position - 1] : kStartMoney[3];
}

int32_t blackjackMinBetValue(int32_t position) {
  if (choose17und4Lists()) return kMinBets17und4[std::clamp(position, 1, 5) - 1];
  return kMinBets[std::clamp(position, 1, 6) - 1];
}

int32_t blackjackMaxBetValue(int32_t position) {
  if (choose17und4Lists()) return kMaxBets17und4[std::clamp(position, 1, 5) - 1];
  return kMaxBets[std::clamp(position, 1, 6) - 1];
}

int32_t blackjackDealerChangeValue(int32_t position) { return kDealerChange[std::clamp(position, 1, 4) - 1]; }

void blackjackSetSecondCard(int32_t position) {
  TBlackjackState& a = area();
  a.dealerCardOpen = position == 1;
  a.playerCardOpen = position == 1 || position == 2;
}

std::vector<std::string> blackjackStartMoneyTexts() {
  std::vector<std::string> texts;
  for (int32_t v : kStartMoney) texts.push_back(formatMoney(v));
  return texts;
}

std::vector<std::string> blackjackMinBetTexts() {
  std::vector<std::string> texts;
  for (int p = 1; p <= (choose17und4Lists() ? 5 : 6); p++) texts.push_back(formatMoney(blackjackMinBetValue(p)));
  return texts;
}

std::vector<std::string> blackjackMaxBetTexts() {
  std::vector<std::string> texts;
  const bool variant = choose17und4Lists();
  for (int p = 1; p <= 5; p++) texts.push_back(formatMoney(blackjackMaxBetValue(p)));
  if (!variant) {
    const std::string unlimited = lookupText("f_unbegrenzt");
    if (!unlimited.empty()) texts.push_back(unlimited);
  }
  return texts;
}

void blackjackReadOptions() {
  TBlackjackState& a = area();
  logNotAvailable("Blackjack options dialog");
  playerCount = cg.seatCount = std::clamp(int(cg.seatCount), 2, 6);
  a.variant17und4 = gameAreas.variantFlag && gameAreas.variantFlag(gidSiebzehnUndVier);
  if (a.roundLimit <= 0) a.roundLimit = blackjackNoRoundLimit;
  if (a.startMoney <= 0) a.startMoney = 200;
  a.minBet = std::max(a.minBet, 0);
  if (a.maxBet <= 0) a.maxBet = a.variant17und4 ? kMaxBets17und4[4] : blackjackUnlimitedBet;
  a.maxBet = std::max(a.maxBet, a.minBet);
  a.deckCount = std::clamp(int(a.deckCount), 1, 3);
  if (a.currency < 1 || a.currency > 3) a.currency = 2;
  if (a.variant17und4) {
    a.dealerCardOpen = a.playerCardOpen = 0;
    a.doubleAllowed = 0;
  }
  // formatMoney follows the chip games' currency.
  pokerArea().chipSet = a.currency;
}

// [SECTION] resume and highscore

namespace {

// The hidden second cards go back into the shoe; each seat draws its new one from it.
void redrawHiddenCards() {
  TSpieler& shoe = sp[bjShoeStack];
  for (int s = 1; s <= seats(); s++) {
    if (stackUsed(sp[s]) < 2 || blackjackIsCardFaceUp(s, 2)) continue;
    syncHandFromSlots(shoe);
    handaddk(shoe.hand, sp[s].slots[2].card);
    TCard drawn = drawRandomCard(shoe.hand);
    const int32_t n = shoe.hand.anz;
    for (int j = 1; j <= n; j++) shoe.slots[j].card = shoe.hand.k[j];
    for (int j = n + 1; j <= stackUsed(shoe) + 1 && j <= slotCapacity; j++) shoe.slots[j].card = TCard{};
    shoe.count = n;
    syncHandFromSlots(shoe);
    drawn.hi = sp[s].slots[2].card.hi;
    sp[s].slots[2].card = drawn;
    spLayout[s].slots[2].card = drawn;
    syncHandFromSlots(sp[s]);
  }
  shuffleStack(shoe);
}

}  // namespace

void blackjackResume(int phase) {
  if (phase != 0) return;
  TBlackjackState& a = area();
  chipAnimation.reset();
  pokerArea().chipSet = a.currency;
  logNotAvailable("Blackjack chip pictures and bet buttons");
  // The common part clears the card move that was pending when the game was saved: no card
  // flies after loading, and the step would wait for it for ever.
  blackjackSyncChipGames();
  cg.prepareResume();
  for (int i = 1; i <= stackCount; i++) spLayout[i].pose = sp[i].pose;
  for (int s = 1; s <= seats(); s++)
    for (int j = 1; j <= stackUsed(sp[s]); j++) setCardTargetPositions(s, j, 1, blackjackIsCardFaceUp(s, j) ? 3 : 2, 0);
  TSpieler& lift = sp[bjLiftStack];
  lift.pose = sp[bjShoeStack].pose;
  lift.pose.y -= 380;
  spLayout[bjLiftStack].pose = lift.pose;
  for (int j = 1; j <= stackUsed(lift); j++) {
    TCardSlot& slot = lift.slots[j];
    slot.pose = sp[bjShoeStack].slots[j].pose;
    slot.pose.z = float(2 * j);
    slot.pose.rotX = 180;
    slot.pose.rotZ = 20;
    slot.moving = 0;
    spLayout[bjLiftStack].slots[j] = slot;
  }
  blackjackShowPanels();
  redrawHiddenCards();
  // The computer players start their memory for the loaded shoe: what lies open is seen.
  const int32_t perDeck = a.variant17und4 ? 32 : 52;
  blackjackAIInitDeck(std::clamp(int(a.deckCount), 1, 3) * perDeck);
  for (int s = 1; s <= seats(); s++)
    for (int j = 1; j <= stackUsed(sp[s]); j++)
      if (blackjackIsCardFaceUp(s, j)) blackjackAIObserveCard(1, true, sp[s].slots[j].card);
  blackjackSyncChipGames();
}

std::string blackjackEnterHighscore() {
  const TBlackjackState& a = area();
  const int64_t value = std::max<int64_t>(0, int64_t(a.seats[1].available) * (centMoneyMode() ? 2 : 25));
  const int32_t level = blackjackMinAILevel();
  const int table = level == 2 || level == 3 ? level : 1;
  const int game = a.variant17und4 ? gidSiebzehnUndVier : gidBlackjack;
  const int place = insertHighscore(cg.highscores, game, table, int32_t(std::min<int64_t>(value, 2147483647)),
                                    cg.seatName(1).substr(0, 100), false);
  if (place == 0) return {};
  cg.saveHighscores();
  return lookupText("f_dialog_hs_habenplatz") + placeText(place) + lookupText("f_dialog_hs_platz");
}
