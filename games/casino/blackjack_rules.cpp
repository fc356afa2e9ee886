// Blackjack's rules as questions about the table (see blackjack_rules.h).
#include "games/casino/blackjack_rules.h"

#include <algorithm>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "core/game_areas.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/chips.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

namespace {

TBlackjackState& area() { return blackjackArea(); }
bool validSeat(int32_t seat) { return seat >= 1 && seat <= std::min(6, int(playerCount)); }

// Points by rank code (1 = 7 .. 8 ace, 9..13 = 2..6), Blackjack and "17 und 4".
constexpr int32_t kPoints[14] = {0, 7, 8, 9, 10, 10, 10, 10, 11, 2, 3, 4, 5, 6};
constexpr int32_t kPoints17und4[14] = {0, 7, 8, 9, 2, 3, 4, 10, 11, 0, 0, 0, 0, 0};

}  // namespace

// [SECTION] cards and hands

bool blackjackIs17und4Variant() { return area().variant17und4 != 0; }

int32_t blackjackCardPoints(const TCard& card, bool low) {
  if (card.t < 1 || card.t > 13) return 0;
  if (blackjackIs17und4Variant()) return kPoints17und4[card.t];
  return card.t == rankAce && low ? 1 : kPoints[card.t];
}

int32_t blackjackCardsValue(const TCard* cards, int32_t n) {
  if (blackjackIs17und4Variant()) {
    if (n == 2 && cards[0].t == rankAce && cards[1].t == rankAce) return 21;
    int32_t sum = 0;
    for (int i = 0; i < n; i++) sum += blackjackCardPoints(cards[i], false);
    return sum;
  }
  // Every ace counted 1, then one ace raised by 10 where that stays within 21 (two raised
  // aces would always pass it).
  int32_t sum = 0;
  bool ace = false;
  for (int i = 0; i < n; i++) {
    sum += blackjackCardPoints(cards[i], true);
    ace = ace || cards[i].t == rankAce;
  }
  return ace && sum + 10 <= 21 ? sum + 10 : sum;
}

int32_t blackjackCardCount(int32_t seat) {
  seat = std::abs(seat);
  return seat >= 1 && seat <= stackCount ? std::min(stackUsed(sp[seat]), 20) : 0;
}

TCard blackjackSeatCard(int32_t seat, int32_t j) {
  if (j < 1 || j > blackjackCardCount(seat)) return noCard();
  return sp[std::abs(seat)].slots[j].card;
}

int32_t blackjackHandValue(int32_t seat, int32_t) {
  TCard cards[20];
  const int32_t n = blackjackCardCount(seat);
  for (int j = 1; j <= n; j++) cards[j - 1] = blackjackSeatCard(seat, j);
  return blackjackCardsValue(cards, n);
}

bool blackjackIsNatural(int32_t seat) {
  return !blackjackIs17und4Variant() && blackjackCardCount(seat) == 2 && blackjackHandValue(seat, bjValueForRules) == 21;
}

bool blackjackIsSoft17(int32_t seat) {
  if (blackjackCardCount(seat) != 2) return false;
  const int a = blackjackSeatCard(seat, 1).t, b = blackjackSeatCard(seat, 2).t;
  return (a == rankAce && b == rank6) || (a == rank6 && b == rankAce);
}

bool blackjackIsTwoAces(int32_t seat) {
  return blackjackIs17und4Variant() && blackjackCardCount(seat) == 2 && blackjackSeatCard(seat, 1).t == rankAce &&
         blackjackSeatCard(seat, 2).t == rankAce;
}

std::string blackjackHandText(int32_t seat) {
  if (blackjackIsNatural(seat)) return lookupText("f_blackjack_blackjack");
  return std::to_string(blackjackHandValue(seat, bjValueForRules)) + lookupText("f_dialog_punkte");
}

// [SECTION] faces

bool blackjackIsCardFaceUp(int32_t seat, int32_t j) {
  seat = std::abs(seat);
  // A hand of three decks can reach 20 cards; every card beyond the second is open.
  if (!validSeat(seat) || j < 1 || j > 20) return false;
  if (j != 2) return true;
  const TBlackjackState& a = area();
  const bool open = seat == a.dealerSeat ? a.dealerCardOpen : a.playerCardOpen;
  return open || a.faceUp[seat][2] != 0;
}

int32_t blackjackLastHiddenCard(int32_t seat) {
  for (int32_t j = blackjackCardCount(seat); j >= 1; j--)
    if (!blackjackIsCardFaceUp(seat, j)) return j;
  return 0;
}

// [SECTION] bets

int32_t blackjackClampBet(int32_t amount) {
  const TBlackjackState& a = area();
  const int32_t seat = cg.gs.akspieler;
  const int32_t money = validSeat(seat) ? chipStackValue(seat) : 0;
  int32_t bet = std::max(amount, a.minBet);
  bet = std::min(bet, a.maxBet);
  bet = std::min(bet, money);
  return bet < a.minBet ? -1 : bet;
}

bool blackjackBetAllowed(int32_t amount) { return amount >= 0 && blackjackClampBet(amount) == amount; }

int32_t blackjackOutcome(int32_t seat, int32_t& won) {
  const TBlackjackState& a = area();
  const int32_t stake = validSeat(seat) ? a.seats[seat].stake : 0;
  const int32_t v = blackjackHandValue(seat, bjValueForRules);
  const int32_t p = v > 21 ? 0 : v + (blackjackIsNatural(seat) ? 1 : 0);
  const int32_t d = a.dealerTotal > 21 ? 0 : a.dealerTotal + (blackjackIsNatural(a.dealerSeat) ? 1 : 0);
  if (d == 0 || d < p) {
    if (blackjackIsNatural(seat))
      won = 3 * (stake / 2);
    else if (a.twoAcesDouble && blackjackIsTwoAces(seat))
      won = 2 * stake;
    else
      won = stake;
    return 1;
  }
  if (p == d && !blackjackIs17und4Variant()) {
    won = 0;
    return 0;
  }
  won = -stake;
  return -1;
}

bool blackjackCanDouble() {
  const TBlackjackState& a = area();
  const int32_t seat = cg.gs.akspieler;
  if (!a.doubleAllowed || blackjackIs17und4Variant() || !validSeat(seat)) return false;
  return chipStackValue(seat) >= a.seats[seat].stake && blackjackCardCount(seat) < 3;
}

// [SECTION] seats

int32_t blackjackDealerSeatNo() { return area().dealerSeat; }

bool blackjackIsSeatInGame(int32_t seat) { return validSeat(seat) && pokerArea().seats[seat].state != 0; }

int32_t blackjackSeatsInGame() {
  int32_t n = 0;
  for (int s = 1; s <= std::min(6, int(playerCount)); s++) n += blackjackIsSeatInGame(s);
  return n;
}

bool blackjackAllPlayersDone() {
  const TBlackjackState& a = area();
  for (int s = 1; s <= std::min(6, int(playerCount)); s++)
    if (s != a.dealerSeat && a.seats[s].state == 1) return false;
  return true;
}

namespace {
int32_t stepSeat(int32_t count, int32_t dir) {
  const int32_t n = std::clamp(int(playerCount), 1, 6);
  const uint8_t phase = cg.gs.phase;
  const bool onlyPlaying = phase == 1 || phase == 4 || phase == 10;
  int32_t seat = std::clamp(int(cg.gs.akspieler), 1, n);
  for (int guard = 0; count > 0 && guard < 6 * n + 6; guard++) {
    seat = (seat - 1 + dir + n) % n + 1;
    if (!onlyPlaying || area().seats[seat].state != 0) count--;
  }
  return seat;
}
}  // namespace

int32_t blackjackNextSeat(int32_t count) { return stepSeat(count, 1); }
int32_t blackjackPreviousSeat(int32_t count) { return stepSeat(count, -1); }

int32_t blackjackMinAILevel() {
  int32_t lowest = 3;
  for (int s = 2; s <= std::min(6, int(playerCount)); s++) lowest = std::min(lowest, cg.gs.seatProfiles[s].strength);
  return lowest;
}

int32_t blackjackActivePlayerCount() {
  const TBlackjackState& a = area();
  int32_t n = blackjackSeatsInGame();
  for (int s = 2; s <= std::min(6, int(playerCount)); s++)
    if (blackjackIsSeatInGame(s) && (s == a.dealerSeat || chipStackValue(s) < a.minBet)) n--;
  return n;
}

// [SECTION] match end

bool blackjackPlayerReachedLimit() {
  const TBlackjackState& a = area();
  for (int s = 1; s <= std::min(6, int(playerCount)); s++)
    if (s != a.dealerSeat && chipStackValue(s) >= 20000) return true;
  return false;
}

bool blackjackIsListOver() {
  TBlackjackState& a = area();
  for (int s = 1; s <= std::min(6, int(playerCount)); s++)
    a.seats[s].available = pokerArea().seats[s].available = chipStackValue(s);
  if (cg.gs.gamesPlayed >= a.roundLimit) return true;
  if (chipStackValue(1) < a.minBet && !engineFastMode()) return true;
  // With the user out in fast play the rounds would run empty: over when no player is left.
  bool player = false;
  for (int s = 1; s <= std::min(6, int(playerCount)); s++)
    player = player || (s != a.dealerSeat && a.seats[s].state != 0 && chipStackValue(s) >= a.minBet);
  if (!player) return true;
  if (!blackjackPlayerReachedLimit()) return false;
  // The match ends with the chips at rest: the bank's supply is put away.
  for (int t = 0; t <= 4; t++) chipStacks[bjBankStack].rows[t].count = 0;
  return true;
}

void blackjackPlaceBrokeSeats(int keep, int) {
  TBlackjackState& a = area();
  TPokerArea& p = pokerArea();
  const int32_t n = std::min(6, int(playerCount));
  int32_t broke = 0;
  for (int s = 1; s <= n; s++) broke += a.seats[s].state != 0 && chipStackValue(s) < a.minBet;
  const int32_t place = blackjackSeatsInGame() + 1 - broke;
  for (int s = 1; s <= n; s++) {
    if (s == a.dealerSeat || chipStackValue(s) >= a.minBet) continue;
    if (a.seats[s].state != 0) a.seats[s].place = p.seats[s].place = place;
    if (!keep) {
      a.seats[s].outAfterHands = p.seats[s].outAfterHands = cg.gs.gamesPlayed;
      a.seats[s].state = p.seats[s].state = 0;
    }
  }
}
