// Blackjack played headless through the core's tick: a program folder of its own, the texts
// of the repository, matches started with options written into Blackjack's area, random
// answers within what each question offers (now and then one it does not offer), and the
// checks of money and cards with everything at rest.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "core/game_areas.h"
#include "engine/dialogs.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/blackjack_table.h"
#include "games/casino/chips.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/casino/casino_fixture.h"
#include "tests/support/headless_skat.h"

struct BlackjackMatch {
  int32_t seats = 4;
  bool variant = false;
  int32_t dealMode = 1, direction = 1, decks = 1;
  int32_t secondCard = 1;  // "Zweite Karte" list position
  bool soft17 = false, twoAces = true, doubling = true, everyGame = false;
  int32_t startMoney = 200, minBet = 2, maxBet = 40, roundLimit = 30;
};

class BlackjackPlayFixture : public CasinoFixture {
 public:
  void SetUp() override {
    openCasinoFolder("/tmp/blackjack_test_XXXXXX", 2828);
  }

  // A new match: options into Blackjack's area, every seat played by the computer.
  static void startMatch(const BlackjackMatch& m) {
    resetHeadlessSkat(m.dealMode, skatDefaultOptions);
    setTopIndex(dlgDisplay, elSeatOrderList, m.direction);
    soundRandomSeed(1);
    tableLandsAtOnce = true;
    blackjackArea() = TBlackjackState{};
    TBlackjackState& a = blackjackArea();
    a.roundLimit = m.roundLimit;
    a.startMoney = m.startMoney;
    a.minBet = m.minBet;
    a.maxBet = m.maxBet;
    a.deckCount = m.decks;
    blackjackSetSecondCard(m.secondCard);
    a.dealerHitsSoft17 = m.soft17;
    a.twoAcesDouble = m.twoAces;
    a.doubleAllowed = m.doubling;
    a.reshuffleEveryGame = m.everyGame;
    a.currency = 2;
    playerCount = cg.seatCount = m.seats;
    screenMode = 1;
    gameAreas.setVariantFlag(gidSiebzehnUndVier, false);
    cg.startGame(m.variant ? gidSiebzehnUndVier : gidBlackjack, 0);
    for (int s = 1; s <= m.seats; s++) cg.seatRecords[s].kind = seatKindComputer;
  }
  static void nextGame() {
    screenMode = 1;
    cg.startGame(gidBlackjack, 1);
    for (int s = 1; s <= playerCount; s++) cg.seatRecords[s].kind = seatKindComputer;
  }

  // What the seat to act holds: money, bet stack, stake and cards; equal before and after a
  // refused answer.
  static std::string seatPicture() {
    const int32_t s = cg.gs.akspieler;
    if (s < 1 || s > 6) return "seat " + std::to_string(s);
    return std::to_string(s) + ": " + std::to_string(chipStackValue(s)) + " " +
           std::to_string(chipStackValue(s + bjBetStackOffset)) + " " + std::to_string(blackjackArea().seats[s].stake) +
           " " + std::to_string(stackUsed(sp[s])) + " step " + std::to_string(cg.gs.step);
  }

  // A random answer among those the open question offers, a legal bet for a bet; now and then
  // one it does not offer. Returns true when the answer given was not offered.
  static bool answerAtRandom() {
    if (cg.gs.awaitingAction != 2) return false;
    const int32_t kind = cg.gs.bl.decisionKind;
    TBlackjackState& a = blackjackArea();
    if (kind == 106) {
      const int32_t low = blackjackClampBet(0), high = blackjackClampBet(blackjackUnlimitedBet);
      if (randomBelow(20) == 0) {
        const int32_t wrong[4] = {-1, low - 1, high + 1, blackjackUnlimitedBet};
        const int32_t bet = wrong[randomBelow(4)];
        if (!blackjackBetAllowed(bet)) {
          a.betOffer = bet;
          cg.submitAction(2, 0, cg.gs.bl.optionValues[1]);
          return true;
        }
      }
      const int32_t top = std::min<int64_t>(high, int64_t(low) + 60);
      a.betOffer = low + randomBelow(top - low + 1);
      cg.submitAction(2, 0, cg.gs.bl.optionValues[1]);
      return false;
    }
    if (kind != 107 && kind != 109) return false;
    const int32_t n = cg.gs.bl.optionCount;
    if (randomBelow(20) == 0) {
      const int32_t wrong[3] = {109, 1, 0};
      const int32_t code = wrong[randomBelow(3)];
      bool offered = false;
      for (int i = 1; i <= n; i++) offered = offered || cg.gs.bl.optionValues[i] == code;
      if (!offered) {
        cg.submitAction(2, 0, code);
        return true;
      }
    }
    cg.submitAction(2, 0, cg.gs.bl.optionValues[1 + randomBelow(n)]);
    return false;
  }

  // With chips and cards at rest, outside the start money: each player's money and bet equal
  // its start money and its booked and settled results, the bet stack holds the stake until
  // settlement, the dealer holds nothing, and shoe, lifted shoe and hands hold the deck.
  static std::string restFault(int32_t deck) {
    if (chipAnimation.moveCount() > 0 || chipAnimation.transferCount() > 0) return {};
    const uint8_t phase = cg.gs.phase;
    if (phase == 0 || phase == 2 || phase == 5) return {};
    const TBlackjackState& a = blackjackArea();
    for (int s = 1; s <= playerCount; s++) {
      const std::string who = "seat " + std::to_string(s) + ": ";
      if (s == a.dealerSeat) {
        if (chipStackValue(s) != 0 || chipStackValue(s + bjBetStackOffset) != 0) return who + "the dealer holds chips";
        continue;
      }
      int64_t expected = int64_t(a.startMoney) + cg.gs.listTotals[s];
      if (a.seats[s].state == 2) expected += a.seats[s].won;
      const int32_t bet = chipStackValue(s + bjBetStackOffset);
      if (chipStackValue(s) + bet != expected)
        return who + "money " + std::to_string(chipStackValue(s) + bet) + " against " + std::to_string(expected);
      const int32_t stake = a.seats[s].state == 2 ? 0 : a.seats[s].stake;
      if (bet != stake) return who + "bet stack " + std::to_string(bet) + " against stake " + std::to_string(stake);
    }
    if (phase != 1) {
      int32_t n = stackUsed(sp[bjShoeStack]) + stackUsed(sp[bjLiftStack]);
      for (int s = 1; s <= playerCount; s++) n += stackUsed(sp[s]);
      if (n != deck) return "cards " + std::to_string(n) + " of " + std::to_string(deck);
    }
    return {};
  }

  // Frames until the game has ended; false when it stalls. Refused answers are counted and
  // must leave the seat as it was, the question open again.
  static bool playGame(bool randomAnswers, int& refused, std::string& fault, int frameLimit = 40000) {
    const TBlackjackState& a = blackjackArea();
    const int32_t deck = std::clamp(int(a.deckCount), 1, 3) * (a.variant17und4 ? 32 : 52);
    for (int f = 0; f < frameLimit; f++) {
      if (cg.gs.phase == 5) return true;
      const std::string before = seatPicture();
      const bool wrong = randomAnswers && answerAtRandom();
      if (wrong) {
        refused++;
        for (int g = 0; g < 200 && cg.gs.awaitingAction != 2; g++) {
          headlessFrame();
          advanceFakeTick(50);
        }
        if (fault.empty() && (cg.gs.awaitingAction != 2 || seatPicture() != before))
          fault = "a refused answer changed " + before + " into " + seatPicture();
        continue;
      }
      headlessFrame();
      advanceFakeTick(50);
      if (fault.empty()) fault = restFault(deck);
    }
    return cg.gs.phase == 5;
  }

  // A whole match with random answers; its rounds are added up. Empty when all held.
  std::string playMatch(const BlackjackMatch& m, int& rounds, int& refused) {
    startMatch(m);
    for (int g = 0; g < 400; g++) {
      std::string fault;
      if (!playGame(true, refused, fault))
        return "game " + std::to_string(g) + " stalled at step " + std::to_string(cg.gs.step) + " sub-state " +
               std::to_string(cg.gs.subState);
      if (!fault.empty()) return "game " + std::to_string(g) + ": " + fault;
      if (alerts > 0) return "game " + std::to_string(g) + ": " + lastAlert;
      rounds++;
      if (cg.gs.listOver) return {};
      nextGame();
    }
    return "the match did not end";
  }
  // A match of random options: 2 to 6 seats, 1 to 3 decks, either variant, deal style and
  // direction, every option, bets from 0 to unlimited.
  static BlackjackMatch randomMatch() {
    static constexpr int32_t minBets[6] = {0, 2, 4, 6, 8, 10};
    static constexpr int32_t maxBets[6] = {10, 20, 30, 40, 80, blackjackUnlimitedBet};
    static constexpr int32_t startMoney[4] = {100, 200, 400, 800};
    BlackjackMatch m;
    m.seats = 2 + randomBelow(5);
    m.variant = randomBelow(2) == 1;
    m.dealMode = 1 + randomBelow(2);
    m.direction = 1 + randomBelow(2);
    m.decks = 1 + randomBelow(3);
    m.secondCard = 1 + randomBelow(3);
    m.soft17 = randomBelow(2);
    m.twoAces = randomBelow(2);
    m.doubling = randomBelow(2);
    m.everyGame = randomBelow(2);
    m.startMoney = startMoney[randomBelow(4)];
    m.minBet = minBets[randomBelow(6)];
    m.maxBet = std::max(m.minBet, maxBets[randomBelow(6)]);
    m.roundLimit = 5 + randomBelow(30);
    return m;
  }

};
