// The Skat computer player's hand rating: right after every deal each seat's hand is rated
// once; the rating decides how high the seat bids, which game it declares, Hand, the
// announcements and Null, and how it answers Kontra and Re.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_profile.h"
#include "table/stacks.h"

// Strength marks of the bidding.
constexpr int32_t skatStrengthBid18 = 103;    // from here the seat bids and holds 18
constexpr int32_t skatStrengthBidFull = 118;  // from here up to its game's value
constexpr int32_t skatStrengthNoNull = 110;   // from here Null is not considered
constexpr int32_t skatStrengthSchneider = 140;  // up to here Schneider is not announced

// Rates the seat's hand (the stack's hand copy; the seat is its handOwner) and stores the
// rating in the stack's extras. Reads the other two seats' hands, the Skat as dealt
// (pressedSkat) and the seat's profile. Also stores the dealt hand and Skat (dealtHands,
// dealtSkat), sets the game record to the best game at level 0 without Hand, and leaves the
// bid record's game type at the last game tried (Grand, or Null when the Null test ran).
void skatAIEvaluateHand(TSpieler& stack);

// The rating of a hand with the Skat and the two other hands under a profile, without
// storing anything (the game and bid records are changed as by skatAIEvaluateHand).
TSkatSeatRating skatRateHand(const THand& hand, const THand& skat, const THand& other1,
                             const THand& other2, const TSkatProfileFields& profile);

// The bid limit of a strength: nothing below 103, 18 (given as 19) below 118, else the game's
// value; never above the game's value.
int32_t skatRatingBidLimit(int32_t strength, int32_t maxGameValue);

// The value of a suit game t (1..4) for the ten cards against the two other hands; makes t
// the current game.
int32_t skatRateSuitGame(const THand& hand, int32_t t, const THand& other1, const THand& other2);
// The value of Grand; makes Grand the current game.
int32_t skatRateGrand(const THand& hand, const THand& full, int32_t jackValue, int32_t cardValue,
                      const THand& other1, const THand& other2);

// The Null risk count: how many of own's cards may be forced to take a trick against the
// two other hands (Null is made the current game). first and second are the first two such
// cards found, noCard() when fewer were found.
int32_t skatAICountSureTricks(const THand& own, const THand& other1, const THand& other2,
                              TCard& first, TCard& second);
