// The game-list dialog's contents: its two layouts, the standard tables of most games, the
// ranking table of poker and Blackjack, the summary line and the winner sentence.
#pragma once

#include <string>

#include "core/game_result.h"

void layoutResultDialog();
void layoutRankingDialog();
// Both lists from the game state (cleared and given their columns first). atGameEnd: the
// Skat money cells of seats 2 and 3 carry "! " and "!  " instead of "!".
void fillStandardTables(bool atGameEnd);
// Poker and Blackjack. result: the game just ended (its values in the third column), or
// nullptr in the standings view (the seats' hand amounts instead).
void fillRankingTable(const TGameResult* result);
// List 1 scrolled to its end.
void scrollGameListToEnd();
// The continue button: "f_dialog_weiter", or "f_dialog_ende" once the list is over.
void setGameListContinueCaption(bool listOver);
// "!" + text in the caption element, centred over the dialog.
void setGameListSummary(const std::string& text);
// Joins up to four names: "a gewinnt", "a und b gewinnen", "a, b und c gewinnen", ...
std::string formatWinnerSentence(const std::string& a, const std::string& b, const std::string& c,
                                 const std::string& d);
// Clears both lists, gives them playerCount + 2 and + 3 columns and makes the dialog the
// one element creation fills. False while the dialog is not built.
bool prepareGameListDialog();
// The money amount as the standings show it: two decimals, a comma, a blank and the euro.
std::string euroText(double amount);
