// Doppelkopf's scoring at the end of a game, the list's end, its texts and highscores, and
// formatPercent, the percentage text of the debug statistics and of poker.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"

// The result of the finished game from the won piles (stacks 7..10), the public party view,
// the announcements and the trick specials: values per seat that sum to zero, the short line
// as text and the sentence, two carriage returns and the short line as long text.
void doppelkopfScoreResult(TGameResult& result);
// Scores the finished game and hands the result to TCG::endRound.
void doppelkopfScoreRound();

// The list is over at the game limit, or once a seat's total reaches the point limit.
bool doppelkopfIsListOver();
// "<n> von <limit> Runden gespielt, <best> von <limit> max. Punkten erreicht".
void doppelkopfListText(std::string& out);
void doppelkopfResultText(const TGameResult& result, std::string& out);
// Enters the user's list total into the table of the list's length (up to 10 games, 11 to
// 25, 26 or more); out is the congratulation, empty when nothing was entered.
void doppelkopfEnterHighscore(std::string& out);

// part of whole in percent with `decimals` digits after the point, truncated: (1, 3, 2)
// gives "33.33%", a whole of 0 or less "0.00%".
void formatPercent(int32_t part, int32_t whole, int32_t decimals, std::string& out);
