// Schwimmen played headless: a new list with given options, positions built card by card,
// and the check that every card of the deck lies in exactly one of its stacks.
#pragma once

#include "games/family/schwimmen_ai.h"
#include "games/family/schwimmen_game.h"
#include "games/family/schwimmen_rules.h"
#include "tests/family/war_fixture.h"

struct TSchwimmenOptions {
  int32_t seats = 3;
  int32_t dealer = 1;  // row of "Kartengeber": 1 "Zufall", k + 1 seat k
  bool tripleRule = false;
  bool swapAll = false;
  bool positive = false;
  int32_t gameLimit = 99999;
  int32_t pointsLimit = 0;
};

class SchwimmenFixture : public FamilyTableFixture {
 public:
  static void setOptions(const TSchwimmenOptions& o) {
    TSchwimmenArea& a = schwimmenArea();
    a.firstDealerOption = o.dealer;
    a.tripleRule = o.tripleRule ? 1 : 0;
    a.swapAllAllowed = o.swapAll ? 1 : 0;
    a.scorePositive = o.positive ? 1 : 0;
    a.gameLimit = o.gameLimit;
    a.pointsLimit = o.pointsLimit;
  }
  // A new list with these options; every seat played by the computer unless `user`.
  static void newList(const TSchwimmenOptions& o, bool user = false) {
    resetTable(o.seats);
    setOptions(o);
    startGame(true, user);
  }
  static void startGame(bool list, bool user = false) {
    screenMode = 1;
    cg.startGame(gidSchwimmen, list ? 0 : 1);
    for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = seatKindComputer;
    if (user) cg.seatRecords[1].kind = seatKindUser;
  }

  // A position in the play: the hands of seats 1..n, the middle and the stock (bottom
  // first), phase 4 at the start of the seat's turn. Seats are the user's unless `computer`.
  static void position(const std::vector<std::string>& hands, const std::string& middle, const std::string& stock,
                       int32_t seat, const TSchwimmenOptions& o = {}, bool computer = false) {
    cg.gameId = gidSchwimmen;
    playerCount = cg.seatCount = int32_t(hands.size());
    setOptions(o);
    TSchwimmenArea& a = schwimmenArea();
    a.knockTurns = a.passCount = a.lastLaidSlot = 0;
    a.knocked = 0;
    schwimmenInitSortKeys();
    for (int s = 1; s <= stackCount; s++) put(s, "");
    for (size_t i = 0; i < hands.size(); i++) put(int32_t(i + 1), hands[i]);
    put(12, middle);
    put(11, stock);
    for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = computer ? seatKindComputer : seatKindUser;
    cg.gs.phase = 4;
    cg.gs.step = 0;
    cg.gs.akspieler = seat;
    cg.gs.dealer = seat;
    cg.gs.awaitingAction = 0;
    cg.gs.pendingMove = 0;
    screenMode = 1;
  }

  static bool asked(int32_t kind) {
    return cg.gs.awaitingAction == 2 && cg.gs.bl.decisionKind == kind && pendingMoveCount == 0;
  }
  // Frames until the seat to act is asked the turn (or the game ends).
  static bool untilTurn() {
    return runUntil([] { return asked(schwimmenDecisionTurn) || cg.gs.phase == 5; });
  }

  static std::string misplacedCards() {
    return FamilyTableFixture::misplacedCards({1, 2, 3, 4, 5, 6, 11, 12, 15, 16}, 32);
  }
};
