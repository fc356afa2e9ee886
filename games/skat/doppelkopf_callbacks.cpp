// Doppelkopf's new game, resume, table display and party-guess statistics.
//
// [SECTION] options and new game
// [SECTION] resume
// [SECTION] table display
// [SECTION] party-guess statistics
#include "games/skat/doppelkopf_callbacks.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/elements.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_scoring.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_family_ai_debug.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/stack_ops.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

constexpr int32_t seatsAtTable = 4;
constexpr int32_t trickStack = 12;

TDoppelkopfArea& area() { return *doppelkopfArea; }

}  // namespace

// [SECTION] options and new game

void doppelkopfReadOptions() {
  playerCount = seatsAtTable;
  cg.seatCount = seatsAtTable;
  // No dialog offers a list of no games: a record never filled takes the defaults.
  if (area().options.gameLimit <= 0) area().options = doppelkopfDefaultOptions;
}

namespace {

void clearStatistics() {
  for (int32_t* s : {&stat0, &stat1, &stat2, &stat3, &stat4, &stat5, &stat6, &stat7}) *s = 0;
  for (int32_t& n : area().partyGuessStats) n = 0;
}

// A stack left over from an abandoned game would keep its cards: the trick goes too.
void emptyStacks() {
  for (int32_t s : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, trickStack}) {
    sp[s].count = 0;
    clearHand(sp[s].hand);
  }
}

void clearGameRecords() {
  TDoppelkopfArea& a = area();
  for (int32_t s = 1; s <= seatsAtTable; s++) a.views[0].party[s] = a.views[0].partyGuess[s] = 0;
  for (TDoppelkopfSeat& seat : a.seats) seat = TDoppelkopfSeat{};
  a.hochzeitSeat = a.hochzeitPartner = 0;
  a.trickPosition = 1;
  clearHand(trickBySeat);
  clearHand(trickCards);
}

int32_t firstDealer(int32_t choice) {
  if (choice >= 2 && choice <= seatsAtTable + 1) return choice - 1;
  return std::clamp(static_cast<int32_t>(std::nearbyint(randomReal() * seatsAtTable + 0.5)), 1, seatsAtTable);
}

}  // namespace

void doppelkopfNewGame(bool newList) {
  doppelkopfAttachArea(doppelkopfGameArea());
  TDoppelkopfArea& a = area();
  if (newList) {
    clearStatistics();
    doppelkopfReadOptions();
  }
  cg.prepareNewGame();
  emptyStacks();
  a.doppelkopfSoloType = doppelkopfNormalGame;
  doppelkopfBuildTrumpOrder();  // the normal game's order sorts the dealt hands
  doppelkopfBuildDeck();
  clearGameRecords();
  a.doppelkopfSoloType = doppelkopfNormalGame;
  a.doppelkopfSoloist = 0;
  a.savedSeatKnowledge = TSavedSeatKnowledge{};
  doppelkopfPartyEvent(0, 0);
  TGameState& gs = cg.gs;
  gs.dealer = newList ? firstDealer(a.options.dealerChoice) : doppelkopfSeatAfter(gs.dealer, 1);
  gs.akspieler = gs.dealer;
}

// [SECTION] resume

namespace {

// The trick's cards lie in their seats' places again, each a little above the one before.
void replaceTrickCards() {
  TSpieler& trick = sp[trickStack];
  for (int32_t k = 1; k <= std::min(handUsed(trickCards), stackUsed(trick)); k++) {
    const int32_t seat = std::clamp<int32_t>(trickCards.k[k].hi, 1, seatsAtTable);
    setPlacement(trick.slots[k], scatterTrickCard(seat, seat));
    trick.slots[k].pose.z = 0.5f * k - 97.0f;
  }
}

}  // namespace

void doppelkopfResume(int phase) {
  if (phase != 0) return;
  doppelkopfAttachArea(doppelkopfGameArea());
  cg.prepareResume();
  playerCount = seatsAtTable;
  cg.seatCount = seatsAtTable;
  for (int32_t s = 1; s <= stackCount; s++) syncHandFromSlots(sp[s]);
  // While the solo's type is still asked, the hands keep the normal game's order.
  TDoppelkopfArea& a = area();
  const int32_t type = a.doppelkopfSoloType;
  if (type == doppelkopfSoloPending) a.doppelkopfSoloType = doppelkopfNormalGame;
  doppelkopfRebuildTrumpOrder();
  a.doppelkopfSoloType = type;
  replaceTrickCards();
  doppelkopfRefreshPlayers();
}

// [SECTION] table display

namespace {

LArray<int32_t, 1, seatsAtTable> plates{};

int32_t plateFor(int32_t seat) {
  const int32_t type = area().doppelkopfSoloType;
  const bool solo = type >= doppelkopfKreuzSolo && type <= doppelkopfBubenDamenSolo;
  const int32_t party = doppelkopfPartyOf(seat, 1);
  if (solo && party == partyRe) return doppelkopfPlateSolo + type;
  if (solo && party == partyKontra) return doppelkopfPlateNone;
  switch (party) {
    case partyUndecided: return doppelkopfPlatePlain;
    case partyRe: return doppelkopfPlateRe;
    case partyKontra: return doppelkopfPlateKontra;
    default: return doppelkopfPlateNone;
  }
}

void showMarkers(const LArray<int32_t, 1, 5>& elements, int32_t shown) {
  for (int32_t j = 1; j <= 5; j++)
    if (elements[j] != 0) setElementShown(dlgIPanel, elements[j], j <= shown ? 1 : 0);
}

}  // namespace

void doppelkopfRefreshPlayers() {
  showPartyViewsDebug(area().views);
  for (int32_t s = 1; s <= seatsAtTable; s++) plates[s] = plateFor(s);
  if (dlgIPanel == 0) return;
  // The Kontra party's levels on the suit icons, the Re party's on the round icons and the
  // next suit icons' places.
  showMarkers(elSuitIcons, doppelkopfAnnouncementMarkers(true));
  const LArray<int32_t, 1, 5> reMarkers{{elRoundIcons[1], elRoundIcons[2], 0, 0, 0}};
  showMarkers(reMarkers, doppelkopfAnnouncementMarkers(false));
}

int32_t doppelkopfSeatPlate(int32_t seat) { return seat >= 1 && seat <= seatsAtTable ? plates[seat] : 0; }

int32_t doppelkopfAnnouncementMarkers(bool kontraSide) {
  const TDoppelkopfSeat& w = doppelkopfGameWide();
  return std::clamp(kontraSide ? w.doppelkopfKontraLevel : w.doppelkopfReLevel, 0, 5);
}

// [SECTION] party-guess statistics

namespace {

bool holdsKreuzDame(int32_t seat) {
  return hasCard(sp[seat].hand, makeCard(rankQueen, suitClubs)) || area().seats[seat].kreuzDamenPlayed > 0;
}

}  // namespace

void doppelkopfShowPartyGuessStats() {
  TDoppelkopfArea& a = area();
  for (int32_t v = 1; v <= seatsAtTable; v++)
    for (int32_t s = 1; s <= seatsAtTable; s++) {
      if (a.views[v].party[s] != partyUndecided) continue;
      const int32_t guess = a.views[v].partyGuess[s];
      const int32_t right = holdsKreuzDame(s) ? partyRe : partyKontra;
      a.partyGuessStats[guess == partyUndecided ? 1 : guess == right ? 2 : 3]++;
    }
  const int32_t sum = a.partyGuessStats[1] + a.partyGuessStats[2] + a.partyGuessStats[3];
  std::string guessText;
  const char* names[] = {"Unknown: ", "Richtig: ", "Falsch: "};
  for (int32_t i = 1; i <= 3; i++) {
    std::string percent;
    formatPercent(a.partyGuessStats[i], sum, 2, percent);
    guessText += std::string(i > 1 ? "\n" : "") + names[i - 1] + percent + " (" + std::to_string(a.partyGuessStats[i]) + ")";
  }
  setDebugLabelText(debugLabelGuesses, guessText);
}

const std::string& doppelkopfPartyGuessText() { return debugLabelText(debugLabelGuesses); }
