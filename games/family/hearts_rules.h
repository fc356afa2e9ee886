// Hearts' rules: card order, seats and pass direction, legal cards, the trick winner,
// penalty points, sun and moon, deal points, the list's end, its texts and the highscore.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_result.h"
#include "games/family/hearts_state.h"

// The Hearts area of the running game state.
THeartsState& heartsArea();

// [SECTION] card order
// Fills cardValues (trick strength) and cardValues0 (hand order) for Hearts.
void heartsSetCardValues();
bool isQueenOfSpades(const TCard& c);

// [SECTION] seats and passing
int32_t heartsSeatAfter(int32_t n);   // the seat n places after the seat to act
int32_t heartsPassTarget(int32_t n);  // the seat a pass of offset n from the seat to act reaches
int32_t heartsPassTargetOf(int32_t seat, int32_t n);
void heartsNextSeat();
void heartsPrevSeat();
bool heartsIsPassLeft();    // games played mod 4 = 0
bool heartsIsPassRight();   // 1
bool heartsIsPassAcross();  // 2
bool heartsNoPass();        // 3
// The offset of the deal's pass by games played: -1, 1, 2; 0 without passing.
int32_t heartsPassOffsetFor(int32_t gamesPlayed);

// [SECTION] legal cards and the trick
int32_t heartsPenaltyPoints(const THand& h);
TCard heartsLeadCard();
bool heartsFollowsSuit(const TCard& card, const TCard& lead);
// The legal cards of a seat (0: the seat to act) at a trick position (0: the current one).
// Sorts the seat's hand and renumbers its slots first.
void heartsLegalCards(int32_t seat, int32_t position, THand& list);
bool heartsIsInLegalList(const TCard& card);
// The winning card of the trick list; its seat in hi.
TCard heartsTrickWinningCard();

// [SECTION] the end of a deal
int32_t heartsSunShooter();
int32_t heartsMoonShooter();
int32_t heartsRoundPoints(int32_t seat);  // with the shooters stored in the area
std::string heartsRoundPointsText(int32_t seat);

// [SECTION] the list
bool heartsIsListOver();
void heartsListText(int32_t seat, std::string& text);
void heartsResultText(const TGameResult& result, std::string& text);
void heartsEnterHighscore(std::string& text);
// A limit item: the number in front of its last blank; 99999 when it does not begin with a digit.
int32_t parseLimitItem(const std::string& item);
// The options' two limits: one kept by the limit choice (rounds ticked: no points limit).
void heartsSetLimits(const std::string& roundsItem, const std::string& pointsItem, bool roundsTicked);
// The seat count and, while the options dialog is not built, the limits as they stand.
void heartsReadOptions();
