// What the card-game core asks of network play: the transport's flags and turn clock, the
// queue of received moves and the seat questions. Network play is not built yet: no
// network game ever runs (isNetGame is false), the queue stays empty and nothing is sent.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "platform/records.h"

// One received move: the wire action code, the values and the selected cards as text.
struct TNetMove {
  int32_t wireAction;
  int32_t a;
  int32_t b;
  std::string cardText;
};

// TNetzSpecialChecker: holds back received moves while on; never switched on.
struct TNetzSpecialChecker {
  bool isWaiting() const { return false; }
};

struct TNetz {
  bool clockRunning = false;  // the turn clock runs; cleared by every submitted action
  bool resultShown = false;   // the list of a network game is over
  bool ownSeatOut = false;    // seat 1 lost or the game ended: results pass unseen
  bool gameEnded = false;     // the network game ended; nothing is sent any more
  int32_t ownSyncValue = 0;   // 3 once the core ended a game
  int32_t gameCounter = 3;    // raised by the Skat step
  TNetzSpecialChecker checker;
  LArray<uint8_t, 0, 10> messageShowState{};  // by network seat: 0 a new message, 2 rising, 3 shown; the table draws

  bool hasInput() const { return false; }
  // The oldest received move, removed from the queue; false when there is none.
  bool popInput(TNetMove& move);
  void sendMove(int kind, int32_t a, int32_t b);
  void startTurnClock(int32_t duration);
  // The next warning stage of the turn clock; 100 when the time is up.
  int32_t nextTurnClockWarning(bool advance);
  bool isSeatLost(int32_t seat, bool notSeat1, bool silent) const;
  bool isReconnecting() const { return false; }
  int32_t getReconnectKind() const { return 0; }
  void sendSync(bool allSynchronised);
};

extern TNetz netTransport;

// This machine leads the table.
bool isGameMaster(const TNetz& transport);
// Wire codes 1..7 give action kinds 0..6; 0 gives 7.
int fromWireAction(int32_t wire);
// The cards of a card text into hand (count and cards 1..count).
void decodeHandText(const std::string& text, THand& hand);
// In a network game rebuilds the hand copy of the seat to act from its slots and sorts it.
void refreshCurrentHand(bool keepSlots);
// A valid seat 1..playerCount whose network player is not lost.
bool isSeatPlayable(int32_t seat);
bool isSeatLostInGame(int32_t seat);
// The network seat of a local seat; outside an active network game the seat itself.
int32_t localSeatToNet(int32_t seat);
bool hasHumanNetSeat();
// isNetGame, or the transport's game-ended flag still set.
bool isNetActive();
void openChatInput();
