// Canasta's scoring at the end of a hand, its result and list texts, the list end and the
// three highscore tables (1 teams, 2 single seats, 3 lists of more than 15 games).
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

// The score of the seat's side for this hand and its breakdown text.
void canastaScoreText(int32_t seat, int32_t& score, std::string& text);
// The second text of the result: every seat's, or every team's, score text.
std::string canastaResultLongText();
// Builds the result and ends the round with it.
void canastaResultMessage();
void canastaResultText(const TGameResult& result, std::string& out);
void canastaListText(std::string& out);
bool canastaIsListOver();
int32_t canastaHighscoreTable();
void canastaEnterHighscore(std::string& out);
// The pass of turns around the table.
int32_t canastaRound();
