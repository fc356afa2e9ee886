// The game-state block `gs`: everything a game keeps between ticks. A head shared by all
// games, one fixed area per game, then members shared again. A saved game stores it whole,
// so it holds no pointers and no heap texts; its image is written field by field
// (core/game_state_image.h).
//
// [SECTION] records of the block
// [SECTION] head shared by all games
// [SECTION] per-game areas
// [SECTION] members after the areas
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>

#include "core/cards.h"
#include "core/decision_block.h"
#include "core/game_id.h"
#include "core/seat_profile.h"
#include "platform/records.h"

// [SECTION] records of the block

// One timed speech bubble. Filled by the sound subsystem's say, ended by the game tick.
struct TBubbleEntry {
  uint32_t startTick;  // tick when it was shown; age is tickDiff(now, startTick)
  int32_t duration;    // ms
  int16_t dialog;      // dialog of the bubble's text element
  int16_t element;     // the element; both >= 1 for the tick to hide it
};

// The last accepted action.
struct TGetBlender {
  int16_t res_i;   // value a
  int16_t res_ii;  // value b
  uint8_t kind;    // action kind
};

// One seat's player: name, gender and voice.
struct TPlayerRecord {
  ShortString<255> name;
  uint8_t female;  // non-zero for a woman's name
  uint8_t voice;   // 1..6: 1..3 female voices, 4..6 male
};

constexpr int meldCapacity = 60;

// The meld table k12 as saved with the game: copied in before saving and back after loading
// by the meld table's owner.
struct TMeldTableImage {
  LArray<THand64, 1, meldCapacity> melds;
  LArray<int32_t, 1, 3> counts;
  LArray<uint8_t, 1, 2> flags;
  LArray<int32_t, 1, 8> selection;  // selection and lay-off state
  LArray<THand, 1, 4> lists;
};

// A game's area as the core keeps it: bytes at the area's place in the block.
template <size_t N>
struct TGameAreaBytes {
  alignas(8) uint8_t bytes[N];
};

// The game's own record over its area's bytes. Records are plain data whose zero bytes are a
// valid empty area, as a new block holds them.
template <class T, size_t N>
T& gameArea(TGameAreaBytes<N>& area) {
  static_assert(std::is_trivially_copyable_v<T> && alignof(T) <= 8, "an area record is plain data");
  static_assert(sizeof(T) <= N, "the game's record outgrew its area");
  return *std::launder(reinterpret_cast<T*>(area.bytes));
}

constexpr int gameListRows = 201;  // rows 0..200, addressed by game number mod 201
constexpr int gameListTextCapacity = 200;
constexpr int bubbleSeats = 10;    // bubble entries 0..10 by seat

struct TGameState {
  // [SECTION] head shared by all games
  uint8_t listOver;        // the game's IsListOver answered true at the last game end
  float tableScale;        // 1.0; 0.8 with the settings' table size 1; set at every new game
  uint8_t meldTableInUse;  // k12 holds stack 12's melds; set by Canasta and Rommé
  int32_t gamesPlayed;     // games recorded in the current list; the newest row's number
  int32_t gameListSpare;   // kept by the image before the list; not read
  LArray<LArray<int32_t, 0, gameListRows - 1>, 0, 6> gameListValues;  // [column][row]; columns 1..6 the seats
  LArray<ShortString<gameListTextCapacity>, 0, gameListRows - 1> gameListTexts;  // row texts
  LArray<int32_t, 1, 6> listTotals;  // running list total per seat
  LArray<int32_t, 1, 6> matchScore;  // standing per seat, recomputed at every game end
  uint8_t phase;           // 0 at every start, 5 once the game has ended
  int32_t step;            // the game's state machine; 99 the game is over
  int32_t gameCounter;     // a counter of the War and Rommé steps
  int32_t subStep;         // sub-step of the state machine
  int32_t lastComment;     // last event a computer seat commented on; 0 at a new game
  int32_t gameValue;       // a value of the War and Canasta steps; the shell sets -1
  uint8_t subState;        // 3 while a decision was asked through the decision panel
  uint32_t lastStepTick;   // tick of the last game step
  int32_t msSinceStep;     // tickDiff(now, lastStepTick), recomputed every tick
  int32_t akspieler;       // the seat to act, 1..20; 1 is the local user
  int32_t dealer;          // the dealing seat
  int32_t tutorialStep;    // step of the tutorial script
  LArray<int32_t, 1, 2> tutorialCardMarks;  // cards the tutorial step marks
  uint8_t tutorialMode;    // the game runs as a tutorial
  uint8_t awaitingAction;  // 0 none; 2 the seat to act must act
  TGetBlender getBlender;  // the last accepted action
  uint8_t anyBubble;       // state of the highest-numbered bubble still shown, 0 none
  LArray<uint8_t, 0, bubbleSeats> bubbleState;       // by seat: 0 none, 3 a timed bubble
  LArray<TBubbleEntry, 0, bubbleSeats> bubbles;      // by seat
  int32_t commentCount;    // bubbles said since the new game
  uint8_t pendingMove;     // 3 while a card move noted by the card table is under way
  uint8_t voicePlaying;    // a voice sample plays; recomputed every tick
  int16_t pendingStack;    // stack of the pending card move; 0 when none
  int16_t pendingSlot;     // slot of the pending card move; 0 when none
  TDecisionBlock bl;       // the decision panel's state
  TDecisionBlock savedBl;  // copy for seats that do not see the panel
  LArray<ShortString<100>, 1, 6> netSeatName;  // seat names of a network game

  // [SECTION] per-game areas
  // One area per game, in the order the saved-game image fixes: Mau-Mau, Hearts, Go Fish,
  // Old Maid, War, Skat, Schwimmen, Rommé and Gin Rummy, Canasta, Doppelkopf, Schafkopf,
  // poker, Schnapsen, Blackjack, Jass. The core does not look into them: each game lays its
  // own record over its bytes (gameArea) and its table of calls walks the record's fields in
  // the image (areaImageIo) at the area's place.
  TGameAreaBytes<4096> maumau;
  TGameAreaBytes<8192> hearts;
  TGameAreaBytes<4096> goFish;
  TGameAreaBytes<4096> oldMaid;
  TGameAreaBytes<4096> war;
  TGameAreaBytes<4096> skat;
  TGameAreaBytes<16384> skatLists;  // Skat's module lists as saved with the game
  TGameAreaBytes<4096> schwimmen;
  TGameAreaBytes<8192> romme;
  TGameAreaBytes<40960> can;
  TGameAreaBytes<16384> doppelkopf;
  TGameAreaBytes<16384> schafkopf;
  TGameAreaBytes<4096> schafkopfLists;  // Schafkopf's trick lists as saved with the game
  TGameAreaBytes<16384> poker;
  TGameAreaBytes<8192> schnapsen;
  TGameAreaBytes<8192> blackjack;
  TGameAreaBytes<16384> jass;

  // [SECTION] members after the areas
  TMeldTableImage meldTableImage;  // copy of k12, saved and loaded with the game
  int32_t savedBlSeat;             // the seat savedBl was taken for; reset by NewGame
  uint8_t optionsGameId;           // whose options dialog gives names and strengths
  LArray<TSeatProfile, 1, 6> seatProfiles;
  LArray<THand, 1, 6> seatKnownCards;  // cards known to be in a seat's hand
  LArray<THand, 1, 6> seatDiscards;    // cards a seat discarded
  LArray<THand, 1, 6> seatDrawnCards;  // known cards a seat drew from the stock
  int16_t dealStyle;        // settings' dealing value, copied at every new game
  int16_t seatOrder;        // settings' seat order (2: turns pass to the previous seat)
  int16_t warCollectDelay;  // countdown of War's trick collecting; 0 at a new game
  LArray<TPlayerRecord, 1, 6> playerRecords;  // record 1 is the local user
};
