// Rommé's and Gin Rummy's settlement of a hand, the list's end and text, the highscore entry
// and Gin Rummy's list bonuses.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

// The hand's points of every seat; the result goes to the core.
void rommeHandResult();
// The result the hand's end would report, without reporting it.
TGameResult rommeSettle();
bool rommeIsListOver();
std::string rommeListText();
std::string rommeResultText(const TGameResult& result);
std::string rommeEnterHighscore();
// Kinds: 0 the list total, 1 box, 2 game, 3 shutout bonus.
int32_t ginBonusPoints(int32_t seat, int32_t kind);
std::string ginBonusText(int32_t kind);
