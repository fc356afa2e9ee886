// Schnapsen's flow. One call of schnapsenGameStep per tick. Phase 1 deals packet by packet,
// phase 4 plays; there the sub-state says what the tick does:
//   4  the seat to act is asked (decision 103)        -> 3
//   3  the answer: exchange, close or a card          -> 4 (step 77), 4, 2
//   2  marriage, the 66 check, the card onto the trick -> 4 after a lead, 7 after the answer
//   7  a pause                                         -> 6
//   6  the trick goes to its winner                    -> 4 with the strict rules, else 0
//   0  the seats draw                                  -> 4
// Step 99 ends the game. Every move the step starts is noted, so the core waits for it.
//
// [SECTION] helpers
// [SECTION] new game and options
// [SECTION] the deal
// [SECTION] marriages
// [SECTION] the turn and its answer
// [SECTION] tricks and drawing
// [SECTION] the step
// [SECTION] resume and the table's questions
// [SECTION] checking answers
#include "games/family/schnapsen_game.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "engine/dialogs.h"
#include "engine/engine_services.h"
#include "games/family/schnapsen_ai.h"
#include "games/family/schnapsen_results.h"
#include "games/family/schnapsen_rules.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_layout.h"

// [SECTION] helpers

namespace {

constexpr uint8_t noAction = 255;  // getBlender kind of an answer already taken or refused

TSchnapsenState& st() { return schnapsenArea(); }
TGameState& gs() { return cg.gs; }
int32_t other(int32_t seat) { return seat == 1 ? 2 : 1; }
int32_t seatToAct() { return std::clamp<int32_t>(cg.gs.akspieler, 1, 2); }
int32_t wonPile(int32_t seat) { return schnapsenWonPile1 + seat - 1; }
bool dealsBackwards() { return envParam.playDirection == 2; }

THand& handOf(int32_t stack) {
  syncHandFromSlots(sp[stack]);
  return sp[stack].hand;
}

LArray<int32_t, 1, 2> wonCardPoints() {
  LArray<int32_t, 1, 2> p;
  for (int s = 1; s <= 2; s++) p[s] = schnapsenHandPoints(handOf(wonPile(s)));
  return p;
}

bool check66() { return schnapsenCheck66(wonCardPoints()); }

// Closings and game points are counted by the statistics, which are not built yet.
void addStatistic(int32_t seat, int32_t kind, int32_t value) {
  static bool told = false;
  if (!told) logNotAvailable("addStatistic");
  told = true;
  (void)seat, (void)kind, (void)value;
}

}  // namespace

// [SECTION] new game and options

void schnapsenReadOptions() {
  // The options dialog's elements come with the shell; until then the record keeps what was
  // put into it, within the values its lists offer.
  static bool told = false;
  if (!told) logNotAvailable("schnapsenReadOptions: the option elements");
  told = true;
  cg.seatCount = 2;
  playerCount = 2;
  TSchnapsenState& a = st();
  if (a.pointsPerBummerl != 11) a.pointsPerBummerl = 7;
  if (a.bummerlLimit < 1) a.bummerlLimit = 1;
}

void schnapsenNewGame(bool newList) {
  TSchnapsenState& a = st();
  schnapsenResetSearch();
  if (dlgInGame != 0) hideDialog(dlgInGame);
  a.trumpSuit = 0;
  a.strictRules = a.closed = a.marriageBusy = 0;
  a.marriagePartner = a.lastTrickSeat = a.closer = 0;
  a.precomputeSeat = a.precomputeCard = 0;
  for (int s = 1; s <= 2; s++)
    a.shownMarriage[s] = a.marriagePoints[s] = a.totalPoints[s] = a.pointsAtClosing[s] = 0;
  for (int s = 1; s <= 16; s++) sp[s].count = 0, clearHand(sp[s].hand);
  a.variant = gameAreas.variantFlag(gidSechsundsechzig) ? 1 : 0;
  if (newList) schnapsenReadOptions();
  cg.prepareNewGame();
  schnapsenInitCardValues();
  schnapsenBuildDeck();
  a.direction = 1;
  TGameState& g = gs();
  if (newList) {
    g.dealer = 1 + randomBelow(2);
    g.akspieler = g.dealer;
    a.bummerlWon[1] = a.bummerlWon[2] = 0;
  } else {
    g.dealer = other(std::clamp<int32_t>(g.dealer, 1, 2));
    g.akspieler = g.dealer;
  }
  if (g.listTotals[1] == 0 || g.listTotals[2] == 0) g.listTotals[1] = g.listTotals[2] = a.pointsPerBummerl;
  g.step = 0;
  g.subStep = 0;
}

// [SECTION] the deal

namespace {

void give(int32_t seat, int32_t count, int32_t offset, float delay) {
  int32_t top = stackUsed(sp[schnapsenStock]);
  gethand(seat, count, offset, delay, schnapsenStock, 0);
  noteCoreMove(schnapsenStock, top - offset - count + 1);
}

void turnTrumpCard() {
  int32_t top = stackUsed(sp[schnapsenStock]);
  moveCardNoted(schnapsenStock, top, schnapsenTrumpPile, 1, 0, 3, moveDraw, 0.0f, 0);
}

void layOutStock() {
  TSpieler& stock = sp[schnapsenStock];
  for (int i = 1; i <= stackUsed(stock); i++) {
    stock.slots[i].pose.x += 350;
    stock.slots[i].pose.z += 20;
  }
}

void beginPlay() {
  TGameState& g = gs();
  st().trumpSuit = sp[schnapsenTrumpPile].slots[1].card.f;
  g.phase = schnapsenPhasePlay;
  g.subState = schnapsenTurn;
  g.step = 0;
  g.akspieler = other(std::clamp<int32_t>(g.dealer, 1, 2));
}

void advanceDealSeat() { gs().akspieler = other(seatToAct()); }

void dealPacket() {
  TGameState& g = gs();
  const int32_t n = schnapsenHandSize();
  if (g.dealStyle == 1) {
    if (g.step < 4) {
      for (int k = 1; k <= 2; k++) give(dealsBackwards() ? 3 - k : k, n, (k - 1) * n, (k - 1) * 0.25f);
      g.step = 4;
    } else {
      turnTrumpCard();
      g.step = 6;
    }
    return;
  }
  advanceDealSeat();
  g.step += 1;
  const int32_t pass = (g.step - 1) / 2 + 1;
  const int32_t trumpPass = st().variant ? 3 : 2;
  if (pass == trumpPass) {
    turnTrumpCard();
    advanceDealSeat();
    g.step += 1;
  } else {
    give(g.akspieler, pass == 1 || (st().variant && pass == 2) ? 3 : 2, 0, 0.0f);
  }
}

void stepDeal() {
  TGameState& g = gs();
  if (g.step == schnapsenStepLayout) {
    layOutStock();
    g.step = schnapsenStepDealt;
  } else if (g.step >= 6) {
    if (g.step == schnapsenStepDealt) beginPlay();
    else g.step = schnapsenStepLayout;
  } else {
    dealPacket();
  }
}

}  // namespace

// [SECTION] marriages

bool schnapsenAnnounceMarriage(int32_t mode, int32_t suit, int32_t slot) {
  TSchnapsenState& a = st();
  int32_t seat = seatToAct();
  if (mode == 1) slot = hoveredCard;
  else if (mode > 100) seat = 2, slot = mode - 100;
  else if (mode != 2) slot = gs().getBlender.res_ii;
  if (stackUsed(sp[schnapsenTrick]) != 0 || (seat != 1 && mode < 20)) return false;
  if (slot < 1 || slot > stackUsed(sp[seat])) return false;
  a.marriageBusy = 1;
  if (mode == 1 && seat == 1) schnapsenPrecomputeAnswer(slot, 1);
  int32_t partner = schnapsenMarriagePartner(handOf(seat), slot, suit);
  if (partner > 0) {
    a.marriagePartner = partner;
    if (mode == 1 || mode == 2) setCardLift(sp[seat].slots[partner], mode == 1 ? 1 : 0, seat, partner);
  }
  a.marriageBusy = 0;
  return partner > 0;
}

// [SECTION] the turn and its answer

int32_t schnapsenSeatExchangeCard(int32_t seat) {
  if (seat < 1 || seat > 2) return 0;
  return schnapsenTrumpExchangeCard(handOf(seat));
}

namespace {

void askTurn() {
  TSchnapsenState& a = st();
  a.shownMarriage[1] = a.shownMarriage[2] = 0;
  if (seatToAct() == 1) schnapsenResetSearch();
  cg.openDecisionDialog(103);
}

// The exchange card and the trump card change places.
void swapExchangeCard() {
  int32_t seat = seatToAct();
  int32_t slot = schnapsenSeatExchangeCard(seat);
  gs().step = 0;
  if (slot < 1 || stackUsed(sp[schnapsenTrumpPile]) < 1) return;
  std::swap(sp[seat].slots[slot].card, sp[schnapsenTrumpPile].slots[1].card);
  syncHandFromSlots(sp[seat]);
  syncHandFromSlots(sp[schnapsenTrumpPile]);
  sortHandByValue(sp[seat].hand, 1, 0, false);
  syncSlotsFromHand(sp[seat]);
}

void closeTalon() {
  TSchnapsenState& a = st();
  int32_t seat = seatToAct();
  addStatistic(seat, 2, 1);
  a.strictRules = a.closed = 1;
  a.closer = seat;
  check66();
  a.pointsAtClosing = a.totalPoints;
  soundContainer.playEvent(32, schnapsenStock, 0);
  // The trump card lies across the top of the closed stock.
  int32_t top = stackUsed(sp[schnapsenStock]);
  if (stackUsed(sp[schnapsenTrumpPile]) >= 1)
    moveCardNoted(schnapsenTrumpPile, 1, schnapsenStock, top + 1, 0, 3, moveDraw, 0.18f, 0);
  gs().subState = schnapsenTurn;
}

void takeAnswer() {
  TGameState& g = gs();
  const TGetBlender b = g.getBlender;
  g.getBlender.kind = noAction;
  if (b.kind == 2 && b.res_ii == schnapsenOptExchange) {
    g.subState = schnapsenTurn;
    g.step = schnapsenStepLayout;
  } else if (b.kind == 2 && b.res_ii == schnapsenOptClose) {
    closeTalon();
  } else if (b.kind == 0) {
    g.subState = schnapsenPlayCard;
    g.subStep = 0;
    g.getBlender.res_ii = b.res_ii;
  }
}

}  // namespace

// [SECTION] tricks and drawing

namespace {

// A lead of a queen or king with its partner in hand scores 20, 40 in trumps.
// Seat 2's announced pair lies face up for two ticks before the card is played.
bool announce(int32_t seat, int32_t slot) {
  TSchnapsenState& a = st();
  const TCard card = sp[seat].slots[slot].card;
  if (!schnapsenAnnounceMarriage(20, 0, slot)) return false;
  int32_t value = schnapsenMarriageValue(card);
  a.marriagePoints[seat] += value;
  say(std::to_string(value), seat, 1, false);
  if (seat != 2) return false;
  a.shownMarriage[1] = slot;
  for (int j = 1; j <= stackUsed(sp[2]); j++)
    if (j != slot && schnapsenAnnounceMarriage(j + 100, card.f)) a.shownMarriage[2] = j;
  return true;
}

void playCard() {
  TGameState& g = gs();
  int32_t seat = seatToAct();
  int32_t slot = g.getBlender.res_ii;
  bool leads = stackUsed(sp[schnapsenTrick]) == 0;
  if (g.subStep == 0 && leads && announce(seat, slot)) {
    g.subStep = 1;
    return;
  }
  if (g.subStep == 1) {
    say("", seat, 1, false);
    g.subStep = 2;
    return;
  }
  if (check66()) {
    g.step = schnapsenStepOver;  // the card stays in the hand
    return;
  }
  int32_t played = playCardToTrick(seat, slot, schnapsenTrick, 0);
  if (played < 1) {
    trace("Schnapsen: Karte " + std::to_string(slot) + " von Spieler " + std::to_string(seat) +
          " konnte nicht gespielt werden");
    g.subState = schnapsenTurn;
    return;
  }
  noteCoreMove(seat, played);
  g.getBlender.kind = 7;
  g.step = stackUsed(sp[schnapsenTrick]);
  if (leads) {
    g.akspieler = other(seat);
    g.subState = schnapsenTurn;
  } else {
    g.subState = schnapsenTrickFull;
  }
}

void collectTrick() {
  TGameState& g = gs();
  TSchnapsenState& a = st();
  const TSpieler& trick = sp[schnapsenTrick];
  if (stackUsed(trick) < 2) {
    g.subState = schnapsenTurn;
    return;
  }
  int32_t winner = schnapsenTrickWinner(trick.slots[1].card, trick.slots[2].card, seatToAct());
  g.akspieler = winner;
  if (stackUsed(sp[1]) == 0) a.lastTrickSeat = winner;
  int32_t pile = wonPile(winner);
  int32_t base = stackUsed(sp[pile]);
  movecard(schnapsenTrick, 2, pile, base + 1, 0, 2, moveCollect, 0.0f, 0, 0.0f);
  movecard(schnapsenTrick, 1, pile, base + 2, 0, 2, moveCollect, 0.1f, 0, 0.0f);
  noteCoreMove(schnapsenTrick, 1);
  g.step = 0;
  if (a.strictRules) {
    g.subState = schnapsenTurn;
    if (stackUsed(sp[winner]) == 0) g.step = schnapsenStepOver;
  } else {
    g.subState = schnapsenDraw;
  }
}

void drawCards() {
  TGameState& g = gs();
  TSchnapsenState& a = st();
  g.subState = schnapsenTurn;
  int32_t winner = seatToAct();
  int32_t stock = stackUsed(sp[schnapsenStock]);
  if (stock <= 1) a.strictRules = 1;
  if (stock >= 1) give(winner, 1, 0, 0.0f);
  if (stock >= 2) {
    give(other(winner), 1, 1, 1.0f);
  } else if (stackUsed(sp[schnapsenTrumpPile]) >= 1) {
    gethand(other(winner), 1, 0, 0.5f, schnapsenTrumpPile, 0);
    noteCoreMove(schnapsenTrumpPile, 1);
  }
  if (stock == 0 && stackUsed(sp[winner]) == 0) g.step = schnapsenStepOver;
}

}  // namespace

// [SECTION] the step

void schnapsenGameStep(TGameState& g) {
  g.gameCounter += 1;
  switch (g.phase) {
    case schnapsenPhaseStart:
      g.phase = schnapsenPhaseDeal;
      g.step = 0;
      break;
    case schnapsenPhaseDeal: stepDeal(); break;
    case schnapsenPhasePlay:
      for (int s : {1, 2, 7, 8}) syncHandFromSlots(sp[s]);
      if (g.step == schnapsenStepOver || (g.subState == schnapsenTurn && g.step != schnapsenStepLayout && check66())) {
        g.step = schnapsenStepOver;
        cg.setMenuButtonCaption(2);
        schnapsenFinishRound();
        break;
      }
      switch (g.subState) {
        case schnapsenTurn:
          if (g.step == schnapsenStepLayout) swapExchangeCard();
          else askTurn();
          break;
        case schnapsenAsked: takeAnswer(); break;
        case 1:
        case schnapsenPlayCard: playCard(); break;
        case schnapsenTrickFull:
          say("warten..", 0, 0, false);
          g.subState = schnapsenCollect;
          break;
        case schnapsenCollect: collectTrick(); break;
        case schnapsenDraw: drawCards(); break;
        default: break;
      }
      break;
    default: break;
  }
}

// [SECTION] resume and the table's questions

void schnapsenResume(int phase) {
  if (phase != 0) return;
  cg.prepareResume();
  playerCount = 2;
  schnapsenInitCardValues();
  TSpieler& stock = sp[schnapsenStock];
  int32_t top = stackUsed(stock);
  if (st().closed && top >= 1) stock.slots[top].pose.rotZ += 90;
  if (gs().phase == schnapsenPhasePlay)
    for (int i = 1; i <= top; i++)
      for (TCardSlot* s : {&stock.slots[i], &spLayout[schnapsenStock].slots[i]}) s->pose.x += 350, s->pose.z += 20;
}

bool schnapsenIsLegalCard(const TCard& card) {
  if (gs().phase != schnapsenPhasePlay) return false;
  const TSpieler& trick = sp[schnapsenTrick];
  TCard led = stackUsed(trick) == 1 ? trick.slots[1].card : noCard();
  return schnapsenAnswerIsLegal(card, led, handOf(seatToAct()), st().strictRules != 0);
}

bool schnapsenIsLegalFollow(const TCard& card, const TCard& led) {
  if (gs().phase != schnapsenPhasePlay) return false;
  return schnapsenAnswerIsLegal(card, led, handOf(seatToAct()), st().strictRules != 0);
}

bool schnapsenIsShownMarriageCard(int32_t seat, int32_t slot) {
  return seat == 2 && slot >= 1 && (st().shownMarriage[1] == slot || st().shownMarriage[2] == slot);
}

std::string schnapsenPointsText(int32_t stack) {
  if (stack != 7 && stack != 8) return "";
  int32_t seat = stack - 6;
  int32_t cards = schnapsenHandPoints(handOf(stack));
  int32_t marriages = st().marriagePoints[seat];
  if (cards == 0) return "(" + std::to_string(marriages) + ")";
  return std::to_string(cards + marriages);
}

void schnapsenTrickLayout() {
  TSpieler& trick = sp[schnapsenTrick];
  for (int i = 1; i <= stackUsed(trick); i++) {
    TCardPose& p = trick.slots[i].pose;
    p.rotX = p.rotY = p.rotZ = 0;
    p.x = i == 1 ? -40 : 40;
  }
}

void schnapsenTableLayout() {
  auto shift = [](int32_t stack, float dx, float dz, float rot) {
    for (TSpieler* s : {&sp[stack], &spLayout[stack]}) s->restPose.x += dx, s->restPose.z += dz, s->restPose.rotZ = rot;
  };
  shift(7, 1300, 250, 195);
  shift(8, 700, 0, 0);
  for (TSpieler* s : {&sp[schnapsenStock], &spLayout[schnapsenStock]}) s->restPose.x -= 100, s->restPose.z -= 400;
  for (TSpieler* s : {&sp[schnapsenTrumpPile], &spLayout[schnapsenTrumpPile]}) {
    s->restPose = TCardPose{0, 274, -350, -80, -6, 0};
    for (int i = 1; i <= slotCapacity; i++) {
      TCardPose& p = s->slots[i].pose;
      p.x = float(randomBelow(20) - 10);
      p.y = float(randomBelow(20) - 10);
      p.z = float(2 * i - 1);
      p.rotZ = float(95 + randomBelow(20));
    }
  }
}

// [SECTION] checking answers

namespace {

bool offered(int32_t b) {
  for (int i = 1; i <= cg.gs.bl.optionCount && i <= 8; i++)
    if (cg.gs.bl.optionValues[i] == b) return true;
  return false;
}

std::string actionRefusal(int kind, int32_t b) {
  const TGameState& g = gs();
  if (g.phase != schnapsenPhasePlay || g.subState != schnapsenAsked) return "keine Entscheidung offen";
  int32_t seat = seatToAct();
  if (kind == 0) {
    if (b < 1 || b > stackUsed(sp[seat])) return "keine Karte an Stelle " + std::to_string(b);
    if (!schnapsenIsLegalCard(sp[seat].slots[b].card)) return "die Karte darf jetzt nicht gespielt werden";
    return {};
  }
  if (kind == 2) {
    if (!cg.gs.bl.showOptions || !offered(b) || (b != schnapsenOptClose && b != schnapsenOptExchange))
      return "die Antwort " + std::to_string(b) + " steht nicht zur Wahl";
    return {};
  }
  return "Aktion " + std::to_string(kind) + " gehört nicht zu Schnapsen";
}

}  // namespace

bool schnapsenCheckAction(int kind, int32_t a, int32_t b) {
  std::string why = actionRefusal(kind, b);
  if (why.empty()) return true;
  trace("Schnapsen: abgelehnt (Spieler " + std::to_string(cg.gs.akspieler) + ", Entscheidung " +
        std::to_string(cg.gs.bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
        std::to_string(b) + "): " + why);
  cg.gs.getBlender.kind = noAction;
  // An open decision stays open; without one nothing was awaited.
  bool open = cg.gs.phase == schnapsenPhasePlay && cg.gs.subState == schnapsenAsked;
  cg.gs.awaitingAction = open ? 2 : 0;
  if (open) cg.showDecisionDialog(false, false);
  return false;
}
