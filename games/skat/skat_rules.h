// Skat's rule knowledge shared by the game step, the settlement, the special rounds and the
// computer player: base values, card points, rank orders, which card beats which, the trick
// winner, Spitzen and the game level, the strongest card, the seat arithmetic of the table.
// Plain procedures over the tables below and the records skatGame and skatBid.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/cg.h"
#include "games/skat/skat_state.h"
#include "platform/records.h"

// [SECTION] tables

// Base value by game type 1..20: 12, 11, 10, 9 for the suits, 23 Null, 24 Grand (20 with
// "Grand zählt nur 20", written by the bid-list builder and the settlement), 0 elsewhere.
extern LArray<int32_t, 1, 20> skatBaseValue;
// Order value of each rank 1..8 under the current game type (skatSetRankOrder).
extern LArray<int32_t, 1, 8> skatRankOrder;
// Texts of the Kontra levels 1..4 (Kontra, Re, Sup, Hirsch) and of the game levels 0..5.
extern LArray<std::string, 1, 4> kontraNames;
extern LArray<std::string, 0, 5> skatLevelNames;

// Fills the tables: base values (Grand 24), rank order 1..8, the level and Kontra texts.
void skatInitTables();
// Fills skatRankOrder for the game type, then the sort weights of the same type.
void skatSetRankOrder(int32_t type);
// Fills cardValues for ranks 1..8 as Skat's sort keys: the Jacks first in suit order, then
// the suits Kreuz, Pik, Herz, Karo, each by rank.
void skatInitSortKeys();

// [SECTION] card comparisons
// The current game type is the bid record's; trumps are the shared trump test's.

// Skat's trump test: by the bid record's game type (Skat's answer to the shared isTrump).
// skatIsTrump answers it directly while Skat is the game: the card play and the rating ask
// it in their inner loops.
inline bool skatIsTrumpOfBid(const TCard& c) {
  int32_t type = skatBid->gameType;
  if (type >= skatTypeClubs && type <= skatTypeDiamonds) return c.t == rankJack || c.f == type;
  return (type == skatTypeGrand || type == skatTypeRamsch) && c.t == rankJack;
}
inline bool skatIsTrump(const TCard& c) { return cg.gameId == gidSkat ? skatIsTrumpOfBid(c) : isTrump(c); }

// x ranks above y by skatRankOrder. Used by the computer player: in Null and Ramsch the
// order runs from the Ace down to the 7, so the lower card "beats" there, and in Ramsch the
// Karo Jack ranks above the Kreuz Jack.
bool skatCardBeats(const TCard& x, const TCard& y);
// The same, but two Jacks always compare by suit (Kreuz highest), in Ramsch too.
bool skatCardBeats2(const TCard& x, const TCard& y);
// The trick rule: x, played after y, takes the trick from y.
bool skatCardBeatsInTrick(const TCard& x, const TCard& y);
// The seat 1..3 that wins a complete trick; trick.k[s] is seat s's card.
int32_t skatTrickWinner(const THand& trick, int32_t leader);
// The highest card of a non-empty hand by skatCardBeats (the first of equals).
TCard skatStrongestCard(const THand& hand);

// [SECTION] points, Spitzen and level

int32_t skatPoints(const THand& hand);
// Ramsch: points of the seat's won cards, plus the Skat for the winner of the last trick
// (the seat to act at the end of the game) when the Skat goes to that seat.
int32_t skatPartyPoints(int32_t seat);
// a's cards followed by b's, duplicates kept.
THand concatHands(const THand& a, const THand& b);
// out := hand followed by more, and the Skat unless a Rum game is on or the seat is the
// declarer of a game that is not Hand (who knows what lies in the Skat).
void skatMergeTrickHands(int32_t seat, const THand& hand, const THand& more, THand& out);
// Spitzen of a hand under a game type; mit is 1 when the hand holds the Kreuz Jack, else 0.
int32_t skatCountSpitzen(const THand& hand, int32_t type, int32_t& mit);
int32_t skatCountSpitzen(const THand& hand, int32_t type);
// The multiplier of skatGame's game (type, Hand, level) for the declarer's dealt hand with
// the dealt Skat: Spitzen + 1 (the game) + 1 for Hand + the level's steps.
int32_t skatGameMultiplier(const THand& hand);

// [SECTION] game-type tests

// The bid record's game type is Null or Ramsch.
bool skatIsNullOrRamsch();
// The condition the Bock and Ramsch triggers "Nach 60:60" and "Spieler ist Schneider" add:
// not a Ramsch game, and a trump game (suit or Grand).
bool skatIsNegativeGameType();

// [SECTION] seats
// Seats 1..3 clockwise; -1 stands for the seat to act.

int32_t skatNextPlayer(int32_t seat);
int32_t skatPrevPlayer(int32_t seat);
void skatStepToNextPlayer();
void skatStepToPrevPlayer();
int32_t skatDealer();      // Hinterhand
int32_t skatForehand();    // Vorhand: the seat after the dealer, leads the first trick
int32_t skatMiddlehand();  // Mittelhand: two seats after the dealer, bids first

// A consistency check: a rank outside 1..8 or a suit outside 1..4 shows "ConstructError"
// with the caller's name and the card's values in the error dialog; nothing else happens.
void skatShowCardCodeError(const TCard& c, const char* caller);
inline void skatCheckCardCode(const TCard& c, const char* caller) {
  if (c.t < 1 || c.t > 8 || c.f < 1 || c.f > 4) skatShowCardCodeError(c, caller);
}
