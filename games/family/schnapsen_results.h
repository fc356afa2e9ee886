// Schnapsen's end of a game and its list: the settlement handed to the core, the result box,
// the list end, the highscore entry and the score sheet's rows.
#pragma once

#include <string>
#include <vector>

#include "core/game_result.h"

// Settles the finished game and hands its result to the core.
void schnapsenFinishRound();
// The result of the finished game, with the winner's bummerlWon raised.
TGameResult schnapsenBuildResult();
bool schnapsenListOver(const TGameResult& r);
std::string schnapsenResultText(const TGameResult& r);
std::string schnapsenEnterHighscore();

// The standings grids as rows of cell texts ("!" empty, "!^name" header, "!n" value), the
// continue caption; the match score becomes each seat's Bummerl.
struct TSchnapsenSheet {
  std::vector<std::vector<std::string>> games, totals;
  std::string continueCaption;
};
TSchnapsenSheet schnapsenScoreSheet(bool listOver);
