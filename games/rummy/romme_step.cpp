// Rommé's and Gin Rummy's step machine (see romme_step.h for the steps), with the check of
// the answers and the user's controls.
//
// [SECTION] helpers
// [SECTION] the deal and the first card
// [SECTION] a turn
// [SECTION] the step
// [SECTION] the check
// [SECTION] the user's controls and the table
#include "games/rummy/romme_step.h"

#include <algorithm>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "core/engine_switches.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_ai_search.h"
#include "games/rummy/romme_controls.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_scoring.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_questions.h"

// [SECTION] helpers

int32_t rommeRefusedAnswers = 0;

namespace {

constexpr int32_t stock = 11, meldStack = 12, pile = 13;
constexpr uint8_t actionUsed = 7;

TRommeArea& area() { return rommeArea(); }
int32_t seats() { return std::clamp<int32_t>(playerCount, 1, 6); }
bool dealsBackwards() { return envParam.playDirection == 2; }
int32_t cardsOn(int32_t stack) { return stackUsed(sp[stack]); }
bool validSeat(int32_t s) { return s >= 1 && s <= 6; }
std::string num(int32_t v) { return std::to_string(v); }

THand& handOfSeat(int32_t seat) {
  syncHandFromSlots(sp[seat]);
  return sp[seat].hand;
}

// The selection as it lies in the seat's hand (hi = hand position); false when a position is
// outside the hand, names another card or comes twice.
bool selectionInHand(const THand& sel, int32_t seat, THand& cards) {
  clearHand(cards);
  if (!validSeat(seat)) return false;
  const THand& h = handOfSeat(seat);
  bool seen[handCapacity + 1] = {};
  for (int32_t i = 1; i <= handUsed(sel); i++) {
    const int32_t p = sel.k[i].hi;
    if (p < 1 || p > handUsed(h) || seen[p] || !cardsEqual(h.k[p], sel.k[i])) return false;
    seen[p] = true;
    handaddk(cards, TCard{h.k[p].t, h.k[p].f, static_cast<int16_t>(p)});
  }
  return true;
}

void saySeatPoints() {
  if (area().options.positiveScoring && !rommeIsGin()) return;
  for (int32_t s = 1; s <= seats(); s++)
    if (s != area().lastMover || rommeIsGin())
      say(num(rommeSeatHandValue(s)) + " " + coreLookupText("f_dialog_punkte"), s, 0, true);
}

void openHands() {
  for (int32_t s = 2; s <= seats(); s++) moveStackTo(getOpenHandPos(sp[s].restPose, s), s);
}

}  // namespace

bool ginUpCardPhase() { return rommeIsGin() && area().upCardOffers < 2; }

bool ginNoGameReached() {
  return (cardsOn(stock) <= 2 && cg.gs.step == 7) || area().ginNoGame != 0;
}

int32_t rommeNextSeat(int32_t seat) {
  if (seat == -1) seat = cg.gs.akspieler;
  return seat + 1 > seats() ? 1 : seat + 1;
}

int32_t rommePrevSeat(int32_t seat) {
  if (seat == -1) seat = cg.gs.akspieler;
  return seat - 1 < 1 ? seats() : seat - 1;
}

void rommeStepToNextSeat() { cg.gs.akspieler = rommeNextSeat(-1); }
void rommeStepToPrevSeat() { cg.gs.akspieler = rommePrevSeat(-1); }

// [SECTION] the deal and the first card

namespace {

void stepDeal(TGameState& g) {
  const int32_t n = seats(), d = area().options.cardsDealt;
  if (g.step == 0 && g.dealStyle == 1) {
    const int32_t top = cardsOn(stock);
    for (int32_t i = 1; i <= n; i++) {
      const int32_t who = dealsBackwards() ? n + 1 - i : i;
      gethand(who, d, (i - 1) * d, 0.25f * float(i - 1), stock, 0);
    }
    noteCoreMove(stock, std::max(1, top - n * d + 1));
    g.step = n;
  } else if (g.step < n) {
    g.akspieler = dealsBackwards() ? rommePrevSeat(-1) : rommeNextSeat(-1);
    g.step++;
    amove(stock, cardsOn(stock), g.akspieler, 0, d, 0);
  } else {
    g.akspieler = dealsBackwards() ? rommePrevSeat(g.dealer) : rommeNextSeat(g.dealer);
    g.step = 0;
    g.phase = 3;
  }
}

void shufflePass() {
  int16_t& left = cg.gs.warCollectDelay;
  const int32_t n = cardsOn(stock);
  for (int32_t i = 1; i <= n; i++) {
    if (!movecard(stock, i, stock, i, 0, 5, moveStraight, 0.0f, 0, 0.0f)) continue;
    const float r = float(randomReal());
    sp[stock].slots[i].variation = left == 1 ? 0.2f * r + 1.47f : 0.2f * r - 0.1f;
  }
  if (n >= 1) noteCoreMove(stock, n);
  left--;
  if (left <= 0) {
    left = 0;
    shuffleStack(sp[stock]);
  }
}

void turnUp(TGameState& g) {
  if (cg.gs.warCollectDelay > 0) {
    shufflePass();
  } else if (g.step == 0) {
    const int32_t top = cardsOn(stock);
    if (top >= 1) {
      const TCard card = sp[stock].slots[top].card;
      moveCardNoted(stock, top, pile, cardsOn(pile) + 1, 0, 3, moveDraw, 0.1f, 0);
      if (rommeIsGin() && area().options.oklahomaGin) area().knockLimit = rommeCardValue(card);
    }
    g.step = 1;
  } else {
    g.phase = 4;
    g.step = 0;
    area().turnCounter = 0;
  }
}

}  // namespace

// [SECTION] a turn

namespace {

void draw(TGameState& g) {
  TRommeArea& a = area();
  const int32_t seat = g.akspieler;
  const TGetBlender& b = g.getBlender;
  if (ginUpCardPhase()) {
    const bool take = (b.kind == 2 && (b.res_ii == ginAnswerTakeUpCard || b.res_ii == ginAnswerTakeUpCard2)) ||
                      (b.kind == 3 && b.res_i == pile);
    if (b.kind == 2 && b.res_ii == ginAnswerPass) {
      a.upCardOffers++;
      say(coreLookupText("f_ginrummy_passe"), seat, 0, false);
      rommeStepToNextSeat();
      g.step = 0;
      return;
    }
    if (!take) return;  // the check lets nothing else through
    amove(pile, cardsOn(pile), seat, 0, 1, 5);
  } else if (b.kind == 3 && b.res_i == pile) {
    const int32_t top = cardsOn(pile);
    if (!rommeIsGin() && top >= 1) {
      a.takenDiscard = sp[pile].slots[top].card;
      // The card's slot once it lies in the hand: the user's hand sorts it in.
      a.takenDiscard.hi = static_cast<int16_t>(seat == 1 ? sortedInsertPos(sp[1], a.takenDiscard) : cardsOn(seat) + 1);
      trace("set cfdiscardx=" + num(a.takenDiscard.hi) + " t:" + num(a.takenDiscard.t) + " f:" +
            num(a.takenDiscard.f));
    }
    amove(pile, top, seat, 0, 1, 5);
  } else if (b.kind == 3 && b.res_i == stock) {
    a.takenDiscard = noCard();
    amove(stock, cardsOn(stock), seat, 0, 1, 0);
  } else {
    return;
  }
  a.turnStartCount = cardsOn(seat) + 1;
  a.turnCounter++;
  g.subStep = 0;
  g.step = 2;
}

void openMeldDecision(TGameState& g) {
  TRommeArea& a = area();
  a.meldTicks = 0;
  a.turnStartCount = std::max(a.turnStartCount, 0);
  const bool gin = rommeIsGin();
  if (!gin) cg.openDecisionDialog(rommeDecisionMeld);
  else if (!a.knocked) cg.openDecisionDialog(rommeDecisionKnock);
  else if (a.layOffStage) cg.openDecisionDialog(rommeDecisionLayOut);
  rommeUpdateHumanControls();
  if (gin && a.knocked && !a.layOffStage) {
    cg.openDecisionDialog(rommeDecisionDiscard);
    g.step = 9;
  } else {
    g.step = 3;
  }
  g.subStep++;
}

void endHand(TGameState& g) {
  openHands();
  saySeatPoints();
  g.step = 10;
}

// The discard of hand position b.
void discard(TGameState& g, bool knockerDiscard) {
  TRommeArea& a = area();
  const int32_t seat = g.akspieler, index = g.getBlender.res_ii;
  if (index < 1 || index > cardsOn(seat)) {
    trace("Rommé: Ablegen ohne Karte (" + num(index) + ")");
    g.step = knockerDiscard ? 2 : 5;
    return;
  }
  if (rommeIsGin() && a.upCardOffers < 2) a.upCardOffers += 2;
  const int32_t slot = cardsOn(pile) + 1;
  amove(seat, index, pile, cardsOn(pile), 1, 0);
  if (slot <= slotCapacity) sp[pile].slots[slot].pose.z = float(2 * slot - 1);
  rommeDropDeadwoodCache();
  if (knockerDiscard) {
    a.layOffStage = 1;
    g.step = 2;
    return;
  }
  g.step = 7;
  if (rommeIsGin() && !a.knocked && ginNoGameReached()) {
    a.ginNoGame = 1;
    g.step = 3;
  }
}

void applyMeldAnswer(TGameState& g) {
  TRommeArea& a = area();
  a.meldTicks++;
  const int32_t seat = g.akspieler;
  const TGetBlender& b = g.getBlender;
  const bool gin = rommeIsGin();
  if (b.kind == 2 || (gin && ginNoGameReached())) {
    const int32_t v = b.kind == 2 ? int32_t(b.res_ii) : int32_t(rommeAnswerDone);
    if (gin && v == rommeAnswerKnock && !a.knocked) {
      a.knocked = 1;
      a.knocker = seat;
      say(coreLookupText("f_ginrummy_klopft"), seat, 11, false);
      g.step = 2;
    } else if (v == rommeAnswerRestart) {
      rommeRestartMelds();
      g.step = 20;
    } else if (v == rommeAnswerMeld) {
      amove(seat, 0, meldStack, 0, 0, 3);
      rommeDropDeadwoodCache();
      g.step = 4;
    } else if (gin && ((a.knocked && a.knockerDone) || ginNoGameReached())) {
      endHand(g);
    } else if (gin && a.knocked) {
      if (cardsOn(seat) == 0) say(coreLookupText("f_ginrummy_saygin"), seat, 1, false);
      rommeStepToNextSeat();
      a.knockerDone = 1;
      g.step = 2;
    } else {
      THand sel{};
      selectionInHand(g.bl.selhand, seat, sel);
      const TCard taken = a.takenDiscard;
      const bool isTaken = handUsed(sel) == 1 && cardsEqual(sel.k[1], taken) && sel.k[1].hi == taken.hi;
      if (handUsed(sel) == 1 && !isTaken && rommeIsLegalCard(sel.k[1])) {
        g.getBlender.res_ii = sel.k[1].hi;
        g.step = 6;
      } else {
        g.step = 5;
      }
    }
    return;
  }
  if (b.kind == 0) {
    if (gin) g.step = 6;
    return;
  }
  if (b.kind == 3) {
    const int32_t slot = b.res_ii;
    const int32_t meld = slot >= 1 && slot <= slotCapacity ? sp[meldStack].slots[slot].meldNo : 0;
    THand sel{};
    selectionInHand(g.bl.selhand, seat, sel);
    const int32_t before = pendingMoveCount;
    amove(seat, 0, meldStack, slot, 0, 4);
    // Only a lay-off the table took counts as one on the knocker's melds.
    const bool taken = pendingMoveCount > before;
    if (!taken) trace("Rommé: Anlegen vom Tisch abgelehnt");
    if (taken && gin && k12.inUse(meld) && k12.melds[meld].owner != seat)
      for (int32_t i = 1; i <= handUsed(sel); i++) {
        TCard c = sel.k[i];
        c.hi = static_cast<int16_t>(meld);
        handaddk(a.knockerLayOffs, c);
      }
    rommeDropDeadwoodCache();
    g.step = 4;
  }
}

void changeTurn(TGameState& g) {
  TRommeArea& a = area();
  a.lastMover = g.akspieler;
  a.takenDiscard = noCard();
  rommeStepToNextSeat();
  g.step = 0;
}

void stepTurn(TGameState& g) {
  TRommeArea& a = area();
  if (g.step == 0 && cardsOn(stock) == 0) {
    const int32_t n = cardsOn(pile);
    if (n > 0) amove(pile, n, stock, 1, n, 6);
    cg.gs.warCollectDelay = 2;
    g.phase = 3;
    return;
  }
  if (g.step == 0 && validSeat(a.lastMover) && a.lastMover <= seats() && a.turnCounter > 0 &&
      cardsOn(a.lastMover) == 0 && !rommeIsGin()) {
    if (a.turnStartCount >= 13) say(coreLookupText("f_romme_rommehand"), a.lastMover, 1, true);
    else say(coreLookupText("f_romme_romme"), a.lastMover, 20, true);
    endHand(g);
    return;
  }
  switch (g.step) {
    case 0:
      cg.openDecisionDialog(rommeDecisionDraw);
      g.step = 1;
      return;
    case 1: draw(g); return;
    case 2: openMeldDecision(g); return;
    case 3: applyMeldAnswer(g); return;
    case 4:
    case 20:
      k12.rebuildFromSlots();
      g.step = 2;
      return;
    case 5:
      rommeMarkPlayable();
      cg.openDecisionDialog(rommeDecisionDiscard);
      g.step = 6;
      return;
    case 6: discard(g, false); return;
    case 7: changeTurn(g); return;
    case 9: discard(g, true); return;
    case 10:
      cg.setMenuButtonCaption(2);
      rommeHandResult();
      g.step = 11;
      return;
    default: return;
  }
}

}  // namespace

// [SECTION] the step

void rommeGameStep(TGameState& g) {
  area().stepCalls++;
  g.gameCounter++;
  switch (g.phase) {
    case 0:
      g.phase = 1;
      g.step = 0;
      break;
    case 1: stepDeal(g); break;
    case 3: turnUp(g); break;
    case 4: stepTurn(g); break;
    default: break;
  }
  if (!engineFastMode()) rommeRefreshTable();
}

void rommeRestartMelds() {
  TRommeArea& a = area();
  const int32_t seat = cg.gs.akspieler;
  if (!validSeat(seat)) return;
  THand back{};
  k12.collectSeatMeldCards(seat, back);
  const int32_t inHand = cardsOn(seat);
  // Every meld card of the seat goes back to its hand; the hand is then sorted.
  int32_t moved = 0;
  for (int32_t i = 1; i <= handUsed(back); i++) {
    const int32_t slot = back.k[i].hi;
    if (slot < 1 || slot > cardsOn(meldStack) || sp[meldStack].slots[slot].card.t == 0) continue;
    if (movecard(meldStack, slot, seat, inHand + moved + 1, 0, 2, moveStraight, 0.0f, 0, 0.0f)) moved++;
    sp[meldStack].slots[slot].moveMark = 4;
  }
  if (moved > 0) noteCoreMove(meldStack, back.k[handUsed(back)].hi);
  clearHand(a.knockerLayOffs);
  rommeDropDeadwoodCache();
}

// [SECTION] the check

namespace {

std::string drawRefusal(int kind, int32_t a, int32_t b) {
  if (ginUpCardPhase()) {
    if (kind == 2 && (b == ginAnswerTakeUpCard || b == ginAnswerTakeUpCard2 || b == ginAnswerPass)) return "";
    if (kind == 3 && a == pile && cardsOn(pile) > 0) return "";
    return "nur Aufnehmen oder Passen";
  }
  if (kind != 3) return "nur Talon oder Ablagestapel";
  if (a == stock) return cardsOn(stock) > 0 ? "" : "Talon ist leer";
  if (a == pile) return cardsOn(pile) > 0 ? "" : "Ablagestapel ist leer";
  return "kein Stapel zum Ziehen";
}

bool knockPossible() {
  rommeAIDiscard(0);
  return rommeDeadwood(area().afterDiscard) <= area().knockLimit;
}

std::string meldRefusal(int kind, int32_t a, int32_t b, int32_t decision) {
  const TRommeArea& ar = area();
  const int32_t seat = cg.gs.akspieler;
  THand cards{};
  const bool inHand = selectionInHand(cg.gs.bl.selhand, seat, cards);
  if (kind == 2) {
    if (b == rommeAnswerRestart) return decision == rommeDecisionLayOut ? "" : "nicht angeboten";
    if (b == rommeAnswerMeld) {
      if (!inHand) return "Auswahl nicht in der Hand";
      if (!rommeIsValidMeld(cards, 0, false, false)) return "keine erlaubte Meldung";
      return rommeDiscardRuleOk(handOfSeat(seat), cards) ? "" : "Ablageregel";
    }
    if (b == rommeAnswerDone) {
      const bool knockerLaysOut = rommeIsGin() && ar.knocked && ar.layOffStage && !ar.knockerDone;
      if (knockerLaysOut && rommeHandValue(handOfSeat(seat)) > ar.knockLimit) return "Klopfgrenze";
      return "";
    }
    return "keine Antwort der Entscheidung";
  }
  if (kind == 3) {
    if (a != meldStack) return "kein Meldestapel";
    if (b < 1 || b > cardsOn(meldStack) || sp[meldStack].slots[b].card.t == 0) return "leerer Platz";
    if (!inHand || handUsed(cards) == 0) return "Auswahl nicht in der Hand";
    return k12.canLayOff(cards, sp[meldStack].slots[b].meldNo) ? "" : "Anlegen nicht erlaubt";
  }
  return "keine Antwort der Entscheidung";
}

std::string discardRefusal(int kind, int32_t b) {
  if (kind != 0) return "nur eine Karte";
  const int32_t seat = cg.gs.akspieler;
  if (b < 1 || b > cardsOn(seat)) return "keine Karte der Hand";
  TCard c = handOfSeat(seat).k[b];
  return rommeIsLegalCard(c) ? "" : "Karte darf nicht abgelegt werden";
}

std::string knockRefusal(int kind, int32_t b) {
  if (kind == 0) return discardRefusal(kind, b);
  if (kind == 2 && b == rommeAnswerKnock && !ginUpCardPhase() && !area().knocked)
    return knockPossible() ? "" : "zu viele Restpunkte";
  return "keine Antwort der Entscheidung";
}

}  // namespace

bool rommeCheckAction(int kind, int32_t a, int32_t b) {
  const TGameState& g = cg.gs;
  if (g.phase != 4) return true;
  std::string why;
  // The step and not the recorded kind says which decision is open.
  if (g.step == 1) why = drawRefusal(kind, a, b);
  else if (g.step == 3 && rommeIsGin() && !area().knocked) why = knockRefusal(kind, b);
  else if (g.step == 3) why = meldRefusal(kind, a, b, rommeIsGin() ? rommeDecisionLayOut : rommeDecisionMeld);
  else if (g.step == 6 || g.step == 9) why = discardRefusal(kind, b);
  else why = "keine Entscheidung offen";
  if (why.empty()) return true;
  trace("Rommé: abgelehnt (Spieler " + num(g.akspieler) + ", Schritt " + num(g.step) + ", Art " + num(kind) + ", " +
        num(a) + ", " + num(b) + "): " + why);
  rommeRefusedAnswers++;
  cg.gs.getBlender.kind = actionUsed;
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}

// [SECTION] the user's controls and the table

void rommeMarkPlayable() {
  if (dlgIPanel == 0) return;
  const TGameState& g = cg.gs;
  const bool restricted = (!rommeIsGin() && g.step == 6) || (rommeIsGin() && area().knocked && (g.step == 6 || g.step == 9));
  const THand hand = handOfSeat(1);
  for (int32_t n = 1; n <= 49; n++) {
    const bool on = !restricted || n > handUsed(hand) || (g.akspieler == 1 && rommeIsLegalCard(hand.k[n]));
    setElementShown(dlgIPanel, elActionButtons[std::min(n, 54)], on ? 1 : 0);
  }
}

void rommeRefreshTable() {
  for (int32_t s = 1; s <= seats(); s++) syncHandFromSlots(sp[s]);
  rommeMarkPlayable();
}

bool rommeIsSeatHandOpen(int32_t seat) { return seat != 1 && cg.gs.step == 10; }
