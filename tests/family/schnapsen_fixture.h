// Schnapsen played headless: a list started with chosen options, positions of the play laid
// out card by card, frames run until the next decision, and the check that every card of
// the deck lies in exactly one of the game's stacks.
#pragma once

#include <string>

#include "core/card_order.h"
#include "core/game_areas.h"
#include "games/family/schnapsen_ai.h"
#include "games/family/schnapsen_game.h"
#include "games/family/schnapsen_rules.h"
#include "games/family/schnapsen_search.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "tests/family/war_fixture.h"

class SchnapsenFixture : public FamilyTableFixture {
 public:
  void TearDown() override {
    setSearchClock(nullptr);
    FamilyTableFixture::TearDown();
  }

  static void options(bool variant, bool closing = true, bool exchange = true, int32_t limit = 3,
                      int32_t points = 7) {
    TSchnapsenState& a = schnapsenArea();
    a.variant = variant ? 1 : 0;
    a.closingAllowed = closing ? 1 : 0;
    a.exchangeAllowed = exchange ? 1 : 0;
    a.bummerlLimit = limit;
    a.pointsPerBummerl = points;
  }

  // A new list (or the next game) with seat 2 played by the computer at `strength` (0: seat 2
  // answered by the test as well).
  static void startGame(bool list, int32_t strength, bool variant) {
    screenMode = 1;
    playerCount = 2;
    gameAreas.setVariantFlag(gidSechsundsechzig, variant);
    cg.startGame(gidSchnapsen, list ? 0 : 1);
    cg.seatRecords[2].kind = strength > 0 ? seatKindComputer : seatKindUser;
    cg.gs.seatProfiles[2].strength = strength;
  }

  // A position in the play: the hands, the stock (top card last), the open trump card, the
  // won piles, the trick and the seat to act; seat 2 answered by the test.
  static void position(const std::string& hand1, const std::string& hand2, const std::string& stock,
                       const std::string& trumpCard, int32_t trump, int32_t toAct,
                       const std::string& won1 = "", const std::string& won2 = "", const std::string& trick = "") {
    cg.gameId = gidSchnapsen;
    cg.seatCount = playerCount = 2;
    schnapsenInitCardValues();
    put(1, hand1);
    put(2, hand2);
    put(schnapsenStock, stock);
    put(schnapsenTrumpPile, trumpCard);
    put(7, won1);
    put(8, won2);
    put(schnapsenTrick, trick);
    TSchnapsenState& a = schnapsenArea();
    a.trumpSuit = trump;
    a.strictRules = stock.empty() ? 1 : 0;
    cg.gs.phase = schnapsenPhasePlay;
    cg.gs.subState = schnapsenTurn;
    cg.gs.step = stackUsed(sp[schnapsenTrick]);
    cg.gs.akspieler = toAct;
    cg.gs.awaitingAction = 0;
    cg.gs.pendingMove = 0;
    cg.gs.getBlender.kind = 255;
    schnapsenResetSearch();
    cg.gs.listTotals[1] = cg.gs.listTotals[2] = a.pointsPerBummerl;
    for (int s = 1; s <= 2; s++) cg.seatRecords[s].kind = seatKindUser;
  }

  // Frames until a decision is open or the game is over.
  static bool toDecision(int limit = 400) {
    return runUntil([] { return cg.gs.phase == 5 || (cg.gs.awaitingAction == 2 && cg.gs.subState == 3); }, limit);
  }

  static std::string optionValues() {
    std::string out;
    if (!cg.gs.bl.showOptions) return out;
    for (int i = 1; i <= cg.gs.bl.optionCount; i++) out += (i > 1 ? " " : "") + std::to_string(cg.gs.bl.optionValues[i]);
    return out;
  }

  static int32_t slotOf(int32_t seat, const char* c) {
    for (int i = 1; i <= stackUsed(sp[seat]); i++)
      if (cardsEqual(sp[seat].slots[i].card, card(c))) return i;
    return 0;
  }

  // Every card in exactly one stack; `cards` of them (0: the whole deck).
  static std::string misplaced(int32_t cards = 0) {
    return misplacedCards({1, 2, 7, 8, schnapsenStock, schnapsenTrick, schnapsenTrumpPile},
                          cards > 0 ? cards : schnapsenArea().variant ? 24 : 20);
  }
};
