// Canasta's rule book: wild cards and threes, valid melds and canastas, card and meld points,
// the going-out bonus, the first-meld minimum, the discard pile, the deal and the sides. Pure
// questions over the seats' hands, the piles, the meld table k12 and the area `can`; only the
// pile test and the canasta-flag update record what they found.
//
// [SECTION] cards
// [SECTION] melds
// [SECTION] sides and first melds
// [SECTION] laying down
// [SECTION] the discard pile
// [SECTION] the deal
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/rummy/canasta_state.h"

// [SECTION] cards

bool canastaIsWildCard(const TCard& card);
bool canastaIsRedThree(const TCard& card);
bool canastaIsBlackThree(const TCard& card);
bool canastaIsWildOrBlackThree(const TCard& card);
// Points of one card; a red three alone is worth 0.
int32_t canastaCardPoints(const TCard& card);
// Card points of a list; a list led by a red three (a meld of red threes) is worth 0.
int32_t canastaHandPoints(const THand& h);
// The cards left in a hand: each card's points, whatever card comes first.
int32_t canastaHandCardPoints(const THand& h);

// [SECTION] melds

// part 0 all, 1 card points, 2 red-three bonus, 3 canasta bonus.
int32_t canastaMeldPoints(const THand& meld, int32_t part);
bool canastaIsSingleRankMeld(const THand& h);
bool canastaIsValidMeld(const THand& h);
bool canastaIsCanasta(const THand& h);
bool canastaMeldIsCanasta(int32_t n);
// The rank a valid meld collects; 14 for wild cards only (with wild canastas); 0 if invalid.
int32_t canastaMeldRank(const THand& h);
int32_t canastaMeldNaturalRank(const THand& h);

// [SECTION] sides and first melds

// A seat's side: its team with teams, else the seat itself.
int32_t canastaSide(int32_t seat);
bool canastaPartnershipMode();
bool canastaTeamHasRankMeld(int32_t seat, int32_t rank);
bool canastaTeamHasRankMeldB(int32_t seat, int32_t rank);
int32_t canastaFindTeamRankMeld(int32_t seat, int32_t rank);
bool canastaUpdateTeamCanastaFlag(int32_t seat);
bool canastaTeamHasCanasta(int32_t seat);
bool canastaNeedsFirstMeld(int32_t seat);
bool canastaCurrentNeedsFirstMeld();
// The first-meld minimum for a list total.
int32_t canastaMinimumForTotal(int32_t listTotal);
int32_t canastaGoingOutBonus(int32_t seat);

// [SECTION] laying down

// The seat's hand count, after refreshing its card list.
int32_t canastaHandCount(int32_t seat);
// A seat that lays down or lays off `used` cards keeps enough to go on: two or more (one to
// discard, one to keep), or fewer when its side owns a canasta or the move completes one.
bool canastaKeepsCardsAfter(int32_t seat, int32_t used, bool moveMakesCanasta);
// The seat to act may lay the list down as a new meld.
bool canastaCanMeld(const THand& list);
// The seat to act may lay the cards off on meld n.
bool canastaCanLayOffOn(const THand& cards, int32_t n);

// [SECTION] the discard pile

TCard canastaDiscardTop();
bool canastaHoldsRankPair(int32_t seat, int32_t rank);
bool canastaKeepsEnoughCards(int32_t n, int32_t seat, int32_t restOfPile);
bool canastaMayTakePileWith(int32_t seat, const TCard& pileCard, int32_t restOfPile);
bool canastaCanTakePile();

// [SECTION] the deal

int32_t canastaCardsToDeal();
void canastaInitSortKeys();
