// "Hoch": a small trick game that exists only in the tests. Three seats get three cards
// each; before the first trick the dealer's left neighbour is asked Kontra (decision 44),
// which doubles the game; then every seat plays a card (decision 58), the highest card
// takes the trick. A seat's value is its tricks times the multiplier; three games make a
// list. Its whole state lies in the game-state head and the stacks, so a saved game
// resumes it. It is registered for the Doppelkopf id, which no built game uses yet.
#pragma once

#include <string>
#include <vector>

#include "core/cg.h"
#include "core/game_callbacks.h"

constexpr TGameId testGameId = gidDoppelkopf;
constexpr int testGameSeats = 3;
constexpr int testGameListLength = 3;

// The game's steps (gs.step).
enum : int32_t {
  hochDeal = 0,
  hochAskKontra = 1,
  hochTakeKontra = 2,
  hochAskCard = 3,
  hochPlayCard = 4,
  hochCollect = 5,
  hochSettle = 6,
  hochOver = 99,
};

// The callback table (NewGame, GameStep, Resume, EnterHighscore, IsListOver, ListText,
// ResultText, AIMove).
const TGameCallbacks& hochCallbacks();

// What the game noticed, for the tests.
struct THochLog {
  std::vector<int> resumed;            // gs.step at each Resume
  std::vector<std::string> results;    // result texts in order
  int aiMoves = 0;                     // AIMove calls
};
THochLog& hochLog();

// The cards dealt in game n (1-based): nine cards, the first three to the dealer's left.
std::vector<TCard> hochDeck(int gameNumber);
