// The core's calls into the games, chosen by cg.gameId. Each game adds its cases when it is
// built; until then a game answers the neutral value given with each call. A game may also
// come as a table of callbacks registered for its id (registerGameCallbacks): a registered
// table answers before the built-in cases, for every call it fills.
//
// [SECTION] callback tables
// [SECTION] the games' calls
// [SECTION] area questions of the end of a game
#pragma once

#include <cstdint>
#include <string>

#include "core/game_id.h"
#include "core/game_result.h"

struct TGameState;

// [SECTION] callback tables

// One game's calls by role. An empty entry means the game has no such call.
struct TGameCallbacks {
  void (*newGame)(bool newList) = nullptr;               // NewGame: first TCG::prepareNewGame
  void (*gameStep)(TGameState& gs) = nullptr;            // GameStep: one step of its machine
  void (*resume)() = nullptr;                            // Resume: after a saved game was loaded
  std::string (*enterHighscore)() = nullptr;             // EnterHighscore: the congratulation
  bool (*isListOver)(const TGameResult& r) = nullptr;    // IsListOver
  std::string (*listText)(const TGameResult& r) = nullptr;    // ListText: the summary line
  std::string (*resultText)(const TGameResult& r) = nullptr;  // ResultText: the result box
  void (*aiMove)() = nullptr;                            // AIMove: the seat to act moves
  void (*aiObserve)(int kind, int32_t a, int32_t b) = nullptr;  // AIObserve
};

// Registers a table for a game id (nullptr removes it). The table must outlive its
// registration.
void registerGameCallbacks(TGameId id, const TGameCallbacks* table);
// The table registered for the id, or nullptr.
const TGameCallbacks* registeredGameCallbacks(TGameId id);

// [SECTION] the games' calls

// <game>NewGame of the id; false when the id has none (nothing was started).
bool gameNewGame(TGameId id, bool newList);
// <game>GameStep of the current game; false when it has none.
bool gameStepCall(TGameState& gs);
// <game>AIMove, or autoDecide for War, Go Fish and Old Maid; false when the game has none.
bool gameAIMove();
// <game>AIObserve of the games with procedural observers.
void gameAIObserve(int kind, int32_t a, int32_t b);
// <game>Resume; Hearts takes its phase (0 before the seats are restored, 1 after).
void gameResume(int heartsPhase);

// <game>ResultText: the text of the result box; "" for Blackjack and games not built.
std::string gameResultText(const TGameResult& result);
// <game>IsListOver; false for games not built.
bool gameIsListOver(const TGameResult& result);
// <game>ListText: the summary line of the game list; "" for games not built.
std::string gameListText(const TGameResult& result);
// <game>EnterHighscore (Rommé and Gin Rummy share one): the congratulation text, "" when no
// entry was made or the game is not built.
std::string gameEnterHighscore();

// [SECTION] area questions of the end of a game
bool rommeIsGinVariant();          // Rommé runs as Gin Rummy; false until the Rommé area exists
bool rommeHighscoreFlag();         // Rommé's flag for highscore entries; false until then
bool maumauWinnerCollects();       // Mau-Mau's winner-collects scoring; false until its area exists
int pokerHighscoreTable();         // 3 split limit, 2 pot limit, 1 neither (1 until the poker area exists)
// formatMoney of the chip games; the decimal amount until they exist.
std::string gameFormatMoney(int32_t amount);
