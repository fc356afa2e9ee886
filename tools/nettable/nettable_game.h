// nettable's real games: Skat or Canasta played by the core without a screen at a network
// table. Seat 1 of every machine is played by its computer (autoPlay), the continue
// reactions are pressed between games, and each finished game prints a line with the state
// summary and the list values in network seat order, so that a test can compare machines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct TableGameSettings {
  std::string game;          // "skat" or "canasta"
  int32_t machines = 1;      // host: the machines that must hold a seat before the start
  std::string options;       // the table's eight option digits; empty: the game's defaults
  uint64_t seed = 1;
};

// The core without a screen, the game's hooks on the program's transport, the frame handler.
void setUpTableGame(const TableGameSettings& settings, std::function<void(const std::string&)> say);
// At the host: every machine holds its seat; the table's rules go out and play starts.
bool tableGameReady();
void startTableGame();
// One frame of the main loop.
void tableGameFrame();
// The list is over on this machine, or its network game ended.
bool tableGameOver();
