// Schafkopf's scoring at the end of a game, the list end, the list and result texts and
// the highscore entry.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_result.h"
#include "games/skat/schafkopf_state.h"

// The result of the finished game from the won piles, the hands, the public party view and
// the applied contract: values, won flag, texts. Changes nothing else.
void schafkopfScoreGame(TGameResult& result);
// Scores the finished game, counts it in the statistics and hands it to TCG::endRound.
void schafkopfScoreRound();

// The value a won or lost contract starts from before its surcharges: Rufspiel 1, Bettel 3,
// Sie 2, Solo, Wenz, Geier and their Farb- forms the solo value option (2, 4 or 5).
int32_t schafkopfStartValue(const TContractRecord& c);
// The highest cardValues entry among the cards, 0 for none.
int32_t schafkopfHighestOrderValue(const THand& cards);

bool schafkopfIsListOver();
void schafkopfListText(std::string& out);
void schafkopfResultText(const TGameResult& result, std::string& out);
// Highscore table by list length: 1 up to 10 games, 2 for 11 to 25, 3 for more.
int schafkopfHighscoreTable(int32_t gamesPlayed);
void schafkopfEnterHighscore(std::string& out);
