#include "games/rummy/canasta_new_game.h"

#include <algorithm>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_list.h"
#include "games/rummy/canasta_history.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/canasta_step.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/meld_table.h"
#include "net/net_sync.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_layout.h"

namespace {

constexpr int32_t noNumber = 99999;

int32_t leadingNumber(std::string_view text) {
  int32_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return noNumber;
    v = v * 10 + (c - '0');
    if (v > noNumber) return noNumber;
  }
  return v;
}

// A seat from 2 to the seat count; seat 1 never deals at random.
int32_t randomOtherSeat() {
  const int32_t seats = std::max(playerCount, 2);
  return std::min(seats, 2 + static_cast<int32_t>(randomReal() * (seats - 1)));
}

int32_t previousRowSeat(bool highest) {
  int32_t best = 1, value = highest ? -9999999 : 9999999;
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++) {
    int32_t v = gameListValue(cg.gs.gamesPlayed, s);
    if (highest ? v > value : v < value) {
      value = v;
      best = s;
    }
  }
  return best;
}

}  // namespace

int32_t canastaParseOptionNumber(std::string_view text) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return noNumber;
  const size_t space = text.rfind(' ');
  return leadingNumber(space == std::string_view::npos ? text : text.substr(0, space));
}

void canastaBuildDeck() {
  TSpieler& stock = sp[11];
  const int32_t packs = std::clamp(canastaArea().options.packs, 1, 3);
  int32_t slot = 0;
  for (int32_t p = 1; p <= packs; p++)
    for (int32_t r = 1; r <= rankJoker; r++)
      for (int32_t s = 1; s <= 4; s++) {
        if (r == rankJoker && s >= 3) continue;
        stock.slots[++slot].card = makeCard(r, s);
      }
  stock.count = slot;
  shuffleStack(stock);
  k12.clear();
}

void canastaResetSeats() {
  TCanastaArea& can = canastaArea();
  can.pileFrozen = 0;
  for (int32_t s = 1; s <= 6; s++) {
    can.team[s] = 0;
    if (can.options.teams && playerCount == 4) can.team[s] = (s - 1) % 2 + 1;
    if (can.options.teams && playerCount == 6) can.team[s] = (s - 1) % 3 + 1;
    can.hasLaidDown[s] = can.meldedThisTurn[s] = can.firstMeldMade[s] = can.teamCanasta[s] = 0;
  }
}

int32_t canastaChooseDealer(bool newList) {
  const TCanastaOptions& o = canastaArea().options;
  if (newList || o.nextDealer == 7) {
    if (o.firstDealer <= 1) return randomOtherSeat();
    return std::clamp(o.firstDealer - 1, 1, std::max(playerCount, 1));
  }
  switch (o.nextDealer) {
    case 2: return cg.gs.akspieler;
    case 3: return previousRowSeat(true);
    case 4: return previousRowSeat(false);
    case 5: return nextSeat(cg.gs.dealer);
    case 6: return prevSeat(cg.gs.dealer);
    default: return randomOtherSeat();
  }
}

void canastaReadOptions() { canastaArea().options.cardsPerHand = canastaCardsToDeal(); }

void canastaNewGame(bool newList) {
  TCanastaArea& a = canastaArea();
  TGameState& g = cg.gs;
  if (newList) {
    a.partnerAnnounced = 0;
    stat0 = stat1 = stat2 = stat3 = stat4 = 0;
    if (!isNetGame()) canastaReadOptions();
  }
  // The seat to act at the end of the last game may deal the next one.
  const int32_t lastToAct = g.akspieler;
  cg.prepareNewGame();
  g.meldTableInUse = 1;
  canastaInitSortKeys();
  netSyncNewRound(newList);
  canastaClearTrace();
  canastaResetSeats();
  a.wentOutSeat = 0;
  a.wentOutConcealed = 0;
  a.hcount = 0;
  a.turnPoints = 0;
  a.stepCalls = 0;
  a.turnCounter = 0;
  clearHand(a.selhand);
  g.akspieler = lastToAct;
  if (newList || a.options.nextDealer == 7) a.lastMover = 1;
  g.dealer = canastaChooseDealer(newList);
  g.akspieler = g.dealer;
  g.phase = 0;
  g.step = 0;
  g.subStep = 0;
}

void canastaResume(int phase) {
  if (phase != 0) return;
  cg.prepareResume();
  playerCount = cg.seatCount;
  buildTableLayout(0);
  for (int32_t s = 1; s <= stackCount; s++) spLayout[s].restPose = sp[s].restPose;
  canastaInitSortKeys();
  canastaUpdateHumanControls();
}
