// Rommé's and Gin Rummy's rule book: the card orders, card and hand values, the meld test
// with Jokers and the first-meld minimum, the arrangement of the user's selection, the
// discard rule and the small questions the step, the card table and the computer player ask.
// Pure questions over the hands, the meld table k12 and the area; only rommeInitSortKeys
// writes (the two order tables), and the deadwood cache remembers what it worked out.
//
// [SECTION] cards and values
// [SECTION] melds
// [SECTION] laying down and discarding
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/rummy/romme_state.h"

// Set while the computer player rates discards: a Rommé hand may then be laid down whole.
extern uint8_t rommeEvaluatingDiscard;

// The game runs as Gin Rummy (game 3 with the area's flag).
bool rommeIsGin();

// [SECTION] cards and values

// Cyclic run order A 2 .. K: next(K) = A, prev(2) = A; 0 for a Joker.
int32_t rommeNextRank(int32_t rank);
int32_t rommePrevRank(int32_t rank);
// The place of a rank in the run order, 2 = 1 .. A = 13; 0 for anything else.
int32_t rommeRankPosition(int32_t rank);
int32_t rommeCardValue(const TCard& c);
int32_t rommeHandValue(const THand& h);
int32_t rommeSeatHandValue(int32_t stack);
int32_t rommeMeldsPoints(int32_t seat);
// The hand's value less its highest card; whole (or the laying out after a knock): all of it.
int32_t rommeDeadwood(const THand& h, bool whole = false);
bool isJoker(const TCard& c);
// The distance of b after a in run order (first: the pair opens the run).
int32_t getdif(const TCard& a, const TCard& b, bool first);
void rommeInitSortKeys();

// [SECTION] melds

bool rommeHasDuplicate(const THand& h);
bool rommeIsSet(const THand& h);
bool rommeIsSameSuit(const THand& h);
bool rommeIsRun(const THand& h);
// seat 0: the seat to act. layOff: the cards go onto an existing meld.
bool rommeIsValidMeld(const THand& cards, int32_t seat, bool layOff, bool noMinimum);
// The user's selected cards in meld order, hi = hand position.
THand rommeArrangeMeld();
// The user's lifted hand cards, hi = hand position, in hand order.
THand rommeLiftedCards();

// [SECTION] laying down and discarding

bool rommeMayLayDown(int32_t cardsLeft);
bool rommeDiscardRuleOk(const THand& hand, const THand& cardsToLay);
bool rommeMayLayOffOnOthers();
// The card table's legality hook; card.hi is the card's hand slot.
bool rommeIsLegalCard(const TCard& card);
bool ginMayDiscardAfterKnock(const TCard& card);
// The deadwood left after discarding hand position pos of the seat to act (cached per hand).
int32_t ginDeadwoodAfterDiscard(int32_t pos);
// Drops the deadwood cache.
void rommeDropDeadwoodCache();
// The seat to act's cards that rommeIsLegalCard allows, hi = hand position.
THand rommeSelectedCards();
