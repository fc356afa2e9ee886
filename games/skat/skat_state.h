// Skat's records: the game types, the game and bid records, the Skat area of the game state
// and the module card lists. Other subsystems read the bid record (the shared trump test),
// the current trick and the card points.
//
// [SECTION] game types and levels
// [SECTION] records
// [SECTION] the Skat area
// [SECTION] module card lists
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "core/skat_codes.h"
#include "games/skat/skat_options.h"
#include "platform/records.h"

// [SECTION] game types and levels

// Values of TSkatGameRecord::level.
enum : uint8_t {
  skatLevelNormal = 0,
  skatLevelSchneider = 1,
  skatLevelSchneiderAnnounced = 2,
  skatLevelSchwarz = 3,
  skatLevelSchwarzAnnounced = 4,
  skatLevelOffen = 5,
};

// [SECTION] records

// The bid record. Written by the game step; its game type decides the shared trump test.
struct TSkatBidRecord {
  int32_t declarer;     // seat 1..3 of the declarer (Ramsch: the loser)
  int32_t unused1;
  int32_t unused2;
  int32_t gameType;     // read by the shared trump test
  int32_t leadSeat;     // seat leading the current trick
  int32_t cardsToPlay;  // 2 when a trick starts, lowered by one per card played
};

// The game record: bids, the declared game and its settlement. Reset by the new game;
// written by the game step and the settlement.
struct TSkatGameRecord {
  LArray<int32_t, 1, 3> seatBid;  // last bid or hold of each seat, 0 before its first
  int32_t bidReached;             // the bid the declarer is held to
  int32_t declarer;               // seat 1..3 of the declarer (Ramsch: the loser)
  int32_t multiplier;             // worked out by the settlement
  int32_t gameType;               // game type, as in the bid record
  int32_t overbidGameType;        // the declared type kept for an overbid valuation
  int32_t spitzeAnnounced;        // 1 when Spitze was announced
  uint8_t level;                  // skatLevelNormal..skatLevelOffen
  uint8_t handGame;               // 1 for a Hand game
  int32_t gameValue;              // settled value, negative when lost
  uint8_t won;                    // 1 when the declarer won (Ramsch: only a Durchmarsch)
  int32_t declarerPoints;         // card points of the declarer's party, 0..120
  int32_t defenderPoints;         // card points of the defenders, 0..120
  uint8_t ramschGame;             // the game is a Ramsch game
  uint8_t schiebenRound;          // the Ramsch game began with the Schieben round
  uint8_t bockGame;               // the settlement counted the game as a Bock game
  LArray<uint8_t, 1, 3> noTrickYet;         // the seat has taken no trick yet (1 at each new game)
  LArray<uint8_t, 1, 3> jungfrauAnnounced;  // the seat announced Jungfrau
  int32_t pushCount;              // how often the Skat was pushed on in the Schieben round
  int32_t jungfrauLoser;          // seat that announced Jungfrau and then took a trick, 0 none
  int32_t kontraLevel;            // 0 none, 1 Kontra, 2 Re, 3 Sup, 4 Hirsch
  uint8_t spitzeWrong;            // an announced Spitze failed
  uint8_t rumGame;                // a declarer chose Rum
};

// [SECTION] the Skat area

constexpr int skatBidListCapacity = 100;

// Skat's area of the game state, in this field order. The game state embeds it; it holds
// no pointers, so saving the game state saves it whole. The new game resets it; the game
// step writes it.
struct TSkatArea {
  int32_t skatDealerSeat;         // dealer (Hinterhand) of the current game, 1..3
  int32_t trickLeader;            // seat that leads the current trick
  TSkatGameRecord game;           // what skatGame points at
  int32_t rearhand;               // the dealer's seat noted at the deal
  int32_t bidListener;            // seat that answers bids in the current bidding round
  int32_t bidSayer;               // seat that makes bids in the current bidding round
  int32_t unusedBid1;
  int32_t unusedBid2;
  int32_t currentBid;             // highest bid so far; 1 before any bid
  uint8_t sayerTurn;              // 1 while the sayer is asked, 0 while the listener is
  LArray<int32_t, 1, skatBidListCapacity> skatBidList;  // ascending bid values, 0 beyond the count
  int32_t skatBidCount;           // values in the list
  int32_t skatBidIndex;           // position of the value the sayer is offered next; 0 after a build
  TSkatBidRecord bid;             // what skatBid points at
  TSkatOptions options;           // the rules in force
  int32_t kontraDefender;         // defender asked next in the Kontra round
  uint8_t kontraSecondAsked;      // set once the second defender was asked
  ShortString<100> specialGameMarker;  // "", "B" (Bock game) or "R" (Ramsch game)
};

// The Skat area in use. Until the game state exists it is one program-wide record of this
// module (zero, with the default options); skatAttachArea moves every reference to another.
extern TSkatArea* skatArea;
// The game record and the bid record inside the Skat area in use.
extern TSkatGameRecord* skatGame;
extern TSkatBidRecord* skatBid;

// Points skatArea, skatGame and skatBid into the given area (after loading a saved game,
// or once the game state holds the area).
void skatAttachArea(TSkatArea& area);
struct TSkatSavedLists;
// Skat's area and its saved lists in the game state's block.
TSkatArea& skatGameArea();
TSkatSavedLists& skatGameLists();

// The seat to act: the game state's akspieler.
int32_t& skatSeatToAct();

// [SECTION] module card lists
// Saved with a game by the core; emptied by the game step as each list's comment says.

extern THand lastTrick;       // the last completed trick, by seat
extern THand playedCards;     // every card played in this game
extern THand declarerTricks;  // cards won by the declarer
extern THand defenderTricks;  // cards won by the two defenders
extern LArray<THand, 1, 3> wonCards;    // cards won by each seat
extern THand pressedSkat;     // the Skat as dealt, then the two cards the declarer put down
extern LArray<THand, 1, 3> dealtHands;  // each hand as dealt (written by the hand rating)
extern THand dealtSkat;       // the Skat as dealt (written by the hand rating)

extern ShortString<255> pendingSpecialGames;  // one letter per coming special game, "B" or "R"
extern uint8_t nullTrickTaken;  // a trick ended the game early (broken announcement, Null, Jungfrau, Spitze)

// The lists above, the flag and the text as saved with a game: the game state holds this
// copy after the Skat area; Skat copies into it before saving and back after loading.
struct TSkatSavedLists {
  THand trickBySeat;
  THand trickCards;
  THand lastTrick;
  THand playedCards;
  THand declarerTricks;
  THand defenderTricks;
  LArray<THand, 1, 3> wonCards;
  THand pressedSkat;
  LArray<THand, 1, 3> dealtHands;
  THand dealtSkat;
  uint8_t nullTrickTaken;
  ShortString<255> pendingSpecialGames;
};
