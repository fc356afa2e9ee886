// Trick-win chances of the candidate cards: how likely the card or the own party takes the
// trick, what the trick will carry, what a high trump costs, what the card may still catch,
// and in Doppelkopf what it shows of the party and gains or risks in special points.
//
// [SECTION] helpers
// [SECTION] the normal chance
// [SECTION] Schafkopf's Bettel and Ramsch
// [SECTION] Doppelkopf's reveal and special points
// [SECTION] the ratings
// [SECTION] a led high card
#include <algorithm>
#include <cmath>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/skat_family_ai.h"
#include "games/skat/skat_family_ai_debug.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"

// [SECTION] helpers

namespace {

int32_t seatAfter(int32_t seat, int32_t n) { return ((seat - 1 + n) % 4 + 4) % 4 + 1; }

// What every term of one candidate shares.
struct TTrickCase {
  const TFamilyAI& ai;
  TCard c;
  THand withC;      // the trick with c added
  int32_t n;        // cards before c
  int32_t self, next, next2, next3, leader;
  int32_t winner;   // W
  TCard best;       // B
  TCard led;        // L
  bool hasFriend;
  std::string reason;

  TTrickCase(const TFamilyAI& a, const TCard& card) : ai(a), c(card) {
    const TDealView& v = ai.v;
    self = v.viewSeat;
    n = v.trickCount;
    withC = trickCards;
    TCard own = c;
    own.hi = static_cast<int16_t>(self);
    handaddk(withC, own);
    next = seatAfter(self, 1);
    next2 = seatAfter(self, 2);
    next3 = seatAfter(self, 3);
    leader = n > 0 ? trickCards.k[1].hi : self;
    winner = ai.g.trickWinner(withC);
    best = ai.g.trickWinningCard(withC);
    led = withC.k[1];
    hasFriend = computeHasFriend();
  }

  bool computeHasFriend() const {
    const TDealView& v = ai.v;
    if (!ai.g.doppelkopf) {
      if (v.partiesKnown) return !(ai.g.noPartners && ai.g.noPartners()) && self != ai.g.loneSeat();
      return v.believedPartner > 0;
    }
    if (v.partiesKnown) return self != ai.g.loneSeat();
    if (ai.g.hochzeitOpen()) return false;
    return v.believedPartner > 0;
  }
  bool isFriend(int32_t seat) const {
    if (ai.v.partiesKnown) return ai.arePartners(seat, self, self);
    if (hasFriend) return seat == ai.v.partner || seat == self;
    return seat == self;
  }
  bool isFriendOrKnown(int32_t seat) const { return isFriend(seat) || (hasFriend && seat == ai.v.believedPartner); }
  bool trump(const TCard& x) const { return ai.g.isTrump(x); }
  // The chance that the seat can not beat the winning card.
  float seatBeats(int32_t seat) const {
    const bool lt = trump(led), bt = trump(best);
    if (lt && bt) return 1.0f - ai.probHigherCard(seat, best);
    if (!lt && bt) return 1.0f - ai.probIsVoid(seat, ai.suitClass(led)) * ai.probHigherCard(seat, best);
    if (!lt && !bt)
      return (1.0f - ai.probClassWithoutOther(seat, ai.suitClass(led), familyTrumpClass)) *
             (1.0f - ai.probHigherCard(seat, best));
    return 0.0f;
  }
  void because(const char* text) {
    if (!reason.empty()) reason += " ";
    reason += text;
  }
};

float clamp01(float p) { return std::isnan(p) ? 0.0f : std::clamp(p, 0.0f, 1.0f); }

// [SECTION] the normal chance

float normalChance(TTrickCase& k) {
  const TDealView& v = k.ai.v;
  const bool partnerLast = v.partnerLast || v.believedPartnerLast;
  switch (k.n) {
    case 3: {
      float p = k.isFriend(k.winner) ? 1.0f : k.isFriendOrKnown(k.winner) ? 0.9f : 0.0f;
      k.because(p > 0 ? "den nehm ich / meine Partei" : "den nehm nicht ich, evt. Gegenpartei");
      return p;
    }
    case 2: {
      if (k.isFriendOrKnown(k.winner)) {
        if (k.isFriendOrKnown(k.next)) {
          if (k.isFriend(k.winner) && k.isFriend(k.next)) {
            k.because("winner und letzter sind partei");
            return 1.0f;
          }
          k.because("letzter ist partei und gewinnt");
          return 0.9f;
        }
        k.because("letzter ist nicht partei, kanner er überbieten?");
        return k.seatBeats(k.next);
      }
      if (k.isFriendOrKnown(k.next)) {
        k.because("nächster ist partei: wkt, letzter freund nimmt");
        float p = 1.0f - k.seatBeats(k.next);
        return k.isFriend(k.next) ? p : p * 0.9f;
      }
      k.because("Winner = Feind, letzter = Feind");
      return 0.0f;
    }
    case 1: {
      const float b1 = k.seatBeats(k.next), b2 = k.seatBeats(k.next2);
      if (k.isFriendOrKnown(k.leader)) {
        if (!v.partiesKnown) {
          k.because("wkt, dass letzte beiden gegner nicht überbieten, 1 ist Kumpel");
          return b1 * b2;
        }
        k.because("wkt, dass von letzten beiden nicht der Solospieler kriegt");
        int32_t P = 0, O = 0;
        if (k.ai.arePartners(k.next, k.self, k.self)) P = k.next, O = k.next2;
        else if (k.ai.arePartners(k.next2, k.self, k.self)) P = k.next2, O = k.next;
        if (P == 0) return b1 * b2;
        const float bo = O == k.next ? b1 : b2, bp = P == k.next ? b1 : b2;
        return P == k.next2 ? 1.0f - (1.0f - bo) * bp : bo;
      }
      const bool lone = v.partiesKnown && k.self == k.ai.g.loneSeat();
      if ((k.winner == k.self && !k.hasFriend) || (lone && k.winner == k.self)) {
        k.because("wkt, dass letzte beiden gegner nicht überbieten ohne Kumpel");
        return b1 * b2;
      }
      if (k.hasFriend && v.partiesKnown) {
        if (k.isFriendOrKnown(k.winner)) {
          k.because("Nur noch Kumpel: Sicher");
          return 1.0f;
        }
        k.because("Wkt, dass Kumpel den Solosp. überbietet");
        return 1.0f - b1 * b2;
      }
      if (k.hasFriend) {
        int32_t F = 0, E = 0;
        for (int32_t s : {k.next, k.next2}) (k.isFriendOrKnown(s) ? F : E) = s;
        const float f = F ? 1.0f - (F == k.next ? b1 : b2) : 0.0f;
        const float e = E ? 1.0f - (E == k.next ? b1 : b2) : 0.0f;
        if ((1.0f - f) * (1.0f - e) > 0.6f) {
          if (!k.isFriendOrKnown(k.winner)) return 0.0f;
          return (1.0f - f) * (1.0f - e) * (partnerLast ? 1.0f : 0.7f);
        }
        if (f > 0.8f && e < 0.5f) {
          k.because("wkt, dass von beiden freund sicher durchbringt");
          return partnerLast ? 0.85f : 0.6f;
        }
        k.because("ich glaub, dass von beiden feind sicher durchbringt");
        if (e > 0.8f && f < 0.5f) return partnerLast ? 0.3f : 0.15f;
        return 0.0f;
      }
      k.because("Kein Kumpel!");
      return 0.0f;
    }
    default: return 0.0f;
  }
}

// [SECTION] Schafkopf's Bettel and Ramsch

float onlyTrumps(const TFamilyAI& ai, int32_t seat) {
  if (schafkopfArea->contract.type == skfBettel) return 0.0f;
  float p = 1.0f;
  for (int32_t cls = 1; cls <= 4; cls++) p *= ai.probIsVoid(seat, cls);
  return p;
}

float canStayBelow(const TFamilyAI& ai, int32_t seat, const TCard& card) {
  float p = 1.0f - (1.0f - ai.probLowerCard(seat, card)) * ai.probHigherCard(seat, card);
  if (!ai.g.isTrump(card)) p *= 1.0f - onlyTrumps(ai, seat);
  return p;
}

float bettelRamschChance(TTrickCase& k) {
  const TFamilyAI& ai = k.ai;
  const int32_t declarer = schafkopfArea->declarerSeat;
  auto higher = [&](int32_t s, const TCard& x) { return ai.probHigherCard(s, x); };
  auto lower = [&](int32_t s, const TCard& x) { return ai.probLowerCard(s, x); };
  const bool bestTrump = k.trump(k.best);
  const bool sameClass = ai.suitClass(k.best) == ai.suitClass(k.led);
  if (schafkopfArea->contract.type == skfRamsch || k.self == declarer) {
    if (k.n == 3) {
      k.because(k.winner == k.self ? "100 Chance" : "0 Chance");
      return k.winner == k.self ? 1.0f : 0.0f;
    }
    if (k.n > 0 && k.winner != k.self) {
      k.because("0 Chance");
      return 0.0f;
    }
    if (k.n == 2) {
      if (sameClass) {
        k.because("wkt dass letzter NICHT nehmen muss");
        float p = 1.0f - (1.0f - lower(k.next, k.best)) * higher(k.next, k.best);
        return bestTrump ? p : p * (1.0f - onlyTrumps(ai, k.next));
      }
      k.because("wkt dass letzter nur höhere trümpfe hat");
      return 1.0f - onlyTrumps(ai, k.next) * (1.0f - lower(k.next, k.best));
    }
    if (k.n == 1) {
      if (sameClass) {
        k.because("wkt dass von letzten beiden KEINER nehmen muss");
        float p = (1.0f - (1.0f - lower(k.next, k.best)) * higher(k.next, k.best)) *
                  (1.0f - (1.0f - lower(k.next2, k.best)) * higher(k.next2, k.best));
        if (!bestTrump) p *= (1.0f - onlyTrumps(ai, k.next)) * (1.0f - onlyTrumps(ai, k.next2));
        return p;
      }
      k.because("wkt dass einer von letzten nur höhere trümpfe hat");
      return (1.0f - onlyTrumps(ai, k.next) * (1.0f - lower(k.next, k.best))) *
             (1.0f - onlyTrumps(ai, k.next2) * (1.0f - lower(k.next2, k.best)));
    }
    k.because("wkt dass NIEMAND anderes muss");
    float p = 1.0f;
    for (int32_t s : {k.next, k.next2, k.next3})
      p *= (1.0f - (1.0f - lower(s, k.c)) * higher(s, k.c)) * (k.trump(k.c) ? 1.0f : 1.0f - onlyTrumps(ai, s));
    return p;
  }
  auto duck = [&](int32_t s) { return canStayBelow(ai, s, k.led); };
  switch (k.n) {
    case 3:
      k.because(k.winner == declarer ? "0 Chance" : "100 Chance");
      return k.winner == declarer ? 0.0f : 1.0f;
    case 2:
      if (k.next == declarer) return duck(k.next);
      if (k.winner == declarer) {
        k.because("letzter muss nicht nehmen, so dass bettler kriegt");
        return 1.0f - duck(k.next);
      }
      k.because("jemand ist schon über bettler");
      return 1.0f;
    case 1:
      if (k.next == declarer || k.next2 == declarer) {
        k.because("1- bettler muss UND 2- mitspieler nicht muss");
        const int32_t other = k.next == declarer ? k.next2 : k.next;
        return 1.0f - (1.0f - duck(declarer)) * duck(other);
      }
      if (k.winner == declarer) {
        k.because("beide können drunter bleiben");
        return 1.0f - duck(k.next) * duck(k.next2);
      }
      k.because("jemand ist schon über bettler");
      return 1.0f;
    default:
      k.because("chance, bettler zu zwingen");
      return duck(declarer);
  }
}

// [SECTION] Doppelkopf's reveal and special points

bool isDulle(const TCard& c) { return c.t == rankTen && c.f == suitHearts; }
bool isKreuzDame(const TCard& c) { return c.t == rankQueen && c.f == suitClubs; }
bool isFox(const TCard& c) { return c.t == rankAce && c.f == suitDiamonds; }

int32_t revealValue(TTrickCase& k) {
  const TFamilyAI& ai = k.ai;
  TDealView& v = ai.v;
  if (doppelkopfIsNormalGame() && ai.g.views()[0].party[k.self] != partyUndecided) v.ownPartyPublic = true;
  if (ai.g.views()[k.self].shownParty != 0 || !v.isRe || v.ownPartyPublic) return 0;
  if (isKreuzDame(k.c)) return ai.noReKnown() ? 2 : 1;
  bool partnerWins = false;
  const int32_t pt = v.partner;
  if (pt > 0) {
    if (k.n == 3) {
      partnerWins = k.winner == pt;
    } else {
      const TCard& l = k.led;
      const int32_t lc = ai.suitClass(l);
      if (v.partnerLast) {
        float h;
        const bool firstCase = k.trump(l) || !k.trump(k.best);
        if (firstCase)
          h = ai.probHigherCard(pt, k.best);
        else
          h = ai.probIsVoid(pt, lc) * ai.probHigherCard(pt, k.best);
        if (k.n == 1) {
          if (firstCase && ai.probHigherCard(k.next, k.best) > 0.2f) h = 0.0f;
          if (!firstCase && (ai.probIsVoid(k.next, lc) > 0.2f || ai.probHigherCard(k.next, l) > 0.2f)) h = 0.0f;
        }
        partnerWins = h > 0.8f;
      } else if (k.winner == pt) {
        if (!k.trump(l) && k.trump(k.best)) {
          float h = ai.probHoldsSuit(k.next, lc);
          if (handUsed(trickCards) == 1) h *= ai.probHoldsSuit(k.next2, lc);
          partnerWins = h > 0.8f;
        }
        if (k.trump(k.best) && ai.countHigherInList(k.best, v.freeUnseenCards, true) == 0) partnerWins = true;
      }
    }
  }
  if (!partnerWins || (k.c.t != rankTen && k.c.t != rankAce)) return 0;
  bool other = handUsed(v.legalCards) > 2;
  for (int i = 1; i <= handUsed(v.legalCards) && !other; i++) {
    const TCard& x = v.legalCards.k[i];
    if (!cardsEqual(x, k.c) && x.t != rankTen && x.t != rankAce) other = true;
  }
  if (!other) return 0;
  aiDebugText = "Hier, du mich auch!";
  return k.c.t;
}

int32_t foxGain(TTrickCase& k, float win) {
  const TFamilyAI& ai = k.ai;
  const TCard fox = makeCard(rankAce, suitDiamonds);
  const int32_t cls = ai.suitClass(k.c);
  float l = hasCard(k.withC, fox) ? 1.0f : 0.0f;
  if (k.n == 1) {
    const float e = ai.probSameTrump(k.next, fox, cls, false), f = ai.probSameTrump(k.next, fox, cls, true);
    const bool bp = k.next == ai.v.believedPartner, bestFox = isFox(k.best);
    if (k.isFriend(k.winner))
      l = bp || bestFox ? e : f;
    else
      l = bp && !bestFox ? f : e;
  } else if (k.n == 0) {
    l = 1.0f - (1.0f - ai.probSameTrump(k.next, fox, cls, true)) * (1.0f - ai.probSameTrump(k.next2, fox, cls, false)) *
                   (1.0f - ai.probSameTrump(k.next3, fox, cls, false));
  }
  return familyRound((win - 0.5f) * l * 200.0f);
}

int32_t doppelkopfTrickGain(TTrickCase& k, float V) {
  const TFamilyAI& ai = k.ai;
  const bool t = k.trump(k.c);
  const TCard G = t ? makeCard(rankQueen, suitClubs) : makeCard(rankKing, k.c.f);
  const TCard H = t ? makeCard(rankTen, suitHearts) : makeCard(rankTen, k.c.f);
  const int32_t pts = [&] {
    int32_t s = 0;
    for (int i = 1; i <= handUsed(k.withC); i++) s += ai.g.cardPoints(k.withC.k[i]);
    return s;
  }();
  auto Hi = [&](int32_t s, const TCard& x) { return ai.probHigherCard(s, x); };
  auto Lo = [&](int32_t s, const TCard& x) { return ai.probLowerCard(s, x); };
  const int32_t bp = ai.v.believedPartner;
  const bool partnerLast = ai.v.partnerLast || ai.v.believedPartnerLast;
  if (V < 0.4f) {
    if (pts >= 40) return -familyRound((1.0f - V) * 100.0f);
    float h = 0.0f;
    if (k.n == 2 && pts >= 30)
      h = partnerLast ? (1.0f - Lo(k.next, H)) * Hi(k.next, G) : Hi(k.next, G);
    else if (k.n == 1 && pts >= 20) {
      if (bp == k.leader) h = Hi(k.next, G) * Hi(k.next2, G);
      else if (bp == k.next) h = Hi(k.next2, G) * Hi(k.next, G) * (1.0f - Lo(k.next, H));
      else if (bp == k.next2) h = Hi(k.next, G) * Hi(k.next2, G) * (1.0f - Lo(k.next2, H));
    } else
      return 0;
    return -familyRound(h * 100.0f * (1.0f - V));
  }
  if (V > 0.6f) {
    if (pts >= 40) return familyRound(V * 100.0f);
    float h = 0.0f;
    if (k.n == 2 && pts >= 30)
      h = partnerLast ? Hi(k.next, G) : (1.0f - Lo(k.next, H)) * Hi(k.next, G);
    else if (k.n == 1 && pts >= 20) {
      if (bp == k.leader) h = (1.0f - Lo(k.next, H)) * Hi(k.next, G) * Hi(k.next2, G) * (1.0f - Lo(k.next2, H));
      else if (bp == k.next2) h = Hi(k.next2, G) * Hi(k.next, G) * (Lo(k.next, H) - 1.0f);
      else if (bp == k.next) h = Hi(k.next, G) * Hi(k.next2, G) * (Lo(k.next2, H) - 1.0f);
    } else
      return 0;
    return familyRound(h * 100.0f * V);
  }
  return 0;
}

float trumpCostOf(const TFamilyAI& ai, const TCard& c) {
  if (!ai.g.isTrump(c)) return 0.0f;
  const int32_t h = ai.countUnknownHigher(c, false);
  float cost = h == 0 ? 120 : h == 1 ? 80 : h == 2 ? 60 : h == 3 ? 40 : h <= 5 ? 20 : h <= 8 ? 10 : h <= 11 ? 5 : 0;
  if (ai.g.doppelkopf) {
    if (isDulle(c)) cost += 40;
    const bool noSolo = doppelkopfIsNormalGame() || ai.g.hochzeitOpen();
    if (noSolo && ai.g.views()[ai.v.viewSeat].shownParty == 0) {
      if (isDulle(c)) cost += 20;
      if (isKreuzDame(c)) cost -= 20;
    }
  }
  return cost;
}

}  // namespace

// [SECTION] the ratings

void TFamilyAI::trickWinChances(TCandidateRatings& ratings) {
  const bool bettelRamsch = isBettelOrRamsch();
  const int32_t str = strength(v.viewSeat);
  for (int i = 1; i <= handUsed(v.legalCards) && i <= 12; i++) {
    TCandidateRating& r = ratings[i];
    r = TCandidateRating{};
    TTrickCase k(*this, v.legalCards.k[i]);
    float p = bettelRamsch ? bettelRamschChance(k) : normalChance(k);
    if (!bettelRamsch) {
      if (g.doppelkopf && g.hochzeitOpen() && v.viewSeat == doppelkopfArea->hochzeitSeat) p = 1.0f;
      if (str == 2) p = p - 0.1f + 0.2f * float(randomReal());
      if (str == 1) p = p - 0.15f + 0.3f * float(randomReal());
    }
    r.winChance = clamp01(p);
    r.reasonText = k.reason;
    float trick = 0.0f;
    for (int j = 1; j <= handUsed(k.withC); j++) trick += float(g.cardPoints(k.withC.k[j]));
    if (3 - k.n > 0) trick += float(3 - k.n) * averageUnknownPoints() * 0.85f;
    r.trickValue = trick;
    if (bettelRamsch) {
      if (schafkopfArea->contract.type == skfRamsch) r.trumpCost = trumpCostOf(*this, k.c);
      continue;
    }
    if (g.doppelkopf && doppelkopfIsNormalGame()) {
      r.revealValue = revealValue(k);
      if (doppelkopfFoxRuleActive()) r.specialGainA = foxGain(k, r.winChance);
      if (doppelkopfDoppelkopfRuleActive()) r.specialGainB = doppelkopfTrickGain(k, r.winChance);
      if (g.hochzeitOpen() && v.viewSeat != doppelkopfArea->hochzeitSeat)
        r.specialGainB = familyRound(r.winChance * 100.0f);
    }
    r.trumpCost = trumpCostOf(*this, k.c);
    if (k.n > 0 && r.winChance > 0.85f) {
      const int32_t winT = g.trickWinner(trickCards);
      if (g.parteievt(winT, v.viewSeat) == g.parteievt(v.viewSeat, v.viewSeat)) r.trumpCost *= 3.0f;
    }
    // At the last card of a game nothing is unseen: nothing left to catch.
    const int32_t unseen = handUsed(v.unseenCards);
    if (unseen > 0) {
      float below = 0.0f;
      for (int j = 1; j <= unseen; j++)
        if (prlwert(v.unseenCards.k[j]) < prlwert(k.c)) below += float(g.cardPoints(v.unseenCards.k[j]));
      r.catchValue = below / float(unseen);
    }
  }
}

// [SECTION] a led high card

float TFamilyAI::aceTrickChance(TCard c) const {
  const int32_t pt = v.partner;
  if (pt >= 1 && pt <= 4) {
    THand higher;
    higherCardsOfSuit(c, v.seats[pt].knownCards, higher);
    for (int i = 1; i <= handUsed(higher); i++)
      if (prlwert(higher.k[i]) > prlwert(c)) c = higher.k[i];
  }
  const int32_t cls = suitClass(c);
  float ruffSafe = 1.0f;
  for (int32_t i = 1; i <= 4; i++) {
    if (i == v.viewSeat || i == pt || g.isTrump(c)) continue;
    float x = v.seats[i].isVoid[cls] ? probHoldsSuit(i, familyTrumpClass)
                                     : float(familyRound(probClassWithoutOther(i, cls, familyTrumpClass) * 100.0f)) / 100.0f;
    ruffSafe *= 1.0f - x;
  }
  float higherSafe = 1.0f;
  if (pt <= 0) {
    if (countHigherInList(c, v.unseenCards, true) > 0) higherSafe = 0.0f;
  } else {
    for (int32_t i = 1; i <= 4; i++)
      if (i != v.viewSeat && i != pt) higherSafe *= 1.0f - probHigherCard(i, c);
  }
  float result = ruffSafe * higherSafe;
  if (!g.doppelkopf) {
    const TSchafkopfArea& a = *schafkopfArea;
    if (a.contract.type == skfRufspiel && !a.calledAcePlayed && v.viewSeat == a.declarerSeat && cls == a.contract.suit) {
      int32_t ofSuit = 0, trumps = 0;
      for (int i = 1; i <= handUsed(v.unseenCards); i++) {
        const int32_t k = suitClass(v.unseenCards.k[i]);
        ofSuit += k == cls ? 1 : 0;
        trumps += k == familyTrumpClass ? 1 : 0;
      }
      if (ofSuit >= 4 || trumps == 0) result = 1.0f;
      else if (ofSuit == 3) result = 0.8f;
    }
  }
  return result;
}
