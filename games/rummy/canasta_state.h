// Canasta's area `can` of the game state: its options first, then the state of the hand and
// of the turn. It lives in gs and is saved with the game, so it holds no pointers.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/rummy/canasta_moves.h"
#include "platform/records.h"

// The options, read from the options dialog when a list starts.
struct TCanastaOptions {
  int32_t firstDealer;       // 1 random, k + 1 seat k
  int32_t nextDealer;        // 1..7
  int32_t listLength;        // games; 99999 no limit
  int32_t pointLimit;        // 0 no limit
  int32_t packs;             // 1..3
  uint8_t teams;             // partners sit opposite
  uint8_t negativeWithoutCanasta;
  uint8_t wildCanastas;
  int32_t cardsPerHand;      // canastaCardsToDeal after reading
  uint8_t redThreesAlwaysPositive;
  int32_t goingOutBonus;
  int32_t concealedBonus;
  int32_t mixedCanastaBonus;
  int32_t naturalCanastaBonus;
  int32_t wildCanastaBonus;
  int32_t redThreeBonus;
  int32_t fourRedThreesBonus;
  int32_t jokerValue;
  int32_t drawCount;         // 1 or 2
  int32_t cardsDealt;        // 0 standard
  uint8_t pileAlwaysFrozen;
};

struct TCanastaArea {
  TCanastaOptions options;
  LArray<int32_t, 1, 6> team;            // team number per seat with `teams`
  LArray<uint8_t, 1, 6> teamCanasta;     // per side: owns a completed canasta
  LArray<uint8_t, 1, 6> firstMeldMade;   // per side: made its first meld
  LArray<uint8_t, 1, 6> meldedThisTurn;  // per seat
  LArray<uint8_t, 1, 6> hasLaidDown;     // per seat: laid down in an earlier turn
  int32_t wentOutSeat;                   // 0 nobody
  uint8_t wentOutConcealed;
  uint8_t pileFrozen;
  int32_t pileTakeKind;                  // 0 not, 1 frozen, 2 for the first meld, 3 after it
  TCard pileTopCard;
  int32_t meldMinimum;
  int32_t bestPoints;
  int32_t bestPointsWithPile;            // -1: no natural pair of the top rank
  THand selhand;
  LArray<TCard, 1, 166> history;         // cards laid down this turn: t the meld, f the position
  int32_t hcount;
  TCard kartenzwang;
  TCard kartenzwangSaved;
  TCard spielmit2zwang;
  uint8_t autolegen;
  uint8_t pileTaken;
  int32_t turnPoints;
  uint8_t holdsTopPair;
  uint8_t redThreesPending;
  int32_t redThreesCount;
  int32_t drawnFrom;                     // 11 stock, 13 pile
  uint8_t aiPlannedThisTurn;
  int32_t turnCounter;                   // turns since the hand started
  int32_t lastMover;                     // the seat that made the last discard
  int32_t turnStartCount;                // cards the seat to act held after its draw
  int32_t stepCalls;                     // game steps since the list's game began
  int32_t handStepCalls;                 // game steps since this hand's phase 0
  int32_t partnerAnnounced;              // the partner was announced in this list
  uint8_t autoLaidDown;                  // an automatic lay-down (not red threes) this turn
  TCanastaMoveList hintMove;             // the best move of the seat to act with the pile's top card
  // The computer player's move being carried out, part by part.
  TCanastaMoveList multizugPlan;
  int32_t multizugPart;                  // the last part carried out; 0 when just stored
  int32_t multizugKind;                  // 1 going out, 2 first meld, 3 most points
  int32_t aiTakeBackTurn;                // turnCounter of the turn the player took its melds back in
  int32_t aiTakeBackCount;               // how often it did so in that turn
};

// Canasta's area in the game state's block.
TCanastaArea& canastaArea();
