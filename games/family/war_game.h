// War's flow: the new game, the step machine, the end of a game and of a list, the texts, the
// resume and the check of answers. The core calls these through War's table of calls.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

struct TGameState;

void warStartGame(bool newList);
void warGameStep(TGameState& gs);
void warResume();
void warGameOver();
bool warIsListOver();
void warListText(std::string& text);
void warResultText(const TGameResult& result, std::string& text);
void warEnterHighscore(std::string& text);
// The answer fits the open decision: decision 124 takes its option or the seat's own pile
// (or a card of it), decision 37 its option. Anything else is refused, with a trace line, and stays open.
bool warCheckAction(int kind, int32_t a, int32_t b);
