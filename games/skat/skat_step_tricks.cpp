// Phase 4 of Skat's step: the ten tricks. By subState: 4 the next card is asked, 1 a card
// arrived and is played, 7 three cards lie (a pause), 6 the trick is collected.
#include <string>

#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_game_step.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_settlement.h"
#include "games/skat/skat_step_internal.h"
#include "platform/random.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

enum : uint8_t {
  trickCardArrived = 1,
  trickAsked = 3,
  trickNextCard = 4,
  trickCollect = 6,
  trickComplete = 7,
};

void endGame() {
  skatEndOfGameMenu();
  skatSettle();
}

void nextCard() {
  TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  if (handUsed(playedCards) > 0 && skatBid->cardsToPlay == 2 && skatTrickEndChecks(seat)) return endGame();
  if (seat >= 1 && seat <= 3 && stackUsed(sp[seat]) > 0) {
    skatAsk(58);
    if (seat == 1 && stackUsed(sp[1]) != handUsed(sp[1].hand)) {
      syncHandFromSlots(sp[1]);
      skatMarkPlayers();
    }
    return;
  }
  nullTrickTaken = 0;
  endGame();
}

void cardArrived() {
  TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  skatEnableHandCardButtons();
  int32_t index = skatAnswer();
  TCard card = index >= 1 && index <= stackUsed(sp[seat]) ? sp[seat].slots[index].card : noCard();
  int32_t slot = playCardToTrick(seat, index, skatTrickStack, 0);
  if (slot < 1) {
    skatTrace("Skat: Karte " + std::to_string(index) + " von Spieler " + std::to_string(seat) +
              " konnte nicht gespielt werden");
    gs.subState = trickNextCard;
    return;
  }
  skatAnswer() = static_cast<int16_t>(slot);
  skatWaitFor(seat, slot);
  skatActionKind() = skatActionUsed;
  skatBid->cardsToPlay -= 1;
  gs.step += 1;
  syncHandFromSlots(sp[seat]);
  handaddk(trickCards, card);
  trickBySeat.k[seat] = card;
  if (gs.step < 3) {
    if (gs.step == 1) skatArea->trickLeader = seat;
    gs.akspieler = skatNextPlayer(seat);
    gs.subState = trickNextCard;
  } else {
    gs.subState = trickComplete;
  }
}

// A reaction to the trick: the winner, or a member of the losing party.
void trickReaction(int32_t winner, int32_t points) {
  if (randomReal() < 0.5) return skatSound(1, winner, points);
  int32_t declarer = skatBid->declarer;
  if (winner == declarer)
    skatSound(2, randomReal() < 0.5 ? skatPrevPlayer(winner) : skatNextPlayer(winner), points);
  else
    skatSound(2, declarer, points);
}

// The trick's cards move to the winner's won pile; the step waits for the third.
void moveTrickToWinner(int32_t winner) {
  int32_t pile = winner + skatWonPileOffset;
  int32_t base = stackUsed(sp[pile]);
  int32_t n = stackUsed(sp[skatTrickStack]);
  for (int32_t k = 1; k <= n; k++)
    movecard(skatTrickStack, k, pile, base + k, 0, 2, moveCollect, 0.0f, 0, 0.0f);
  if (n >= 1) skatWaitFor(skatTrickStack, n);
}

bool kontraAfterFirstTrick() {
  const TSkatOptions& o = skatArea->options;
  return handUsed(playedCards) == 3 && o.kontra && !o.kontraAfterAnnouncement &&
         skatGame->gameType != skatTypeRamsch;
}

void collect() {
  TGameState& gs = cg.gs;
  int32_t winner = skatTrickWinner(trickBySeat, skatArea->trickLeader);
  gs.akspieler = skatArea->trickLeader = winner;
  THand trick = trickBySeat;
  trickReaction(winner, skatPoints(trick));
  appendHand(winner == skatGame->declarer ? declarerTricks : defenderTricks, trick);
  appendHand(wonCards[winner], trick);
  appendHand(playedCards, trickCards);
  skatBid->leadSeat = winner;
  skatBid->cardsToPlay = 2;
  gs.subState = trickNextCard;
  gs.step = 0;
  lastTrick = trickBySeat;
  for (int s = 1; s <= 3; s++) trickBySeat.k[s] = noCard();
  clearHand(trickCards);
  moveTrickToWinner(winner);
  if (kontraAfterFirstTrick()) {
    gs.step = 0;
    gs.phase = skatPhaseKontra;
  }
}

}  // namespace

void skatStepTricks() {
  TGameState& gs = cg.gs;
  if (gs.subState == trickAsked) gs.subState = trickCardArrived;
  switch (gs.subState) {
    case trickNextCard: nextCard(); break;
    case trickCardArrived: cardArrived(); break;
    case trickComplete:
      skatSay("warten..", 0, 0);
      gs.subState = trickCollect;
      break;
    case trickCollect: collect(); break;
    default: break;
  }
  if (gs.phase == skatPhaseTricks && gs.subState == trickNextCard) skatShowGameTypeMark();
}
