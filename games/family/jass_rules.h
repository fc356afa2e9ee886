// Jass's rules: modes and card orders, card points, seats and teams, legal cards, the trick
// winner, Stöck and the bookings of a trick with the target check. The Weis (melds) are in
// jass_weis.h.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "games/family/jass_state.h"

// The Jass area of the running game state.
TJassState& jassArea();

// [SECTION] modes and card order
// The order of ranks 6..ace (natural, or low to high with reverse), trumps above all unless
// noTrump; into cardValues, or cardValues0 with secondTable.
void jassRankOrder(bool reverse, bool secondTable, bool noTrump);
// The order of the current trick: reversed in Undenufe, and trick by trick in the Slaloms.
void jassApplyRankOrder(bool secondTable);
// Stores the mode (17 as 18), writes its order and re-sorts the user's hand by it.
void jassSetMode(int32_t mode);
// The name of a mode (suit names 1..4, 15..19), always from the first card-face row: the
// mode names exist only there.
std::string jassModeName(int32_t mode);
bool jassIsTrump(const TCard& c);
int32_t jassCardPoints(const TCard& c);
int32_t jassSetPoints(const THand& h);
int32_t jassStackPoints(int32_t stack);
void jassStackPointsText(int32_t stack, std::string& text);
// The 36 cards into the stock, shuffled.
void jassBuildDeck();

// [SECTION] seats and teams
int32_t seatBefore(int32_t seat, int32_t n);  // seat -1: the seat to act; play goes this way
int32_t seatAfter(int32_t seat, int32_t n);
void jassPrevSeat();
void jassNextSeat();
int32_t jassPartner(int32_t seat);
int32_t jassTeamOf(int32_t seat);           // 1 for seats 1 and 3, 2 for seats 2 and 4
int32_t jassTeamPoints(int32_t seat);       // booked in this deal by the seat and its partner
int32_t jassTeamScore(int32_t seat);        // jassTeamPoints + the list total

// [SECTION] legal cards and the trick
TCard jassLeadCard();
bool jassLegalFollow(const TCard& card, const TCard& lead, const THand& hand);
bool jassFollowsLead(const TCard& card, const THand& hand);
// Seat 0: the seat to act; position 0: the trick position. Sorts the hand (highest first)
// and renumbers its slots; the NoSlots form leaves the slots alone.
void jassLegalCards(int32_t seat, int32_t position, THand& list);
void jassLegalCardsNoSlots(int32_t seat, int32_t position, THand& list);
bool jassIsInLegalList(const TCard& card);
TCard jassTrickWinningCard();  // its seat in hi; the empty card for an empty trick
bool jassWouldWinTrick(const TCard& card);
TCard jassHighestCard(const THand& h);

// [SECTION] Stöck and bookings
// The check when a seat plays a card (before it leaves the hand).
void jassCheckStoeck(int32_t seat, const TCard& card);
void jassBookStoeck();
void jassBookWeis();
void jassBookTrick();
void jassAddNote(int32_t team, const std::string& note);
void jassClearNotes();
bool jassTargetReached();
// The bookings of a completed trick in the counting order, each stopped by the target;
// true when the target was reached.
bool jassBookInCountingOrder();
