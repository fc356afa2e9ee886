// The second and third card of a Skat computer seat: whether to take the trick, then which
// card (the winner worth most, raised when safe; points for a partner who wins; the
// cheapest card to throw).
//
// [SECTION] Null and Ramsch
// [SECTION] whether to take the trick
// [SECTION] which card
// [SECTION] throwing and raising
#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_ai_play.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "table/stacks.h"

namespace {

// [SECTION] Null and Ramsch

void followNullOrRamsch(TSkatAIChoice& ch) {
  THand f = skatAISeatLedSuitCards(ch.seat);
  TCard best = ch.led;
  if (ch.cardsToPlay == 0 && !isNoCard(ch.second) && skatCardBeats(ch.led, ch.second)) best = ch.second;
  if (handUsed(f) > 0) {
    ch.choice = ch.cardsToPlay == 1 ? skatStrongestCard(f) : skatLowestBeatingCard(f, best);
  } else {
    ch.choice = skatWeakestCard(skatAISeatHand(ch.seat));
  }
}

// [SECTION] whether to take the trick

bool anyBeats(const THand& of, const TCard& c) { return skatCountWinningCards(of, c) > 0; }

int32_t pointsOf(const THand& h) { return skatPoints(h); }

bool partnerHoldsBest(const TSkatAIChoice& ch) {
  if (ch.partner == 0 || isNoCard(ch.best)) return false;
  if (skatAIUsesModel(ch.seat)) {
    // A model holds the card, or the partner played it to this trick.
    auto played = [&](int32_t s) { return !isNoCard(trickBySeat.k[s]) && cardsEqual(trickBySeat.k[s], ch.best); };
    bool in1 = hasCard(ch.m1, ch.best) || (ch.cardsToPlay == 0 && played(ch.o1));
    bool in2 = hasCard(ch.m2, ch.best) || played(ch.o2);
    return (ch.partner == ch.o1 && in1) || (ch.partner == ch.o2 && in2);
  }
  if (!hasCard(dealtHands[ch.partner], ch.best)) return false;
  return !(ch.cardsToPlay == 1 && ch.partner == ch.o2) || cardsEqual(ch.best, ch.led);
}

// An opponent of the seat holds a card that beats x (real hands).
bool opponentBeats(const TSkatAIChoice& ch, const TCard& x) {
  if (ch.seat == ch.declarer) return anyBeats(skatAISeatHand(ch.o1), x) || anyBeats(skatAISeatHand(ch.o2), x);
  return anyBeats(skatAISeatHand(ch.declarer), x);
}

// An Ace the others can drop their Ten or King on is kept for a later trick.
void keepTheAce(const TSkatAIChoice& ch, THand& w, THand& f) {
  if (handUsed(w) < 2) return;
  TCard ace = noCard();
  for (int i = 1; i <= handUsed(w); i++)
    if (w.k[i].t == rankAce) ace = w.k[i];
  if (isNoCard(ace) || skatIsTrump(ace)) return;
  auto guards = [&](int32_t s) {
    const THand& h = skatAISeatHand(s);
    return s != ch.partner && (hasCard(h, makeCard(rankTen, ace.f)) || hasCard(h, makeCard(rankKing, ace.f)));
  };
  if (guards(ch.o1) || guards(ch.o2)) {
    removeFirstCard(w, ace);
    removeFirstCard(f, ace);
  }
}

struct TakeState {
  THand w;
  THand l;
  bool partnerWins = false;
  bool take = false;
};

void decideTake(TSkatAIChoice& ch, TakeState& s) {
  bool declarer = ch.seat == ch.declarer;
  // Cheap ruff: a trick of few points is not worth a trump while a cheap card can go.
  if (s.take && skatIsTrump(skatHighestPointCard(s.w))) {
    int32_t v = ch.cardsToPlay == 0 ? skatCardWorth(ch.led) + skatCardWorth(ch.second)
                                    : skatCardWorth(ch.led) + skatCardWorth(ch.lowX);
    if (v < 7 && handUsed(s.l) > 0 && skatCardWorth(skatAIThrowCard(ch, s.l)) < 4) s.take = false;
  }
  // Nothing to lose: every card that would lose can be beaten anyway.
  if (!s.take && !s.partnerWins) {
    s.take = true;
    for (int i = 1; i <= handUsed(s.l) && s.take; i++)
      if (opponentBeats(ch, s.l.k[i])) s.take = false;
    if (handUsed(s.w) >= handUsed(s.l) && skatCardWorth(skatAIThrowCard(ch, s.l)) >= 2) s.take = true;
  }
  int level = skatGame->level;
  bool announced = level == skatLevelSchneiderAnnounced || level == skatLevelSchwarzAnnounced || level == skatLevelOffen;
  if (declarer && announced) s.take = true;
  bool ledPlain = !skatIsTrump(ch.led);
  bool void_ = skatCountOfClass(skatAISeatHand(ch.seat), skatSuitClass(ch.led)) == 0;
  bool highCard = ch.led.t > rank9 || (ch.cardsToPlay == 0 && ch.second.t > rank9);
  if (declarer && handUsed(s.w) > 0 && void_ && ledPlain && (ch.cardsToPlay == 1 || highCard) &&
      pointsOf(defenderTricks) >= 45)
    s.take = true;
  int32_t sixty = pointsOf(declarer ? defenderTricks : declarerTricks) + skatCardWorth(ch.led) + skatCardWorth(ch.second);
  if (sixty >= 60) s.take = true;
  if (!s.take && handUsed(s.l) == 0) s.take = true;
  if (s.take && handUsed(s.w) == 0) s.take = false;
}

// [SECTION] which card

TCard throwOff(const TSkatAIChoice& ch, const THand& l, const THand& f) {
  TCard choice = skatAIThrowCard(ch, l);
  TCard weakest = skatWeakestCard(l);
  if (choice.t == rankJack && skatIsTrump(choice) && weakest.t != rankTen && weakest.t != rankAce) choice = weakest;
  int s = choice.f;
  int inSuit = 0;
  bool tenOrKing = false;
  for (int i = 1; i <= handUsed(l); i++) {
    if (l.k[i].f != s) continue;
    inSuit++;
    if (l.k[i].t == rankTen || l.k[i].t == rankKing) tenOrKing = true;
  }
  THand rest = f;
  removeSuit(rest, s);
  bool otherSuits = handUsed(rest) > 0;
  bool threatened = skatOtherPartyHolds(ch.seat, makeCard(rankAce, s)) || skatOtherPartyHolds(ch.seat, makeCard(rankTen, s));
  if (inSuit == 2 && tenOrKing && otherSuits && !skatIsTrump(choice) && threatened) {
    TCard c2 = skatAIThrowCard(ch, rest);
    if (!isNoCard(c2) && skatCardWorth(c2) < 4) choice = c2;
  }
  return choice;
}

}  // namespace

void skatAIFollowCard(TSkatAIChoice& ch) {
  if (skatIsNullOrRamsch()) {
    followNullOrRamsch(ch);
    return;
  }
  TakeState s;
  THand f = ch.follow;
  if (ch.seat != ch.declarer) s.partnerWins = partnerHoldsBest(ch);
  if (!isNoCard(ch.best)) skatCheckCardCode(ch.best, "spielta.mithint.wink");
  s.w = skatWinningCards(f, ch.best);
  s.l = skatLosingCards(f, ch.best);
  s.take = handUsed(s.w) > 0 && !s.partnerWins;
  keepTheAce(ch, s.w, f);
  decideTake(ch, s);
  if (s.take) {
    ch.choice = skatHighestPointCard(s.w);
    if (!anyBeats(ch.m1, ch.choice) && !anyBeats(ch.m2, ch.choice)) ch.choice = skatAIRaiseCard(ch, s.w, s.partnerWins);
  } else if (s.partnerWins) {
    ch.choice = skatHighestPointCard(s.l);
    if (!isNoCard(ch.choice) && skatIsTrump(ch.choice)) {
      int32_t above = skatCountWinningCards(skatAISeatHand(ch.declarer), ch.choice);
      int32_t trumps = skatCountOfClass(skatAISeatHand(ch.seat), suitTrumps);
      if (above < trumps - 1) ch.choice = skatAIRaiseCard(ch, s.l, s.partnerWins);
    }
  } else {
    ch.choice = throwOff(ch, s.l, f);
  }
  if (isNoCard(ch.choice)) ch.choice = handUsed(f) > 0 ? f.k[1] : noCard();
}

// [SECTION] throwing and raising

TCard skatAIThrowCard(const TSkatAIChoice& ch, const THand& list) {
  if (handUsed(list) == 0) return noCard();
  // The opponents' cards the card beats, counted in their hands as they are.
  bool declarer = ch.seat == ch.declarer;
  const THand& opp = skatAISeatHand(declarer ? ch.o1 : ch.declarer);
  TCard pick = noCard();
  int32_t pickScore = 100;
  for (int i = 1; i <= handUsed(list); i++) {
    const TCard& p = list.k[i];
    int32_t score = skatCountLosingCardsB(opp, p);
    if (declarer) score += skatCountLosingCardsB(skatAISeatHand(ch.o2), p);
    bool lower = score < pickScore;
    bool sameLower = score == pickScore && p.t < pick.t;
    bool tenOverAce = p.t == rankTen && pick.t == rankAce && score == pickScore + 1;
    if (lower || sameLower || tenOverAce) {
      pick = p;
      pickScore = score;
    }
  }
  return pick;
}

namespace {

// A card that cannot be met any more: already played, in the trick to a winning partner,
// or in the partner's hand.
bool gone(const TSkatAIChoice& ch, const TCard& n, bool partnerWins) {
  return hasCard(declarerTricks, n) || hasCard(defenderTricks, n) || (partnerWins && hasCard(trickBySeat, n)) ||
         (ch.partner != 0 && hasCard(skatAISeatHand(ch.partner), n));
}

}  // namespace

TCard skatAIRaiseCard(const TSkatAIChoice& ch, const THand& list, bool partnerWins) {
  if (handUsed(list) == 0) return noCard();
  TCard c = skatHighestPointCard(list);
  const TCard& first = list.k[1];
  if (!isNoCard(ch.best) && !skatIsTrump(ch.best) && !skatIsTrump(first)) {
    THand s = skatCardsOfClass(list, ch.best.f);
    removeFirstCard(s, c);
    THand o1 = skatCardsOfClass(skatAISeatHand(ch.o1), ch.best.f);
    THand o2 = skatCardsOfClass(skatAISeatHand(ch.o2), ch.best.f);
    if (handUsed(s) > 0 && handUsed(o1) > 0 && handUsed(o2) > 0 && skatPoints(list) <= 20) {
      TCard top = skatStrongestCard(s);
      if (skatCardBeatsInTrick(skatStrongestCard(o1), top) && skatCardBeatsInTrick(skatStrongestCard(o2), top))
        c = skatWeakestCard(list);
    }
  }
  if (skatIsTrump(first)) c = skatWeakestCard(list);
  auto isTop = [](const TCard& x) { return cardsEqual(skatNextHigherCard(x), x); };
  TCard n = skatNextHigherCard(c);
  bool stepped = false;
  do {
    stepped = false;
    while (gone(ch, n, partnerWins) && !isTop(n)) n = skatNextHigherCard(n);
    if (hasCard(list, n) && skatCardWorth(n) >= skatCardWorth(c) && !cardsEqual(n, c)) {
      c = n;
      n = skatNextHigherCard(n);
      stepped = true;
    }
  } while (stepped && !isTop(n));
  return c;
}
