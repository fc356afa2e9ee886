// Schnapsen's table of calls: every call the core and the card table make into Schnapsen,
// its area in the saved image, and its answers to the decision builder's questions.
//
// [SECTION] the area in the image
// [SECTION] calls by role
// [SECTION] the table
#include "games/family/schnapsen_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/family/schnapsen_ai.h"
#include "games/family/schnapsen_game.h"
#include "games/family/schnapsen_results.h"
#include "games/family/schnapsen_rules.h"

// [SECTION] the area in the image

void schnapsenAreaIo(TRecordIo& io, TGameState& gs) {
  TSchnapsenState& a = gameArea<TSchnapsenState>(gs.schnapsen);
  io.i32(a.bummerlLimit);
  io.i32(a.pointsPerBummerl);
  io.u8(a.closingAllowed);
  io.u8(a.exchangeAllowed);
  for (auto* pair : {&a.bummerlWon, &a.totalPoints, &a.pointsAtClosing}) arrayIo(io, *pair, i32Io);
  io.i32(a.closer);
  arrayIo(io, a.marriagePoints, i32Io);
  io.i32(a.direction);
  io.u8(a.variant);
  io.i32(a.trumpSuit);
  for (uint8_t* flag : {&a.strictRules, &a.closed, &a.marriageBusy}) io.u8(*flag);
  for (int32_t* v : {&a.marriagePartner, &a.lastTrickSeat}) io.i32(*v);
  arrayIo(io, a.shownMarriage, i32Io);
  io.i32(a.precomputeSeat);
  io.i32(a.precomputeCard);
}

namespace {

// [SECTION] calls by role

void resume(int phase) { schnapsenResume(phase); }

// The end of a game fills the score sheet, which also sets the standings.
std::string listText(const TGameResult& r) {
  schnapsenScoreSheet(schnapsenListOver(r));
  return "";
}

bool rowValuesAreTotals() { return true; }

void areaAnswers(TGameAreaQueries& q) {
  // Closing and exchanging end with the stock: "closed" is the strict rules' flag.
  q.schnapsenTalonClosed = [] { return schnapsenArea().strictRules != 0; };
  q.schnapsenMayClose = [] { return schnapsenArea().closingAllowed != 0; };
  q.schnapsenMayExchange = [] { return schnapsenArea().exchangeAllowed != 0; };
  q.schnapsenTrumpExchangeCard = schnapsenSeatExchangeCard;
  q.schnapsenStartValue = [] { return schnapsenArea().pointsPerBummerl; };
}

void areaImage(TRecordIo& io, TGameState& gs) { schnapsenAreaIo(io, gs); }

void trickLayout() { schnapsenTrickLayout(); }

bool announceMarriage(int32_t mode, int32_t slot) { return schnapsenAnnounceMarriage(mode, 0, slot); }
bool marriageBusy() { return schnapsenArea().marriageBusy != 0; }
void tableLayout() { schnapsenTableLayout(); }

// [SECTION] the table

const TGameCallbacks schnapsenGameCallbacks = {
    .newGame = schnapsenNewGame,
    .gameStep = schnapsenGameStep,
    .resume = resume,
    .enterHighscore = schnapsenEnterHighscore,
    .isListOver = schnapsenListOver,
    .listText = listText,
    .resultText = schnapsenResultText,
    .aiMove = schnapsenAIMove,
    .checkAction = schnapsenCheckAction,
    .isLegalCard = schnapsenIsLegalCard,
    .isLegalFollow = schnapsenIsLegalFollow,
    .areaAnswers = areaAnswers,
    .areaImageIo = areaImage,
    .tableLayout = tableLayout,
    .trickLayout = trickLayout,
    .rowValuesAreTotals = rowValuesAreTotals,
    .frameSearch = schnapsenFrameSearch,
    .announceMarriage = announceMarriage,
    .marriageBusy = marriageBusy,
    .shownHandCard = schnapsenIsShownMarriageCard,
    .pileLabel = schnapsenPointsText,
};

}  // namespace

void registerSchnapsenGame() { registerGameCallbacks(gidSchnapsen, &schnapsenGameCallbacks); }
