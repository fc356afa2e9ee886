// Poker's area of the game state: options, the betting state of the hand and the six chip
// seats. Lies in `gs` at poker's place among the areas and is saved with the game; all
// zero is a valid empty area.
#pragma once

#include <cstdint>

#include "platform/records.h"

// The chip-game seat record; Blackjack keeps six more of the same type.
struct TChipSeat {
  uint8_t state;   // 0 not at the table, 1 in the hand, 2 folded
  uint8_t action;  // last action code (0 blind posted .. 11 not acted in this round)
  int32_t stake;   // put into the pot in this hand, blinds included
  int32_t lastRaise;
  uint8_t postedSmallBlind;
  uint8_t postedBigBlind;
  ShortString<150> speech;  // "leer" stands for an empty bubble
  ShortString<150> panelText;
  ShortString<150> previousPanelText;
  float speechTimer;
  int32_t available;  // money plus stake when the seat was last asked
  uint8_t canRaise;
  uint8_t canCall;
  uint8_t canAllIn;
  int32_t raisesMade;
  uint8_t allIn;
  uint8_t winner;
  int32_t potRound;  // the side-pot round in which the seat won
  int32_t won;       // what the seat wins in this hand
  int32_t place;     // final place in the match, 0 while playing
  LArray<uint8_t, 1, 7> bestCards;
  float callValue;
  float winChance;
  int32_t outAfterHands;
};

struct TPokerArea {
  int32_t seatDirection;  // 1: rising seat numbers
  int32_t chipSet;
  int32_t startSeatMode;
  int32_t startMoney;
  int32_t startBlind;
  int32_t blindEvery;
  uint8_t potLimit;
  uint8_t splitLimit;
  int32_t speedWhenOut;
  int32_t nameForm;  // 2 abbreviations, else 3
  uint8_t germanTerms;
  uint8_t street;       // 1..7
  uint8_t bettingOpen;  // 1 betting, 0 dealing, 2 handing out the start money
  uint8_t betMade;
  int32_t firstToAct;
  int32_t smallBlindSeat;
  int32_t bigBlindSeat;
  int32_t dealerSeat;
  LArray<TChipSeat, 1, 6> seats;
  int32_t limitBet;
  int32_t maxRaise;
  int32_t smallBet;
  int32_t bigBet;
  int32_t minRaise;
  int32_t raiseAmount;
  int32_t pot;
  int32_t betLevel;
  int32_t blind;
  int32_t raisesInHand;
  int32_t raisesInRound;
  uint8_t someoneAllIn;
  float wobble;
  uint8_t moodSpoken;
  uint8_t endReactionSpoken;
  int32_t aggression;
  LArray<int32_t, 0, 30> aggressionHistory;  // newest first
  // Money of a hand that no seat still in it could win, going back to whoever paid it.
  LArray<int32_t, 1, 6> refund;
};

TPokerArea& pokerArea();
