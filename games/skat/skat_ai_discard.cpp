// The Skat computer player's choice of the two cards to put away after taking up the Skat,
// or to pass on in the Schieben round of a Ramsch game.
#include <algorithm>
#include <vector>

#include "core/cg.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"

namespace {

bool isNull() { return skatBid->gameType == skatTypeNull; }
bool passingOn() { return skatGame->schiebenRound && cg.gs.phase == 9; }

THand plainSuit(const THand& a, int s) {
  THand out{};
  for (int i = 1; i <= handUsed(a); i++)
    if (a.k[i].f == s) handaddk(out, a.k[i]);
  return out;
}

// Short suits to empty: one or two cards, no Ace outside Null, no 7 or 8 in Null.
std::vector<THand> candidateSuits(const THand& a, const TSkatSeatRating& r) {
  std::vector<THand> out;
  if (handUsed(a) < 2 || (isNull() && r.nullRiskCount != 0)) return out;
  for (int s = suitClubs; s <= suitDiamonds; s++) {
    THand b = plainSuit(a, s);
    int n = handUsed(b);
    if (n < 1 || n > 2) continue;
    bool keep = isNull() ? !hasRank(b, rank7) && !hasRank(b, rank8) : !hasRank(b, rankAce);
    if (keep) out.push_back(b);
  }
  return out;
}

// Shorter suits first outside Null; a suit with a Ten after one without.
void sortCandidates(std::vector<THand>& cands) {
  for (size_t pass = 1; pass < cands.size(); pass++) {
    for (size_t i = 0; i + 1 < cands.size(); i++) {
      const THand& x = cands[i];
      const THand& y = cands[i + 1];
      bool longer = !isNull() && handUsed(x) > handUsed(y);
      bool ten = hasRank(x, rankTen) && !hasRank(y, rankTen);
      if (longer || ten) std::swap(cands[i], cands[i + 1]);
    }
  }
}

// The cards the seat may put away: its plain cards; in the Schieben round the Jacks too when
// "Buben schieben erlaubt" is on.
THand pressable(const THand& hand) {
  THand a = hand;
  removeSuit(a, suitTrumps);
  if (passingOn()) {
    a = hand;
    if (!skatArea->options.jacksMayBePushed) removeRank(a, rankJack);
  }
  return a;
}

// When one card of second's suit would be left alone and is worth more (not an Ace), it goes
// instead: the suit is emptied.
TCard emptySuit(const THand& a, const TCard& second) {
  THand rest = plainSuit(a, second.f);
  if (handUsed(rest) != 1) return second;
  const TCard& x = rest.k[1];
  if (skatCardWorth(x) > skatCardWorth(second) && x.t != rankAce) return x;
  return second;
}

void fallbackPair(const THand& hand, THand a, const std::vector<THand>& cands, TCard& first, TCard& second) {
  if (handUsed(a) == 0) a = hand;
  bool singleCandidate = cands.size() == 1 && handUsed(cands[0]) == 1;
  first = singleCandidate ? cands[0].k[1] : skatWeakestCard(a);
  removeFirstCard(a, first);
  if (handUsed(a) == 0) a = hand;
  second = skatWeakestCard(a);
  removeFirstCard(a, second);
  if (!isNoCard(second)) second = emptySuit(a, second);
}

}  // namespace

void skatAIChooseDiscard(TSpieler& stack, uint8_t, THand& pair) {
  const THand& hand = stack.hand;
  TSkatSeatRating r = skatSeatRating(stack);
  THand a = pressable(hand);
  std::vector<THand> cands = candidateSuits(a, r);
  TCard first = noCard(), second = noCard();
  if (cands.size() >= 2 || (cands.size() == 1 && handUsed(cands[0]) == 2)) {
    sortCandidates(cands);
    THand joined{};
    for (const THand& c : cands) appendHand(joined, c);
    first = joined.k[1];
    second = joined.k[2];
  } else {
    fallbackPair(hand, a, cands, first, second);
  }
  if (r.bestGame == skatTypeNull) {
    if (r.nullRiskCount >= 1 && !cardsEqual(r.nullRiskCard1, first) && !cardsEqual(r.nullRiskCard1, second))
      first = r.nullRiskCard1;
    if (r.nullRiskCount >= 2 && !cardsEqual(r.nullRiskCard2, first)) second = r.nullRiskCard2;
  }
  clearHandFull(pair);
  handaddk(pair, first);
  handaddk(pair, second);
}
