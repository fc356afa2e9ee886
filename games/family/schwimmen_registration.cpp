// Schwimmen's table of calls: the core's and the card table's calls into Schwimmen, and its
// area in the saved image.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/family/schwimmen_registration.h"

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/family/schwimmen_ai.h"
#include "games/family/schwimmen_game.h"
#include "games/family/schwimmen_rules.h"

namespace {

// [SECTION] calls by role

// Schwimmen resumes once, before the seats' names are restored.
void resume(int phase) {
  if (phase == 0) schwimmenResume();
}

bool listOver(const TGameResult&) { return schwimmenIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  schwimmenListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  schwimmenResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  schwimmenEnterHighscore(out);
  return out;
}

bool anyCard(const TCard&) { return true; }
bool anyFollow(const TCard&, const TCard&) { return true; }

// [SECTION] the area in the image

void planIo(TRecordIo& io, TSchwimmenPlan& p) {
  io.i32(p.handIndex);
  io.i32(p.middleIndex);
  cardIo(io, p.handCard);
  cardIo(io, p.middleCard);
  for (int32_t* v : {&p.kind, &p.key, &p.score, &p.collectedSuit, &p.collectedRank, &p.history1, &p.history2,
                     &p.history3})
    io.i32(*v);
}

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TSchwimmenArea& a = gameArea<TSchwimmenArea>(gs.schwimmen);
  io.align(4);
  io.i32(a.firstDealerOption);
  io.u8(a.tripleRule);
  io.u8(a.swapAllAllowed);
  io.u8(a.scorePositive);
  io.align(4);
  io.i32(a.gameLimit);
  io.i32(a.pointsLimit);
  io.i32(a.knockTurns);
  io.i32(a.passCount);
  io.u8(a.knocked);
  io.align(4);
  io.i32(a.lastLaidSlot);
  arrayIo(io, a.seatPlans, planIo);
}

}  // namespace

// [SECTION] the table

const TGameCallbacks schwimmenGameCallbacks = {
    .newGame = schwimmenNewGame,
    .gameStep = schwimmenGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = schwimmenAIMove,
    .checkAction = schwimmenCheckAction,
    .aiObserve = schwimmenAIObserve,
    .isSeatHandOpen = schwimmenIsSeatHandOpen,
    .isLegalCard = anyCard,
    .isLegalFollow = anyFollow,
    .areaImageIo = areaImageIo,
    .noteLaidSlot = schwimmenNoteLaidSlot,
};

void registerSchwimmenGame() { registerGameCallbacks(gidSchwimmen, &schwimmenGameCallbacks); }
