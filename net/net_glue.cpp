// The game side of the table transport: lost seats, notices, seat counts and the card
// positions moves name.
// [SECTION] seats
// [SECTION] lost seats
// [SECTION] notices
// [SECTION] card positions
#include "net/net_glue.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "engine/frame_loop.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "net/net_transport.h"
#include "shell/channel_parts.h"
#include "shell/game_dialogs.h"
#include "shell/menus.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] seats

bool isSeatLostInGame(int32_t seat) {
  if (!isNetGame() || !netTransport.isSeatLost(seat, false, false)) return false;
  // A seat lost before the first deal of a list is not reported.
  return cg.gs.gameCounter > 1 || cg.gs.gamesPlayed >= 1;
}

int32_t countTakenSeats(const TNetz& t) {
  int32_t n = 0;
  for (int s = 1; s <= t.seatCount && s <= 8; ++s)
    if (t.seats[s].state < 3) ++n;
  return n;
}

int32_t countTakenSeats() { return countTakenSeats(netTransport); }

int32_t countPlayableSeats(bool) {
  int32_t n = 0;
  for (int s = 1; s <= playerCount; ++s)
    if (isSeatPlayable(s)) ++n;
  return n;
}

// [SECTION] lost seats

namespace {
const std::string kLostSymbol = std::string(1, char(1)) + " ";

void showLostSymbol(int32_t netSeat) {
  const int32_t local = netSeatToLocal(netSeat);
  if (local < 1 || local > tableSeatSlots || dlgIPanel == 0) return;
  const int32_t el = elSpeechBubble[local];
  if (el == 0) return;
  if (getElementText(dlgIPanel, el) == std::string(1, char(4))) {
    setElementText(dlgIPanel, el, "", 0);
    setElementVisible(dlgIPanel, el, 0);
    return;
  }
  setElementText(dlgIPanel, el, kLostSymbol, 0);
  setElementVisible(dlgIPanel, el, 1);
}
}  // namespace

bool replaceSeatByComputer(int32_t netSeat) {
  TNetz& t = netTransport;
  if (!t.seats.inRange(netSeat)) return true;
  // The relay deals while the deal phases run; the seat is taken over once they are done.
  if (t.isRelayMode())
    while ((cg.gs.phase == 1 || cg.gs.phase == 2) && isNetActive() && !isTerminating()) frameStep(false);
  if (netSeat == t.ownSeat) return true;
  t.log("DISCONNECTED: " + std::string(t.seats[netSeat].name.view()) + "(" + std::to_string(netSeat) + ")");
  t.seats[netSeat].state = 4;
  t.seats[netSeat].substitute = 0;
  showLostSymbol(netSeat);
  refreshGameScreenIfShown();
  return true;
}

void markRemoteSeatsLost() {
  TNetz& t = netTransport;
  for (int s = 1; s <= t.seatCount && s <= 8; ++s) {
    if (s == t.ownSeat || (t.seats[s].state != 1 && t.seats[s].state != 2)) continue;
    t.seats[s].state = 4;
    showLostSymbol(s);
  }
}

void refreshGameScreenIfShown() {
  if (isDialogOpen(dlgGameList)) cg.showStandings();
}

// [SECTION] notices

void getNetGameTitle(std::string& text) { text = lookupText(cg.lobbyGame ? "f_internetspiel" : "f_netzwerkspiel"); }

namespace {
std::string netGameTitle() {
  std::string t;
  getNetGameTitle(t);
  return t;
}

void pressGameEnd() {
  netTransport.closeClient();
  if (dlgGameMenu != 0 && elGameMenuEnd != 0) activateElement(dlgGameMenu, elGameMenuEnd);
}
}  // namespace

bool showKickedMessage(bool closeGame) {
  TNetz& t = netTransport;
  if (t.kickFlag) return false;
  t.kickFlag = true;
  if (t.phase <= 1) {
    t.hooks.pressWaitingRoomAbort();
    logNotAvailable("lobby Zurück");
  } else if (closeGame && isNetGame()) {
    pressGameEnd();
  }
  if (showMessageById(39) == 6) logNotAvailable("help book eula");
  return false;
}

void showNetEndMessage(const std::string& text, bool closeGame) {
  TNetz& t = netTransport;
  if (t.phase <= 1) {
    if (!text.empty()) showMessage(text, netGameTitle());
    t.hooks.pressWaitingRoomAbort();
    return;
  }
  if (!t.isRelayMode()) return;
  showMessage(text, netGameTitle());
  if (closeGame && isNetGame()) pressGameEnd();
}

// [SECTION] card positions

void sortHandForWire(THand& hand) {
  const int n = handUsed(hand);
  std::stable_sort(&hand.k[1], &hand.k[1] + n, [](const TCard& x, const TCard& y) {
    return x.f != y.f ? x.f < y.f : x.t < y.t;
  });
  sortHandByValue(hand, 1, 0, false);
}

void refreshCurrentHand(bool keepSlots) {
  if (!isNetGame()) return;
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > stackCount) return;
  TSpieler& s = sp[seat];
  syncHandFromSlots(s);
  sortHandForWire(s.hand);
  if (!keepSlots) syncSlotsFromHand(s);
}

namespace {
// The position in the sorted hand of the card now in the given slot, 0 when none.
int sortedPosition(const THand& sorted, int32_t slot) {
  for (int j = 1; j <= handUsed(sorted); ++j)
    if (sorted.k[j].hi == slot) return j;
  return 0;
}
}  // namespace

bool moveToWirePositions(int32_t kind, int32_t a, int32_t& b, THand& selection) {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > stackCount || (kind != 0 && kind != 1)) return true;
  TSpieler copy = sp[seat];
  syncHandFromSlots(copy);
  THand sorted = copy.hand;
  sortHandForWire(sorted);
  if (kind == 0) {
    if (a != 0) return true;
    const int j = sortedPosition(sorted, b);
    if (j == 0) return false;
    b = j;
    return true;
  }
  THand out = selection;
  for (int i = 1; i <= handUsed(selection); ++i) {
    const int j = sortedPosition(sorted, selection.k[i].hi);
    if (j == 0) return false;
    out.k[i].hi = int16_t(j);
  }
  selection = out;
  return true;
}

bool selectionHeldBySeat(const THand& selection, int32_t localSeat) {
  if (localSeat < 1 || localSeat > stackCount) return false;
  const TSpieler& s = sp[localSeat];
  for (int i = 1; i <= handUsed(selection); ++i) {
    const TCard& c = selection.k[i];
    if (c.hi < 1 || c.hi > stackUsed(s)) return false;
    const TCard& held = s.slots[c.hi].card;
    if (held.t != c.t || held.f != c.f) return false;
  }
  return true;
}
