// The area of Rommé and Gin Rummy in the game state: the options first, then the state of
// the hand and of the turn. It lives in gs and is saved with the game, so it holds no pointers.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// The options, read from the options dialog when a list starts.
struct TRommeOptions {
  int32_t firstDealer;        // 1 random, k + 1 seat k
  int32_t nextDealer;         // 1..7
  uint8_t positiveScoring;
  int32_t listLength;         // games; 99999 no limit
  int32_t pointLimit;         // 0 no limit
  int32_t firstMeldMinimum;   // points a seat's first meld must reach; 0 none
  int32_t packs;              // 1..3
  int32_t jokerValue;
  uint8_t aroundTheCorner;    // K A 2 runs
  uint8_t duplicateCards;     // sets may hold a suit twice and more than four cards
  uint8_t layOffOnOthers;
  uint8_t sortByValue;        // 1 by value, 0 by suit
  int32_t cardsDealt;         // 13 Rommé, 10 Gin Rummy
  uint8_t oklahomaGin;        // the first up card sets the knock limit
  uint8_t layOffOnKnockerHand;
  uint8_t layOffOnGinHand;
};

struct TRommeArea {
  TRommeOptions options;
  uint8_t ginRummy;              // the list is Gin Rummy
  TCard takenDiscard;            // taken from the pile this turn, hi its slot; rank 0 none
  uint8_t knocked;               // Gin Rummy: a seat knocked
  uint8_t layOffStage;           // the knocker discarded; the hands are laid out
  uint8_t knockerDone;           // the knocker finished laying out
  int32_t knockLimit;            // deadwood a knock may leave
  THand afterDiscard;            // the best remainder after a discard under test
  LArray<int16_t, 1, 166> discardDeadwood;  // by hand position; negative: not worked out
  int16_t discardDeadwoodCount;  // the hand size the cache belongs to; 0 none
  THand userMeld;                // the user's selection in meld order
  int32_t meldTicks;             // meld steps since the meld decision opened
  int32_t knocker;
  int32_t upCardOffers;          // passes on the first up card; +2 at the first discard
  uint8_t ginNoGame;             // the stock ran down without a knock
  THand knockerLayOffs;          // laid off on the knocker's melds, hi the meld
  int32_t turnCounter;           // turns since the hand began
  int32_t turnStartCount;        // cards the seat to act held after its draw
  int32_t lastMover;             // the seat that discarded last
  int32_t stepCalls;             // game steps since the game began
  LArray<LArray<int16_t, 1, 166>, 1, 6> holdMarks;  // per seat and hand position: keep it
  uint8_t deadwoodHandValid;     // the cache's hand is recorded below
  THand deadwoodHand;            // the hand the deadwood cache was worked out for
};

// The area in the game state's block.
TRommeArea& rommeArea();
