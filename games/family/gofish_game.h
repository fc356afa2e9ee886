// Go Fish's flow: the new game, the step machine, the end of a game and of a list, the texts,
// the resume and the check of answers. The core calls these through Go Fish's table of calls.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

struct TGameState;

void goFishNewGame(bool newList);
void goFishGameStep(TGameState& gs);
void goFishResume(bool keepSortKeys);
void goFishGameOver();
bool goFishIsListOver();
void goFishListText(std::string& text);
void goFishResultText(const TGameResult& result, std::string& text);
void goFishEnterHighscore(std::string& text);
void goFishShowMarks();
// The answer fits the open decision: a question takes an offered seat or one of the asker's
// hand cards, the other decisions their one option (a draw also the stock). Anything else is
// refused, with a trace line, and stays open.
bool goFishCheckAction(int kind, int32_t a, int32_t b);
