// Mau-Mau's table of calls: every call the core and the card table make into Mau-Mau, and
// its answers to the decision builder's questions, read from its state record.
//
// [SECTION] calls by role
// [SECTION] the area's answers
// [SECTION] the table
#include "games/family/maumau_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
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

int32_t wishedSuit() { return maumau.wishedSuit; }
bool winnerCollects() { return maumau.positiveScoring; }

// [SECTION] the area's answers

void areaAnswers(TGameAreaQueries& q) {
  q.maumauPenaltyCounter = []() -> int32_t& { return maumau.penaltyCount; };
  q.maumauLastDecision = []() -> int32_t& { return maumau.penaltyKind; };
  q.maumauStackDraw = [] { return maumau.stackDrawTwo; };
  q.maumauStackSkip = [] { return maumau.stackSkip; };
  q.maumauSaidMau = [](int32_t seat) { return seat >= 1 && seat <= maumauMaxSeats && maumau.saidMau[seat]; };
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
    .cardRole = maumauCardRole,
    .wishedSuit = wishedSuit,
    .winnerCollects = winnerCollects,
};

void registerMaumauGame() { registerGameCallbacks(gidMauMau, &maumauGameCallbacks); }
