// What the card-game core asks of poker, Blackjack and their chips: the chip snapshot of a
// saved game, the chip animation's idle state and the fields of the two games' areas that
// the end of a game and the ranking table read. The chip games are not built yet: there
// are no chip stacks, the animation is always idle, and the fields below stand in for the
// poker and Blackjack areas of the game state until those areas exist.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

// Poker and Blackjack play with chips.
bool isChipGame();

// [SECTION] chip snapshot

// One chip stack in the snapshot: chips of types 0..6 and the marker kinds of the row-6
// chips in slots 0 and 1 (16 bytes).
struct TChipSnapshotEntry {
  LArray<int16_t, 0, 6> chips;
  int8_t marker0;
  int8_t marker1;
};

// The chip stacks as a saved game keeps them: 16 entries, 256 bytes.
struct TChipSnapshot {
  LArray<TChipSnapshotEntry, 1, 16> stacks;
};

constexpr int chipSnapshotSize = 256;

// The snapshot a loaded game brought; rebuildChipStacks reads it.
extern TChipSnapshot chipSnapshot;

// Fills a snapshot from the current chip stacks (all empty while there are none).
void countChipStacks(TChipSnapshot& snapshot);
// The chip stacks from chipSnapshot.
void rebuildChipStacks();
// After every load: playerCount := seatCount, the table laid out again, the chips rebuilt.
void pokerAfterLoad();

// [SECTION] chip stacks as counts

// Chip types 0..4 are worth 1, 4, 20, 40 and 200 chip units; 5 is no type; 6 a marker.
constexpr int chipTypeCount = 7;
int32_t chipValue(int type);

// A row of one chip type; additions that would bring it to 320 chips or more are refused.
struct TChipRow {
  int32_t count;
};
// Stacks 1..6 the seats' money, 7 the bank, 8 the poker pot, 9..16 Blackjack's bets.
struct TChipStack {
  LArray<TChipRow, 0, 6> rows;
};
extern LArray<TChipStack, 1, 16> chipStacks;

// Empties a stack; the bank is refilled unless keepEmpty.
void resetChipStack(int32_t stack, bool keepEmpty);
// Adds n chips of a type at the end of its row; refused with a trace line at 320 or more.
bool addChipsToStack(int32_t stack, int type, int32_t n);
// Moves an amount at once, never more than the source holds (the bank never runs out);
// the source gives its largest chips and the bank changes what does not fit. Returns the
// amount moved.
int32_t chipTransferNow(int32_t from, int32_t to, int32_t amount);
// The pot's chips can pay every winning seat's won exactly, largest chips first.
bool potCanPayShares();

// [SECTION] money text

// Cents shown: the chip set of Euro coins.
bool centMoneyMode();
// The money text of an amount in chip units: "100 €", "6 ct", "1,00 €", "$\x1a200", "- 50 €".
std::string formatMoney(int32_t amount);

// [SECTION] chip animation and speed

struct TChipAnimationHandler {
  bool isIdle() const { return true; }  // all chip movement has finished
  void reset() {}                       // empties the move queue and pending transfers
};
extern TChipAnimationHandler chipAnimation;

// Poker: seat 1 is out of the game.
bool humanEliminated();
// 1.0, 1.7 or 2.8 by the poker speed setting.
float pokerSpeedFactor();

// [SECTION] fields of the poker and Blackjack areas

struct TChipGameSeat {
  int32_t money;       // chip units, written by the ranking
  int32_t place;       // final place, 0 while the seat still plays
  int32_t dropOuts;    // above 0 lets the final place raise the shown rank
  int32_t handAmount;  // the seat's amount at the end of the hand
  int32_t handStart;   // its amount at the start of the hand
};

struct TChipGamesArea {
  LArray<TChipGameSeat, 1, 6> seats;
  int32_t bigBlind;        // poker's big blind, chip units
  int32_t blindInterval;   // games after which poker raises the blinds
  int32_t minBet;          // Blackjack's minimum bet
  int32_t houseSeat;       // Blackjack's dealer seat (poker reads the same field)
  int32_t listLength;      // rounds of the list; above 200 none
  int32_t userFinalRank;   // seat 1's rank in the last ranking table; written by the core only
  int32_t seatsAbleToPay;  // stored by the end of a game
};
extern TChipGamesArea chipGames;

// The value of a chip stack in chip units: every chip of types 0..4.
int32_t chipStackValue(int32_t stack);
// Lowest computer strength 1..3 of seats 2..6 (poker) / 2..n (Blackjack).
int32_t lowestSeatSkill();
// The seat takes part in the Blackjack game.
bool blackjackIsSeatInGame(int32_t seat);
// A seat other than the dealer owns 20,000 chip units or more; it then empties the
// dealer's chip stacks.
bool blackjackPlayerReachedLimit();
// Seats that cannot pay the blind or the minimum bet get their final place.
void pokerPlaceBrokeSeats(int keep, int flag);
void blackjackPlaceBrokeSeats(int keep, int flag);
