// Skat's table of calls: every call the core and the card table make into Skat, and its
// answers to the decision builder's questions, read from its own area.
//
// [SECTION] calls by role
// [SECTION] the area's answers
// [SECTION] the table
#include "games/skat/skat_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_area_image.h"
#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_game_step.h"
#include "games/skat/skat_rules.h"

namespace {

// [SECTION] calls by role

// Skat resumes in one phase, before the seats are restored.
void resume(int phase) {
  if (phase == 0) skatResume();
}

bool listOver(const TGameResult&) { return skatIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  skatListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  skatResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  skatEnterHighscore(out);
  return out;
}

bool handOpen(int32_t seat) { return skatIsSeatHandOpen(seat, false); }

bool legalFollow(const TCard&, const TCard&) { return skatIsLegalFollow(); }

// [SECTION] the area's answers

void areaAnswers(TGameAreaQueries& q) {
  q.skatNextBidValue = [] {
    const TSkatArea& a = skatGameArea();
    return a.skatBidIndex >= 1 && a.skatBidIndex <= skatBidListCapacity ? a.skatBidList[a.skatBidIndex] : 0;
  };
  q.skatCurrentBid = [] { return skatGameArea().currentBid; };
  q.skatPlaysForMoney = [] { return skatGameArea().options.money != 0; };
  q.skatMoneyRate = [] { return skatGameArea().options.moneyRate; };
  // Only a won suit game of type 0 or 14 is applauded.
  q.skatApplauds = [] {
    const TSkatGameRecord& g = skatGameArea().game;
    return g.won && (g.gameType == 0 || g.gameType == 14);
  };
}

}  // namespace

// [SECTION] the table

const TGameCallbacks skatGameCallbacks = {
    .newGame = skatNewGame,
    .gameStep = skatGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = skatAIMove,
    .checkAction = skatCheckAction,
    .aiObserve = nullptr,
    .isTrump = skatIsTrumpOfBid,
    .isSeatHandOpen = handOpen,
    .isLegalCard = skatIsLegalCard,
    .isLegalFollow = legalFollow,
    .allCardsSelectable = skatAllCardsSelectable,
    .ledTrickCard = skatLedCard,
    .refreshSeatMarks = skatUpdatePlayerLabels,
    .areaAnswers = areaAnswers,
    .listsToArea = skatListsToArea,
    .listsFromArea = skatListsFromArea,
    .areaImageIo = skatAreaImageIo,
    .keepsStacksAroundAIMove = true,
    .handClosesWithoutMoves = true,
};

void registerSkatGame() { registerGameCallbacks(gidSkat, &skatGameCallbacks); }
