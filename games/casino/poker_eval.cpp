// Poker hand evaluation by pattern search.
#include "games/casino/poker_eval.h"

#include "core/card_names.h"
#include "core/card_order.h"
#include "games/casino/poker_state.h"

namespace {

constexpr int32_t aceValue = 21;
constexpr int32_t fiveValue = 12;

bool isStraightKind(uint8_t c) { return c == pkStraight || c == pkStraightFlush || c == pkRoyalFlush; }

void appendCard(THand64& h, const TCard& c) {
  h.anz++;
  h.k[h.anz] = c;
}

// The n-th distinct value of a list already in value order (highest first), 0 past the end.
int32_t distinctValue(const THand64& h, int n) {
  int seen = 0;
  int32_t last = -1;
  for (int i = 1; i <= handUsed(h); i++) {
    int32_t v = pokerCardValue(h.k[i]);
    if (v != last) {
      seen++;
      last = v;
      if (seen == n) return v;
    }
  }
  return 0;
}

THand64 sortedByValue(const THand64& h) {
  THand64 s = h;
  sortCards64ByValue(s, 1, 0, false);
  return s;
}

}  // namespace

int32_t categoryOrdinal(uint8_t category) { return category >= 1 && category <= 10 ? category : 0; }
uint8_t categoryFromOrdinal(int32_t ordinal) { return ordinal >= 1 && ordinal <= 10 ? uint8_t(ordinal) : 0; }

TPokerPattern handCategoryPattern(uint8_t category) {
  TPokerPattern p{};
  p.category = category;
  switch (category) {
    case pkRoyalFlush: p.cardCount = 5; p.consecutive = p.sameSuit = p.aceFirst = true; break;
    case pkStraightFlush: p.cardCount = 5; p.consecutive = p.sameSuit = true; break;
    case pkFourOfAKind: p.cardCount = 4; p.sameRank = true; break;
    case pkFullHouse: p.cardCount = 5; p.twoGroups = true; p.firstGroup = 3; p.secondGroup = 2; p.sameRank = true; break;
    case pkFlush: p.cardCount = 5; p.sameSuit = true; break;
    case pkStraight: p.cardCount = 5; p.consecutive = true; break;
    case pkThreeOfAKind: p.cardCount = 3; p.sameRank = true; break;
    case pkTwoPairs: p.cardCount = 4; p.twoGroups = true; p.firstGroup = 2; p.secondGroup = 2; p.sameRank = true; break;
    case pkPair: p.cardCount = 2; p.sameRank = true; break;
    case pkHighCard: p.cardCount = 1; break;
    default: break;
  }
  return p;
}

void pokerInitCardTable() {
  // Ranks 1..8 are 7, 8, 9, jack, queen, king, ten, ace; 9..13 are 2..6; 14 the joker.
  static const int32_t values[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 14; r++) cardValues[s][r] = values[r];
}

int32_t pokerCardValue(const TCard& card) {
  if (card.f < 1 || card.f > 4 || card.t < 1 || card.t > 14) return 0;
  return cardValues[card.f][card.t];
}

TCard pokerValueToCard(int32_t value) {
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 13; r++)
      if (cardValues[s][r] == value) return makeCard(r, 1);
  return noCard();
}

int32_t nextLowerRank(int32_t rank) {
  switch (rank) {
    case rankAce: return rankKing;
    case rankKing: return rankQueen;
    case rankQueen: return rankJack;
    case rankJack: return rankTen;
    case rankTen: return rank9;
    case rank9: return rank8;
    case rank8: return rank7;
    case rank7: return rank6;
    case rank6: return rank5;
    case rank5: return rank4;
    case rank4: return rank3;
    case rank3: return rank2;
    case rank2: return rankAce;
    default: return 0;
  }
}

int32_t nthDistinctRank(const THand64& cards, int32_t n) {
  if (n < 1) return 0;
  return distinctValue(sortedByValue(cards), n);
}

bool handMatchesPattern(const THand64& sorted, const TPokerPattern& pat, THand64& matched, THand64& left) {
  THand64 pool = sorted;
  if (pat.category == pkStraight || pat.category == pkStraightFlush) pokerWheelOrder(pool);
  THand64 savedPool = pool;
  THand64 savedMatch{};
  THand64& m = matched;
  m = THand64{};
  int i = 1, start = 1, note = 0;
  bool secondPhase = false;
  bool found = false;
  if (pat.cardCount < 1) return false;

  // Back to the card noted as the first one rejected in this pass, with the pool and match
  // as they stood when the pass began. Without a note every start is used up.
  auto restart = [&]() {
    i = note;
    if (i == start) i++;
    start = i;
    note = 0;
    pool = savedPool;
    m = savedMatch;
  };

  while (true) {
    if (handUsed(pool) == 0 || i > handUsed(pool)) break;
    const TCard c = pool.k[i];
    bool begins = handUsed(m) == 0 || (pat.twoGroups && handUsed(m) == pat.firstGroup);
    bool rejected;
    if (begins) {
      rejected = pat.aceFirst && c.t != rankAce;
    } else {
      const TCard& last = m.k[handUsed(m)];
      rejected = (pat.consecutive && c.t != nextLowerRank(last.t)) || (pat.sameRank && c.t != last.t) ||
                 (pat.sameSuit && c.f != last.f);
    }
    if (!rejected) {
      appendCard(m, c);
      deleteCardAt64(pool, i);
    } else {
      if (note == 0) {
        note = (handUsed(m) - handUsed(savedMatch)) + i;
        if (note == 0) note = 1;
      }
      if (i < handUsed(pool)) {
        i++;
      } else {
        restart();
      }
    }
    if (handUsed(m) == pat.cardCount) {
      found = true;
      break;
    }
    if (pat.twoGroups && !secondPhase && handUsed(m) == pat.firstGroup) {
      secondPhase = true;
      note = 0;
      i = start = 1;
      savedMatch = m;
      savedPool = pool;
    }
    // The pool's last card was taken and the shape is still short: start again from the
    // noted card, as after a rejected last card.
    if (!rejected && i > handUsed(pool) && note != 0) restart();
  }
  left = pool;
  return found;
}

TPokerHandEval evaluatePokerHand(THand64 cards, bool wantFive) {
  TPokerHandEval e{};
  THand64 sorted = sortedByValue(cards);
  if (handUsed(sorted) == 0) return e;
  THand64 m{}, left{};
  uint8_t cat = pkRoyalFlush;
  TPokerPattern pat{};
  while (cat != pkNone) {
    pat = handCategoryPattern(cat);
    if (handMatchesPattern(sorted, pat, m, left)) break;
    cat = categoryFromOrdinal(categoryOrdinal(cat) - 1);
  }
  if (cat == pkNone) return e;
  e.category = cat;
  e.ordinal = categoryOrdinal(cat);
  if (isStraightKind(cat) || cat == pkFlush) {
    THand64 resorted = sortedByValue(m);
    e.decisive1 = distinctValue(resorted, 1);
    e.decisive2 = distinctValue(resorted, 2);
    e.kicker1 = pokerCardValue(m.k[3]);
    e.kicker2 = pokerCardValue(m.k[4]);
    e.kicker3 = pokerCardValue(m.k[5]);
  } else {
    if (cat == pkFullHouse) {
      for (int i = 1; i <= handUsed(m); i++) {
        int n = countRank64b(m, m.k[i].t);
        if (n == 3 && e.decisive1 == 0) e.decisive1 = pokerCardValue(m.k[i]);
        if (n == 2 && e.decisive2 == 0) e.decisive2 = pokerCardValue(m.k[i]);
      }
    } else {
      e.decisive1 = distinctValue(m, 1);
      e.decisive2 = distinctValue(m, 2);
    }
    int32_t* kickers[4] = {&e.kicker1, &e.kicker2, &e.kicker3, &e.kicker4};
    for (int k = 1; k <= 5 - pat.cardCount && k <= 4; k++) *kickers[k - 1] = distinctValue(left, k);
  }
  if (wantFive) {
    e.bestFive = m;
    for (int i = 1; i <= handUsed(left) && handUsed(e.bestFive) < 5; i++) appendCard(e.bestFive, left.k[i]);
  }
  return e;
}

int32_t compareHandEvaluations(const TPokerHandEval& a, const TPokerHandEval& b) {
  auto order = [](int32_t x, int32_t y) { return x > y ? 1 : x < y ? 2 : 0; };
  if (int r = order(a.ordinal, b.ordinal)) return r;
  bool straights = a.category == b.category && isStraightKind(a.category);
  if (!straights)
    if (int r = order(a.decisive1, b.decisive1)) return r;
  const int32_t av[5] = {a.decisive2, a.kicker1, a.kicker2, a.kicker3, a.kicker4};
  const int32_t bv[5] = {b.decisive2, b.kicker1, b.kicker2, b.kicker3, b.kicker4};
  for (int i = 0; i < 5; i++)
    if (int r = order(av[i], bv[i])) return r;
  return 0;
}

int32_t comparePokerHands(const THand64& a, const THand64& b) {
  return compareHandEvaluations(evaluatePokerHand(a, false), evaluatePokerHand(b, false));
}

// [SECTION] names

namespace {

bool pluralCategory(uint8_t c) {
  return c == pkPair || c == pkTwoPairs || c == pkThreeOfAKind || c == pkFullHouse || c == pkFourOfAKind;
}

std::string rankText(int32_t value, bool plural, bool german) {
  TCard card = pokerValueToCard(value);
  if (isNoCard(card)) return {};
  if (german) return rankNameTable[plural ? 4 : 1][card.t];
  std::string name = rankNameTable[5][card.t];
  if (!plural) return name;
  return card.t == rank6 ? name + "es" : name + "s";
}

std::string shortened(const std::string& text) {
  if (text.rfind("10", 0) == 0) return "10";
  return text.substr(0, 1);
}

}  // namespace

std::string pokerHandNameIn(const TPokerHandEval& rating, bool german, int32_t nameForm) {
  static const char* const germanNames[11] = {"", "Höchste Karte", "Paar", "Zwei Paare", "Drilling", "Straße",
                                              "Flush", "Full House", "Poker", "Straight Flush", "Royal Flush"};
  static const char* const englishNames[11] = {"", "High Card", "Pair", "Two Pairs", "Three Of A Kind",
                                               "Straight", "Flush", "Full House", "Four Of A Kind",
                                               "Straight Flush", "Royal Flush"};
  uint8_t cat = categoryFromOrdinal(rating.category);
  std::string name = german ? germanNames[cat] : englishNames[cat];
  int32_t firstValue = rating.decisive1;
  if ((cat == pkStraight || cat == pkStraightFlush) && rating.decisive1 == aceValue && rating.decisive2 == fiveValue)
    firstValue = fiveValue;
  bool plural = pluralCategory(cat);
  std::string first = rankText(firstValue, plural, german);
  bool two = cat == pkTwoPairs || cat == pkFullHouse;
  std::string second = two ? rankText(rating.decisive2, true, german) : std::string();
  if (nameForm == 2) {
    first = shortened(first);
    second = two ? shortened(second) : second;
  } else if (nameForm != 3) {
    return name;
  }
  std::string text = name + " (" + first + (two ? "," + second : std::string()) + ")";
  return nameForm == 3 ? "?" + text : text;
}

std::string pokerHandName(const TPokerHandEval& rating) {
  const TPokerArea& a = pokerArea();
  return pokerHandNameIn(rating, a.germanTerms, a.nameForm);
}
