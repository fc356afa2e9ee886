// Mau-Mau's table of calls: every call the core and the card table make into Mau-Mau, and
// its answers to the decision builder's questions, read from its state record.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the area's answers
// [SECTION] the table
#include "games/family/maumau_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/family/maumau_ai.h"
#include "games/family/maumau_results.h"
#include "games/family/maumau_rules.h"
#include "games/family/maumau_state.h"
#include "games/family/maumau_step.h"

namespace {

// [SECTION] calls by role

bool listOver(const TGameResult&) { return maumauIsListOver(); }
std::string listText(const TGameResult&) { return maumauListText(); }

// The other hands lie open once the game is over.
bool handOpen(int32_t seat) { return seat != 1 && cg.gs.step == maumauStepOver; }

// The table asks while cards land, against the decision as it was shown.
bool legalFollow(const TCard& card, const TCard& top) { return maumauIsLegalFollow(card, top, true); }

bool noCardSelectable() { return false; }

int32_t wishedSuit() { return maumauArea().wishedSuit; }
bool winnerCollects() { return maumauArea().positiveScoring != 0; }

// [SECTION] the area in the image

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TMaumauState& a = gameArea<TMaumauState>(gs.maumau);
  cardIo(io, a.effectCard);
  for (int32_t* v : {&a.wishedSuit, &a.turnDirection, &a.penaltyCount, &a.savedPenalty, &a.penaltyKind}) io.i32(*v);
  arrayIo(io, a.roleRank, i32Io);
  io.i32(a.deckCopies);
  io.i32(a.dealerOption);
  io.i32(a.startCards);
  io.u8(a.positiveScoring);
  io.i32(a.roundLimit);
  io.i32(a.pointsLimit);
  for (uint8_t* flag : {&a.wishOnWish, &a.stackDrawTwo, &a.stackSkip, &a.sortByRank, &a.reshuffle, &a.announceRule})
    io.u8(*flag);
  arrayIo(io, a.saidMau, u8Io);
  io.i32(a.moveCounter);
}

// [SECTION] the area's answers

void areaAnswers(TGameAreaQueries& q) {
  q.maumauPenaltyCounter = []() -> int32_t& { return maumauArea().penaltyCount; };
  q.maumauLastDecision = []() -> int32_t& { return maumauArea().penaltyKind; };
  q.maumauStackDraw = [] { return maumauArea().stackDrawTwo != 0; };
  q.maumauStackSkip = [] { return maumauArea().stackSkip != 0; };
  q.maumauSaidMau = [](int32_t seat) { return seat >= 1 && seat <= maumauMaxSeats && maumauArea().saidMau[seat] != 0; };
  q.maumauPlayableCards = [](THand& out) { return maumauPlayableCards(out); };
}

}  // namespace

// [SECTION] the table

const TGameCallbacks maumauGameCallbacks = {
    .newGame = maumauNewGame,
    .gameStep = maumauGameStep,
    .resume = maumauResume,
    .enterHighscore = maumauEnterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = maumauResultText,
    .aiMove = maumauAIMove,
    .isSeatHandOpen = handOpen,
    .isLegalCard = maumauIsLegalCard,
    .isLegalFollow = legalFollow,
    .allCardsSelectable = noCardSelectable,
    .areaAnswers = areaAnswers,
    .areaImageIo = areaImageIo,
    .cardRole = maumauCardRole,
    .wishedSuit = wishedSuit,
    .winnerCollects = winnerCollects,
};

void registerMaumauGame() { registerGameCallbacks(gidMauMau, &maumauGameCallbacks); }
