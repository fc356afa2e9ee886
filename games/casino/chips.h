// The chips of poker and Blackjack as numbers: the sixteen stacks, the snapshot of a saved
// game, the money text, and the one chip handler through which all money moves. The core's
// ranking reads Blackjack's dealer seat, minimum bet, match length and places through
// `chipGames`, which Blackjack keeps up to date from its own area.
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
// 1, 4, 20, 40, 200 give types 0..4, -111 (a marker) type 6, anything else 5.
int chipTypeOfValue(int32_t value);

// A row of one chip type. `count` holds every chip of the row, also those flying away
// (`leaving`) until they land; `incoming` chips are on their way here.
struct TChipRow {
  int32_t count;
  int32_t leaving;
  int32_t incoming;
};
// Stacks 1..6 the seats' money, 7 the bank, 8 the poker pot, 9..16 Blackjack's bets.
struct TChipStack {
  LArray<TChipRow, 0, 6> rows;
};
extern LArray<TChipStack, 1, 16> chipStacks;

// Empties a stack; the bank gets its supply of every chip type unless keepEmpty.
void resetChipStack(int32_t stack, bool keepEmpty);
// Adds n chips of a type at the end of its row; refused with a trace line at 320 or more.
bool addChipsToStack(int32_t stack, int type, int32_t n);
// Moves an amount at once, never more than the source holds (the bank never runs out);
// the source gives its largest chips and the bank changes what does not fit. Returns the
// amount moved. For setting up tables; the games move money through chipAnimation.
int32_t chipTransferNow(int32_t from, int32_t to, int32_t amount);
// Chips of a type 0..4 the stack can still give away: resting chips less those promised to
// queued single-chip transfers; type 5 the same over all types in chip units.
int32_t stackTypeValue(int32_t stack, int type);
// Some type 0..4 other than `type` can still be given away.
bool otherChipTypesPresent(int32_t stack, int type);
// The pot's chips can pay every winning seat's won exactly, largest chips first.
bool potCanPayShares();

// [SECTION] money text

// Cents shown: the chip set of Euro coins.
bool centMoneyMode();
// The money text of an amount in chip units: "100 €", "6 ct", "1,00 €", "$\x1a200", "- 50 €".
std::string formatMoney(int32_t amount);

// [SECTION] chip animation and speed

// Money on its way: an amount (split into chips when planned) or one chip of that value.
struct TChipTransfer {
  int16_t fromStack, toStack;
  int16_t amount;   // chip units; -111 a marker piece
  int16_t divisor;  // strategy 2 only
  uint8_t strategy; // 0 small chips first, 2 a share of each small type, other largest first
  uint8_t single;
};

// One chip in flight.
struct TChipMove {
  uint8_t fromStack, toStack;
  uint8_t type;
  uint8_t kind;  // 1 between stacks, 5 a marker, 6 a change with the bank
  float speed;   // progress per 6 s before easing
  float progress;
};

constexpr int chipMoveCapacity = 181;
constexpr int chipTransferCapacity = 501;

// Every bet, blind, payout and change travels as chips: the games queue amounts, the idle
// check plans them into chip moves, and the moves land over later ticks.
class TChipAnimationHandler {
 public:
  // Drops every move and transfer; the stacks stay as they are.
  void reset();
  // Queues a transfer; false when the amount is 0 or below (other than a marker) or the
  // transfer stack is full.
  bool queueMove(int32_t from, int32_t to, int32_t amount, bool single, int strategy, int divisor);
  // True when the chips are at rest. Plans queued transfers into moves first. Until the
  // card table draws the chips, every check also advances them by one tick of 300 ms.
  bool isIdle();
  // Advances moves and the seats' speech timers by the elapsed milliseconds (at most 300).
  void animate(int32_t elapsedMs);
  // The pot or a seat in play holds an untidy set of denominations that a change with the
  // bank can tidy.
  bool needsChipExchange() const;
  // Plans the change of the first stack that needs one; true when something was queued.
  bool exchangeChips();
  // Changes the pot's largest chip into smaller ones through the bank.
  void changeChip();
  // Plans every queued transfer, whatever the caps, so that counting finds all money.
  void planEverything();

  int32_t moveCount() const { return movesUsed; }
  int32_t transferCount() const { return transfersUsed; }
  const TChipMove& move(int i) const { return moves[i]; }
  const TChipTransfer& transfer(int i) const { return transfers[i]; }

 private:
  void plan(bool capped);
  bool planSingle(const TChipTransfer& t);
  void splitAmount(const TChipTransfer& t);
  void land(int i);
  bool untidy() const;
  int32_t planExchange(int32_t (&diff)[9][5]) const;
  int32_t queuedSingles(int32_t stack, int32_t value) const;
  friend int32_t stackTypeValue(int32_t stack, int type);

  TChipMove moves[chipMoveCapacity]{};
  int32_t movesUsed = 0;
  TChipTransfer transfers[chipTransferCapacity]{};
  int32_t transfersUsed = 0;
};
extern TChipAnimationHandler chipAnimation;

// The seat's spoken text, cut to 150 characters; its timer starts again.
void setSeatSpeech(int32_t seat, const std::string& text);

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
// Blackjack (games/casino/blackjack_rules.cpp): the seat takes part in the game (the dealer
// too); a seat other than the dealer owns 20,000 chip units or more.
bool blackjackIsSeatInGame(int32_t seat);
bool blackjackPlayerReachedLimit();
// Seats that cannot pay the blind or the minimum bet get their final place.
void pokerPlaceBrokeSeats(int keep, int flag);
void blackjackPlaceBrokeSeats(int keep, int flag);
