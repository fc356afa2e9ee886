// Hearts' game flow: the deal, the pass of three cards (left, right, across, none by games
// played), thirteen tricks and the end of the deal. One switch over the sub-state of phase 4;
// every step waits for the card move it started (the core's pending move).
//
// [SECTION] new game and resume
// [SECTION] the deal
// [SECTION] passing
// [SECTION] tricks
// [SECTION] end of the deal
// [SECTION] the step
// [SECTION] checking answers
// [SECTION] the table's questions and the overlay
#include "games/family/hearts_game.h"

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/family/hearts_rules.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/table_textures.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

std::string passPromptText;   // the prompt of the pass panel; "" with three cards lifted
bool passContinueOn = false;  // the pass panel's continue button
int32_t markedSeat = 0;       // the seat marked last by heartsUpdateButtons

constexpr int16_t noAction = 255;  // getBlender kind of an answer already taken or refused

bool dealsBackwards() { return envParam.playDirection == 2; }

// [SECTION] the deal

void dealAtOnce() {
  int32_t top = stackUsed(sp[heartsStockStack]);
  for (int32_t i = 1; i <= heartsSeats; i++) {
    int32_t seat = dealsBackwards() ? heartsSeats + 1 - i : i;
    gethand(seat, 13, (i - 1) * 13, (i - 1) * 0.25f, heartsStockStack, 0);
  }
  noteCoreMove(heartsStockStack, top - 52 + 1);
  cg.gs.step = cg.seatCount;
}

void dealOneSeat() {
  if (dealsBackwards())
    heartsPrevSeat();
  else
    heartsNextSeat();
  cg.gs.step += 1;
  int32_t top = stackUsed(sp[heartsStockStack]);
  gethand(cg.gs.akspieler, 13, 0, 0.0f, heartsStockStack, 0);
  noteCoreMove(heartsStockStack, top - 13 + 1);
}

void stepDeal() {
  TGameState& gs = cg.gs;
  THeartsState& a = heartsArea();
  if (gs.step < cg.seatCount) {
    if (gs.dealStyle == 1)
      dealAtOnce();
    else
      dealOneSeat();
    return;
  }
  gs.phase = heartsPhasePlay;
  gs.subState = heartsPassing;
  gs.step = 0;
  clearHand(a.trick);
  clearHand(a.playedCards);
  a.trickPosition = 1;
  if (!heartsNoPass()) a.passOffset = heartsPassOffsetFor(gs.gamesPlayed);
}

// [SECTION] passing

// Each seat's three cards from its pile into the hand of the seat they are passed to.
void exchangePasses() {
  for (int32_t i = 1; i <= heartsSeats; i++) {
    int32_t pile = i + heartsPileOffset;
    int32_t target = heartsPassTargetOf(i, heartsArea().passOffset);
    gethand(target, stackUsed(sp[pile]), 0, float(i), pile, 0);
    noteCoreMove(pile, 1);
  }
}

void stepPassing() {
  TGameState& gs = cg.gs;
  if (heartsNoPass() || gs.step > cg.seatCount) {
    for (int32_t s = 1; s <= heartsSeats; s++)
      if (hasCard(sp[s].hand, makeCard(rank2, suitClubs))) gs.akspieler = s;
    gs.step = 0;
    gs.subState = heartsAskCard;
    gs.step += 1;
  } else if (gs.step < cg.seatCount) {
    heartsArea().legalCards = sp[gs.akspieler].hand;
    gs.step += 1;
    cg.openDecisionDialog(116);
  } else {
    exchangePasses();
    gs.step += 1;
  }
}

void commitPass() {
  int32_t seat = cg.gs.akspieler;
  amove(seat, 0, seat + heartsPileOffset, 0, 3, 3);
  heartsNextSeat();
  cg.gs.subState = heartsPassing;
}

// [SECTION] tricks

void noteCardEffects(const TCard& card) {
  THeartsState& a = heartsArea();
  int32_t slot = stackUsed(sp[heartsTrickStack]);
  if (isQueenOfSpades(card)) soundContainer.playEvent(32, heartsTrickStack, slot);
  if (card.f == suitHearts) {
    if (!a.heartsBroken) soundContainer.playEvent(2, heartsTrickStack, slot);
    a.heartsBroken = 1;
  }
}

void playAnsweredCard() {
  TGameState& gs = cg.gs;
  THeartsState& a = heartsArea();
  int32_t seat = gs.akspieler;
  int32_t index = gs.getBlender.res_ii;
  TCard card = sp[seat].slots[index].card;
  int32_t slot = playCardToTrick(seat, index, heartsTrickStack, 0);
  gs.getBlender.kind = noAction;
  if (slot < 1) {
    trace("Hearts: Karte " + std::to_string(index) + " von Spieler " + std::to_string(seat) +
          " konnte nicht gespielt werden");
    gs.subState = heartsAskCard;
    return;
  }
  noteCoreMove(seat, slot);
  syncHandFromSlots(sp[seat]);
  gs.subState = heartsCardPlayed;
  card.hi = int16_t(seat);
  handaddk(a.trick, card);
  handaddk(a.playedCards, card);
  noteCardEffects(card);
}

void askCard() {
  THeartsState& a = heartsArea();
  THand legal;
  heartsLegalCards(0, 0, legal);
  a.actingHand = sp[cg.gs.akspieler].hand;
  a.legalCards = legal;
  cg.openDecisionDialog(117);
}

void cardPlayed() {
  THeartsState& a = heartsArea();
  if (a.trickPosition >= heartsSeats) {
    say("", cg.gs.akspieler, 0, false);
    cg.gs.subState = heartsTrickFull;
    return;
  }
  a.trickPosition += 1;
  cg.gs.step = 1;
  heartsNextSeat();
  cg.gs.subState = heartsAskCard;
}

void takeTrick() {
  THeartsState& a = heartsArea();
  a.lastTrickWinner = heartsTrickWinningCard().hi;
  cg.gs.akspieler = a.lastTrickWinner;
  cg.gs.subState = heartsTrickDone;
}

void collectTrick() {
  TGameState& gs = cg.gs;
  THeartsState& a = heartsArea();
  int32_t pile = a.lastTrickWinner + heartsPileOffset;
  int32_t base = stackUsed(sp[pile]);
  int32_t n = stackUsed(sp[heartsTrickStack]);
  for (int32_t k = 0; k < n; k++)
    movecard(heartsTrickStack, n - k, pile, base + 1 + k, 0, 2, moveCollect, 0.1f * k, 0, 0.0f);
  if (n >= 1) noteCoreMove(heartsTrickStack, 1);
  a.tricksDone += 1;
  clearHand(a.trick);
  if (stackUsed(sp[1]) == 0) {
    gs.subState = heartsLastTrick;
    return;
  }
  a.trickPosition = 1;
  gs.step = 1;
  gs.subState = heartsAskCard;
}

// [SECTION] end of the deal

// The shooters are fixed and every seat says its deal points.
void endDisplay() {
  THeartsState& a = heartsArea();
  a.sunShooter = heartsSunShooter();
  a.moonShooter = heartsMoonShooter();
  for (int32_t s = 1; s <= heartsSeats; s++) say(heartsRoundPointsText(s), s, 0, true);
  cg.gs.subState = heartsTrickFull;
}

void finishRound() {
  cg.setMenuButtonCaption(2);
  for (int32_t s = 1; s <= heartsSeats; s++) syncSlotsFromHand(sp[s]);
  TGameResult r;
  r.kind = resultFinished;
  int32_t lowest = 10000;
  for (int32_t s = 1; s <= heartsSeats; s++) {
    r.values[s] = heartsRoundPoints(s);
    if (r.values[s] < lowest) lowest = r.values[s], r.mainSeat = s;
  }
  cg.endRound(r);
}

}  // namespace

// [SECTION] new game and resume

void heartsNewGame(bool newList) {
  THeartsState& a = heartsArea();
  if (newList) {
    a.heartsSeating = 1;
    heartsSetCardValues();
    heartsReadOptions();
  }
  cg.prepareNewGame();
  for (int s = 1; s <= 13; s++) sp[s].count = 0, clearHand(sp[s].hand);
  cg.setupDeck52();
  if (newList) cg.gs.gamesPlayed = 0;
  cg.gs.step = 0;
  cg.gs.subStep = 0;
  a.tricksDone = 0;
  a.sunShooter = a.moonShooter = 0;
  a.heartsBroken = 0;
  cg.gs.akspieler = 1;
}

void heartsResume(bool after) {
  if (!after) {
    heartsSetCardValues();
    heartsShowPassPrompt();
    return;
  }
  heartsUpdateButtons();
  const THand& t = heartsArea().trick;
  for (int i = 1; i <= handUsed(t) && i <= stackUsed(sp[heartsTrickStack]); i++) {
    TCardSlot& slot = sp[heartsTrickStack].slots[i];
    setPlacement(slot, scatterTrickCard(t.k[i].hi, 0));
    slot.pose.z = float(i - 97);
  }
}

// [SECTION] the step

void heartsGameStep(TGameState& gs) {
  gs.gameCounter += 1;
  switch (gs.phase) {
    case heartsPhaseStart:
      gs.phase = heartsPhaseDeal;
      gs.step = 0;
      break;
    case heartsPhaseDeal: stepDeal(); break;
    case heartsPhasePlay:
      for (int s = 1; s <= heartsSeats; s++) syncHandFromSlots(sp[s]);
      if (gs.step == heartsDealOver) {
        if (gs.subState == heartsCardPlayed) endDisplay();
        else if (gs.subState == heartsTrickFull) finishRound();
        break;
      }
      switch (gs.subState) {
        case heartsPassing: stepPassing(); break;
        case heartsAsked:
          if (gs.getBlender.kind == 0) playAnsweredCard();
          else if (gs.getBlender.kind == 2 && gs.getBlender.res_ii >= 114 && gs.getBlender.res_ii <= 116) commitPass();
          break;
        case heartsAskCard: askCard(); break;
        case heartsCardPlayed: cardPlayed(); break;
        case heartsTrickFull: takeTrick(); break;
        case heartsTrickDone: collectTrick(); break;
        case heartsLastTrick:
          gs.step = heartsDealOver;
          gs.subState = heartsCardPlayed;
          break;
        default: break;
      }
      break;
    default: break;
  }
  heartsUpdateButtons();
}

// [SECTION] checking answers

namespace {

bool passAsked() {
  int32_t k = cg.gs.bl.decisionKind;
  return cg.gs.subState == heartsAsked && k >= 114 && k <= 116;
}

bool cardAsked() {
  int32_t k = cg.gs.bl.decisionKind;
  return cg.gs.subState == heartsAsked && (k == 117 || k == 118);
}

bool offered(int32_t b) {
  for (int i = 1; i <= cg.gs.bl.optionCount && i <= 8; i++)
    if (cg.gs.bl.optionValues[i] == b) return true;
  return false;
}

// Three different cards of the seat's own hand, each named by its slot.
std::string passRefusal() {
  const THand& sel = cg.gs.bl.selhand;
  const TSpieler& hand = sp[cg.gs.akspieler];
  if (handUsed(sel) != 3) return "es sind " + std::to_string(handUsed(sel)) + " Karten gewählt, nicht 3";
  for (int i = 1; i <= 3; i++) {
    int32_t slot = sel.k[i].hi;
    if (slot < 1 || slot > stackUsed(hand) || !cardsEqual(hand.slots[slot].card, sel.k[i]))
      return "die gewählte Karte " + std::to_string(i) + " liegt nicht in der Hand";
    for (int j = 1; j < i; j++)
      if (sel.k[j].hi == slot) return "eine Karte ist doppelt gewählt";
  }
  return {};
}

std::string actionRefusal(int kind, int32_t b) {
  int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > heartsSeats) return "kein Spieler am Zug";
  if (kind == 0) {
    if (!cardAsked()) return "die Entscheidung " + std::to_string(cg.gs.bl.decisionKind) + " nimmt keine Karte";
    if (b < 1 || b > stackUsed(sp[seat])) return "keine Karte an Stelle " + std::to_string(b);
    if (!heartsIsInLegalList(sp[seat].slots[b].card)) return "die Karte darf jetzt nicht gespielt werden";
    return {};
  }
  if (kind == 2) {
    if (!passAsked()) return "die Entscheidung " + std::to_string(cg.gs.bl.decisionKind) + " nimmt keine Antwort";
    if (!offered(b) || b < 114 || b > 116) return "die Antwort " + std::to_string(b) + " steht nicht zur Wahl";
    return passRefusal();
  }
  return "Aktion " + std::to_string(kind) + " gehört nicht zu Hearts";
}

}  // namespace

bool heartsCheckAction(int kind, int32_t a, int32_t b) {
  std::string why = actionRefusal(kind, b);
  if (why.empty()) return true;
  trace("Hearts: abgelehnt (Spieler " + std::to_string(cg.gs.akspieler) + ", Entscheidung " +
        std::to_string(cg.gs.bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
        std::to_string(b) + "): " + why);
  cg.gs.getBlender.kind = uint8_t(noAction);
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}

// [SECTION] the table's questions and the overlay

bool heartsIsSeatHandOpen(int32_t seat) {
  return seat >= 2 && seat <= cg.seatCount && (cg.gs.step == heartsDealOver || cg.gs.phase == 5);
}

bool heartsIsLegalFollow(const TCard& card, const TCard& lead) {
  return cg.gs.phase == heartsPhasePlay && heartsFollowsSuit(card, lead);
}

bool heartsIsLegalCard(const TCard& card) { return cg.gs.phase == heartsPhasePlay && heartsIsInLegalList(card); }

void heartsCollectPassCards(THand& hand) {
  clearHand(hand);
  const TSpieler& s = sp[1];
  for (int32_t k = 1; k <= stackUsed(s); k++) {
    const TCardSlot& slot = s.slots[k];
    bool lifted = slot.liftState == 2 || (slot.moving && slot.animType == 1 && slot.liftState == 0);
    if (!lifted) continue;
    TCard c = slot.card;
    c.hi = int16_t(k);
    handaddk(hand, c);
  }
}

void heartsShowPassPrompt() {
  if (cg.gs.akspieler != 1) return;
  THeartsState& a = heartsArea();
  heartsCollectPassCards(a.passSelection);
  passContinueOn = handUsed(a.passSelection) == 3;
  passPromptText = passContinueOn ? std::string() : lookupText("f_hearts_3waehlen").substr(0, 80);
  if (dlgInGame == 0) return;
  setElementEnabled(dlgInGame, elDecisionContinue, passContinueOn ? 1 : 0);
  setElementText(dlgInGame, elDecisionText, passPromptText, 0);
  setElementVisible(dlgInGame, elDecisionText, passPromptText.empty() ? 0 : 1);
}

void heartsRefreshTableSigns() { heartsUpdateButtons(); }

void heartsUpdateButtons() {
  bool dealOver = cg.gs.step == heartsDealOver || cg.gs.phase == 5;
  int32_t seat = cg.gs.akspieler;
  if (dlgIPanel != 0) {
    setDialogOpen(dlgIPanel, 1);
    for (int i = 1; i <= 8; i++) setElementShown(dlgIPanel, i, 0), setElementEnabled(dlgIPanel, i, 1);
    for (int32_t e : elSuitIcons) if (e != 0) setElementVisible(dlgIPanel, e, 0);
    for (int32_t e : elRoundIcons) if (e != 0) setElementVisible(dlgIPanel, e, 0);
    bool valid = seat >= 1 && seat <= heartsSeats;
    if (valid) setElementPicture(dlgIPanel, elTurnMarker[seat], texTurnMarker);
    if (dealOver) {
      for (int s = 1; s <= heartsSeats; s++) setElementVisible(dlgIPanel, elTurnMarker[s], 0);
    } else {
      if (markedSeat >= 1 && markedSeat <= heartsSeats && markedSeat != seat)
        setElementVisible(dlgIPanel, elTurnMarker[markedSeat], 0);
      if (valid) setElementVisible(dlgIPanel, elTurnMarker[seat], 1);
    }
  }
  markedSeat = dealOver ? 0 : seat;
}

const std::string& heartsPassPrompt() { return passPromptText; }
bool heartsPassContinueEnabled() { return passContinueOn; }
int32_t heartsMarkedSeat() { return markedSeat; }
