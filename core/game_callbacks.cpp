// Dispatch of the core's per-game calls by game id. A game that is built adds its case to
// each switch below, as in
//   case gidSkat: return skatIsListOver(result);
// Games not built yet fall to the default and answer neutrally. A registered table comes
// first.
//
// [SECTION] registered tables
// [SECTION] the games' calls
// [SECTION] end of a game
#include "core/game_callbacks.h"

#include "core/auto_decide.h"
#include "core/cg.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_game_step.h"
#include "platform/records.h"

// [SECTION] registered tables

namespace {
LArray<const TGameCallbacks*, 0, gidNone> registered{};

// The table for the current game, or nullptr.
const TGameCallbacks* current() { return registeredGameCallbacks(cg.gameId); }
}  // namespace

void registerGameCallbacks(TGameId id, const TGameCallbacks* table) {
  if (id <= gidNone) registered[id] = table;
}

const TGameCallbacks* registeredGameCallbacks(TGameId id) { return id <= gidNone ? registered[id] : nullptr; }

// [SECTION] the games' calls

bool gameNewGame(TGameId id, bool newList) {
  const TGameCallbacks* t = registeredGameCallbacks(id);
  if (t && t->newGame) {
    t->newGame(newList);
    return true;
  }
  switch (id) {
    case gidSkat:
      skatNewGame(newList);
      return true;
    default:
      return false;
  }
}

bool gameStepCall(TGameState& gs) {
  const TGameCallbacks* t = current();
  if (t && t->gameStep) {
    t->gameStep(gs);
    return true;
  }
  switch (cg.gameId) {
    case gidSkat:
      skatGameStep(gs);
      return true;
    default:
      return false;
  }
}

bool gameAIMove() {
  const TGameCallbacks* t = current();
  if (t && t->aiMove) {
    t->aiMove();
    return true;
  }
  switch (cg.gameId) {
    case gidSkat:
      skatAIMove();
      return true;
    case gidOldMaid:
    case gidGoFish:
    case gidWar:
      autoDecide(false);
      return true;
    default:
      return false;
  }
}

void gameAIObserve(int kind, int32_t a, int32_t b) {
  const TGameCallbacks* t = current();
  if (t && t->aiObserve) {
    t->aiObserve(kind, a, b);
    return;
  }
  switch (cg.gameId) {
    case gidSkat:  // Skat refuses what the open decision does not take
      skatCheckAction(kind, a, b);
      return;
    default:  // Schwimmen, Rommé, Canasta, Doppelkopf, Schafkopf observe once they are built
      return;
  }
}

void gameResume(int heartsPhase) {
  const TGameCallbacks* t = current();
  if (t && t->resume) {
    if (heartsPhase == 0) t->resume();
    return;
  }
  switch (cg.gameId) {
    case gidSkat:
      if (heartsPhase == 0) skatResume();
      return;
    default:  // Old Maid has none; the others resume once they are built
      return;
  }
}

// [SECTION] end of a game

std::string gameResultText(const TGameResult& result) {
  const TGameCallbacks* t = current();
  if (t && t->resultText) return t->resultText(result);
  std::string text;
  switch (cg.gameId) {
    case gidSkat:
      skatResultText(result, text);
      return text;
    default:
      return {};
  }
}

bool gameIsListOver(const TGameResult& result) {
  const TGameCallbacks* t = current();
  if (t && t->isListOver) return t->isListOver(result);
  switch (cg.gameId) {
    case gidSkat:
      return skatIsListOver();
    default:
      return false;
  }
}

std::string gameListText(const TGameResult& result) {
  const TGameCallbacks* t = current();
  if (t && t->listText) return t->listText(result);
  std::string text;
  switch (cg.gameId) {
    case gidSkat:
      skatListText(text);
      return text;
    default:
      return {};
  }
}

std::string gameEnterHighscore() {
  const TGameCallbacks* t = current();
  if (t && t->enterHighscore) return t->enterHighscore();
  std::string text;
  switch (cg.gameId) {
    case gidSkat:
      skatEnterHighscore(text);
      return text;
    default:
      return {};
  }
}

bool rommeIsGinVariant() { return false; }

bool rommeHighscoreFlag() { return false; }

bool maumauWinnerCollects() { return false; }

int pokerHighscoreTable() { return 1; }

std::string gameFormatMoney(int32_t amount) { return std::to_string(amount); }
