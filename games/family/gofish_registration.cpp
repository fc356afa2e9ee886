// Go Fish's table of calls: the core's and the card table's calls into Go Fish, its answers
// to the decision builder, and its area in the saved image.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/family/gofish_registration.h"

#include "core/card_ai.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/family/gofish_ai.h"
#include "games/family/gofish_game.h"
#include "games/family/gofish_rules.h"

namespace {

// [SECTION] calls by role

// Go Fish resumes once, before the seats' names are restored.
void resume(int phase) {
  if (phase == 0) goFishResume(false);
}

bool listOver(const TGameResult&) { return goFishIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  goFishListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  goFishResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  goFishEnterHighscore(out);
  return out;
}

bool legalCard(const TCard&) { return true; }

void areaAnswers(TGameAreaQueries& q) {
  q.goFishSeatFromCurrent = goFishSeatFromCurrent;
  q.goFishFlag = [] { return goFishArea().askedSeat != 0; };
  q.goFishAskedRank = [] { return goFishArea().askedRank; };
}

// [SECTION] the area in the image

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TGoFishArea& a = gameArea<TGoFishArea>(gs.goFish);
  io.align(4);
  io.i32(a.fishSeatOrder);
  io.i32(a.gameLimit);
  io.i32(a.pointsLimit);
  io.i32(a.dealCount);
  io.u8(a.pairsVariant);
  io.u8(a.drawFromSpread);
  io.align(4);
  io.i32(a.bookSize);
  io.u8(a.endWhenEmpty);
  io.align(4);
  io.i32(a.emptyHandRefill);
  handIo(io, a.askSelection);
  io.align(4);
  io.i32(a.askedSeat);
  io.i32(a.askedRank);
  io.i32(a.asker);
  io.i32(a.bookRank);
  handIo(io, a.bookCards);
  io.align(4);
  io.i32(a.lastGain);
}

}  // namespace

// [SECTION] the table

const TGameCallbacks goFishGameCallbacks = {
    .newGame = goFishNewGame,
    .gameStep = goFishGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = nullptr,  // the core's autoDecide answers for a seat without the card-AI object
    .checkAction = goFishCheckAction,
    .isLegalCard = legalCard,
    .areaAnswers = areaAnswers,
    .areaImageIo = areaImageIo,
    .tableLayout = goFishTableLayout,
};

void registerGoFishGame() {
  registerGameCallbacks(gidGoFish, &goFishGameCallbacks);
  cardAIFactories.goFish = createGoFishAI;
}
