// Doppelkopf's table of calls: every call the core and the card table make into Doppelkopf,
// and its answers to the decision builder's questions.
//
// [SECTION] calls by role
// [SECTION] the table
#include "games/skat/doppelkopf_registration.h"

#include "core/game_callbacks.h"
#include "engine/engine_services.h"
#include "games/skat/doppelkopf_ai.h"
#include "games/skat/doppelkopf_area_image.h"
#include "games/skat/doppelkopf_callbacks.h"
#include "games/skat/doppelkopf_game_step.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_scoring.h"
#include "games/skat/doppelkopf_vorbehalt.h"

namespace {

// [SECTION] calls by role

bool listOver(const TGameResult&) { return doppelkopfIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  doppelkopfListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  doppelkopfResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  doppelkopfEnterHighscore(out);
  return out;
}

}  // namespace

// [SECTION] the table

const TGameCallbacks doppelkopfGameCallbacks = {
    .newGame = doppelkopfNewGame,
    .gameStep = doppelkopfGameStep,
    .resume = doppelkopfResume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = doppelkopfAIMove,
    .checkAction = doppelkopfCheckAction,
    .aiObserve = doppelkopfAIObserve,
    .isTrump = doppelkopfIsTrump,
    .isSeatHandOpen = nullptr,
    .isLegalCard = doppelkopfIsLegalCard,
    .isLegalFollow = doppelkopfIsLegalFollow,
    .allCardsSelectable = nullptr,
    .ledTrickCard = doppelkopfLedCard,
    .refreshSeatMarks = doppelkopfRefreshPlayers,
    .areaAnswers = doppelkopfInstallAreaQueries,
    .listsToArea = doppelkopfListsToArea,
    .listsFromArea = doppelkopfListsFromArea,
    .areaImageIo = doppelkopfAreaImageIo,
};

void registerDoppelkopfGame() { registerGameCallbacks(gidDoppelkopf, &doppelkopfGameCallbacks); }
