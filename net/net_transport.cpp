// The network services the core calls, inert until network play is built.
#include "net/net_transport.h"

#include "engine/engine_services.h"
#include "shell/shell_globals.h"

TNetz netTransport;

bool TNetz::popInput(TNetMove&) { return false; }
void TNetz::sendMove(int, int32_t, int32_t) {}
void TNetz::startTurnClock(int32_t) { clockRunning = true; }
int32_t TNetz::nextTurnClockWarning(bool) { return 0; }
bool TNetz::isSeatLost(int32_t, bool, bool) const { return false; }
void TNetz::sendSync(bool) {}

bool isGameMaster(const TNetz&) { return true; }

int fromWireAction(int32_t wire) { return wire >= 1 && wire <= 7 ? wire - 1 : 7; }

void decodeHandText(const std::string&, THand&) {}

void refreshCurrentHand(bool) {}

bool isSeatPlayable(int32_t seat) { return seat >= 1 && seat <= playerCount; }

bool isSeatLostInGame(int32_t) { return false; }

int32_t localSeatToNet(int32_t seat) {
  // Seat numbers differ only when this machine's own network seat is not seat 1.
  if (isNetActive()) logNotAvailable("localSeatToNet");
  return seat;
}

bool hasHumanNetSeat() { return false; }

bool isNetActive() { return isNetGame() || netTransport.gameEnded; }

void openChatInput() {}
