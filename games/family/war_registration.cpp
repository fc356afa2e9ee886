// War's table of calls: the core's and the card table's calls into War, and War's area in
// the saved image.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/family/war_registration.h"

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/family/war_game.h"
#include "games/family/war_rules.h"

namespace {

// [SECTION] calls by role

// War resumes once, before the seats' names are restored.
void resume(int phase) {
  if (phase == 0) warResume();
}

bool listOver(const TGameResult&) { return warIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  warListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  warResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  warEnterHighscore(out);
  return out;
}

void tableLayout() { warTableLayout(0, 0); }

std::string panelText(int32_t seat) {
  std::string out;
  warPanelText(seat, out);
  return out;
}

// [SECTION] the area in the image

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TWarArea& a = gameArea<TWarArea>(gs.war);
  io.align(4);
  io.i32(a.warSeatOrder);
  io.i32(a.gameLimit);
  io.i32(a.pointsLimit);
  io.u8(a.jokerWars);
  io.align(4);
  io.i32(a.warsToWin);
  io.i32(a.roundWinner);
  arrayIo(io, a.warsWon, i32Io);
  io.i32(a.potCardsMoved);
  for (auto& seat : a.potFaceUp) arrayIo(io, seat, u8Io);
  io.align(4);
  io.i32(a.savedSeat);
}

}  // namespace

// [SECTION] the table

const TGameCallbacks warGameCallbacks = {
    .newGame = warStartGame,
    .gameStep = warGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = nullptr,  // the core's autoDecide answers for every seat
    .checkAction = warCheckAction,
    .areaImageIo = areaImageIo,
    .cardFaceUp = warIsCardFaceUp,
    .placeSeat = warPlaceSeat,
    .tableLayout = tableLayout,
    .panelText = panelText,
};

void registerWarGame() { registerGameCallbacks(gidWar, &warGameCallbacks); }
