// Poker played headless through the core's tick: a program folder of its own, the texts of
// the repository, matches started with options written into poker's area, random answers
// within what each question offers, and the money checks every frame.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "games/casino/chips.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_eval.h"
#include "games/casino/poker_lists.h"
#include "games/casino/poker_preflop.h"
#include "games/casino/poker_state.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "sound/sound_events.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "tests/casino/casino_fixture.h"
#include "tests/support/headless_skat.h"

enum PokerVariant { nlPoker, plPoker, slPoker };

class PokerFlowFixture : public CasinoFixture {
 public:
  void SetUp() override {
    openCasinoFolder("/tmp/poker_test_XXXXXX", 4242);
    loadPreflopTable(std::string(CASINO_BINARY_DIR) + "/app");  // the built one: no start-up build
  }

  // A new match: options into poker's area, every seat played by the computer.
  static void startMatch(int32_t seats, PokerVariant v, int32_t dealMode, int32_t startMoney = 200,
                         int32_t startBlind = 2) {
    resetHeadlessSkat(dealMode, skatDefaultOptions);
    // The computer seats' remarks draw from a generator of their own, and a remark holds the
    // step for its time: seeded too, a match plays the same whatever ran before.
    soundRandomSeed(1);
    tableLandsAtOnce = true;
    pokerArea() = TPokerArea{};
    TPokerArea& a = pokerArea();
    a.potLimit = v == plPoker;
    a.splitLimit = v == slPoker;
    a.startMoney = startMoney;
    a.startBlind = startBlind;
    a.blindEvery = 10;
    a.chipSet = 2;
    a.germanTerms = 1;
    a.nameForm = 3;
    playerCount = seats;
    cg.seatCount = seats;
    screenMode = 1;
    cg.startGame(gidPoker, 0);
    for (int s = 1; s <= seats; s++) cg.seatRecords[s].kind = seatKindComputer;
  }
  static void nextHand() {
    screenMode = 1;
    cg.startGame(gidPoker, 1);
    for (int s = 1; s <= playerCount; s++) cg.seatRecords[s].kind = seatKindComputer;
  }

  // A random answer among those the open question offers, with a legal amount for a raise;
  // now and then one it does not offer, which must be refused.
  static void answerAtRandom(int& refused) {
    if (cg.gs.awaitingAction != 2 || cg.gs.bl.decisionKind != 98) return;
    const int32_t seat = cg.gs.akspieler;
    if (randomBelow(25) == 0) {
      const int32_t codes[5] = {pokerCheck, pokerFold, pokerCall, pokerRaise, pokerAllIn};
      const int32_t code = codes[randomBelow(5)];
      if (!pokerAnswerOffered(seat, code)) {
        cg.submitAction(2, 0, code);
        refused++;
        return;
      }
    }
    int32_t offered[5], n = 0;
    for (int32_t code : {pokerCheck, pokerFold, pokerCall, pokerRaise, pokerAllIn})
      if (pokerAnswerOffered(seat, code)) offered[n++] = code;
    const int32_t code = offered[randomBelow(n)];
    int32_t amount = 0;
    if (code == pokerRaise) {
      const TPokerArea& a = pokerArea();
      const int32_t room = chipStackValue(seat) - pokerAmountToCall(seat);
      const int32_t top = std::max(a.minRaise, std::min(a.maxRaise, std::min(room, 4 * a.minRaise)));
      amount = a.minRaise + randomBelow(top - a.minRaise + 1);
    }
    cg.submitAction(2, amount, code);
  }

  // With the chips at rest: the stacks and the pot hold every seat's start money, the pot's
  // chips equal the pot, no stack is negative. Empty when all holds.
  static std::string moneyFault(int32_t total) {
    if (chipAnimation.moveCount() > 0 || chipAnimation.transferCount() > 0) return {};
    if (cg.gs.phase == 2 || (cg.gs.phase == 0 && cg.gs.gamesPlayed == 0)) return {};
    int32_t sum = chipStackValue(8);
    for (int s = 1; s <= playerCount; s++) {
      if (chipStackValue(s) < 0) return "negative stack " + std::to_string(s);
      sum += chipStackValue(s);
    }
    if (sum != total) return "money " + std::to_string(sum) + " of " + std::to_string(total);
    if (cg.gs.phase != 5 && chipStackValue(8) != pokerArea().pot)
      return "pot chips " + std::to_string(chipStackValue(8)) + " against pot " + std::to_string(pokerArea().pot);
    return {};
  }

  // Frames until the hand has ended; false when it stalls.
  static bool playHand(int& refused, std::string& fault, bool randomAnswers, int frameLimit = 20000) {
    const int32_t total = playerCount * pokerArea().startMoney;
    for (int f = 0; f < frameLimit; f++) {
      if (cg.gs.phase == 5) return true;
      if (randomAnswers) answerAtRandom(refused);
      headlessFrame();
      advanceFakeTick(50);
      if (fault.empty()) fault = moneyFault(total);
    }
    return cg.gs.phase == 5;
  }

};
