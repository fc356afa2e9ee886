// The computer players' view of the deal and the probability core: how likely a seat holds
// at least one (or no) card of a kind, counted over the cards nobody has seen. The view is
// rebuilt from the table before every use; only the void flags (and, in Schafkopf, the
// known cards) come from the game's area.
//
// [SECTION] building the view
// [SECTION] patterns
// [SECTION] the probability core and its front-ends
// [SECTION] counting and parties
#include <algorithm>
#include <cmath>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/record_io.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/skat_family_ai.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

int32_t familyRound(double x) { return static_cast<int32_t>(std::nearbyint(x)); }

void familyAIAlert(const std::string& text) { skatTrace(text); }

namespace {
constexpr int32_t classes[] = {1, 2, 3, 4, familyTrumpClass};
bool validSeat(int32_t s) { return s >= 1 && s <= 4; }
}  // namespace

// [SECTION] building the view

void seatKnowledgeIo(TRecordIo& io, TSeatKnowledge& k) {
  arrayIo(io, k.isVoid, u8Io);
  io.u8(k.pad[0]);
  io.u8(k.pad[1]);
  handIo(io, k.possibleCards);
  handIo(io, k.freePossibleCards);
  handIo(io, k.knownCards);
}

int32_t TFamilyAI::handCount(int32_t seat) const { return validSeat(seat) ? handUsed(sp[seat].hand) : 0; }

// A card joins a seat's known cards at most as often as it may lie there.
void TFamilyAI::addKnown(TSeatKnowledge& k, const TCard& c, int32_t limit) const {
  if (countCard(k.knownCards, c) < limit) handaddk(k.knownCards, c);
}

void TFamilyAI::buildView(int32_t seat) {
  for (int i = 1; i <= stackCount; i++) syncHandFromSlots(sp[i]);
  if (seat == 0) seat = cg.gs.akspieler;
  if (!validSeat(seat)) seat = 1;
  TPartyViews& views = g.views();
  v.viewSeat = seat;
  v.ownHand = sp[seat].hand;
  g.legalCards(v.legalCards);
  v.partiesKnown = g.partiesKnown();
  if (g.doppelkopf) {
    v.isRe = hasCard(v.ownHand, makeCard(rankQueen, suitClubs)) || views[0].party[seat] == partyRe;
    if (v.partiesKnown) v.isRe = false;
  } else {
    v.isRe = false;
  }
  v.ownPartyPublic = views[0].party[seat] != partyUndecided || v.partiesKnown;
  v.trickCount = handUsed(trickCards);
  int32_t last = seat + 3 - v.trickCount;
  while (last > 4) last -= 4;
  v.partner = v.believedPartner = 0;
  v.partnerLast = v.believedPartnerLast = false;
  if (v.partiesKnown) {
    if (arePartners(seat, last, seat)) {
      v.partnerLast = v.believedPartnerLast = true;
      for (int32_t k = 1; k <= 4; k++)
        if (k != seat && arePartners(seat, k, seat)) v.partner = v.believedPartner = k;
    }
  } else if (!(g.doppelkopf && g.hochzeitOpen())) {
    const TPartyView& own = views[seat];
    for (int32_t k = 1; k <= 4; k++) {
      if (k == seat) continue;
      if (own.party[k] == own.party[seat]) v.partner = k;
      if (g.parteievt(k, seat) == g.parteievt(seat, seat)) v.believedPartner = k;
    }
    v.partnerLast = v.partner > 0 && v.partner == last;
    v.believedPartnerLast = v.believedPartner > 0 && v.believedPartner == last;
  }
  v.seats = g.saved();
  clearHand(v.unseenCards);
  for (int32_t s = 1; s <= 4; s++)
    if (s != seat) appendHand(v.unseenCards, sp[s].hand);
  for (int32_t s = 1; s <= 4; s++) {
    TSeatKnowledge& k = v.seats[s];
    clearHand(k.possibleCards);
    clearHand(k.freePossibleCards);
    if (s == seat) continue;
    for (int i = 1; i <= handUsed(v.unseenCards); i++) {
      const TCard& c = v.unseenCards.k[i];
      if (!k.isVoid[suitClass(c)]) handaddk(k.possibleCards, c);
    }
  }
  if (g.doppelkopf) {
    const bool solo = v.partiesKnown;
    for (int32_t s = 1; s <= 4; s++) {
      TSeatKnowledge& k = v.seats[s];
      clearHand(k.knownCards);
      const TCard kd = makeCard(rankQueen, suitClubs);
      if (s != seat && !solo && views[seat].party[s] == partyRe && hasCard(sp[s].hand, kd))
        addKnown(k, kd, countCard(k.possibleCards, kd));
    }
  }
  for (int32_t c : classes)
    for (int32_t s = 1; s <= 4; s++) {
      TSeatKnowledge& k = v.seats[s];
      if (s == seat) {
        k.knownCards = v.ownHand;
        bool none = true;
        for (int i = 1; i <= handUsed(v.ownHand); i++) none = none && suitClass(v.ownHand.k[i]) != c;
        k.isVoid[c] = none ? 1 : 0;
        continue;
      }
      if (k.isVoid[c]) continue;
      bool othersVoid = true;
      for (int32_t o = 1; o <= 4; o++)
        if (o != s && o != seat && !v.seats[o].isVoid[c]) othersVoid = false;
      if (!othersVoid) continue;
      for (int i = 1; i <= handUsed(k.possibleCards); i++) {
        const TCard& card = k.possibleCards.k[i];
        if (suitClass(card) == c) addKnown(k, card, countCard(k.possibleCards, card));
      }
    }
  if (!g.doppelkopf && v.partiesKnown && !noPartners()) {
    const int32_t lone = g.loneSeat();
    if (validSeat(lone) && lone != seat && !v.seats[lone].isVoid[familyTrumpClass]) {
      int32_t trumps = 0, first = 0;
      for (int i = 1; i <= handUsed(v.unseenCards); i++)
        if (g.isTrump(v.unseenCards.k[i])) {
          trumps++;
          if (first == 0) first = i;
        }
      TSeatKnowledge& k = v.seats[lone];
      if (trumps >= 1 && trumps <= 4 && !hasCard(k.knownCards, v.unseenCards.k[first]) &&
          handUsed(k.knownCards) < handCount(lone))
        handaddk(k.knownCards, v.unseenCards.k[first]);
    }
  }
  v.freeUnseenCards = v.unseenCards;
  for (int32_t s = 1; s <= 4; s++) {
    if (s == seat) continue;
    TSeatKnowledge& k = v.seats[s];
    k.freePossibleCards = k.possibleCards;
    for (int i = 1; i <= handUsed(k.knownCards); i++) {
      removeFirstCard(k.freePossibleCards, k.knownCards.k[i]);
      removeFirstCard(v.freeUnseenCards, k.knownCards.k[i]);
    }
  }
}

// [SECTION] patterns

bool TFamilyAI::matches(const TCard& c, const TCardPattern& p) const {
  if (p.kind == patternOrderValue) return prlwert(c) == p.above;
  if (p.kind == patternClass && suitClass(c) != p.suitClass) return false;
  auto value = [&](const TCard& x) { return p.byPoints ? g.cardPoints(x) : prlwert(x); };
  if (p.above >= 0) {
    if (!p.byPoints && g.doppelkopf && doppelkopfArea->options.secondDulle && c.t == rankTen && c.f == suitHearts &&
        cardsEqual(c, p.refCard))
      return value(c) >= value(p.refCard);
    return value(c) > value(p.refCard);
  }
  if (p.below >= 0) return value(c) < value(p.refCard);
  return true;
}

int32_t TFamilyAI::countPattern(const THand& cards, const TCardPattern& p) const {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(cards); i++) n += matches(cards.k[i], p) ? 1 : 0;
  return n;
}

// [SECTION] the probability core and its front-ends

int32_t TFamilyAI::freePlaces(int32_t seat, const TCardPattern& p) const {
  if (p.kind == patternClass && v.seats[seat].isVoid[p.suitClass]) return 0;
  return std::max(0, handCount(seat) - handUsed(v.seats[seat].knownCards));
}

float TFamilyAI::probHolds(int32_t seat, const TCardPattern& p, int mode) const {
  if (!validSeat(seat)) return 0.0f;
  float factor = 1.0f;
  if (p.alsoVoidClass > 0) {
    TCardPattern p2 = p;
    if (p.kind == patternOrderValue) p2.above = p2.below = -1;
    p2.kind = patternClass;
    p2.suitClass = p.alsoVoidClass;
    p2.alsoVoidClass = 0;
    factor = probHolds(seat, p2, probNone);
  }
  const int32_t free = freePlaces(seat, p);
  int32_t others = 0;
  for (int32_t k = 1; k <= 4; k++)
    if (k != seat && k != v.viewSeat) others += freePlaces(k, p);
  const int32_t n = countPattern(v.freeUnseenCards, p);
  float r = 0.0f;
  if (free > 0) {
    float o = float(others), t = float(free + others);
    r = 1.0f;
    for (int i = 0; i < n && r > 0.0f; i++) {
      r = t > 0.0f ? r * std::max(0.0f, o) / t : 0.0f;
      o -= 1.0f;
      t -= 1.0f;
    }
    if (mode == probAtLeastOne) r = 1.0f - r;
  }
  const TSeatKnowledge& k = v.seats[seat];
  if (mode == probAtLeastOne && countPattern(k.knownCards, p) > 0) r = 1.0f;
  if (mode == probNone && countPattern(k.freePossibleCards, p) == 0 && countPattern(k.knownCards, p) == 0) r = 1.0f;
  r *= factor;
  return std::isnan(r) ? 0.0f : std::clamp(r, 0.0f, 1.0f);
}

namespace {
TCardPattern pattern(int32_t kind, int32_t cls) { return TCardPattern{kind, cls, -1, -1, 0, false, noCard()}; }
}  // namespace

float TFamilyAI::probHigherCard(int32_t seat, const TCard& c) const {
  TCardPattern p = pattern(patternClass, suitClass(c));
  p.above = 0;
  p.refCard = c;
  return probHolds(seat, p, probAtLeastOne);
}

float TFamilyAI::probLowerCard(int32_t seat, const TCard& c) const {
  TCardPattern p = pattern(patternClass, suitClass(c));
  p.below = 0;
  p.refCard = c;
  return probHolds(seat, p, probAtLeastOne);
}

float TFamilyAI::probWorthMore(int32_t seat, int32_t cls, const TCard& c) const {
  TCardPattern p = pattern(cls == 0 ? patternAnyClass : patternClass, cls);
  p.above = 0;
  p.byPoints = true;
  p.refCard = c;
  return probHolds(seat, p, probAtLeastOne);
}

float TFamilyAI::probWorthLess(int32_t seat, int32_t cls, const TCard& c) const {
  TCardPattern p = pattern(cls == 0 ? patternAnyClass : patternClass, cls);
  p.below = 0;
  p.byPoints = true;
  p.refCard = c;
  return probHolds(seat, p, probAtLeastOne);
}

float TFamilyAI::probHigherOfSuit(int32_t seat, const TCard& c, int32_t cls) const {
  return probWorthMore(seat, cls == suitClass(c) ? cls : 0, c);
}

float TFamilyAI::probLowerOfSuit(int32_t seat, const TCard& c, int32_t cls) const {
  return probWorthLess(seat, cls == suitClass(c) ? cls : 0, c);
}

float TFamilyAI::probIsVoid(int32_t seat, int32_t cls) const {
  return probHolds(seat, pattern(patternClass, cls), probNone);
}

float TFamilyAI::probHoldsSuit(int32_t seat, int32_t cls) const {
  return probHolds(seat, pattern(patternClass, cls), probAtLeastOne);
}

float TFamilyAI::probClassWithoutOther(int32_t seat, int32_t other, int32_t cls) const {
  TCardPattern p = pattern(patternClass, cls);
  p.alsoVoidClass = other;
  return probHolds(seat, p, probAtLeastOne);
}

float TFamilyAI::probSameTrump(int32_t seat, const TCard& c, int32_t cls, bool strict) const {
  if (!g.isTrump(c)) return 0.0f;
  TCardPattern p = pattern(patternOrderValue, 0);
  p.above = prlwert(c);
  const int32_t own = suitClass(c);
  if (!strict) {
    p.alsoVoidClass = cls == own ? -1 : cls;
    return probHolds(seat, p, probAtLeastOne);
  }
  const float plain = probHolds(seat, p, probAtLeastOne);
  if (cls == own) return plain * (1.0f - probHigherCard(seat, c)) * (1.0f - probLowerCard(seat, c));
  return handCount(seat) == 1 ? plain : 0.0f;
}

// [SECTION] counting and parties

float TFamilyAI::averageUnknownPoints() const {
  const int n = handUsed(v.unseenCards);
  if (n == 0) return 0.0f;
  int32_t sum = 0;
  for (int i = 1; i <= n; i++) sum += g.cardPoints(v.unseenCards.k[i]);
  return float(sum) / float(n);
}

void TFamilyAI::higherCardsOfSuit(const TCard& c, const THand& list, THand& out) const {
  clearHand(out);
  for (int i = 1; i <= handUsed(list); i++)
    if (suitClass(list.k[i]) == suitClass(c) && prlwert(list.k[i]) > prlwert(c)) handaddk(out, list.k[i]);
}

int32_t TFamilyAI::countLowerInList(const TCard& c, const THand& list, bool sameClass) const {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(list); i++)
    if ((!sameClass || suitClass(list.k[i]) == suitClass(c)) && prlwert(list.k[i]) < prlwert(c)) n++;
  return n;
}

int32_t TFamilyAI::countHigherInList(const TCard& c, const THand& list, bool sameClass) const {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(list); i++)
    if ((!sameClass || suitClass(list.k[i]) == suitClass(c)) && prlwert(list.k[i]) > prlwert(c)) n++;
  return n;
}

bool TFamilyAI::areOpponents(int32_t a, int32_t b, int32_t viewSeat) const {
  if (a == b) return false;
  if (viewSeat == -1) viewSeat = cg.gs.akspieler;
  if (v.partiesKnown) {
    if (noPartners()) return true;
    const int32_t lone = g.loneSeat();
    return a == lone || b == lone;
  }
  return g.parteievt(a, viewSeat) != g.parteievt(b, viewSeat);
}

bool TFamilyAI::noReKnown() const {
  if (!g.doppelkopf) return false;
  if (doppelkopfArea->seats[0].kreuzDamenPlayed != 0) return false;
  for (int32_t s = 1; s <= 4; s++)
    if (g.views()[0].party[s] == partyRe) return false;
  return true;
}
