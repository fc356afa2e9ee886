// The hand rating of the Skat computer player: table values, suit games, Grand, Hand and
// announcements, the game factor, the strength with the profile, the bid limit and Null.
//
// [SECTION] helpers
// [SECTION] suit games and Grand
// [SECTION] Hand and announcements
// [SECTION] Null
// [SECTION] the rating
#include "games/skat/skat_rating.h"

#include <algorithm>

#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_card_set.h"
#include "games/skat/skat_rule_tables.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stack_sync.h"

// [SECTION] helpers

namespace {

void makeCurrentGame(int32_t type) {
  skatBid->gameType = type;
  skatSetRankOrder(type);
}

// How many cards of `of` beat each card of `mine`, summed.
int32_t beatCount(const THand& mine, const THand& of) {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(mine); i++)
    for (int j = 1; j <= handUsed(of); j++)
      if (skatCardBeats(of.k[j], mine.k[i])) n++;
  return n;
}

// The trump duel of the current game: an opponent's trumps beat the seat's more often than
// the seat's cards beat the trumps of both opponents.
bool losesTrumpDuel(const THand& hand, const THand& other1, const THand& other2) {
  const TSkatGameMasks* m = skatGameMasks();
  TSkatCardSet own = 0, set1 = 0, set2 = 0;
  if (m && skatCardSetOf(hand, own) && skatCardSetOf(other1, set1) && skatCardSetOf(other2, set2)) {
    TSkatCardSet trumps = own & m->trumps;
    int32_t x1 = skatBeatCount(*m, trumps, set1);
    int32_t x2 = skatBeatCount(*m, trumps, set2);
    int32_t y = skatBeatCount(*m, set1 & m->trumps, own) + skatBeatCount(*m, set2 & m->trumps, own);
    return x1 > y || x2 > y;
  }
  THand trumps = skatCardsOfClass(hand, suitTrumps);
  int32_t x1 = beatCount(trumps, other1);
  int32_t x2 = beatCount(trumps, other2);
  int32_t y = beatCount(skatCardsOfClass(other1, suitTrumps), hand) +
              beatCount(skatCardsOfClass(other2, suitTrumps), hand);
  return x1 > y || x2 > y;
}

int32_t jacksIn(const THand& h) { return countRank(h, rankJack); }
bool holds(const THand& h, int rank, int suit) { return hasCard(h, makeCard(rank, suit)); }

}  // namespace

// [SECTION] suit games and Grand

int32_t skatRateSuitGame(const THand& hand, int32_t t, const THand& other1, const THand& other2) {
  makeCurrentGame(t);
  int32_t v = skatReadRuleTable("kartenf.txt", hand, t, skatSlotSuitGame);
  int32_t mine = countSuit(hand, t);
  int32_t a = countSuit(other1, t);
  int32_t b = countSuit(other2, t);
  v += 3 * (mine - 2);
  if (a >= mine - 1 || b >= mine - 1) v -= 3;
  if (a >= mine || b >= mine) v -= 5;
  if (a > mine || b > mine) v -= 10;
  int32_t jacks = jacksIn(hand);
  if (jacks <= 1) v -= 3;
  if (jacks == 0) v -= 5;
  if (losesTrumpDuel(hand, other1, other2)) v -= 12;
  return v;
}

int32_t skatRateGrand(const THand& hand, const THand& full, int32_t jackValue, int32_t cardValue,
                      const THand& other1, const THand& other2) {
  makeCurrentGame(skatTypeGrand);
  int32_t g = skatRound(jackValue * 0.6 * 1.1 + cardValue * 0.2 * 1.1);
  int32_t aces = countRank(full, rankAce);
  if (aces >= 3) g += 6;
  if (aces + countRank(hand, rankTen) >= 5) g += 10;
  int32_t mine = jacksIn(hand);
  int32_t a = jacksIn(other1);
  int32_t b = jacksIn(other2);
  if (a >= mine || b >= mine) g -= 3;
  if (a > mine || b > mine) g -= 4;
  if (a > mine + 1 || b > mine + 1) g -= 5;
  if (mine <= 1) g -= 3;
  if (mine == 0) g -= 5;
  if (losesTrumpDuel(hand, other1, other2)) g -= 7;
  return g;
}

// [SECTION] Hand and announcements
// Grand is the current game here: suit lists leave out the Jacks, the order is A, 10, K, Q ...

namespace {

bool mayPlayHand(const THand& hand, const THand& full) {
  int32_t c1 = 0, c2 = 0;
  for (int s = suitClubs; s <= suitDiamonds; s++) {
    int n = 0;
    for (int i = 1; i <= handUsed(hand); i++)
      if (hand.k[i].f == s && hand.k[i].t != rankJack) n++;
    if (n >= 1) c1++;
    if (n >= 2) c2++;
  }
  return jacksIn(full) >= 3 && countRank(hand, rankAce) >= c1 - 2 && countRank(hand, rankTen) >= c2 - 2;
}

// Tricks the top of each suit may lose, and the Jacks missing at the top.
int32_t countMisses(const THand& hand, const THand& full, const THand& other1, const THand& other2,
                    int32_t bestGame) {
  static constexpr int8_t tops[] = {rankAce, rankTen, rankKing};
  int32_t misses = 0;
  for (int s = suitClubs; s <= suitDiamonds; s++) {
    if (jacksIn(full) == 4 && s == bestGame) continue;
    THand own = skatCardsOfClass(hand, s);
    int lim = std::min(handUsed(own), std::max(countSuitNoTrump(other1, s), countSuitNoTrump(other2, s)));
    for (int pass = 0; pass < std::min(lim, 3); pass++) {
      TCard top = skatStrongestCard(own);
      if (top.t == tops[pass]) {
        removeCard(own, top);
      } else {
        misses += tops[pass] == rankKing ? 1 : 2;
      }
    }
  }
  if (!holds(full, rankJack, suitClubs)) misses++;
  if (!holds(full, rankJack, suitSpades)) misses++;
  if (jacksIn(hand) < 4) misses++;
  if (jacksIn(hand) < 3) misses++;
  return misses;
}

// How many tricks a card is safe for: the Jacks from the top, or the run A, 10, K, Q of a suit.
int32_t safeLength(const THand& hand, const TCard& c) {
  if (c.t == rankJack) {
    if (!holds(hand, rankJack, suitClubs)) return 0;
    int32_t k = 1 + holds(hand, rankJack, suitSpades) + holds(hand, rankJack, suitHearts);
    if (k >= 2 && (holds(hand, rankJack, suitDiamonds) || holds(hand, rankAce, c.f))) k++;
    return k;
  }
  static constexpr int8_t run[] = {rankAce, rankTen, rankKing, rankQueen};
  int32_t k = 0;
  for (int8_t r : run) {
    if (!holds(hand, r, c.f)) break;
    k++;
  }
  return k;
}

int32_t countLosers(const THand& hand, const THand& other1, const THand& other2) {
  THand others = concatHands(other1, other2);
  removeSuit(others, suitTrumps);
  int32_t losers = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    int32_t k = safeLength(hand, c);
    int32_t w = skatCountWinningCards(others, c);
    if (w - k <= 0) continue;
    if (k < 3) losers += w - k;
    if (k == 0) losers += 5;
    if (k == 1) losers += 3;
  }
  return losers;
}

void rateAnnouncements(TSkatSeatRating& r, const THand& hand, const THand& full, const THand& other1,
                       const THand& other2) {
  r.playHand = mayPlayHand(hand, full) ? 1 : 0;
  r.announceSchneider = r.announceSchwarz = r.playOuvert = 0;
  if (!r.playHand) return;
  int32_t misses = countMisses(hand, full, other1, other2, r.bestGame);
  if (misses <= 3) r.announceSchneider = 1;
  if (!holds(full, rankJack, suitSpades)) misses--;
  if (misses <= 1) r.announceSchwarz = r.playOuvert = 1;
  int32_t losers = countLosers(hand, other1, other2);
  if (losers <= 3) r.announceSchwarz = 1;
  if (losers <= 0) r.playOuvert = 1;
  if (!r.announceSchneider) r.announceSchwarz = r.playOuvert = 0;
}

}  // namespace

// [SECTION] Null

namespace {

// Trick order of Null: 7, 8, 9, 10, Jack, Queen, King, Ace.
constexpr int8_t nullPlace[] = {0, 1, 2, 3, 5, 6, 7, 4, 8};
int nullRank(const TCard& c) { return c.t >= 1 && c.t <= 8 ? nullPlace[c.t] : 0; }

// An opponent's cards of one suit as the risk test reads them: how many there are with a
// Null place, and the lowest place among them.
struct SuitHold {
  int32_t n = 0;
  int32_t lowest = 9;
};

SuitHold suitHold(const THand& cards, int s) {
  SuitHold h;
  for (int i = 1; i <= handUsed(cards); i++) {
    int place = nullRank(cards.k[i]);
    if (cards.k[i].f != s || place < 1) continue;
    h.n++;
    h.lowest = std::min(h.lowest, place);
  }
  return h;
}

// An opponent holding cards of the suit can duck under c for as long as it has cards left
// beyond those c's lower partners draw.
bool riskyAgainst(const TCard& c, const SuitHold& h, int32_t kept) {
  return h.n > 0 && nullRank(c) >= h.lowest && h.n > kept + 1;
}

struct NullTest {
  bool possible = false;
  bool hand = false;
  bool ouvert = false;
};

// The first Null test found the cards safe enough: store its count and cards.
void storeRisk(TSkatSeatRating& r, int32_t n, const TCard& first, const TCard& second) {
  r.nullRiskCount = static_cast<int16_t>(n);
  r.nullRiskCard1 = first;
  r.nullRiskCard2 = second;
}

// A suit without a 7, 8 or 9 leaves a card that takes a trick once the suit is led to it.
bool hasUnprotectedSuit(const THand& hand) {
  for (int s = suitClubs; s <= suitDiamonds; s++) {
    bool any = false;
    int lowest = 0;
    for (int i = 1; i <= handUsed(hand); i++) {
      if (hand.k[i].f != s || (any && hand.k[i].t >= lowest)) continue;
      lowest = hand.k[i].t;
      any = true;
    }
    if (any && lowest >= rankJack) return true;
  }
  return false;
}

void rateNull(TSkatSeatRating& r, const THand& hand, const THand& full, const THand& other1,
              const THand& other2, const THand& skat) {
  makeCurrentGame(skatTypeNull);
  NullTest test;
  TCard first = noCard(), second = noCard();
  int32_t n = skatAICountSureTricks(full, other1, other2, first, second);
  if (n < 3) {
    test.possible = true;
    test.ouvert = n < 2;
    storeRisk(r, n, first, second);
  }
  n = skatAICountSureTricks(hand, other1, concatHands(other2, skat), first, second);
  if (n == 1 && r.nullRiskCount < 2) {
    storeRisk(r, 1, first, second);
    test = {true, true, false};
  } else if (n == 0) {
    storeRisk(r, 0, first, second);
    test = {true, true, true};
  }
  if ((test.hand || test.ouvert) && hasUnprotectedSuit(hand)) test.hand = test.ouvert = false;
  r.nullKind = 0;
  if (!test.possible) return;
  r.bidLimit = 23;
  if (test.hand && !test.ouvert) {
    r.nullKind = 1;
    r.bidLimit = 35;
  }
  if (test.ouvert) {
    r.nullKind = 2;
    r.bidLimit = test.hand ? 59 : 46;
  }
  r.bestGame = skatTypeNull;
}

}  // namespace

int32_t skatAICountSureTricks(const THand& own, const THand& other1, const THand& other2,
                              TCard& first, TCard& second) {
  makeCurrentGame(skatTypeNull);
  first = second = noCard();
  // Own cards of the suits 1..4 with a Null place, ordered by suit, then place, then position
  // (a stable counting sort: equal cards keep their order).
  constexpr int keys = 4 * 8;
  int start[keys + 1] = {};
  int n = handUsed(own);
  auto keyOf = [](const TCard& c) {
    return c.f >= 1 && c.f <= 4 && nullRank(c) >= 1 ? (c.f - 1) * 8 + nullRank(c) - 1 : -1;
  };
  for (int i = 1; i <= n; i++)
    if (int k = keyOf(own.k[i]); k >= 0) start[k + 1]++;
  for (int k = 0; k < keys; k++) start[k + 1] += start[k];
  TCard sorted[handCapacity];
  for (int i = 1; i <= n; i++)
    if (int k = keyOf(own.k[i]); k >= 0) sorted[start[k]++] = own.k[i];
  int32_t risky = 0;
  int next = 0;
  for (int s = suitClubs; s <= suitDiamonds; s++) {
    SuitHold h1 = suitHold(other1, s), h2 = suitHold(other2, s);
    int32_t kept = 0;
    for (; next < start[s * 8 - 1]; next++) {
      const TCard& c = sorted[next];
      if (riskyAgainst(c, h1, kept) || riskyAgainst(c, h2, kept)) {
        risky++;
        if (risky == 1) first = c;
        if (risky == 2) second = c;
      } else {
        kept++;
      }
    }
  }
  return risky;
}

// [SECTION] the rating

namespace {

int32_t bestSuitAndGrand(const TSkatSeatRating& r) {
  int32_t best = 0;
  int32_t bestValue = -1000;
  for (int t = 1; t <= 4; t++) {
    if (r.gameValues[t] > bestValue) {
      bestValue = r.gameValues[t];
      best = t;
    }
  }
  if (r.gameValues[skatTypeGrand] > bestValue || r.gameValues[skatTypeGrand] >= 14) best = skatTypeGrand;
  return best;
}

void rateFactor(TSkatSeatRating& r, const THand& hand, const THand& full) {
  skatGame->gameType = r.bestGame;
  skatGame->level = skatLevelNormal;
  skatGame->handGame = 0;
  if (r.playHand) {
    r.spitzenFactor = static_cast<int16_t>(skatGameMultiplier(hand) + 1 + 2 * r.announceSchneider +
                                           2 * r.announceSchwarz + r.playOuvert);
  } else {
    r.spitzenFactor = static_cast<int16_t>(skatGameMultiplier(full));
  }
  r.maxGameValue = static_cast<int16_t>(r.spitzenFactor * skatBaseValue[r.bestGame]);
}

int32_t rateStrength(const TSkatSeatRating& r, const TSkatProfileFields& profile) {
  int32_t s = skatRound(r.handValue * 0.6 + r.gameValues[r.bestGame] * 2.4);
  const TSkatOptions& o = skatArea->options;
  int32_t p = o.bockRamsch && o.ramschIfNoBid ? profile.reizenr : profile.reizen;
  if (p != 0) s = skatRound(s * ((p - 50) / 100.0 + 1));
  if (profile.wafe != 0) s += skatRound((randomReal() - 0.4) * 1.4 * profile.wafe);
  return s;
}

}  // namespace

int32_t skatRatingBidLimit(int32_t strength, int32_t maxGameValue) {
  int32_t limit = strength < skatStrengthBid18 ? 0 : strength < skatStrengthBidFull ? 19 : maxGameValue;
  return std::min(limit, maxGameValue);
}

TSkatSeatRating skatRateHand(const THand& hand, const THand& skat, const THand& other1,
                             const THand& other2, const TSkatProfileFields& profile) {
  TSkatSeatRating r{};
  THand full = concatHands(hand, skat);
  r.cardPoints = static_cast<int16_t>(skatPoints(full));
  r.jackValue = static_cast<int16_t>(skatRound(skatReadRuleTable("buben.txt", full, 0, skatSlotJacks) / 2.0));
  r.cardValue = static_cast<int16_t>(skatReadRuleTable("karten.txt", full, 0, skatSlotCards));
  r.handValue = static_cast<int16_t>(r.jackValue * 6 + r.cardValue * 2 + r.cardPoints);
  for (int t = 1; t <= 4; t++) r.gameValues[t] = static_cast<int16_t>(skatRateSuitGame(hand, t, other1, other2));
  r.gameValues[skatTypeGrand] =
      static_cast<int16_t>(skatRateGrand(hand, full, r.jackValue, r.cardValue, other1, other2));
  r.bestGame = static_cast<int16_t>(bestSuitAndGrand(r));
  rateAnnouncements(r, hand, full, other1, other2);
  rateFactor(r, hand, full);
  r.strength = static_cast<int16_t>(rateStrength(r, profile));
  r.bidLimit = static_cast<int16_t>(skatRatingBidLimit(r.strength, r.maxGameValue));
  if (r.strength <= skatStrengthSchneider) r.announceSchneider = 0;
  r.nullRiskCount = 10;
  if (r.strength < skatStrengthNoNull) rateNull(r, hand, full, other1, other2, skat);
  return r;
}

void skatAIEvaluateHand(TSpieler& stack) {
  int32_t seat = handOwner(stack);
  if (seat < 1 || seat > 3) seat = stack.stackNo >= 1 && stack.stackNo <= 3 ? stack.stackNo : 1;
  int32_t o1 = skatNextPlayer(seat);
  int32_t o2 = skatNextPlayer(o1);
  TSkatSeatRating r = skatRateHand(stack.hand, pressedSkat, sp[o1].hand, sp[o2].hand,
                                   seatProfile[seat].fields);
  syncHandFromSlots(stack);
  dealtHands[seat] = stack.hand;
  dealtSkat = pressedSkat;
  skatStoreSeatRating(stack, r);
}
