// Old Maid's table of calls: the core's and the card table's calls into Old Maid, its answers
// to the decision builder, and its area in the saved image.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/family/oldmaid_registration.h"

#include "core/card_ai.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/family/oldmaid_ai.h"
#include "games/family/oldmaid_game.h"
#include "games/family/oldmaid_rules.h"

namespace {

// [SECTION] calls by role

// Old Maid resumes once, before the seats' names are restored.
void resume(int phase) {
  if (phase == 0) oldMaidResume();
}

bool listOver(const TGameResult&) { return oldMaidIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  oldMaidListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  oldMaidResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  oldMaidEnterHighscore(out);
  return out;
}

void areaAnswers(TGameAreaQueries& q) {
  q.oldMaidFirstCount = [] { return int32_t(oldMaidArea().drawFromAny); };
  q.oldMaidRank = [] { return oldMaidArea().pairRank; };
  q.oldMaidNextSeatWithCards = oldMaidNextSeatWithCards;
  q.oldMaidDrawFromAny = [] { return oldMaidArea().drawFromAny != 0; };
}

// [SECTION] the area in the image

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TOldMaidArea& a = gameArea<TOldMaidArea>(gs.oldMaid);
  io.align(4);
  io.i32(a.maidSeatOrder);
  io.i32(a.gameLimit);
  io.i32(a.pointsLimit);
  io.u8(a.colourPairs);
  io.align(4);
  io.i32(a.maidCard);
  io.u8(a.drawFromAny);
  handIo(io, a.pairCards);
  io.align(4);
  io.i32(a.pairRank);
  io.i32(a.deckSize);
  io.u8(a.openingDiscards);
  io.align(4);
  io.i32(a.drawAgain);
  io.i32(a.markedSeat);
}

void placeSeat(TSpieler& stack) { oldMaidPlaceSeat(stack); }

}  // namespace

// [SECTION] the table

const TGameCallbacks oldMaidGameCallbacks = {
    .newGame = oldMaidNewGame,
    .gameStep = oldMaidGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = nullptr,  // the core's autoDecide answers for a seat without the card-AI object
    .checkAction = oldMaidCheckAction,
    .isSeatHandOpen = oldMaidIsSeatHandOpen,
    .areaAnswers = areaAnswers,
    .areaImageIo = areaImageIo,
    .placeSeat = placeSeat,
    .tableLayout = oldMaidTableLayout,
    .trickLayout = oldMaidScatterTrickCard,
};

void registerOldMaidGame() {
  registerGameCallbacks(gidOldMaid, &oldMaidGameCallbacks);
  cardAIFactories.oldMaid = createOldMaidAI;
}
