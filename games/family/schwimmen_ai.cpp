// Schwimmen's computer seats (see schwimmen_ai.h).
//
// [SECTION] small card lists
// [SECTION] who collects what
// [SECTION] comparing candidates
// [SECTION] the plan
// [SECTION] the move
// [SECTION] observation
#include "games/family/schwimmen_ai.h"

#include <algorithm>

#include "core/cg.h"
#include "games/family/schwimmen_game.h"
#include "games/family/schwimmen_rules.h"
#include "platform/random.h"
#include "shell/shell_state.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

// [SECTION] small card lists

// Up to four cards: a hand, a middle, or either with one card exchanged.
struct TCards {
  TCard c[4]{};
  int32_t n = 0;
};

TCards cardsOf(int32_t stack) {
  TCards out;
  const TSpieler& s = sp[stack];
  for (int32_t i = 1; i <= stackUsed(s) && out.n < 4; i++) out.c[out.n++] = s.slots[i].card;
  return out;
}

int32_t value(const TCards& cards) { return schwimmenCardsValue(cards.c, cards.n, schwimmenArea().tripleRule != 0); }

// The cards with card `index` (0-based) replaced by `card`.
TCards replaced(TCards cards, int32_t index, const TCard& card) {
  cards.c[index] = card;
  return cards;
}

TCards without(const TCards& cards, int32_t index) {
  TCards out;
  for (int32_t i = 0; i < cards.n; i++)
    if (i != index) out.c[out.n++] = cards.c[i];
  return out;
}

TCards with(TCards cards, const TCard& card) {
  if (cards.n < 4) cards.c[cards.n++] = card;
  return cards;
}

// The best value a hand reaches by taking one of the middle's cards in place of one of its
// own (with the card added when the hand holds other than three cards).
int32_t bestTaking(const TCards& hand, const TCards& middle) {
  int32_t best = 0;
  for (int32_t m = 0; m < middle.n; m++) {
    if (hand.n != 3) {
      best = std::max(best, value(with(hand, middle.c[m])));
      continue;
    }
    for (int32_t k = 0; k < hand.n; k++) best = std::max(best, value(replaced(hand, k, middle.c[m])));
  }
  return best;
}

TSchwimmenPlan& planOf(int32_t seat) { return schwimmenArea().seatPlans[std::clamp(seat, 0, 6)]; }

}  // namespace

// [SECTION] who collects what

bool schwimmenKnocked() { return schwimmenArea().knocked != 0; }

bool playerStillHasTurn(int32_t seat) {
  if (!schwimmenKnocked()) return true;
  const int32_t s = cg.gs.akspieler;
  return !(s - schwimmenArea().knockTurns <= seat && seat <= s);
}

bool suitFreeOfOthers(int32_t suit) {
  const int32_t n = schwimmenSeats();
  for (int32_t s = 1; s <= n; s++) {
    LArray<int32_t, 1, 4> count{};
    for (int32_t i = 1; i <= stackUsed(sp[s]); i++) {
      const int32_t f = sp[s].slots[i].card.f;
      if (f >= 1 && f <= 4) count[f] += 1;
    }
    for (int32_t f = 1; f <= 4; f++)
      if (count[f] >= 2) planOf(s).collectedSuit = f;
  }
  for (int32_t s = 1; s <= n; s++)
    if (s != cg.gs.akspieler && planOf(s).collectedSuit == suit && (!schwimmenKnocked() || playerStillHasTurn(s)))
      return false;
  return true;
}

bool rankFreeOfOthers(int32_t rank) {
  const int32_t n = schwimmenSeats();
  for (int32_t s = 1; s <= n; s++) {
    LArray<int32_t, 1, 8> count{};
    for (int32_t i = 1; i <= stackUsed(sp[s]); i++) {
      const int32_t t = sp[s].slots[i].card.t;
      if (t >= 1 && t <= 8) count[t] += 1;
    }
    for (int32_t t = 1; t <= 8; t++)
      if (count[t] >= 2) planOf(s).collectedRank = t;
  }
  for (int32_t s = 1; s <= n; s++)
    if (s != cg.gs.akspieler && planOf(s).collectedRank == rank) return false;
  return true;
}

// [SECTION] comparing candidates

int32_t schwimmenCandidateScore(const TSchwimmenCandidate& c, int32_t strength, bool positive) {
  int32_t score = c.value;
  if (strength != 3 || !positive) return score;
  if (c.selfBest > c.value && c.selfBest > c.nextBest && c.selfBest > c.othersBest) {
    if (c.selfBest >= 305) score = c.selfBest;
    else if (c.selfBest >= 290) score += 15;
  }
  if (score == c.value && c.value < c.nextBest) {
    if (c.nextBest >= 300) score -= 155;
    else if (c.nextBest >= 290) score -= 45;
    else if (c.nextBest >= 280) score -= 15;
  } else if (score == c.value && c.value < c.othersBest) {
    if (c.othersBest >= 305) score -= 25;
    else if (c.othersBest >= 300) score -= 5;
  }
  return score;
}

bool schwimmenBetterPlan(const TSchwimmenCandidate& a, const TSchwimmenCandidate& b, int32_t strength,
                         bool positive) {
  if (strength == 1 && randomReal() < 0.2) return randomReal() > 0.5;
  if (strength == 3) return schwimmenCandidateScore(a, 3, positive) > schwimmenCandidateScore(b, 3, positive);
  return a.value > b.value;
}

// [SECTION] the plan

void schwimmenFind31(TSchwimmenPlan& plan) {
  const int32_t seat = cg.gs.akspieler;
  const TCards hand = cardsOf(seat), middle = cardsOf(12);
  plan.kind = 0;
  if (schwimmenArea().swapAllAllowed && value(middle) == schwimmenTop) {
    plan.kind = 2;
    plan.handIndex = 0;
    return;
  }
  for (int32_t i = 0; i < hand.n; i++)
    for (int32_t j = 0; j < middle.n; j++)
      if (value(replaced(hand, i, middle.c[j])) == schwimmenTop) {
        plan.kind = 1;
        plan.handIndex = i + 1;
        plan.middleIndex = j + 1;
        plan.handCard = hand.c[i];
        plan.middleCard = middle.c[j];
      }
}

void schwimmenAiEvaluate(TSchwimmenPlan& plan) {
  const TSchwimmenArea& a = schwimmenArea();
  const int32_t s = cg.gs.akspieler, n = schwimmenSeats(), after = nextSchwimmenSeat(s);
  const int32_t strength = cg.gs.seatProfiles[std::clamp(s, 1, 6)].strength;
  const bool positive = a.scorePositive != 0;
  const TCards hand = cardsOf(s), middle = cardsOf(12);
  const int32_t own = value(hand);
  plan.kind = 0;
  TSchwimmenCandidate best{own, 0, 0, own};
  LArray<TCards, 1, 6> hands{};
  for (int32_t i = 1; i <= n; i++) hands[i] = cardsOf(i);
  for (int32_t c = -1; c <= 3; c++) {
    if (c <= 0 && !a.swapAllAllowed) continue;
    for (int32_t j = 1; j <= std::min(3, middle.n); j++) {
      if (c <= 0 && j > 1) continue;
      if (c >= 1 && c > hand.n) continue;
      TCards nh = hand, nm = middle;
      if (c == 0) std::swap(nh, nm);
      if (c >= 1) {
        nh = replaced(hand, c - 1, middle.c[j - 1]);
        nm = replaced(middle, j - 1, hand.c[c - 1]);
      }
      TSchwimmenCandidate cand{value(nh), value(nm), 0, 0};
      cand.selfBest = cand.value;
      for (int32_t i = 1; i <= n; i++) {
        if (c == -1 && i == s) continue;
        if (i == s) {
          TCards free;
          for (int32_t m = 0; m < nm.n; m++)
            if (suitFreeOfOthers(nm.c[m].f) && rankFreeOfOthers(nm.c[m].t)) free.c[free.n++] = nm.c[m];
          int32_t reach = bestTaking(nh, free);
          if (!schwimmenKnocked()) cand.selfBest = std::max(cand.selfBest, reach);
          continue;
        }
        if (!playerStillHasTurn(i)) continue;
        int32_t reach = bestTaking(hands[i], nm);
        if (i == after) cand.nextBest = std::max(cand.nextBest, reach);
        else cand.othersBest = std::max(cand.othersBest, reach);
      }
      const int32_t kind = c == 0 ? 2 : c >= 1 ? 1 : 0;
      const TCard taken = c <= 0 ? middle.c[0] : middle.c[j - 1];
      int32_t key = kind * 10000 + taken.t * 101 + a.passCount * 33;
      if (c >= 1) key += hand.c[c - 1].t * 1000 + hand.c[c - 1].f;
      if (schwimmenBetterPlan(cand, best, strength, positive)) {
        plan.handIndex = c;
        plan.middleIndex = j;
        plan.handCard = c >= 1 ? hand.c[c - 1] : noCard();
        plan.middleCard = middle.c[j - 1];
        plan.kind = kind;
        plan.key = key;
        plan.score = schwimmenCandidateScore(cand, strength, positive);
        best = cand;
      }
      // A strong hand is never broken up under "Positiv".
      if (positive && own >= 290 && cand.value <= schwimmenTop) plan.kind = 0;
    }
  }
}

// [SECTION] the move

namespace {

void submitOption(int32_t option) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (option < 1 || option > bl.optionCount) return;
  cg.submitAction(2, 0, bl.optionValues[option]);
}

// The planned middle card where it lies now; when it is gone, the one that helps most.
int32_t middleIndexToTake(const TSchwimmenPlan& plan) {
  const int32_t seat = cg.gs.akspieler;
  const TSpieler& middle = sp[12];
  int32_t found = 0;
  for (int32_t i = 1; i <= stackUsed(middle); i++)
    if (cardsEqual(middle.slots[i].card, plan.middleCard)) found = i;
  if (found) return found;
  const TCards hand = cardsOf(seat);
  int32_t best = 1, bestValue = -1;
  for (int32_t i = 1; i <= stackUsed(middle); i++) {
    int32_t v = value(with(hand, middle.slots[i].card));
    if (v > bestValue) best = i, bestValue = v;
  }
  return best;
}

void dealerChoice() {
  const int32_t seat = cg.gs.akspieler;
  const TSpieler& stock = sp[11];
  TCards top;
  for (int32_t i = std::max(1, stackUsed(stock) - 2); i <= stackUsed(stock); i++) top.c[top.n++] = stock.slots[i].card;
  submitOption(value(top) > value(cardsOf(seat)) ? 1 : 2);
}

void react(const TSchwimmenPlan& plan) {
  const TSchwimmenArea& a = schwimmenArea();
  const int32_t current = value(cardsOf(cg.gs.akspieler));
  const int32_t firstScore = a.seatPlans[1].score;
  if (plan.middleIndex == a.lastLaidSlot && plan.score - current >= 30 && plan.score >= 250)
    schwimmenSound(1, current, firstScore);
  else if (schwimmenValue(plan.middleCard.t) >= 10 && plan.score - current >= 30 && plan.score >= 260)
    schwimmenSound(1, current, firstScore - 30);
}

void turn() {
  const int32_t seat = cg.gs.akspieler;
  TSchwimmenPlan& plan = planOf(seat);
  schwimmenFind31(plan);
  if (plan.kind == 2) return submitOption(3);
  if (plan.kind == 1) return cg.submitAction(0, 0, plan.handIndex);
  schwimmenAiEvaluate(plan);
  if (plan.key != 0 && (plan.key == plan.history2 || plan.key == plan.history3)) plan.kind = 0;
  plan.history3 = plan.history2;
  plan.history2 = plan.history1;
  plan.history1 = plan.key;
  if (plan.kind == 2) return submitOption(3);
  if (plan.kind == 1) {
    react(plan);
    return cg.submitAction(0, 0, plan.handIndex);
  }
  (void)randomBelow(13);
  if (schwimmenKnocked()) return submitOption(1);
  submitOption(value(cardsOf(seat)) >= 290 ? 2 : 1);
}

}  // namespace

void schwimmenAIMove() {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > schwimmenSeats()) return;
  switch (cg.gs.bl.decisionKind) {
    case schwimmenDecisionTake: cg.submitAction(3, 0, middleIndexToTake(planOf(seat))); return;
    case schwimmenDecisionDealer: dealerChoice(); return;
    case schwimmenDecisionTurn: case schwimmenDecisionTurnAll: turn(); return;
    default: return;
  }
}

// [SECTION] observation

void schwimmenAIObserve(int kind, int32_t, int32_t b) {
  if (cg.gs.phase != 4 || (screenMode != 1 && screenMode != 2)) return;
  const int32_t s = cg.gs.akspieler;
  if (s < 1 || s > schwimmenSeats()) return;
  syncHandFromSlots(sp[s]);
  syncHandFromSlots(sp[12]);
  THand& known = cg.gs.seatKnownCards[s];
  if (kind == 0 && b >= 1 && b <= stackUsed(sp[s])) {
    const int32_t at = indexOfCard(known, sp[s].slots[b].card);
    if (at > 0) deleteCardAt(known, at);
  } else if (kind == 3 && b >= 1 && b <= stackUsed(sp[12])) {
    handaddk(known, sp[12].slots[b].card);
  } else if (kind == 2 && b == schwimmenSwapAll) {
    clearHand(known);
    for (int32_t i = 1; i <= std::min(3, stackUsed(sp[12])); i++) handaddk(known, sp[12].slots[i].card);
  }
  TSchwimmenPlan& plan = planOf(s);
  plan.collectedSuit = 0;
  plan.collectedRank = 0;
  const bool triple = schwimmenArea().tripleRule != 0;
  const TSpieler& hand = sp[s];
  for (int32_t i = 1; i <= stackUsed(hand); i++) {
    int32_t suitCount = 0, rankCount = 0;
    for (int32_t k = 1; k <= stackUsed(hand); k++) {
      suitCount += hand.slots[k].card.f == hand.slots[i].card.f;
      rankCount += hand.slots[k].card.t == hand.slots[i].card.t;
    }
    if (suitCount >= 2 || (suitCount == 1 && !triple)) plan.collectedSuit = hand.slots[i].card.f;
    if (triple && rankCount >= 2) plan.collectedRank = hand.slots[i].card.t;
  }
}
