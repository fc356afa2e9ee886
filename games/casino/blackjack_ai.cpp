// Blackjack's computer players (see blackjack_ai.h). Every decision also goes to the trace.
//
// [SECTION] memory
// [SECTION] bets and doubling
// [SECTION] drawing
// [SECTION] moves and reactions
#include "games/casino/blackjack_ai.h"

#include <algorithm>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"

TBlackjackCardMemory blackjackCardMemory;

namespace {
TBlackjackState& area() { return blackjackArea(); }
int32_t seatToAct() { return cg.gs.akspieler; }
int32_t strengthOf(int32_t seat) { return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3; }
// The dealer's first card, an ace counted 11.
int32_t dealerUpCard() {
  return blackjackCardPoints(blackjackSeatCard(area().dealerSeat, 1), false);
}
const char* styleName(int32_t style) {
  return style == bjBetRandomly ? "randomly" : style == bjBetIncreasingly ? "increasingly" : "strictly";
}
}  // namespace

// [SECTION] memory

void blackjackAIInitDeck(int32_t size) {
  TBlackjackCardMemory& m = blackjackCardMemory;
  trace("### bjKIInitDeck ###");
  m.runningCount = 0;
  m.shoeSize = size;
  m.seenCards.clear();
  for (int s = 1; s <= std::min(12, int(playerCount)); s++) {
    m.zeroBets[s] = randomBelow(4);
    const int32_t r = randomBelow(100);
    m.betStyle[s] = r > 80 ? bjBetRandomly : r <= 50 ? bjBetStrictly : bjBetIncreasingly;
    trace("Player: " + std::to_string(s) + " bets now " + styleName(m.betStyle[s]));
  }
}

int32_t blackjackAICountValue(const TCard& card) {
  if (card.t == rank7 || card.t == rank8 || card.t == rank9) return 0;
  return blackjackCardPoints(card, false) < 10 ? 1 : -1;
}

void blackjackAIObserveCard(int32_t kind, bool faceUp, const TCard& card) {
  if (kind == -1 || kind == 2 || !faceUp || isNoCard(card)) return;
  blackjackCardMemory.seenCards.push_back(card);
  blackjackCardMemory.runningCount += blackjackAICountValue(card);
}

// [SECTION] bets and doubling

int32_t blackjackAIBet() {
  TBlackjackCardMemory& m = blackjackCardMemory;
  const TBlackjackState& a = area();
  const int32_t seat = std::clamp(int(seatToAct()), 1, 12);
  const int32_t min = a.minBet, max = a.maxBet, c = m.runningCount;
  const int32_t unit = std::max(min, 2);
  int64_t bet = min;
  switch (m.betStyle[seat]) {
    case bjBetIncreasingly: {
      const int32_t b = randomReal() < 0.5 ? std::min(cg.gs.gamesPlayed * 2, 12) : 0;
      bet = c > 0 ? int64_t(b) + int64_t(unit) * c : int64_t(b) + min;
      break;
    }
    case bjBetRandomly: {
      // With minimum and maximum equal there is no range to draw from.
      const int64_t span = int64_t(max) - min;
      const int64_t x = min + (span > 1 ? randomBelow(int32_t(std::min<int64_t>(span, 2147483647))) : 0);
      bet = std::max<int64_t>(std::min<int64_t>((x / 8) * 2, 10), 2);
      break;
    }
    default: bet = c > 0 ? int64_t(unit) * c : min; break;
  }
  int32_t clamped = blackjackClampBet(int32_t(std::clamp<int64_t>(bet, -1, 2147483647)));
  if (clamped == 0) m.zeroBets[seat]--;
  // The allowance of bets of 0 used up: a small bet, kept within the limits like any other.
  if (m.zeroBets[seat] < 1) {
    clamped = blackjackClampBet(2);
    m.zeroBets[seat] = randomBelow(4);
  }
  trace("Player : " + std::to_string(seat) + " bets " + std::to_string(clamped) + ". DeckCount was: " +
        std::to_string(c));
  return clamped;
}

bool blackjackAIDouble() {
  const int32_t seat = seatToAct();
  bool yes;
  if (strengthOf(seat) <= 1) {
    yes = randomReal() < 0.5;
  } else {
    const int32_t v = blackjackHandValue(seat, bjValueForAI), u = dealerUpCard();
    yes = (v == 9 && u <= 6) || (v == 10 && u <= 9) || v == 11;
  }
  trace("Player " + std::to_string(seat) + (yes ? " doubles" : " does not double"));
  return yes;
}

// [SECTION] drawing

bool blackjackAIDrawBeginner() {
  return blackjackHandValue(seatToAct(), bjValueForAI) < 16 && randomReal() < 0.5;
}

bool blackjackAIDrawNormal() {
  static constexpr int32_t standFrom[12] = {17, 17, 13, 13, 12, 12, 12, 17, 17, 17, 17, 17};
  const int32_t u = std::clamp(dealerUpCard(), 0, 11);
  return blackjackHandValue(seatToAct(), bjValueForAI) < standFrom[u];
}

bool blackjackAIShouldDraw() {
  const TBlackjackCardMemory& m = blackjackCardMemory;
  const int32_t seat = seatToAct();
  const int32_t v = blackjackHandValue(seat, bjValueForAI);
  const int32_t need = 22 - v;
  int32_t unseen = m.shoeSize, bust = 0;
  const int32_t ranks = blackjackIs17und4Variant() ? 8 : 13;
  const int32_t decks = std::clamp(int(area().deckCount), 1, 3);
  auto seen = [&](int r, int s) {
    for (const TCard& c : m.seenCards)
      if (c.t == r && c.f == s) return true;
    for (int j = 1; j <= blackjackCardCount(seat); j++) {
      const TCard c = blackjackSeatCard(seat, j);
      if (c.t == r && c.f == s) return true;
    }
    return false;
  };
  for (int r = 1; r <= ranks; r++)
    for (int s = 1; s <= 4; s++) {
      const int32_t p = blackjackCardPoints(makeCard(r, s), true);
      const bool known = seen(r, s);
      for (int d = 1; d <= decks; d++) {
        if (p >= need) bust++;
        if (known) {
          unseen--;
          if (p >= need) bust--;
        }
      }
    }
  // Every kind seen (or a memory that does not fit the shoe): nothing left to judge by.
  if (unseen <= 0) {
    trace("Player " + std::to_string(seat) + " stands: no unseen cards");
    return false;
  }
  const double share = double(bust) / double(unseen);
  trace("Player " + std::to_string(seat) + " bust share " + std::to_string(share));
  return share < 0.6;
}

bool blackjackAIWantsCard() {
  const int32_t seat = seatToAct();
  if (blackjackHandValue(seat, bjValueForAI) == 21) {
    soundContainer.sayComment(seat, 0, 3, 0, 85);
    return false;
  }
  bool draw;
  switch (strengthOf(seat)) {
    case 1: draw = blackjackAIDrawBeginner(); break;
    case 2: draw = blackjackAIDrawNormal(); break;
    default: draw = blackjackAIShouldDraw(); break;
  }
  trace("Player " + std::to_string(seat) + (draw ? " draws" : " stands"));
  return draw;
}

// [SECTION] moves and reactions

void blackjackAIMove() {
  if (cg.gs.awaitingAction != 2) return;
  const int32_t kind = cg.gs.bl.decisionKind, seat = seatToAct();
  if (kind == 106) {
    TBlackjackState& a = area();
    a.betOffer = blackjackAIBet();
    if (a.betOffer == a.maxBet) soundContainer.sayComment(seat, 3, 11, 11, 82);
    cg.submitAction(2, 0, cg.gs.bl.optionValues[1]);
    return;
  }
  if (kind != 107 && kind != 109) return;
  int32_t choice;
  if (cg.gs.bl.optionValues[1] == 109 && blackjackAIDouble())
    choice = 109;
  else
    choice = blackjackAIWantsCard() ? 75 : 37;
  const int32_t v = blackjackHandValue(seat, bjValueForAI);
  if (v >= 12 && v <= 14 && randomReal() < 0.55)
    soundContainer.sayComment(seat, 3, 25, 25, 84);
  else if (choice == 37 && v >= 12 && v <= 15)
    soundContainer.sayComment(seat, 3, 23, 23, 80);
  else if (choice == 75 && (v == 12 || v == 13))
    soundContainer.sayComment(seat, 3, 24, 24, 75);
  cg.submitAction(2, 0, choice);
}

void bjAiReactToResult() {
  const TBlackjackState& a = area();
  const int32_t seat = seatToAct();
  if (seat == 1 || seat == a.dealerSeat || seat < 1 || seat > 6) return;
  const int32_t v = blackjackHandValue(seat, bjValueForAI), d = a.dealerTotal, n = playerCount;
  int32_t x, chance;
  switch (a.seats[seat].potRound) {
    case 1:
      if (v == 21) x = 3, chance = 84;
      else if (v - d >= 3) x = 1, chance = 80;
      else x = 2, chance = 82;
      break;
    case -1:
      if (v == 21) x = -3, chance = 86 - 2 * n;
      else if (d - v >= 2) x = -1, chance = 82 - 2 * n;
      else x = -2, chance = 84 - 2 * n;
      break;
    default: x = -2, chance = 84; break;
  }
  soundContainer.sayComment(seat, 0, x, 0, chance);
}
