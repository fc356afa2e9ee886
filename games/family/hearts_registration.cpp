// Hearts' table of calls: every call the core and the card table make into Hearts, and its
// answers to the decision builder's questions, read from its own area.
#include "games/family/hearts_registration.h"

#include "core/card_ai.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "games/family/hearts_ai.h"
#include "games/family/hearts_game.h"
#include "games/family/hearts_rules.h"

void heartsAreaIo(TRecordIo& io, THeartsState& a) {
  io.i32(a.heartsSeating);
  io.i32(a.passOffset);
  for (THand* h : {&a.passSelection, &a.legalCards, &a.actingHand, &a.trick, &a.playedCards}) handIo(io, *h);
  for (int32_t* v : {&a.trickPosition, &a.lastTrickWinner, &a.tricksDone, &a.roundLimit, &a.pointsLimit}) io.i32(*v);
  io.u8(a.sonneRule);
  io.u8(a.heartsBroken);
  io.i32(a.sunShooter);
  io.i32(a.moonShooter);
}

namespace {

void resume(int phase) { heartsResume(phase != 0); }

bool listOver(const TGameResult&) { return heartsIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  heartsListText(1, out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  heartsResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  heartsEnterHighscore(out);
  return out;
}

TCard ledCard() { return heartsLeadCard(); }

// 1 left, 2 right, 3 across, by the deal's offset.
int32_t passDirection() {
  switch (heartsArea().passOffset) {
    case 1: return 2;
    case 2: return 3;
    default: return 1;
  }
}

void areaAnswers(TGameAreaQueries& q) {
  q.heartsPassDirection = passDirection;
  q.heartsPassPile = [] { return cg.gs.akspieler + heartsPileOffset; };
  q.heartsShowPassPrompt = heartsShowPassPrompt;
  q.heartsPassList = []() -> THand& { return heartsArea().passSelection; };
}

void areaImage(TRecordIo& io, TGameState& gs) { heartsAreaIo(io, gameArea<THeartsState>(gs.hearts)); }

const TGameCallbacks heartsGameCallbacks = {
    .newGame = heartsNewGame,
    .gameStep = heartsGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = nullptr,
    .checkAction = heartsCheckAction,
    .aiObserve = nullptr,
    .isTrump = nullptr,
    .isSeatHandOpen = heartsIsSeatHandOpen,
    .isLegalCard = heartsIsLegalCard,
    .isLegalFollow = heartsIsLegalFollow,
    .allCardsSelectable = nullptr,
    .ledTrickCard = ledCard,
    .refreshSeatMarks = heartsRefreshTableSigns,
    .areaAnswers = areaAnswers,
    .listsToArea = nullptr,
    .listsFromArea = nullptr,
    .areaImageIo = areaImage,
    .trickPosition = [] { return heartsArea().trickPosition; },
    .passesAcross = heartsIsPassAcross,
};

}  // namespace

void registerHeartsGame() {
  registerGameCallbacks(gidHearts, &heartsGameCallbacks);
  cardAIFactories.hearts = createHeartsAI;
}
