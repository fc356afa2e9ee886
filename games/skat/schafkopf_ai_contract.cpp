// Schafkopf computer player: hand ratings per contract, the contract choice and the answers
// of the bidding. The choice walks the contracts twice: the first pass picks the contract
// and how far the seat would redouble it, the second rates every contract 0..4 for the
// Kontra answer. Every rating reads the trump order of the contract applied at the moment.
//
// [SECTION] helpers
// [SECTION] ratings
// [SECTION] contract choice
// [SECTION] answers
#include "games/skat/schafkopf_ai_contract.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/range_check.h"
#include "games/skat/schafkopf_bidding.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/schafkopf_state.h"
#include "games/skat/skat_services.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

TSchafkopfArea& area() { return *schafkopfArea; }

constexpr int32_t trumpClass = 6;

int32_t strengthOf(int32_t seat) { return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3; }

int32_t classOf(const TCard& c) { return schafkopfIsTrump(c) ? trumpClass : c.f; }

// Random noise of the seat to act: Normal -5..4, Anfänger -10..9, clamped to 0..100.
int32_t withNoise(int32_t r) {
  switch (strengthOf(cg.gs.akspieler)) {
    case 2: return std::clamp(r + randomBelow(10) - 5, 0, 100);
    case 1: return std::clamp(r + randomBelow(20) - 10, 0, 100);
    default: return r;
  }
}

// The cards in the other three hands: what the seat has not seen.
THand othersCards(int32_t seat) {
  THand out{};
  for (int32_t s = 1; s <= schafkopfSeats; s++)
    if (s != seat)
      for (int i = 1; i <= handUsed(sp[s].hand); i++) handaddk(out, sp[s].hand.k[i]);
  return out;
}

int32_t countInClass(const THand& h, int32_t cls) {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(h); i++) n += classOf(h.k[i]) == cls;
  return n;
}

// Cards of the list in the card's class ranked above (below) it.
int32_t countAbove(const THand& h, const TCard& c) {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(h); i++) n += classOf(h.k[i]) == classOf(c) && prlwert(h.k[i]) > prlwert(c);
  return n;
}
int32_t countBelow(const THand& h, const TCard& c) {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(h); i++) n += classOf(h.k[i]) == classOf(c) && prlwert(h.k[i]) < prlwert(c);
  return n;
}

// Makes a contract's trump order current for rating; nothing else of the game changes.
void applyForRating(uint8_t type, uint8_t suit) {
  area().contract = TContractRecord{type, suit, 0};
  schafkopfBuildTrumpOrder();
}

}  // namespace

// [SECTION] ratings

int32_t schafkopfAIRateTrumps(const THand& hand) {
  const THand& trumps = area().trumpList;
  const int32_t n = handUsed(trumps);
  double sum = 0;
  int32_t held = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& x = hand.k[i];
    if (!schafkopfIsTrump(x) || n < 2) continue;
    held++;
    const int32_t e = countAbove(trumps, x);
    sum += (2.0 - double(e) / (n - 1)) / n / 1.5;  // holding every trump sums to 1
  }
  int32_t r = withNoise(roundEven(100 * sum));
  const int32_t d = held - handUsed(hand) / 4;
  if (d == 1) return roundEven(1.2 * r);
  if (d == 2) return roundEven(1.4 * r);
  if (d >= 3) return roundEven(1.6 * r);
  return r;
}

namespace {

// The called suit's value: the fewer cards beside the call, the better.
double calledSuitValue(int32_t n, bool zehn) {
  if (n == 1) return zehn ? 1 : 0.95;
  if (n == 2) return zehn ? 0.9 : 0.85;
  if (n == 3) return 0.75;
  if (n == 4) return 0.5;
  return n > 4 ? 0.3 : 0;
}

double sideSuitValue(int32_t n, bool ass, bool zehn) {
  if (ass) return zehn || n == 1 ? 1 : 0.6;
  if (zehn) return n == 1 ? 0 : n == 2 ? 0.3 : 0.4;
  return n == 1 ? 0.2 : 0;
}

}  // namespace

int32_t schafkopfAIRateSideSuits(const THand& hand, int32_t calledSuit, bool zeroCalled) {
  double sum = 0;
  int32_t suits = 0;
  for (int32_t s = suitClubs; s <= suitDiamonds; s++) {
    if (schafkopfIsTrump(makeCard(rank7, s))) continue;
    suits++;
    int32_t n = 0;
    bool ass = false, zehn = false;
    for (int i = 1; i <= handUsed(hand); i++) {
      const TCard& c = hand.k[i];
      if (c.f != s || schafkopfIsTrump(c)) continue;
      n++;
      ass = ass || c.t == skfAss;
      zehn = zehn || c.t == skfZehn;
    }
    if (n == 0) sum += 1;
    else if (s == calledSuit) sum += zeroCalled ? 0 : calledSuitValue(n, zehn);
    else sum += sideSuitValue(n, ass, zehn);
  }
  return withNoise(suits > 0 ? roundEven(100 * sum / suits) : 0);
}

int32_t schafkopfAIRateContractClass(const TSchafkopfAIMinimums& m, int32_t type, int32_t trumpRating,
                                     int32_t sideRating) {
  float k = 0;  // single precision, as the thresholds were tuned with
  if (type >= skfSie && type <= skfFarbgeier) k = 0.95f;
  if (type == skfRufspiel) k = 1.15f;
  if (k == 0) return 0;
  static constexpr double scale[5] = {0, 0.65, 0.85, 1.0, 1.1};
  for (int32_t level = 4; level >= 1; level--) {
    const double f = double(k) * scale[level];
    if (trumpRating + sideRating >= roundEven(m.total * f) && sideRating >= roundEven(m.side * f) &&
        trumpRating >= roundEven(m.trump * f))
      return level;
  }
  return 0;
}

int32_t schafkopfAIRateBettelSafety(const THand& hand, int32_t seat) {
  const THand others = othersCards(seat);
  int32_t penalty = 0;
  for (int32_t s = suitClubs; s <= suitDiamonds; s++) {
    std::vector<TCard> own;
    for (int i = 1; i <= handUsed(hand); i++)
      if (classOf(hand.k[i]) == s) own.push_back(hand.k[i]);
    std::stable_sort(own.begin(), own.end(), [](const TCard& a, const TCard& b) { return prlwert(a) < prlwert(b); });
    for (int32_t pos = 1; pos <= std::min<int32_t>(4, int32_t(own.size())); pos++) {
      const TCard& p = own[pos - 1];
      int32_t below = countBelow(others, p);
      const int32_t above = countAbove(others, p);
      if (pos >= 2) {
        below -= pos;
      } else if (above > 2 && below == 1) {
        below = 0;
      } else if (above > 4 && below == 2) {
        below = 1;
      }
      if (below > 0) penalty += below >= 4 ? 10 : below;
    }
  }
  return 100 - penalty;
}

int32_t schafkopfAICanPlayTout(const THand& hand, int32_t seat) {
  const uint8_t type = area().contract.type;
  if (!area().options.tout || type < skfSie || type > skfFarbgeier) return 0;
  const THand others = othersCards(seat);
  std::vector<int32_t> classes{trumpClass};
  for (int32_t s = suitClubs; s <= suitDiamonds; s++)
    if (!schafkopfIsTrump(makeCard(skfAss, s))) classes.push_back(s);
  for (int32_t cls : classes) {
    const int32_t d = countInClass(others, cls);
    const int32_t need = std::min(d <= 3 ? 1 : d <= 6 ? 2 : 3, countInClass(hand, cls));
    int32_t unbeatable = 0;
    for (int i = 1; i <= handUsed(hand); i++)
      unbeatable += classOf(hand.k[i]) == cls && countAbove(others, hand.k[i]) == 0;
    if (unbeatable < need) return 0;
  }
  return 1;
}

// [SECTION] contract choice

namespace {

// A Profi seat asked while nobody wants to play yet counts its place: at the dealer, or
// right before him (three places after), a weak game beats a Ramsch.
struct TPosition {
  bool atDealer, beforeDealer;
};

TPosition positionOf(int32_t seat) {
  const bool profiFirst = area().playWishCount == 0 && strengthOf(seat) == 3;
  return {profiFirst && seat == cg.gs.dealer, profiFirst && seat == schafkopfSeatAfter(cg.gs.dealer, 3)};
}

}  // namespace

TSchafkopfAIMinimums schafkopfAIMinimumsFor(int32_t seat) {
  const TPosition p = positionOf(seat);
  if (!area().options.ramsch) return {56, 56, 130};
  if (p.atDealer) return {54, 54, 126};
  if (p.beforeDealer) return {55, 55, 127};
  return {56, 56, 128};
}

namespace {

struct TChoice {
  int32_t seat;
  THand hand;
  TSchafkopfAIMinimums m;
  TPosition position;
  int pass;
  int32_t best;
};

// The declaring strength 1..3 the ratings reach, 0 none.
int32_t declaringLevel(const TSchafkopfAIMinimums& m, int32_t i, int32_t r, int32_t h) {
  for (int32_t level = 3; level >= 1; level--)
    if (i >= m.trump + 5 * level && r >= m.side + 5 * level && h > m.total + 8 * level) return level;
  return 0;
}

// A Rufspiel counts the partner's help, and more at the dealer and before him.
void addRufspielBonus(TChoice& ch, int32_t& i, int32_t& r, int32_t& h) {
  i += 12;
  r += 14;
  h = i + r + 2;
  if (area().options.ramsch) {
    const int32_t bonus = ch.position.atDealer ? 11 : ch.position.beforeDealer ? 8 : 4;
    const int32_t extra = ch.position.atDealer ? 7 : ch.position.beforeDealer ? 6 : 4;
    i += bonus;
    r += bonus;
    h = i + r + extra;
  } else if (ch.position.atDealer) {
    i += 2, r += 2, h += 4;
  } else if (ch.position.beforeDealer) {
    i += 1, r += 1, h += 2;
  }
}

void rateContract(TChoice& ch, uint8_t type, uint8_t suit) {
  TSchafkopfSeat& me = area().seats[ch.seat];
  applyForRating(type, suit);
  int32_t i = schafkopfAIRateTrumps(ch.hand);
  int32_t r = schafkopfAIRateSideSuits(ch.hand, 0, false);
  int32_t h = i + r;
  if (type == skfRufspiel) {
    r = schafkopfAIRateSideSuits(ch.hand, suit, ch.pass == 1);
    addRufspielBonus(ch, i, r, h);
  }
  if (ch.pass == 1) {
    me.contractRating[type][suit] = uint8_t(schafkopfAIRateContractClass(ch.m, type, i, r));
    return;
  }
  if (i >= ch.m.trump && r >= ch.m.side && h > ch.best && h > ch.m.total) {
    me.aiContract = TContractRecord{type, suit, uint8_t(schafkopfAICanPlayTout(ch.hand, ch.seat))};
    ch.best = h;
    if (int32_t level = declaringLevel(ch.m, i, r, h)) me.reRating[type][suit] = uint8_t(level);
  }
}

// The Bettel becomes the choice only when hardly a card can be forced to take a trick.
void rateBettel(TChoice& ch) {
  applyForRating(skfBettel, 0);
  const int32_t s = schafkopfAIRateBettelSafety(ch.hand, ch.seat);
  if (s <= 97) return;
  area().seats[ch.seat].aiContract = TContractRecord{skfBettel, 0, 0};
  ch.best = s == 100 ? 200 : s == 99 ? ch.m.total + 10 : ch.m.total;
}

// A Rufspiel calls a suit decision 91 would keep, and never the seat's own Ace.
bool rufspielSuit(const THand& hand, int32_t suit) {
  return schafkopfCanCallSuit(hand, suit) && !hasCard(hand, makeCard(skfAss, suit));
}

void walkContracts(TChoice& ch) {
  const TSchafkopfOptions& o = area().options;
  TSchafkopfSeat& me = area().seats[ch.seat];
  ch.best = 0;
  if (ch.pass == 0) {
    me.aiContract = TContractRecord{};
    me.reRating = {};
    if (o.bettel) rateBettel(ch);
  } else {
    me.contractRating = {};
  }
  rateContract(ch, skfWenz, 0);
  rateContract(ch, skfGeier, 0);
  if (o.sie && schafkopfHasSieHand(ch.hand)) rateContract(ch, skfSie, 0);
  for (uint8_t type : {skfSolo, skfFarbwenz, skfFarbgeier, skfRufspiel}) {
    if ((type == skfFarbwenz && !o.farbwenz) || (type == skfFarbgeier && !o.farbgeier)) continue;
    for (uint8_t suit = suitClubs; suit <= suitDiamonds; suit++)
      if (type != skfRufspiel || rufspielSuit(ch.hand, suit)) rateContract(ch, type, suit);
  }
}

}  // namespace

void schafkopfAIChooseContract(int32_t seat) {
  if (seat < 1 || seat > schafkopfSeats) {
    skatTrace("Schafkopf: keine Spielwahl für Spieler " + std::to_string(seat));
    return;
  }
  for (int32_t s = 1; s <= schafkopfSeats; s++) syncHandFromSlots(sp[s]);
  TChoice ch{seat, sp[seat].hand, schafkopfAIMinimumsFor(seat), positionOf(seat), 0, 0};
  for (ch.pass = 0; ch.pass <= 1; ch.pass++) walkContracts(ch);
  applyForRating(skfNone, 0);
}

// [SECTION] answers

namespace {

int32_t contractRank(const TContractRecord& c) { return schafkopfContractRank(c); }

// The best rating of a contract type over its suits: how an offered type ranks when the
// seat's own choice is not offered.
int32_t typeRating(const TSchafkopfSeat& me, int32_t type) {
  if (type < skfSie || type > skfRamsch) return -1;
  int32_t best = 0;
  for (int32_t suit = 0; suit <= 4; suit++) best = std::max<int32_t>(best, me.contractRating[type][suit]);
  return best;
}

int32_t playWish(const TSchafkopfSeat& me) {
  const TSchafkopfArea& a = area();
  const bool want = a.highestBidder == 0 ? me.aiContract.type > 0 : contractRank(a.highestOffer) < contractRank(me.aiContract);
  return trickAIPickOffered(want ? skfAskPlay : skfAnswerWeiter, skfAnswerWeiter);
}

int32_t contractAnswer(const TSchafkopfSeat& me) {
  const TSchafkopfArea& a = area();
  bool want = true;
  if (a.declarationsMade == 1) {
    const int32_t first = std::clamp(a.firstPlayWish, 0, schafkopfSeats);
    want = contractRank(a.seats[first].seatContract) < contractRank(me.aiContract);
  }
  return trickAIPickOffered(want ? int32_t(me.aiContract.type) : int32_t(skfAnswerPass), skfAnswerPass,
                            [&me](int32_t type) { return typeRating(me, type); });
}

int32_t suitAnswer(const TSchafkopfSeat& me) {
  const int32_t type = std::clamp<int32_t>(me.seatContract.type, 1, 9);
  return trickAIPickOffered(me.aiContract.suit, trickAINoOption, [&me, type](int32_t suit) {
    return suit >= 0 && suit <= 4 ? me.contractRating[type][suit] : -1;
  });
}

// Kontra or Re up to the seat's own rating of the contract in play: as its declarer party
// how far it would redouble, as an opponent how much it would like playing it itself.
int32_t doublingAnswer(const TSchafkopfSeat& me, int32_t seat, int32_t kind) {
  const TSchafkopfArea& a = area();
  const int32_t type = std::clamp<int32_t>(a.contract.type, 1, 9);
  const int32_t suit = std::clamp<int32_t>(a.contract.suit, 0, 4);
  const bool declarerParty = schafkopfPartyOf(seat, seat) == skfPartyRe;
  const int32_t limit = declarerParty ? me.reRating[type][suit] : me.contractRating[type][suit];
  const int32_t yes = kind == skfAskRe ? 2 : 1;
  constexpr int32_t no = -1;
  return trickAIPickOffered(a.kontraLevel < limit ? yes : no, no);
}

}  // namespace

int32_t schafkopfAIAnswer(int32_t kind) {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > schafkopfSeats) return trickAINoOption;
  TSchafkopfSeat& me = area().seats[seat];
  switch (kind) {
    case skfAskPlay:
      schafkopfAIChooseContract(seat);
      syncHandFromSlots(sp[seat]);
      return playWish(me);
    case skfAskFirstSeat: return trickAIPickOffered(skfAnswerDeclare, skfAnswerPass);
    case skfAskSuit: return suitAnswer(me);
    case skfAskContract: return contractAnswer(me);
    case skfAskTout: return trickAIPickOffered(me.aiContract.tout ? skfAskTout : skfAnswerNormal, skfAnswerNormal);
    case skfAskKontra:
    case skfAskRe: return doublingAnswer(me, seat, kind);
    default: return trickAINoOption;
  }
}
