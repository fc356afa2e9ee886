// Go Fish played headless: a new list with given options, positions built card by card, and
// the check that every card of the deck lies in exactly one of its stacks.
#pragma once

#include "games/family/gofish_ai.h"
#include "games/family/gofish_game.h"
#include "games/family/gofish_rules.h"
#include "shell/card_ai_lookup.h"
#include "tests/family/war_fixture.h"

struct TGoFishOptions {
  int32_t seats = 3;
  int32_t gameLimit = 99999;
  int32_t pointsLimit = 0;
  int32_t dealCount = 7;
  bool pairs = false;
  bool endWhenEmpty = false;
  int32_t emptyHandRefill = 0;
};

class GoFishFixture : public FamilyTableFixture {
 public:
  static void setOptions(const TGoFishOptions& o) {
    TGoFishArea& a = goFishArea();
    a.gameLimit = o.gameLimit;
    a.pointsLimit = o.pointsLimit;
    a.dealCount = o.dealCount;
    a.pairsVariant = o.pairs ? 1 : 0;
    a.bookSize = o.pairs ? 2 : 4;
    a.endWhenEmpty = o.endWhenEmpty ? 1 : 0;
    a.emptyHandRefill = o.emptyHandRefill;
  }
  static void newList(const TGoFishOptions& o) {
    resetTable(o.seats);
    setOptions(o);
    startGame(true);
  }
  static void startGame(bool list) {
    screenMode = 1;
    cg.startGame(gidGoFish, list ? 0 : 1);
    for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = seatKindComputer;
  }
  static TGoFishAI* ai() { return dynamic_cast<TGoFishAI*>(getCardAIByType(gidGoFish)); }

  // A position in the play: the hands of seats 1..n, the stock (bottom first), phase 4, the
  // given turn state and seat to act.
  static void position(const std::vector<std::string>& hands, const std::string& stock, int32_t turnState,
                       int32_t seat, const TGoFishOptions& o = {}) {
    cg.gameId = gidGoFish;
    playerCount = cg.seatCount = int32_t(hands.size());
    setOptions(o);
    TGoFishArea& a = goFishArea();
    a.fishSeatOrder = 1;
    a.askedRank = a.askedSeat = a.asker = a.bookRank = a.lastGain = 0;
    goFishInitSortKeys();
    for (int s = 1; s <= stackCount; s++) put(s, "");
    for (size_t i = 0; i < hands.size(); i++) put(int32_t(i + 1), hands[i]);
    put(11, stock);
    for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.phase = 4;
    cg.gs.subState = uint8_t(turnState);
    cg.gs.akspieler = seat;
    cg.gs.awaitingAction = 0;
    cg.gs.pendingMove = 0;
    cg.gs.step = 0;
    screenMode = 1;
  }

  static std::string misplacedCards() {
    return FamilyTableFixture::misplacedCards({1, 2, 3, 4, 5, 6, 11, 12, 15, 16, 17, 18, 19, 20}, 52);
  }
};
