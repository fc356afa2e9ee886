// Schafkopf's new game, resume and table display.
//
// [SECTION] options and new game
// [SECTION] resume
// [SECTION] table display
#include "games/skat/schafkopf_table.h"

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/skat/schafkopf_game_step.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/schafkopf_state.h"
#include "games/skat/skat_family_ai_debug.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

TSchafkopfTableMarks schafkopfTableMarks{};

namespace {
TSchafkopfArea& area() { return *schafkopfArea; }
}  // namespace

// [SECTION] options and new game

void schafkopfReadOptions() {
  playerCount = schafkopfSeats;
  cg.seatCount = schafkopfSeats;
  logNotAvailable("Schafkopf-Optionsdialog");
  // A record nobody filled would end the list after its first game.
  if (area().options.gameLimit == 0) area().options = schafkopfDefaultOptions;
}

void schafkopfNewGame(bool newList) {
  schafkopfAttachArea(schafkopfGameArea());
  TSchafkopfArea& a = area();
  if (newList) stat0 = stat1 = stat2 = stat3 = stat4 = 0;
  a.firstPlayWish = a.secondPlayWish = a.playWishCount = a.declarationsMade = 0;
  a.highestOffer = a.contract = TContractRecord{};
  a.silentSoloShown = a.calledAcePlayed = 0;
  a.savedSeatKnowledge = TSavedSeatKnowledge{};
  if (newList) schafkopfReadOptions();
  cg.seatCount = playerCount = schafkopfSeats;
  cg.prepareNewGame();
  for (int32_t s = 1; s <= 10; s++) {
    sp[s].count = 0;
    syncHandFromSlots(sp[s]);
  }
  clearHand(trickBySeat);
  clearHand(trickCards);
  a.trickPosition = 1;
  schafkopfBuildTrumpOrder();
  schafkopfBuildDeck();
  a.kontraLevel = 0;
  for (int32_t s = 0; s <= schafkopfSeats; s++) a.seats[s].answered = 0;
  for (int32_t s = 1; s <= schafkopfSeats; s++) a.partyViews[0].party[s] = a.partyViews[0].partyGuess[s] = 0;
  a.soloistSeat = 0;
  schafkopfPartyEvent(0, 0);
  TGameState& gs = cg.gs;
  if (!newList) {
    gs.dealer = schafkopfSeatAfter(gs.dealer >= 1 && gs.dealer <= schafkopfSeats ? gs.dealer : schafkopfSeats, 1);
  } else {
    int32_t choice = a.options.dealerChoice;
    gs.dealer = choice >= 2 && choice <= schafkopfSeats + 1 ? choice - 1 : randomBelow(schafkopfSeats) + 1;
  }
  gs.akspieler = gs.dealer;
}

// [SECTION] resume

void schafkopfResume() {
  schafkopfAttachArea(schafkopfGameArea());
  cg.prepareResume();
  cg.seatCount = playerCount = schafkopfSeats;
  for (int32_t i = 1; i <= stackCount; i++) syncHandFromSlots(sp[i]);
  schafkopfBuildTrumpOrder();
  // The trick's cards lie where each seat put them, the later ones above.
  TSpieler& trick = sp[schafkopfTrickStack];
  for (int32_t pos = 1; pos <= handUsed(trickCards); pos++) {
    const TCard& c = trickCards.k[pos];
    for (int32_t k = 1; k <= stackUsed(trick); k++)
      if (cardsEqual(trick.slots[k].card, c)) {
        setPlacement(trick.slots[k], scatterTrickCard(c.hi, c.hi));
        trick.slots[k].pose.z = 0.5f * float(pos) - 97.0f;
      }
  }
  schafkopfRefreshPlayers();
}

// [SECTION] table display

namespace {

uint8_t contractPlate(uint8_t type) {
  switch (type) {
    case skfSie: return skfPlateSie;
    case skfWenz:
    case skfFarbwenz: return skfPlateWenz;
    case skfGeier:
    case skfFarbgeier: return skfPlateGeier;
    case skfBettel: return skfPlateBettel;
    default: return skfPlateNone;
  }
}

uint8_t plateOf(int32_t seat) {
  const TSchafkopfArea& a = area();
  const TGameState& gs = cg.gs;
  bool bidding = gs.phase == skfPhaseAsking || gs.phase == skfPhaseDeclaring;
  bool playing = gs.phase == skfPhaseTricks || gs.phase == skfPhaseDoubling;
  bool declaring = gs.phase == skfPhaseDeclaring && seat == gs.akspieler;
  uint8_t plate = skfPlatePlain;
  if (bidding && a.seats[seat].answered && !declaring) plate = skfPlateNone;
  bool standing = seat == a.highestBidder && bidding && a.playWishCount >= 2;
  if (playing || standing) {
    const TContractRecord& c = playing ? a.contract : a.highestOffer;
    if (c.type == skfRufspiel) {
      int32_t party = schafkopfPartyOf(seat, 1);
      if (party == skfPartyRe) plate = skfPlateRe;
      if (party == skfPartyKontra) plate = skfPlateKontra;
      return plate;
    }
    if (playing) plate = skfPlateNone;
    if (seat == a.highestBidder && contractPlate(c.type) != skfPlateNone) plate = contractPlate(c.type);
    return plate;
  }
  if (bidding && ((seat == a.firstPlayWish && a.playWishCount == 1) || (seat == a.secondPlayWish && a.playWishCount == 2)))
    plate = skfPlateWantsToPlay;
  return plate;
}

}  // namespace

void schafkopfRefreshPlayers() {
  TSchafkopfArea& a = area();
  if (a.contract.type == skfNone) a.contract.suit = 0;
  showPartyViewsDebug(a.partyViews);
  TSchafkopfTableMarks& m = schafkopfTableMarks;
  for (int32_t s = 1; s <= schafkopfSeats; s++) m.plates[s] = plateOf(s);
  bool tricks = cg.gs.phase == skfPhaseTricks;
  m.suitIcon = tricks && a.contract.type == skfRufspiel ? a.contract.suit : 0;
  m.ramschIcon = a.contract.type == skfRamsch;
  m.kontraIcon = a.kontraLevel >= 1;
  m.reIcon = a.kontraLevel >= 2;
}
