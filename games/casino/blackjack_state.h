// Blackjack's area of the game state (also "17 und 4", which runs as Blackjack with its
// variant flag): options, the shoe's bookkeeping, the six chip seats and the faces turned
// by reveals. Lies in `gs` at Blackjack's place among the areas and is saved with the game;
// all zero is a valid empty area.
#pragma once

#include <cstdint>

#include "games/casino/poker_state.h"
#include "platform/records.h"

constexpr int32_t blackjackUnlimitedBet = 2147483647;
constexpr int32_t blackjackNoRoundLimit = 99999;

struct TBlackjackState {
  int32_t roundLimit;         // games in a match; 99,999 none
  int32_t startMoney;         // chip units per player at a new match: 100, 200, 400, 800
  int32_t minBet;             // smallest bet
  int32_t maxBet;             // largest bet; blackjackUnlimitedBet for no limit
  uint8_t dealerCardOpen;     // the dealer's second card is dealt face up
  uint8_t playerCardOpen;     // the players' second cards are dealt face up
  uint8_t dealerHitsSoft17;   // the dealer also draws on a two-card ace and six
  int32_t dealerChange;       // "17 und 4": -1, 3, 5 or 10; stored, read by no rule
  uint8_t twoAcesDouble;      // "17 und 4": two aces win double
  uint8_t doubleAllowed;      // Blackjack: doubling is offered
  uint8_t reshuffleEveryGame; // a fresh shoe for every game
  int32_t deckCount;          // decks in the shoe, 1..3
  LArray<TChipSeat, 1, 6> seats;  // copies of the poker seat records, see blackjack_step.cpp
  int32_t currency;           // 1 coins, 2 euro chips, 3 dollar chips
  int32_t betOffer;           // the bet offered to or chosen by the seat asked (shell: blackjackBet)
  int32_t dealerSeat;         // playerCount div 2 + 1, fixed for the match
  LArray<LArray<uint8_t, 1, 20>, 1, 6> faceUp;  // card j of seat s turned up by a reveal
  int32_t dealerTotal;        // the dealer's final hand value
  uint8_t shoeLifted;         // the shoe sits on stack 13 and is put back at the next step
  int32_t lastBet;            // the user's last bet-button amount (shell: blackjackLastBet)
  int32_t pendingResultSeat;  // a seat whose result text is still to be said, 0 none
  ShortString<150> pendingResultText;
  uint8_t variant17und4;      // "17 und 4" is played
  uint8_t keepShoe;           // the last game's shoe is played on
  uint8_t exchangingChips;    // the chips of a stack are being changed with the bank
  int32_t cardsCollected;     // cards slid under the shoe since it was filled
};

TBlackjackState& blackjackArea();
