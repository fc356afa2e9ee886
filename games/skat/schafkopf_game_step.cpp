// Schafkopf's step machine. The head's phase, step and sub-step drive it: phase 0 starts the
// game, 1 deals, 3, 7 and 8 are the bidding (schafkopf_bidding), 4 plays the eight tricks
// and hands over to the scoring. A decision is opened and its answer taken on a later tick;
// a card move is noted as pending and the next step runs once it landed.
//
// [SECTION] helpers
// [SECTION] phase 0 and 1: start and deal
// [SECTION] phase 4: the tricks
// [SECTION] remarks
// [SECTION] the step
#include "games/skat/schafkopf_game_step.h"

#include <string>

#include "core/cg.h"
#include "engine/elements.h"
#include "games/skat/schafkopf_bidding.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/schafkopf_scoring.h"
#include "games/skat/schafkopf_table.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "net/net_transport.h"
#include "platform/random.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

TSchafkopfArea& area() { return *schafkopfArea; }
int32_t seats() { return playerCount >= 1 ? playerCount : schafkopfSeats; }
int16_t& answer() { return cg.gs.getBlender.res_ii; }

// The head's two free counters: every call, and every call since phase 0.
int32_t& ticks() { return cg.gs.gameCounter; }
int32_t& ticksSincePhase0() { return cg.gs.gameValue; }

constexpr uint8_t actionCard = 0;
constexpr int32_t cardsPerPacket = 4;
constexpr int32_t askPlayCard = 47;

bool dealsBackwards() { return cg.gs.seatOrder == 2; }

}  // namespace

// [SECTION] phase 0 and 1: start and deal

namespace {

void stepStart() {
  TGameState& gs = cg.gs;
  gs.phase = skfPhaseDeal;
  gs.step = 0;
  gs.subStep = 0;
  ticksSincePhase0() = 0;
  area().contract.type = skfNone;
  area().soloistSeat = 0;
}

// All hands in one movement, each seat a quarter of the animation later than the one before.
void dealAtOnce() {
  int32_t n = seats();
  int32_t stock = stackUsed(sp[schafkopfStockStack]);
  for (int32_t i = 1; i <= n; i++) {
    int32_t seat = dealsBackwards() ? n - i + 1 : i;
    gethand(seat, schafkopfHandSize, (i - 1) * schafkopfHandSize, float(i - 1) * 0.25f, schafkopfStockStack, 0);
  }
  noteCoreMove(schafkopfStockStack, stock - schafkopfHandSize * n + 1);
  cg.gs.step = 4 * n;
}

// One packet of four to the next seat; the first goes to the seat after the dealer.
void dealPacket() {
  TGameState& gs = cg.gs;
  if (dealsBackwards())
    schafkopfStepToPreviousSeat();
  else
    schafkopfStepToNextSeat();
  gs.step += 1;
  amove(schafkopfStockStack, stackUsed(sp[schafkopfStockStack]), gs.akspieler, 1, cardsPerPacket, 0);
}

void stepDeal() {
  TGameState& gs = cg.gs;
  int32_t n = seats();
  if (gs.step < 2 * n) {
    if (gs.dealStyle == 1 && !isNetGame())
      dealAtOnce();
    else
      dealPacket();
  }
  if (gs.step >= 2 * n) {
    gs.step = 0;
    gs.subStep = 0;
    gs.phase = skfPhaseAsking;
  }
}

}  // namespace

// [SECTION] phase 4: the tricks

namespace {

// The user's hand-card buttons: only the legal cards may be clicked.
void markUserCards(int32_t seat) {
  if (dlgIPanel == 0) return;
  const THand& hand = sp[1].hand;
  for (int32_t n = 1; n <= handUsed(hand) && n <= 54; n++) {
    bool on = seat != 1 || schafkopfIsInLegalList(hand.k[n]);
    setElementVisible(dlgIPanel, elActionButtons[n], on ? 1 : 0);
  }
}

void showAllUserCards() {
  if (dlgIPanel == 0) return;
  for (int32_t n = 1; n <= 54; n++) setElementVisible(dlgIPanel, elActionButtons[n], 1);
}

void askCard() {
  TGameState& gs = cg.gs;
  if (schafkopfCardsInHands() == 0) {
    gs.step = skfStepGameOver;
    return;
  }
  syncHandFromSlots(sp[gs.akspieler]);
  schafkopfLegalCards(area().legalCards);
  markUserCards(gs.akspieler);
  cg.openDecisionDialog(askPlayCard);
  gs.step = skfStepPlayCard;
}

void playCard() {
  TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  if (gs.getBlender.kind != actionCard) {
    cg.openDecisionDialog(askPlayCard);
    return;
  }
  int32_t index = answer();
  const TContractRecord& c = area().contract;
  if (index >= 1 && index <= stackUsed(sp[seat]) && c.type == skfRufspiel &&
      cardsEqual(sp[seat].slots[index].card, makeCard(skfAss, c.suit)))
    area().calledAcePlayed = 1;
  int32_t slot = playCardToTrick(seat, index, schafkopfTrickStack, 0);
  if (slot < 1) {
    skatTrace("Schafkopf: Karte " + std::to_string(index) + " von Spieler " + std::to_string(seat) +
              " konnte nicht gespielt werden");
    gs.step = skfStepAskCard;
    return;
  }
  answer() = static_cast<int16_t>(slot);
  noteCoreMove(seat, slot);
  if (seat == 1) showAllUserCards();
  gs.step = skfStepCardArrived;
}

void cardArrived() {
  TGameState& gs = cg.gs;
  TSchafkopfArea& a = area();
  int32_t seat = gs.akspieler;
  syncHandFromSlots(sp[seat]);
  const TSpieler& trick = sp[schafkopfTrickStack];
  TCard card = trick.slots[stackUsed(trick)].card;
  card.hi = static_cast<int16_t>(seat);
  trickBySeat.anz = schafkopfSeats;
  trickBySeat.k[seat] = card;
  handaddk(trickCards, card);
  TSchafkopfPartyFields f = schafkopfPartyFields();
  schafkopfOnCardPlayed(f, seat);
  if (a.trickPosition <= schafkopfSeats) schafkopfStepToNextSeat();
  a.trickPosition += 1;
  gs.step = a.trickPosition <= schafkopfSeats ? skfStepAskCard : skfStepTrickFull;
}

// A remark on the finished trick: the winner, or the first seat near him of the other
// decided party.
void trickRemarks(int32_t winner, int32_t points) {
  if (schafkopfIsBettelOrRamsch()) return;
  if (randomReal() < 0.5) return schafkopfPlayTrickComment(skfRemarkWinner, winner, points);
  int32_t own = schafkopfPartyOf(winner, 0);
  for (int32_t i = 1; i <= 2; i++)
    for (int32_t seat : {schafkopfSeatAfter(winner, i), schafkopfSeatBefore(winner, i)}) {
      int32_t other = schafkopfPartyOf(seat, 0);
      if (own != skfPartyUnknown && other != skfPartyUnknown && other != own)
        return schafkopfPlayTrickComment(skfRemarkOpponent, seat, points);
    }
}

// The four cards go onto the winner's won pile, the last played first.
void collectTrick(int32_t winner) {
  int32_t pile = schafkopfWonStack(winner);
  int32_t base = stackUsed(sp[pile]);
  for (int32_t i = 1; i <= schafkopfSeats; i++)
    movecard(schafkopfTrickStack, schafkopfSeats + 1 - i, pile, base + i, 1, 2, moveCollect, float(i - 1) / 10.0f, 0,
             0.0f);
  noteCoreMove(schafkopfTrickStack, 1);
}

void trickEnd() {
  TGameState& gs = cg.gs;
  TSchafkopfArea& a = area();
  int32_t winner = schafkopfTrickWinner(trickCards);
  gs.akspieler = winner;
  trickRemarks(winner, schafkopfPointsOfCards(trickCards));
  cg.submitAction(4, winner, 0);
  schafkopfPartyEvent(8, 0);
  clearHand(trickBySeat);
  clearHand(trickCards);
  a.trickPosition = 1;
  collectTrick(winner);
}

bool endsEarly() {
  const TSchafkopfArea& a = area();
  if (a.contract.type == skfBettel) return stackUsed(sp[schafkopfWonStack(a.declarerSeat)]) > 0;
  if (!schafkopfIsToutContract(a.contract)) return false;
  for (int32_t s = 1; s <= seats(); s++)
    if (s != a.declarerSeat && stackUsed(sp[schafkopfWonStack(s)]) > 0) return true;
  return false;
}

void stepTricks() {
  TGameState& gs = cg.gs;
  switch (gs.step) {
    case skfStepAskCard: askCard(); return;
    case skfStepPlayCard: playCard(); return;
    case skfStepCardArrived: cardArrived(); return;
    case skfStepTrickFull:
      say("", gs.akspieler, 0, false);
      gs.step = skfStepTrickEnd;
      return;
    case skfStepTrickEnd:
      trickEnd();
      gs.step = skfStepNextTrick;
      return;
    case skfStepNextTrick:
      gs.step = skfStepAskCard;
      gs.subStep += 1;
      if (endsEarly()) gs.step = skfStepGameOver;
      return;
    case skfStepGameOver:
      if (!isNetGame()) cg.setMenuButtonCaption(2);
      schafkopfScoreRound();
      return;
    default: return;
  }
}

}  // namespace

// [SECTION] remarks

namespace {

struct TRemarkStep {
  int32_t points, chance, low, high;
};
constexpr TRemarkStep winnerRemarks[] = {{40, 95, 2, 3}, {36, 90, 2, 3}, {33, 80, 2, 3}, {30, 60, 1, 2}};
constexpr TRemarkStep opponentRemarks[] = {{40, 95, -3, -2}, {36, 90, -3, -2}, {33, 80, -2, -1}, {30, 60, -2, -1}};
// The chance of a doubling remark by its level 1, 2, 3 and above.
constexpr int32_t doublingChance[] = {0, 60, 80, 90, 95};

void trickRemark(const TRemarkStep (&steps)[4], int32_t seat, int32_t points) {
  for (const TRemarkStep& s : steps) {
    if (points < s.points) continue;
    soundContainer.sayComment(seat, 0, s.low, s.high, s.chance);
    return;
  }
}

}  // namespace

void schafkopfPlayTrickComment(int32_t type, int32_t seat, int32_t points) {
  if (seat <= 1 || seat > seats()) return;
  switch (type) {
    case skfRemarkWinner: trickRemark(winnerRemarks, seat, points); return;
    case skfRemarkOpponent: trickRemark(opponentRemarks, seat, points); return;
    case skfRemarkToSoloist: soundContainer.sayComment(seat, 2, 1, 0, doublingChance[1]); return;
    case skfRemarkToAll: soundContainer.sayComment(seat, 2, 2, 0, doublingChance[2]); return;
    default: return;
  }
}

// [SECTION] the step

void schafkopfGameStep(TGameState& gs) {
  ticks()++;
  ticksSincePhase0()++;
  switch (gs.phase) {
    case skfPhaseStart: stepStart(); break;
    case skfPhaseDeal: stepDeal(); break;
    case skfPhaseAsking: schafkopfStepAsking(); break;
    case skfPhaseDeclaring: schafkopfStepDeclaring(); break;
    case skfPhaseDoubling: schafkopfStepDoubling(); break;
    case skfPhaseTricks: stepTricks(); break;
    default: break;
  }
  schafkopfRefreshPlayers();
}
