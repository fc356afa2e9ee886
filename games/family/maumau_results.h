// Mau-Mau's options and results: the options record read at a list's start, the result of a
// finished game and the core's list callbacks.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

// The rank code of a role list's entry 1..13 (ace, two .. six, seven, nine, ten, jack, queen,
// king, "*Keine"); 0 for any other entry.
int32_t maumauRankFromOption(int32_t entry);
// The number before the first blank of a list entry that starts with a digit, else 99999.
int32_t maumauOptionNumber(const std::string& text);
// Reads the options into the state record at a list's start.
void maumauReadOptions();

// The result of the finished game, handed to TCG::endRound.
TGameResult maumauBuildResult();
void maumauRoundResult();

bool maumauIsListOver();
std::string maumauListText();
std::string maumauResultText(const TGameResult& result);
std::string maumauEnterHighscore();
