#include "games/rummy/romme_new_game.h"

#include <algorithm>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_list.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_controls.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_step.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_layout.h"

namespace {

constexpr int32_t noNumber = 99999;

int32_t randomOtherSeat() {
  const int32_t seats = std::max(playerCount, 2);
  return std::min(seats, 2 + static_cast<int32_t>(randomReal() * (seats - 1)));
}

int32_t previousRowSeat(bool highest) {
  int32_t best = 1, value = highest ? -9999999 : 9999999;
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++) {
    const int32_t v = gameListValue(cg.gs.gamesPlayed, s);
    if (highest ? v > value : v < value) value = v, best = s;
  }
  return best;
}

}  // namespace

int32_t rommeParseLeadingNumber(std::string_view text) {
  const size_t space = text.find(' ');
  if (space == std::string_view::npos || space == 0) return noNumber;
  int32_t v = 0;
  for (size_t i = 0; i < space; i++) {
    if (text[i] < '0' || text[i] > '9') return noNumber;
    v = v * 10 + (text[i] - '0');
    if (v > noNumber) return noNumber;
  }
  return v;
}

void rommeReadOptions() {
  TRommeOptions& o = rommeArea().options;
  logNotAvailable("rommeReadOptions: options dialog");
  if (rommeIsGin()) {
    playerCount = cg.seatCount = 2;
    o.firstDealer = 1 + (randomReal() < 0.5 ? 1 : 2);
    o.nextDealer = 5;
    o.aroundTheCorner = o.duplicateCards = 0;
    o.layOffOnOthers = 1;
    o.positiveScoring = 0;
    o.jokerValue = 0;
    o.firstMeldMinimum = 0;
    o.packs = 1;
    o.cardsDealt = 10;
  } else {
    o.cardsDealt = 13;
    o.packs = std::clamp(o.packs, 1, 3);
  }
  // Only one limit is in force.
  if (o.listLength != noNumber && o.listLength > 0) o.pointLimit = 0;
  if (o.listLength <= 0) o.listLength = noNumber;
}

void rommeBuildDeck() {
  TSpieler& stock = sp[11];
  const bool gin = rommeIsGin();
  const int32_t packs = std::clamp(rommeArea().options.packs, 1, 3);
  int32_t slot = 0;
  stock.count = 0;
  for (int32_t p = 1; p <= packs; p++)
    for (int32_t r = 1; r <= (gin ? 13 : rankJoker); r++)
      for (int32_t s = 1; s <= 4; s++) {
        if (r == rankJoker && s == 4) continue;
        if (slot >= slotCapacity) continue;
        stock.slots[++slot].card = makeCard(r, s);
      }
  stock.count = slot;
  shuffleStack(stock);
  k12.clear();
}

int32_t rommeChooseDealer(bool newList) {
  const TRommeOptions& o = rommeArea().options;
  if (newList || o.nextDealer == 7) {
    rommeArea().lastMover = 1;
    if (o.firstDealer <= 1) return randomOtherSeat();
    return std::clamp(o.firstDealer - 1, 1, std::max(playerCount, 1));
  }
  switch (o.nextDealer) {
    case 2: return std::clamp(cg.gs.akspieler, 1, std::max(playerCount, 1));
    case 3: return previousRowSeat(true);
    case 4: return previousRowSeat(false);
    case 5: return rommeNextSeat(cg.gs.dealer);
    case 6: return rommePrevSeat(cg.gs.dealer);
    default: return randomOtherSeat();
  }
}

void rommeNewGame(bool newList) {
  TRommeArea& a = rommeArea();
  TGameState& g = cg.gs;
  if (newList) rommeReadOptions();
  const int32_t lastToAct = g.akspieler;
  cg.prepareNewGame();
  g.meldTableInUse = 1;
  rommeInitSortKeys();
  rommeBuildDeck();
  g.akspieler = lastToAct;
  g.dealer = rommeChooseDealer(newList);
  g.akspieler = g.dealer;
  a.knocked = a.layOffStage = a.knockerDone = a.ginNoGame = 0;
  a.takenDiscard = noCard();
  a.knockLimit = 10;
  a.upCardOffers = 0;
  a.knocker = 0;
  a.turnCounter = a.turnStartCount = a.meldTicks = 0;
  a.stepCalls = 0;
  clearHand(a.knockerLayOffs);
  clearHand(a.userMeld);
  for (int32_t s = 1; s <= 6; s++)
    for (int32_t i = 1; i <= 166; i++) a.holdMarks[s][i] = 0;
  rommeDropDeadwoodCache();
  g.phase = 0;
  g.step = 0;
  g.subStep = 0;
}

void rommeResume(int phase) {
  if (phase != 0) return;
  cg.prepareResume();
  playerCount = cg.seatCount;
  buildTableLayout(0);
  for (int32_t s = 1; s <= stackCount; s++) spLayout[s].restPose = sp[s].restPose;
  rommeInitSortKeys();
  rommeDropDeadwoodCache();
  rommeRefreshTable();
  rommeUpdateHumanControls();
}

void rommeSetSortMode(bool byValue) {
  TRommeOptions& o = rommeArea().options;
  if ((o.sortByValue != 0) == byValue) return;
  o.sortByValue = byValue ? 1 : 0;
  rommeInitSortKeys();
  TSpieler& user = sp[1];
  syncHandFromSlots(user);
  sortHandByValue(user.hand, 1, 0, false);
  syncSlotsFromHand(user);
  rommeDropDeadwoodCache();
  rommeShowSortMode(byValue);
}
