// Doppelkopf's step machine: start, deal, the phases before the first card, and the tricks.
// A game never ends early: all twelve tricks are played, in a solo too.
//
// [SECTION] the step
// [SECTION] phase 1: the deal
// [SECTION] phase 4: the tricks
// [SECTION] trick end
#include "games/skat/doppelkopf_game_step.h"

#include <algorithm>
#include <string>

#include "core/cg.h"
#include "engine/elements.h"
#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_callbacks.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_scoring.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/doppelkopf_vorbehalt.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

constexpr int32_t seatsAtTable = 4;
constexpr int32_t packetSize = 3;
constexpr int32_t packets = doppelkopfHandSize / packetSize * seatsAtTable;
constexpr int32_t stepTrickComplete = 555;

TDoppelkopfArea& area() { return *doppelkopfArea; }
int32_t& seatToAct() { return cg.gs.akspieler; }

void phaseStart() {
  TGameState& gs = cg.gs;
  gs.phase = doppelkopfPhaseDeal;
  gs.step = 0;
  gs.subStep = 0;
  gs.gameValue = 0;
  area().doppelkopfSoloType = doppelkopfNormalGame;
  area().doppelkopfSoloist = 0;
}

// [SECTION] phase 1: the deal

bool dealsBackwards() { return cg.gs.seatOrder == 2; }

void dealAtOnce() {
  const int32_t stock = stackUsed(sp[doppelkopfStockStack]);
  for (int32_t i = 1; i <= seatsAtTable; i++) {
    const int32_t seat = dealsBackwards() ? seatsAtTable - i + 1 : i;
    gethand(seat, doppelkopfHandSize, (i - 1) * doppelkopfHandSize, 0.25f * (i - 1), doppelkopfStockStack, 0);
  }
  noteCoreMove(doppelkopfStockStack, stock - doppelkopfHandSize * seatsAtTable + 1);
  cg.gs.step = packets;
}

void dealPacket() {
  if (dealsBackwards())
    doppelkopfStepToPreviousSeat();
  else
    doppelkopfStepToNextSeat();
  cg.gs.step++;
  amove(doppelkopfStockStack, stackUsed(sp[doppelkopfStockStack]), seatToAct(), 1, packetSize, 0);
}

void phaseDeal() {
  TGameState& gs = cg.gs;
  if (gs.step < packets) {
    if (gs.dealStyle == 1)
      dealAtOnce();
    else
      dealPacket();
  }
  if (gs.step >= packets) {
    gs.step = 0;
    gs.subStep = 0;
    gs.phase = doppelkopfPhaseVorbehalt;
  }
}

// [SECTION] phase 4: the tricks

void showHandCards(bool legalOnly) {
  if (dlgIPanel == 0) return;
  syncHandFromSlots(sp[1]);
  for (int32_t n = 1; n <= std::min(54, handUsed(sp[1].hand)); n++)
    setElementShown(dlgIPanel, elActionButtons[n], !legalOnly || doppelkopfIsInLegalList(sp[1].hand.k[n]) ? 1 : 0);
}

void askForCard() {
  if (doppelkopfCardsInHands() == 0) {
    cg.setMenuButtonCaption(2);
    doppelkopfScoreRound();
    return;
  }
  doppelkopfLegalCards(area().legalCards);
  if (seatToAct() == 1) showHandCards(true);
  cg.openDecisionDialog(47);
  cg.gs.step = 2;
  doppelkopfShowPartyGuessStats();
}

// An announcement arrives as an option, a card as its slot in the seat's hand.
void playChosen() {
  TGameState& gs = cg.gs;
  const int32_t seat = seatToAct();
  if (gs.getBlender.kind != 0) {
    doppelkopfAnnounce(seat);
    cg.openDecisionDialog(47);
    return;
  }
  const int32_t slot = playCardToTrick(seat, gs.getBlender.res_ii, doppelkopfTrickStack, 0);
  if (slot < 1) {
    skatTrace("Doppelkopf: Karte " + std::to_string(gs.getBlender.res_ii) + " von Spieler " + std::to_string(seat) +
              " konnte nicht gespielt werden");
    gs.step = 1;
    return;
  }
  gs.getBlender.res_ii = static_cast<int16_t>(slot);
  noteCoreMove(seat, slot);
  if (seat == 1) showHandCards(false);
  gs.step = 3;
}

// The card on top of the trick stack is the seat's; both trick lists carry the seat in the
// card's slot number.
void cardArrived() {
  TGameState& gs = cg.gs;
  const int32_t seat = seatToAct();
  syncHandFromSlots(sp[seat]);
  const TSpieler& trick = sp[doppelkopfTrickStack];
  TCard card = stackUsed(trick) >= 1 ? trick.slots[stackUsed(trick)].card : noCard();
  card.hi = static_cast<int16_t>(seat);
  if (handUsed(trickBySeat) < seatsAtTable) {
    for (int32_t s = handUsed(trickBySeat) + 1; s <= seatsAtTable; s++) trickBySeat.k[s] = noCard();
    trickBySeat.anz = seatsAtTable;
  }
  trickBySeat.k[seat] = card;
  handaddk(trickCards, card);
  doppelkopfOnCardPlayed(seat);
  TDoppelkopfArea& a = area();
  if (a.trickPosition <= seatsAtTable) doppelkopfStepToNextSeat();
  a.trickPosition++;
  gs.step = a.trickPosition <= seatsAtTable ? 1 : stepTrickComplete;
}

// [SECTION] trick end

bool decidedOpponents(int32_t a, int32_t b) {
  const int32_t pa = doppelkopfPartyOf(a, 0), pb = doppelkopfPartyOf(b, 0);
  return pa != partyUndecided && pb != partyUndecided && pa != pb;
}

// The first opponent of the winner among the seats up to `reach` places after, then before him.
int32_t nearestOpponent(int32_t winner, int32_t reach) {
  for (int32_t i = 1; i <= reach; i++)
    for (int32_t seat : {doppelkopfSeatAfter(winner, i), doppelkopfSeatBefore(winner, i)})
      if (decidedOpponents(seat, winner)) return seat;
  return 0;
}

void trickRemarks(int32_t winner, bool special, int32_t points) {
  if (special && doppelkopfIsNormalGame()) {
    const int32_t opponent = randomReal() < 0.5 ? nearestOpponent(winner, seatsAtTable) : 0;
    if (opponent != 0)
      doppelkopfPlayTrickComment(2, opponent, 0);
    else
      doppelkopfPlayTrickComment(1, winner, 0);
    return;
  }
  if (randomReal() < 0.5) {
    doppelkopfPlayTrickComment(3, winner, points);
  } else if (int32_t opponent = nearestOpponent(winner, 2); opponent != 0) {
    doppelkopfPlayTrickComment(4, opponent, points);
  }
}

// The last-played card goes first onto the winner's won pile; the step waits for the trick's
// first slot.
void collectTrick(int32_t winner) {
  const int32_t pile = winner + doppelkopfWonPileOffset;
  const int32_t base = stackUsed(sp[pile]);
  const int32_t n = std::min(seatsAtTable, stackUsed(sp[doppelkopfTrickStack]));
  for (int32_t i = 1; i <= n; i++)
    movecard(doppelkopfTrickStack, n + 1 - i, pile, base + i, 1, 2, moveCollect, 0.1f * (i - 1), 0, 0.0f);
  noteCoreMove(doppelkopfTrickStack, 1);
}

void trickEnd() {
  TDoppelkopfArea& a = area();
  const int32_t leader = handUsed(trickCards) >= 1 ? trickCards.k[1].hi : seatToAct();
  const int32_t winner = doppelkopfTrickWinner(trickCards, leader);
  seatToAct() = winner;
  const bool special = doppelkopfTrickSpecials(winner);
  cg.submitAction(4, winner, 0);
  trickRemarks(winner, special, doppelkopfPointsOfCards(trickCards));
  doppelkopfPartyEvent(8, 0);
  clearHand(trickBySeat);
  clearHand(trickCards);
  a.trickPosition = 1;
  collectTrick(winner);
}

void phaseTricks() {
  TGameState& gs = cg.gs;
  switch (gs.step) {
    case 1: askForCard(); break;
    case 2: playChosen(); break;
    case 3: cardArrived(); break;
    case stepTrickComplete:
      skatSay("", seatToAct(), 0);
      gs.step = 4;
      break;
    case 4:
      trickEnd();
      gs.step = 5;
      break;
    case 5:
      gs.step = 1;
      gs.subStep++;
      break;
    default: gs.step = 1; break;
  }
}

}  // namespace

// [SECTION] the step

void doppelkopfGameStep(TGameState& gs) {
  gs.gameCounter++;
  gs.gameValue++;
  for (int32_t s = 1; s <= seatsAtTable; s++) syncHandFromSlots(sp[s]);
  switch (gs.phase) {
    case doppelkopfPhaseStart: phaseStart(); break;
    case doppelkopfPhaseDeal: phaseDeal(); break;
    case doppelkopfPhaseVorbehalt: doppelkopfStepVorbehalt(); break;
    case doppelkopfPhaseSolo: doppelkopfStepSolo(); break;
    case doppelkopfPhaseAnnouncements: doppelkopfStepAnnouncements(); break;
    case doppelkopfPhaseTricks: phaseTricks(); break;
    default: break;
  }
  doppelkopfRefreshPlayers();
}
