// A Texas Hold'em hand as a machine the core steps: the start money of a match, blinds,
// the deal, the betting rounds, the showdown and the pay-out. Phases of `gs`: 0 new hand,
// 2 start money, 1 blinds and deal, 4 play; in phase 4 the round state (`gs` sub-state) is
// 8 the street machine, 4 ask the next seat, 3 the answer, 6 the hand is over.
#pragma once

#include <cstdint>
#include <string>

struct TGameState;

// The next hand, or with newList a new match.
void pokerNewGame(bool newList);
// One step of the machine, then the table texts.
void pokerGameStep(TGameState& gs);
// After loading: the options back, the chip handler empty, the table texts.
void pokerResume(int phase);

// The options of a match from the state record (the options dialog does not exist yet):
// blinds and bets from the start blind, the first seat drawn at random.
void pokerReadOptions();
// The table texts: each seat's panel text from its action.
void pokerShowTable();
// The text of a seat's action as its panel shows it.
std::string pokerSeatPanelText(int32_t seat);
