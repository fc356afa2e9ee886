// Card helpers of the Skat computer player: the cards that follow the led card, the cards
// that beat or lose to a card, the card worth most, the weakest card, the cheapest card that
// beats, neighbours of a card in the current order, and the profile dice. They work on
// copies of the lists under the current game (the bid record's game type and the rank order
// set for it). In Null and Ramsch the order runs the other way: a card "beats" another when it
// ranks lower, so the strongest card is the lowest there.
//
// A card function on an empty list answers noCard(); every caller tests for it.
#pragma once

#include <cstdint>

#include "core/cards.h"

// R(x): x rounded to the nearest integer, halves to the even neighbour.
int32_t skatRound(double x);

// The led card (the first card of trickCards) or noCard() before the first card of a trick.
TCard skatLedCard();
// The led suit: the led card's suit, suitTrumps (6) when it is a trump; 0 when nothing was led.
int skatLedSuit();
// A card's suit class: its suit, or suitTrumps for a trump of the current game.
int skatSuitClass(const TCard& c);

// The cards of hand of the led suit; the whole hand when it holds none or nothing was led.
THand skatAIFollowCards(int32_t seat, const THand& hand);
// The same for the seat's own hand copy.
THand skatAISeatFollowCards(int32_t seat);
// The seat's cards of the led suit, possibly none; the whole hand when nothing was led.
THand skatAISeatLedSuitCards(int32_t seat);
// True with probability wahrs / 100 of the seat's profile.
bool skatAIProfileChance(int32_t seat);
// The declarer's hand holds the card (for a defender), or either other hand does (for the
// declarer). Real hands; cards compare by rank and suit.
bool skatOtherPartyHolds(int32_t seat, const TCard& card);

// The cards of hand that beat the card / that do not beat it / that the card beats, in hand
// order. A card that is no card gives: none / all / none.
THand skatWinningCards(const THand& hand, const TCard& card);
THand skatLosingCards(const THand& hand, const TCard& card);
THand skatLosingCardsB(const THand& hand, const TCard& card);
// The sizes of skatWinningCards and skatLosingCardsB, without building the lists.
int32_t skatCountWinningCards(const THand& hand, const TCard& card);
int32_t skatCountLosingCardsB(const THand& hand, const TCard& card);

TCard skatLowestRankCard(const THand& hand);    // lowest rank number, the first of equals
TCard skatHighestPointCard(const THand& hand);  // most card points, the first of equals
// Null and Ramsch: the card of lowest order value (the highest by nature). Other games: the
// first card replaced by every later card the current pick beats. While the Ramsch deal is
// passed on, a Jack is taken instead (the club Jack first).
TCard skatWeakestCard(const THand& hand);
// The card of lowest order value among those that beat the card; when none does, the lowest
// order value among those the card beats.
TCard skatLowestBeatingCard(const THand& hand, const TCard& card);
// Cards whose order value lies below (below = true) or above that of the rank.
int32_t skatCountRanksBelow(const THand& hand, int rank, bool below);
// Neighbours of a card in the order of the current game (see the source for the steps).
TCard skatNextHigherCard(const TCard& c);
TCard skatNextLowerCard(const TCard& c);

// Card points of one card, of no card 0.
int32_t skatCardWorth(const TCard& c);
// The list holds a card of that rank and suit.
inline bool skatHolds(const THand& hand, const TCard& c) { return !isNoCard(c) && hasCard(hand, c); }
// The cards of the list of a suit class (1..4 plain cards of the suit, 6 the trumps).
THand skatCardsOfClass(const THand& hand, int suitClass);
// How many cards of the list are of the suit class; its strongest (as skatStrongestCard of
// skatCardsOfClass), noCard() when none, with their count. No list is built.
int32_t skatCountOfClass(const THand& hand, int suitClass);
TCard skatStrongestOfClass(const THand& hand, int suitClass, int32_t& count);
