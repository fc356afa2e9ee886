// Dispatch of the core's per-game calls through the table registered for the game id. A
// game without a table, or without the entry, answers neutrally.
//
// [SECTION] registered tables
// [SECTION] the games' calls
// [SECTION] end of a game
// [SECTION] the game's area around saving and loading
#include "core/game_callbacks.h"

#include "core/auto_decide.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "platform/records.h"

// [SECTION] registered tables

namespace {
LArray<const TGameCallbacks*, 0, gidNone> registered{};

// The table for the current game, or nullptr.
const TGameCallbacks* current() { return registeredGameCallbacks(cg.gameId); }
}  // namespace

void registerGameCallbacks(TGameId id, const TGameCallbacks* table) {
  if (id > gidNone) return;
  registered[id] = table;
  if (table && table->areaAnswers) table->areaAnswers(gameAreas);
}

const TGameCallbacks* registeredGameCallbacks(TGameId id) { return id <= gidNone ? registered[id] : nullptr; }

void applyRegisteredAreaAnswers(TGameAreaQueries& q) {
  for (const TGameCallbacks* t : registered)
    if (t && t->areaAnswers) t->areaAnswers(q);
}

// [SECTION] the games' calls

bool gameNewGame(TGameId id, bool newList) {
  const TGameCallbacks* t = registeredGameCallbacks(id);
  if (!t || !t->newGame) return false;
  t->newGame(newList);
  return true;
}

bool gameStepCall(TGameState& gs) {
  const TGameCallbacks* t = current();
  if (!t || !t->gameStep) return false;
  t->gameStep(gs);
  return true;
}

bool gameAIMove() {
  const TGameCallbacks* t = current();
  if (t && t->aiMove) {
    t->aiMove();
    return true;
  }
  switch (cg.gameId) {
    case gidOldMaid:
    case gidGoFish:
    case gidWar:
      autoDecide(false);
      return true;
    default:
      return false;
  }
}

bool gameAcceptAction(int kind, int32_t a, int32_t b) {
  const TGameCallbacks* t = current();
  if (!t) return true;
  if (t->checkAction && !t->checkAction(kind, a, b)) return false;
  if (t->aiObserve) t->aiObserve(kind, a, b);
  return true;
}

void gameResume(int phase) {
  const TGameCallbacks* t = current();
  if (t && t->resume) t->resume(phase);
}

bool gameSeatMarked(int32_t seat) {
  const TGameCallbacks* t = current();
  return t && t->seatMarked && t->seatMarked(seat);
}

// [SECTION] end of a game

std::string gameResultText(const TGameResult& result) {
  const TGameCallbacks* t = current();
  return t && t->resultText ? t->resultText(result) : std::string();
}

bool gameIsListOver(const TGameResult& result) {
  const TGameCallbacks* t = current();
  return t && t->isListOver && t->isListOver(result);
}

std::string gameListText(const TGameResult& result) {
  const TGameCallbacks* t = current();
  return t && t->listText ? t->listText(result) : std::string();
}

std::string gameEnterHighscore() {
  const TGameCallbacks* t = current();
  return t && t->enterHighscore ? t->enterHighscore() : std::string();
}

bool rommeIsGinVariant() { return gameAreas.variantFlag && gameAreas.variantFlag(gidGinRummy); }

bool rommeHighscoreFlag() {
  const TGameCallbacks* t = registeredGameCallbacks(gidRomme);
  return t && t->highscoreFlag && t->highscoreFlag();
}

bool maumauWinnerCollects() {
  const TGameCallbacks* t = registeredGameCallbacks(gidMauMau);
  return t && t->winnerCollects && t->winnerCollects();
}

int pokerHighscoreTable() {
  const TGameCallbacks* t = registeredGameCallbacks(gidPoker);
  return t && t->highscoreTable ? t->highscoreTable() : 1;
}

bool gameRowValuesAreTotals() {
  const TGameCallbacks* t = registeredGameCallbacks(cg.gameId);
  return t && t->rowValuesAreTotals && t->rowValuesAreTotals();
}

void gameFrameSearch() {
  if (const TGameCallbacks* t = registeredGameCallbacks(cg.gameId); t && t->frameSearch) t->frameSearch();
}

std::string gameFormatMoney(int32_t amount) {
  const TGameCallbacks* t = current();
  return t && t->formatMoney ? t->formatMoney(amount) : std::to_string(amount);
}

// [SECTION] the game's area around saving and loading

void gameListsToArea() {
  const TGameCallbacks* t = current();
  if (t && t->listsToArea) t->listsToArea();
}

void gameListsFromArea() {
  const TGameCallbacks* t = current();
  if (t && t->listsFromArea) t->listsFromArea();
}

void gameAreasImageIo(TRecordIo& io, TGameState& gs) {
  static constexpr TGameId order[] = {gidMauMau,   gidHearts,    gidGoFish, gidOldMaid, gidWar,
                                      gidSkat,     gidSchwimmen, gidRomme,  gidCanasta, gidDoppelkopf,
                                      gidSchafkopf, gidPoker,    gidSchnapsen, gidBlackjack, gidJass};
  for (TGameId id : order)
    if (const TGameCallbacks* t = registered[id]; t && t->areaImageIo) t->areaImageIo(io, gs);
}
