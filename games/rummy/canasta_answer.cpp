// Canasta's answers: the check of every action before the step sees it, applying the answer
// to decision 82 (meld, take back, done, lay off), the step's own lay-downs after the draw,
// and seat 1's selection.
//
// [SECTION] helpers
// [SECTION] the check
// [SECTION] applying decision 82
// [SECTION] automatic lay-downs
// [SECTION] seat 1's selection
#include <string>

#include "core/cg.h"
#include "core/seat_record.h"
#include "engine/engine_services.h"
#include "games/rummy/canasta_history.h"
#include "games/rummy/canasta_moves.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_step.h"
#include "games/rummy/meld_table.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

constexpr int32_t stock = 11, meldStack = 12, pile = 13;
constexpr uint8_t actionUsed = 7;

// The step's own actions (red threes, the forced three-card meld) pass the check.
bool automaticAction = false;

TCanastaArea& can() { return canastaArea(); }
std::string num(int32_t v) { return std::to_string(v); }

void submitAutomatic(int kind, int32_t a, int32_t b, const THand* cards = nullptr) {
  automaticAction = true;
  cg.submitAction(kind, a, b, cards, 0, true);
  automaticAction = false;
}

// The selected cards as they lie in the seat's hand; false when a position is outside the
// hand, names another card or comes twice.
bool selectionInHand(const THand& sel, int32_t seat, THand& cards) {
  clearHand(cards);
  if (seat < 1 || seat > 6) return false;
  syncHandFromSlots(sp[seat]);
  const THand& h = sp[seat].hand;
  bool seen[handCapacity + 1] = {};
  for (int32_t i = 1; i <= handUsed(sel); i++) {
    const int32_t p = sel.k[i].hi;
    if (p < 1 || p > handUsed(h) || seen[p] || !cardsEqual(h.k[p], sel.k[i])) return false;
    seen[p] = true;
    handaddk(cards, h.k[p]);
  }
  return true;
}

bool offered(int16_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  for (int32_t i = 1; i <= bl.optionCount && i <= decisionOptionCapacity; i++)
    if (bl.optionValues[i] == value) return true;
  return false;
}

bool holds(const THand& cards, const TCard& c) { return c.t != 0 && indexOfCard(cards, c) >= 1; }

}  // namespace

// [SECTION] the check

namespace {

std::string drawRefusal(int kind, int32_t a) {
  if (kind != 3) return "nur Talon oder Ablagestapel";
  if (a == stock) return stackUsed(sp[stock]) > 0 ? "" : "Talon ist leer";
  if (a == pile) return canastaCanTakePile() ? "" : "Ablagestapel darf nicht genommen werden";
  return "kein Stapel zum Ziehen";
}

std::string meldRefusal(int kind, int32_t a, int32_t b) {
  const int32_t seat = cg.gs.akspieler;
  THand cards{};
  const bool inHand = selectionInHand(cg.gs.bl.selhand, seat, cards);
  if (kind == 2) {
    if (b == canastaAnswerTakeBack) return "";
    if (!inHand) return "Auswahl nicht in der Hand";
    if (b == canastaAnswerMeld) return handUsed(cards) > 0 && canastaCanMeld(cards) ? "" : "keine erlaubte Meldung";
    if (b == canastaAnswerDone) return offered(canastaAnswerDone) ? "" : "fertig nicht angeboten";
    return "keine Antwort der Entscheidung";
  }
  if (kind == 3) {
    if (a != meldStack) return "kein Meldestapel";
    if (b < 1 || b > stackUsed(sp[meldStack]) || sp[meldStack].slots[b].card.t == 0) return "leerer Platz";
    if (!inHand || handUsed(cards) == 0) return "Auswahl nicht in der Hand";
    return canastaCanLayOffOn(cards, sp[meldStack].slots[b].meldNo) ? "" : "Anlegen nicht erlaubt";
  }
  return "keine Antwort der Entscheidung";
}

std::string discardRefusal(int kind, int32_t b) {
  if (kind != 0) return "nur eine Karte";
  return b >= 1 && b <= canastaHandCount(cg.gs.akspieler) ? "" : "keine Karte der Hand";
}

}  // namespace

bool canastaCheckAction(int kind, int32_t a, int32_t b) {
  if (automaticAction || cg.gs.phase != 4) return true;
  std::string why;
  switch (cg.gs.bl.decisionKind) {
    case canastaDecisionDraw: why = drawRefusal(kind, a); break;
    case canastaDecisionMeld: why = meldRefusal(kind, a, b); break;
    case canastaDecisionDiscard: why = discardRefusal(kind, b); break;
    default: break;
  }
  if (why.empty()) return true;
  trace("Canasta: abgelehnt (Spieler " + num(cg.gs.akspieler) + ", Entscheidung " + num(cg.gs.bl.decisionKind) +
        ", Art " + num(kind) + ", " + num(a) + ", " + num(b) + "): " + why);
  cg.gs.getBlender.kind = actionUsed;
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}

// [SECTION] applying decision 82

namespace {

void clearDueCards(const THand& sel) {
  TCanastaArea& a = can();
  if (holds(sel, a.kartenzwang)) {
    logProtocol("entferne Kartenzwang " + num(a.kartenzwang.t) + "," + num(a.kartenzwang.f));
    a.kartenzwang = noCard();
  }
  if (holds(sel, a.spielmit2zwang)) {
    logProtocol("entferne spielmit2zwang " + num(a.spielmit2zwang.t) + "," + num(a.spielmit2zwang.f));
    a.spielmit2zwang = noCard();
  }
}

void layNewMeld(int32_t seat) {
  TCanastaArea& a = can();
  const THand sel = a.selhand;
  const bool red = handUsed(sel) > 0 && canastaIsRedThree(sel.k[1]);
  logProtocol("caAddHistory(AUSLEGEN)------------------------------");
  logProtocol("cg.gs.can.selhand.anz=" + num(handUsed(sel)));
  logProtocol(std::string("red3(k[1]=") + (red ? "true)" : "false)"));
  const int32_t before = pendingMoveCount;
  amove(seat, 0, meldStack, 0, 0, 3);
  cg.gs.step = 4;
  if (pendingMoveCount == before) {
    trace("Canasta: Meldung nicht gelegt");
    return;
  }
  const int32_t meld = k12.lastMeldIndex(seat);
  if (!red) {
    if (a.spielmit2zwang.t == 0) {
      for (int32_t i = 1; i <= handUsed(sel); i++) canastaAddHistory(meld, i);
    } else {
      a.autoLaidDown = 1;
    }
    a.turnPoints += canastaHandPoints(sel);
  }
  clearDueCards(sel);
}

void layOff(int32_t seat, int32_t slot) {
  TCanastaArea& a = can();
  const THand sel = a.selhand;
  const int32_t meld = sp[meldStack].slots[slot].meldNo;
  clearDueCards(sel);
  const int32_t before = pendingMoveCount;
  amove(seat, 0, meldStack, slot, 0, 4);
  cg.gs.step = 4;
  // Only cards that really went down count.
  if (pendingMoveCount == before || !k12.layOffPending) {
    trace("Canasta: Anlegen nicht ausgeführt");
    return;
  }
  const bool automaticBlock = a.autolegen && handUsed(sel) > 1;
  logProtocol("caAddHistory(ANLEGEN)------------------------------");
  const int32_t earlier = a.hcount;
  const THand& laid = k12.pendingCards;
  for (int32_t i = 1; i <= handUsed(laid); i++) {
    const TCard c = laid.k[i];
    if (canastaIsRedThree(c)) continue;
    if (automaticBlock) {
      a.autoLaidDown = 1;
    } else {
      if (canastaIsWildCard(c)) canastaShiftHistory(meld, earlier);
      canastaAddHistory(meld, c.hi);
    }
    a.turnPoints += canastaCardPoints(c);
  }
}

void finishMelding(int32_t seat) {
  TCanastaArea& a = can();
  TGameState& g = cg.gs;
  if (a.turnPoints > 0) a.firstMeldMade[canastaSide(seat)] = 1;
  const int32_t n = handUsed(a.selhand);
  const bool computer = seat >= 1 && seat <= 6 && cg.seatRecords[seat].kind == seatKindComputer;
  if (n == 1 && !computer) {
    g.getBlender.res_ii = a.selhand.k[1].hi;
    g.step = 6;
    return;
  }
  for (int32_t i = 1; i <= n; i++) {
    const int32_t p = a.selhand.k[i].hi;
    if (p >= 1 && p <= stackUsed(sp[seat])) setCardLift(sp[seat].slots[p], 1, seat, p);
  }
  g.step = n >= 1 && !computer ? 2 : 5;
}

}  // namespace

void canastaApplyMeldAnswer() {
  TGameState& g = cg.gs;
  TCanastaArea& a = can();
  const int32_t seat = g.akspieler;
  const TGetBlender answer = g.getBlender;
  if (answer.kind == 2 || answer.kind == 3) a.selhand = g.bl.selhand;
  g.getBlender.kind = actionUsed;
  if (answer.kind == 2 && answer.res_ii == canastaAnswerMeld) {
    layNewMeld(seat);
  } else if (answer.kind == 2 && answer.res_ii == canastaAnswerTakeBack) {
    caresethistory();
    g.step = 2;
  } else if (answer.kind == 2) {
    finishMelding(seat);
  } else if (answer.kind == 3) {
    layOff(seat, answer.res_ii);
  } else {
    g.step = 2;  // nothing to apply: the panel again
  }
  a.autolegen = 0;
}

// [SECTION] automatic lay-downs

namespace {

// The slot of the last card of meld n.
int32_t lastSlotOf(int32_t n) {
  return k12.inUse(n) && handUsed(k12.melds[n]) > 0 ? k12.melds[n].k[handUsed(k12.melds[n])].hi : 0;
}

int32_t redThreeMeldOfSide(int32_t seat) {
  THand list{}, meld{};
  k12.meldsOfTeam(seat, list);
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    if (handUsed(meld) > 0 && canastaIsRedThree(meld.k[1])) return list.k[i].hi;
  }
  return 0;
}

void layRedThree(int32_t seat, int32_t pos) {
  TCanastaArea& a = can();
  a.redThreesPending = 1;
  THand sel{};
  handaddk(sel, TCard{sp[seat].hand.k[pos].t, sp[seat].hand.k[pos].f, static_cast<int16_t>(pos)});
  a.selhand = sel;
  const int32_t meld = redThreeMeldOfSide(seat);
  if (meld != 0) {
    a.autolegen = 1;
    canastaLogStep("autoablauf: an ROT3er-stapel anlegen");
    submitAutomatic(1, 0, 0, &sel);
    submitAutomatic(3, meldStack, lastSlotOf(meld));
  } else {
    canastaLogStep("autoablauf: neuen ROT3er-stapel auslegen");
    submitAutomatic(1, 0, 0, &sel);
    submitAutomatic(2, 0, canastaAnswerMeld);
  }
}

// The last meld of the turn's best move that holds the pile's top card and is valid with three
// or more cards; 0 when there is none.
int32_t hintMeldWith(const TCanastaMoveList& hint, const TCard& top) {
  int32_t found = 0;
  for (int32_t e = 1; e <= hint.count; e++) {
    THand cards{};
    hand64ToHand(hint.entries[e].cards, cards);
    if (handUsed(cards) >= 3 && indexOfCard(cards, top) >= 1 && canastaIsValidMeld(cards)) found = e;
  }
  return found;
}

// The top card and two further naturals of its rank: from the best move's meld when `from`
// holds it, else from the hand in its order. Each card at a distinct hand position.
THand forcedCards(const THand& hand, const TCard& top, const THand* from) {
  const THand& source = from != nullptr ? *from : hand;
  THand wanted{};
  handaddk(wanted, TCard{top.t, top.f, 0});
  bool topSkipped = false;
  for (int32_t i = 1; i <= handUsed(source) && handUsed(wanted) < 3; i++) {
    const TCard& c = source.k[i];
    if (c.t != top.t) continue;
    if (!topSkipped && cardsEqual(c, top)) {
      topSkipped = true;
      continue;
    }
    handaddk(wanted, TCard{c.t, c.f, 0});
  }
  THand sel{};
  bool used[handCapacity + 1] = {};
  for (int32_t i = 1; i <= handUsed(wanted); i++)
    for (int32_t p = 1; p <= handUsed(hand); p++)
      if (!used[p] && cardsEqual(hand.k[p], wanted.k[i])) {
        used[p] = true;
        handaddk(sel, TCard{hand.k[p].t, hand.k[p].f, static_cast<int16_t>(p)});
        break;
      }
  return sel;
}

// The turn's best move without the forced meld's cards, so that the searches that fall back on
// it name only cards still in the hand: what is left of its meld is laid off on the forced meld.
void alignHintWithForcedMeld(int32_t seat, const THand& laid) {
  TCanastaMoveList& hint = can().hintMove;
  for (int32_t i = 1; i <= handUsed(laid) && hint.count > 0 && hint.totalPoints > 0; i++) {
    int32_t holder = 0;
    for (int32_t e = 1; e <= hint.count && holder == 0; e++)
      if (hasCard64(hint.entries[e].cards, laid.k[i])) holder = e;
    if (holder == 0) {
      trace("ACHTUNG! Logikfehler: Auszulegende mit2kombi entspricht nicht der in maxpunktezug");
      break;
    }
    TCanastaMoveEntry& e = hint.entries[holder];
    removeFirstCard64(e.cards, laid.k[i]);
    if (handUsed(e.cards) < 3) e.target = 0;
  }
  const int32_t forcedMeld = k12.lastMeldIndex(seat) + 1;
  THand singles{};
  for (int32_t e = hint.count; e >= 1; e--) {
    const TCanastaMoveEntry& entry = hint.entries[e];
    const int32_t n = handUsed(entry.cards);
    if (n >= 3 || (n > 0 && entry.target != 0)) continue;
    THand cards{};
    hand64ToHand(entry.cards, cards);
    for (int32_t i = n; i >= 1; i--) insertCardAt(singles, cards.k[i], 1);
    canastaDeleteMeld(hint, e);
  }
  for (int32_t i = 1; i <= handUsed(singles); i++) {
    THand one{};
    handaddk(one, singles.k[i]);
    canastaPutMeld(hint, one, forcedMeld, 0);
  }
  canastaUpdateMeldListPoints(hint);
}

// The pile's top card and two natural cards of its rank go down at once, as the turn's best
// move has them.
void layForcedMeld(int32_t seat) {
  TCanastaArea& a = can();
  const TCard top = a.spielmit2zwang;
  syncHandFromSlots(sp[seat]);
  const THand& h = sp[seat].hand;
  const int32_t e = hintMeldWith(a.hintMove, top);
  THand fromHint{};
  if (e != 0) hand64ToHand(a.hintMove.entries[e].cards, fromHint);
  THand sel = forcedCards(h, top, e != 0 ? &fromHint : nullptr);
  // The best move is empty when the side already has the rank or keeps nothing to meld:
  // then the hand alone gives the cards.
  if (e == 0 && a.hintMove.count > 0)
    trace("ACHTUNG! Logikfehler: Auszulegende mit2kombi existiert nicht in maxpunktezug "
          "(orientierung an maxp.z. fehlgeschlagen)");
  if (e != 0 && handUsed(sel) < 3) sel = forcedCards(h, top, nullptr);
  if (handUsed(sel) < 3) {
    // The pile was taken on another ground: its top card is due like an unfrozen pile's.
    trace("Fehler: Inkonsistenz beim 3 Karten legen Zwang: Keine 3 vorhanden!");
    a.kartenzwang = a.kartenzwangSaved = top;
    a.spielmit2zwang = noCard();
    return;
  }
  if (e != 0) alignHintWithForcedMeld(seat, sel);
  a.selhand = sel;
  const int32_t meld = canastaFindTeamRankMeld(seat, top.t);
  submitAutomatic(1, 0, 0, &sel);
  if (meld != 0) {
    a.autolegen = 1;
    canastaLogStep("autoablauf: 3er-stapel wegen mit2zwang anlegen: 1/3");
    submitAutomatic(3, meldStack, lastSlotOf(meld));
  } else {
    canastaLogStep("autoablauf: 3er-stapel wegen mit2zwang neu auslegen");
    submitAutomatic(2, 0, canastaAnswerMeld);
  }
}

}  // namespace

void canastaAutoLayDown(bool redThree, int32_t redThreePos) {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > 6) return;
  if (redThree) layRedThree(seat, redThreePos);
  else layForcedMeld(seat);
}

// [SECTION] seat 1's selection

void canastaSelectedCards(THand& out) {
  clearHand(out);
  TSpieler& s = sp[1];
  syncHandFromSlots(s);
  for (int32_t i = 1; i <= stackUsed(s); i++) {
    const TCardSlot& slot = s.slots[i];
    const bool lifted = slot.moving && slot.animType == 1 && (slot.liftState == 0 || slot.liftState == 2);
    if (lifted) handaddk(out, TCard{slot.card.t, slot.card.f, static_cast<int16_t>(i)});
  }
}

void canastaUpdateHumanControls() {
  if (cg.gs.akspieler != 1) return;
  TCanastaArea& a = can();
  a.autolegen = 0;
  canastaSelectedCards(a.selhand);
  THand sel = a.selhand;
  cg.submitAction(1, 0, 0, &sel);
}
