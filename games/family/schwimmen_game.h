// Schwimmen's flow: the new game, the step machine, the end of a game and of a list, the
// texts, the marks, the resume and the check of answers. The core calls these through
// Schwimmen's table of calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_result.h"

struct TGameState;

// Decision kinds Schwimmen asks.
constexpr int32_t schwimmenDecisionDealer = 69, schwimmenDecisionTurn = 70, schwimmenDecisionTake = 75,
                  schwimmenDecisionTurnAll = 76;
// Option values of the answers.
constexpr int32_t schwimmenNewCards = 69, schwimmenKeep = 0, schwimmenKnock = 71, schwimmenPass = 72,
                  schwimmenSwapAll = 77;

void schwimmenNewGame(bool newList);
void schwimmenGameStep(TGameState& gs);
void schwimmenResume();
// The result of the hands as they lie: who scores, the row's text and the sentence.
void schwimmenBuildResult(TGameResult& result);
void schwimmenRoundResult();
bool schwimmenIsListOver();
void schwimmenListText(std::string& text);
void schwimmenResultText(const TGameResult& result, std::string& text);
void schwimmenEnterHighscore(std::string& text);
void schwimmenShowMarks();
// Spoken reactions: type 1 a computer seat's good swap, 2 the others on a knock.
void schwimmenSound(int32_t type, int32_t seat, int32_t value);
// The names joined by ", " with " und " before the last.
std::string schwimmenNameList(const std::vector<int32_t>& seats);
// The answer fits the open decision: an offered option (not "Klopfen" after a knock), a hand
// card or a middle card that exists. Anything else is refused, with a trace line, and stays open.
bool schwimmenCheckAction(int kind, int32_t a, int32_t b);
