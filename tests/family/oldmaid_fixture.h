// Old Maid played headless: a new list with given options, positions built card by card, and
// the check that every card of the deck lies in exactly one of its stacks.
#pragma once

#include "games/family/oldmaid_game.h"
#include "games/family/oldmaid_rules.h"
#include "tests/family/war_fixture.h"

struct TOldMaidOptions {
  int32_t seats = 3;
  int32_t gameLimit = 99999;
  int32_t pointsLimit = 0;
  bool colourPairs = false;
  int32_t maidCard = 1;
  bool drawFromAny = false;
};

class OldMaidFixture : public FamilyTableFixture {
 public:
  static void setOptions(const TOldMaidOptions& o) {
    TOldMaidArea& a = oldMaidArea();
    a.gameLimit = o.gameLimit;
    a.pointsLimit = o.pointsLimit;
    a.colourPairs = o.colourPairs ? 1 : 0;
    a.maidCard = o.maidCard;
    a.drawFromAny = o.drawFromAny ? 1 : 0;
  }
  // A new list with these options; every seat played by the computer.
  static void newList(const TOldMaidOptions& o) {
    resetTable(o.seats);
    setOptions(o);
    startGame(true);
  }
  static void startGame(bool list) {
    screenMode = 1;
    cg.startGame(gidOldMaid, list ? 0 : 1);
    for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = seatKindComputer;
  }

  // A position in the play: the hands of seats 1..n (one text per seat), phase 4, the given
  // turn state and seat to act.
  static void position(const std::vector<std::string>& hands, int32_t turnState, int32_t seat,
                       const TOldMaidOptions& o = {}) {
    cg.gameId = gidOldMaid;
    playerCount = cg.seatCount = int32_t(hands.size());
    setOptions(o);
    TOldMaidArea& a = oldMaidArea();
    a.maidSeatOrder = 1;
    a.deckSize = o.maidCard == 2 ? 53 : 49;
    a.openingDiscards = turnState == 1 ? 1 : 0;
    a.drawAgain = 0;
    a.pairRank = 0;
    a.pairCards.anz = 0;
    oldMaidInitSortKeys();
    for (int s = 1; s <= stackCount; s++) put(s, "");
    for (size_t i = 0; i < hands.size(); i++) put(int32_t(i + 1), hands[i]);
    for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.phase = 4;
    cg.gs.subState = uint8_t(turnState);
    cg.gs.subStep = 0;
    cg.gs.akspieler = seat;
    cg.gs.awaitingAction = 0;
    cg.gs.pendingMove = 0;
    cg.gs.step = 0;
    screenMode = 1;
  }

  static std::string misplacedCards() {
    return FamilyTableFixture::misplacedCards({1, 2, 3, 4, 5, 6, 11, 12, 15, 16, 17, 18, 19, 20},
                                              oldMaidArea().deckSize);
  }
};
