// Canasta's computer player. Each call makes one action for the seat to act through
// submitAction, the same actions the user's clicks make: the draw, then one meld or lay-off
// per call, then the discard. Whole moves are planned with the move search and kept in the
// area `can`, so a saved game resumes in the middle of a planned move. Every answer is
// checked against the rules before it is given, so the step never has to refuse one.
//
// [SECTION] helpers
// [SECTION] the hand survey
// [SECTION] the draw
// [SECTION] planned moves
// [SECTION] the meld phase
// [SECTION] the discard
#include "games/rummy/canasta_ai.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/rummy/canasta_history.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_search.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/canasta_step.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/meld_table.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

constexpr int32_t stock = 11, meldStack = 12, pile = 13;

TCanastaArea& can() { return canastaArea(); }
int32_t seats() { return std::clamp<int32_t>(playerCount, 1, 6); }
int32_t cardsOn(int32_t stack) { return stackUsed(sp[stack]); }
std::string num(int32_t v) { return std::to_string(v); }
int32_t roundEven(double x) { return static_cast<int32_t>(std::nearbyint(x)); }

int32_t strengthOf(int32_t seat) { return std::clamp<int32_t>(cg.gs.seatProfiles[seat].strength, 1, 3); }

// The seat's hand, each card with its hand position in the hi word.
THand handOf(int32_t seat) {
  syncHandFromSlots(sp[seat]);
  THand h = sp[seat].hand;
  renumberHand(h);
  return h;
}

THand one(const TCard& c) {
  THand h{};
  handaddk(h, c);
  return h;
}

int32_t countWild(const THand& h) {
  int32_t n = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) n += canastaIsWildCard(h.k[i]) ? 1 : 0;
  return n;
}

bool offered(int16_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  for (int32_t i = 1; i <= bl.optionCount && i <= decisionOptionCapacity; i++)
    if (bl.optionValues[i] == value) return true;
  return false;
}

int32_t lastSlotOf(int32_t n) { return k12.inUse(n) ? k12.melds[n].k[handUsed(k12.melds[n])].hi : 0; }
int32_t firstSlotOf(int32_t n) { return k12.inUse(n) ? k12.melds[n].k[1].hi : 0; }

void submitMeld(const THand& sel, const std::string& why) {
  can().selhand = sel;
  canastaLogStep(why);
  THand cards = sel;
  cg.submitAction(1, 0, 0, &cards);
  cg.submitAction(2, 0, canastaAnswerMeld);
}

void submitLayOff(const THand& sel, int32_t slot, const std::string& why) {
  can().selhand = sel;
  canastaLogStep(why);
  THand cards = sel;
  cg.submitAction(1, 0, 0, &cards);
  cg.submitAction(3, meldStack, slot);
}

// The cards of `cards` as they lie in the hand, each at a distinct position; false when one
// is no longer there.
bool matchInHand(const THand& hand, const THand& cards, THand& sel) {
  clearHand(sel);
  bool used[handCapacity + 1] = {};
  for (int32_t i = 1; i <= handUsed(cards); i++) {
    int32_t found = 0;
    for (int32_t p = 1; p <= handUsed(hand) && found == 0; p++)
      if (!used[p] && cardsEqual(hand.k[p], cards.k[i])) found = p;
    if (found == 0) return false;
    used[found] = true;
    handaddk(sel, hand.k[found]);
  }
  return true;
}

}  // namespace

// [SECTION] the hand survey

namespace {

struct TSurvey {
  int32_t twos = 0, jokers = 0, wild = 0;
  int32_t bestRank = 0, bestCount = 0;  // the most naturals of a rank the side has not melded
  int32_t urgency = 0;
};

int32_t urgencyOf(int32_t seat) {
  const int32_t st = strengthOf(seat);
  int32_t u = 0;
  for (int32_t o = 1; o <= seats(); o++) {
    if (o == seat || !canastaTeamHasCanasta(o)) continue;
    const int32_t n = canastaHandCount(o);
    const int32_t add = (n <= 3 ? 10 : 0) + (n <= 1 ? 10 : 0) + (n <= 5 ? 5 : 0);
    u += add;
    if (st == 3) u += add + (n <= 8 ? 5 : 0);
  }
  if (cardsOn(stock) < seats()) u = 100;
  if (st == 3 && cardsOn(stock) < roundEven(seats() * 1.5)) u = 100;
  if (st == 2) {
    if (randomReal() < 0.05) u = 100;
    if (randomReal() < 0.2) u = 0;
  } else if (st == 1) {
    if (randomReal() < 0.1) u = 100;
    if (randomReal() < 0.4) u = 0;
  }
  return u;
}

TSurvey survey(int32_t seat, const THand& h) {
  TSurvey s;
  for (int32_t i = 1; i <= handUsed(h); i++) {
    const TCard& c = h.k[i];
    s.twos += c.t == rank2 ? 1 : 0;
    s.jokers += c.t == rankJoker ? 1 : 0;
    if (canastaIsWildCard(c) || c.t == rank3 || canastaTeamHasRankMeld(seat, c.t)) continue;
    const int32_t n = countRank(h, c.t);
    if (n >= s.bestCount) s.bestRank = c.t, s.bestCount = n;
  }
  s.wild = s.twos + s.jokers;
  s.urgency = urgencyOf(seat);
  return s;
}

}  // namespace

// [SECTION] the draw

namespace {

void draw(int32_t seat) {
  const int32_t st = strengthOf(seat), p = cardsOn(pile);
  const bool needFirst = canastaNeedsFirstMeld(seat);
  bool take = true;
  if (st == 3 && needFirst && p <= 1) take = false;
  if (can().options.drawCount == 2) {
    if (p <= 1) take = false;
    if (st == 2 && needFirst && p <= 2) take = false;
    if (st == 3 && needFirst && p <= 3) take = false;
  }
  if (st == 1 && randomReal() < 0.2) take = false;
  const bool pileOffered = cg.gs.bl.pileB == pile;
  if (pileOffered && (take || cardsOn(stock) == 0)) {
    canastaLogStep("Zieht von Ablage");
    cg.submitAction(3, pile, p);
  } else {
    canastaLogStep("Zieht von Talon");
    cg.submitAction(3, stock, cardsOn(stock));
  }
}

}  // namespace

// [SECTION] planned moves

namespace {

void storePlan(const TCanastaMoveList& list, int32_t kind) {
  TCanastaArea& a = can();
  a.multizugPlan = list;
  a.multizugPart = 0;
  a.multizugKind = kind;
  a.aiPlannedThisTurn = 1;
}

void dropPlan(const std::string& why) {
  can().aiPlannedThisTurn = 0;
  trace("Canasta-Spieler " + num(cg.gs.akspieler) + ": Plan verworfen: " + why);
}

// The part as it can be played now: a lay-off of one or two cards, or a new meld.
bool partAllowed(const TCanastaMoveEntry& e, const THand& hand, THand& sel) {
  THand cards{};
  hand64ToHand(e.cards, cards);
  if (handUsed(cards) == 0 || !matchInHand(hand, cards, sel)) return false;
  if (e.target > 0 && handUsed(cards) <= 2) return k12.inUse(e.target) && canastaCanLayOffOn(cards, e.target);
  return canastaCanMeld(cards);
}

// A going-out list must place the due pile card and leave the seat able to go out.
bool goingOutHolds(int32_t seat, const TCanastaMoveList& list, const THand& hand) {
  const TCard due = can().kartenzwang;
  if (due.t != 0) {
    bool held = false;
    for (int32_t e = 1; e <= list.count && !held; e++) held = hasCard64(list.entries[e].cards, due);
    if (!held) return false;
  }
  const bool canasta = canastaTeamHasCanasta(seat) || canastaMoveMakesCanasta(seat, list);
  return canasta || handUsed(hand) - canastaMoveListCards(list) > 1;
}

// Plans the turn's move when none is stored: going out, the first meld, or the most points.
void plan(int32_t seat, const THand& hand, bool needFirst) {
  TCanastaArea& a = can();
  TCanastaMoveList list{};
  fertigzug(seat, hand, a.kartenzwang, canastaNeedsFirstMeld(seat), list);
  if (list.count > 0 && !goingOutHolds(seat, list, hand)) {
    trace("Canasta-Spieler " + num(seat) + ": fertigzug verworfen");
    canastaClearMoveList(list);
  }
  if (strengthOf(seat) > 1 && list.count > 0) {
    storePlan(list, 1);
    return;
  }
  if (needFirst) {
    minzug2(seat, hand, a.kartenzwang, list);
    if (list.count > 0) storePlan(list, 2);
    return;
  }
  if (a.kartenzwang.t != 0 || survey(seat, hand).urgency <= 9) return;
  canastaFindMaxPointsMove(seat, hand, noCard(), list, false);
  if (list.count > 0 && !goingOutHolds(seat, list, hand)) canastaClearMoveList(list);
  if (list.count > 0) storePlan(list, 3);
}

// Carries out the next part of the stored plan; false when the plan was dropped.
bool carryOutPart(const THand& hand) {
  TCanastaArea& a = can();
  TCanastaMoveList& p = a.multizugPlan;
  const int32_t k = a.multizugPart + 1;
  if (k > p.count) {
    a.aiPlannedThisTurn = 0;
    return false;
  }
  if (canastaMoveListCards(p, k) > handUsed(hand)) {
    dropPlan("mehr Karten im Plan als auf der Hand");
    return false;
  }
  // A part that cannot go down yet (its meld is still to come, or it would leave too few
  // cards before a later canasta) changes places with the first later part that can.
  THand sel{};
  int32_t now = 0;
  for (int32_t j = k; j <= p.count && now == 0; j++)
    if (partAllowed(p.entries[j], hand, sel)) now = j;
  if (now == 0) {
    dropPlan("kein Abschnitt spielbar");
    return false;
  }
  canastaSwapMelds(p, k, now);
  const TCanastaMoveEntry& e = p.entries[k];
  a.multizugPart = k;
  if (k == p.count) a.aiPlannedThisTurn = 0;
  if (e.target > 0 && handUsed(e.cards) <= 2) submitLayOff(sel, firstSlotOf(e.target), "(2) Multizugabschnitt ANLEGEN");
  else submitMeld(sel, "(1) Multizugabschnitt AUSLEGEN");
  return true;
}

}  // namespace

// [SECTION] the meld phase

namespace {

// The due pile card goes down: on the side's meld of its rank, or in a new meld with the
// hand's naturals of its rank and as few wild cards as needed.
bool placeDueCard(int32_t seat, const THand& hand) {
  const TCard due = can().kartenzwang;
  if (due.t == 0) return false;
  const int32_t p = indexOfCard(hand, due);
  if (p < 1) return false;
  THand list{};
  k12.meldsOfTeam(seat, list);
  for (int32_t i = 1; i <= handUsed(list); i++)
    if (canastaCanLayOffOn(one(due), list.k[i].hi)) {
      submitLayOff(one(hand.k[p]), lastSlotOf(list.k[i].hi), "(5) Kartenzwang: Karte anlegen");
      return true;
    }
  THand naturals{}, wild{};
  for (int32_t i = 1; i <= handUsed(hand); i++) {
    if (hand.k[i].t == due.t) handaddk(naturals, hand.k[i]);
    else if (canastaIsWildCard(hand.k[i])) handaddk(wild, hand.k[i]);
  }
  for (int32_t w = 0; w <= std::min(2, handUsed(wild)); w++) {
    THand sel = naturals;
    for (int32_t i = 1; i <= w; i++) handaddk(sel, wild.k[i]);
    if (canastaCanMeld(sel)) {
      submitMeld(sel, "(6) Unter Zwang: Meldung auslegen mit Karte");
      return true;
    }
  }
  return false;
}

// The end of the meld phase; when "done" is not offered, the due card goes down, or the
// turn's lay-downs are taken back so that the seat can start its move again.
void endMelding(int32_t seat, const THand& hand) {
  TCanastaArea& a = can();
  if (offered(canastaAnswerDone)) {
    THand none{};
    cg.submitAction(1, 0, 0, &none);
    cg.submitAction(2, 0, canastaAnswerDone);
    return;
  }
  if (placeDueCard(seat, hand)) return;
  if (a.aiTakeBackTurn != a.turnCounter) a.aiTakeBackCount = 0;
  a.aiTakeBackTurn = a.turnCounter;
  a.aiTakeBackCount++;
  a.aiPlannedThisTurn = 0;
  canastaLogStep("Zug zurücknehmen");
  THand none{};
  cg.submitAction(1, 0, 0, &none);
  cg.submitAction(2, 0, canastaAnswerTakeBack);
}

// Seven cards of one rank (or wild cards) laid down in one go.
bool canastaInOneGo(const THand& hand, const TSurvey& s) {
  const TCanastaArea& a = can();
  if (handUsed(hand) <= 1) return false;
  for (int32_t i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    const bool wild = canastaIsWildCard(c);
    if (wild && !a.options.wildCanastas) continue;
    int32_t count = wild ? s.wild : countRank(hand, c.t), wildCount = s.wild, bestRank = s.bestRank,
            bestCount = s.bestCount;
    if (wild) wildCount = 0, bestRank = rankJoker, bestCount = count;
    if (count <= 3 || wildCount + bestCount <= 6 || bestRank == 0) continue;
    THand sel{};
    canastaPickMeldCardsB(hand, bestRank, sel);
    if (!canastaCanMeld(sel)) continue;
    if (a.meldMinimum != 0 && canastaHandPoints(sel) + a.turnPoints < a.meldMinimum) continue;
    submitMeld(sel, "(7) Canasta auslegen");
    return true;
  }
  return false;
}

// A card that brings a meld of the side nearer to a canasta.
bool completeCanasta(int32_t seat, const THand& hand) {
  const bool wildCanastas = can().options.wildCanastas != 0;
  THand list{}, meld{};
  k12.meldsOfTeam(seat, list);
  for (int32_t i = 1; i <= handUsed(list); i++) {
    const int32_t n = list.k[i].hi;
    k12.getMeld(n, meld);
    const int32_t rank = canastaMeldRank(meld), size = handUsed(meld);
    if (rank == 0 || rank == rank3) continue;
    const int32_t handWild = countWild(hand);
    int32_t card = 0;
    if (rank == rankJoker) {
      if (wildCanastas && handWild + size > 6)
        for (int32_t p = 1; p <= handUsed(hand); p++)
          if (canastaIsWildCard(hand.k[p])) card = p;
    } else {
      const int32_t meldNaturals = size - countWild(meld), handNaturals = countRank(hand, rank);
      if (meldNaturals + handNaturals >= 4 && size + handNaturals + handWild > 6) {
        card = lastRankPosition(hand, rank);
        if (card == 0 && size < 7) card = countRank(hand, rankJoker) == 0 ? lastRankPosition(hand, rank2)
                                                                          : lastRankPosition(hand, rankJoker);
      }
    }
    if (card == 0 || !(handUsed(hand) > 2 || (handUsed(hand) == 2 && size == 6))) continue;
    if (!canastaCanLayOffOn(one(hand.k[card]), n)) continue;
    submitLayOff(one(hand.k[card]), lastSlotOf(n), "(8) Zum Canasta anlegen");
    return true;
  }
  return false;
}

void meldPhase(int32_t seat) {
  TCanastaArea& a = can();
  const THand hand = handOf(seat);
  const bool needFirst = a.turnPoints < a.meldMinimum && a.drawnFrom != stock;
  const int32_t takeBacks = a.aiTakeBackTurn == a.turnCounter ? a.aiTakeBackCount : 0;
  if (!a.aiPlannedThisTurn && takeBacks == 0) plan(seat, hand, needFirst);
  // After a take-back the first meld follows the turn's best move, once.
  if (!a.aiPlannedThisTurn && takeBacks == 1 && needFirst && a.hcount == 0 && a.hintMove.count > 0) {
    storePlan(a.hintMove, 2);
    a.aiTakeBackCount++;
  }
  if (a.aiPlannedThisTurn && carryOutPart(hand)) return;
  if (a.kartenzwang.t == 0 || a.meldMinimum != 0) {
    const TSurvey s = survey(seat, hand);
    if (canastaInOneGo(hand, s) || completeCanasta(seat, hand)) return;
    endMelding(seat, hand);
    return;
  }
  const TCard due = a.kartenzwang;
  const int32_t p = indexOfCard(hand, due);
  const int32_t meld = canastaFindTeamRankMeld(seat, due.t);
  if (p >= 1 && meld != 0 && canastaCanLayOffOn(one(due), meld)) {
    submitLayOff(one(hand.k[p]), lastSlotOf(meld), "(4) Karte anlegen unter Zwang");
    return;
  }
  THand sel{};
  canastaPickMeldCards(hand, due.t, due.f, sel);
  if (canastaCanMeld(sel)) {
    submitMeld(sel, "(6) Unter Zwang: Meldung auslegen mit Karte");
    return;
  }
  endMelding(seat, hand);
}

}  // namespace

// [SECTION] the discard

namespace {

struct TDiscardView {
  int32_t seat, next, strength, pileCount;
  bool frozen;
  THand hand, pileCards, nextMelds;
};

int32_t pileCountOver(int32_t pileCount, std::initializer_list<int32_t> limits, int32_t step) {
  int32_t v = 0;
  for (int32_t l : limits) v += pileCount > l ? step : 0;
  return v;
}

// Keep score for a card of a rank the next side has melded.
int32_t meldedRankScore(const TDiscardView& v, const TCard& c, int32_t start) {
  THand meld{};
  for (int32_t i = 1; i <= handUsed(v.nextMelds); i++) {
    k12.getMeld(v.nextMelds.k[i].hi, meld);
    if (canastaMeldRank(meld) != c.t) continue;
    const int32_t meldR = countRank(meld, c.t), meldWild = countWild(meld);
    const bool natural = meldR == handUsed(meld);
    const int32_t o = countRank(v.pileCards, c.t) + meldR, w = countWild(v.pileCards) + meldWild;
    int32_t s = start + 200;
    if (v.strength == 3) {
      if (v.frozen) {
        start = start - 200;
        continue;
      }
      s += (v.pileCount > 0 ? 300 : 0) + pileCountOver(v.pileCount, {1, 2, 3, 4, 5, 6, 7, 8}, 50) +
           (v.pileCount > 9 ? 100 : 0) + (v.pileCount > 14 ? 100 : 0);
      if (o + w > 6 && o > 3) s += o >= 7 && natural ? 1800 : 800;
      start = o + w < 6 || o < 3 ? s : s + (o > 5 && natural ? 1000 : 400);
    } else {
      if (o + w > 6 && o > 3) s += 800 + (o > 6 && natural ? 1000 : 0);
      start = o + w < 6 || o < 3 ? s : s + 400 + (o > 5 && natural ? 600 : 0);
    }
  }
  return start;
}

int32_t sideCards(int32_t seat, bool own, int32_t& seatsCounted) {
  int32_t n = 0;
  seatsCounted = 0;
  for (int32_t s = 1; s <= seats(); s++)
    if ((canastaSide(s) == canastaSide(seat)) == own) n += canastaHandCount(s), seatsCounted++;
  return n;
}

int32_t wildScore(const TDiscardView& v, const TCard& c) {
  int32_t score = 250 - (c.t == rank2 ? 10 : 0);
  int32_t ownSeats = 0, otherSeats = 0;
  const int32_t own = sideCards(v.seat, true, ownSeats), other = sideCards(v.seat, false, otherSeats);
  double f = other > 0 ? double(own) / other : 1.0;
  score += f > 1 ? -50 : 50;
  if (otherSeats > 0 && other <= 3 * otherSeats) f += 1;
  if (ownSeats > 0 && own <= 3 * ownSeats) f -= 1;
  if (v.frozen) f -= 0.5;
  if (f >= 2.5) score -= 450;
  else if (f >= 2.3) score -= 400;
  else if (f >= 2.1) score -= 350;
  else if (f >= 1.9) score -= 300;
  else if (f > 1.7) score -= 250;
  else if (f > 1.55) score -= 200;
  else if (f > 1.4) score -= 150;
  else if (f > 1.25) score -= 100;
  else if (f > 1.1) score -= 50;
  return score;
}

int32_t profiScore(const TDiscardView& v, const TCard& c) {
  const TGameState& g = cg.gs;
  int32_t score = 0;
  const bool black = canastaIsBlackThree(c), wild = canastaIsWildCard(c);
  if (black) {
    score = (v.pileCount > 0 ? -50 : 0) - pileCountOver(v.pileCount, {1, 2, 3, 4, 5, 6}, 50);
    int32_t blacks = 0;
    for (int32_t i = 1; i <= handUsed(v.hand); i++) blacks += canastaIsBlackThree(v.hand.k[i]) ? 1 : 0;
    score -= blacks == 2 ? 50 : blacks == 3 ? 100 : blacks > 3 ? 150 : 0;
  }
  if (!black && !wild) score = meldedRankScore(v, c, score);
  const int32_t known = countRank(g.seatKnownCards[v.next], c.t);
  if (known == 1) {
    score += (v.frozen ? 200 : 100) + (v.pileCount > 0 ? 100 : 0) + pileCountOver(v.pileCount, {1, 2, 3, 4, 6, 9, 14}, 50);
  } else if (known >= 2) {
    score += (v.frozen ? 400 : 200) + (v.pileCount > 0 ? 100 : 0) +
             pileCountOver(v.pileCount, {1, 2, 3, 4, 5, 6, 7, 8}, 50) + (v.pileCount > 9 ? 100 : 0) +
             (v.pileCount >= 15 ? 100 : 0);
  }
  if (!black && !wild) {
    const THand& drawn = g.seatDrawnCards[v.next];
    const int32_t oldest = can().turnCounter - 6 * seats();
    for (int32_t i = 1; i <= handUsed(drawn); i++)
      if (drawn.k[i].t == c.t && drawn.k[i].hi >= oldest) {
        score -= 200;
        break;
      }
  }
  const int32_t inHand = countRank(v.hand, c.t);
  if (!black && !wild && inHand >= 2) score += 400;
  score += canastaCardPoints(c);
  if (wild) score += wildScore(v, c);
  if (!wild) score += (inHand > 2 ? 110 : 0) + (inHand > 3 ? 110 : 0) + (inHand > 4 ? 200 : 0);
  const int32_t thrown = countRank(g.seatDiscards[v.next], c.t);
  score -= thrown == 1 ? 100 : thrown > 1 ? 150 : 0;
  return score;
}

int32_t plainScore(const TDiscardView& v, const TCard& c) {
  const bool black = canastaIsBlackThree(c), wild = canastaIsWildCard(c);
  int32_t score = black ? -100 : 0;
  if (v.strength == 2 && !black && !wild) score = meldedRankScore(v, c, score);
  if (!black && !wild && countRank(v.hand, c.t) >= 2) score += 400;
  score += canastaCardPoints(c);
  score += roundEven((randomReal() - 0.5) * (v.strength == 2 ? 100 : 300));
  return score;
}

}  // namespace

int32_t canastaAIChooseDiscard() {
  TDiscardView v{};
  v.seat = cg.gs.akspieler;
  if (v.seat < 1 || v.seat > 6) return 0;
  v.hand = handOf(v.seat);
  if (handUsed(v.hand) == 0) return 0;
  v.next = nextSeat(v.seat);
  v.strength = strengthOf(v.seat);
  syncHandFromSlots(sp[pile]);
  v.pileCards = sp[pile].hand;
  v.pileCount = handUsed(v.pileCards);
  v.frozen = v.strength == 3 && (countWild(v.pileCards) > 0 || can().options.pileAlwaysFrozen);
  k12.meldsOfTeam(v.next, v.nextMelds);
  int32_t best = 1, bestScore = INT_MAX;
  for (int32_t i = 1; i <= handUsed(v.hand); i++) {
    const int32_t s = v.strength == 3 ? profiScore(v, v.hand.k[i]) : plainScore(v, v.hand.k[i]);
    if (s < bestScore) best = i, bestScore = s;
  }
  return best;
}

// [SECTION] the turn

void canastaAIPlanFirstMeld() {
  TCanastaArea& a = can();
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > 6 || cg.gs.phase != 4) return;
  if (a.drawnFrom == stock || a.turnPoints >= a.meldMinimum || a.aiPlannedThisTurn) return;
  TCanastaMoveList list{};
  minzug2(seat, handOf(seat), a.kartenzwang, list);
  if (list.count > 0) storePlan(list, 2);
}

void canastaAIMove() {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > 6 || cg.gs.phase != 4 || cg.gs.awaitingAction != 2) return;
  switch (cg.gs.bl.decisionKind) {
    case canastaDecisionDraw: draw(seat); return;
    case canastaDecisionMeld: meldPhase(seat); return;
    case canastaDecisionDiscard: {
      int32_t p = canastaAIChooseDiscard();
      if (strengthOf(seat) == 1 && randomReal() < 0.2) p = 1 + randomBelow(std::max(1, canastaHandCount(seat)));
      if (p >= 1) cg.submitAction(0, 0, p);
      return;
    }
    default: return;
  }
}
