// The Skat computer player's data kept with each seat's stack, in the per-list extras of its
// hand copy: the hand rating made at the deal, and the void tables of the card play. Both
// are stored field by field, little-endian. A saved game keeps only the stacks' cards, so
// skatResume makes both anew (skat_ai_resume).
//
// [SECTION] hand rating
// [SECTION] void tables
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"
#include "table/stacks.h"

// [SECTION] hand rating

// One seat's rating of its hand, written by skatAIEvaluateHand at every deal and read by the
// computer player's answers until the next deal. The game step writes bestGame of the
// declarer to carry the declared game into the trick play.
struct TSkatSeatRating {
  int16_t bestGame;                    // 1..4 suit, 10 Null, 11 Grand (the step writes 0, 12, 100 too)
  int16_t handValue;                   // jackValue x 6 + cardValue x 2 + cardPoints
  int16_t jackValue;                   // half the "buben.txt" value of the hand with the Skat
  int16_t cardValue;                   // "karten.txt" value of the hand with the Skat
  LArray<int16_t, 1, 16> gameValues;   // 1..4 the suit games, 11 Grand; the rest stays 0
  int16_t strength;                    // bidding strength after the profile's scaling and noise
  int16_t cardPoints;                  // card points of the hand with the Skat, 0..120
  int16_t spitzenFactor;               // multiplier of bestGame as the seat would play it
  int16_t maxGameValue;                // spitzenFactor x the base value of bestGame
  int16_t bidLimit;                    // highest bid the seat makes or holds; 0 passes at 18
  int16_t nullKind;                    // 0 none, 1 Null Hand, 2 Null ouvert
  uint8_t playHand;                    // 0/1
  uint8_t announceSchneider;           // 0/1
  uint8_t announceSchwarz;             // 0/1
  uint8_t playOuvert;                  // 0/1
  TCard nullRiskCard1;                 // first card that may take a trick in Null, or no card
  TCard nullRiskCard2;                 // the second such card, or no card
  int16_t nullRiskCount;               // risky cards found, 10 when Null was not possible
};

// Bytes the rating takes in the extras (THandExtras::data, from its first byte).
constexpr int skatSeatRatingImageSize = 66;

TSkatSeatRating skatReadRating(const THand& hand);
void skatWriteRating(THand& hand, const TSkatSeatRating& rating);
inline TSkatSeatRating skatSeatRating(const TSpieler& stack) { return skatReadRating(stack.hand); }
inline void skatStoreSeatRating(TSpieler& stack, const TSkatSeatRating& r) { skatWriteRating(stack.hand, r); }

// The rating's bestGame alone: the game step reads and writes the declared game through it.
int32_t skatBestGame(const TSpieler& stack);
void skatSetBestGame(TSpieler& stack, int32_t type);

// [SECTION] void tables
// In the extras' markers block (6 + 18 bytes), which clearHand zeroes: the new game's
// clearing of the hand copies clears them. Suits 1..4 and 6 (the trumps); 5 is never written.

// The seat has shown that it holds no card of the suit.
bool skatSuitShownVoid(const THand& hand, int suit);
void skatSetSuitShownVoid(THand& hand, int suit, bool on);
// The seat has signalled to observer seat 1..3 that it holds no card of the suit.
bool skatSuitSignalledVoid(const THand& hand, int suit, int observer);
void skatSetSuitSignalledVoid(THand& hand, int suit, int observer, bool on);
