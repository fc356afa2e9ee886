// Mau-Mau's computer player. First each legal card gets a score (a lone legal card 100
// unless it would help a seat about to finish; several by role, plain cards by how well the
// own hand, the pile and the unseen cards follow them), then the decision is answered:
// the announcement by strength, a wish by the suit held most, a penalty by answering it
// where possible, otherwise the best card, else the first option or a draw.
//
// [SECTION] counting
// [SECTION] scoring
// [SECTION] choosing
#include "games/family/maumau_ai.h"

#include <algorithm>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/maumau_rules.h"
#include "games/family/maumau_state.h"
#include "platform/random.h"
#include "table/stacks.h"
#include "table/table_questions.h"

TMaumauAIState maumauAI{};

// [SECTION] counting

namespace {

bool matchesTop(const TCard& top, const TCard& card) {
  return maumauCardRole(card.t) == maumauWish || card.t == top.t || card.f == top.f;
}

struct TShare {
  int32_t matches = 0;
  int32_t examined = 0;
  // A share over no cards looked at is 0 (the pile is empty right after a reshuffle).
  float value() const { return examined > 0 ? float(matches) / float(examined) : 0.0f; }
};

void countStack(TShare& share, int32_t stack, const TCard& candidate, int32_t skipSlot) {
  for (int i = 1; i <= maumauCardsOf(stack); i++) {
    share.examined++;
    if (i != skipSlot && matchesTop(candidate, sp[stack].slots[i].card)) share.matches++;
  }
}

// where 1: the own hand without the candidate; 2: the discard pile; 3: the other hands and the stock.
TShare countKnownCards(int32_t where, int32_t seat, int32_t candidate) {
  TShare s;
  const TCard& card = maumauAI.legalCards.k[candidate];
  if (where == 1) countStack(s, seat, card, maumauAI.legalSlot[candidate]);
  if (where == 2) countStack(s, maumauPile, card, 0);
  if (where == 3) {
    for (int32_t other = 1; other <= std::min<int32_t>(cg.seatCount, maumauMaxSeats); other++)
      if (other != seat) countStack(s, other, card, 0);
    countStack(s, maumauStock, card, 0);
  }
  return s;
}

void fillLists() {
  TMaumauAIState& m = maumauAI;
  m = TMaumauAIState{};
  int32_t seat = cg.gs.akspieler;
  for (int i = 1; i <= maumauCardsOf(seat); i++) {
    const TCard& c = sp[seat].slots[i].card;
    handaddk(m.handCards, c);
    if (!isLegalCard(c)) continue;
    handaddk(m.legalCards, c);
    m.legalSlot[m.legalCards.anz] = i;
    if (c.f >= 1 && c.f <= 4) m.suitCount[c.f]++;
    if (int32_t role = maumauCardRole(c.t)) m.roleCount[role]++;
  }
  m.nextCards = maumauCardsOf(maumauSeatAfter(1));
  m.prevCards = maumauCardsOf(maumauSeatBefore(1));
}

// [SECTION] scoring

// A lone legal card is not played when it would hand the turn to a seat about to finish.
bool vetoLoneCard(const TCard& card) {
  const TMaumauAIState& m = maumauAI;
  int32_t role = maumauCardRole(card.t);
  if (role == maumauReverse) return m.prevCards <= 1 && m.prevCards < m.nextCards;
  if (role != maumauSkip) return false;
  const TDecisionBlock& b = cg.gs.bl;
  int32_t k = 2 + (b.showOptions && b.decisionKind == maumauSkip ? b.optionCount : 0);
  // The seat the skip lets through; the veto is moot when that is the seat to act itself.
  int32_t through = maumauSeatAfter(k);
  return k <= 4 && through != cg.gs.akspieler && maumauCardsOf(through) <= 1;
}

float plainScore(int32_t i) {
  int32_t seat = cg.gs.akspieler;
  float a = countKnownCards(1, seat, i).value();
  float b = countKnownCards(2, seat, i).value();
  float c = countKnownCards(3, seat, i).value();
  float s = 50 + 10 * a + 10 * b - 5 * c;
  if (maumauAI.legalCards.k[i].t == maumauTopCard().t) s += 1;
  return s;
}

float candidateScore(int32_t i) {
  const TMaumauAIState& m = maumauAI;
  const TCard& card = m.legalCards.k[i];
  switch (maumauCardRole(card.t)) {
    case maumauPlayAgain: {
      int32_t n = m.suitCount[card.f] + m.roleCount[maumauPlayAgain] + m.roleCount[maumauWish];
      return n > 2 ? float(100 - n) : 10.0f;
    }
    case maumauDrawTwo:
    case maumauSkip: return m.nextCards <= 2 ? 82.0f : 5.0f;
    case maumauReverse:
      if (m.nextCards <= 2 && m.prevCards > m.nextCards) return 81.0f;
      if (m.nextCards > 2 && m.prevCards <= 2 && m.prevCards < m.nextCards) return 0.0f;
      return 5.0f;
    case maumauWish: return 0.0f;
    default: return plainScore(i);
  }
}

}  // namespace

void maumauAIScore() {
  fillLists();
  TMaumauAIState& m = maumauAI;
  int32_t n = m.legalCards.anz;
  if (n == 1) {
    m.score[1] = m.handCards.anz > 1 && vetoLoneCard(m.legalCards.k[1]) ? 0.0f : 100.0f;
    return;
  }
  for (int32_t i = 1; i <= n; i++) m.score[i] = candidateScore(i);
}

int32_t maumauBestWishSuit(const THand& hand) {
  int32_t best = 1, bestCount = -1;
  for (int32_t suit = 1; suit <= 4; suit++) {
    int32_t count = 0;
    for (int i = 1; i <= handUsed(hand); i++)
      if (hand.k[i].f == suit && maumauCardRole(hand.k[i].t) != maumauWish) count++;
    if (count >= bestCount) best = suit, bestCount = count;
  }
  return best;
}

// [SECTION] choosing

namespace {

void submit(int kind, int32_t b) { cg.submitAction(kind, 0, b); }

bool playFirstPlayable() {
  if (maumauAI.legalCards.anz < 1) return false;
  submit(0, maumauAI.legalSlot[1]);
  return true;
}

// Strength 3 always announces, 2 nine times in ten, 1 about two times in three.
bool announces() {
  int32_t strength = cg.gs.seatProfiles[std::clamp<int32_t>(cg.gs.akspieler, 1, 6)].strength;
  if (strength >= 3) return true;
  return randomReal() < (strength == 2 ? 0.9 : 0.65);
}

void playBest() {
  const TMaumauAIState& m = maumauAI;
  int32_t best = 1;
  for (int32_t i = 2; i <= m.legalCards.anz; i++)
    if (m.score[i] >= m.score[best]) best = i;
  submit(0, m.legalSlot[best]);
}

}  // namespace

void maumauAIMove() {
  maumauAIScore();
  const TDecisionBlock& b = cg.gs.bl;
  const TMaumauAIState& m = maumauAI;
  int32_t count = std::clamp(b.optionCount, 0, 8);
  bool options = b.showOptions && count >= 1;
  if (options && b.optionValues[count] == maumauOptSayLast && announces()) return submit(2, maumauOptSayLast);
  if (options && b.decisionKind != 37) {
    if (b.decisionKind == maumauWish) return submit(2, b.optionValues[std::min(count, maumauBestWishSuit(m.handCards))]);
    if (!playFirstPlayable()) submit(2, b.optionValues[1]);
    return;
  }
  int32_t n = m.legalCards.anz;
  if (n >= 2 || (n == 1 && (m.score[1] > 0 || !options))) return playBest();
  if (options) return submit(2, b.optionValues[1]);
  if (b.pilesSelectable && maumauCardsOf(maumauStock) > 0) return submit(3, 0);
  trace("Mau-Mau: keine Antwort für Spieler " + std::to_string(cg.gs.akspieler));
}
