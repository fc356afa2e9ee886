// Owner of Skat's program-wide records: the Skat area in use, its records and the module
// card lists.
#include "games/skat/skat_state.h"

#include "core/cg.h"

namespace {

constexpr TSkatArea initialArea() {
  TSkatArea a{};
  a.options = skatDefaultOptions;
  return a;
}

// The Skat area until the game state holds one; lives for the whole run.
constinit TSkatArea programArea = initialArea();

}  // namespace

TSkatArea* skatArea = &programArea;
TSkatGameRecord* skatGame = &programArea.game;
TSkatBidRecord* skatBid = &programArea.bid;

void skatAttachArea(TSkatArea& area) {
  skatArea = &area;
  skatGame = &area.game;
  skatBid = &area.bid;
}

TSkatArea& skatGameArea() { return gameArea<TSkatArea>(cg.gs.skat); }
TSkatSavedLists& skatGameLists() { return gameArea<TSkatSavedLists>(cg.gs.skatLists); }

int32_t& skatSeatToAct() { return cg.gs.akspieler; }

THand lastTrick;
THand playedCards;
THand declarerTricks;
THand defenderTricks;
LArray<THand, 1, 3> wonCards;
THand pressedSkat;
LArray<THand, 1, 3> dealtHands;
THand dealtSkat;

ShortString<255> pendingSpecialGames;
uint8_t nullTrickTaken = 0;
