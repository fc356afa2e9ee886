// The card a Skat computer seat leads: the trump-game lead by rules of priority 10, 20 and
// 30, and the Null and Ramsch lead.
//
// [SECTION] trump-game lead
// [SECTION] Null and Ramsch lead
#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_ai_play.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_card_set.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"

// [SECTION] trump-game lead

namespace {

bool holdsTrump(const THand& h) { return skatCountOfClass(h, suitTrumps) > 0; }

// a takes the trick from the strongest card of an opponent's list; an empty list is beaten.
bool takesFrom(const TCard& a, const TCard& x) { return isNoCard(x) || skatCardBeatsInTrick(a, x); }

TCard checked(const TCard& c, const char* label) {
  if (!isNoCard(c)) skatCheckCardCode(c, label);
  return c;
}

struct LeadPick {
  TCard choice = noCard();
  int prio = 0;
};

// The hands as lists, or as sets when all three are sets of deck cards (then the class sizes
// and strongest cards come from the sets, with the same answers).
struct LeadHands {
  const THand& f;
  const THand& x1;
  const THand& x2;
  TSkatListSet sf{f}, s1{x1}, s2{x2};
  bool sets = sf.ok && s1.ok && s2.ok;

  bool holdsTrump(int which) const {
    if (sets) return ((which == 0 ? sf : which == 1 ? s1 : s2).set & sf.masks->trumps) != 0;
    return ::holdsTrump(which == 0 ? f : which == 1 ? x1 : x2);
  }
  bool holdsSuit(int suit) const { return sets ? (sf.set & skatSuitSet(suit)) != 0 : countSuit(f, suit) > 0; }
  TCard strongest(int which, int t, int32_t& n) const {
    if (sets) return (which == 0 ? sf : which == 1 ? s1 : s2).strongestOfClass(t, n);
    return skatStrongestOfClass(which == 0 ? f : which == 1 ? x1 : x2, t, n);
  }
};

// a stays above the opponent's strongest card, or the opponent is out of the suit and of trumps.
bool coveredAgainst(const TCard& a, int32_t listSize, const TCard& top, const LeadHands& h, int which) {
  if (listSize > 0) return skatCardBeats2(a, top);
  return !h.holdsTrump(which);
}

void rateCandidate(LeadPick& pick, int t, const LeadHands& h) {
  // Only the class's size and strongest card of each list count: no lists are built.
  int32_t a = 0, b = 0, c = 0;
  TCard ta = h.strongest(0, t, a);
  if (a == 0) return;
  TCard tb = h.strongest(1, t, b);
  TCard tc = h.strongest(2, t, c);
  checked(ta, "vorhand.ak1");
  checked(tb, "vorhand.ak2");
  checked(tc, "vorhand.ak3");
  bool aTrump = skatIsTrump(ta);
  if (b == 0 && c == 0 && !aTrump && pick.prio < 20) pick = {ta, 20};
  bool longest = a >= b && a >= c;
  bool othersHold = b > 0 || c > 0 || handUsed(h.f) == a;
  if (aTrump && longest && takesFrom(ta, tb) && takesFrom(ta, tc) && othersHold) pick = {ta, 20};
  bool covered = coveredAgainst(ta, b, tb, h, 1) && coveredAgainst(ta, c, tc, h, 2) &&
                 (ta.t != rankJack || (!isNoCard(tb) && skatIsTrump(tb)) || (!isNoCard(tc) && skatIsTrump(tc)));
  if (covered && pick.prio < 10) pick = {ta, 10};
  if (covered && pick.prio < 30 && !h.holdsTrump(1) && !h.holdsTrump(2)) pick = {ta, 30};
}

// The declarer leads the lowest of a run of Jacks (and trumps below them) it holds or that
// were played already.
TCard lowestOfRun(const TCard& jack, const THand& f) {
  TCard cur = jack;
  while (true) {
    TCard n = skatNextLowerCard(cur);
    if (cardsEqual(n, cur) || (!hasCard(f, n) && !hasCard(playedCards, n))) break;
    cur = n;
  }
  return hasCard(f, cur) ? cur : jack;
}

// Under an Ace of a suit both others still hold twice, a low card of the suit may go first.
TCard underTheAce(const TCard& ace, const THand& f, const THand& x1, const THand& x2) {
  if (skatCountOfClass(x1, ace.f) <= 1 || skatCountOfClass(x2, ace.f) <= 1) return ace;
  TCard low = skatLowestRankCard(skatCardsOfClass(f, ace.f));
  return !isNoCard(low) && low.t <= rank9 ? low : ace;
}

}  // namespace

TCard skatAILeadCard(const TSkatAIChoice& ch) {
  const THand& f = skatAISeatHand(ch.seat);
  bool useModel = skatAIUsesModel(ch.seat);
  const THand& x1 = useModel ? ch.m1 : skatAISeatHand(ch.o1);
  const THand& x2 = useModel ? ch.m2 : skatAISeatHand(ch.o2);
  LeadPick pick;
  const LeadHands hands{f, x1, x2};
  for (int i = 1; i <= 5; i++) {
    int t = i <= 4 ? i : suitTrumps;
    bool held = i <= 4 ? hands.holdsSuit(i) : hands.holdsTrump(0);
    if (held) rateCandidate(pick, t, hands);
  }
  TCard choice = pick.choice;
  if (isNoCard(choice)) {
    choice = skatLowestRankCard(f);
    TCard weakest = skatWeakestCard(f);
    bool jack = !isNoCard(choice) && choice.t == rankJack && skatIsTrump(choice);
    if (jack && weakest.t != rankTen && weakest.t != rankAce) choice = weakest;
  }
  if (ch.seat == ch.declarer && choice.t == rankJack && skatIsTrump(choice)) choice = lowestOfRun(choice, f);
  if (choice.t == rankAce && randomReal() < 0.5 && !skatIsTrump(choice)) choice = underTheAce(choice, f, x1, x2);
  return choice;
}

// [SECTION] Null and Ramsch lead
// "Beats" and "strongest" as the helpers mean them: in Null the lower card beats.

namespace {

TCard declarerNullLead(const THand& f, const THand& a, const THand& b) {
  THand s{};
  for (int i = 1; i <= handUsed(f); i++) {
    const TCard& c = f.k[i];
    for (const THand* other : {&a, &b}) {
      THand cards = skatCardsOfClass(*other, c.f);
      if (handUsed(cards) > 0 && skatCardBeats(c, skatStrongestCard(cards))) handaddk(s, c);
    }
  }
  if (handUsed(s) == 0) return noCard();
  TCard choice = s.k[handUsed(s)];
  for (int i = 1; i <= handUsed(s); i++) {
    const TCard& p = s.k[i];
    TCard x = skatNextHigherCard(p), y = skatNextLowerCard(p);
    bool low = p.t <= rank9;
    if ((hasCard(f, x) && x.t != p.t) || (hasCard(f, y) && y.t != p.t && low)) choice = p;
  }
  for (int i = 1; i <= handUsed(s); i++) {
    const TCard& p = s.k[i];
    TCard x = skatNextHigherCard(p), y = skatNextLowerCard(p);
    int n = skatCountOfClass(f, p.f);
    bool shortSuit = n == 1 || (n == 2 && (hasCard(f, x) || hasCard(f, y)));
    if (shortSuit && p.t <= rank8) choice = p;
  }
  return choice;
}

TCard defenderNullLead(const THand& f, int32_t declarer, int32_t partner) {
  TCard choice = noCard();
  for (int i = 1; i <= handUsed(f); i++) {
    const TCard& c = f.k[i];
    THand p = skatCardsOfClass(skatAISeatHand(partner), c.f);
    THand d = skatCardsOfClass(skatAISeatHand(declarer), c.f);
    TCard m = c;
    if (handUsed(p) > 0 && skatCardBeats(c, skatStrongestCard(p))) m = skatStrongestCard(p);
    if (handUsed(d) > 0 && !skatCardBeats(skatStrongestCard(d), m)) choice = c;
  }
  return choice;
}

}  // namespace

TCard skatAINullLeadCard(const THand& f, const THand& a, const THand& b, int32_t declarer,
                         int32_t partner, int32_t seat) {
  if (seat == declarer) return declarerNullLead(f, a, b);
  return defenderNullLead(f, declarer, partner);
}
