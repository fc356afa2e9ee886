// Canasta's step machine (see canasta_step.h for the steps).
//
// [SECTION] helpers
// [SECTION] the deal
// [SECTION] the first pile card
// [SECTION] a turn
// [SECTION] the step
#include "games/rummy/canasta_step.h"

#include <algorithm>
#include <string>

#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/message_box.h"
#include "games/rummy/canasta_history.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_scoring.h"
#include "games/rummy/canasta_search.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/meld_table.h"
#include "net/net_transport.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_questions.h"

// [SECTION] helpers

namespace {

constexpr int32_t stock = 11, meldStack = 12, pile = 13;

TCanastaArea& can() { return canastaArea(); }
int32_t seats() { return std::clamp<int32_t>(playerCount, 1, 6); }
bool dealsBackwards() { return envParam.playDirection == 2; }
int32_t cardsOn(int32_t stack) { return stackUsed(sp[stack]); }
bool validSeat(int32_t s) { return s >= 1 && s <= 6; }
std::string num(int32_t v) { return std::to_string(v); }

// The red threes of the seat's hand in hand order, each with its hand position.
THand redThreesOf(int32_t seat) {
  THand out{};
  syncHandFromSlots(sp[seat]);
  const THand& h = sp[seat].hand;
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (canastaIsRedThree(h.k[i])) handaddk(out, TCard{h.k[i].t, h.k[i].f, static_cast<int16_t>(i)});
  return out;
}

}  // namespace

// [SECTION] the deal

namespace {

void dealAllAtOnce(TGameState& g) {
  const int32_t n = seats(), c = can().options.cardsPerHand, top = cardsOn(stock);
  for (int32_t i = 1; i <= n; i++) {
    // At a network table every machine gives each block of the shared stock to the same seat.
    const int32_t who = isNetGame() ? netSeatToLocal(i) : dealsBackwards() ? n + 1 - i : i;
    gethand(who, c, (i - 1) * c, 0.25f * float(i - 1), stock, 0);
  }
  noteCoreMove(stock, top - n * c + 1);
  g.step = n;
}

void dealOneSeat(TGameState& g) {
  g.akspieler = dealsBackwards() ? prevSeat(g.akspieler) : nextSeat(g.akspieler);
  g.step++;
  amove(stock, cardsOn(stock), g.akspieler, 0, can().options.cardsPerHand, 0);
}

// Seat 1 learns its partner once per list.
void announcePartner() {
  TCanastaArea& a = can();
  if (a.partnerAnnounced) return;
  a.partnerAnnounced = 1;
  if (!a.options.teams) return;
  const int32_t partner = playerCount >= 3 && samePartnership(1, 3) ? 3 : playerCount >= 4 && samePartnership(1, 4) ? 4 : 0;
  if (partner == 0) return;
  canastaMarkerFlag = 1;
  showMessageById(41, cg.seatName(partner));
  canastaMarkerFlag = 0;
  vtl.skipPresentOnce = true;
}

void layDealtRedThrees(TGameState& g) {
  TCanastaArea& a = can();
  announcePartner();
  if (a.redThreesPending) {
    a.redThreesPending = 0;
    const int32_t n = std::min(a.redThreesCount, cardsOn(stock));
    if (n > 0) amove(stock, cardsOn(stock), g.akspieler, 0, n, 0);
    return;
  }
  g.akspieler = nextSeat(g.akspieler);
  g.step++;
  THand threes = redThreesOf(g.akspieler);
  if (handUsed(threes) == 0) return;
  a.selhand = threes;
  a.autolegen = 1;
  canastaLogStep("autoablauf: nach austeilen neuen 3er-stapel auslegen");
  cg.submitAction(1, 0, 0, &threes, 0, true);
  amove(g.akspieler, 0, meldStack, 0, 0, 3);
  a.redThreesPending = 1;
  a.redThreesCount = handUsed(threes);
}

void stepDeal(TGameState& g) {
  const int32_t n = seats();
  if (g.step == 0 && g.dealStyle == 1) {
    dealAllAtOnce(g);
  } else if (g.step < n) {
    dealOneSeat(g);
  } else if (g.step < 2 * n || can().redThreesPending) {
    layDealtRedThrees(g);
  } else {
    g.akspieler = nextSeat(g.akspieler);
    g.step = 0;
    g.phase = 3;
  }
}

}  // namespace

// [SECTION] the first pile card

namespace {

void turnFirstCard(TGameState& g) {
  if (g.step != 0) {
    g.step = 0;
    g.phase = 4;
    can().turnCounter = 0;
    return;
  }
  const int32_t top = cardsOn(stock);
  if (top == 0) {
    g.step = 1;
    return;
  }
  const TCard card = sp[stock].slots[top].card;
  const bool wild = canastaIsWildCard(card);
  const int32_t slot = cardsOn(pile) + 1;
  moveCardNoted(stock, top, pile, slot, 0, 3, moveDraw, 0.0f, 0);
  // A wild card lies across the pile.
  const float turn = float(randomReal() * 10.0 - 5.0);
  if (slot <= slotCapacity) sp[pile].slots[slot].pose.rotZ = wild ? 90.0f + turn : turn;
  if (!canastaIsRedThree(card) && !wild) g.step = 1;
}

}  // namespace

// [SECTION] a turn

namespace {

bool wentOut(TGameState& g) {
  TCanastaArea& a = can();
  // A seat that emptied its hand went out, also with the last card of the stock.
  if (a.turnCounter > 0 && validSeat(a.lastMover) && canastaHandCount(a.lastMover) == 0) {
    a.wentOutSeat = a.lastMover;
    a.wentOutConcealed = a.hasLaidDown[a.lastMover] ? 0 : 1;
    const char* key = a.wentOutConcealed ? "f_canasta_handausgemacht" : "f_canasta_fertiggemacht";
    say(coreLookupText(key), a.lastMover, a.wentOutConcealed ? 21 : 22, true);
    g.step = 9;
    return true;
  }
  return false;
}

// Called once the turn's values are known: the pile may still be taken from an empty stock.
bool stockEnds(TGameState& g) {
  TCanastaArea& a = can();
  if (cardsOn(stock) == 0 && !canastaCanTakePile()) {
    say(coreLookupText("f_canasta_spielende"), validSeat(a.lastMover) ? a.lastMover : g.akspieler, 20, true);
    a.wentOutSeat = 0;
    a.wentOutConcealed = 0;
    g.step = 9;
    return true;
  }
  return false;
}

void startTurn(TGameState& g) {
  TCanastaArea& a = can();
  const int32_t seat = g.akspieler;
  // Any lay-down but red threes counts, also the step's automatic ones.
  if ((a.hcount > 0 || a.autoLaidDown) && validSeat(a.lastMover)) a.hasLaidDown[a.lastMover] = 1;
  a.meldMinimum = canastaNeedsFirstMeld(seat) ? canastaMinimumForTotal(g.listTotals[std::clamp(seat, 1, 6)]) : 0;
  a.aiPlannedThisTurn = 0;
  a.hcount = 0;
  a.turnPoints = 0;
  a.redThreesPending = 0;
  a.kartenzwang = a.kartenzwangSaved = a.spielmit2zwang = noCard();
  a.bestPointsWithPile = -1;
  a.autoLaidDown = 0;
  a.pileTaken = 0;
  a.drawnFrom = 0;
  const TCard top = canastaDiscardTop();
  a.holdsTopPair = top.t != 0 && canastaHoldsRankPair(seat, top.t) ? 1 : 0;
  canastaBestMoveForPlayer(seat, a.hintMove);
  a.bestPoints = a.hintMove.totalPoints;
  // A second search would find the same move.
  if (a.holdsTopPair && (canastaHandCount(seat) >= 3 || cardsOn(pile) >= 2)) a.bestPointsWithPile = a.bestPoints;
}

// A seat not on the taker's side.
int32_t otherSideSeat(int32_t taker) {
  int32_t s = 1 + static_cast<int32_t>(randomReal() * seats());
  if (samePartnership(s, taker)) s = randomReal() < 0.5 ? nextSeat(s) : prevSeat(s);
  return std::clamp(s, 1, seats());
}

void draw(TGameState& g) {
  TCanastaArea& a = can();
  const int32_t seat = g.akspieler;
  if (g.getBlender.res_i != pile) {
    if (!a.redThreesPending) a.drawnFrom = stock;
    const int32_t left = cardsOn(stock);
    if (left == 0) trace("ACHTUNG! Talon ist bereits leer");
    const int32_t n = a.options.drawCount == 1 || left == 1 || a.redThreesPending ? 1 : 2;
    if (left > 0) amove(stock, left, seat, 0, std::min(n, left), 0);
    a.redThreesPending = 0;
  } else {
    a.drawnFrom = pile;
    const int32_t n = cardsOn(pile);
    amove(pile, n, seat, 0, 1, 5);
    canastaSound(5, otherSideSeat(seat), n);
    a.pileTaken = 1;
    if (a.pileTakeKind == 1) a.spielmit2zwang = a.pileTopCard;
    if (a.pileTakeKind == 2 || a.pileTakeKind == 3) a.kartenzwang = a.kartenzwangSaved = a.pileTopCard;
  }
  a.turnStartCount = canastaHandCount(seat);
  g.subStep = 0;
  a.turnCounter++;
  g.step = 2;
}

void afterDraw(TGameState& g) {
  TCanastaArea& a = can();
  const int32_t seat = g.akspieler;
  const THand threes = redThreesOf(seat);
  const bool red = handUsed(threes) > 0;
  if (red) canastaSound(3, seat, 0);
  if (a.pileTaken && !red && a.spielmit2zwang.t == 0) {
    a.pileTaken = 0;
    const int32_t rest = cardsOn(pile);
    if (rest > 0) amove(pile, rest, seat, 0, rest, 7);
    return;
  }
  cg.openDecisionDialog(canastaDecisionMeld);
  canastaUpdateHumanControls();
  g.step = 3;
  g.subStep++;
  if (red) canastaAutoLayDown(true, threes.k[1].hi);
  else if (a.spielmit2zwang.t != 0) canastaAutoLayDown(false, 0);
}

void afterLayDown(TGameState& g) {
  TCanastaArea& a = can();
  if (a.redThreesPending) {
    if (cardsOn(stock) > 0) {
      g.getBlender.res_i = stock;
      g.step = 1;
      return;
    }
    // No card left to replace the red three: the turn starts again, which ends the hand
    // unless the pile can be taken.
    a.redThreesPending = 0;
    g.step = 0;
    return;
  } else if (a.spielmit2zwang.t != 0) {
    a.spielmit2zwang = noCard();
  }
  g.step = 2;
}

void discard(TGameState& g) {
  const int32_t seat = g.akspieler, index = g.getBlender.res_ii;
  if (index < 1 || index > canastaHandCount(seat)) {
    trace("Error in abcount=6: cg.gs.getBlender.res_ii=" + num(index));
    g.step = 5;
    return;
  }
  amove(seat, index, pile, 0, 1, 0);
  g.step = 7;
}

void changeTurn(TGameState& g) {
  canastaCheckFirstMelds();
  can().lastMover = g.akspieler;
  g.akspieler = nextSeat(g.akspieler);
  trace("Player " + num(g.akspieler) + " ist dran ------------------------------");
  g.step = 0;
}

void showHands() {
  for (int32_t s = 2; s <= seats(); s++) moveStackTo(getOpenHandPos(sp[s].restPose, s), s);
}

void stepTurn(TGameState& g) {
  TCanastaArea& a = can();
  if (validSeat(g.akspieler)) a.meldedThisTurn[g.akspieler] = a.turnPoints > 0 ? 1 : 0;
  switch (g.step) {
    case 0:
      if (wentOut(g)) return;
      startTurn(g);
      if (stockEnds(g)) return;
      cg.openDecisionDialog(canastaDecisionDraw);
      g.step = 1;
      return;
    case 1: draw(g); return;
    case 2: afterDraw(g); return;
    case 3: canastaApplyMeldAnswer(); return;
    case 4: afterLayDown(g); return;
    case 5:
      if (canastaHandCount(g.akspieler) > 0) {
        cg.openDecisionDialog(canastaDecisionDiscard);
        g.step = 6;
      } else {
        g.step = 7;
      }
      return;
    case 6: discard(g); return;
    case 7: changeTurn(g); return;
    case 9:
      showHands();
      g.step = 10;
      return;
    case 10:
      if (!isNetGame()) cg.setMenuButtonCaption(2);
      canastaResultMessage();
      return;
    default: return;
  }
}

}  // namespace

// [SECTION] the step

void canastaGameStep(TGameState& g) {
  TCanastaArea& a = can();
  a.stepCalls++;
  a.handStepCalls++;
  switch (g.phase) {
    case 0:
      g.phase = 1;
      g.step = 0;
      a.handStepCalls = 0;
      a.redThreesPending = 0;
      return;
    case 1: stepDeal(g); return;
    case 3: turnFirstCard(g); return;
    case 4: stepTurn(g); return;
    default: return;
  }
}

void canastaCheckFirstMelds() {
  const TCanastaArea& a = can();
  const int32_t seat = cg.gs.akspieler;
  THand list{}, meld{};
  k12.meldsOfTeam(seat, list);
  int32_t points = 0;
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    points += canastaMeldPoints(meld, 1);
  }
  if (points <= 0 || points >= a.meldMinimum || a.drawnFrom != pile) return;
  std::string text = "ATTENTION! First melds Spi" + num(seat) + "incon.: " + num(points) + " < " +
                     num(a.meldMinimum) + " (" + num(a.hcount) + "," + num(a.turnPoints) + ") max:" + num(a.bestPoints);
  for (int32_t n = 1; n <= 5; n++) text += "\n" + num(n) + ". " + canastaTraceLine(n);
  trace(text);
}

void canastaSound(int32_t event, int32_t seat, int32_t value) {
  if (!validSeat(seat)) return;
  if (event == 10 && randomReal() < 0.4) event = 2;
  int32_t chance = 0, first = 0, second = 0;
  switch (event) {
    case 1:
      if (!can().hasLaidDown[seat]) chance = 90, first = 3;
      else chance = 80, first = 1, second = 3;
      break;
    case 2: chance = 90, first = 2, second = 3; break;
    case 3: chance = 60, first = 1, second = 2; break;
    case 4:
      if (value >= 13) chance = 100, first = 3;
      else if (value >= 9) chance = 95, first = 3;
      else if (value >= 6) chance = 90, first = 2;
      else if (value >= 4) chance = 80, first = 1;
      break;
    case 5:
      if (value >= 16) chance = 95, first = -3;
      else if (value >= 11) chance = 90, first = -3;
      else if (value >= 7) chance = 80, first = -2;
      else if (value >= 5) chance = 60, first = -1;
      break;
    case 10: chance = 92, first = 3; break;
    default: break;
  }
  if (chance > 0) soundContainer.sayComment(seat, 0, first, second, chance);
}
