// The core's calls into the games and its questions about their areas of the game state,
// chosen by cg.gameId. Each game adds its cases when it is built; until then a game answers
// the neutral value given with each call.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

// <game>ResultText: the text of the result box; "" for Blackjack and games not built.
std::string gameResultText(const TGameResult& result);
// <game>IsListOver; false for games not built.
bool gameIsListOver(const TGameResult& result);
// <game>ListText: the summary line of the game list; "" for games not built.
std::string gameListText(const TGameResult& result);
// <game>EnterHighscore (Rommé and Gin Rummy share one): the congratulation text, "" when no
// entry was made or the game is not built.
std::string gameEnterHighscore();

// Area questions.
bool rommeIsGinVariant();          // Rommé runs as Gin Rummy; false until the Rommé area exists
bool rommeHighscoreFlag();         // Rommé's flag for highscore entries; false until then
bool maumauWinnerCollects();       // Mau-Mau's winner-collects scoring; false until its area exists
int pokerHighscoreTable();         // 3 split limit, 2 pot limit, 1 neither (1 until the poker area exists)
// formatMoney of the chip games; the decimal amount until they exist.
std::string gameFormatMoney(int32_t amount);
