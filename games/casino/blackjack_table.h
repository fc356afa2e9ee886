// Blackjack around the game proper: where the shoe and the seats stand on the table (asked
// by the card table), the meanings of the options dialogs' entries, reading the options at
// a new match, the resume after loading (hidden cards drawn anew) and the highscore entry.
//
// [SECTION] seat geometry
// [SECTION] options
// [SECTION] resume and highscore
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/stacks.h"

// [SECTION] seat geometry

// Signed distance of a seat from seat 1 (negative below the dealer); 0 for the shoe, the
// dealer and seat 1.
int32_t blackjackSeatOffset(int32_t stack);
// The seat's angle on the arc in degrees; 95 for the shoe, the dealer and seat 1.
float blackjackSeatAngle(int32_t stack);
// The resting pose of the shoe (stack 11) and the seats' stacks.
void blackjackPlaceSeat(TSpieler& stack);
// After a change of view: the table laid out again, unless cards are being dealt or moved.
void blackjackRelayoutTable();

// [SECTION] options

// The match length of a rounds-list text: "12 Runden" 12, "Keine Grenze" no limit.
int32_t blackjackRoundLimitOfText(const std::string& text);
int32_t blackjackStartMoneyValue(int32_t position);
// Bet limits of a list position 1..; the "17 und 4" lists when that variant is chosen.
int32_t blackjackMinBetValue(int32_t position);
int32_t blackjackMaxBetValue(int32_t position);
int32_t blackjackDealerChangeValue(int32_t position);
// "Zweite Karte": 1 open for all, 2 the dealer's hidden, 3 hidden for all.
void blackjackSetSecondCard(int32_t position);
// The entries of the three money lists in the current currency; the maximum list of
// Blackjack ends with the unlimited entry unless its caption is missing.
std::vector<std::string> blackjackStartMoneyTexts();
std::vector<std::string> blackjackMinBetTexts();
std::vector<std::string> blackjackMaxBetTexts();
// The options of a new match. The dialogs come with the screens: until then the values the
// area holds are taken, kept within their ranges.
void blackjackReadOptions();

// [SECTION] resume and highscore

void blackjackResume(int phase);
std::string blackjackEnterHighscore();
