// The table overlay panels' reactions to clicks: #helppanel, the message dialog of network
// games, the developer panels #infopanel and #clusterpanel, and the developer's card swap.
// [SECTION] #helppanel and the message dialog
// [SECTION] #infopanel
// [SECTION] ktausch
#include "shell/panels.h"

#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "engine/message_box.h"
#include "engine/stopwatch.h"
#include "net/net_transport.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

// [SECTION] #helppanel and the message dialog

constexpr int32_t kHelpPanelClose = 2;  // #helppanel's picture button

void helpPanelClick(int32_t element) {
  if (element != kHelpPanelClose) return;
  for (int32_t d : {dlgHelpPanel, dlgTutorialPanel})
    if (d != 0) setDialogOpen(d, 0);
  if (dlgMenuBar != 0 && elHelpButton != 0) setElementVisible(dlgMenuBar, elHelpButton, 1);
}

// The result of a network round was read: the machines synchronise and the list goes on.
void messageDialogClick() {
  if (!isNetGame()) return;
  closeDialog(dlgMessage);
  // The transport's hold flag is its result-skip flag: seat 1 is out of the game.
  if (isSeatLostInGame(1)) netTransport.ownSeatOut = true;
  netTransport.ownSyncValue = 4;
  netTransport.sendSync(false);
  if (!netTransport.ownSeatOut) {
    netTransport.clockRunning = false;
    netTransport.startTurnClock(0);
  }
  cg.showStandings();
  if (dlgGameList != 0) openDialog(dlgGameList);
  if (isNetActive() && dlgChatPanel != 0 && dialogOf(dlgChatPanel).open) setKeyDialog(dlgChatPanel);
}

// The poker case memory's developer buttons ("!on", "!off", "!reset", "!pon", "!poff",
// "!save"); the labels before them do nothing.
constexpr int32_t kClusterFirstButton = 4;

void clusterPanelClick(int32_t element) {
  if (element >= kClusterFirstButton) announceStandIn("#clusterpanel: clusterer");
}

// [SECTION] #infopanel

enum : int32_t {
  kInfoResetHighscore = 7, kInfoConsistency = 8, kInfoCheat = 9, kInfoCanastaTest = 10, kInfoSave = 11,
  kInfoReflectionUp = 12, kInfoReflectionDown = 13, kInfoReflectionOffUp = 14, kInfoReflectionOffDown = 15,
  kInfoTimerStart = 16, kInfoTimerStop = 17, kInfoTestCase1 = 18, kInfoTestCase2 = 19,
};

constexpr int kStock = 11;
constexpr int kSkatHandSize = 10;
constexpr int32_t kSkatSortNull = 10;  // sortHand's order of a Null game

// How often the card lies in the stock and the hands of the seats.
int32_t countCard(int rank, int suit) {
  int32_t found = 0;
  auto countIn = [&](const TSpieler& s) {
    for (int i = 1; i <= stackUsed(s); i++)
      if (s.slots[i].card.t == rank && s.slots[i].card.f == suit) found++;
  };
  countIn(sp[kStock]);
  for (int seat = 1; seat <= playerCount && seat <= stackCount; seat++) countIn(sp[seat]);
  return found;
}

void moveLastCards(THand& from, THand& to, int n) {
  for (int i = 0; i < n && from.anz > 0; i++) handaddk(to, deleteCardAt(from, from.anz));
}

// Skat: the user gets the top of the sorted deck, the others a shuffled rest.
void skatCheat() {
  for (int i = 1; i <= stackCount; i++) syncHandFromSlots(sp[i]);
  THand& stock = sp[kStock].hand;
  for (int seat = 1; seat <= 3; seat++) {
    appendHand(stock, sp[seat].hand);
    clearHand(sp[seat].hand);
  }
  sortHand(stock, kSkatSortNull);
  moveLastCards(stock, sp[1].hand, kSkatHandSize);
  syncSlotsFromHand(sp[kStock]);
  shuffleStack(sp[kStock]);
  for (int seat = 2; seat <= 3; seat++) moveLastCards(stock, sp[seat].hand, kSkatHandSize);
  for (int i = 1; i <= stackCount; i++) syncSlotsFromHand(sp[i]);
}

void cheat() {
  if (cg.gameId == gidSkat)
    skatCheat();
  else
    announceStandIn("#infopanel Cheat: game " + std::to_string(cg.gameId));
}

void infoPanelClick(int32_t element) {
  switch (element) {
    case kInfoResetHighscore: cg.resetHighscores(false); break;
    case kInfoConsistency: showMessage(consistencyText(), ""); break;
    case kInfoCheat: cheat(); break;
    case kInfoCanastaTest:
      if (cg.gameId == gidCanasta) announceStandIn("#infopanel X: Canasta test situation");
      break;
    case kInfoSave: announceStandIn("#infopanel Save: dotestsave"); break;
    case kInfoReflectionUp: envParam.reflection += 5; break;
    case kInfoReflectionDown: envParam.reflection -= 5; break;
    case kInfoReflectionOffUp: envParam.reflectionOff += 1; break;
    case kInfoReflectionOffDown: envParam.reflectionOff -= 1; break;
    case kInfoTimerStart: announceStandIn("#infopanel TimerStart: relayoutChipStacks"); break;
    case kInfoTimerStop: showStopwatchReport(); break;
    case kInfoTestCase1: case kInfoTestCase2: announceStandIn("#infopanel Testfall: pokerWinProbability"); break;
    default: break;  // "Grafikoptionen" and the labels do nothing
  }
}

}  // namespace

std::string consistencyText() {
  int32_t should = 0, is = 0;
  for (int rank = 1; rank <= 13; rank++)
    for (int suit = 1; suit <= 4; suit++) {
      should++;
      const int32_t found = countCard(rank, suit);
      is += found == 2 ? 100 : found;
    }
  return "Summe soll:" + std::to_string(should) + ", Summe ist: " + std::to_string(is);
}

bool panelClick(int32_t dialog, int32_t element) {
  if (dialog == 0) return false;
  if (dialog == dlgHelpPanel) helpPanelClick(element);
  else if (dialog == dlgMessage) messageDialogClick();
  else if (dialog == dlgClusterPanel) clusterPanelClick(element);
  else if (dialog == dlgInfoPanel) infoPanelClick(element);
  else return false;
  return true;
}

// [SECTION] ktausch

namespace {
struct TCardPlace {
  int seat = 0;
  int index = 0;
};

// The last place in the hands of seats 1..playerCount that holds the card.
TCardPlace lastPlaceOf(const TCard& c) {
  TCardPlace place;
  for (int seat = 1; seat <= playerCount && seat <= stackCount; seat++) {
    const THand& h = sp[seat].hand;
    for (int i = 1; i <= h.anz; i++)
      if (cardsEqual(h.k[i], c)) place = {seat, i};
  }
  return place;
}
}  // namespace

void Tglapp::ktausch(TCard a, TCard b) {
  const int seats = playerCount < stackCount ? playerCount : stackCount;
  for (int seat = 1; seat <= seats; seat++) syncHandFromSlots(sp[seat]);
  const TCardPlace first = lastPlaceOf(a);
  const TCardPlace second = lastPlaceOf(b);
  if (first.seat == 0 || second.seat == 0) return;
  TCard& x = sp[first.seat].hand.k[first.index];
  TCard& y = sp[second.seat].hand.k[second.index];
  const int16_t xSlot = x.hi, ySlot = y.hi;
  x = TCard{b.t, b.f, xSlot};
  y = TCard{a.t, a.f, ySlot};
  for (int seat = 1; seat <= seats; seat++) syncSlotsFromHand(sp[seat]);
}
