// Doppelkopf computer player: hand features and announcement limit, solo ratings and the
// solo choice, and the answers before and during play. The twin of the Schafkopf contract
// choice: two passes over the solos, the first picks the solo and how far the seat would
// announce as its soloist, the second rates every solo 0..4 for announcing against it.
//
// [SECTION] helpers
// [SECTION] opening lead chance
// [SECTION] ratings
// [SECTION] hand features
// [SECTION] solo choice
// [SECTION] answers
#include "games/skat/doppelkopf_ai_solo.h"

#include <algorithm>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/range_check.h"
#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_services.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

TDoppelkopfArea& area() { return *doppelkopfArea; }

constexpr int32_t trumpClass = 6;
constexpr int32_t seatCount = 4;

// Answer values of the decisions.
constexpr int32_t answerGesund = 66;
constexpr int32_t answerVorbehalt = 84;
constexpr int32_t answerSolo = 86;
constexpr int32_t answerHochzeit = 87;
constexpr int32_t answerAnnounce = 89;
constexpr int32_t answerNoAnnouncement = 0;

const TCard kreuzDame = makeCard(rankQueen, suitClubs);
const TCard herzZehn = makeCard(rankTen, suitHearts);

int32_t strengthOf(int32_t seat) { return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3; }

int32_t classOf(const TCard& c) { return doppelkopfIsTrump(c) ? trumpClass : c.f; }

bool isPlainOf(const TCard& c, int32_t suit) { return c.f == suit && !doppelkopfIsTrump(c); }

// Random noise of the seat to act: Normal -5..4, Anfänger -10..9, clamped to 0..100.
int32_t withNoise(int32_t r) {
  switch (strengthOf(cg.gs.akspieler)) {
    case 2: return std::clamp(r + randomBelow(10) - 5, 0, 100);
    case 1: return std::clamp(r + randomBelow(20) - 10, 0, 100);
    default: return r;
  }
}

void setSoloType(int32_t type) {
  area().doppelkopfSoloType = type;
  doppelkopfBuildTrumpOrder();
}

int32_t cardsOf(int32_t seat) { return stackUsed(sp[seat]); }

}  // namespace

// [SECTION] opening lead chance

namespace {

// Of the cards spread over the other hands, `matching` fit a pattern: the chance that none
// of them lies in `seat`'s hand when they fall at random into the free places of every
// seat but the viewer. A seat without cards holds none of them.
float noneWith(int32_t seat, int32_t viewer, int32_t matching) {
  if (cardsOf(seat) == 0) return matching == 0 ? 1.0f : 0.0f;
  float others = 0;
  for (int32_t s = 1; s <= seatCount; s++)
    if (s != seat && s != viewer) others += float(cardsOf(s));
  float t = float(cardsOf(seat)) + others;
  float r = 1;
  for (int32_t k = 0; k < matching && t > 0; k++, others -= 1, t -= 1) r = r * std::max(others, 0.0f) / t;
  return r;
}

float someWith(int32_t seat, int32_t viewer, int32_t matching) {
  return cardsOf(seat) == 0 ? 0.0f : 1.0f - noneWith(seat, viewer, matching);
}

}  // namespace

float doppelkopfAIOpeningLeadChance(int32_t seat, const TCard& card) {
  if (seat < 1 || seat > seatCount) return 0;
  const int32_t cls = classOf(card);
  int32_t ofClass = 0, trumps = 0;
  bool higherOut = false;
  for (int32_t s = 1; s <= seatCount; s++) {
    if (s == seat) continue;
    for (int i = 1; i <= handUsed(sp[s].hand); i++) {
      const TCard& c = sp[s].hand.k[i];
      ofClass += classOf(c) == cls;
      trumps += classOf(c) == trumpClass;
      higherOut = higherOut || (classOf(c) == cls && prlwert(c) > prlwert(card));
    }
  }
  float ruffSafe = 1;
  if (cls != trumpClass)
    for (int32_t s = 1; s <= seatCount; s++) {
      if (s == seat) continue;
      const float ruffs = noneWith(s, seat, ofClass) * someWith(s, seat, trumps);
      ruffSafe *= 1.0f - float(roundEven(ruffs * 100.0)) / 100.0f;
    }
  return higherOut ? 0.0f : ruffSafe;
}

// [SECTION] ratings

int32_t doppelkopfAIRateTrumps(const THand& hand) {
  const THand& trumps = area().trumps;
  const int32_t n = handUsed(trumps);
  double sum = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& x = hand.k[i];
    if (!doppelkopfIsTrump(x) || n < 2) continue;
    int32_t above = 0;  // the other copy ranks equal and does not count
    for (int j = 1; j <= n; j++) above += prlwert(trumps.k[j]) > prlwert(x);
    sum += (2.0 - double(above) / (n - 1)) / n / 1.5;
  }
  return withNoise(roundEven(100 * sum));
}

namespace {

struct TSuitHolding {
  int32_t n;       // plain cards of the suit
  int32_t asses;
  int32_t zehnen;
  bool onlyHigh() const { return n > 0 && asses + zehnen == n; }
};

TSuitHolding holdingOf(const THand& hand, int32_t suit) {
  TSuitHolding h{};
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (!isPlainOf(c, suit)) continue;
    h.n++;
    h.asses += c.t == rankAce;
    h.zehnen += c.t == rankTen;
  }
  return h;
}

// A suit the seat leads into: its Asses by their chance of standing.
double leadingSuitValue(const THand& hand, int32_t seat, int32_t suit, const TSuitHolding& h) {
  int32_t a = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (!isPlainOf(c, suit) || c.t != rankAce) continue;
    const float chance = doppelkopfAIOpeningLeadChance(seat, c);
    a += chance > 0.85f ? 5 : chance > 0.78f ? 4 : chance > 0.72f ? 3 : 0;
  }
  if (a >= 9) return 1;
  if (a >= 8) return 0.9;
  if (a >= 5) return 0.85;
  if (a >= 4) return 0.78;
  if (a >= 3) return 0.64;
  if (h.onlyHigh()) return 0.3 - (h.asses + h.zehnen) / 10.0;
  return h.asses > 0 ? 0.3 : 0;
}

double waitingSuitValue(const TSuitHolding& h) {
  if (h.n <= 3 && h.asses == 2) return 1;
  if (h.asses + h.zehnen >= 2 && h.n >= 3) return 0.5;
  return h.onlyHigh() ? 0 : 0.2;
}

}  // namespace

int32_t doppelkopfAIRateSideSuits(const THand& hand, int32_t seat, bool leads) {
  const int32_t type = area().doppelkopfSoloType;
  const int32_t trumpSuit = type >= doppelkopfKreuzSolo && type <= doppelkopfKaroSolo ? type : 0;
  double sum = 0;
  int32_t suits = 0;
  for (int32_t s = suitClubs; s <= suitDiamonds; s++) {
    if (s == trumpSuit) continue;
    suits++;
    const TSuitHolding h = holdingOf(hand, s);
    if (h.n == 0)
      sum += type == doppelkopfFleischlos ? (leads ? 0.4 : 0.2) : 1;
    else
      sum += leads ? leadingSuitValue(hand, seat, s, h) : waitingSuitValue(h);
  }
  return withNoise(suits > 0 ? roundEven(100 * sum / suits) : 0);
}

int32_t doppelkopfAIRateSoloClass(const TDoppelkopfAIMinimums& m, int32_t type, int32_t trumpRating,
                                  int32_t sideRating) {
  if (type == doppelkopfFleischlos) return sideRating >= 60 ? 3 : sideRating >= 50 ? 2 : sideRating >= 40 ? 1 : 0;
  static constexpr double scale[5] = {0, 0.65, 0.85, 1.0, 1.1};
  for (int32_t level = 4; level >= 1; level--) {
    const double f = scale[level];
    if (trumpRating + sideRating >= roundEven(m.total * f) && sideRating >= roundEven(m.side * f) &&
        trumpRating >= roundEven(m.trump * f))
      return level;
  }
  return 0;
}

// [SECTION] hand features

namespace {

// Products for 0, 1, 2 ... weaknesses; the last entry serves every higher count.
constexpr double weaknessFactor[8] = {1, 0.92, 0.84, 0.76, 0.68, 0.6, 0.5, 0.4};
constexpr double strongWeaknessFactor[6] = {1, 0.94, 0.86, 0.78, 0.72, 0.64};

int32_t suitScore(const THand& hand) {
  int32_t score = 0;
  for (int32_t s = suitClubs; s <= suitDiamonds; s++) {
    const TSuitHolding h = holdingOf(hand, s);
    if (h.n == 1 && h.asses == 1) score += 1;
    if (h.n == 2) score += (h.asses > 0 ? 1 : 0) + (h.asses > 0 && h.zehnen > 0 ? 1 : 0);
  }
  return score;
}

int32_t trumpScore(const THand& hand) {
  int32_t score = -12;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (!doppelkopfIsTrump(c)) continue;
    score += cardsEqual(c, herzZehn) || c.t == rankQueen ? 4 : c.t == rankJack ? 3 : 2;
  }
  return roundEven(std::max(score, 0) / 2.0);
}

int32_t weaknessCount(int32_t trumpTotal, int32_t sideTotal) {
  int32_t n = 0;
  for (int32_t limit : {15, 13, 11, 9, 7}) n += trumpTotal < limit;
  for (int32_t limit : {12, 10, 8, 6}) n += sideTotal < limit;
  return n;
}

int32_t limitOfTotal(int32_t total) {
  if (total >= 56) return 5;
  if (total >= 48) return 4;
  if (total >= 40) return 3;
  if (total > 26) return 2;
  return total > 22 ? 1 : 0;
}

// Under the normal game's order, where every Karo card is a trump.
void rateHandFeatures(TDoppelkopfAISeat& me, int32_t seat, const THand& hand) {
  me.queenScore = 4 * countCard(hand, kreuzDame) + 5 * countCard(hand, herzZehn);
  me.aceScore = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    if (hand.k[i].t != rankAce) continue;
    const float chance = doppelkopfAIOpeningLeadChance(seat, hand.k[i]);
    me.aceScore += chance > 0.85f ? 5 : chance > 0.75f ? 4 : 0;
  }
  me.voidScore = 0;
  for (int32_t s = suitClubs; s <= suitDiamonds; s++) me.voidScore += holdingOf(hand, s).n == 0 ? 5 : 0;
  if (me.voidScore > 0 && seat == doppelkopfSeatAfter(cg.gs.dealer, 1)) me.voidScore += 2;
  me.suitScore = suitScore(hand);
  me.trumpScore = trumpScore(hand);
  me.trumpTotal = me.queenScore + me.trumpScore;
  me.sideTotal = me.voidScore + me.suitScore + me.aceScore;
  me.weaknessCount = weaknessCount(me.trumpTotal, me.sideTotal);
  int32_t total = roundEven((me.trumpTotal + me.sideTotal) * weaknessFactor[std::min(me.weaknessCount, 7)]);
  if (total > 26) {
    int32_t n = 0;
    for (int32_t limit : {19, 18, 17}) n += me.trumpTotal < limit;
    for (int32_t limit : {15, 13}) n += me.sideTotal < limit;
    total = std::max(roundEven(total * strongWeaknessFactor[n]), 26);
  }
  switch (strengthOf(cg.gs.akspieler)) {
    case 2: total += randomBelow(4) - 2; break;
    case 1: total += randomBelow(8) - 4; break;
    default: break;
  }
  me.total = total;
  me.announceLimit = limitOfTotal(total);
}

}  // namespace

// [SECTION] solo choice

namespace {

struct TSoloChoice {
  int32_t seat;
  THand hand;
  int pass;
  bool leads;
  TDoppelkopfAIMinimums m;
  int32_t best;
};

// The announcement level 1..3 a solo's ratings reach as its soloist, 0 none.
int32_t soloistLevel(const TDoppelkopfAIMinimums& m, int32_t t, int32_t s, int32_t total) {
  static constexpr int32_t trumpStep[4] = {0, 4, 10, 16};
  static constexpr int32_t sideStep[4] = {0, 15, 27, 35};
  static constexpr int32_t totalStep[4] = {0, 8, 18, 26};
  for (int32_t level = 3; level >= 1; level--)
    if (t >= m.trump + trumpStep[level] && s >= m.side + sideStep[level] && total > m.total + totalStep[level])
      return level;
  return 0;
}

void rateSolo(TSoloChoice& ch, int32_t type) {
  TDoppelkopfAISeat& me = area().doppelkopfAISeats[ch.seat];
  setSoloType(type);
  const int32_t t = doppelkopfAIRateTrumps(ch.hand);
  const int32_t s = doppelkopfAIRateSideSuits(ch.hand, ch.seat, ch.leads);
  const int32_t total = t + s;
  if (ch.pass == 1) {
    me.soloRating[type] = uint8_t(doppelkopfAIRateSoloClass(ch.m, type, t, s));
    return;
  }
  if (t >= ch.m.trump && s >= ch.m.side && total > ch.best && total > ch.m.total) {
    me.aiSoloType = type;
    ch.best = total;
    if (int32_t level = soloistLevel(ch.m, t, s, total)) me.soloAnnounceLimit[type] = uint8_t(level);
  }
}

// Fleischlos lives on the side suits alone, and only when no other solo is strong.
void rateFleischlos(TSoloChoice& ch) {
  TDoppelkopfAISeat& me = area().doppelkopfAISeats[ch.seat];
  setSoloType(doppelkopfFleischlos);
  const int32_t s = doppelkopfAIRateSideSuits(ch.hand, ch.seat, ch.leads);
  if (ch.pass == 1) {
    me.soloRating[doppelkopfFleischlos] = uint8_t(doppelkopfAIRateSoloClass(ch.m, doppelkopfFleischlos, 0, s));
    return;
  }
  if (!((ch.leads && s >= 60) || s >= 65) || ch.best >= 160) return;
  me.aiSoloType = doppelkopfFleischlos;
  int32_t level = 0;
  if (ch.leads)
    level = s >= 100 ? 4 : s >= 90 ? 3 : s >= 80 ? 2 : s >= 70 ? 1 : 0;
  else
    level = s >= 95 ? 2 : s >= 85 ? 1 : 0;
  if (level > 0) me.soloAnnounceLimit[doppelkopfFleischlos] = uint8_t(level);
}

bool leadsInPass(int32_t seat, int pass) {
  switch (area().options.soloLead) {
    case doppelkopfLeadSoloist: return pass == 0;
    case doppelkopfLeadNotSoloist: return false;
    default: return seat == doppelkopfSeatAfter(cg.gs.dealer, 1);
  }
}

void walkSolos(TSoloChoice& ch) {
  TDoppelkopfAISeat& me = area().doppelkopfAISeats[ch.seat];
  ch.best = 0;
  ch.leads = leadsInPass(ch.seat, ch.pass);
  ch.m = ch.leads ? TDoppelkopfAIMinimums{42, 72, 145} : TDoppelkopfAIMinimums{58, 78, 152};
  if (ch.pass == 0) {
    me.aiSoloType = 0;
    me.soloAnnounceLimit = {};
  } else {
    me.soloRating = {};
  }
  rateSolo(ch, doppelkopfBubenSolo);
  rateSolo(ch, doppelkopfDamenSolo);
  if (area().options.bubenDamenSolo) rateSolo(ch, doppelkopfBubenDamenSolo);
  for (int32_t suit = doppelkopfKreuzSolo; suit <= doppelkopfKaroSolo; suit++) rateSolo(ch, suit);
  rateFleischlos(ch);
  if (me.aiSoloType > 0) me.announceLimit = 0;
}

}  // namespace

void doppelkopfAIChooseGame(int32_t seat) {
  if (seat < 1 || seat > seatCount) {
    skatTrace("Doppelkopf: keine Spielwahl für Spieler " + std::to_string(seat));
    return;
  }
  for (int32_t s = 1; s <= seatCount; s++) syncHandFromSlots(sp[s]);
  TSoloChoice ch{seat, sp[seat].hand, 0, false, {}, 0};
  setSoloType(doppelkopfNormalGame);
  rateHandFeatures(area().doppelkopfAISeats[seat], seat, ch.hand);
  for (ch.pass = 0; ch.pass <= 1; ch.pass++) walkSolos(ch);
  setSoloType(doppelkopfNormalGame);
}

// [SECTION] answers

namespace {

bool holdsBothKreuzDamen(int32_t seat) { return countCard(sp[seat].hand, kreuzDame) >= 2; }

// One announcement level per answer, up to the seat's limit; in a solo the limit comes from
// the seat's rating of that solo: as its soloist how far it planned, else how it rates it.
bool wantsToAnnounce(int32_t seat) {
  const TDoppelkopfArea& a = area();
  TDoppelkopfAISeat& me = area().doppelkopfAISeats[seat];
  const int32_t type = a.doppelkopfSoloType;
  if (type >= doppelkopfKreuzSolo && type <= doppelkopfBubenDamenSolo)
    me.announceLimit = seat == a.doppelkopfSoloist ? me.soloAnnounceLimit[type] : me.soloRating[type];
  const int32_t next = doppelkopfNextAnnouncementFor(seat);
  return next != 0 && next <= me.announceLimit;
}

int32_t soloRatingOf(const TDoppelkopfAISeat& me, int32_t type) {
  return type >= 1 && type <= 8 ? me.soloRating[type] : -1;
}

}  // namespace

int32_t doppelkopfAIAnswer(int32_t kind) {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > seatCount) return trickAINoOption;
  TDoppelkopfAISeat& me = area().doppelkopfAISeats[seat];
  switch (kind) {
    case 47:
      // The announcement offered with the card question; without it the seat plays.
      return wantsToAnnounce(seat) ? trickAIPickOffered(cg.gs.bl.optionValues[1], trickAINoOption) : trickAINoOption;
    case answerAnnounce:
      return trickAIPickOffered(wantsToAnnounce(seat) ? answerAnnounce : answerNoAnnouncement, answerNoAnnouncement);
    case 88:
      return trickAIPickOffered(me.aiSoloType, trickAINoOption, [&me](int32_t type) { return soloRatingOf(me, type); });
    case answerGesund: {
      doppelkopfAIChooseGame(seat);
      syncHandFromSlots(sp[seat]);
      const bool reserve = me.aiSoloType > 0 || holdsBothKreuzDamen(seat);
      return trickAIPickOffered(reserve ? answerVorbehalt : answerGesund, answerGesund);
    }
    case answerVorbehalt: {
      syncHandFromSlots(sp[seat]);
      const int32_t want = me.aiSoloType > 0 ? answerSolo : holdsBothKreuzDamen(seat) ? answerHochzeit : answerSolo;
      return trickAIPickOffered(want, trickAINoOption);
    }
    default: return trickAINoOption;
  }
}
