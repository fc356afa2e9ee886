// Old Maid's flow: the new game, the step machine, the end of a game and of a list, the texts,
// the resume and the check of answers. The core calls these through Old Maid's table of calls.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

struct TGameState;

void oldMaidNewGame(bool newList);
void oldMaidGameStep(TGameState& gs);
void oldMaidResume();
void oldMaidGameOver();
bool oldMaidIsListOver();
void oldMaidListText(std::string& text);
void oldMaidResultText(const TGameResult& result, std::string& text);
void oldMaidEnterHighscore(std::string& text);
void oldMaidShowMarks();
// The answer fits the open decision: a draw takes a card that exists in the seat it may come
// from, the pair its one option. Anything else is refused, with a trace line, and stays open.
bool oldMaidCheckAction(int kind, int32_t a, int32_t b);
