// Jass's end of a deal and its list: the result and its message, the list's end and texts,
// the score sheet, the match end, the highscore and the options.
#pragma once

#include <cstdint>
#include <array>
#include <string>
#include <vector>

#include "core/game_result.h"

void jassFinishRound();
// The result message of the deal that just ended (the result's second text).
std::string jassResultMessage();
bool jassIsListOver();
void jassListText(int32_t seat, std::string& text);
void jassResultText(const TGameResult& result, std::string& text);
// Fills the standings dialog's two lists with the teams' points per deal and in total.
void jassScoreSheet(bool listEnded);
// The rows the score sheet shows ("!"-prefixed cells), for whoever draws or checks them.
struct TJassSheet {
  std::string header1, header2;
  std::vector<std::array<std::string, 3>> rows;  // per deal: team 1, team 2, the deal's text
  std::string total1, total2, button;
};
const TJassSheet& jassLastScoreSheet();
// The match-end box's text after the winners' sentence the core built.
std::string jassMatchEndText(const std::string& winnerSentence);
void jassEnterHighscore(std::string& text);

// [SECTION] options
// A limit item: the number in front of its last blank; 99999 when it has none.
int32_t jassParseLimitItem(const std::string& item);
// The seat count and first dealer; while the options dialog is not built, the area keeps the
// options given.
void jassReadOptions();
void jassOptionsChanged(int32_t element);
// The counting-order selector is enabled only while Weis or Stöck are on.
bool jassCountingOrderEnabled();
