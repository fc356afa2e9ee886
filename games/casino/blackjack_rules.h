// Blackjack's and "17 und 4"'s rules as questions about the table: card points and hand
// values, naturals, the face-up rule, the bet limits and doubling, the seats in the game,
// the seat order, and the end of a match (list end, broke seats, places).
//
// [SECTION] cards and hands
// [SECTION] faces
// [SECTION] bets
// [SECTION] seats
// [SECTION] match end
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

// Stacks of the game: card stacks 1..6 the hands, 11 the shoe, 13 the lifted shoe; chip
// stacks 1..6 the money, 7 the bank, seat + 8 the bets.
constexpr int32_t bjShoeStack = 11;
constexpr int32_t bjLiftStack = 13;
constexpr int32_t bjBankStack = 7;
constexpr int32_t bjBetStackOffset = 8;
// The rules and the computer players ask hand values in these modes; the result is the same.
constexpr int32_t bjValueForRules = -1;
constexpr int32_t bjValueForAI = 1;

// [SECTION] cards and hands

bool blackjackIs17und4Variant();
// Points of a rank (low: an ace is 1 in Blackjack; "17 und 4" ignores it).
int32_t blackjackCardPoints(const TCard& card, bool low);
// The value of a list of cards under the current variant.
int32_t blackjackCardsValue(const TCard* cards, int32_t n);
int32_t blackjackHandValue(int32_t seat, int32_t mode);
bool blackjackIsNatural(int32_t seat);
bool blackjackIsSoft17(int32_t seat);
bool blackjackIsTwoAces(int32_t seat);
std::string blackjackHandText(int32_t seat);
int32_t blackjackCardCount(int32_t seat);
TCard blackjackSeatCard(int32_t seat, int32_t j);

// [SECTION] faces

// Card j of a seat (a negative seat stands for its absolute value); every card but the
// second lies face up, the second by the seat's open option or a reveal.
bool blackjackIsCardFaceUp(int32_t seat, int32_t j);
// The seat's last face-down card, 0 when none.
int32_t blackjackLastHiddenCard(int32_t seat);

// [SECTION] bets

// The amount raised to the minimum, lowered to the maximum and to the money of the seat to
// act; -1 when that leaves it below the minimum.
int32_t blackjackClampBet(int32_t amount);
bool blackjackCanDouble();
bool blackjackBetAllowed(int32_t amount);
// A player's hand against the dealer's final value (`dealerTotal`, a natural counting one
// more): 1 a win, 0 a push, -1 a loss ("17 und 4" ties go to the dealer); `won` is the
// seat's result: the win amount (3 x (stake div 2) for a natural, twice the stake for two
// aces with that option), 0 or minus the stake.
int32_t blackjackOutcome(int32_t seat, int32_t& won);

// [SECTION] seats

int32_t blackjackDealerSeatNo();
bool blackjackIsSeatInGame(int32_t seat);
int32_t blackjackSeatsInGame();
bool blackjackAllPlayersDone();
int32_t blackjackNextSeat(int32_t count);
int32_t blackjackPreviousSeat(int32_t count);
int32_t blackjackMinAILevel();
int32_t blackjackActivePlayerCount();

// [SECTION] match end

bool blackjackIsListOver();
bool blackjackPlayerReachedLimit();
void blackjackPlaceBrokeSeats(int keep, int flag);
