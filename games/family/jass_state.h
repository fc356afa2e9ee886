// Jass's area of the game state: the record the rules, the game step and the computer player
// share, saved with a game at the area's place in the block.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// Stacks and seats of a Jass table: seats 1 and 3 play against seats 2 and 4.
constexpr int32_t jassSeats = 4;
constexpr int32_t jassPileOffset = 6;  // seat + 6: the tricks the seat took
constexpr int32_t jassStockStack = 11;
constexpr int32_t jassTrickStack = 12;
constexpr int32_t jassNoRoundLimit = 99999;

// Modes: 1..4 the trump suit; the others play without trump.
enum : int32_t {
  jassModeNone = -1,
  jassObenabe = 15,
  jassUndenufe = 16,
  jassSlalom = 17,  // asked for, stored as Slalom Obenabe
  jassSlalomObenabe = 18,
  jassSlalomUndenufe = 19,
};
constexpr int32_t jassPushAnswer = 72;  // "! Schieben"

// Written by jassNewGame (per-deal fields), the options (limits, switches and the counting
// order, only at a new list) and the game step (everything else).
struct TJassState {
  int32_t roundLimit;       // deals of the list; 99999 none
  int32_t pointsLimit;      // target points; 0 none
  int32_t firstDealer;      // 0 whenever the options are read: the first dealer is drawn
  uint8_t weisOn;           // "Mit Weisen "
  uint8_t stoeckOn;         // "Mit Stöcken "
  uint8_t obenabeAllowed;   // "Obenabe - Spiele erlaubt "
  uint8_t undenufeAllowed;  // "Undenufe - Spiele erlaubt "
  uint8_t slalomAllowed;    // "Slalom - Spiele erlaubt "
  int32_t countingOrder;    // 1 Stöck-Weis-Stich, 2 Stöck-Stich-Weis, 3 Stich-Stöck-Weis
  THand legalCards;         // legal cards of the seat to act (slot numbers in hi)
  THand actingHand;         // the hand of the seat to act, taken when it is asked
  THand trick;              // the current trick in playing order; hi holds the seat
  THand playedCards;        // every card played this deal
  int32_t mode;             // see the modes above; -1 before the choice
  int32_t trumpChooser;     // seat that chose or pushed the mode; it leads the first trick
  int32_t trickPosition;    // 1..4: position of the next card in the trick
  int32_t tricksDone;       // completed tricks of the deal
  int32_t trickWinner;      // winner of the trick just completed
  int32_t lastTrickSeat;    // seat that took the last trick of the deal
  LArray<int32_t, 1, 4> weisPoints;      // booked, per seat
  LArray<int32_t, 1, 4> trickPoints;     // card points of the tricks taken, per seat
  LArray<int32_t, 1, 4> stoeckPoints;    // booked, per seat
  LArray<int32_t, 1, 4> pendingWeis;     // shown, not yet booked
  LArray<int32_t, 1, 4> pendingStoeck;   // announced, not yet booked
  LArray<int32_t, 1, 4> lastTrickBonus;  // the 5 points of the last trick
  TCard playedCard;                      // the card being played
  int32_t weisOptionCount;               // 0..8
  LArray<ShortString<32>, 1, 8> weisOptionTexts;
  LArray<int32_t, 1, 8> weisOptionValues;  // the class of each option
  LArray<int32_t, 1, 4> declaredWeis;      // class each seat declared, 0 none
  LArray<THand, 1, 4> dealtHands;          // nine cards each, less the Weis shown
  LArray<THand, 1, 4> weisCards;           // the cards of the Weis declared or shown
  LArray<int32_t, 1, 4> weisTieKey;        // key of the current tie-break level
  LArray<LArray<int32_t, 1, 4>, 1, 4> stoeckState;  // [seat][suit]: 0, 1 first of the pair, 2 announced
  int32_t bestWeis;       // highest class declared so far
  int32_t bestWeisCount;  // seats declaring it; 0 when no Weis phase is due
  int32_t weisWinner;     // seat whose Weis won, 0 before
  int32_t weisStage;      // 0.. tie-break levels, 10 show, 20 book, 30 offer more, 98 next seat, 99 end
  LArray<LArray<ShortString<32>, 1, 3>, 1, 2> notes;  // per team the kinds of points of this trick
  LArray<int32_t, 1, 2> noteCount;
};
